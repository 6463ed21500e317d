#include "data/IComponent.h"

#include "data/FieldList.h"
#include "engine/ISystem.h"

namespace Framework
{

void IComponent::Destroy()
{
    if (System != nullptr)
    {
        System->DestroyComponent(this);
    }
}

void IComponent::Serialize(TextSerializer& reader, const std::string& blockName)
{
    ReadFields(reader, blockName, [this](FieldList& fields) { DescribeFields(fields); });
}

void IComponent::Write(TextWriter& writer, const std::string& blockName) const
{
    // The listing hands out the members for reading too; the writer only looks at them.
    auto* self = const_cast<IComponent*>(this);
    WriteFields(writer, blockName, [self](FieldList& fields) { self->DescribeFields(fields); });
}

} // namespace Framework
