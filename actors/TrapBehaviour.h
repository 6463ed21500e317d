#pragma once

#include "actors/Behaviour.h"

namespace Framework
{

// A trap on the ground: open until something springs it (gameflow/EnemyTriggers.h), then shut and harmless
// for a while, then open again.
class TrapBehaviour final : public Behaviour
{
public:
    enum class State
    {
        Open,
        Shut,
    };

    explicit TrapBehaviour(const BehaviourParams& params) : Behaviour(params), m_Action(params.Action) {}

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<TrapBehaviour>(); }
    // The trap keeps the action the data gave it, open or shut.
    int Action() const override { return m_Action; }

    // Snaps the open trap shut for delay seconds with the given animation; a shut trap stays as it is.
    void Close(float delay, const std::string& animation);
    // Whether the trap's jaws are shut (it is harmless then).
    bool IsShut() const { return m_State == State::Shut; }

private:
    int m_Action;
    State m_State = State::Open;
    float m_ReopenTimer = 0.0f;
};

} // namespace Framework
