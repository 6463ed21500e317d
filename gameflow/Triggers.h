#pragma once

#include "data/IComponent.h"
#include "platform/Vector.h"

#include <string>

namespace Framework
{

class IMessage;
struct ContactRecord;

// Base of the level rules carried by objects with a body: each waits for a contact message, checks who
// touches and does one thing. Contacts repeat every physics sub-step while two bodies overlap, so each
// rule says how it avoids acting twice. No system owns a trigger: it is deleted with its object.
class Trigger : public IComponent
{
public:
    void Destroy() override {}
    // Runs the rule for a contact message; other messages are ignored.
    void SendMessage(IMessage* message) override;
    // No fields (a block written "{}" is read as one token); triggers with fields list them instead.
    void DescribeFields(FieldList& fields) override;

protected:
    // The rule, for one contact.
    virtual void OnContact(const ContactRecord& record) = 0;
    // Marks the trigger's own object for destruction at the start of the next frame.
    void DestroyOwnObject() const;
};

// A trigger without fields: clones are plain copies.
template <typename Derived> class FieldlessTrigger : public Trigger
{
public:
    IComponent* Clone() const override
    {
        auto* copy = new Derived();
        copy->Owner = Owner;
        copy->System = System;
        return copy;
    }
};

// Plays an effect sound once when the hero touches it, then goes.
class AudioTrigger : public Trigger
{
public:
    IComponent* Clone() const override;
    void DescribeFields(FieldList& fields) override;
    static constexpr const char* TypeName = "AudioTrigger";
    std::string GetName() const override { return TypeName; }

    std::string m_TrackName;
    bool m_IsBGM = false;

protected:
    void OnContact(const ContactRecord& record) override;
};

// On the first touch by the hero the level's respawn point becomes this object's position; a beehive
// touching it bursts and lights up.
class CheckpointTrigger : public Trigger
{
public:
    IComponent* Clone() const override;
    static constexpr const char* TypeName = "CheckpointTrigger";
    std::string GetName() const override { return TypeName; }

    bool m_Active = true;

protected:
    void OnContact(const ContactRecord& record) override;
};

// A pollen: every hero contact until the object is gone counts one and bursts from the hero's emitter.
class CollectTrigger : public FieldlessTrigger<CollectTrigger>
{
public:
    static constexpr const char* TypeName = "CollectTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// Kills the hero, unless it rolls or the object is a closed trap.
class DeathTrigger : public FieldlessTrigger<DeathTrigger>
{
public:
    static constexpr const char* TypeName = "DeathTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// Hides the hero from enemies in every frame it touches the volume.
class HideTrigger : public FieldlessTrigger<HideTrigger>
{
public:
    static constexpr const char* TypeName = "HideTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// Stops the hero and shows the game-complete screen.
class GameCompleteTrigger : public FieldlessTrigger<GameCompleteTrigger>
{
public:
    static constexpr const char* TypeName = "GameCompleteTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// Throws the hero by m_Velocity on every contact and sprays water from its own emitter.
class GeyserCollideTrigger : public Trigger
{
public:
    IComponent* Clone() const override;
    void DescribeFields(FieldList& fields) override;
    static constexpr const char* TypeName = "GeyserCollideTrigger";
    std::string GetName() const override { return TypeName; }

    Vec3 m_Velocity;

protected:
    void OnContact(const ContactRecord& record) override;
};

// On a platform moved by a behaviour: carries the hero standing on it by the platform's own movement.
class MovingPlatformTrigger : public FieldlessTrigger<MovingPlatformTrigger>
{
public:
    static constexpr const char* TypeName = "MovingPlatformTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// Changes the music, or plays an ambience or effect once (or again each time it ended, when looping)
// while the hero touches it.
class SoundTrigger : public Trigger
{
public:
    IComponent* Clone() const override;
    void DescribeFields(FieldList& fields) override;
    static constexpr const char* TypeName = "SoundTrigger";
    std::string GetName() const override { return TypeName; }

    // No data file sets it; it starts true so that ambience volumes play their sound.
    bool m_EffectGate = true;
    bool m_ShouldLoop = false;
    bool m_PlayedOnce = false;
    bool m_IsBGM = false;
    std::string m_TrackName;

protected:
    void OnContact(const ContactRecord& record) override;
};

// Where falling water or rain touches it, sprays foam (or rain) from the water's emitter.
class WaterSpawnerTrigger : public FieldlessTrigger<WaterSpawnerTrigger>
{
public:
    static constexpr const char* TypeName = "WaterSpawnerTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// Knocks the hero back away from this object.
class KibbetBounceTrigger : public FieldlessTrigger<KibbetBounceTrigger>
{
public:
    static constexpr const char* TypeName = "KibbetBounceTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// The first of a pair of start volumes fades the level in and walks the hero right with input off;
// the second gives control back and sets the checkpoint at the hero.
class LevelStartTrigger : public FieldlessTrigger<LevelStartTrigger>
{
public:
    static constexpr const char* TypeName = "LevelStartTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// The first of a pair of exit volumes fades out and walks the hero right; the second ends the level.
class WinTrigger : public FieldlessTrigger<WinTrigger>
{
public:
    static constexpr const char* TypeName = "WinTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

// Between a pair of these volumes the hero runs right on its own.
class MoveRightTrigger : public FieldlessTrigger<MoveRightTrigger>
{
public:
    static constexpr const char* TypeName = "MoveRightTrigger";
    std::string GetName() const override { return TypeName; }

protected:
    void OnContact(const ContactRecord& record) override;
};

} // namespace Framework
