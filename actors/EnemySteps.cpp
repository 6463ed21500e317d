#include "actors/EnemyBehaviours.h"

#include "actors/GameLogicComponent.h"
#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "graphics/GraphicsComponent.h"
#include "physics/Body.h"

#include <cmath>

namespace Framework
{

GameObjectComposition* ActorObject(const Controller& controller)
{
    return controller.m_Component != nullptr ? controller.m_Component->Owner : nullptr;
}

Transform* ActorTransform(const Controller& controller)
{
    GameObjectComposition* object = ActorObject(controller);
    return object != nullptr ? object->GetTransform() : nullptr;
}

Body* ActorBody(const Controller& controller)
{
    GameObjectComposition* object = ActorObject(controller);
    return object != nullptr ? object->GetBody() : nullptr;
}

void SetAnimationSpeed(GameObjectComposition* object, float secondsPerFrame)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    if (graphics != nullptr)
    {
        graphics->m_pAnimation.m_Speed = secondsPerFrame;
    }
}

bool AnimationFinished(GameObjectComposition* object)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    return graphics == nullptr || graphics->m_pAnimation.m_Finished;
}

bool HeroIsHidden()
{
    return CORE != nullptr && CORE->m_GameLogic != nullptr && CORE->m_GameLogic->m_HeroHidden;
}

bool HeroNearHome(Controller& controller)
{
    Transform* self = ActorTransform(controller);
    Transform* hero = CurrentHero != nullptr ? CurrentHero->GetTransform() : nullptr;
    if (self == nullptr || hero == nullptr)
    {
        return false;
    }
    const bool waiting = controller.m_PreviousAction == ActionWait || controller.m_Action == ActionWait;
    const Vec2 from = waiting ? controller.m_Home : self->Position;
    const float dx = hero->Position.x - from.x;
    const float dy = hero->Position.y - from.y;
    controller.m_HeroDistance = {std::fabs(dx), std::fabs(dy)};
    return dx * dx + dy * dy < controller.m_RangeOfHomingSquared;
}

bool HeroNearSelf(Controller& controller)
{
    Transform* self = ActorTransform(controller);
    Transform* hero = CurrentHero != nullptr ? CurrentHero->GetTransform() : nullptr;
    if (self == nullptr || hero == nullptr)
    {
        return false;
    }
    controller.m_HeroDistance = {hero->Position.x - self->Position.x, hero->Position.y - self->Position.y};
    const Vec2 d = controller.m_HeroDistance;
    return d.x * d.x + d.y * d.y < controller.m_RangeOfHomingSquared;
}

void Chase(Controller& controller)
{
    Transform* self = ActorTransform(controller);
    Transform* hero = CurrentHero != nullptr ? CurrentHero->GetTransform() : nullptr;
    Body* body = ActorBody(controller);
    if (self == nullptr || hero == nullptr || body == nullptr)
    {
        return;
    }
    // Standing on the hero gives no direction: the actor holds still instead of flying off as NaN.
    Vec2 direction = UnitVector({hero->Position.x - self->Position.x, hero->Position.y - self->Position.y});
    controller.m_MoveVelocity = {direction.x * controller.m_HomingSpeed, direction.y * controller.m_HomingSpeed};
    SelectAnimation(ActorObject(controller), controller.m_MoveVelocity.x > 0.0f ? "default" : "Left");
    body->m_Velocity = {controller.m_MoveVelocity.x, controller.m_MoveVelocity.y, 0.0f};
}

void ReturnHome(Controller& controller, float dt)
{
    Transform* self = ActorTransform(controller);
    Body* body = ActorBody(controller);
    if (self == nullptr || body == nullptr)
    {
        return;
    }
    const float dx = controller.m_Home.x - self->Position.x;
    const float dy = controller.m_Home.y - self->Position.y;
    // A fast actor covers more than a unit a frame: it arrives when this frame's step would reach home,
    // and lands exactly there instead of swinging around it.
    const float step = std::fabs(controller.m_Speed) * dt;
    const float distance = std::sqrt(dx * dx + dy * dy);
    if (distance <= std::max(step, 1.0f))
    {
        self->Position = controller.m_Home;
        body->m_Velocity = {0.0f, 0.0f, 0.0f};
        controller.m_MoveVelocity = {controller.m_InitialVelocity, controller.m_InitialVelocity};
        controller.m_Action = controller.m_PreviousAction;
        return;
    }
    controller.m_MoveVelocity = UnitVector({dx, dy});
    SelectAnimation(ActorObject(controller), controller.m_MoveVelocity.x > 0.0f ? "default" : "Left");
    body->m_Velocity = {controller.m_MoveVelocity.x * controller.m_Speed,
                        controller.m_MoveVelocity.y * controller.m_Speed, 0.0f};
}

void ReverseDirection(Controller& controller, std::uintptr_t triggerId)
{
    if (controller.m_LastReverser == triggerId)
    {
        return;
    }
    controller.m_LastReverser = triggerId;
    controller.m_MoveVelocity = {-controller.m_MoveVelocity.x, -controller.m_MoveVelocity.y};
    controller.m_InitialVelocity = -controller.m_InitialVelocity;
}

void CloseTrap(Controller& controller, float delay, const std::string& animation)
{
    if (controller.m_TrapClosed)
    {
        return;
    }
    controller.m_TrapClosed = true;
    controller.m_ReopenTimer = delay;
    SelectAnimation(ActorObject(controller), animation, false);
    PlaySoundOnce("SFX_Trap_Close");
}

} // namespace Framework
