#include "actors/CubBehaviour.h"

#include "actors/BearBehaviour.h"
#include "physics/Body.h"

namespace Framework
{

std::unique_ptr<Behaviour> MakeBearOrCubBehaviour(const BehaviourParams& params)
{
    if (params.Action == static_cast<int>(CubBehaviour::State::Dance))
    {
        return std::make_unique<CubBehaviour>(params);
    }
    return std::make_unique<BearBehaviour>(params);
}

void CubBehaviour::WalkOut(float range)
{
    m_State = State::WalkRight;
    m_Previous = State::WalkRight;
    m_RangeOfAction = range;
    m_Animator.m_FacingRight = true;
}

void CubBehaviour::Dance()
{
    m_State = State::Dance;
    m_Previous = State::Dance;
    SelectAnimation(m_Object, "default");
}

void CubBehaviour::Update(float, const BehaviourContext&)
{
    Body* body = OwnBody();
    if (OwnTransform() == nullptr || body == nullptr)
    {
        return;
    }
    switch (m_State)
    {
    case State::Wait:
        // One frame standing at the end of a leg, then back the other way.
        m_Animator.SetPose(BearPose::Idle);
        body->m_Velocity = {0.0f, 0.0f, 0.0f};
        m_State = m_Previous == State::WalkLeft ? State::WalkRight : State::WalkLeft;
        m_Previous = State::Wait;
        break;
    case State::WalkLeft:
    case State::WalkRight:
        if (WalkLeg(*this, m_Animator, m_State == State::WalkRight, m_Speed, m_RangeOfAction))
        {
            m_Previous = m_State;
            m_State = State::Wait;
        }
        break;
    case State::Dance:
        m_Animator.SetPose(BearPose::Dance);
        body->m_Velocity = {0.0f, 0.0f, 0.0f};
        if (m_Animator.FramesInPose() > 0 && AnimationFinished(m_Object))
        {
            m_Animator.m_FacingRight = !m_Animator.m_FacingRight;
        }
        break;
    }
    m_Animator.Update(m_Object);
}

} // namespace Framework
