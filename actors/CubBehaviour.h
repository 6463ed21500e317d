#pragma once

#include "actors/BearAnimator.h"
#include "actors/Behaviour.h"

namespace Framework
{

// The bear's cub of the closing scene: the data gives it the bear's kind number with the dance as its action.
// It dances where it stands until the scene sends it walking to and fro, and dances again at the scene's end.
class CubBehaviour final : public Behaviour
{
public:
    // The cub's actions, numbered as the bear's.
    enum class State : int
    {
        Wait = 0,
        WalkLeft = 1,
        WalkRight = 2,
        Dance = 20,
    };

    explicit CubBehaviour(const BehaviourParams& params)
        : Behaviour(params), m_State(static_cast<State>(params.Action)), m_RangeOfAction(params.RangeOfAction),
          m_Speed(params.Speed)
    {
    }

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<CubBehaviour>(); }
    int Action() const override { return static_cast<int>(m_State); }
    bool Knockable() const override { return false; }

    // Sends the cub walking right, then to and fro within range of its home.
    void WalkOut(float range);
    // The cub stops and dances, starting from its plain picture.
    void Dance();

private:
    State m_State;
    State m_Previous = State::Wait;
    float m_RangeOfAction;
    float m_Speed;
    BearAnimator m_Animator;
};

} // namespace Framework
