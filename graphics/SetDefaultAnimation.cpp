#include "graphics/SetDefaultAnimation.h"

#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
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
    graphics->m_pAnimation.m_DefaultName = m_Default;
    graphics->m_pAnimation.Play(m_Default);
}

IComponent* SetDefaultAnimation::Clone() const
{
    auto* copy = new SetDefaultAnimation();
    copy->m_Default = m_Default;
    return copy;
}

void SetDefaultAnimation::Serialize(TextSerializer& reader, const std::string& blockName)
{
    reader.EnterBlock(blockName);
    reader.ReadString("m_Default", m_Default);
    reader.SkipSeparator();
}

void SetDefaultAnimation::Write(TextWriter& writer, const std::string& blockName) const
{
    writer.BeginBlock(blockName);
    writer.WriteString("m_Default", m_Default);
    writer.EndBlock();
}

} // namespace Framework
