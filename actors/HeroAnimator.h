#pragma once

namespace Framework
{

class GameObjectComposition;
class HeroController;

// The hero's states as the rest of the game and the state dump see them ("hero":{"state":N}), also the
// poses of its HeroAnimator.
enum HeroState : int
{
    HeroIdle = 0,
    HeroJump = 1,
    HeroFly = 2,
    HeroRun = 3,
    HeroFall = 4,
    HeroRoll = 5,
};

// Picks the hero's animation from its pose, the stage reached in the pose and its facing, once a frame after the
// hero's controller ran (as BearAnimator does for the bear).
class HeroAnimator
{
public:
    // How far a jump or a flight has got: each shows its own animation.
    enum class Stage : int
    {
        TakeOff = 0,
        Airborne = 1,
        Landing = 2,
    };

    explicit HeroAnimator(HeroController* controller) : m_Controller(controller) {}

    // Changes the pose; the stage starts again at the take-off when it differs.
    void SetPose(HeroState pose);
    // Shows the pose's animation on the hero's sprite and moves to the next stage when its animation has ended.
    void Update();

    GameObjectComposition* m_Object = nullptr;
    bool m_FacingRight = true;
    HeroController* m_Controller;

private:
    HeroState m_Pose = HeroIdle;
    Stage m_Stage = Stage::TakeOff;
};

// The dead hero's step while an end screen waits: the death animation, then the hero shrinks out of sight.
void PlayDeathAnimation(HeroAnimator& animator);

} // namespace Framework
