#pragma once

namespace Framework
{

class GameObjectComposition;
class HeroController;

// The hero's states as the rest of the game and the state dump see them ("hero":{"state":N}), also the
// animation states of its Animator.
enum HeroState : int
{
    HeroIdle = 0,
    HeroJump = 1,
    HeroFly = 2,
    HeroRun = 3,
    HeroFall = 4,
    HeroRoll = 5,
};

// Picks the hero's animation from its animation state, phase and facing.
class Animator
{
public:
    explicit Animator(HeroController* controller) : m_Controller(controller) {}

    // Sets the animation state; the phase starts again at 0 when it changes.
    void SetState(HeroState state);
    // Shows the animation of the current state and advances the phase when its animation has ended.
    void Update(float dt);

    GameObjectComposition* m_Object = nullptr;
    float m_StateTime = 0.0f;
    bool m_FacingRight = true;
    int m_Phase = 0;
    HeroController* m_Controller;
    HeroState m_AnimState = HeroIdle;
};

// The dead hero's step while an end screen waits: the death animation, then the hero shrinks out of sight.
void PlayDeathAnimation(Animator& animator);

} // namespace Framework
