#include "actors/Controller.h"

#include "actors/EnemyBehaviours.h"
#include "actors/GameLogicComponent.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/GraphicsComponent.h"
#include "physics/Body.h"

#include <cmath>

namespace Framework
{

namespace
{
GameObjectComposition* OwnerOf(const Controller& controller)
{
    return controller.m_Component != nullptr ? controller.m_Component->Owner : nullptr;
}

Body* BodyOf(const Controller& controller)
{
    GameObjectComposition* owner = OwnerOf(controller);
    return owner != nullptr ? owner->GetBody() : nullptr;
}

void UpdateStill(Controller& controller)
{
    controller.m_MoveVelocity = {0.0f, 0.0f};
    if (Body* body = BodyOf(controller))
    {
        body->m_Velocity = {0.0f, 0.0f, 0.0f};
    }
}

void UpdateMoveHorizontal(Controller& controller)
{
    if (Body* body = BodyOf(controller))
    {
        body->m_Velocity.x = controller.m_MoveVelocity.x;
    }
}

void UpdateMoveVertical(Controller& controller)
{
    if (Body* body = BodyOf(controller))
    {
        body->m_Velocity.y = controller.m_MoveVelocity.y;
    }
}
} // namespace

void ActorAnimator::SetState(int state)
{
    if (state != m_AnimState)
    {
        m_AnimState = state;
        m_Counter = 0;
    }
}

void UpdateBehavior(Controller& controller, float dt)
{
    CurrentHero = CORE != nullptr && CORE->m_Factory != nullptr ? CORE->m_Factory->FindObject("Kibbet") : nullptr;
    switch (static_cast<BehaviorKind>(controller.m_Behavior))
    {
    case BehaviorKind::Still:
        UpdateStill(controller);
        break;
    case BehaviorKind::MoveHorizontal:
        UpdateMoveHorizontal(controller);
        break;
    case BehaviorKind::MoveVertical:
        UpdateMoveVertical(controller);
        break;
    case BehaviorKind::Wasp:
        UpdateWasp(controller, dt);
        break;
    case BehaviorKind::Trap:
        UpdateTrap(controller, dt);
        break;
    case BehaviorKind::Porcupine:
        controller.m_Action = ActionPorcupine;
        controller.m_PreviousAction = ActionPorcupine;
        UpdatePorcupine(controller);
        break;
    case BehaviorKind::Bear:
        UpdateBear(controller, dt);
        break;
    case BehaviorKind::PathWasp:
        UpdatePathWasp(controller, dt);
        break;
    case BehaviorKind::Knockback:
        controller.m_KnockTime += dt;
        UpdateKnockback(controller);
        break;
    }
}

void Patrol(Controller& controller)
{
    GameObjectComposition* owner = OwnerOf(controller);
    Transform* transform = owner != nullptr ? owner->GetTransform() : nullptr;
    Body* body = owner != nullptr ? owner->GetBody() : nullptr;
    if (transform == nullptr || body == nullptr)
    {
        return;
    }
    ActorAnimator& animator = controller.m_Animator;
    float x = transform->Position.x;
    if (controller.m_Action == ActionMoveLeft)
    {
        animator.m_FacingRight = false;
        controller.m_MoveVelocity.x = -controller.m_Speed;
        animator.SetState(1);
        body->m_Velocity = {controller.m_MoveVelocity.x, controller.m_MoveVelocity.y, 0.0f};
        if (x <= controller.m_Home.x - controller.m_RangeOfAction)
        {
            animator.m_FacingRight = true;
            animator.SetState(0);
            controller.m_PreviousAction = ActionMoveLeft;
            controller.m_Action = ActionWait;
        }
    }
    else if (controller.m_Action == ActionMoveRight)
    {
        animator.m_FacingRight = true;
        controller.m_MoveVelocity.x = controller.m_Speed;
        animator.SetState(1);
        body->m_Velocity = {controller.m_MoveVelocity.x, controller.m_MoveVelocity.y, 0.0f};
        if (x >= controller.m_Home.x + controller.m_RangeOfAction)
        {
            animator.m_FacingRight = false;
            animator.SetState(0);
            controller.m_PreviousAction = ActionMoveRight;
            controller.m_Action = ActionWait;
        }
    }
}

Vec2 UnitVector(Vec2 v)
{
    float length = std::sqrt(v.x * v.x + v.y * v.y);
    if (!(length > 0.0f))
    {
        return {0.0f, 0.0f};
    }
    return {v.x / length, v.y / length};
}

void SelectAnimation(GameObjectComposition* object, const std::string& name, bool loop)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    graphics->m_pAnimation.PlayAsDefault(name);
    graphics->m_pAnimation.m_Loop = loop;
}

} // namespace Framework
