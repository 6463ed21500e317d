#include "ui/MenuSteps.h"

#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/GraphicsComponent.h"
#include "input/Input.h"

namespace Framework
{

GameObjectComposition* FindMenuObject(const std::string& key)
{
    if (CORE == nullptr || CORE->m_Factory == nullptr)
    {
        return nullptr;
    }
    return CORE->m_Factory->FindObject(key);
}

std::vector<GameObjectComposition*> FindMenuObjects(const std::vector<std::string>& keys)
{
    std::vector<GameObjectComposition*> objects;
    objects.reserve(keys.size());
    for (const std::string& key : keys)
    {
        objects.push_back(FindMenuObject(key));
    }
    return objects;
}

void PlaceCursor(const std::string& cursorKey, const GameObjectComposition* item)
{
    GameObjectComposition* cursor = FindMenuObject(cursorKey);
    if (cursor == nullptr || item == nullptr || cursor->GetTransform() == nullptr || item->GetTransform() == nullptr)
    {
        return;
    }
    cursor->GetTransform()->Position = item->GetTransform()->Position;
}

void MoveSelector(const std::string& cursorKey, const GameObjectComposition* item)
{
    if (CORE != nullptr && CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->PlaySoundOnce("SFX_Menu_Rollover");
    }
    PlaceCursor(cursorKey, item);
}

void PlaySelectSound()
{
    if (CORE != nullptr && CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->PlaySoundOnce("SFX_Menu_Select");
    }
}

bool HasInput()
{
    return CORE != nullptr && CORE->m_Input != nullptr;
}

bool IsSelectPressed()
{
    return CORE != nullptr && CORE->m_Input != nullptr && CORE->m_Input->IsSelectTriggered();
}

bool IsBackPressed()
{
    return CORE != nullptr && CORE->m_Input != nullptr && CORE->m_Input->IsBackTriggered();
}

bool IsPausePressed()
{
    return CORE != nullptr && CORE->m_Input != nullptr && CORE->m_Input->IsPauseTriggered();
}

bool WindowHasFocus()
{
    return CORE == nullptr || CORE->m_Input == nullptr || CORE->m_Input->HasFocus();
}

bool IsMenuClosePressed()
{
    return CORE != nullptr && CORE->m_Input != nullptr && CORE->m_Input->IsMenuCloseTriggered();
}

int HorizontalStep()
{
    if (CORE == nullptr || CORE->m_Input == nullptr)
    {
        return 0;
    }
    if (CORE->m_Input->IsLeftTriggered())
    {
        return -1;
    }
    return CORE->m_Input->IsRightTriggered() ? 1 : 0;
}

bool StepSelection(int& selected, int count)
{
    if (CORE == nullptr || CORE->m_Input == nullptr || count <= 0)
    {
        return false;
    }
    if (CORE->m_Input->IsUpTriggered())
    {
        selected = selected <= 0 ? count - 1 : selected - 1;
        return true;
    }
    if (CORE->m_Input->IsDownTriggered())
    {
        selected = selected >= count - 1 ? 0 : selected + 1;
        return true;
    }
    return false;
}

void ShowMenuAnimation(GameObjectComposition* object, const std::string& name)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    graphics->m_Animation.Play(name);
    auto frames = graphics->m_Animation.m_Frames.find(name);
    if (frames != graphics->m_Animation.m_Frames.end() && !frames->second.empty())
    {
        graphics->m_Sprite.UVs = frames->second.front();
    }
}

void ResetInputDevices()
{
    if (CORE != nullptr && CORE->m_Input != nullptr)
    {
        CORE->m_Input->ResetPad();
        CORE->m_Input->ResetKeyboard();
    }
}

} // namespace Framework
