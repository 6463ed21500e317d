#pragma once

#include "actors/BehaviourContext.h"
#include "platform/Vector.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Framework
{

class Body;
class GameObjectComposition;
class Transform;

// The behaviour numbers of the data files ("static_cast<int>(m_Behavior)") that the code names; the state dump
// prints them as "behavior". Knockback is never read from data: it is shown while a hit actor tumbles.
enum class BehaviourKind : int
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
    Hopper = 9,
    Diver = 10,
    Crumble = 11,
};

// The values of an object's GameLogic block, as the data gives them; a kind's class is built from them.
// Speeds are units per second; the path's points are relative to where the object is placed (z is ignored).
struct BehaviourParams
{
    int Kind = 0;
    int Action = 0;
    float RangeOfAction = 0.0f;
    float RangeOfHoming = 0.0f;
    float Speed = 0.0f;
    float HomingSpeed = 0.0f;
    float InitialVelocity = 2.0f;
    std::vector<Vec3> Path;
    // The frog's leap: its height above the take-off point and its length, in units; seconds sitting between leaps.
    float LeapHeight = 0.0f;
    float LeapLength = 0.0f;
    float Period = 0.0f;
    // Seconds of warning before a kind strikes (croak, shiver, shake).
    float Delay = 0.0f;
    // Seconds a crumbled ledge stays away.
    float ReturnTime = 0.0f;
};

// What an actor does each frame: one class per kind, each with its own states. Built from the data by
// MakeBehaviour and owned by the object's GameLogicComponent, which attaches it to the object.
class Behaviour
{
public:
    explicit Behaviour(const BehaviourParams& params) : m_Kind(params.Kind) {}
    virtual ~Behaviour() = default;

    // One frame of the behaviour; does nothing until the behaviour is attached to an object with a body.
    virtual void Update(float dt, const BehaviourContext& context) = 0;
    // A copy with all its state, attached to the same object until the copy's owner attaches it again.
    virtual std::unique_ptr<Behaviour> Clone() const = 0;
    // The action shown in the state dump: the number of the current state, as the data files number them.
    virtual int Action() const = 0;
    // A reverse volume touched the actor. Kinds that keep a heading turn round once per volume; others ignore it.
    virtual void Reverse(std::uintptr_t volume) { (void)volume; }
    // The hero died and comes back to a checkpoint: a kind whose cycle the player learns (a frog's leaps, a
    // crumbled ledge) starts it again from where it was placed and says so; others carry on.
    virtual bool HeroRespawned() { return false; }
    // Puts the actor back at home, upright and still (for a kind restarting its cycle).
    void ReturnHome();
    // Whether the rolling hero's hit sends the actor tumbling (the bear shrugs it off).
    virtual bool Knockable() const { return true; }
    // The sound the actor makes when the hero's roll hits it, or null.
    virtual const char* HitSound() const { return nullptr; }

    // Binds the behaviour to its object and takes the object's position as home.
    void Attach(GameObjectComposition* object);
    // The number the data gave the kind (the dump's "behavior").
    int Kind() const { return m_Kind; }
    // The actor's object, Transform and Body; null before Attach or when the object lacks them.
    GameObjectComposition* Object() const { return m_Object; }
    Transform* OwnTransform() const;
    Body* OwnBody() const;
    // Where the actor was placed, or where a kind has moved its home since.
    Vec2 Home() const { return m_Home; }

protected:
    Behaviour(const Behaviour&) = default;
    Behaviour& operator=(const Behaviour&) = delete;

    // A Clone for a kind that copies as it stands.
    template <class Kind> std::unique_ptr<Behaviour> CloneAs() const
    {
        return std::make_unique<Kind>(static_cast<const Kind&>(*this));
    }

    int m_Kind;
    GameObjectComposition* m_Object = nullptr;
    Vec2 m_Home;
};

// The velocity a patrolling actor or a moving platform keeps, and the speed it starts from; reverse volumes turn
// both round, once per volume however many contacts it reports.
struct Heading
{
    explicit Heading(float initial) : Velocity{initial, initial}, Initial(initial) {}
    void Reverse(std::uintptr_t volume);

    Vec2 Velocity;
    float Initial;
    std::uintptr_t LastReverser = 0;
};

// The behaviour of the kind the data's number names (one line per kind in actors/BehaviourTable.cpp); a number
// no kind has gives a behaviour that does nothing and keeps the number and the action for the dump.
std::unique_ptr<Behaviour> MakeBehaviour(const BehaviourParams& params);

// The vector scaled to length 1; a zero vector stays zero.
Vec2 UnitVector(Vec2 v);
// The hero's position when there is a hero with a Transform.
const Transform* HeroTransform(const BehaviourContext& context);
// Whether there is a hero and its squared distance from the point is below the squared range.
bool HeroWithin(const BehaviourContext& context, Vec2 from, float rangeSquared);
// Shows the named animation on the object's sprite, makes it the one returned to, and sets its looping flag.
void SelectAnimation(GameObjectComposition* object, const std::string& name, bool loop = true);
// Sets the seconds per frame of the object's current animation.
void SetAnimationSpeed(GameObjectComposition* object, float secondsPerFrame);
// Whether the object's current animation has reached its last frame (true without a sprite).
bool AnimationFinished(GameObjectComposition* object);

} // namespace Framework
