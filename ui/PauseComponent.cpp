#include "ui/PauseComponent.h"

#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "graphics/Camera.h"
#include "ui/MenuSteps.h"

namespace Framework
{

void PauseComponent::Initialize()
{
    if (Transform* transform = Owner != nullptr ? Owner->GetTransform() : nullptr)
    {
        m_SavedTransform = {transform->Position, transform->Rotation, transform->Scale};
    }
    HideUnlessMenu();
}

IComponent* PauseComponent::Clone() const
{
    auto* copy = new PauseComponent();
    copy->m_SavedTransform = m_SavedTransform;
    copy->m_OffsetX = m_OffsetX;
    copy->m_OffsetY = m_OffsetY;
    return copy;
}

void PauseComponent::DescribeFields(FieldList& fields)
{
    fields.Number("m_OffsetX", m_OffsetX);
    fields.Number("m_OffsetY", m_OffsetY);
}

void PauseComponent::ShowAtOffset()
{
    Transform* transform = Owner != nullptr ? Owner->GetTransform() : nullptr;
    if (transform == nullptr)
    {
        return;
    }
    Vec2 centre = CAMERA.ScreenCentre();
    transform->Position = {centre.x + m_OffsetX, centre.y + m_OffsetY};
    transform->Scale = m_SavedTransform.Scale;
}

void PauseComponent::HideUnlessMenu()
{
    Transform* transform = Owner != nullptr ? Owner->GetTransform() : nullptr;
    if (transform == nullptr)
    {
        return;
    }
    if (CORE != nullptr && CORE->m_GameLogic != nullptr &&
        CORE->m_GameLogic->m_LevelManager.GetCurrentLevelName() == "Level_00_Menu")
    {
        return;
    }
    transform->Scale = {0.0f, 0.0f};
}

void PauseComponent::ShowAll(const std::vector<std::string>& keys, bool show)
{
    for (const std::string& key : keys)
    {
        GameObjectComposition* object = FindMenuObject(key);
        if (PauseComponent* pause = object != nullptr ? object->GetPauseComponent() : nullptr)
        {
            show ? pause->ShowAtOffset() : pause->HideUnlessMenu();
        }
    }
}

} // namespace Framework
