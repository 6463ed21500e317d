#include "graphics/CustomShape.h"

#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "engine/Core.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"
#include "platform/Log.h"

namespace Framework
{

namespace
{
constexpr float kDefaultScaleFactor = 200.0f;
} // namespace

void CustomShape::Initialize()
{
    if (GraphicsComponent* graphics = Owner != nullptr ? Owner->GetGraphics() : nullptr)
    {
        graphics->m_Sprite.Size = {m_Width, m_Height};
        graphics->m_Sprite.BuildQuad();
    }
    m_HalfWidth = static_cast<float>(m_Width) * 0.5f;
    m_HalfHeight = static_cast<float>(m_Height) * 0.5f;
}

IComponent* CustomShape::Clone() const
{
    Graphics* graphics = CORE != nullptr ? CORE->m_Graphics : nullptr;
    CustomShape* copy = graphics != nullptr ? graphics->CreateShape(m_Layer) : new CustomShape();
    copy->Owner = Owner;
    copy->m_VertexesOffset = m_VertexesOffset;
    copy->m_HalfWidth = m_HalfWidth;
    copy->m_HalfHeight = m_HalfHeight;
    copy->m_Layer = m_Layer;
    copy->m_ScaleFactor = m_ScaleFactor;
    copy->m_TextureName = m_TextureName;
    copy->m_Width = m_Width;
    copy->m_Height = m_Height;
    return copy;
}

void CustomShape::Destroy()
{
    if (auto* graphics = dynamic_cast<Graphics*>(System))
    {
        graphics->DestroyShape(this);
    }
}

void CustomShape::DescribeFields(FieldList& fields)
{
    fields.String("m_TextureName", m_TextureName);
    fields.Number("m_ScaleFactor", m_ScaleFactor);
    fields.Vec3List("m_VertexesOffset", m_VertexesOffset);
    fields.Number("m_Width", m_Width);
    fields.Number("m_Height", m_Height);
}

void CustomShape::Serialize(TextSerializer& reader, const std::string& blockName)
{
    const int oldLayer = m_Layer;
    IComponent::Serialize(reader, blockName);
    if (ResourceManager* resources = CORE != nullptr ? CORE->m_ResourceManager : nullptr)
    {
        m_Layer = resources->GetZOrder(resources->GetCustomShape(m_TextureName));
    }
    if (m_ScaleFactor == 0.0f)
    {
        LogOnce("custom shape \"" + m_TextureName + "\": m_ScaleFactor 0 cannot tile a texture; 200 is used");
        m_ScaleFactor = kDefaultScaleFactor;
    }
    if (m_Layer != oldLayer)
    {
        if (auto* graphics = dynamic_cast<Graphics*>(System))
        {
            graphics->MoveShape(this, oldLayer);
        }
    }
}

} // namespace Framework
