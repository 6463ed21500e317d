#include "actors/BearBehaviour.h"
#include "gameflow/BossArena.h"
#include "gameflow/EnemyTriggers.h"
#include "gameflow/HUD.h"
#include "tests/actors/EnemyLevelFixture.h"

#include <cmath>

using namespace Framework;

namespace
{
using State = BearBehaviour::State;

// A bear in the enemy fixture, placed 260 units right of the hero (its home is 235 units left of that).
class BearTest : public EnemyLevelTest
{
protected:
    void SetUp() override
    {
        EnemyLevelTest::SetUp();
        bear = Place("Bear", 260.0f, 150.0f);
    }

    // The bear kills a hero in its way; the fight goes on without a game over.
    void FightFrame()
    {
        core.m_GameLogic->Session().Level().Lives = 3;
        Frame();
    }
    BearBehaviour& Bear() { return *Actor(bear).As<BearBehaviour>(); }
    // Runs game frames until the bear's action is the one given; the number of frames it took.
    int RunUntil(State state, int limit = 900)
    {
        int frames = 0;
        for (; Action(bear) != static_cast<int>(state) && frames < limit; ++frames)
        {
            FightFrame();
        }
        return frames;
    }
    // The bear notices the hero, introduces itself, waits and walks left towards it.
    void StartFight()
    {
        ASSERT_LT(RunUntil(State::Introduction), 5);
        EXPECT_FALSE(core.m_GameLogic->PlayerControl()) << "the hero stands still while the bear shows itself";
        ASSERT_LT(RunUntil(State::WalkLeft), 900);
        EXPECT_TRUE(core.m_GameLogic->PlayerControl());
        EXPECT_FALSE(core.m_GameLogic->Session().Level().RespawnPanEnabled) << "the arena's view must not move";
    }

    GameObjectComposition* bear = nullptr;
};
} // namespace

TEST_F(BearTest, ATrapCutsAnAttackShortAndTheNextOneWindsUpInFull)
{
    StartFight();
    ASSERT_LT(RunUntil(State::Attack), 900);
    Frames(20);
    Bear().Catch();
    ASSERT_LT(RunUntil(State::Attack), 900);
    EXPECT_EQ(Started("SFX_Bear_Attack_Swipe"), 1) << "only the introduction's: the cut-short attack never swiped";
    int windUp = 0;
    for (; Started("SFX_Bear_Attack_Swipe") == 1 && windUp < 120; ++windUp)
    {
        FightFrame();
    }
    EXPECT_EQ(windUp, 58) << "a full second of wind-up";
}

TEST_F(BearTest, TheRoarShowsWhileItSoundsAndTheChargeRunsAtTheRaisedSpeed)
{
    StartFight();
    ASSERT_LT(RunUntil(State::Roar), 900);
    // The hero steps out of the charge's way.
    Place(Object("Kibbet")) = {-400.0f, 82.0f};
    Frames(30);
    EXPECT_EQ(Action(bear), static_cast<int>(State::Roar));
    EXPECT_EQ(Shown(bear).rfind("roar", 0), 0u) << Shown(bear);
    EXPECT_EQ(Started("SFX_Bear_Angry"), 1);
    ASSERT_LT(RunUntil(State::Charge), 900);
    Frames(2);
    EXPECT_EQ(Shown(bear).rfind("move", 0), 0u) << Shown(bear);
    EXPECT_EQ(std::fabs(bear->GetBody()->m_Velocity.x), 150.0f + 400.0f);
}

TEST_F(BearTest, ATrapCatchesTheBearOncePerClosingAndKeepsItsTimeForLaterClosings)
{
    StartFight();
    GameObjectComposition* trap = Place("Trap", Place(bear).x, 112.0f);
    Touch(trap, bear);
    Touch(trap, bear);
    EXPECT_EQ(Action(bear), static_cast<int>(State::Caught));
    EXPECT_EQ(trap->GetTrapTrigger()->m_TrapTimer, BearTrapSeconds);
    EXPECT_EQ(Started("SFX_Trap_Close"), 1);
    Frame();
    EXPECT_EQ(Bear().Lives(), 2);
    ASSERT_LT(RunUntil(State::Retreat), 900);
    ASSERT_LT(RunUntil(State::Recover), 900);
    EXPECT_EQ(Place(bear).x, Bear().Home().x) << "it stops at home, not past it";

    // 15 s later the trap opens, free to catch the bear again.
    for (int i = 0; i < 900 && trap->GetTrapTrigger()->m_Triggered; ++i)
    {
        Step(trap);
    }
    EXPECT_FALSE(trap->GetTrapTrigger()->m_Triggered);
}

TEST_F(BearTest, TheThirdCatchKillsTheBearAndOpensTheArena)
{
    Place("Blocker", -300.0f, 0.0f, "1Blocker");
    Place("Blocker", 700.0f, 0.0f, "2Blocker");
    StartFight();
    EXPECT_EQ(Place(Object("1Blocker")).y, BlockerClosedY);
    for (int lives = 3; lives > 0; --lives)
    {
        Bear().Catch();
        Frame();
        EXPECT_EQ(Bear().Lives(), lives - 1);
    }
    EXPECT_EQ(Action(bear), static_cast<int>(State::Death));
    for (int i = 0; i < 600 && Object("Bear") != nullptr; ++i)
    {
        Frame();
    }
    EXPECT_EQ(Object("Bear"), nullptr);
    EXPECT_EQ(Object("1Blocker"), nullptr);
    EXPECT_EQ(Object("2Blocker"), nullptr);
    EXPECT_TRUE(core.m_GameLogic->Session().Level().RespawnPanEnabled);
    EXPECT_GE(Started("SFX_Bear_Death_VO"), 1);
}
