#include "ui/PauseMenu.h"

#include "ui/ConfirmationPage.h"
#include "ui/ControlsPage.h"
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

// The closed menu: it shows nothing and does nothing.
class ClosedPage : public MenuPage
{
public:
    void Update(Menu& menu, float dt) override
    {
        (void)menu;
        (void)dt;
    }
};
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
    // The cursor rests on rows centred on the plank; the labels sit left of centre to leave room for the marks.
    options.Fullscreen = "HUD_FullscreenRow";
    options.Sound = "HUD_SoundRow";
    options.Controls = "HUD_Controls";
    options.ControlsPage = Controls;
    options.FullscreenState = "HUD_FullscreenState";
    options.SoundState = "HUD_SoundState";
    ControlsKeys controls{
        {"HUD_CtlLeft", "HUD_CtlRight", "HUD_CtlJump", "HUD_CtlRoll", "HUD_CtlPause"},
        {"HUD_CtlLeftKeys", "HUD_CtlRightKeys", "HUD_CtlJumpKeys", "HUD_CtlRollKeys", "HUD_CtlPauseKeys"},
        "HUD_CtlDefaults",
        ""};
    auto confirm = [](MenuItem yes) { return std::make_unique<ConfirmationPage>(std::move(yes), "HUD_No"); };
    const std::vector<std::string> question = {"HUD_ConfirmQuit", "HUD_0_Credit_Plank", kCursor};
    AddPage(std::make_unique<ItemPage>(std::move(items), PageExit::Close), {"HUD_0_Plank", kCursor});
    AddPage(std::make_unique<OptionsPage>(options, ChoiceSound::Silent),
            {"HUD_0_Credit_Plank", kCursor, "HUD_ToggleFullscreen", "HUD_ToggleSound", "HUD_FullscreenState",
             "HUD_SoundState"});
    AddPage(std::make_unique<CreditsPage>("HUD_Z_TeamCredits"), {"HUD_0_Credit_Plank"});
    AddPage(std::make_unique<HowToPlayPage>(), {"HUD_UI_HowToPlay"});
    AddPage(confirm({"HUD_Yes", [this](Menu&) { LeaveTo(ReturnToMainMenu, true); }, ChoiceSound::Silent}), question);
    AddPage(confirm({"HUD_Yes", [this](Menu&) { LeaveTo(QuitGame, false); }, ChoiceSound::Silent}), question);
    AddPage(confirm({"HUD_Yes", [this](Menu&) { LeaveTo(RestartLevel, true); }}), question);
    // Closed keeps its number: an empty page stands in for it, so the controls page comes after it.
    AddPage(std::make_unique<ClosedPage>(), {});
    AddPage(std::make_unique<ControlsPage>(controls, Options, ChoiceSound::Silent),
            {"HUD_0_Plank", kCursor, "HUD_CtlLeftLabel", "HUD_CtlRightLabel", "HUD_CtlJumpLabel", "HUD_CtlRollLabel",
             "HUD_CtlPauseLabel"});
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
