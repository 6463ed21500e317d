#pragma once

#include "actors/WaspFlight.h"

namespace Framework
{

// The wasp: patrols (or waits) until the visible hero comes within its homing range, chases it while it stays
// there, then flies back to where the chase began and resumes what it was doing.
class WaspBehaviour final : public Behaviour
{
public:
    // The wasp's actions, numbered as the data files give them.
    enum class State : int
    {
        Wait = 0,
        MoveLeft = 1,
        MoveRight = 2,
        MoveDown = 3,
        MoveUp = 4,
        Chase = 5,
        ReturnHome = 6,
    };

    explicit WaspBehaviour(const BehaviourParams& params);

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<WaspBehaviour>(); }
    int Action() const override { return static_cast<int>(m_State); }
    void Reverse(std::uintptr_t volume) override { m_Heading.Reverse(volume); }
    const char* HitSound() const override { return "SFX_Wasp_Death"; }

private:
    // The hero came near: buzz and chase it.
    void Provoke();
    // One frame of the current state.
    void Act(float dt, const BehaviourContext& context);

    WaspFlight m_Flight;
    Heading m_Heading;
    State m_State;
    // What the wasp does again once home from a chase. It stays Wait until the first chase, and while it is Wait
    // the wasp watches over its home rather than itself.
    State m_Resume = State::Wait;
};

} // namespace Framework
