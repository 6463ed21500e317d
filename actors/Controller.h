#pragma once

#include "engine/Vector.h"

#include <cstdint>
#include <vector>

namespace Framework
{

class GameObjectComposition;
class GameLogicComponent;

// Values of Controller::m_Behavior, as the object data stores them.
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

// Action codes shared by several behaviours.
enum ActionCode : int
{
    ActionWait = 0,
    ActionMoveLeft = 1,
    ActionMoveRight = 2,
    ActionMoveUp = 3,
    ActionMoveDown = 4,
    ActionChase = 5,
    ActionReturnHome = 6,
    ActionPorcupine = 7,
    ActionFollowPath = 13,
};

// One actor's state: a flat record of which each behaviour uses a subset.
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

    // Which reverse trigger turned the actor last; compared, never dereferenced.
    std::uintptr_t m_LastReverser = 0;
    bool m_TrapClosed = false;
    float m_ReopenTimer = 0.0f;
    float m_BearTimer = 0.0f;
    float m_BearWait = 0.0f;
    int m_BearHits = 0;
    // Wind-up and swipe seconds left of the bear's attack.
    float m_AttackTimer[2] = {0.0f, 0.0f};
    bool m_AttackVoicePlayed = false;
    GameObjectComposition* m_Blockers[2] = {nullptr, nullptr};
    bool m_BristleArmed = true;

    GameLogicComponent* m_Component = nullptr;

    // The animator of Patrol and the bear: the object animated, seconds in the state, facing,
    // a counter reset on every state change, and the state.
    GameObjectComposition* m_AnimObject = nullptr;
    float m_StateTime = 0.0f;
    bool m_FacingRight = true;
    int m_Phase = 0;
    int m_AnimState = 0;

    std::vector<Vec3> m_PathVector;
    unsigned m_PathIndex = 0;

    float m_KnockTime = 0.0f;
    int m_SavedBehavior = 0;
    Vec2 m_KnockVelocity;
    bool m_Knocked = false;
};

// The hero object found at the start of the current behaviour update, or null.
extern GameObjectComposition* CurrentHero;

// Sets the animator's state; the counter and the state time start again when it changes.
void SetAnimState(Controller& controller, int state);
// The horizontal patrol step of actions 1 and 2 between home x minus and plus m_RangeOfAction.
void Patrol(Controller& controller);

} // namespace Framework
