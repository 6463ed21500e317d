#include "ui/ScrollComponent.h"

#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"

namespace Framework
{

namespace
{
const std::string kScroll = "Scroll";
const std::string kCredits = "TeamCredits";
const std::string kCreditsRoll = "TeamCredits_Roll";
} // namespace

void ScrollComponent::Initialize()
{
    ResetScroll();
    GraphicsComponent* graphics = Owner != nullptr ? Owner->GetGraphics() : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    graphics->m_Animation.AddAnimation(kScroll, {m_ViewRect});
    graphics->m_Animation.Play(kScroll);
    ShowView();
}

IComponent* ScrollComponent::Clone() const
{
    auto* copy = new ScrollComponent();
    copy->m_Scroll = m_Scroll;
    copy->m_Speed = m_Speed;
    copy->m_Step = m_Step;
    copy->m_WindowHeight = m_WindowHeight;
    copy->m_StepTimer = m_StepTimer;
    copy->m_BaseRect = m_BaseRect;
    copy->m_ViewRect = m_ViewRect;
    return copy;
}

void ScrollComponent::DescribeFields(FieldList& fields)
{
    fields.Number("m_Speed", m_Speed);
    fields.Bool("m_Scroll", m_Scroll);
}

void ScrollComponent::Serialize(TextSerializer& reader, const std::string& blockName)
{
    IComponent::Serialize(reader, blockName);
    if (CORE != nullptr && CORE->m_ResourceManager != nullptr)
    {
        m_BaseRect = CORE->m_ResourceManager->GetUV(kCredits);
        // The whole roll's height in texels over its share of the atlas gives the atlas height; without both
        // table entries the sizes stay as given.
        const float texels = static_cast<float>(CORE->m_ResourceManager->GetDimensions(kCreditsRoll).Height);
        const float share = m_BaseRect.m_UVBottomLeft.y - m_BaseRect.m_UVTopLeft.y;
        const float scale = texels > 0.0f && share > 0.0f ? kReferenceHeight * share / texels : 1.0f;
        m_Step = kStep * scale;
        // The window is as tall in the roll as the page is drawn ("TeamCredits" in the dimension table), so the
        // text keeps its shape whatever height the page is given.
        const float page = static_cast<float>(CORE->m_ResourceManager->GetDimensions(kCredits).Height);
        m_WindowHeight = page > 0.0f && texels > 0.0f && share > 0.0f ? share * page / texels : kWindowHeight * scale;
    }
}

void ScrollComponent::ResetScroll()
{
    m_ViewRect = m_BaseRect;
    m_ViewRect.m_UVBottomLeft.y = m_BaseRect.m_UVTopLeft.y + m_WindowHeight;
    m_ViewRect.m_UVBottomRight.y = m_BaseRect.m_UVTopRight.y + m_WindowHeight;
    if (GraphicsComponent* graphics = Owner != nullptr ? Owner->GetGraphics() : nullptr)
    {
        graphics->m_Animation.Play(kScroll);
    }
    ShowView();
}

void ScrollComponent::AdvanceScroll(float dt)
{
    if (!m_Scroll)
    {
        return;
    }
    m_StepTimer += dt;
    if (m_StepTimer < m_Speed)
    {
        return;
    }
    m_ViewRect.m_UVTopRight.y += m_Step;
    m_ViewRect.m_UVBottomRight.y += m_Step;
    m_ViewRect.m_UVBottomLeft.y += m_Step;
    m_ViewRect.m_UVTopLeft.y += m_Step;
    ShowView();
    m_StepTimer = 0.0f;
    if (m_ViewRect.m_UVBottomLeft.y > m_BaseRect.m_UVBottomLeft.y)
    {
        ResetScroll();
    }
}

void ScrollComponent::ShowView()
{
    GraphicsComponent* graphics = Owner != nullptr ? Owner->GetGraphics() : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    graphics->m_Sprite.UVs = m_ViewRect;
    auto frames = graphics->m_Animation.m_Frames.find(kScroll);
    if (frames != graphics->m_Animation.m_Frames.end())
    {
        frames->second.assign(1, m_ViewRect);
    }
}

} // namespace Framework
