#include "ui/Level_Menu.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "ui/ConfirmationPage.h"
#include "ui/ControlsPage.h"
#include "ui/CreditsPage.h"
#include "ui/HowToPlayPage.h"
#include "ui/LevelListPage.h"
#include "ui/MainMenuPage.h"
#include "ui/MenuFlow.h"
#include "ui/MenuSteps.h"
#include "ui/OptionsPage.h"
#include "ui/PlayerSettings.h"

namespace Framework
{

Level_Menu::Level_Menu() : Level_Menu(ResourcePath("Data/SupportedResolutions.json")) {}

Level_Menu::Level_Menu(const std::string& resolutionsFile) : Menu("Z_Bees")
{
    std::vector<MenuItem> items = {
        // The key that chose the level must not count as a jump in it.
        {"Beegin",
         [](Menu&)
         {
             StartFirstLevel();
             ResetInputDevices();
         },
         ChoiceSound::Silent},
        {"HowToPlay", OpenPage(HowToPlay)},
        {"Options", OpenPage(Options)},
        {"Credits", OpenPage(Credits)},
        {"Exit", OpenPage(Confirmation)},
    };
    OptionsKeys options{.Resolution = "Resolution",
                        .Volume = "Options_Sound",
                        .Fullscreen = "Toggle_Fullscreen",
                        .Sound = "Toggle_Sound",
                        .Controls = "Controls",
                        .Return = "ReturnToMain",
                        .ControlsPage = Controls,
                        .FullscreenState = "FullscreenState",
                        .SoundState = "SoundState",
                        .ApplyNote = "ResApply"};
    ControlsKeys controls{
        {"ControlsLeft", "ControlsRight", "ControlsJump", "ControlsRoll", "ControlsPause"},
        {"ControlsLeftKeys", "ControlsRightKeys", "ControlsJumpKeys", "ControlsRollKeys", "ControlsPauseKeys"},
        "ControlsDefaults",
        "ControlsReturn"};
    OptionsPage::Resolutions sizes = OptionsPage::ReadResolutions(resolutionsFile);
    AddPage(std::make_unique<MainMenuPage>(std::move(items), Levels), {"MainScreen"});
    AddPage(std::make_unique<HowToPlayPage>(), {"HowToPlayScreen"});
    AddPage(std::make_unique<OptionsPage>(options, ChoiceSound::Select, sizes), {"OptionsScreen"});
    AddPage(std::make_unique<CreditsPage>("Z_TeamCredits"), {"CreditsScreen"});
    AddPage(std::make_unique<ConfirmationPage>(MenuItem{"Yes", [](Menu&) { QuitGame(); }}, "No"),
            {"ConfirmationScreen"});
    AddPage(std::make_unique<LevelListPage>("LevelsScreen"), {"LevelsScreen"});
    AddPage(std::make_unique<ControlsPage>(controls, Options, ChoiceSound::Select), {"ControlsScreen"});
}

Level_Menu::~Level_Menu() = default;

void Level_Menu::Initialize()
{
    for (int page = 0; page < PageCount(); ++page)
    {
        PageAt(page).Prepare();
    }
    if (std::string level = CurrentLevelName(); !level.empty())
    {
        m_TrackName = level;
    }
    if (CORE != nullptr && CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->PlayBGM(m_TrackName);
        // The splash sets full volume when it is skipped; a player's saved level wins over that.
        if (!SettingsFilePath().empty())
        {
            CORE->m_Audio->SetMasterVolume(static_cast<float>(CurrentSettings().SoundLevel) / 10.0f);
        }
    }
    Open(Main);
    ILevel::Initialize();
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->m_FadeValue = 1.0f;
        CORE->m_Graphics->m_FadeTimer = 0.0f;
    }
}

void Level_Menu::Update(float dt)
{
    RunPage(dt);
}

void Level_Menu::Show(int page, bool shown)
{
    if (!shown)
    {
        return;
    }
    // A page without items shows 0 as its selected item.
    m_Selected = 0;
    GameObjectComposition* backdrop = FindMenuObject(ObjectsOf(page).back());
    CAMERA.SetCameraTarget(backdrop);
    GameObjectComposition* frame = FindMenuObject("0_MainMenu");
    if (backdrop != nullptr && frame != nullptr && backdrop->GetTransform() != nullptr &&
        frame->GetTransform() != nullptr)
    {
        frame->GetTransform()->Position = backdrop->GetTransform()->Position;
    }
}

} // namespace Framework
