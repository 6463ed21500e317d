#pragma once

#include "actors/BearAnimator.h"
#include "actors/Behaviour.h"

namespace Framework
{

// The boss: waits for the hero, introduces itself and closes the arena, then patrols it, attacks the hero that
// comes near, roars and charges. Three catches in a trap beat it; it then opens the arena.
class BearBehaviour final : public Behaviour
{
public:
    // The bear's actions, numbered as the level data starts it (SetUp) and the dump shows them.
    enum class State : int
    {
        Gone = -1,
        Wait = 0,
        WalkLeft = 1,
        WalkRight = 2,
        SetUp = 8,
        Attack = 9,
        AfterAttack = 10,
        Charge = 11,
        Roar = 12,
        WaitForHero = 14,
        Introduction = 15,
        Caught = 16,
        Retreat = 17,
        Recover = 18,
        Death = 19,
    };

    explicit BearBehaviour(const BehaviourParams& params);

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<BearBehaviour>(); }
    int Action() const override { return static_cast<int>(m_State); }
    bool Knockable() const override { return false; }

    // A trap has caught the bear: whatever it was doing, it takes the hit next frame.
    void Catch();
    // Catches it still takes before it is beaten.
    int Lives() const { return m_Lives; }

private:
    void SetUp();
    void Act(float dt, const BehaviourContext& context);
    // Whether the hero is within the current notice or attack range of the bear.
    bool HeroNear(const BehaviourContext& context) const;
    void WaitForHero(const BehaviourContext& context);
    void Introduction(float dt, const BehaviourContext& context);
    void Wait(float dt);
    void Attack(float dt, const BehaviourContext& context);
    void AfterAttack(float dt);
    void Roar(float dt);
    void Charge();
    void Caught();
    void Retreat(float dt);
    void Recover(float dt);
    void Death(float dt, const BehaviourContext& context);
    // Leaving the attack, by its end or by a trap, arms the next one in full (wind-up, swipe and voice).
    void ResetAttack();
    void SetVelocityX(float x) const;

    State m_State;
    State m_Previous = State::Wait;
    float m_RangeOfAction;
    float m_RangeSquared;
    float m_Speed;
    // The clock of the current state, and the pause after a patrol leg or an attack.
    float m_Timer = 0.0f;
    float m_Pause = 0.0f;
    int m_Lives = 0;
    float m_WindUp = 0.0f;
    float m_Swipe = 0.0f;
    bool m_VoicePlayed = false;
    GameObjectComposition* m_Blockers[2] = {nullptr, nullptr};
    BearAnimator m_Animator;
};

} // namespace Framework
