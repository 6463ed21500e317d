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
#include "input/Input.h"
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

HeroController::HeroController(GameLogic* logic) : m_Animator(std::make_unique<Animator>(this)), m_Logic(logic) {}

HeroController::~HeroController() = default;

void HeroController::UpdateHero(GameObjectComposition* hero, float dt)
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
    HandleHeroInput();
    switch (m_State)
    {
    case HeroIdle:
        m_Animator->SetState(HeroIdle);
        m_FlyArmed = false;
        GroundCheck(dt);
        break;
    case HeroJump:
        m_IsRolling = false;
        m_Animator->SetState(HeroJump);
        break;
    case HeroFly:
        FlySoundStep();
        m_Animator->SetState(HeroFly);
        m_FlyTime += dt;
        break;
    case HeroRun:
        m_Animator->SetState(HeroRun);
        m_FlyArmed = false;
        GroundCheck(dt);
        break;
    case HeroFall:
        m_AirTime += dt;
        m_Animator->SetState(HeroFall);
        m_FlyArmed = false;
        break;
    case HeroRoll:
        m_Animator->SetState(HeroRoll);
        RollStep(dt);
        break;
    default:
        break;
    }
    m_Animator->Update(dt);
    PlaceAttackObject();
}

void HeroController::HandleHeroInput()
{
    Input* input = CORE != nullptr ? CORE->m_Input : nullptr;
    Body* body = BodyOf(m_Hero);
    if (m_Hero == nullptr || input == nullptr)
    {
        return;
    }
    bool jumpPressed = input->IsJumpTriggered();
    if (jumpPressed && !m_HasFlown && m_IsJumping && m_AirTime > kFlyArmAirTime && !m_IsRolling)
    {
        m_FlyArmed = true;
    }
    m_PreviousState = m_State;
    if (jumpPressed && !m_HasFlown && m_FallTime < kFallGrace && !m_IsJumping)
    {
        m_State = HeroJump;
        m_IsJumping = true;
        if (body != nullptr)
        {
            body->m_Velocity.y = kJumpSpeed;
        }
        PlaySoundOnce("SFX_Kibbet_Jump");
        m_AirTime = kJumpAirTime;
    }
    // A spent fly (m_HasFlown cleared) may be followed by a new one: its time starts again below.
    bool flyLeft = m_FlyTime < kFlyDuration || !m_HasFlown;
    if (input->IsJumpHeld() && m_IsJumping && m_FlyArmed && flyLeft && !m_IsRolling)
    {
        if (!m_HasFlown)
        {
            m_FlyTime = 0.0f;
        }
        m_State = HeroFly;
        if (body != nullptr)
        {
            body->m_Velocity.y = kFlySpeed;
        }
        m_HasFlown = true;
    }
    bool left = input->IsLeftHeld();
    bool right = !left && (input->IsRightHeld() || (m_Logic != nullptr && m_Logic->ScriptedWalkRight()));
    if (left || right)
    {
        if (body != nullptr)
        {
            body->m_Velocity.x = left ? -kRunSpeed : kRunSpeed;
        }
        m_Animator->m_FacingRight = right;
        if (!m_IsJumping && !m_IsRolling)
        {
            m_State = HeroRun;
        }
    }
    else if (!m_IsJumping && !m_IsRolling)
    {
        // The velocity is left alone: the body's damping stops the hero.
        m_State = HeroIdle;
    }
    if (input->IsAttackTriggered() && m_RollCooldown >= kRollCooldown && m_State != HeroRoll)
    {
        m_State = HeroRoll;
        if (m_Logic != nullptr)
        {
            EmptyBars(m_Logic->Session());
        }
        PlaySoundOnce("SFX_Kibbet_Roll");
        m_IsRolling = true;
        m_RollCooldown = 0.0f;
    }
    if (m_PreviousState == HeroIdle && m_State == HeroRun)
    {
        EmitWalkingDust();
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
        m_IsJumping = true;
        m_State = HeroFall;
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
        // The fly is spent: the hero falls in the fly state until a new press arms another one.
        m_HasFlown = false;
        m_FlyArmed = false;
    }
}

void HeroController::RollStep(float dt)
{
    m_RollTime += dt;
    if (m_Logic != nullptr && m_Logic->RespawnPanActive())
    {
        m_IsRolling = false;
        m_PreviousState = HeroIdle;
        m_State = HeroIdle;
        return;
    }
    GraphicsComponent* graphics = m_Animator->m_Object != nullptr ? m_Animator->m_Object->GetGraphics() : nullptr;
    bool animationDone = graphics == nullptr || graphics->m_pAnimation.m_Finished;
    if ((m_RollTime > kRollMinTime && animationDone) || m_RollCooldown >= kRollMaxTime)
    {
        m_IsRolling = false;
        m_RollTime = 0.0f;
        if (m_IsJumping)
        {
            m_State = HeroFall;
        }
    }
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
    m_FlyTime = 0.0f;
    m_IsJumping = false;
    m_HasFlown = false;
    if (GraphicsComponent* graphics = m_Hero != nullptr ? m_Hero->GetGraphics() : nullptr)
    {
        graphics->m_pAnimation.m_Speed = 0.1f;
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
    if (m_State == HeroRoll)
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
