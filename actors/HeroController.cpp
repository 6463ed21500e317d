#include "actors/HeroController.h"

#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "graphics/Emitter.h"
#include "graphics/GraphicsComponent.h"
#include "physics/Body.h"
#include "physics/ContactRecord.h"

namespace Framework
{

namespace
{
// The roll's attack area: its scale while rolling and at rest, and where it sits relative to the hero.
constexpr float kAttackScaleX = 4.5f;
constexpr float kAttackScaleY = 10.0f;
constexpr float kAttackRestScale = 0.5f;
constexpr float kAttackAheadRight = 25.0f;
constexpr float kAttackAheadLeft = 15.0f;
constexpr float kAttackAbove = 10.0f;

Body* BodyOf(GameObjectComposition* object)
{
    return object != nullptr ? object->GetBody() : nullptr;
}
} // namespace

HeroController::HeroController(GameLogic* logic) : m_Animator(std::make_unique<HeroAnimator>(this)), m_Logic(logic) {}

HeroController::~HeroController() = default;

HeroState HeroController::State() const
{
    switch (m_Mode)
    {
    case HeroMode::Idle:
        return HeroIdle;
    case HeroMode::Run:
        return HeroRun;
    case HeroMode::Jump:
    case HeroMode::LandedJump:
        return HeroJump;
    case HeroMode::Fly:
    case HeroMode::LandedFly:
        return HeroFly;
    case HeroMode::Fall:
    case HeroMode::LandedFall:
        return HeroFall;
    case HeroMode::RollGround:
    case HeroMode::RollAir:
    case HeroMode::RollOver:
        return HeroRoll;
    }
    return HeroIdle;
}

bool HeroController::Airborne() const
{
    return m_Mode == HeroMode::Jump || m_Mode == HeroMode::Fly || m_Mode == HeroMode::Fall ||
           m_Mode == HeroMode::RollAir;
}

void HeroController::UpdateHero(GameObjectComposition* hero, const HeroIntent& intent, float dt)
{
    m_Hero = hero;
    m_Animator->m_Object = hero;
    if (m_RollCooldown < kRollCooldownCap)
    {
        m_RollCooldown += dt;
    }
    if (m_Logic != nullptr)
    {
        RefillBars(m_Logic->Session(), dt);
    }
    if (m_Hero != nullptr)
    {
        ApplyIntent(intent);
    }
    Step(dt);
    m_Animator->Update();
    PlaceAttackObject();
}

void HeroController::ApplyIntent(const HeroIntent& intent)
{
    Body* body = BodyOf(m_Hero);
    HeroState before = State();
    // A roll under way when the frame began still blocks a fly if a jump leaves it in this frame.
    bool wasRolling = Rolling();
    if (intent.JumpPressed && !HasFlown() && Airborne() && m_AirTime > kFlyArmAirTime && !wasRolling)
    {
        ArmFly();
    }
    if (intent.JumpPressed && !HasFlown() && m_FallTime < kFallGrace && !Airborne())
    {
        Jump(body);
    }
    // A spent fly (back to Ready) may be followed by a new one: its time starts again in Fly().
    bool flyLeft = m_FlyTime < kFlyDuration || !HasFlown();
    if (intent.JumpHeld && Airborne() && FlyArmed() && flyLeft && !wasRolling)
    {
        Fly(body);
    }
    bool left = intent.Left;
    Steer(body, left, !left && intent.Right, !Airborne() && !Rolling());
    if (intent.RollPressed && m_RollCooldown >= kRollCooldown && State() != HeroRoll)
    {
        StartRoll();
    }
    if (before == HeroIdle && State() == HeroRun)
    {
        EmitWalkingDust();
    }
}

void HeroController::Step(float dt)
{
    switch (m_Mode)
    {
    case HeroMode::Idle:
    case HeroMode::Run:
        m_Animator->SetPose(State());
        Disarm();
        GroundCheck(dt);
        break;
    case HeroMode::Jump:
        m_Animator->SetPose(HeroJump);
        break;
    case HeroMode::Fly:
        FlySoundStep();
        m_Animator->SetPose(HeroFly);
        m_FlyTime += dt;
        break;
    case HeroMode::Fall:
        m_AirTime += dt;
        m_Animator->SetPose(HeroFall);
        Disarm();
        break;
    case HeroMode::RollGround:
    case HeroMode::RollAir:
        m_Animator->SetPose(HeroRoll);
        RollStep(dt);
        break;
    default:
        // The intent always moves the hero on from a finished roll or a landing.
        break;
    }
}

void HeroController::ArmFly()
{
    if (m_Fly == FlyCharge::Ready)
    {
        m_Fly = FlyCharge::Armed;
    }
}

void HeroController::Jump(Body* body)
{
    m_Mode = HeroMode::Jump;
    if (body != nullptr)
    {
        body->m_Velocity.y = kJumpSpeed;
    }
    PlaySoundOnce("SFX_Kibbet_Jump");
    m_AirTime = kJumpAirTime;
}

void HeroController::Fly(Body* body)
{
    if (!HasFlown())
    {
        m_FlyTime = 0.0f;
    }
    m_Mode = HeroMode::Fly;
    if (body != nullptr)
    {
        body->m_Velocity.y = kFlySpeed;
    }
    m_Fly = FlyCharge::Flying;
}

void HeroController::Steer(Body* body, bool left, bool right, bool free)
{
    if (left || right)
    {
        if (body != nullptr)
        {
            body->m_Velocity.x = left ? -kRunSpeed : kRunSpeed;
        }
        m_Animator->m_FacingRight = right;
        if (free)
        {
            m_Mode = HeroMode::Run;
        }
    }
    else if (free)
    {
        // The velocity is left alone: the body's damping stops the hero.
        m_Mode = HeroMode::Idle;
    }
}

void HeroController::StartRoll()
{
    m_Mode = Airborne() ? HeroMode::RollAir : HeroMode::RollGround;
    if (m_Logic != nullptr)
    {
        EmptyBars(m_Logic->Session());
    }
    PlaySoundOnce("SFX_Kibbet_Roll");
    m_RollCooldown = 0.0f;
}

void HeroController::Disarm()
{
    if (m_Fly == FlyCharge::Armed)
    {
        m_Fly = FlyCharge::Ready;
    }
    else if (m_Fly == FlyCharge::Flying)
    {
        m_Fly = FlyCharge::Used;
    }
}

void HeroController::GroundCheck(float dt)
{
    Body* body = BodyOf(m_Hero);
    if (body == nullptr || !(body->m_Velocity.y < -kFallSpeed))
    {
        return;
    }
    // The fall time is not reset by standing: short drops add up.
    m_FallTime += dt;
    if (m_FallTime > kFallGrace)
    {
        m_FallTime = 0.0f;
        m_Mode = HeroMode::Fall;
    }
    m_AirTime = 0.0f;
}

void HeroController::FlySoundStep()
{
    if (m_FlyTime == 0.0f)
    {
        PlaySoundOnce("SFX_Kibbet_Fly");
    }
    if (m_FlyTime > kFlyDuration)
    {
        // The fly is spent: the hero falls in the fly mode until a new press arms another one.
        m_Fly = FlyCharge::Ready;
    }
}

void HeroController::RollStep(float dt)
{
    m_RollTime += dt;
    if (m_Logic != nullptr && m_Logic->RespawnPanActive())
    {
        m_Mode = HeroMode::Idle;
        return;
    }
    GraphicsComponent* graphics = m_Animator->m_Object != nullptr ? m_Animator->m_Object->GetGraphics() : nullptr;
    bool animationDone = graphics == nullptr || graphics->m_Animation.m_Finished;
    if ((m_RollTime > kRollMinTime && animationDone) || m_RollCooldown >= kRollMaxTime)
    {
        EndRoll();
    }
}

void HeroController::EndRoll()
{
    m_RollTime = 0.0f;
    m_Mode = m_Mode == HeroMode::RollAir ? HeroMode::Fall : HeroMode::RollOver;
}

void HeroController::LaunchIntoFall()
{
    m_Mode = HeroMode::Fall;
}

void HeroController::ResetToIdle()
{
    m_Mode = HeroMode::Idle;
    m_Fly = FlyCharge::Ready;
    m_FlyTime = 0.0f;
    m_AirTime = 0.0f;
    m_RollTime = 0.0f;
    m_Animator->SetPose(HeroIdle);
    m_Animator->Update();
}

void HeroController::StartLevel()
{
    m_Hero = nullptr;
    m_Animator->m_Object = nullptr;
    ResetToIdle();
}

void HeroController::OnHeroContact(IMessage* message)
{
    if (message == nullptr || message->MessageId != Contact)
    {
        return;
    }
    const ContactRecord& record = static_cast<ContactMessage*>(message)->Record;
    if (record.m_BodyA == nullptr || record.m_BodyB == nullptr)
    {
        return;
    }
    if (!(record.m_BodyA->m_IsStatic || record.m_BodyB->m_IsStatic) || !IsHeroContact(record) ||
        !(record.m_Separation.y < 0.0f))
    {
        return;
    }
    Land();
    if (GraphicsComponent* graphics = m_Hero != nullptr ? m_Hero->GetGraphics() : nullptr)
    {
        graphics->m_Animation.m_Speed = 0.1f;
    }
}

void HeroController::Land()
{
    m_FlyTime = 0.0f;
    switch (m_Mode)
    {
    case HeroMode::Jump:
        m_Mode = HeroMode::LandedJump;
        break;
    case HeroMode::Fly:
        m_Mode = HeroMode::LandedFly;
        break;
    case HeroMode::Fall:
        m_Mode = HeroMode::LandedFall;
        break;
    case HeroMode::RollAir:
        m_Mode = HeroMode::RollGround;
        break;
    default:
        break;
    }
    // Touching down ends this time in the air's fly; one armed stays armed (FlyCharge::Armed).
    if (m_Fly == FlyCharge::Flying)
    {
        m_Fly = FlyCharge::Armed;
    }
    else if (m_Fly == FlyCharge::Used)
    {
        m_Fly = FlyCharge::Ready;
    }
}

void HeroController::SetAttackObject(GameObjectComposition* object)
{
    m_AttackObject = object;
    m_AttackKey = object != nullptr ? object->Key : std::string();
    m_AttackId = object != nullptr ? object->ObjectId : 0;
}

GameObjectComposition* HeroController::AttackObject()
{
    GameObjectComposition* live = nullptr;
    if (!m_AttackKey.empty() && CORE != nullptr && CORE->m_Factory != nullptr)
    {
        live = CORE->m_Factory->FindObject(m_AttackKey);
    }
    m_AttackObject = live != nullptr && live->ObjectId == m_AttackId ? live : nullptr;
    return m_AttackObject;
}

void HeroController::PlaceAttackObject()
{
    GameObjectComposition* attack = AttackObject();
    Transform* t = attack != nullptr ? attack->GetTransform() : nullptr;
    const Transform* heroTransform = m_Hero != nullptr ? m_Hero->GetTransform() : nullptr;
    if (t == nullptr || heroTransform == nullptr)
    {
        return;
    }
    t->Position = heroTransform->Position;
    if (State() == HeroRoll)
    {
        t->Scale = {kAttackScaleX, kAttackScaleY};
        t->Position.x += m_Animator->m_FacingRight ? kAttackAheadRight : -kAttackAheadLeft;
        t->Position.y += kAttackAbove;
    }
    else
    {
        t->Scale = {kAttackRestScale, kAttackRestScale};
    }
}

void HeroController::EmitWalkingDust()
{
    Emitter* emitter = m_Hero != nullptr ? m_Hero->GetEmitter() : nullptr;
    const Transform* t = m_Hero != nullptr ? m_Hero->GetTransform() : nullptr;
    ParticleType* dust = emitter != nullptr ? FindParticleType(*emitter, "Walking") : nullptr;
    if (dust == nullptr || t == nullptr)
    {
        return;
    }
    dust->m_Origin = t->Position;
    dust->m_Mirror = !m_Animator->m_FacingRight;
    EmitBurst(*dust);
}

} // namespace Framework
