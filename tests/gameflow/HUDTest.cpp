#include "gameflow/HUD.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/ILevel.h"
#include "tests/actors/HeroLevelFixture.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace Framework;

namespace
{
// The running game's session.
GameSession& S()
{
    return CORE->m_GameLogic->Session();
}

std::string Digit(int d)
{
    return "Char_" + std::to_string(d);
}
} // namespace

TEST_F(HeroLevelTest, EachDeathMarksOneHeadAndTwoDeathsInOneFrameCostOneLife)
{
    struct Death
    {
        int LivesAfter;
        const char* DeadHead;
    };
    for (Death d : {Death{2, "HUD_Head_3"}, Death{1, "HUD_Head_2"}, Death{0, "HUD_Head_1"}})
    {
        EXPECT_EQ(LoseLife(S()), d.LivesAfter);
        EXPECT_EQ(LoseLife(S()), d.LivesAfter) << "a second death in the same frame";
        EXPECT_EQ(Shown(d.DeadHead), "dead");
        Frame();
    }
    EXPECT_EQ(Shown("HUD_Head_1"), "dead");

    // Laid out again mid-level, the display shows three heads and "00" until the values next change.
    CollectPollen(S());
    RefreshHUD(S());
    for (const char* head : {"HUD_Head_1", "HUD_Head_2", "HUD_Head_3"})
    {
        EXPECT_EQ(Shown(head), "default");
    }
    EXPECT_EQ(Shown("HUD_LeftNumber_2"), Digit(0));
    EXPECT_EQ(S().Level().Lives, 0);
}

TEST_F(HeroLevelTest, PollenCountsShowAsTwoDigits)
{
    EXPECT_EQ(S().Level().PollenTotal, 12);
    EXPECT_EQ(Shown("HUD_RightNumber_1"), Digit(1));
    EXPECT_EQ(Shown("HUD_RightNumber_2"), Digit(2));
    EXPECT_EQ(Shown("HUD_Slash"), "Char_Slash");
    struct Step
    {
        int Collected;
        int Tens, Units;
    };
    for (Step s : {Step{1, 0, 1}, Step{9, 0, 9}, Step{10, 1, 0}, Step{42, 4, 2}, Step{99, 9, 9}, Step{130, 9, 9}})
    {
        while (S().Level().PollenCollected < s.Collected)
        {
            CollectPollen(S());
        }
        EXPECT_EQ(Shown("HUD_LeftNumber_1"), Digit(s.Tens)) << s.Collected;
        EXPECT_EQ(Shown("HUD_LeftNumber_2"), Digit(s.Units)) << s.Collected;
    }

    // Seven pollen: the tens digit shows a zero, not a blank.
    for (int i = 0; i < 5; ++i)
    {
        core.m_Factory->DestroyObject(Object("Pollen_0" + std::to_string(i)));
    }
    Frame();
    ResetHUD(S());
    EXPECT_EQ(S().Level().PollenCollected, 0);
    EXPECT_EQ(Shown("HUD_RightNumber_1"), Digit(0));
    EXPECT_EQ(Shown("HUD_RightNumber_2"), Digit(7));
}

TEST_F(HeroLevelTest, BarsRelightInOrderAndTheMeterIsFullAfterOnePointThreeSeconds)
{
    auto lit = [this]()
    {
        std::vector<bool> bars;
        for (int n = 1; n <= kEnergyBarCount; ++n)
        {
            bars.push_back(Shown("HUD_Bar_" + std::to_string(n)) == "default");
        }
        return bars;
    };
    EmptyBars(S());
    EXPECT_EQ(lit(), std::vector<bool>(7, false));
    float t = 0.0f;
    int previous = 0;
    while (S().Level().BarRefillActive && t < 2.0f)
    {
        RefillBars(S(), kFrame);
        t += kFrame;
        std::vector<bool> bars = lit();
        int count = static_cast<int>(std::count(bars.begin(), bars.end(), true));
        EXPECT_TRUE(std::is_sorted(bars.begin(), bars.end(), std::greater<>())) << "bars light from the first";
        EXPECT_EQ(count, std::min(7, static_cast<int>(t / 0.1875f))) << t;
        EXPECT_GE(count, previous);
        previous = count;
    }
    EXPECT_NEAR(t, 1.3125f, kFrame);
    EXPECT_EQ(lit(), std::vector<bool>(7, true));

    // One long frame lights every bar whose time has passed, and the refill ends.
    EmptyBars(S());
    RefillBars(S(), 2.0f);
    EXPECT_EQ(lit(), std::vector<bool>(7, true));
    EXPECT_FALSE(S().Level().BarRefillActive);
}

// Without the display objects the values are still reset at a level start; the bars are looked up by name, so
// the meter never touches destroyed objects.
TEST_F(HeroLevelTest, ValuesResetWithoutTheDisplayAndTheMeterSurvivesItsRemoval)
{
    EmptyBars(S());
    core.m_Factory->UnloadHUD();
    EXPECT_FALSE(HudLoaded);
    RefillBars(S(), 1.0f);
    EmptyBars(S());
    LoseLife(S());
    LoseLife(S());
    Frame();
    LoseLife(S());
    S().Level().Lives = -4;
    S().Level().PollenCollected = 5;
    ResetHUD(S());
    EXPECT_EQ(S().Level().Lives, 3);
    EXPECT_EQ(S().Level().PollenCollected, 0);
    EXPECT_EQ(S().Level().PollenTotal, 12);
}

TEST_F(HeroLevelTest, ARestartedLevelStartsWithFullLivesAndItsCheckpointAtTheHero)
{
    HeroPlace().Position = {900.0f, 300.0f};
    LoseLife(S());
    core.m_GameLogic->m_LevelManager.RestartLevel();
    EXPECT_EQ(S().Level().Lives, 3);
    EXPECT_EQ(Shown("HUD_Head_3"), "default");
    Vec2 checkpoint = core.m_GameLogic->m_LevelManager.m_CurrentLevel->m_Checkpoint;
    EXPECT_EQ(checkpoint.x, 0.0f);
    EXPECT_EQ(checkpoint.y, -168.0f);
    EXPECT_EQ(Object("HUD_Head_1")->GetTransform()->Position.x, CAMERA.ScreenCentre().x - 600.0f);
}
