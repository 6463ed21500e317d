#include "actors/Behaviour.h"

#include "physics/Body.h"

namespace Framework
{

namespace
{
// A moving platform: travels up (down when the speed is negative) at the data's initial velocity and turns round at
// each reverse volume. Only this axis of the body's velocity is set; the other is left to the physics.
class MoveVerticalBehaviour final : public Behaviour
{
public:
    explicit MoveVerticalBehaviour(const BehaviourParams& params)
        : Behaviour(params), m_Action(params.Action), m_Heading(params.InitialVelocity)
    {
    }

    void Update(float, const BehaviourContext&) override
    {
        if (Body* body = OwnBody())
        {
            body->m_Velocity.y = m_Heading.Velocity.y;
        }
    }
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<MoveVerticalBehaviour>(); }
    // The platform keeps the action the data gave it.
    int Action() const override { return m_Action; }
    void Reverse(std::uintptr_t volume) override { m_Heading.Reverse(volume); }

private:
    int m_Action;
    Heading m_Heading;
};
} // namespace

std::unique_ptr<Behaviour> MakeMoveVerticalBehaviour(const BehaviourParams& params)
{
    return std::make_unique<MoveVerticalBehaviour>(params);
}

} // namespace Framework
