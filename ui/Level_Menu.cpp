#include "ui/Level_Menu.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Log.h"
#include "engine/Paths.h"
#include "gameflow/GameLogic.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "ui/MenuScreens.h"
#include "ui/MenuSteps.h"
#include "ui/PlayerSettings.h"

namespace Framework
{

namespace
{
const std::string kMenuCursor = "Z_Bees";
} // namespace

void ItemScreen::CollectItems(const std::vector<std::string>& keys)
{
    m_Items = FindMenuObjects(keys);
    m_Selected = 0;
    PlaceCursor(kMenuCursor, SelectedObject());
}

bool ItemScreen::MoveSelection()
{
    if (!StepSelection(m_Selected, static_cast<int>(m_Items.size())))
    {
        return false;
    }
    MoveSelector(kMenuCursor, SelectedObject());
    return true;
}

GameObjectComposition* ItemScreen::SelectedObject() const
{
    if (m_Selected < 0 || m_Selected >= static_cast<int>(m_Items.size()))
    {
        return nullptr;
    }
    return m_Items[static_cast<size_t>(m_Selected)];
}

Level_Menu::Level_Menu()
{
    m_Screens.push_back(std::make_unique<MainScreen>(*this));
    m_Screens.push_back(std::make_unique<HowToPlayScreen>(*this));
    m_Screens.push_back(std::make_unique<OptionsScreen>(*this));
    m_Screens.push_back(std::make_unique<CreditsScreen>(*this));
    m_Screens.push_back(std::make_unique<ConfirmationScreen>(*this));
    ReadResolutions(ResourcePath("Data/SupportedResolutions.json"));
}

Level_Menu::~Level_Menu() = default;

void Level_Menu::ReadResolutions(const std::string& path)
{
    m_Resolutions.clear();
    TextSerializer reader(path);
    reader.EnterBlock("m_Resolutions");
    // A list that does not even open is empty (the options page then shows no size).
    bool open = reader.IsGood() && reader.TokenHas('[');
    while (open)
    {
        unsigned width = 0;
        unsigned height = 0;
        reader.ReadUnsignedPair("", width, height);
        if (width == 0 || height == 0)
        {
            break;
        }
        m_Resolutions.emplace_back(width, height);
        open = reader.ReadToken() && reader.TokenHas(',');
    }
    if (m_Resolutions.empty())
    {
        Log("menu: no window sizes in " + path + "; the options page offers none");
    }
}

void Level_Menu::Initialize()
{
    for (auto& screen : m_Screens)
    {
        screen->Enter();
    }
    if (CORE != nullptr && CORE->m_GameLogic != nullptr)
    {
        m_TrackName = CORE->m_GameLogic->m_LevelManager.GetCurrentLevelName();
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
    m_CurrentScreen = Main;
    m_Screens[Main]->Enter();
    GoToScreen(Main, "MainScreen");
    m_ResolutionIndex = 0;
    ILevel::Initialize();
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->m_FadeValue = 1.0f;
        CORE->m_Graphics->m_FadeTimer = 0.0f;
    }
}

void Level_Menu::Update(float dt)
{
    if (IScreen* screen = CurrentScreen())
    {
        screen->Update(dt);
    }
}

IScreen* Level_Menu::CurrentScreen() const
{
    if (m_CurrentScreen < 0 || m_CurrentScreen >= static_cast<int>(m_Screens.size()))
    {
        return nullptr;
    }
    return m_Screens[static_cast<size_t>(m_CurrentScreen)].get();
}

void Level_Menu::GoToScreen(int k, const std::string& backdrop)
{
    m_CurrentScreen = k;
    if (IScreen* screen = CurrentScreen())
    {
        screen->Enter();
    }
    GameObjectComposition* page = FindMenuObject(backdrop);
    CAMERA.SetCameraTarget(page);
    GameObjectComposition* frame = FindMenuObject("0_MainMenu");
    if (page != nullptr && frame != nullptr && page->GetTransform() != nullptr && frame->GetTransform() != nullptr)
    {
        frame->GetTransform()->Position = page->GetTransform()->Position;
    }
}

} // namespace Framework
