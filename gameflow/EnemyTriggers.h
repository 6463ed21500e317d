#pragma once

#include "data/IComponent.h"

#include <string>

namespace Framework
{

// Marks an object the hero's roll can hit; it has no contact rule of its own.
class Enemy : public IComponent
{
public:
    IComponent* Clone() const override { return new Enemy(); }
    void Destroy() override {}
    static constexpr const char* TypeName = "Enemy";
    std::string GetName() const override { return TypeName; }
};

// On the hero's attack object: while the hero rolls, every enemy the object touches is hit.
class AttackTrigger : public IComponent
{
public:
    // Registers the owner as the hero's attack object, which the hero controller moves along.
    void Initialize() override;
    IComponent* Clone() const override { return new AttackTrigger(); }
    void Destroy() override {}
    void SendMessage(IMessage* message) override;
    static constexpr const char* TypeName = "AttackTrigger";
    std::string GetName() const override { return TypeName; }
};

// On a trap: the hero or the bear (the big one, not its cub) touching it while open snaps it shut; the bear is
// caught by it.
class TrapTrigger : public IComponent
{
public:
    IComponent* Clone() const override;
    void Destroy() override {}
    void SendMessage(IMessage* message) override;
    // "m_TrapTimer" (seconds the trap stays shut) and "m_TrapAnimation" (the closing animation).
    void DescribeFields(FieldList& fields) override;
    static constexpr const char* TypeName = "TrapTrigger";
    std::string GetName() const override { return TypeName; }

    float m_TrapTimer = 0.0f;
    // Set while the trap holds the bear; the trap clears it when it opens again.
    bool m_Triggered = false;
    std::string m_TrapAnimation;
};

// Turns a patrolling enemy or a moving platform around when it flies or walks into the volume.
class ReverseVelocityTrigger : public IComponent
{
public:
    IComponent* Clone() const override { return new ReverseVelocityTrigger(); }
    void Destroy() override {}
    void SendMessage(IMessage* message) override;
    static constexpr const char* TypeName = "ReverseVelocityTrigger";
    std::string GetName() const override { return TypeName; }
};

// Seconds a trap that caught the bear stays shut, then and at every later closing.
constexpr float BearTrapSeconds = 15.0f;

} // namespace Framework
