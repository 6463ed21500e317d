#include "actors/EnemyBehaviours.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "physics/Body.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// Starts a chase, remembering the action to resume once the wasp is home again.
void BecomeAngry(Controller& controller)
{
    PlaySoundOnce("SFX_Wasp_Angry");
    controller.m_PreviousAction = controller.m_Action;
    controller.m_Action = ActionChase;
}

// Flies towards the next path point at m_InitialVelocity; the path is relative to home and loops.
void FollowPath(Controller& controller, float dt)
{
    Transform* self = ActorTransform(controller);
    Body* body = ActorBody(controller);
    if (self == nullptr || body == nullptr)
    {
        return;
    }
    const float speed = controller.m_InitialVelocity;
    Vec2 target = controller.m_Home;
    const auto count = static_cast<unsigned>(controller.m_PathVector.size());
    if (count > 0)
    {
        if (controller.m_PathIndex < count)
        {
            const Vec3& point = controller.m_PathVector[controller.m_PathIndex];
            target = {controller.m_Home.x + point.x, controller.m_Home.y + point.y};
            const float dx = target.x - self->Position.x;
            const float dy = target.y - self->Position.y;
            // Arrive when this frame's step reaches the point, so a fast actor does not circle it for ever.
            if (std::sqrt(dx * dx + dy * dy) <= std::max(std::fabs(speed) * dt, 1.0f))
            {
                self->Position = target;
                ++controller.m_PathIndex;
            }
        }
        if (controller.m_PathIndex == count)
        {
            controller.m_PathIndex = 0;
            target = controller.m_Home;
        }
    }
    controller.m_MoveVelocity = UnitVector({target.x - self->Position.x, target.y - self->Position.y});
    body->m_Velocity = {controller.m_MoveVelocity.x * speed, controller.m_MoveVelocity.y * speed, 0.0f};
    SelectAnimation(ActorObject(controller), controller.m_MoveVelocity.x > 0.0f ? "moveRight" : "moveLeft");
}
} // namespace

void UpdateWasp(Controller& controller, float dt)
{
    Transform* self = ActorTransform(controller);
    Body* body = ActorBody(controller);
    if (self == nullptr || body == nullptr)
    {
        return;
    }
    if (!HeroIsHidden() && HeroNearHome(controller))
    {
        if (controller.m_Action != ActionChase)
        {
            BecomeAngry(controller);
        }
    }
    else if (controller.m_Action == ActionChase)
    {
        controller.m_Action = ActionReturnHome;
    }

    switch (controller.m_Action)
    {
    case ActionWait:
        body->m_Velocity = {0.0f, 0.0f, 0.0f};
        break;
    case ActionMoveLeft:
    case ActionMoveRight:
        // A chase returns to where it began, not to where the wasp was placed.
        controller.m_Home = self->Position;
        body->m_Velocity.x = controller.m_MoveVelocity.x;
        SelectAnimation(ActorObject(controller), controller.m_MoveVelocity.x > 0.0f ? "moveRight" : "moveLeft");
        break;
    case ActionMoveDown:
    case ActionMoveUp:
        body->m_Velocity.y = controller.m_MoveVelocity.y;
        break;
    case ActionChase:
        Chase(controller);
        break;
    case ActionReturnHome:
        ReturnHome(controller, dt);
        break;
    default:
        break;
    }
}

void UpdatePathWasp(Controller& controller, float dt)
{
    GameObjectComposition* object = ActorObject(controller);
    if (object == nullptr)
    {
        return;
    }
    // The cloud platform follows its path like a wasp but never turns on the hero.
    const bool canHome = object->Name != "Clouds_1" && !HeroIsHidden() && HeroNearHome(controller);
    if (!canHome && controller.m_Action == ActionChase)
    {
        controller.m_Action = ActionFollowPath;
    }
    else if (canHome && controller.m_Action != ActionChase)
    {
        BecomeAngry(controller);
    }

    switch (controller.m_Action)
    {
    case ActionChase:
        Chase(controller);
        break;
    case ActionReturnHome:
        ReturnHome(controller, dt);
        break;
    case ActionFollowPath:
        FollowPath(controller, dt);
        break;
    default:
        break;
    }
}

} // namespace Framework
