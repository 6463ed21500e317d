#pragma once

#include "data/IComponent.h"
#include "engine/ISystem.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace Framework
{

// A component kind whose behaviour is not built yet: it keeps the tokens of its data block
// verbatim, so object types and levels that use it load, clone and write back unchanged.
class RawBlockComponent : public IComponent
{
public:
    void Serialize(TextSerializer& reader, const std::string& blockName) override;
    void Write(TextWriter& writer, const std::string& blockName) const override;

    // The tokens between the block's braces, in file order.
    std::vector<std::string> m_Tokens;
};

// A type name written as a template argument, so a stand-in states it once in its own declaration.
template <std::size_t N> struct ComponentTypeName
{
    constexpr ComponentTypeName(const char (&text)[N]) { std::copy_n(text, N, Text); }
    char Text[N];
};

// The class of a kind not built yet, declared where its real class will live:
//     class HideTrigger final : public StandInComponent<HideTrigger, "HideTrigger"> {};
// The real class replaces that declaration under the same name and TypeName; nothing else changes.
// A stand-in made by a system (System set) asks that system for its clones, so they are live at once, and
// Destroy hands it back; one made directly clones directly and joins no list.
template <typename Derived, ComponentTypeName Name> class StandInComponent : public RawBlockComponent
{
public:
    static constexpr const char* TypeName = Name.Text;

    IComponent* Clone() const override
    {
        Derived* copy = System != nullptr ? static_cast<Derived*>(System->CreateComponent(0)) : new Derived();
        copy->m_Tokens = m_Tokens;
        return copy;
    }
    void Destroy() override
    {
        if (System != nullptr)
        {
            IComponent::Destroy();
        }
    }
    std::string GetName() const override { return TypeName; }
};

} // namespace Framework
