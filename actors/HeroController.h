#pragma once

#include "engine/ProcessState.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Framework
{

class GameLogic;
class GameObjectComposition;
class HeroController;
class IMessage;

// The hero's states (m_State), also the animation states of its Animator.
enum HeroState : int
{
    HeroIdle = 0,
    HeroJump = 1,
    HeroFly = 2,
    HeroRun = 3,
    HeroFall = 4,
    HeroRoll = 5,
};

// Picks the hero's animation from its animation state, phase and facing.
class Animator
{
public:
    explicit Animator(HeroController* controller) : m_Controller(controller) {}

    // Sets the animation state; the phase starts again at 0 when it changes.
    void SetState(int state);
    // Shows the animation of the current state and advances the phase when its animation has ended.
    void Update(float dt);

    GameObjectComposition* m_Object = nullptr;
    float m_StateTime = 0.0f;
    bool m_FacingRight = true;
    int m_Phase = 0;
    HeroController* m_Controller;
    int m_AnimState = HeroIdle;
};

// Makes the hero run, jump, fly and roll from the player's input; owned by the GameLogic system, which runs it
// once per frame while the player has control. Speeds are units per second, times seconds.
class HeroController
{
public:
    explicit HeroController(GameLogic* logic);
    ~HeroController();
    HeroController(const HeroController&) = delete;
    HeroController& operator=(const HeroController&) = delete;

    // One frame of the hero: cooldown, energy bars, input, the state's step, the animation, the attack object.
    void UpdateHero(GameObjectComposition* hero, float dt);
    // Turns the input of this frame into state changes and velocities; nothing while there is no hero.
    void HandleHeroInput();
    // A contact that pushes the hero up out of static ground lands it.
    void OnHeroContact(IMessage* message);
    // Remembers the object carrying the hero's attack; it is forgotten once that object is gone.
    void SetAttackObject(GameObjectComposition* object);
    // The attack object if it still exists, or null.
    GameObjectComposition* AttackObject();

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

    std::unique_ptr<Animator> m_Animator;
    int m_State = HeroIdle;
    float m_FlyTime = 0.0f;
    bool m_IsJumping = false;
    bool m_HasFlown = false;
    GameObjectComposition* m_Hero = nullptr;
    float m_AirTime = 0.0f;
    bool m_FlyArmed = false;
    float m_FallTime = 0.0f;
    bool m_IsRolling = false;
    float m_RollCooldown = 0.0f;
    float m_RollTime = 0.0f;
    // The object carrying the hero's attack trigger; refreshed by AttackObject(), null once it is gone.
    GameObjectComposition* m_AttackObject = nullptr;
    int m_PreviousState = HeroIdle;

private:
    void GroundCheck(float dt);
    void FlySoundStep();
    void RollStep(float dt);
    void PlaceAttackObject();
    void EmitWalkingDust();

    GameLogic* m_Logic;
    // The attack object is held by key and id and looked up each time, so a destroyed one is never touched.
    std::string m_AttackKey;
    uint32_t m_AttackId = 0;
};

// The dead hero's step while an end screen waits: the death animation, then the hero shrinks out of sight.
void PlayDeathAnimation(Animator& animator);

} // namespace Framework
