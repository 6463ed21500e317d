#pragma once

#include "actors/Controller.h"
#include "engine/Vector.h"

#include <string>

namespace Framework
{

class Body;
class GameObjectComposition;
class Transform;

// The bear's actions, as the level data starts it (BearSetUp) and the trap trigger sets it (BearCaught).
enum BearAction : int
{
    BearWait = 0,
    BearWalkLeft = 1,
    BearWalkRight = 2,
    BearAttack = 9,
    BearAfterAttack = 10,
    BearCharge = 11,
    BearRoar = 12,
    BearSetUp = 8,
    BearWaitForHero = 14,
    BearIntroduction = 15,
    BearCaught = 16,
    BearRetreat = 17,
    BearRecover = 18,
    BearDeath = 19,
    BearDance = 20,
};

// The bear animator's states; each picks a Right or a Left animation by facing.
enum BearAnimState : int
{
    BearAnimIdle = 0,
    BearAnimMove = 1,
    BearAnimRoar = 2,
    BearAnimBeginAttack = 3,
    BearAnimAttack = 4,
    BearAnimEndAttack = 5,
    BearAnimDamage = 6,
    BearAnimDamageRun = 7,
    BearAnimDamageIdle = 8,
    BearAnimDeathInit = 9,
    BearAnimDeathSpin = 10,
    BearAnimDance = 12,
};

// Seconds a knocked enemy tumbles before its own behaviour resumes.
constexpr float KnockbackSeconds = 0.4f;
// Knock speed as a multiple of the enemy's own velocity, for most enemies and for the king wasp.
constexpr float KnockFactor = -18.0f;
constexpr float KingWaspKnockFactor = -4.0f;
// A knocked enemy that stood still flies off at this multiple of its offset from the hero.
constexpr float StillKnockFactor = 10.0f;
// Two full turns, in radians, spun over the knockback.
constexpr float KnockSpin = 12.566371f;

// The actor's object, its Transform and its Body; null when the controller has no owner.
GameObjectComposition* ActorObject(const Controller& controller);
Transform* ActorTransform(const Controller& controller);
Body* ActorBody(const Controller& controller);
// Sets the seconds per frame of the actor's current animation.
void SetAnimationSpeed(GameObjectComposition* object, float secondsPerFrame);
// Whether the actor's current animation has reached its last frame.
bool AnimationFinished(GameObjectComposition* object);
// Whether the hero hides in a hiding place this frame.
bool HeroIsHidden();

// Whether the hero is within homing range, measured from home while the actor waits, else from the actor.
bool HeroNearHome(Controller& controller);
// Whether the hero is within homing range of the actor; m_HeroDistance keeps the signed offset.
bool HeroNearSelf(Controller& controller);
// Flies at the hero at m_HomingSpeed.
void Chase(Controller& controller);
// Flies home at m_Speed and, on arrival, resumes the action that the chase interrupted.
void ReturnHome(Controller& controller, float dt);

// Turns the actor around once per reverse trigger, however many contacts it reports.
void ReverseDirection(Controller& controller, std::uintptr_t triggerId);
// Snaps an open trap shut for delay seconds with the given animation.
void CloseTrap(Controller& controller, float delay, const std::string& animation);
// The rolling hero's hit: sends the enemy tumbling (the bear is immune; the king wasp bounces the hero).
void HitEnemy(Controller& controller);

// The per-frame behaviours of the enemy kinds.
void UpdateWasp(Controller& controller, float dt);
void UpdatePathWasp(Controller& controller, float dt);
void UpdateTrap(Controller& controller, float dt);
void UpdatePorcupine(Controller& controller);
void UpdateBear(Controller& controller, float dt);
// The dispatcher has added the frame's time to m_KnockTime.
void UpdateKnockback(Controller& controller);
// Selects the bear's animation from its animator state and facing.
void UpdateBearAnimator(Controller& controller, float dt);

} // namespace Framework
