#include "graphics/GraphicsComponent.h"

#include "data/FieldList.h"
#include "engine/Core.h"
#include "graphics/Graphics.h"
#include "graphics/ResourceManager.h"

namespace Framework
{

GraphicsComponent::GraphicsComponent()
{
    m_Animation.m_TargetSprite = &m_Sprite;
}

IComponent* GraphicsComponent::Clone() const
{
    GraphicsComponent* copy = System != nullptr ? static_cast<GraphicsComponent*>(System->CreateComponent(m_zOrder))
                                                : new GraphicsComponent();
    copy->Owner = Owner;
    copy->System = System;
    copy->m_Sprite = m_Sprite;
    copy->m_Animation.CopyFrom(m_Animation);
    copy->m_zOrder = m_zOrder;
    copy->m_zOrderString = m_zOrderString;
    copy->m_Alpha = m_Alpha;
    return copy;
}

void GraphicsComponent::DescribeFields(FieldList& fields)
{
    fields.Block("m_pSprite", [this](FieldList& sprite) { sprite.String("default", m_Sprite.Name); });
    fields.Block("m_pAnimation", [this](FieldList& animation) { m_Animation.DescribeFields(animation); });
    // Written as "m_zOrder"; hand-written files say "m_zOrderString". The reader takes either.
    fields.String("m_zOrder", m_zOrderString);
}

void GraphicsComponent::Serialize(TextSerializer& reader, const std::string& blockName)
{
    const int oldLayer = m_zOrder;
    IComponent::Serialize(reader, blockName);
    ResourceManager* resources = CORE != nullptr ? CORE->m_ResourceManager : nullptr;
    if (resources != nullptr)
    {
        m_Sprite.UVs = resources->GetUV(m_Sprite.Name);
        m_Sprite.Size = resources->GetDimensions(m_Sprite.Name);
    }
    m_Sprite.BuildQuad();
    m_Animation.BuildFrames();
    m_zOrder = resources != nullptr ? resources->GetZOrder(m_zOrderString) : 0;
    if (m_zOrder != oldLayer)
    {
        if (auto* graphics = dynamic_cast<Graphics*>(System))
        {
            graphics->MoveToLayer(this, oldLayer);
        }
    }
}

} // namespace Framework
