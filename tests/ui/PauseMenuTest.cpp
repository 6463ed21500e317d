#include "ui/PauseMenu.h"
#include "audio/Audio.h"
#include "gameflow/ILevel.h"
#include "tests/ui/UiFixture.h"

#include <fstream>

using namespace Framework;

// The pages both menus show are tested once for both in MenuPageTest.cpp.
namespace
{
// A playable level without a file: only the heads-up display's objects, and a hero a test adds.
class PauseTest : public UiTest
{
protected:
    void SetUp() override
    {
        StartLevel("Level_Pause");
        core.m_Factory->CreateObject("Kibbet", "Kibbet");
    }
    const PauseMenu& Menu()
    {
        return static_cast<Level_Generic*>(core.m_GameLogic->m_LevelManager.m_CurrentLevel)->m_PauseMenu;
    }
};
} // namespace

TEST_F(PauseTest, ThePauseKeyOrContinueClosesTheMenuOverAFrozenWorld)
{
    struct Case
    {
        int Close;
        int Item; // the item the menu remembers
    };
    for (const Case& c : {Case{kEscape, 2}, Case{kEnter, 0}})
    {
        SCOPED_TRACE(c.Close);
        EXPECT_EQ(ScaleX("HUD_Continue"), 0.0f);
        Press({kEscape});
        ASSERT_TRUE(core.Paused);
        EXPECT_GT(ScaleX("HUD_Continue"), 0.0f);
        EXPECT_GT(ScaleX("HUD_0_Plank"), 0.0f);
        EXPECT_EQ(ScaleX("HUD_Yes"), 0.0f);
        float y = Position("Kibbet").y;
        Press({kDown, kDown});
        // The duck lasts while paused: the Audio system's per-frame refresh keeps it.
        EXPECT_FLOAT_EQ(core.m_Audio->GetMusicFactor(), 0.3f);
        EXPECT_EQ(Position("Kibbet").y, y);
        if (c.Close == kEnter)
        {
            Press({kUp, kUp});
        }
        Press({c.Close});
        EXPECT_FALSE(core.Paused);
        EXPECT_EQ(core.m_Audio->GetMusicFactor(), 1.0f);
        EXPECT_EQ(ScaleX("HUD_Continue"), 0.0f);
        EXPECT_EQ(ScaleX("HUD_Z_Bees"), 0.0f);
        // The menu keeps its page and item until the level starts again (the state dump shows them).
        EXPECT_EQ(Menu().CurrentPage(), PauseMenu::Main);
        EXPECT_EQ(Menu().SelectedItem(), c.Item);
        Press({0});
        EXPECT_LT(Position("Kibbet").y, y);
    }
}

TEST_F(PauseTest, YesRestartsTheLevelOrReturnsToTheMainMenu)
{
    Press({kEscape, kDown, kEnter, kEnter});
    EXPECT_FALSE(core.Paused);
    EXPECT_EQ(Menu().CurrentPage(), PauseMenu::Closed);
    EXPECT_EQ(Find("Kibbet"), nullptr); // the level was loaded again from its (missing) file
    EXPECT_EQ(ScaleX("HUD_0_Plank"), 0.0f);

    Press({kEscape, kUp, kUp, kEnter, kEnter});
    EXPECT_FALSE(core.Paused);
    EXPECT_EQ(core.m_Audio->GetMusicFactor(), 1.0f);
    EXPECT_EQ(core.m_GameLogic->m_LevelManager.GetCurrentLevelName(), "Level_00_Menu");
}

TEST_F(PauseTest, AClosedMenuIgnoresKeysWhileSomethingElsePausesAndSkipsMissingObjects)
{
    core.Paused = true; // as the game-over screen does
    Press({kDown, kEnter, kEscape, kEnter});
    EXPECT_EQ(Menu().CurrentPage(), PauseMenu::Closed);
    EXPECT_EQ(ScaleX("HUD_Continue"), 0.0f);
    EXPECT_FALSE(core.Quit);
    core.Paused = false;

    Press({kEscape});
    core.m_Factory->UnloadHUD();
    Press({kDown, kUp, kEnter, kDown, kEnter, kEscape});
    EXPECT_EQ(Menu().CurrentPage(), PauseMenu::Main);
    EXPECT_TRUE(core.Paused);

    core.m_GameLogic->m_LevelManager.m_CurrentLevel->Unload();
    EXPECT_EQ(Menu().CurrentPage(), PauseMenu::Closed);
}

TEST(PauseProgram, EscapePausesAndRestartThenYesReloadsUnpaused)
{
    std::string path = testing::TempDir() + "/pause.rep";
    std::ofstream replay(path);
    replay << "kibbet-input 1\n";
    for (int frame = 0; frame < 70; ++frame) // the level's start walk ignores the keys
    {
        replay << "F1 K- P0:0:0:0\n";
    }
    replay << "F1 K1B P0:0:0:0\nF1 K- P0:0:0:0\n";
    replay.close();
    RunResult paused = RunGame("--headless --fixed-step --resources " + SourcePath("Resources") +
                               " --level Level_01 --replay " + path + " --frames 74 --dump-state");
    EXPECT_EQ(paused.Status, 0);
    EXPECT_NE(paused.Output.find("\"paused\":true,"), std::string::npos);
    EXPECT_NE(paused.Output.find("\"pause\":{\"page\":0,\"selected\":0}"), std::string::npos);

    replay.open(path, std::ios::app);
    replay << "F1 K28 P0:0:0:0\nF1 K- P0:0:0:0\nF1 K0D P0:0:0:0\nF1 K- P0:0:0:0\nF1 K0D P0:0:0:0\n";
    replay.close();
    RunResult restarted = RunGame("--headless --fixed-step --resources " + SourcePath("Resources") +
                                  " --level Level_01 --replay " + path + " --frames 80 --dump-state");
    EXPECT_EQ(restarted.Status, 0);
    EXPECT_NE(restarted.Output.find("\"paused\":false,"), std::string::npos);
    EXPECT_NE(restarted.Output.find("\"pause\":{\"page\":7,\"selected\":0}"), std::string::npos);
}
