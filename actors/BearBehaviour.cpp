#include "actors/BearBehaviour.h"

#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/BossArena.h"
#include "graphics/Camera.h"
#include "physics/Body.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// The bear stands this far right of its home when the level places it.
constexpr float HomeOffset = 235.0f;
constexpr int BearLives = 3;
constexpr float BearPatrolRange = 200.0f;
constexpr float BearRecoverRange = 300.0f;
constexpr float BearRecoverSpeed = 100.0f;
// The bear notices the hero within 300 units, then attacks within 200.
constexpr float NoticeRangeSquared = 90000.0f;
constexpr float AttackRangeSquared = 40000.0f;
constexpr float AttackSeconds = 1.0f;
constexpr float LungeSpeed = 400.0f;
constexpr float RoarSeconds = 1.4f;
constexpr float ChargeExtraSpeed = 400.0f;
constexpr float ChargeExtraRange = 100.0f;
constexpr float FastFrameSeconds = 0.05f;
constexpr float SlowFrameSeconds = 0.1f;
// The geyser in the arena comes alive when the bear shows itself.
constexpr float PowerWaterLift = 15.0f;

GameObjectComposition* FindByKey(const std::string& key)
{
    return CORE != nullptr && CORE->m_Factory != nullptr ? CORE->m_Factory->FindObject(key) : nullptr;
}
} // namespace

BearBehaviour::BearBehaviour(const BehaviourParams& params)
    : Behaviour(params), m_State(static_cast<State>(params.Action)), m_RangeOfAction(params.RangeOfAction),
      m_RangeSquared(params.RangeOfHoming * params.RangeOfHoming), m_Speed(params.Speed)
{
}

void BearBehaviour::Catch()
{
    m_Timer = 0.0f;
    m_State = State::Caught;
    m_Previous = State::Caught;
}

void BearBehaviour::Update(float dt, const BehaviourContext& context)
{
    if (OwnTransform() == nullptr || OwnBody() == nullptr)
    {
        return;
    }
    if (m_State != State::Attack)
    {
        ResetAttack();
    }
    const bool patrolling = m_State == State::Wait || m_State == State::WalkLeft || m_State == State::WalkRight;
    if (patrolling && HeroNear(context))
    {
        m_Previous = m_State;
        m_State = State::Attack;
    }
    Act(dt, context);
    m_Animator.Update(m_Object);
}

void BearBehaviour::Act(float dt, const BehaviourContext& context)
{
    switch (m_State)
    {
    case State::SetUp:
        SetUp();
        break;
    case State::WaitForHero:
        WaitForHero(context);
        break;
    case State::Introduction:
        Introduction(dt, context);
        break;
    case State::Wait:
        Wait(dt);
        break;
    case State::WalkLeft:
    case State::WalkRight:
        if (WalkLeg(*this, m_Animator, m_State == State::WalkRight, m_Speed, m_RangeOfAction))
        {
            m_Previous = m_State;
            m_State = State::Wait;
        }
        break;
    case State::Attack:
        Attack(dt, context);
        break;
    case State::AfterAttack:
        AfterAttack(dt);
        break;
    case State::Roar:
        Roar(dt);
        break;
    case State::Charge:
        Charge();
        break;
    case State::Caught:
        Caught();
        break;
    case State::Retreat:
        Retreat(dt);
        break;
    case State::Recover:
        Recover(dt);
        break;
    case State::Death:
        Death(dt, context);
        break;
    case State::Gone:
        break;
    }
}

void BearBehaviour::SetUp()
{
    const Transform* self = OwnTransform();
    m_Home = {self->Position.x - HomeOffset, self->Position.y};
    m_Pause = 1.0f;
    m_Timer = 0.0f;
    m_Lives = BearLives;
    m_RangeOfAction = BearPatrolRange;
    m_State = State::WaitForHero;
}

bool BearBehaviour::HeroNear(const BehaviourContext& context) const
{
    const Transform* self = OwnTransform();
    return self != nullptr && HeroWithin(context, self->Position, m_RangeSquared);
}

void BearBehaviour::ResetAttack()
{
    m_WindUp = 0.0f;
    m_Swipe = 0.0f;
    m_VoicePlayed = false;
}

void BearBehaviour::SetVelocityX(float x) const
{
    if (Body* body = OwnBody())
    {
        body->m_Velocity = {x, 0.0f, 0.0f};
    }
}

void BearBehaviour::WaitForHero(const BehaviourContext& context)
{
    m_RangeSquared = NoticeRangeSquared;
    if (!HeroNear(context))
    {
        return;
    }
    CAMERA.m_Target = nullptr;
    if (context.Events != nullptr)
    {
        context.Events->BossIntroductionStarted();
    }
    m_RangeOfAction = BearPatrolRange;
    m_RangeSquared = AttackRangeSquared;
    m_State = State::Introduction;
}

void BearBehaviour::Introduction(float dt, const BehaviourContext& context)
{
    m_Timer += dt;
    if (m_Timer < 1.0f)
    {
        m_Animator.m_FacingRight = false;
        m_Animator.SetPose(BearPose::BeginAttack);
        PlaySoundOnce("SFX_Bear_Attack_VO_01");
        SetGeyserLift("PowerWater", PowerWaterLift);
        return;
    }
    if (m_Timer < 2.0f)
    {
        m_Animator.SetPose(BearPose::Attack);
        PlaySoundOnce("SFX_Bear_Attack_Swipe");
        m_Timer = 2.5f;
        return;
    }
    if (!AnimationFinished(m_Object))
    {
        return;
    }
    m_Blockers[0] = FindByKey("1Blocker");
    m_Blockers[1] = FindByKey("2Blocker");
    CloseArena(m_Blockers[0], m_Blockers[1]);
    CAMERA.m_Target = nullptr;
    if (context.Events != nullptr)
    {
        context.Events->BossIntroductionEnded();
    }
    m_Timer = 0.0f;
    m_State = State::Wait;
}

void BearBehaviour::Wait(float dt)
{
    m_Animator.SetPose(BearPose::Idle);
    SetVelocityX(0.0f);
    m_Timer += dt;
    if (m_Timer < m_Pause)
    {
        return;
    }
    m_Timer = 0.0f;
    m_State = m_Previous == State::WalkLeft ? State::WalkRight : State::WalkLeft;
    m_Previous = State::Wait;
}

void BearBehaviour::Attack(float dt, const BehaviourContext& context)
{
    if (m_WindUp <= 0.0f && m_Swipe <= 0.0f)
    {
        const Transform* hero = HeroTransform(context);
        m_Animator.m_FacingRight = OwnTransform()->Position.x <= (hero != nullptr ? hero->Position.x : 0.0f);
        m_WindUp = AttackSeconds;
        m_Swipe = AttackSeconds;
    }
    if (m_WindUp > 0.0f)
    {
        m_Animator.SetPose(BearPose::BeginAttack);
        if (!m_VoicePlayed)
        {
            PlaySoundOnce("SFX_Bear_Attack_VO_01");
            m_VoicePlayed = true;
        }
        m_WindUp -= dt;
        if (m_WindUp <= 0.0f)
        {
            m_WindUp = 0.0f;
            SetVelocityX(m_Animator.m_FacingRight ? LungeSpeed : -LungeSpeed);
            m_Animator.SetPose(BearPose::Attack);
            PlaySoundOnce("SFX_Bear_Attack_Swipe");
        }
        return;
    }
    if (!AnimationFinished(m_Object))
    {
        return;
    }
    // The swipe ends on the frame its time runs out: a zero timer left for the next frame would arm a new attack.
    m_Swipe = std::max(0.0f, m_Swipe - dt);
    if (m_Swipe > 0.0f)
    {
        return;
    }
    m_Animator.SetPose(BearPose::EndAttack);
    m_Previous = State::Attack;
    m_Pause = 0.0f;
    m_State = State::AfterAttack;
    ResetAttack();
}

void BearBehaviour::AfterAttack(float dt)
{
    if (m_Pause > 0.0f)
    {
        m_Pause -= dt;
        return;
    }
    m_State = State::Roar;
    m_Animator.SetPose(BearPose::Roar);
    PlaySoundOnce("SFX_Bear_Angry");
}

void BearBehaviour::Roar(float dt)
{
    if (m_Pause < RoarSeconds)
    {
        // The roar shows while it sounds; the walk belongs to the charge that follows.
        m_Animator.SetPose(BearPose::Roar);
        SetVelocityX(0.0f);
        m_Pause += dt;
        return;
    }
    m_Speed += ChargeExtraSpeed;
    m_RangeOfAction += ChargeExtraRange;
    m_State = State::Charge;
}

void BearBehaviour::Charge()
{
    m_Animator.SetPose(BearPose::Move);
    SetAnimationSpeed(m_Object, FastFrameSeconds);
    const float x = OwnTransform()->Position.x;
    const bool right = m_Animator.m_FacingRight;
    SetVelocityX(right ? m_Speed : -m_Speed);
    const bool arrived = right ? x >= m_Home.x + m_RangeOfAction : x <= m_Home.x - m_RangeOfAction;
    if (!arrived)
    {
        return;
    }
    // The end of the charge is the end of a patrol leg: turn round and wait.
    m_Speed -= ChargeExtraSpeed;
    m_RangeOfAction -= ChargeExtraRange;
    SetAnimationSpeed(m_Object, SlowFrameSeconds);
    SetVelocityX(0.0f);
    m_Animator.m_FacingRight = !right;
    m_Animator.SetPose(BearPose::Idle);
    m_Previous = right ? State::WalkRight : State::WalkLeft;
    m_State = State::Wait;
}

void BearBehaviour::Caught()
{
    SetVelocityX(0.0f);
    if (m_Timer == 0.0f)
    {
        if (--m_Lives <= 0)
        {
            m_State = State::Death;
            return;
        }
        SetAnimationSpeed(m_Object, SlowFrameSeconds);
        m_Speed = BearRecoverSpeed;
        m_RangeOfAction = BearRecoverRange;
        m_Timer = 1.0f;
        PlaySoundOnce("SFX_Bear_Attack_VO_02");
        m_Animator.SetPose(BearPose::Damage);
        return;
    }
    if (!AnimationFinished(m_Object))
    {
        return;
    }
    if (m_Timer == 1.0f)
    {
        m_Animator.m_FacingRight = !m_Animator.m_FacingRight;
        m_Timer = 2.0f;
        return;
    }
    m_Timer = 0.0f;
    m_State = State::Retreat;
}

void BearBehaviour::Retreat(float dt)
{
    Transform* self = OwnTransform();
    m_Animator.SetPose(BearPose::DamageRun);
    const float dx = m_Home.x - self->Position.x;
    m_Animator.m_FacingRight = dx > 0.0f;
    // Arrives when this frame's step reaches home, so a fast bear cannot run past it out of the arena.
    if (std::fabs(dx) > std::max(std::fabs(m_Speed) * dt, 1.0f))
    {
        SetVelocityX(dx > 0.0f ? std::fabs(m_Speed) : -std::fabs(m_Speed));
        return;
    }
    self->Position.x = m_Home.x;
    SetVelocityX(0.0f);
    m_Animator.SetPose(BearPose::DamageIdle);
    m_Previous = m_Animator.m_FacingRight ? State::WalkRight : State::WalkLeft;
    m_Timer = 0.0f;
    m_State = State::Recover;
}

void BearBehaviour::Recover(float dt)
{
    m_Timer += dt;
    if (m_Timer >= 1.0f)
    {
        m_Timer = 0.0f;
        m_State = m_Animator.m_FacingRight ? State::WalkRight : State::WalkLeft;
    }
}

void BearBehaviour::Death(float dt, const BehaviourContext& context)
{
    SetVelocityX(0.0f);
    m_Timer += dt;
    if (m_Timer <= 1.0f)
    {
        m_Animator.SetPose(BearPose::DeathInit);
        PlaySoundOnce("SFX_Bear_Death_VO");
        SetAnimationSpeed(m_Object, SlowFrameSeconds);
        return;
    }
    m_Animator.SetPose(BearPose::DeathSpin);
    if (m_Timer <= 2.0f || !AnimationFinished(m_Object))
    {
        return;
    }
    OpenArena(m_Object, m_Blockers[0], m_Blockers[1]);
    if (context.Events != nullptr)
    {
        context.Events->BossDefeated();
    }
    // The bear is gone: nothing more may run on this behaviour.
    m_State = State::Gone;
}

} // namespace Framework
