#pragma once

#include <memory>
#include <string>

namespace Framework
{

class GameObjectComposition;
class IMessage;
class ISystem;
class TextSerializer;
class TextWriter;

// Base of every component. A component made by a system (through CreateComponent) keeps that system
// in System and is taken back by it in Destroy; others are deleted by their object.
// Destructors run after the systems may be gone (at program exit), so they must not call into systems.
class IComponent
{
public:
    IComponent() = default;
    virtual ~IComponent() = default;
    IComponent(const IComponent&) = delete;
    IComponent& operator=(const IComponent&) = delete;

    // Derives state from the component's data and its siblings; safe to call more than once.
    virtual void Initialize() {}
    // A new component of the same kind with the same data, live in its system at once; no owner yet.
    virtual IComponent* Clone() const = 0;
    // Leaves whatever lists the component joined; the default hands it back to its system,
    // which removes and deletes it.
    virtual void Destroy();
    // Synchronous delivery of a message to this component; the default ignores it.
    virtual void SendMessage(IMessage* message) { (void)message; }
    virtual void SetOwner(GameObjectComposition* owner) { Owner = owner; }
    // Reads the component's fields, in order, from a block of the given name (possibly empty).
    virtual void Serialize(TextSerializer& reader, const std::string& blockName) = 0;
    // Writes the component as a block of the given name.
    virtual void Write(TextWriter& writer, const std::string& blockName) const = 0;
    virtual std::string GetName() const = 0;

    GameObjectComposition* Owner = nullptr;
    ISystem* System = nullptr;
};

} // namespace Framework
