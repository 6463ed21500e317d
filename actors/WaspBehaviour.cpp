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

// Flies towards the next path point at m_InitialVelocity. The path is relative to home and closes through home:
// after its last point the actor flies back home before taking the first point again, so a path of one point
// is a there-and-back track (a cloud platform) instead of a stop at its far end.
void FollowPath(Controller& controller, float dt)
{
    Transform* self = ActorTransform(controller);
    Body* body = ActorBody(controller);
    if (self == nullptr || body == nullptr)
    {
        return;
    }
    const float speed = controller.m_InitialVelocity;
    // Arrive when this frame's step reaches the point, so a fast actor does not circle it for ever.
    const float reach = std::max(std::fabs(speed) * dt, 1.0f);
    const auto arrived = [&](Vec2 point)
    {
        const float dx = point.x - self->Position.x;
        const float dy = point.y - self->Position.y;
        return std::sqrt(dx * dx + dy * dy) <= reach;
    };
    Vec2 target = controller.m_Home;
    const auto count = static_cast<unsigned>(controller.m_PathVector.size());
    // At most one point is reached a frame: reaching one hands over to the next target at once.
    for (int step = 0; step < 2 && count > 0; ++step)
    {
        if (controller.m_PathIndex < count)
        {
            const Vec3& point = controller.m_PathVector[controller.m_PathIndex];
            target = {controller.m_Home.x + point.x, controller.m_Home.y + point.y};
        }
        else
        {
            target = controller.m_Home;
        }
        if (step == 1 || !arrived(target))
        {
            break;
        }
        self->Position = target;
        controller.m_PathIndex = controller.m_PathIndex < count ? controller.m_PathIndex + 1 : 0;
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
