#pragma once

namespace Framework
{

class Behaviour;
class GameObjectComposition;

// The poses of the bear and its cub; each shows a Right or a Left animation by facing.
enum class BearPose : int
{
    Idle = 0,
    Move = 1,
    Roar = 2,
    BeginAttack = 3,
    Attack = 4,
    EndAttack = 5,
    Damage = 6,
    DamageRun = 7,
    DamageIdle = 8,
    DeathInit = 9,
    DeathSpin = 10,
    Dance = 12,
};

// Picks the bear's (or the cub's) animation from its pose and facing, once a frame after its behaviour ran (as
// HeroAnimator does for the hero).
class BearAnimator
{
public:
    // Changes the pose; the count of frames shown in it starts again when it differs.
    void SetPose(BearPose pose);
    // Shows the pose's animation on the object's sprite and counts the frame.
    void Update(GameObjectComposition* object);
    // Frames shown in this pose, so a step can tell a finished animation of the pose before from its own.
    int FramesInPose() const { return m_FramesInPose; }

    bool m_FacingRight = true;

private:
    BearPose m_Pose = BearPose::Idle;
    int m_FramesInPose = 0;
};

// One frame of a walk leg from the actor's home towards home + range (right) or home - range (left) at the speed:
// at the end of the leg the actor turns round and stands idle. True on the frame the leg ends.
bool WalkLeg(const Behaviour& actor, BearAnimator& animator, bool right, float speed, float range);

} // namespace Framework
