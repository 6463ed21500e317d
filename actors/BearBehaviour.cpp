#include "actors/EnemyBehaviours.h"

#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/BossArena.h"
#include "gameflow/GameLogic.h"
#include "graphics/Camera.h"
#include "physics/Body.h"

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

GameLogic* Logic()
{
    return CORE != nullptr ? CORE->m_GameLogic : nullptr;
}

GameObjectComposition* FindByKey(const std::string& key)
{
    return CORE != nullptr && CORE->m_Factory != nullptr ? CORE->m_Factory->FindObject(key) : nullptr;
}

float HeroX()
{
    Transform* hero = CurrentHero != nullptr ? CurrentHero->GetTransform() : nullptr;
    return hero != nullptr ? hero->Position.x : 0.0f;
}

void SetVelocityX(Controller& controller, float x)
{
    if (Body* body = ActorBody(controller))
    {
        body->m_Velocity = {x, 0.0f, 0.0f};
    }
}

// The attack's timers and voice belong to one attack: leaving the attack, by its end or by a trap,
// arms the next one in full.
void ResetAttack(Controller& controller)
{
    controller.m_AttackTimer[0] = 0.0f;
    controller.m_AttackTimer[1] = 0.0f;
    controller.m_AttackVoicePlayed = false;
}

void WaitForHero(Controller& controller)
{
    controller.m_RangeOfHomingSquared = NoticeRangeSquared;
    if (!HeroNearSelf(controller))
    {
        return;
    }
    CAMERA.m_Target = nullptr;
    if (GameLogic* logic = Logic())
    {
        logic->BossIntroductionStarted();
    }
    PutHeroIdle();
    controller.m_RangeOfAction = BearPatrolRange;
    controller.m_RangeOfHomingSquared = AttackRangeSquared;
    controller.m_Action = BearIntroduction;
}

void Introduction(Controller& controller, float dt)
{
    controller.m_BearTimer += dt;
    if (controller.m_BearTimer < 1.0f)
    {
        controller.m_Animator.m_FacingRight = false;
        controller.m_Animator.SetState(BearAnimBeginAttack);
        PlaySoundOnce("SFX_Bear_Attack_VO_01");
        SetGeyserLift("PowerWater", PowerWaterLift);
        return;
    }
    if (controller.m_BearTimer < 2.0f)
    {
        controller.m_Animator.SetState(BearAnimAttack);
        PlaySoundOnce("SFX_Bear_Attack_Swipe");
        controller.m_BearTimer = 2.5f;
        return;
    }
    if (!AnimationFinished(ActorObject(controller)))
    {
        return;
    }
    controller.m_Blockers[0] = FindByKey("1Blocker");
    controller.m_Blockers[1] = FindByKey("2Blocker");
    CloseArena(controller.m_Blockers[0], controller.m_Blockers[1]);
    CAMERA.m_Target = nullptr;
    if (GameLogic* logic = Logic())
    {
        logic->BossIntroductionEnded();
    }
    controller.m_BearTimer = 0.0f;
    controller.m_Action = BearWait;
}

void Wait(Controller& controller, float dt)
{
    controller.m_BearTimer += dt;
    if (controller.m_BearTimer < controller.m_BearWait)
    {
        return;
    }
    controller.m_BearTimer = 0.0f;
    controller.m_Action = controller.m_PreviousAction == BearWalkLeft ? BearWalkRight : BearWalkLeft;
    controller.m_PreviousAction = BearWait;
}

void Attack(Controller& controller, float dt)
{
    float& windUp = controller.m_AttackTimer[0];
    float& swipe = controller.m_AttackTimer[1];
    if (windUp <= 0.0f && swipe <= 0.0f)
    {
        controller.m_Animator.m_FacingRight = ActorTransform(controller)->Position.x <= HeroX();
        windUp = AttackSeconds;
        swipe = AttackSeconds;
    }
    if (windUp > 0.0f)
    {
        controller.m_Animator.SetState(BearAnimBeginAttack);
        if (!controller.m_AttackVoicePlayed)
        {
            PlaySoundOnce("SFX_Bear_Attack_VO_01");
            controller.m_AttackVoicePlayed = true;
        }
        windUp -= dt;
        if (windUp <= 0.0f)
        {
            windUp = 0.0f;
            SetVelocityX(controller, controller.m_Animator.m_FacingRight ? LungeSpeed : -LungeSpeed);
            controller.m_Animator.SetState(BearAnimAttack);
            PlaySoundOnce("SFX_Bear_Attack_Swipe");
        }
        return;
    }
    if (!AnimationFinished(ActorObject(controller)))
    {
        return;
    }
    // The swipe ends on the frame its time runs out: a zero timer left for the next frame would arm a new attack.
    swipe = std::max(0.0f, swipe - dt);
    if (swipe > 0.0f)
    {
        return;
    }
    controller.m_Animator.SetState(BearAnimEndAttack);
    controller.m_PreviousAction = BearAttack;
    controller.m_BearWait = 0.0f;
    controller.m_Action = BearAfterAttack;
    ResetAttack(controller);
}

void Roar(Controller& controller, float dt)
{
    if (controller.m_BearWait < RoarSeconds)
    {
        // The roar shows while it sounds; the walk belongs to the charge that follows.
        controller.m_Animator.SetState(BearAnimRoar);
        SetVelocityX(controller, 0.0f);
        controller.m_BearWait += dt;
        return;
    }
    controller.m_Speed += ChargeExtraSpeed;
    controller.m_RangeOfAction += ChargeExtraRange;
    controller.m_Action = BearCharge;
}

void Charge(Controller& controller)
{
    controller.m_Animator.SetState(BearAnimMove);
    SetAnimationSpeed(ActorObject(controller), FastFrameSeconds);
    const float x = ActorTransform(controller)->Position.x;
    const bool right = controller.m_Animator.m_FacingRight;
    SetVelocityX(controller, right ? controller.m_Speed : -controller.m_Speed);
    const bool arrived = right ? x >= controller.m_Home.x + controller.m_RangeOfAction
                               : x <= controller.m_Home.x - controller.m_RangeOfAction;
    if (!arrived)
    {
        return;
    }
    // The end of the charge is the end of a patrol leg: turn round and wait.
    controller.m_Speed -= ChargeExtraSpeed;
    controller.m_RangeOfAction -= ChargeExtraRange;
    SetAnimationSpeed(ActorObject(controller), SlowFrameSeconds);
    SetVelocityX(controller, 0.0f);
    controller.m_Animator.m_FacingRight = !right;
    controller.m_Animator.SetState(BearAnimIdle);
    controller.m_PreviousAction = right ? BearWalkRight : BearWalkLeft;
    controller.m_Action = BearWait;
}

void Caught(Controller& controller)
{
    SetVelocityX(controller, 0.0f);
    GameObjectComposition* self = ActorObject(controller);
    if (controller.m_BearTimer == 0.0f)
    {
        if (--controller.m_BearHits <= 0)
        {
            controller.m_Action = BearDeath;
            return;
        }
        SetAnimationSpeed(self, SlowFrameSeconds);
        controller.m_Speed = BearRecoverSpeed;
        controller.m_RangeOfAction = BearRecoverRange;
        controller.m_BearTimer = 1.0f;
        PlaySoundOnce("SFX_Bear_Attack_VO_02");
        controller.m_Animator.SetState(BearAnimDamage);
        return;
    }
    if (!AnimationFinished(self))
    {
        return;
    }
    if (controller.m_BearTimer == 1.0f)
    {
        controller.m_Animator.m_FacingRight = !controller.m_Animator.m_FacingRight;
        controller.m_BearTimer = 2.0f;
        return;
    }
    controller.m_BearTimer = 0.0f;
    controller.m_Action = BearRetreat;
}

void Retreat(Controller& controller, float dt)
{
    Transform* self = ActorTransform(controller);
    controller.m_Animator.SetState(BearAnimDamageRun);
    const float dx = controller.m_Home.x - self->Position.x;
    controller.m_Animator.m_FacingRight = dx > 0.0f;
    // Arrives when this frame's step reaches home, so a fast bear cannot run past it out of the arena.
    if (std::fabs(dx) > std::max(std::fabs(controller.m_Speed) * dt, 1.0f))
    {
        SetVelocityX(controller, dx > 0.0f ? std::fabs(controller.m_Speed) : -std::fabs(controller.m_Speed));
        return;
    }
    self->Position.x = controller.m_Home.x;
    SetVelocityX(controller, 0.0f);
    controller.m_Animator.SetState(BearAnimDamageIdle);
    controller.m_PreviousAction = controller.m_Animator.m_FacingRight ? BearWalkRight : BearWalkLeft;
    controller.m_BearTimer = 0.0f;
    controller.m_Action = BearRecover;
}

void Recover(Controller& controller, float dt)
{
    controller.m_BearTimer += dt;
    if (controller.m_BearTimer >= 1.0f)
    {
        controller.m_BearTimer = 0.0f;
        controller.m_Action = controller.m_Animator.m_FacingRight ? BearWalkRight : BearWalkLeft;
    }
}

void Death(Controller& controller, float dt)
{
    SetVelocityX(controller, 0.0f);
    GameObjectComposition* self = ActorObject(controller);
    controller.m_BearTimer += dt;
    if (controller.m_BearTimer <= 1.0f)
    {
        controller.m_Animator.SetState(BearAnimDeathInit);
        PlaySoundOnce("SFX_Bear_Death_VO");
        SetAnimationSpeed(self, SlowFrameSeconds);
        return;
    }
    controller.m_Animator.SetState(BearAnimDeathSpin);
    if (controller.m_BearTimer <= 2.0f || !AnimationFinished(self))
    {
        return;
    }
    OpenArena(self, controller.m_Blockers[0], controller.m_Blockers[1]);
    // The bear is gone: nothing more may run on this controller.
    controller.m_Action = -1;
}

void Dance(Controller& controller)
{
    controller.m_Animator.SetState(BearAnimDance);
    SetVelocityX(controller, 0.0f);
    if (controller.m_Animator.m_Counter > 0 && AnimationFinished(ActorObject(controller)))
    {
        controller.m_Animator.m_FacingRight = !controller.m_Animator.m_FacingRight;
    }
}
struct BearAnimation
{
    int State;
    const char* Right;
    const char* Left;
    bool Loop;
};

constexpr BearAnimation BearAnimations[] = {
    {BearAnimIdle, "default", "idleLeft", true},
    {BearAnimMove, "moveRight", "moveLeft", true},
    {BearAnimRoar, "roarRight", "roarLeft", true},
    {BearAnimBeginAttack, "beginAttackRight", "beginAttackLeft", false},
    {BearAnimAttack, "attackRight", "attackLeft", false},
    {BearAnimEndAttack, "endAttackRight", "endAttackLeft", false},
    {BearAnimDamage, "damageRight", "damageLeft", false},
    {BearAnimDamageRun, "damageRunRight", "damageRunLeft", true},
    {BearAnimDamageIdle, "damageIdleRight", "damageIdleLeft", true},
    {BearAnimDeathInit, "deathInitRight", "deathInitLeft", false},
    {BearAnimDeathSpin, "deathSpinRight", "deathSpinLeft", false},
    {BearAnimDance, "danceRight", "danceLeft", true},
};
} // namespace

void UpdateBearAnimator(Controller& controller, float dt)
{
    controller.m_Animator.m_StateTime += dt;
    // Frames shown in this state, so a step can tell a finished animation of the state before from its own.
    ++controller.m_Animator.m_Counter;
    for (const BearAnimation& animation : BearAnimations)
    {
        if (animation.State == controller.m_Animator.m_AnimState)
        {
            SelectAnimation(controller.m_Animator.m_Object,
                            controller.m_Animator.m_FacingRight ? animation.Right : animation.Left, animation.Loop);
            return;
        }
    }
}

void UpdateBear(Controller& controller, float dt)
{
    if (ActorTransform(controller) == nullptr || ActorBody(controller) == nullptr)
    {
        return;
    }
    if (controller.m_Action != BearAttack)
    {
        ResetAttack(controller);
    }
    if ((controller.m_Action == BearWait || controller.m_Action == BearWalkLeft ||
         controller.m_Action == BearWalkRight) &&
        HeroNearSelf(controller))
    {
        controller.m_PreviousAction = controller.m_Action;
        controller.m_Action = BearAttack;
    }

    switch (controller.m_Action)
    {
    case BearSetUp:
    {
        Transform* self = ActorTransform(controller);
        controller.m_Home = {self->Position.x - HomeOffset, self->Position.y};
        controller.m_BearWait = 1.0f;
        controller.m_BearTimer = 0.0f;
        controller.m_BearHits = BearLives;
        controller.m_RangeOfAction = BearPatrolRange;
        controller.m_Animator.m_Object = ActorObject(controller);
        controller.m_Action = BearWaitForHero;
        break;
    }
    case BearWaitForHero:
        WaitForHero(controller);
        break;
    case BearIntroduction:
        Introduction(controller, dt);
        break;
    case BearWait:
        controller.m_Animator.SetState(BearAnimIdle);
        SetVelocityX(controller, 0.0f);
        Wait(controller, dt);
        break;
    case BearWalkLeft:
    case BearWalkRight:
        Patrol(controller);
        break;
    case BearAttack:
        Attack(controller, dt);
        break;
    case BearAfterAttack:
        if (controller.m_BearWait <= 0.0f)
        {
            controller.m_Action = BearRoar;
            controller.m_Animator.SetState(BearAnimRoar);
            PlaySoundOnce("SFX_Bear_Angry");
        }
        else
        {
            controller.m_BearWait -= dt;
        }
        break;
    case BearRoar:
        Roar(controller, dt);
        break;
    case BearCharge:
        Charge(controller);
        break;
    case BearCaught:
        Caught(controller);
        break;
    case BearRetreat:
        Retreat(controller, dt);
        break;
    case BearRecover:
        Recover(controller, dt);
        break;
    case BearDeath:
        Death(controller, dt);
        break;
    case BearDance:
        Dance(controller);
        break;
    default:
        break;
    }
    UpdateBearAnimator(controller, dt);
}

} // namespace Framework
