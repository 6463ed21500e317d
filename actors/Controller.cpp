#include "actors/Controller.h"

#include "actors/EnemyBehaviours.h"
#include "data/Transform.h"
#include "physics/Body.h"

namespace Framework
{

GameObjectComposition* CurrentHero = nullptr;

void SetAnimState(Controller& controller, int state)
{
    if (controller.m_AnimState == state)
    {
        return;
    }
    controller.m_AnimState = state;
    controller.m_Phase = 0;
    controller.m_StateTime = 0.0f;
}

void Patrol(Controller& controller)
{
    Transform* self = ActorTransform(controller);
    Body* body = ActorBody(controller);
    if (self == nullptr || body == nullptr)
    {
        return;
    }
    if (controller.m_Action == ActionMoveLeft)
    {
        controller.m_FacingRight = false;
        controller.m_MoveVelocity.x = -controller.m_Speed;
        SetAnimState(controller, 1);
        body->m_Velocity = {controller.m_MoveVelocity.x, controller.m_MoveVelocity.y, 0.0f};
        if (self->Position.x <= controller.m_Home.x - controller.m_RangeOfAction)
        {
            controller.m_FacingRight = true;
            SetAnimState(controller, 0);
            controller.m_PreviousAction = ActionMoveLeft;
            controller.m_Action = ActionWait;
        }
    }
    else if (controller.m_Action == ActionMoveRight)
    {
        controller.m_FacingRight = true;
        controller.m_MoveVelocity.x = controller.m_Speed;
        SetAnimState(controller, 1);
        body->m_Velocity = {controller.m_MoveVelocity.x, controller.m_MoveVelocity.y, 0.0f};
        if (self->Position.x >= controller.m_Home.x + controller.m_RangeOfAction)
        {
            controller.m_FacingRight = false;
            SetAnimState(controller, 0);
            controller.m_PreviousAction = ActionMoveRight;
            controller.m_Action = ActionWait;
        }
    }
}

} // namespace Framework
