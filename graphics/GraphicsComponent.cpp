#include "graphics/GraphicsComponent.h"

#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "graphics/Graphics.h"
#include "graphics/ResourceManager.h"

namespace Framework
{

GraphicsComponent::GraphicsComponent()
{
    m_pAnimation.m_TargetSprite = &m_pSprite;
}

IComponent* GraphicsComponent::Clone() const
{
    GraphicsComponent* copy = System != nullptr ? static_cast<GraphicsComponent*>(System->CreateComponent(m_zOrder))
                                                : new GraphicsComponent();
    copy->Owner = Owner;
    copy->System = System;
    copy->m_pSprite = m_pSprite;
    copy->m_pAnimation.CopyFrom(m_pAnimation);
    copy->m_zOrder = m_zOrder;
    copy->m_zOrderString = m_zOrderString;
    return copy;
}

void GraphicsComponent::Serialize(TextSerializer& reader, const std::string& blockName)
{
    ResourceManager* resources = CORE != nullptr ? CORE->m_ResourceManager : nullptr;
    int oldLayer = m_zOrder;

    reader.EnterBlock(blockName);
    reader.EnterBlock("m_pSprite");
    reader.ReadString("default", m_pSprite.Name);
    if (resources != nullptr)
    {
        m_pSprite.UVs = resources->GetUV(m_pSprite.Name);
        m_pSprite.Size = resources->GetDimensions(m_pSprite.Name);
    }
    reader.SkipSeparator();
    m_pSprite.BuildQuad();

    reader.SkipSeparator();
    m_pAnimation.Serialize(reader);
    reader.SkipSeparator();

    reader.ReadString("m_zOrderString", m_zOrderString);
    m_zOrder = resources != nullptr ? resources->GetZOrder(m_zOrderString) : 0;
    reader.SkipSeparator();

    if (m_zOrder != oldLayer)
    {
        if (auto* graphics = dynamic_cast<Graphics*>(System))
        {
            graphics->MoveToLayer(this, oldLayer);
        }
    }
}

void GraphicsComponent::Write(TextWriter& writer, const std::string& blockName) const
{
    writer.BeginBlock(blockName);
    writer.BeginBlock("m_pSprite");
    writer.WriteString("default", m_pSprite.Name);
    writer.EndBlock();
    writer.WriteSeparator();
    m_pAnimation.Write(writer);
    writer.WriteSeparator();
    // Written as "m_zOrder"; hand-written files say "m_zOrderString". The reader takes either.
    writer.WriteString("m_zOrder", m_zOrderString);
    writer.EndBlock();
}

} // namespace Framework
