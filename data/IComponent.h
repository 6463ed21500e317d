#pragma once

#include <memory>
#include <string>

namespace Framework
{

class FieldList;
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
    // Lists the component's data fields once, in file order (data/FieldList.h); the default lists none.
    // Reading, writing and the data checker's schema all follow this list.
    virtual void DescribeFields(FieldList& fields) { (void)fields; }
    // Reads the component's fields, in order, from a block of the given name (possibly empty). The default reads
    // the fields DescribeFields lists; a component that derives state from them overrides this, calls it first
    // and derives after. A kind not converted to a field list yet may still override this and Write as a pair.
    virtual void Serialize(TextSerializer& reader, const std::string& blockName);
    // Writes the component as a block of the given name; the default writes the fields DescribeFields lists.
    virtual void Write(TextWriter& writer, const std::string& blockName) const;
    virtual std::string GetName() const = 0;

    GameObjectComposition* Owner = nullptr;
    ISystem* System = nullptr;
};

} // namespace Framework
