#include "gameflow/EnemyTriggers.h"
#include "graphics/ResourceManager.h"
#include "tests/actors/EnemyLevelFixture.h"

using namespace Framework;

namespace
{
// A bear in the enemy fixture, past its introduction, walking left towards the hero at x 0.
class BearTest : public EnemyLevelTest
{
protected:
    void SetUp() override
    {
        EnemyLevelTest::SetUp();
        bear = Place("Bear", 260.0f, 150.0f);
        Controller& controller = Actor(bear);
        controller.m_Animator.m_Object = bear;
        controller.m_Home = {260.0f, 150.0f};
        controller.m_RangeOfAction = 200.0f;
        controller.m_RangeOfHomingSquared = 40000.0f;
        controller.m_BearHits = 3;
        controller.m_BearWait = 1.0f;
        controller.m_Action = BearWalkLeft;
    }

    // Runs game frames until the bear's action is the one given; the number of frames it took.
    int RunUntil(int action, int limit = 900)
    {
        int frames = 0;
        for (; Actor(bear).m_Action != action && frames < limit; ++frames)
        {
            Frame();
        }
        return frames;
    }

    GameObjectComposition* bear = nullptr;
};
} // namespace

TEST_F(BearTest, EveryAttackWindsUpWithItsVoiceEvenAfterOneATrapCutShort)
{
    Controller& controller = Actor(bear);
    ASSERT_LT(RunUntil(BearAttack), 900);
    EXPECT_EQ(controller.m_PreviousAction, BearWalkLeft);
    ASSERT_LT(RunUntil(BearAfterAttack), 900);
    EXPECT_EQ(Started("SFX_Bear_Attack_VO_01"), 1);
    EXPECT_EQ(Started("SFX_Bear_Attack_Swipe"), 1);

    // Cut short by a trap in the middle of the wind-up.
    controller.m_Action = BearAttack;
    Frames(20);
    EXPECT_GT(controller.m_AttackTimer[0], 0.0f);
    EXPECT_EQ(Started("SFX_Bear_Attack_VO_01"), 2);
    controller.m_Action = BearCaught;
    controller.m_BearTimer = 0.0f;
    Frame();
    EXPECT_EQ(controller.m_AttackTimer[0], 0.0f);
    EXPECT_EQ(controller.m_AttackTimer[1], 0.0f);
    EXPECT_FALSE(controller.m_AttackVoicePlayed);

    controller.m_Action = BearAttack;
    Frame();
    EXPECT_GT(controller.m_AttackTimer[0], 0.9f) << "a full wind-up";
    // The voice is asked for again (it only restarts once the cut-short one has finished sounding).
    EXPECT_TRUE(controller.m_AttackVoicePlayed);
}

TEST_F(BearTest, TheRoarShowsWhileItSoundsAndTheChargeRunsAtTheRaisedSpeed)
{
    Controller& controller = Actor(bear);
    const float speed = controller.m_Speed;
    ASSERT_LT(RunUntil(BearRoar), 900);
    // The hero steps out of the charge's way.
    Place(Object("Kibbet")) = {-400.0f, 82.0f};
    Frames(30);
    EXPECT_EQ(controller.m_Action, BearRoar);
    EXPECT_EQ(Shown(bear).rfind("roar", 0), 0u) << Shown(bear);
    EXPECT_EQ(Started("SFX_Bear_Angry"), 1);
    ASSERT_LT(RunUntil(BearCharge), 900);
    Frames(2);
    EXPECT_EQ(Shown(bear).rfind("move", 0), 0u) << Shown(bear);
    EXPECT_EQ(controller.m_Speed, speed + 400.0f);
    ASSERT_LT(RunUntil(BearWait), 900);
    EXPECT_EQ(controller.m_Speed, speed);
    EXPECT_EQ(controller.m_RangeOfAction, 200.0f);
}

TEST_F(BearTest, ATrapCatchesTheBearOncePerClosingAndKeepsItsTimeForLaterClosings)
{
    GameObjectComposition* trap = Place("Trap", 260.0f, 112.0f);
    Touch(trap, bear);
    Touch(trap, bear);
    Controller& controller = Actor(bear);
    EXPECT_EQ(controller.m_Action, BearCaught);
    EXPECT_EQ(trap->GetTrapTrigger()->m_TrapTimer, BearTrapSeconds);
    EXPECT_TRUE(Actor(trap).m_TrapClosed);
    EXPECT_EQ(Started("SFX_Trap_Close"), 1);

    Frame();
    EXPECT_EQ(controller.m_BearHits, 2);
    EXPECT_EQ(controller.m_Speed, 100.0f);
    EXPECT_EQ(controller.m_RangeOfAction, 300.0f);
    ASSERT_LT(RunUntil(BearRetreat), 900);
    ASSERT_LT(RunUntil(BearRecover), 900);
    EXPECT_EQ(Place(bear).x, controller.m_Home.x) << "it stops at home, not past it";

    // 15 s later the trap opens, free to catch the bear again.
    for (int i = 0; i < 900 && Actor(trap).m_TrapClosed; ++i)
    {
        UpdateBehavior(Actor(trap), kFrame);
    }
    EXPECT_FALSE(trap->GetTrapTrigger()->m_Triggered);
}

TEST_F(BearTest, TheThirdCatchKillsTheBearAndOpensTheArena)
{
    GameObjectComposition* first = Place("Blocker", -300.0f, 400.0f, "1Blocker");
    GameObjectComposition* second = Place("Blocker", 700.0f, 400.0f, "2Blocker");
    Controller& controller = Actor(bear);
    controller.m_Blockers[0] = first;
    controller.m_Blockers[1] = second;
    core.m_GameLogic->BossIntroductionEnded();
    for (int hits = 3; hits > 0; --hits)
    {
        controller.m_Action = BearCaught;
        controller.m_BearTimer = 0.0f;
        Frame();
        EXPECT_EQ(controller.m_BearHits, hits - 1);
    }
    EXPECT_EQ(controller.m_Action, BearDeath);
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

TEST_F(BearTest, TheCubStandsHalfAsTallAsTheBearAtTheScaleOfTheClosingScene)
{
    ResourceManager& resources = *core.m_ResourceManager;
    EXPECT_EQ(resources.GetDimensions("Cub").Height * 0.2f, resources.GetDimensions("Bear").Height * 0.5f);
}
