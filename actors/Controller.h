#pragma once

#include "engine/ProcessState.h"
#include "engine/Vector.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Framework
{

class GameLogicComponent;
class GameObjectComposition;

// The value of m_Behavior: which behaviour an actor runs. The numbers are the ones the data files use.
enum class BehaviorKind : int
{
    Still = 0,
    MoveHorizontal = 1,
    MoveVertical = 2,
    Wasp = 3,
    Trap = 4,
    Porcupine = 5,
    Bear = 6,
    PathWasp = 7,
    Knockback = 8,
};

// Action codes several behaviours share (m_Action); a behaviour may use further codes of its own.
enum ActionCode : int
{
    ActionWait = 0,
    ActionMoveLeft = 1,
    ActionMoveRight = 2,
    ActionMoveDown = 3,
    ActionMoveUp = 4,
    ActionChase = 5,
    ActionReturnHome = 6,
    ActionPorcupine = 7,
    ActionFollowPath = 13,
};

// The animation state of an actor that picks its animations by state and facing (the patrol and the bear).
struct ActorAnimator
{
    // Changes the state; the per-state counter starts again when it differs.
    void SetState(int state);

    GameObjectComposition* m_Object = nullptr;
    float m_StateTime = 0.0f;
    bool m_FacingRight = true;
    int m_Counter = 0;
    int m_AnimState = 0;
};

// All fields of an actor; each behaviour uses a subset. Speeds are units per second, times seconds.
struct Controller
{
    int m_Behavior = 0;
    int m_Action = 0;
    int m_PreviousAction = 0;
    float m_RangeOfAction = 0.0f;
    float m_RangeOfHoming = 0.0f;
    float m_RangeOfHomingSquared = 0.0f;
    float m_Speed = 0.0f;
    float m_HomingSpeed = 0.0f;
    float m_InitialVelocity = 2.0f;
    Vec2 m_Home;
    Vec2 m_HeroDistance;
    Vec2 m_MoveVelocity{2.0f, 2.0f};

    // Trap, bear and king wasp state.
    uintptr_t m_LastReverser = 0;
    bool m_TrapClosed = false;
    float m_ReopenTimer = 0.0f;
    float m_BearTimer = 0.0f;
    float m_BearWait = 0.0f;
    int m_BearHits = 0;
    float m_AttackTimer[2] = {0.0f, 0.0f}; // wind-up, swipe
    bool m_AttackVoicePlayed = false;
    GameObjectComposition* m_Blockers[2] = {nullptr, nullptr};
    bool m_BristleArmed = true;

    // The component holding this controller.
    GameLogicComponent* m_Component = nullptr;
    ActorAnimator m_Animator;

    // Path points relative to m_Home (z is ignored) and the index of the next one.
    std::vector<Vec3> m_PathVector;
    unsigned m_PathIndex = 0;

    // Knockback after the rolling hero hit the actor.
    float m_KnockTime = 0.0f;
    int m_SavedBehavior = 0;
    Vec2 m_KnockVelocity;
    bool m_Knocked = false;
};

// CurrentHero (engine/ProcessState.h) is the hero object ("Kibbet") as found at the start of the latest logic
// update, null when there was none; it is cleared at every level start, so it never points into a level that is gone.

// One frame of the actor's behaviour: finds the hero, then runs the behaviour m_Behavior selects.
void UpdateBehavior(Controller& controller, float dt);

// The horizontal walk between home - range and home + range (actions 1 and 2; others do nothing).
void Patrol(Controller& controller);

// The vector scaled to length 1; a zero vector stays zero.
Vec2 UnitVector(Vec2 v);

// Shows the named animation on the object's sprite, makes it the one returned to, and sets its looping flag.
void SelectAnimation(GameObjectComposition* object, const std::string& name, bool loop = true);

} // namespace Framework
