#include "audio/Audio.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "tests/ui/UiFixture.h"
#include "ui/PauseComponent.h"
#include "ui/ScrollComponent.h"

using namespace Framework;

namespace
{
// A page as a player reaches it from the first page and sees it: the object that shows it (a backdrop the
// main menu's camera turns to, or a pause picture) and its items from top to bottom.
struct PageWay
{
    std::vector<int> Keys;
    std::string Shows;
    std::vector<std::string> Items;
};

// The main menu and the pause menu, seen by the player.
struct MenuLayout
{
    const char* Level;
    std::vector<int> Open; // keys that show the first page
    PageWay First, HowToPlay, Options, Credits, Confirm;
    const char* Cursor;
    const char* Roll;
};

const MenuLayout kMainMenu{"Level_00_Menu",
                           {},
                           {{}, "MainScreen", {"Beegin", "HowToPlay", "Options", "Credits", "Exit"}},
                           {{kDown, kEnter}, "HowToPlayScreen", {}},
                           {{kDown, kDown, kEnter},
                            "OptionsScreen",
                            {"Resolution", "Options_Sound", "Toggle_Fullscreen", "Toggle_Sound", "ReturnToMain"}},
                           {{kDown, kDown, kDown, kEnter}, "CreditsScreen", {}},
                           {{kUp, kEnter}, "ConfirmationScreen", {"Yes", "No"}},
                           "Z_Bees",
                           "Z_TeamCredits"};
const MenuLayout kPauseMenu{
    "Level_Pause",
    {kEscape},
    {{},
     "HUD_Continue",
     {"HUD_Continue", "HUD_Restart", "HUD_Options", "HUD_Credits", "HUD_HowToPlay", "HUD_ReturnToMain",
      "HUD_QuitGame"}},
    {{kUp, kUp, kUp, kEnter}, "HUD_UI_HowToPlay", {}},
    {{kDown, kDown, kEnter}, "HUD_ToggleFullscreen", {"HUD_ToggleFullscreen", "HUD_ToggleSound"}},
    {{kDown, kDown, kDown, kEnter}, "HUD_Z_TeamCredits", {}},
    {{kUp, kEnter}, "HUD_Yes", {"HUD_Yes", "HUD_No"}},
    "HUD_Z_Bees",
    "HUD_Z_TeamCredits"};

class MenuPageTest : public UiTest, public testing::WithParamInterface<std::string>
{
protected:
    void SetUp() override
    {
        StartLevel(Layout().Level);
        Press(Layout().Open);
    }
    const MenuLayout& Layout() const { return GetParam() == kMainMenu.Level ? kMainMenu : kPauseMenu; }
    void Press(const std::vector<int>& sequence)
    {
        for (int key : sequence)
        {
            UiTest::Press({key});
        }
    }
    bool Shown(const std::string& key)
    {
        GameObjectComposition* object = Find(key);
        const PauseComponent* pause = object->GetPauseComponent();
        if (pause == nullptr)
        {
            return CAMERA.m_Target == object && Position("0_MainMenu").x == Position(key).x;
        }
        Vec2 centre = CAMERA.ScreenCentre();
        return Position(key).x == centre.x + pause->m_OffsetX && Position(key).y == centre.y + pause->m_OffsetY &&
               ScaleX(key) == pause->m_SavedTransform.Scale.x && ScaleX(key) > 0.0f;
    }
    bool CursorOn(const std::string& item) { return Position(Layout().Cursor).y == Position(item).y; }
    ScrollComponent& Roll() { return *Find(Layout().Roll)->GetScrollComponent(); }
};
} // namespace

INSTANTIATE_TEST_SUITE_P(BothMenus, MenuPageTest, testing::Values(kMainMenu.Level, kPauseMenu.Level),
                         [](const testing::TestParamInfo<std::string>& menu)
                         { return menu.param == kMainMenu.Level ? "Main" : "Pause"; });

TEST_P(MenuPageTest, UpAndDownOnTheFirstPageWrapThroughEveryItem)
{
    const std::vector<std::string>& items = Layout().First.Items;
    EXPECT_TRUE(CursorOn(items.front()));
    for (size_t i = 1; i <= items.size(); ++i)
    {
        Press({kDown});
        EXPECT_TRUE(CursorOn(items[i % items.size()])) << i;
    }
    Press({kUp});
    EXPECT_TRUE(CursorOn(items.back()));
}

TEST_P(MenuPageTest, EachPageOpensFromTheFirstAndBackReturns)
{
    for (const PageWay* page : {&Layout().HowToPlay, &Layout().Options, &Layout().Credits, &Layout().Confirm})
    {
        SCOPED_TRACE(page->Shows);
        Press(page->Keys);
        EXPECT_TRUE(Shown(page->Shows));
        EXPECT_FALSE(Shown(Layout().First.Shows));
        EXPECT_EQ(Roll().m_Scroll, page == &Layout().Credits);
        if (!page->Items.empty())
        {
            EXPECT_TRUE(CursorOn(page->Items[0]));
            Press({kDown});
            EXPECT_TRUE(CursorOn(page->Items[1]));
        }
        Press({kEscape});
        EXPECT_TRUE(Shown(Layout().First.Shows));
        EXPECT_FALSE(Shown(page->Shows));
        EXPECT_TRUE(CursorOn(Layout().First.Items.front()));
        EXPECT_FALSE(Roll().m_Scroll);
        EXPECT_EQ(Roll().ViewTop(), Roll().m_BaseRect.m_UVTopLeft.y);
    }
}

TEST_P(MenuPageTest, TheCreditsScrollOneStepAFrameAtMost)
{
    Press(Layout().Credits.Keys);
    float top = Roll().ViewTop();
    for (int i = 0; i < 20; ++i)
    {
        Frame({}, 1.0f);
    }
    EXPECT_NEAR(Roll().ViewTop() - top, 20 * Roll().m_Step, 1e-5f);
}

TEST_P(MenuPageTest, OptionsToggleFullScreenAndSound)
{
    const std::vector<std::string>& items = Layout().Options.Items;
    Press(Layout().Options.Keys);
    bool fullscreen = core.m_Graphics->m_Fullscreen;
    for (size_t i = 0; items[i].find("Fullscreen") == std::string::npos; ++i)
    {
        Press({kDown});
    }
    Press({kEnter});
    EXPECT_NE(core.m_Graphics->m_Fullscreen, fullscreen);
    Press({kDown, kEnter});
    EXPECT_EQ(core.m_Audio->MasterVolume, 0.0f);
    EXPECT_TRUE(Shown(Layout().Options.Shows));
}

TEST_P(MenuPageTest, ConfirmationNoReturnsAndYesQuits)
{
    Press(Layout().Confirm.Keys);
    Press({kDown, kEnter});
    EXPECT_TRUE(Shown(Layout().First.Shows));
    EXPECT_FALSE(core.Quit);
    Press(Layout().Confirm.Keys);
    Press({kEnter});
    EXPECT_TRUE(core.Quit);
}
