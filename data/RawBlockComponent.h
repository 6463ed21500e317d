#pragma once

#include "data/IComponent.h"
#include "engine/ISystem.h"

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

// Declares a stand-in component class named after its type that no system owns.
#define KIBBET_STANDIN_COMPONENT(ClassName, TypeName)                                                                  \
    class ClassName : public RawBlockComponent                                                                         \
    {                                                                                                                  \
    public:                                                                                                            \
        IComponent* Clone() const override                                                                             \
        {                                                                                                              \
            auto* copy = new ClassName();                                                                              \
            copy->m_Tokens = m_Tokens;                                                                                 \
            return copy;                                                                                               \
        }                                                                                                              \
        void Destroy() override {}                                                                                     \
        std::string GetName() const override { return TypeName; }                                                      \
    };

} // namespace Framework

namespace Framework
{

// Declares a stand-in component class whose kind a system creates and keeps in its live list:
// clones are asked of the same system so they are live at once, and Destroy hands them back.
#define KIBBET_SYSTEM_STANDIN_COMPONENT(ClassName, TypeName)                                                           \
    class ClassName : public RawBlockComponent                                                                         \
    {                                                                                                                  \
    public:                                                                                                            \
        IComponent* Clone() const override                                                                             \
        {                                                                                                              \
            ClassName* copy =                                                                                          \
                System != nullptr ? static_cast<ClassName*>(System->CreateComponent(0)) : new ClassName();             \
            copy->m_Tokens = m_Tokens;                                                                                 \
            return copy;                                                                                               \
        }                                                                                                              \
        std::string GetName() const override { return TypeName; }                                                      \
    };

} // namespace Framework
