#include "ui/PauseMenu.h"
#include "audio/Audio.h"
#include "gameflow/ILevel.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "tests/ui/UiFixture.h"
#include "ui/PauseComponent.h"
#include "ui/ScrollComponent.h"

#include <fstream>

using namespace Framework;

namespace
{
const std::vector<std::string> kMainItems = {"HUD_Continue",  "HUD_Restart",      "HUD_Options", "HUD_Credits",
                                             "HUD_HowToPlay", "HUD_ReturnToMain", "HUD_QuitGame"};

// A playable level without a file: only the heads-up display's objects, and a hero a test adds.
class PauseTest : public UiTest
{
protected:
    void SetUp() override
    {
        StartLevel("Level_Pause");
        core.m_Factory->CreateObject("Kibbet", "Kibbet");
    }
    PauseMenu& Menu()
    {
        return static_cast<Level_Generic*>(core.m_GameLogic->m_LevelManager.m_CurrentLevel)->m_PauseMenu;
    }
    bool Shown(const std::string& key)
    {
        GameObjectComposition* object = Find(key);
        const PauseComponent* pause = object->GetPauseComponent();
        Vec2 at = object->GetTransform()->Position;
        Vec2 centre = CAMERA.ScreenCentre();
        bool placed = at.x == centre.x + pause->m_OffsetX && at.y == centre.y + pause->m_OffsetY;
        return placed && object->GetTransform()->Scale.x == pause->m_SavedTransform.Scale.x && ScaleX(key) > 0.0f;
    }
};
} // namespace

TEST_F(PauseTest, ThePauseKeyOpensAndClosesTheMenuOverAFrozenWorld)
{
    EXPECT_EQ(Menu().m_MenuPage, PauseMenu::Closed);
    EXPECT_EQ(Menu().m_MenuSelected, 0);
    for (const std::string& key : kMainItems)
    {
        EXPECT_EQ(ScaleX(key), 0.0f) << key;
    }
    Press({kEscape});
    ASSERT_TRUE(core.Paused);
    EXPECT_EQ(Menu().m_MenuPage, PauseMenu::MainPage);
    for (const std::string& key : kMainItems)
    {
        EXPECT_TRUE(Shown(key)) << key;
    }
    EXPECT_TRUE(Shown("HUD_0_Plank"));
    EXPECT_EQ(Position("HUD_Z_Bees").y, Position("HUD_Continue").y);
    EXPECT_EQ(ScaleX("HUD_Yes"), 0.0f);
    float y = Position("Kibbet").y;
    Press({kDown, kDown});
    // The duck lasts while paused: the Audio system's per-frame refresh keeps it.
    EXPECT_FLOAT_EQ(core.m_Audio->GetMusicFactor(), 0.3f);
    EXPECT_EQ(Position("Kibbet").y, y);
    EXPECT_EQ(Menu().m_MenuSelected, 2);
    EXPECT_EQ(Position("HUD_Z_Bees").y, Position("HUD_Options").y);
    Press({kEscape});
    EXPECT_FALSE(core.Paused);
    EXPECT_EQ(core.m_Audio->GetMusicFactor(), 1.0f);
    EXPECT_EQ(ScaleX("HUD_Continue"), 0.0f);
    Press({0});
    EXPECT_LT(Position("Kibbet").y, y);
}

TEST_F(PauseTest, EachPageOpensWithItsPicturesAndBackReturnsToTheMainPage)
{
    struct Case
    {
        std::vector<int> Keys; // after opening the menu
        int Page;
        std::vector<std::string> Pictures;
    };
    for (const Case& c : {Case{{kDown, kEnter}, 6, {"HUD_Yes", "HUD_No", "HUD_ConfirmQuit", "HUD_0_Credit_Plank"}},
                          Case{{kDown, kDown, kEnter}, 1, {"HUD_ToggleFullscreen", "HUD_ToggleSound"}},
                          Case{{kDown, kDown, kDown, kEnter}, 2, {"HUD_Z_TeamCredits", "HUD_0_Credit_Plank"}},
                          Case{{kUp, kUp, kUp, kEnter}, 3, {"HUD_UI_HowToPlay"}},
                          Case{{kUp, kUp, kEnter}, 4, {"HUD_Yes", "HUD_No"}}, Case{{kUp, kEnter}, 5, {"HUD_Yes"}}})
    {
        SCOPED_TRACE(c.Page);
        Press({kEscape});
        for (int key : c.Keys)
        {
            Press({key});
        }
        EXPECT_EQ(Menu().m_MenuPage, c.Page);
        EXPECT_TRUE(core.Paused);
        EXPECT_EQ(ScaleX("HUD_Continue"), 0.0f);
        for (const std::string& key : c.Pictures)
        {
            EXPECT_TRUE(Shown(key)) << key;
        }
        ScrollComponent& credits = *Find("HUD_Z_TeamCredits")->GetScrollComponent();
        EXPECT_EQ(credits.m_Scroll, c.Page == 2);
        if (c.Page == 1 || c.Page >= 4)
        {
            Press({kDown});
            EXPECT_EQ(Menu().m_MenuSelected, 1);
            EXPECT_EQ(Position("HUD_Z_Bees").y, Position(c.Page == 1 ? "HUD_ToggleSound" : "HUD_No").y);
        }
        Press({c.Page >= 4 ? kEnter : kEscape}); // "No" or back
        EXPECT_EQ(Menu().m_MenuPage, PauseMenu::MainPage);
        EXPECT_EQ(Menu().m_MenuSelected, 0);
        EXPECT_TRUE(Shown("HUD_Continue"));
        EXPECT_EQ(ScaleX(c.Pictures.front()), 0.0f);
        EXPECT_FALSE(credits.m_Scroll);
        EXPECT_EQ(credits.ViewTop(), credits.m_BaseRect.m_UVTopLeft.y);
        Press({kEnter}); // continue
        EXPECT_FALSE(core.Paused);
    }
}

TEST_F(PauseTest, TheConfirmationsRestartReturnAndQuit)
{
    bool fullscreen = core.m_Graphics->m_Fullscreen;
    Press({kEscape, kDown, kDown, kEnter, kEnter, kDown, kEnter});
    EXPECT_NE(core.m_Graphics->m_Fullscreen, fullscreen);
    EXPECT_EQ(core.m_Audio->MasterVolume, 0.0f);
    Press({kEscape, kEscape});
    ASSERT_FALSE(core.Paused);

    Press({kEscape, kDown, kEnter, kEnter});
    EXPECT_FALSE(core.Paused);
    EXPECT_EQ(Menu().m_MenuPage, PauseMenu::Closed);
    EXPECT_EQ(Find("Kibbet"), nullptr); // the level was loaded again from its (missing) file
    EXPECT_EQ(ScaleX("HUD_0_Plank"), 0.0f);

    Press({kEscape, kUp, kEnter, kEnter});
    EXPECT_TRUE(core.Quit);
    core.Quit = false;
    core.Paused = false;
    Press({kEscape});
    Press({kUp, kUp, kEnter, kEnter});
    EXPECT_FALSE(core.Paused);
    EXPECT_EQ(core.m_GameLogic->m_LevelManager.GetCurrentLevelName(), "Level_00_Menu");
}

TEST_F(PauseTest, TheCreditsScrollOneStepAFrameAtMost)
{
    Press({kEscape, kDown, kDown, kDown, kEnter});
    ScrollComponent& credits = *Find("HUD_Z_TeamCredits")->GetScrollComponent();
    float top = credits.ViewTop();
    for (int i = 0; i < 20; ++i)
    {
        Frame({}, 1.0f);
    }
    EXPECT_NEAR(credits.ViewTop() - top, 20 * credits.m_Step, 1e-5f);
}

TEST_F(PauseTest, AClosedMenuIgnoresKeysWhileSomethingElsePausesAndSkipsMissingObjects)
{
    core.Paused = true; // as the game-over screen does
    Press({kDown, kEnter, kEscape, kEnter});
    EXPECT_EQ(Menu().m_MenuPage, PauseMenu::Closed);
    EXPECT_TRUE(Menu().m_MenuItems.empty());
    EXPECT_FALSE(core.Quit);
    core.Paused = false;

    Press({kEscape});
    core.m_Factory->UnloadHUD();
    Press({kDown, kUp, kEnter, kDown, kEnter, kEscape});
    EXPECT_EQ(Menu().m_MenuPage, PauseMenu::MainPage);
    EXPECT_EQ(Menu().m_MenuItems, std::vector<GameObjectComposition*>(kMainItems.size(), nullptr));

    core.m_GameLogic->m_LevelManager.m_CurrentLevel->Unload();
    EXPECT_TRUE(Menu().m_MenuItems.empty());
    EXPECT_EQ(Menu().m_MenuPage, PauseMenu::Closed);
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
