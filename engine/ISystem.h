#pragma once

#include <string>

namespace Framework
{

class Core;
class IComponent;
class IMessage;

// Base of every engine system. The Core owns systems and calls them in registration order.
class ISystem
{
public:
    ISystem() = default;
    virtual ~ISystem() = default;
    ISystem(const ISystem&) = delete;
    ISystem& operator=(const ISystem&) = delete;

    // First pass after every system exists and is registered.
    virtual void Initialize() {}
    // Second pass, after every system's Initialize has returned.
    virtual void Load() {}
    // Called on every system, in registration order, each time a level starts.
    virtual void ResetForLevel() {}
    // Called on every system, in registration order, once as the game loop starts, before its first frame.
    virtual void BeforeFirstFrame() {}
    // One frame; dt is the elapsed time in seconds.
    virtual void Update(float dt) = 0;
    // Called on every system, in registration order, once every Update of the frame has run (also on a system
    // whose Update the pause skipped); dt is the frame's.
    virtual void LateUpdate(float dt) { (void)dt; }
    // Synchronous delivery of a broadcast message; the default ignores it.
    virtual void SendMessage(IMessage* message) { (void)message; }
    // Hands out a component that joins the system's live list; the key is the sprite draw key.
    virtual IComponent* CreateComponent(int key)
    {
        (void)key;
        return nullptr;
    }
    // Hands out a component for an object type: it joins no live list.
    virtual IComponent* CreatePrototypeComponent(int key)
    {
        (void)key;
        return nullptr;
    }
    // Removes the component from the live list if it is there and deletes it.
    virtual void DestroyComponent(IComponent* component) { (void)component; }
    virtual std::string GetName() const = 0;
    virtual Core* GetCore() const = 0;
};

} // namespace Framework
