#include "actors/Behaviour.h"

#include "physics/Body.h"

namespace Framework
{

namespace
{
// The axis a moving platform travels along.
enum class PlatformAxis
{
    Horizontal, // right, or left when the speed is negative
    Vertical,   // up, or down when the speed is negative
};

// A moving platform: travels along its axis at the data's initial velocity and turns round at each reverse volume.
// Only this axis of the body's velocity is set; the other is left to the physics.
class MovingPlatformBehaviour final : public Behaviour
{
public:
    MovingPlatformBehaviour(const BehaviourParams& params, PlatformAxis axis)
        : Behaviour(params), m_Axis(axis), m_Action(params.Action), m_Heading(params.InitialVelocity)
    {
    }

    void Update(float, const BehaviourContext&) override
    {
        if (Body* body = OwnBody())
        {
            if (m_Axis == PlatformAxis::Horizontal)
            {
                body->m_Velocity.x = m_Heading.Velocity.x;
            }
            else
            {
                body->m_Velocity.y = m_Heading.Velocity.y;
            }
        }
    }
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<MovingPlatformBehaviour>(); }
    // The platform keeps the action the data gave it.
    int Action() const override { return m_Action; }
    void Reverse(std::uintptr_t volume) override { m_Heading.Reverse(volume); }

private:
    PlatformAxis m_Axis;
    int m_Action;
    Heading m_Heading;
};
} // namespace

std::unique_ptr<Behaviour> MakeMoveHorizontalBehaviour(const BehaviourParams& params)
{
    return std::make_unique<MovingPlatformBehaviour>(params, PlatformAxis::Horizontal);
}

std::unique_ptr<Behaviour> MakeMoveVerticalBehaviour(const BehaviourParams& params)
{
    return std::make_unique<MovingPlatformBehaviour>(params, PlatformAxis::Vertical);
}

} // namespace Framework
