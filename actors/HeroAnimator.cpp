#include "actors/HeroAnimator.h"

#include "actors/HeroController.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/GraphicsComponent.h"
#include "physics/Body.h"

namespace Framework
{

namespace
{
// Seconds per frame: the usual pace, idling, the fly's wing beat, the roll and the death.
constexpr float kFramePace = 0.1f;
constexpr float kIdlePace = 0.15f;
constexpr float kFlyPace = 0.01f;
constexpr float kRollPace = 0.05f;
constexpr float kDeathPace = 0.3f;
constexpr float kDeathStretch = 1.5f;

Animation* AnimationOf(GameObjectComposition* object)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    return graphics != nullptr ? &graphics->m_Animation : nullptr;
}

// Shows the animation named base + "Right" or base + "Left"; true once it has reached its last frame.
bool Show(Animation& animation, const std::string& base, bool facingRight)
{
    std::string name = base + (facingRight ? "Right" : "Left");
    animation.Play(name);
    return animation.m_Current == name && animation.m_Finished;
}
} // namespace

void HeroAnimator::SetPose(HeroState pose)
{
    if (pose != m_Pose)
    {
        m_Pose = pose;
        m_Stage = Stage::TakeOff;
    }
}

void HeroAnimator::Update()
{
    m_Object = m_Controller != nullptr ? m_Controller->m_Hero : m_Object;
    Animation* animation = AnimationOf(m_Object);
    if (animation == nullptr)
    {
        return;
    }
    animation->m_Speed = kFramePace;
    switch (m_Pose)
    {
    case HeroIdle:
        animation->m_Speed = kIdlePace;
        animation->Play(m_FacingRight ? "default" : "idleLeft");
        animation->m_Loop = true;
        break;
    case HeroJump:
        if (m_Stage == Stage::TakeOff && Show(*animation, "jumpStart", m_FacingRight))
        {
            m_Stage = Stage::Airborne;
        }
        else if (m_Stage == Stage::Airborne)
        {
            Body* body = m_Object->GetBody();
            if (Show(*animation, "glide", m_FacingRight) && (body == nullptr || body->m_Velocity.y <= 0.0f))
            {
                m_Stage = Stage::Landing;
            }
        }
        else if (m_Stage == Stage::Landing)
        {
            Show(*animation, "land", m_FacingRight);
        }
        break;
    case HeroFly:
        if (m_Stage == Stage::TakeOff && Show(*animation, "flyStart", m_FacingRight))
        {
            m_Stage = Stage::Airborne;
        }
        else if (m_Stage == Stage::Airborne)
        {
            animation->m_Speed = kFlyPace;
            bool ended = Show(*animation, "fly", m_FacingRight);
            animation->m_Loop = true;
            if (ended && (m_Controller == nullptr || !m_Controller->HasFlown()))
            {
                animation->m_Speed = kFramePace;
                m_Stage = Stage::Landing;
            }
        }
        else if (m_Stage == Stage::Landing)
        {
            Show(*animation, "land", m_FacingRight);
        }
        break;
    case HeroRun:
        PlaySoundOnce("SFX_Beaver_Run_2");
        Show(*animation, "move", m_FacingRight);
        animation->m_Loop = true;
        break;
    case HeroFall:
        Show(*animation, "land", m_FacingRight);
        break;
    case HeroRoll:
        animation->m_Speed = kRollPace;
        Show(*animation, "attack", m_FacingRight);
        animation->m_Loop = false;
        break;
    default:
        break;
    }
}

void PlayDeathAnimation(HeroAnimator& animator)
{
    Animation* animation = AnimationOf(animator.m_Object);
    Transform* t = animator.m_Object != nullptr ? animator.m_Object->GetTransform() : nullptr;
    if (animation == nullptr || t == nullptr)
    {
        return;
    }
    animation->m_Speed = kDeathPace;
    t->Scale.y = kDeathStretch;
    if (Show(*animation, "die", animator.m_FacingRight))
    {
        t->Scale = {0.0f, 0.0f};
    }
    animation->m_Loop = false;
}

} // namespace Framework
