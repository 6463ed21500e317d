#include "data/ComponentRegistry.h"

// Every component class the registry names; a new kind's header goes here. The table is defined at the top of
// the program, where every folder may be included, and read through data/ComponentRegistry.h below it.
#include "actors/GameLogicComponent.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "gameflow/EnemyTriggers.h"
#include "gameflow/Triggers.h"
#include "graphics/CustomShape.h"
#include "graphics/Emitter.h"
#include "graphics/FontComponent.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/Parallax.h"
#include "graphics/SetDefaultAnimation.h"
#include "physics/Body.h"
#include "ui/PauseComponent.h"
#include "ui/ScrollComponent.h"

namespace Framework
{

namespace
{
template <typename T, ComponentSource Source> constexpr IComponent* (*MakerOf())()
{
    if constexpr (Source == ComponentSource::Direct)
    {
        return []() -> IComponent* { return new T(); };
    }
    else
    {
        return nullptr;
    }
}
} // namespace

const std::vector<ComponentKind>& ComponentKinds()
{
#define KIBBET_KIND_ENTRY(Class, Accessor, Source, Level)                                                              \
    {Class::TypeName, ComponentSource::Source, LevelBlock::Level, MakerOf<Class, ComponentSource::Source>()},
    static const std::vector<ComponentKind> kinds = {KIBBET_COMPONENT_KINDS(KIBBET_KIND_ENTRY)};
#undef KIBBET_KIND_ENTRY
    return kinds;
}

const ComponentKind* FindComponentKind(const std::string& name)
{
    for (const auto& kind : ComponentKinds())
    {
        if (name == kind.Name)
        {
            return &kind;
        }
    }
    return nullptr;
}

#define KIBBET_TYPED_ACCESSOR(Class, Accessor, Source, Level)                                                          \
    Class* GameObjectComposition::Get##Accessor() const                                                                \
    {                                                                                                                  \
        return static_cast<Class*>(GetComponent(Class::TypeName));                                                     \
    }
KIBBET_COMPONENT_KINDS(KIBBET_TYPED_ACCESSOR)
#undef KIBBET_TYPED_ACCESSOR

} // namespace Framework
