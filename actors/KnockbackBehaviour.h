#pragma once

#include "actors/Behaviour.h"

namespace Framework
{

// Seconds a knocked enemy tumbles before its own behaviour resumes.
constexpr float KnockbackSeconds = 0.4f;

// The tumble of an enemy the rolling hero hit: it runs instead of the enemy's own behaviour, which waits as it was
// and resumes after KnockbackSeconds. The dump shows the knock-back kind and the waiting behaviour's action.
class KnockbackBehaviour final : public Behaviour
{
public:
    // Sends the actor the behaviour drives tumbling: back along its velocity (18 times it, or 4 times for an enemy
    // that bounces the hero, which it does now), or away from the hero when it stood still. Null when the actor
    // has no object, Transform or Body.
    static std::unique_ptr<KnockbackBehaviour> Start(const Behaviour& hit, const BehaviourContext& context);

    KnockbackBehaviour(const Behaviour& hit, Vec2 velocity, bool spins);
    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<KnockbackBehaviour>(); }
    int Action() const override { return m_Action; }
    // Whether the tumble is over and the actor stands upright, at rest.
    bool Finished() const { return m_Finished; }

private:
    int m_Action;
    Vec2 m_Velocity;
    bool m_Spins;
    float m_Time = 0.0f;
    bool m_Finished = false;
};

} // namespace Framework
