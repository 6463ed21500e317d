#include "actors/BearAnimator.h"

#include "actors/Behaviour.h"
#include "data/Transform.h"
#include "physics/Body.h"

namespace Framework
{

namespace
{
struct BearAnimation
{
    BearPose Pose;
    const char* Right;
    const char* Left;
    bool Loop;
};

constexpr BearAnimation BearAnimations[] = {
    {BearPose::Idle, "default", "idleLeft", true},
    {BearPose::Move, "moveRight", "moveLeft", true},
    {BearPose::Roar, "roarRight", "roarLeft", true},
    {BearPose::BeginAttack, "beginAttackRight", "beginAttackLeft", false},
    {BearPose::Attack, "attackRight", "attackLeft", false},
    {BearPose::EndAttack, "endAttackRight", "endAttackLeft", false},
    {BearPose::Damage, "damageRight", "damageLeft", false},
    {BearPose::DamageRun, "damageRunRight", "damageRunLeft", true},
    {BearPose::DamageIdle, "damageIdleRight", "damageIdleLeft", true},
    {BearPose::DeathInit, "deathInitRight", "deathInitLeft", false},
    {BearPose::DeathSpin, "deathSpinRight", "deathSpinLeft", false},
    {BearPose::Dance, "danceRight", "danceLeft", true},
};
} // namespace

void BearAnimator::SetPose(BearPose pose)
{
    if (pose != m_Pose)
    {
        m_Pose = pose;
        m_FramesInPose = 0;
    }
}

void BearAnimator::Update(GameObjectComposition* object)
{
    ++m_FramesInPose;
    for (const BearAnimation& animation : BearAnimations)
    {
        if (animation.Pose == m_Pose)
        {
            SelectAnimation(object, m_FacingRight ? animation.Right : animation.Left, animation.Loop);
            return;
        }
    }
}

bool WalkLeg(const Behaviour& actor, BearAnimator& animator, bool right, float speed, float range)
{
    Transform* transform = actor.OwnTransform();
    Body* body = actor.OwnBody();
    if (transform == nullptr || body == nullptr)
    {
        return false;
    }
    animator.m_FacingRight = right;
    animator.SetPose(BearPose::Move);
    body->m_Velocity = {right ? speed : -speed, 0.0f, 0.0f};
    const float x = transform->Position.x;
    if (right ? x < actor.Home().x + range : x > actor.Home().x - range)
    {
        return false;
    }
    animator.m_FacingRight = !right;
    animator.SetPose(BearPose::Idle);
    return true;
}

} // namespace Framework
