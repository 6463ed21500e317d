#include "graphics/SetDefaultAnimation.h"

#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "graphics/GraphicsComponent.h"

namespace Framework
{

void SetDefaultAnimation::Initialize()
{
    GraphicsComponent* graphics = Owner != nullptr ? Owner->GetGraphics() : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    graphics->m_Animation.m_DefaultName = m_Default;
    graphics->m_Animation.Play(m_Default);
}

IComponent* SetDefaultAnimation::Clone() const
{
    auto* copy = new SetDefaultAnimation();
    copy->m_Default = m_Default;
    return copy;
}

void SetDefaultAnimation::DescribeFields(FieldList& fields)
{
    fields.String("m_Default", m_Default);
}

} // namespace Framework
