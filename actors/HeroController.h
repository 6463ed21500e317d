#pragma once

#include "actors/HeroAnimator.h"
#include "actors/HeroIntent.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Framework
{

class Body;
class GameLogic;
class GameObjectComposition;
class IMessage;

// What the hero is doing. Being on the ground or in the air and a roll under way are part of the mode, so they
// cannot disagree with it; several modes show as one HeroState (HeroController::State()).
enum class HeroMode : uint8_t
{
    Idle,       // standing on the ground
    Run,        // running on the ground
    Jump,       // in the air after a jump
    Fly,        // in the air on a fly: climbing, or falling once its time is spent
    Fall,       // in the air, falling
    RollGround, // a roll under way on the ground
    RollAir,    // a roll under way in the air
    RollOver,   // a roll ended on the ground: shown as a roll until the next frame picks idle, run or a jump
    LandedJump, // touched down in a jump, a fly or a fall: shown as before until the next frame picks idle,
    LandedFly,  // run or a jump
    LandedFall,
};

// The fly of the hero's time in the air (and what a landing or a roll carries of it).
enum class FlyCharge : uint8_t
{
    Ready,  // none under way: a jump pressed in the air after kFlyArmAirTime arms one
    Armed,  // armed, not climbing: in the air it climbs as soon as jump is held. A landing turns a fly under way
            // into this until the hero stands or runs a frame, so a jump in that frame at once turns into a fly
    Flying, // under way: it climbs while jump is held, until kFlyDuration has passed
    Used,   // broken off (a roll or a throw, then a frame without jump): no jump and no fly until the hero lands
};

// Makes the hero run, jump, fly and roll from an intent; owned by the GameLogic system, which runs it once per
// frame while the player has control. Speeds are units per second, times seconds.
class HeroController
{
public:
    explicit HeroController(GameLogic* logic);
    ~HeroController();
    HeroController(const HeroController&) = delete;
    HeroController& operator=(const HeroController&) = delete;

    // One frame of the hero: cooldown, energy bars, the intent, the mode's step, the animation, the attack object.
    void UpdateHero(GameObjectComposition* hero, const HeroIntent& intent, float dt);
    // A contact that pushes the hero up out of static ground lands it.
    void OnHeroContact(IMessage* message);
    // A level starts: the hero object is forgotten and the hero is put back as ResetToIdle does.
    void StartLevel();
    // A clean idle at once, with the idle animation: nothing of a jump, fly or roll carries over (a respawn, or a
    // scene taking the hero over). The facing, the roll's cooldown (shown by the energy bars) and the ground
    // check's fall time (short drops add up) go on.
    void ResetToIdle();
    // A throw (a geyser) puts the hero in the air, falling; it breaks off a roll.
    void LaunchIntoFall();
    // Starts a roll where the hero is (on the ground or in the air): the bars empty and the cooldown starts.
    void StartRoll();
    // The state the game and the dump see.
    HeroState State() const;
    // What the hero is doing.
    HeroMode Mode() const { return m_Mode; }
    // Seconds since the last roll started, up to kRollCooldownCap.
    float RollCooldown() const { return m_RollCooldown; }
    // Remembers the object carrying the hero's attack; it is forgotten once that object is gone.
    void SetAttackObject(GameObjectComposition* object);
    // The attack object if it still exists, or null.
    GameObjectComposition* AttackObject();
    // Whether a fly is under way or was broken off in this time in the air (the animator ends the fly on it).
    bool HasFlown() const { return m_Fly == FlyCharge::Flying || m_Fly == FlyCharge::Used; }

    // Horizontal run speed, jump and fly speeds, and how long a fly climbs.
    static constexpr float kRunSpeed = 240.0f;
    static constexpr float kJumpSpeed = 400.0f;
    static constexpr float kFlySpeed = 100.0f;
    static constexpr float kFlyDuration = 1.0f;
    // Air time a jump sets, so a second press at once arms the fly; air time before a fall can be flown.
    static constexpr float kJumpAirTime = 6.0f;
    static constexpr float kFlyArmAirTime = 0.2f;
    // Falling faster than this for longer than the grace time turns Idle or Run into Fall.
    static constexpr float kFallSpeed = 0.05f;
    static constexpr float kFallGrace = 0.2f;
    // Seconds between two rolls; the cooldown counts on to kRollCooldownCap and stops there.
    static constexpr float kRollCooldown = 1.5f;
    static constexpr float kRollCooldownCap = 2.8f;
    // A roll lasts at least kRollMinTime and until its animation ends, or kRollMaxTime at most.
    static constexpr float kRollMinTime = 0.2f;
    static constexpr float kRollMaxTime = 0.5f;

    std::unique_ptr<HeroAnimator> m_Animator;
    // The hero object of the latest update; null from a level start until the first.
    GameObjectComposition* m_Hero = nullptr;

private:
    bool Airborne() const;
    bool Rolling() const { return m_Mode == HeroMode::RollGround || m_Mode == HeroMode::RollAir; }
    bool FlyArmed() const { return m_Fly == FlyCharge::Armed || m_Fly == FlyCharge::Flying; }

    void ApplyIntent(const HeroIntent& intent);
    void Step(float dt);
    void ArmFly();
    void Jump(Body* body);
    void Fly(Body* body);
    void Steer(Body* body, bool left, bool right, bool free);
    void Disarm();
    void GroundCheck(float dt);
    void FlySoundStep();
    void RollStep(float dt);
    void EndRoll();
    void Land();
    void PlaceAttackObject();
    void EmitWalkingDust();

    GameLogic* m_Logic;
    HeroMode m_Mode = HeroMode::Idle;
    FlyCharge m_Fly = FlyCharge::Ready;
    // Seconds: of the fly under way, aloft (a jump sets kJumpAirTime), falling from the ground (short drops add
    // up until one turns into a fall), of the roll under way (a jump or a throw out of a roll keeps it).
    float m_FlyTime = 0.0f;
    float m_AirTime = 0.0f;
    float m_FallTime = 0.0f;
    float m_RollTime = 0.0f;
    float m_RollCooldown = 0.0f;
    // The attack object is held by key and id and looked up each time, so a destroyed one is never touched.
    std::string m_AttackKey;
    uint32_t m_AttackId = 0;
    GameObjectComposition* m_AttackObject = nullptr;
};

} // namespace Framework
