#pragma once

#include "data/ComponentRegistry.h"
#include "engine/ProcessState.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace Framework
{

class IComponent;
class IMessage;

#define KIBBET_DECLARE_COMPONENT_CLASS(Class, Accessor, Source, Level) class Class;
KIBBET_COMPONENT_KINDS(KIBBET_DECLARE_COMPONENT_CLASS)
#undef KIBBET_DECLARE_COMPONENT_CLASS

// A game object: components keyed by type name, the type it was made from, its key and id.
// Owned by the Factory. Components are held in byte-wise order of their type names, which is the
// order of initialisation and of message delivery.
class GameObjectComposition
{
public:
    // An object type: holds a Transform at the origin with scale 1; takes the counter's current value.
    explicit GameObjectComposition(const std::string& typeName);
    // A live object cloned from another: new id, cloned components, all initialised.
    struct CloneTag
    {
    };
    GameObjectComposition(CloneTag, const GameObjectComposition& source);
    // Deletes every component still held (live objects are emptied with DestroyComponents first).
    ~GameObjectComposition();
    GameObjectComposition(const GameObjectComposition&) = delete;
    GameObjectComposition& operator=(const GameObjectComposition&) = delete;

    // Stores a component under its type name (replacing and deleting an earlier one) and sets its owner.
    void AddComponent(const std::string& typeName, IComponent* component);
    // Initialize on every component in map order.
    void InitializeComponents();
    // Hands each component back: system-made ones to their system, the rest are deleted; empties the map.
    void DestroyComponents();
    // Delivers a message to every component in map order.
    void SendMessage(IMessage* message);
    std::string GetName() const { return Name; }
    // The component stored under a type name, or null.
    IComponent* GetComponent(const std::string& typeName) const;

    // One typed accessor per line of the component registry (GetTransform, GetBody, GetGraphics, GetGameLogic,
    // GetParallax, ...): the component stored under that class's TypeName, or null.
#define KIBBET_DECLARE_TYPED_ACCESSOR(Class, Accessor, Source, Level) Class* Get##Accessor() const;
    KIBBET_COMPONENT_KINDS(KIBBET_DECLARE_TYPED_ACCESSOR)
#undef KIBBET_DECLARE_TYPED_ACCESSOR

    std::map<std::string, std::unique_ptr<IComponent>> Components;
    std::string Name;
    std::string Key;
    uint32_t ObjectId = 0;
};

} // namespace Framework
