#pragma once

#include "data/IComponent.h"

#include <string>

namespace Framework
{

// Chooses and starts the owner's default animation when the owner is initialised.
class SetDefaultAnimation : public IComponent
{
public:
    // Makes m_Default the default animation of the owner's "Graphics" component and plays it.
    void Initialize() override;
    // A copy that keeps m_Default, so objects placed from a type keep the type's default animation.
    IComponent* Clone() const override;
    void Destroy() override {}
    // "m_Default".
    void DescribeFields(FieldList& fields) override;
    // The type name objects hold it under and data files call its blocks by.
    static constexpr const char* TypeName = "SetDefaultAnimation";

    std::string GetName() const override { return TypeName; }

    std::string m_Default;
};

} // namespace Framework
