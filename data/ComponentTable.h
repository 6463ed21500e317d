#pragma once

#include <string>
#include <vector>

namespace Framework
{

class IComponent;

// Where the Factory gets a component of a kind when it reads an object type.
enum class ComponentSource
{
    Physics,   // CreatePrototypeComponent of the Physics system
    Graphics,  // CreatePrototypeComponent of the Graphics system
    GameLogic, // CreatePrototypeComponent of the GameLogic system
    Transform, // the object's own Transform
    Direct,    // constructed directly
};

struct ComponentKind
{
    const char* Name;
    ComponentSource Source;
    IComponent* (*Construct)(); // for Direct kinds; null otherwise
};

// The component kinds in the order the Factory tests their names.
const std::vector<ComponentKind>& ComponentKinds();
// The kind with this type name, or null.
const ComponentKind* FindComponentKind(const std::string& name);

} // namespace Framework
