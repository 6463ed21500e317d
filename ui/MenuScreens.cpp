#include "ui/MenuScreens.h"

#include "data/GameObjectComposition.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "ui/Level_Menu.h"
#include "ui/MenuSteps.h"
#include "ui/ScrollComponent.h"

namespace Framework
{

ScrollComponent* FindCredits(const char* key)
{
    GameObjectComposition* credits = FindMenuObject(key);
    return credits != nullptr ? credits->GetScrollComponent() : nullptr;
}

void MainScreen::Enter()
{
    CollectItems({"Beegin", "HowToPlay", "Options", "Credits", "Exit"});
}

void MainScreen::Update(float dt)
{
    (void)dt;
    if (!IsSelectPressed())
    {
        MoveSelection();
        return;
    }
    switch (m_Selected)
    {
    case 0:
        if (CORE != nullptr && CORE->m_GameLogic != nullptr)
        {
            CORE->m_GameLogic->m_LevelManager.RequestLevel("Level_01");
        }
        // The key that chose the level must not count as a jump in it.
        ResetInputDevices();
        break;
    case 1:
        PlaySelectSound();
        m_Menu.GoToScreen(Level_Menu::HowToPlay, "HowToPlayScreen");
        break;
    case 2:
        PlaySelectSound();
        m_Menu.GoToScreen(Level_Menu::Options, "OptionsScreen");
        break;
    case 3:
        PlaySelectSound();
        m_Menu.GoToScreen(Level_Menu::Credits, "CreditsScreen");
        if (ScrollComponent* scroll = FindCredits("Z_TeamCredits"))
        {
            scroll->m_Scroll = !scroll->m_Scroll;
        }
        break;
    case 4:
        PlaySelectSound();
        m_Menu.GoToScreen(Level_Menu::Confirmation, "ConfirmationScreen");
        break;
    default:
        break;
    }
}

void HowToPlayScreen::Update(float dt)
{
    (void)dt;
    if (IsBackPressed())
    {
        PlaySelectSound();
        m_Menu.GoToScreen(Level_Menu::Main, "MainScreen");
    }
}

void CreditsScreen::Update(float dt)
{
    ScrollComponent* scroll = FindCredits("Z_TeamCredits");
    if (IsBackPressed())
    {
        PlaySelectSound();
        m_Menu.GoToScreen(Level_Menu::Main, "MainScreen");
        if (scroll != nullptr)
        {
            scroll->ResetScroll();
            scroll->m_Scroll = !scroll->m_Scroll;
        }
    }
    if (scroll != nullptr)
    {
        scroll->AdvanceScroll(dt);
    }
}

void ConfirmationScreen::Enter()
{
    CollectItems({"Yes", "No"});
}

void ConfirmationScreen::Update(float dt)
{
    (void)dt;
    if (IsSelectPressed())
    {
        PlaySelectSound();
        if (m_Selected == 0)
        {
            if (CORE != nullptr)
            {
                CORE->Quit = true;
            }
        }
        else
        {
            m_Menu.GoToScreen(Level_Menu::Main, "MainScreen");
        }
        return;
    }
    if (MoveSelection())
    {
        return;
    }
    if (IsBackPressed())
    {
        PlaySelectSound();
        m_Menu.GoToScreen(Level_Menu::Main, "MainScreen");
    }
}

} // namespace Framework
