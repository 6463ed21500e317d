#include "ui/PauseMenu.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "ui/MenuScreens.h"
#include "ui/MenuSteps.h"
#include "ui/PauseComponent.h"
#include "ui/PlayerSettings.h"
#include "ui/ScrollComponent.h"

namespace Framework
{

namespace
{
const std::string kCursor = "HUD_Z_Bees";
const std::vector<std::string> kMainItems = {"HUD_Continue",  "HUD_Restart",      "HUD_Options", "HUD_Credits",
                                             "HUD_HowToPlay", "HUD_ReturnToMain", "HUD_QuitGame"};
const std::vector<std::string> kConfirmation = {"HUD_Yes", "HUD_No", "HUD_ConfirmQuit", "HUD_0_Credit_Plank", kCursor};
const std::vector<std::string> kOptions = {"HUD_ToggleFullscreen", "HUD_ToggleSound", "HUD_0_Credit_Plank", kCursor};
const std::vector<std::string> kCredits = {"HUD_Z_TeamCredits", "HUD_0_Credit_Plank"};
const std::vector<std::string> kHowToPlay = {"HUD_UI_HowToPlay"};
// The music plays this much quieter while the game is paused.
constexpr float kPausedMusicShare = 0.3f;

bool PauseAllowed()
{
    return CORE == nullptr || CORE->m_GameLogic == nullptr || CORE->m_GameLogic->PauseAllowed();
}

void Show(const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
    {
        GameObjectComposition* object = FindMenuObject(key);
        if (PauseComponent* pause = object != nullptr ? object->GetPauseComponent() : nullptr)
        {
            pause->ShowAtOffset();
        }
    }
}

void Hide(const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
    {
        GameObjectComposition* object = FindMenuObject(key);
        if (PauseComponent* pause = object != nullptr ? object->GetPauseComponent() : nullptr)
        {
            pause->HideUnlessMenu();
        }
    }
}

// Lowers the music while paused and restores it afterwards. The duck is a passing factor the Audio
// system keeps, so its per-frame volume refresh does not undo it.
void DuckMusic(bool duck)
{
    if (CORE != nullptr && CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->SetMusicFactor(duck ? kPausedMusicShare : 1.0f);
    }
}
} // namespace

void PauseMenu::Reset()
{
    m_MenuItems.clear();
    m_ItemKeys.clear();
    m_MenuPage = Closed;
    m_MenuSelected = 0;
}

void PauseMenu::Update(float dt)
{
    if (CORE == nullptr || CORE->m_Input == nullptr)
    {
        return;
    }
    // While pause is not allowed (the closing scene) the key does nothing at all: setting the flag there would
    // freeze the game invisibly and carry a frozen game into the menu that follows.
    if (!CORE->Paused && PauseAllowed() && CORE->m_Input->IsPauseTriggered())
    {
        Open();
        return;
    }
    if (CORE->Paused)
    {
        RunPage(dt);
    }
}

void PauseMenu::Open()
{
    ShowPauseMenu();
    DuckMusic(true);
    CollectPauseItems();
    CORE->Paused = true;
}

void PauseMenu::RunPage(float dt)
{
    // Objects are found again every frame: one of them may have gone since the last.
    m_MenuItems = FindMenuObjects(m_ItemKeys);
    switch (m_MenuPage)
    {
    case MainPage:
        MainPageFrame();
        break;
    case OptionsPage:
        OptionsPageFrame();
        break;
    case CreditsPage:
        CreditsPageFrame(dt);
        break;
    case HowToPlayPage:
        HowToPlayPageFrame();
        break;
    case ConfirmReturnPage:
    case ConfirmQuitPage:
    case ConfirmRestartPage:
        ConfirmationPageFrame();
        break;
    default:
        // Closed: the game is paused by something else (the game-over screen).
        break;
    }
}

void PauseMenu::ShowPauseMenu()
{
    if (PauseAllowed())
    {
        Show(kMainItems);
        Show({"HUD_0_Plank", kCursor});
    }
}

void PauseMenu::HidePauseMenu()
{
    if (PauseAllowed())
    {
        Hide(kMainItems);
        Hide({"HUD_0_Plank", kCursor, "HUD_UI_HowToPlay"});
    }
}

void PauseMenu::CollectItems(const std::vector<std::string>& keys)
{
    m_ItemKeys = keys;
    m_MenuItems = FindMenuObjects(keys);
    m_MenuSelected = 0;
    PlaceCursor(kCursor, m_MenuItems.empty() ? nullptr : m_MenuItems.front());
}

void PauseMenu::CollectPauseItems()
{
    CollectItems(kMainItems);
    m_MenuPage = MainPage;
}

void PauseMenu::BackToMainPage(const std::vector<std::string>& subPageKeys)
{
    m_MenuPage = MainPage;
    Hide(subPageKeys);
    ShowPauseMenu();
    CollectPauseItems();
}

void PauseMenu::Resume()
{
    CORE->Paused = false;
    DuckMusic(false);
}

void PauseMenu::MainPageFrame()
{
    if (IsSelectPressed())
    {
        HidePauseMenu();
        if (m_MenuSelected == 0)
        {
            Resume();
            ResetInputDevices();
            return;
        }
        PlaySelectSound();
        switch (m_MenuSelected)
        {
        case 1:
            Show(kConfirmation);
            CollectItems({"HUD_Yes", "HUD_No"});
            m_MenuPage = ConfirmRestartPage;
            break;
        case 2:
            Show(kOptions);
            CollectItems({"HUD_ToggleFullscreen", "HUD_ToggleSound"});
            m_MenuPage = OptionsPage;
            break;
        case 3:
            Show(kCredits);
            m_ItemKeys.clear();
            m_MenuPage = CreditsPage;
            if (ScrollComponent* scroll = FindCredits("HUD_Z_TeamCredits"))
            {
                scroll->m_Scroll = !scroll->m_Scroll;
            }
            break;
        case 4:
            Show(kHowToPlay);
            m_ItemKeys.clear();
            m_MenuPage = HowToPlayPage;
            break;
        case 5:
            Show(kConfirmation);
            CollectItems({"HUD_Yes", "HUD_No"});
            m_MenuPage = ConfirmReturnPage;
            break;
        case 6:
            Show(kConfirmation);
            CollectItems({"HUD_Yes", "HUD_No"});
            m_MenuPage = ConfirmQuitPage;
            break;
        default:
            break;
        }
        return;
    }
    if (StepCursor())
    {
        return;
    }
    if (CORE->m_Input->IsPauseTriggered())
    {
        HidePauseMenu();
        Resume();
    }
}

void PauseMenu::OptionsPageFrame()
{
    if (IsSelectPressed())
    {
        if (m_MenuSelected == 0 && CORE->m_Graphics != nullptr)
        {
            CORE->m_Graphics->ToggleFullscreen();
            SaveCurrentSettings();
        }
        else if (m_MenuSelected == 1 && CORE->m_Audio != nullptr)
        {
            CORE->m_Audio->ToggleMute();
            SaveCurrentSettings();
        }
        return;
    }
    StepCursorOrGoBack(kOptions);
}

void PauseMenu::CreditsPageFrame(float dt)
{
    ScrollComponent* scroll = FindCredits("HUD_Z_TeamCredits");
    if (IsBackPressed())
    {
        PlaySelectSound();
        BackToMainPage(kCredits);
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

void PauseMenu::HowToPlayPageFrame()
{
    if (IsBackPressed())
    {
        PlaySelectSound();
        BackToMainPage(kHowToPlay);
    }
}

void PauseMenu::ConfirmationPageFrame()
{
    if (IsSelectPressed())
    {
        if (m_MenuSelected != 0)
        {
            PlaySelectSound();
            BackToMainPage(kConfirmation);
            return;
        }
        GameLogic* logic = CORE->m_GameLogic;
        switch (m_MenuPage)
        {
        case ConfirmReturnPage:
            Hide(kConfirmation);
            Resume();
            if (logic != nullptr)
            {
                logic->m_LevelManager.RequestLevel("Level_00_Menu");
            }
            break;
        case ConfirmQuitPage:
            CORE->Quit = true;
            break;
        default:
            PlaySelectSound();
            Reset();
            CORE->Paused = false;
            DuckMusic(false);
            // Reloads this very level: its objects, this menu's included, are all new afterwards.
            if (logic != nullptr)
            {
                logic->m_LevelManager.RestartLevel();
            }
            break;
        }
        m_MenuPage = Closed;
        m_ItemKeys.clear();
        m_MenuItems.clear();
        return;
    }
    StepCursorOrGoBack(kConfirmation);
}

bool PauseMenu::StepCursor()
{
    if (!StepSelection(m_MenuSelected, static_cast<int>(m_MenuItems.size())))
    {
        return false;
    }
    MoveSelector(kCursor, m_MenuItems[static_cast<size_t>(m_MenuSelected)]);
    return true;
}

void PauseMenu::StepCursorOrGoBack(const std::vector<std::string>& subPageKeys)
{
    if (StepCursor())
    {
        return;
    }
    if (IsBackPressed())
    {
        PlaySelectSound();
        BackToMainPage(subPageKeys);
    }
}

} // namespace Framework
