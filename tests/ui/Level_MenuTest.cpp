#include "ui/Level_Menu.h"
#include "audio/Audio.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"
#include "tests/ui/UiFixture.h"
#include "ui/MenuScreens.h"
#include "ui/ScrollComponent.h"

#include <cstdio>
#include <fstream>

using namespace Framework;

namespace
{
class MenuTest : public UiTest
{
protected:
    void SetUp() override { StartLevel("Level_00_Menu"); }
    Level_Menu& Menu() { return *static_cast<Level_Menu*>(core.m_GameLogic->m_LevelManager.m_CurrentLevel); }
    int Selected() { return Menu().CurrentScreen()->SelectedItem(); }
    std::string Animation(const std::string& key) { return Find(key)->GetGraphics()->m_pAnimation.m_Current; }
    std::string Digits(const char* a, const char* b, const char* c, const char* d)
    {
        std::string text;
        for (const char* key : {a, b, c, d})
        {
            text += Animation(key).substr(5); // "Char_7" -> "7"
        }
        return text;
    }
    int LitBars()
    {
        int lit = 0;
        for (int i = 1; i <= 10; ++i)
        {
            lit += Animation("SoundBar" + std::to_string(i)) == "Char_Stick" ? 1 : 0;
        }
        return lit;
    }
    ScrollComponent& Credits() { return *Find("Z_TeamCredits")->GetScrollComponent(); }
};
} // namespace

TEST_F(MenuTest, UpAndDownWrapAndVisitEveryItemWithTheCursor)
{
    struct Case
    {
        std::vector<int> Path; // keys pressed from the main page's first item
        int Screen;
        std::vector<int> Visited; // the selection after each key of the path's last part
    };
    const char* mainItems[] = {"Beegin", "HowToPlay", "Options", "Credits", "Exit"};
    for (const Case& c : {Case{{}, 0, {1, 2, 3, 4, 0}}, Case{{kDown, kDown, kEnter}, 2, {1, 2, 3, 4, 0}},
                          Case{{kUp, kEnter}, 4, {1, 0, 1}}})
    {
        SCOPED_TRACE(c.Screen);
        Menu().Initialize();
        for (int key : c.Path)
        {
            Press({key});
        }
        ASSERT_EQ(Menu().m_CurrentScreen, c.Screen);
        ASSERT_EQ(Selected(), 0);
        for (int expected : c.Visited)
        {
            Press({kDown});
            EXPECT_EQ(Selected(), expected);
        }
        Press({kUp});
        EXPECT_EQ(Selected(), static_cast<int>(c.Visited.size()) == 3 ? 0 : 4);
        if (c.Screen == 0)
        {
            Vec2 bees = Position("Z_Bees");
            Vec2 item = Position(mainItems[4]);
            EXPECT_EQ(bees.x, item.x);
            EXPECT_EQ(bees.y, item.y);
        }
    }
}

TEST_F(MenuTest, SelectOnEachMainItemDoesItsActionAndBackReturns)
{
    struct Case
    {
        int Item;
        int Screen;
        const char* Backdrop;
    };
    for (const Case& c : {Case{1, 1, "HowToPlayScreen"}, Case{2, 2, "OptionsScreen"}, Case{3, 3, "CreditsScreen"},
                          Case{4, 4, "ConfirmationScreen"}})
    {
        SCOPED_TRACE(c.Item);
        Menu().Initialize();
        for (int i = 0; i < c.Item; ++i)
        {
            Press({kDown});
        }
        Press({kEnter});
        EXPECT_EQ(Menu().m_CurrentScreen, c.Screen);
        EXPECT_EQ(CAMERA.m_Target, Find(c.Backdrop));
        EXPECT_EQ(Position("0_MainMenu").x, Position(c.Backdrop).x);
        EXPECT_EQ(Credits().m_Scroll, c.Screen == 3);
        Press({kEscape});
        EXPECT_EQ(Menu().m_CurrentScreen, 0);
        EXPECT_EQ(CAMERA.m_Target, Find("MainScreen"));
        EXPECT_FALSE(Credits().m_Scroll);
        EXPECT_EQ(Credits().ViewTop(), Credits().m_BaseRect.m_UVTopLeft.y);
    }
    // "No" returns, "Yes" quits; Beegin asks for the first level with the keys forgotten.
    Press({kUp, kEnter, kDown, kEnter});
    EXPECT_EQ(Menu().m_CurrentScreen, 0);
    EXPECT_FALSE(core.Quit);
    Press({kUp, kEnter, kEnter});
    EXPECT_TRUE(core.Quit);
    Menu().Initialize();
    Frame({kEnter});
    EXPECT_EQ(core.m_GameLogic->m_LevelManager.GetCurrentLevelName(), "Level_01");
    EXPECT_EQ(core.m_Input->m_Keyboard[kEnter], 0);
}

TEST_F(MenuTest, ResolutionArrowsCycleTheListAndSelectAppliesIt)
{
    Press({kDown, kDown, kEnter});
    const auto& sizes = Menu().m_Resolutions;
    ASSERT_GE(sizes.size(), 3u);
    EXPECT_EQ(sizes.front(), std::make_pair(1280u, 720u));
    EXPECT_EQ(Digits("ResL1", "ResL2", "ResL3", "ResL4"), "1280");
    EXPECT_EQ(Digits("ResR1", "ResR2", "ResR3", "ResR4"), "0720");
    EXPECT_EQ(Animation("ResX"), "Char_X");
    for (size_t step = 1; step <= sizes.size(); ++step)
    {
        Press({kRight});
        auto [w, h] = sizes[step % sizes.size()];
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04u%04u", w, h);
        EXPECT_EQ(Digits("ResL1", "ResL2", "ResL3", "ResL4") + Digits("ResR1", "ResR2", "ResR3", "ResR4"), expected);
    }
    Press({kLeft});
    EXPECT_EQ(Menu().m_ResolutionIndex, static_cast<int>(sizes.size()) - 1);
    EXPECT_EQ(core.m_Graphics->m_ResolutionWidth, 1280u); // only select changes the window
    Press({kEnter});
    EXPECT_EQ(core.m_Graphics->m_ResolutionWidth, sizes.back().first);
    EXPECT_EQ(core.m_Graphics->m_ResolutionHeight, sizes.back().second);
}

TEST_F(MenuTest, TenVolumeStepsDownAndUpReturnExactlyToEachLevel)
{
    Press({kDown, kDown, kEnter, kDown});
    const int& shownLevel = static_cast<OptionsScreen&>(*Menu().m_Screens[Level_Menu::Options]).m_SoundLevel;
    ASSERT_EQ(shownLevel, 10);
    for (int level = 9; level >= -1; --level)
    {
        Press({kLeft});
        int expected = level < 0 ? 0 : level;
        EXPECT_EQ(core.m_Audio->MasterVolume, static_cast<float>(expected) / 10.0f);
        EXPECT_EQ(LitBars(), expected);
    }
    for (int level = 1; level <= 11; ++level)
    {
        Press({kRight});
        int expected = level > 10 ? 10 : level;
        EXPECT_EQ(shownLevel, expected);
        // Entering the page again reads back the level it was left at.
        Menu().m_Screens[Level_Menu::Options]->Enter();
        EXPECT_EQ(shownLevel, expected);
        EXPECT_EQ(LitBars(), expected);
        Press({kDown}); // Enter selected the first item again
    }
    EXPECT_EQ(core.m_Audio->MasterVolume, 1.0f);
}

TEST_F(MenuTest, OptionsToggleFullScreenAndSound)
{
    Press({kDown, kDown, kEnter});
    bool fullscreen = core.m_Graphics->m_Fullscreen;
    Press({kDown, kDown, kEnter});
    EXPECT_NE(core.m_Graphics->m_Fullscreen, fullscreen);
    Press({kDown, kEnter});
    EXPECT_EQ(core.m_Audio->MasterVolume, 0.0f);
    EXPECT_EQ(LitBars(), 0);
    Press({kDown, kEnter});
    EXPECT_EQ(Menu().m_CurrentScreen, 0);
}

TEST_F(MenuTest, WithoutResolutionsTheEntryShowsNothingAndIgnoresItsKeys)
{
    Menu().ReadResolutions(SourcePath("tests/data/no-such-file.json"));
    Menu().Initialize();
    Press({kDown, kDown, kEnter});
    EXPECT_TRUE(Menu().m_Resolutions.empty());
    EXPECT_EQ(Animation("ResL1"), "default");
    EXPECT_EQ(Animation("ResX"), "default");
    Press({kLeft, kRight, kEnter});
    EXPECT_EQ(Menu().m_ResolutionIndex, 0);
    EXPECT_EQ(core.m_Graphics->m_ResolutionWidth, 1280u);
    EXPECT_EQ(Menu().m_CurrentScreen, Level_Menu::Options);
}

TEST(MenuProgram, ReplaysReachOptionsQuitAndTheFirstLevel)
{
    struct Case
    {
        const char* Start; // empty: the start-up screens, skipped by the first key
        const char* Keys;
        const char* Expected;
        int Frames;
    };
    const std::string idle = "F1 K- P0:0:0:0\n";
    for (const Case& c : {Case{"", "20 28 28 0D", "\"menu\":{\"screen\":2,\"selected\":0}", 40},
                          Case{"Level_00_Menu", "26 0D 0D", "\"level\":\"Level_00_Menu\"", 300},
                          Case{"Level_00_Menu", "0D", "\"level\":\"Level_01\"", 10}})
    {
        SCOPED_TRACE(c.Keys);
        std::string path = testing::TempDir() + "/menu.rep";
        std::ofstream replay(path);
        replay << "kibbet-input 1\n" << idle << idle << idle;
        std::istringstream keys(c.Keys);
        int lines = 3;
        for (std::string key; keys >> key; lines += 2)
        {
            replay << "F1 K" << key << " P0:0:0:0\n" << idle;
        }
        replay.close();
        std::string start = *c.Start != '\0' ? std::string(" --level ") + c.Start : std::string();
        RunResult run = RunGame("--headless --fixed-step --resources " + SourcePath("Resources") + start +
                                " --replay " + path + " --frames " + std::to_string(c.Frames) + " --dump-state");
        EXPECT_EQ(run.Status, 0);
        EXPECT_NE(run.Output.find(c.Expected), std::string::npos) << run.Output.substr(0, 300);
        if (c.Frames == 300)
        {
            // "Yes" ends the program in the frame it is chosen, long before the frame limit.
            EXPECT_NE(run.Output.find("\"frame\":" + std::to_string(lines - 1) + ","), std::string::npos)
                << run.Output.substr(0, 100);
        }
    }
}
