#include "actors/WaspBehaviour.h"

#include "audio/Audio.h"
#include "data/Transform.h"
#include "physics/Body.h"

namespace Framework
{

std::unique_ptr<Behaviour> MakeWaspBehaviour(const BehaviourParams& params)
{
    return std::make_unique<WaspBehaviour>(params);
}

WaspBehaviour::WaspBehaviour(const BehaviourParams& params)
    : Behaviour(params), m_Flight(params), m_Heading(params.InitialVelocity), m_State(static_cast<State>(params.Action))
{
}

void WaspBehaviour::Update(float dt, const BehaviourContext& context)
{
    Transform* self = OwnTransform();
    if (self == nullptr || OwnBody() == nullptr)
    {
        return;
    }
    // While it patrols, home is where it was last frame.
    const bool watchesHome = m_Resume == State::Wait || m_State == State::Wait;
    if (m_Flight.Notices(watchesHome ? m_Home : self->Position, context))
    {
        if (m_State != State::Chase)
        {
            Provoke();
        }
    }
    else if (m_State == State::Chase)
    {
        m_State = State::ReturnHome;
    }
    Act(dt, context);
}

void WaspBehaviour::Provoke()
{
    PlaySoundOnce("SFX_Wasp_Angry");
    // Provoked again on the way home, it still owes the patrol it left first.
    if (m_State != State::ReturnHome)
    {
        m_Resume = m_State;
    }
    m_State = State::Chase;
}

void WaspBehaviour::Act(float dt, const BehaviourContext& context)
{
    Body& body = *OwnBody();
    switch (m_State)
    {
    case State::Wait:
        body.m_Velocity = {0.0f, 0.0f, 0.0f};
        break;
    case State::MoveLeft:
    case State::MoveRight:
        // A chase returns to where it began, not to where the wasp was placed.
        m_Home = OwnTransform()->Position;
        body.m_Velocity.x = m_Heading.Velocity.x;
        SelectAnimation(m_Object, m_Heading.Velocity.x > 0.0f ? "moveRight" : "moveLeft");
        break;
    case State::MoveDown:
    case State::MoveUp:
        body.m_Velocity.y = m_Heading.Velocity.y;
        break;
    case State::Chase:
        m_Flight.Chase(*this, context);
        break;
    case State::ReturnHome:
        if (m_Flight.FlyHome(*this, m_Home, dt))
        {
            m_Heading.Velocity = {m_Heading.Initial, m_Heading.Initial};
            m_State = m_Resume;
        }
        break;
    }
}

} // namespace Framework
