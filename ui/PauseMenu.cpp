#include "ui/PauseMenu.h"

#include "ui/ConfirmationPage.h"
#include "ui/CreditsPage.h"
#include "ui/HowToPlayPage.h"
#include "ui/MenuFlow.h"
#include "ui/MenuSteps.h"
#include "ui/OptionsPage.h"
#include "ui/PauseComponent.h"

namespace Framework
{

namespace
{
const std::string kCursor = "HUD_Z_Bees";
} // namespace

PauseMenu::PauseMenu() : Menu(kCursor)
{
    auto resume = [](Menu& menu)
    {
        menu.Close();
        ResetInputDevices();
    };
    std::vector<MenuItem> items = {
        {"HUD_Continue", resume, ChoiceSound::Silent},
        {"HUD_Restart", OpenPage(ConfirmRestart)},
        {"HUD_Options", OpenPage(Options)},
        {"HUD_Credits", OpenPage(Credits)},
        {"HUD_HowToPlay", OpenPage(HowToPlay)},
        {"HUD_ReturnToMain", OpenPage(ConfirmReturn)},
        {"HUD_QuitGame", OpenPage(ConfirmQuit)},
    };
    OptionsKeys options;
    options.Fullscreen = "HUD_ToggleFullscreen";
    options.Sound = "HUD_ToggleSound";
    options.FullscreenState = "HUD_FullscreenState";
    options.SoundState = "HUD_SoundState";
    auto confirm = [](MenuItem yes) { return std::make_unique<ConfirmationPage>(std::move(yes), "HUD_No"); };
    const std::vector<std::string> question = {"HUD_ConfirmQuit", "HUD_0_Credit_Plank", kCursor};
    AddPage(std::make_unique<ItemPage>(std::move(items), PageExit::Close), {"HUD_0_Plank", kCursor});
    AddPage(std::make_unique<OptionsPage>(options, ChoiceSound::Silent), {"HUD_0_Credit_Plank", kCursor});
    AddPage(std::make_unique<CreditsPage>("HUD_Z_TeamCredits"), {"HUD_0_Credit_Plank"});
    AddPage(std::make_unique<HowToPlayPage>(), {"HUD_UI_HowToPlay"});
    AddPage(confirm({"HUD_Yes", [this](Menu&) { LeaveTo(ReturnToMainMenu, true); }, ChoiceSound::Silent}), question);
    AddPage(confirm({"HUD_Yes", [this](Menu&) { LeaveTo(QuitGame, false); }, ChoiceSound::Silent}), question);
    AddPage(confirm({"HUD_Yes", [this](Menu&) { LeaveTo(RestartLevel, true); }}), question);
    Reset();
}

void PauseMenu::Update(float dt)
{
    // While pause is not allowed (the closing scene) the key does nothing at all: setting the flag there would
    // freeze the game invisibly and carry a frozen game into the menu that follows.
    // A window that lost the focus pauses too, so a player who comes back finds the game waiting.
    if (HasInput() && !GamePaused() && PauseAllowed() && (IsPausePressed() || !WindowHasFocus()))
    {
        PauseGame(true);
        Open(Main);
    }
    else if (HasInput() && GamePaused())
    {
        // A closed menu ignores a game paused by something else (the game-over screen).
        RunPage(dt);
    }
}

void PauseMenu::Close()
{
    HideCurrent();
    PauseGame(false);
}

void PauseMenu::LeaveTo(void (*next)(), bool resume)
{
    if (resume)
    {
        Close();
    }
    Reset();
    next();
}

void PauseMenu::Show(int page, bool shown)
{
    if (PauseAllowed())
    {
        PauseComponent::ShowAll(ObjectsOf(page), shown);
    }
}

} // namespace Framework
