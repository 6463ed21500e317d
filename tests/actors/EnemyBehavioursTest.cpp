#include "actors/EnemyBehaviours.h"
#include "gameflow/HUD.h"
#include "tests/actors/EnemyLevelFixture.h"

#include <algorithm>
#include <cmath>
#include <set>

using namespace Framework;

TEST_F(EnemyLevelTest, AWaspPatrolsBetweenItsReverseVolumesWhileTheHeroIsAway)
{
    GameObjectComposition* wasp = Object("Wasp");
    float lowest = Place(wasp).x;
    float highest = lowest;
    for (int i = 0; i < 1000; ++i)
    {
        Frame();
        lowest = std::min(lowest, Place(wasp).x);
        highest = std::max(highest, Place(wasp).x);
    }
    EXPECT_GT(lowest, 200.0f);
    EXPECT_LT(highest, 600.0f);
    EXPECT_LT(lowest, 300.0f) << "it reached the left volume";
    EXPECT_GT(highest, 500.0f) << "it reached the right volume";
}

TEST_F(EnemyLevelTest, AReverseVolumeTurnsAnActorOnceHoweverOftenItReportsTheTouch)
{
    Controller& wasp = Actor(Object("Wasp"));
    const float speed = wasp.m_InitialVelocity;
    const auto first = reinterpret_cast<std::uintptr_t>(Object("Reverse_Left"));
    const auto second = reinterpret_cast<std::uintptr_t>(Object("Reverse_Right"));
    struct Case
    {
        std::uintptr_t Trigger;
        float Expected;
    };
    for (const Case& c : {Case{first, -speed}, Case{first, -speed}, Case{first, -speed}, Case{second, speed},
                          Case{second, speed}, Case{first, -speed}})
    {
        ReverseDirection(wasp, c.Trigger);
        EXPECT_EQ(wasp.m_InitialVelocity, c.Expected);
        EXPECT_EQ(wasp.m_MoveVelocity.x, c.Expected);
    }
}

TEST_F(EnemyLevelTest, AWaspChasesTheVisibleHeroAndFliesBackWhenItHidesOrLeaves)
{
    GameObjectComposition* wasp = Object("Wasp");
    Controller& controller = Actor(wasp);
    Place(Object("Kibbet")) = {Place(wasp).x, Place(wasp).y - 200.0f};
    Frame();
    EXPECT_EQ(controller.m_Action, ActionChase);
    const Vec2 start = controller.m_Home;
    Frames(20);
    EXPECT_EQ(controller.m_Action, ActionChase);
    EXPECT_EQ(Started("SFX_Wasp_Angry"), 1);

    // Hidden in a hiding place the hero is not seen, even right under the wasp.
    core.m_GameLogic->m_HeroHidden = true;
    UpdateBehavior(controller, kFrame);
    EXPECT_EQ(controller.m_Action, ActionReturnHome);

    // Far enough to be out of range, near enough to keep the wasp in the region that moves.
    Place(Object("Kibbet")) = {-150.0f, 82.0f};
    for (int i = 0; i < 300 && controller.m_Action == ActionReturnHome; ++i)
    {
        Frame();
    }
    EXPECT_EQ(controller.m_Action, ActionMoveRight) << "it resumes the patrol the chase interrupted";
    EXPECT_EQ(Place(wasp).x, start.x);
    EXPECT_EQ(Place(wasp).y, start.y);
    EXPECT_EQ(controller.m_MoveVelocity.x, controller.m_InitialVelocity);
    EXPECT_EQ(Started("SFX_Wasp_Angry"), 1);
}

TEST_F(EnemyLevelTest, AFastActorArrivesHomeAndAtPathPointsInsteadOfCirclingThem)
{
    Controller& wasp = Actor(Object("Wasp"));
    wasp.m_Action = ActionReturnHome;
    wasp.m_PreviousAction = ActionMoveLeft;
    wasp.m_Speed = 900.0f; // 15 units a frame
    Place(Object("Wasp")) = {wasp.m_Home.x + 203.0f, wasp.m_Home.y - 71.0f};
    for (int i = 0; i < 40 && wasp.m_Action == ActionReturnHome; ++i)
    {
        Frame();
    }
    EXPECT_EQ(wasp.m_Action, ActionMoveLeft);

    // Left of the hero, away from the reverse volumes.
    GameObjectComposition* pathWasp = Place("Wasp_Path", -500.0f, 300.0f);
    Controller& path = Actor(pathWasp);
    path.m_InitialVelocity = 900.0f;
    std::set<unsigned> visited;
    for (int i = 0; i < 200; ++i)
    {
        Frame();
        visited.insert(path.m_PathIndex);
    }
    // Index 3 is the leg home that closes the loop.
    EXPECT_EQ(visited, (std::set<unsigned>{0, 1, 2, 3})) << "it goes round its path and home";

    // A path of one point is a there-and-back track: it must not stop at the far end.
    path.m_PathVector = {{200.0f, 0.0f, 0.0f}};
    path.m_PathIndex = 0;
    Place(pathWasp) = path.m_Home;
    float nearest = 1e9f;
    for (int i = 0; i < 60; ++i)
    {
        Frame();
        nearest = std::min(nearest, std::fabs(Place(pathWasp).x - path.m_Home.x));
        if (i == 20)
        {
            nearest = 1e9f; // it has reached the far end by now
        }
    }
    EXPECT_LT(nearest, 1.0f) << "it came home again";
}

TEST_F(EnemyLevelTest, AnActorStandingOnTheHeroHoldsStillInsteadOfFlyingOffAsNaN)
{
    GameObjectComposition* wasp = Object("Wasp");
    Place(Object("Kibbet")) = Place(wasp);
    CurrentHero = Object("Kibbet");
    Actor(wasp).m_HomingSpeed = 170.0f;
    Chase(Actor(wasp));
    EXPECT_EQ(wasp->GetBody()->m_Velocity.x, 0.0f);
    EXPECT_EQ(wasp->GetBody()->m_Velocity.y, 0.0f);
}

TEST_F(EnemyLevelTest, AHitEnemyTumblesForFourTenthsOfASecondThenResumes)
{
    struct Case
    {
        const char* Type;
        Vec2 Velocity;
        Vec2 Knock;
        bool Spins;
        bool Bounces;
    };
    const Case cases[] = {
        // A moving enemy goes back at 18 times its speed and spins; a still one flies off at 10 times the offset.
        {"Wasp_1", {50.0f, -10.0f}, {-900.0f, 180.0f}, true, false},
        {"Wasp_1", {0.0f, 0.0f}, {500.0f, 2180.0f}, true, false},
        // The king wasp goes back at 4 times its speed without spinning and bounces the hero.
        {"KingWasp", {50.0f, -10.0f}, {-200.0f, 40.0f}, false, true},
    };
    for (const Case& c : cases)
    {
        GameObjectComposition* enemy = Place(c.Type, 50.0f, 300.0f);
        Controller& controller = Actor(enemy);
        const int kind = controller.m_Behavior;
        enemy->GetBody()->m_Velocity = {c.Velocity.x, c.Velocity.y, 0.0f};
        core.m_GameLogic->ResetForLevel(); // no knock-back running
        HitEnemy(controller);
        HitEnemy(controller);
        EXPECT_EQ(controller.m_Behavior, static_cast<int>(BehaviorKind::Knockback)) << c.Type;
        EXPECT_EQ(controller.m_KnockVelocity.x, c.Knock.x) << c.Type;
        EXPECT_EQ(controller.m_KnockVelocity.y, c.Knock.y) << c.Type;
        EXPECT_EQ(core.m_GameLogic->Flow().Bounce.Active, c.Bounces) << c.Type;
        int frames = 0;
        for (; controller.m_Behavior == static_cast<int>(BehaviorKind::Knockback) && frames < 60; ++frames)
        {
            UpdateBehavior(controller, kFrame);
            if (controller.m_Behavior == static_cast<int>(BehaviorKind::Knockback))
            {
                EXPECT_EQ(enemy->GetTransform()->Rotation > 0.0f, c.Spins) << c.Type;
            }
        }
        EXPECT_EQ(frames, 24) << c.Type << ": 0.4 s of 17 ms updates";
        EXPECT_EQ(controller.m_Behavior, kind) << c.Type;
        EXPECT_EQ(enemy->GetTransform()->Rotation, 0.0f) << c.Type;
        EXPECT_FALSE(controller.m_Knocked) << c.Type;
        core.m_Factory->DestroyObject(enemy);
        core.m_Factory->Update(kFrame);
    }
    // Three hits in a moment: the cry is not restarted while it still sounds.
    EXPECT_GE(Started("SFX_Wasp_Death"), 1);
}

TEST_F(EnemyLevelTest, AHitMeasuresFromTheHeroOfTheCurrentLevel)
{
    GameObjectComposition* wasp = Object("Wasp");
    wasp->GetBody()->m_Velocity = {0.0f, 0.0f, 0.0f};
    // What the last behaviour update saw may be gone after a level change; the hit looks the hero up itself.
    CurrentHero = nullptr;
    HitEnemy(Actor(wasp));
    EXPECT_EQ(Actor(wasp).m_KnockVelocity.x, (400.0f - 0.0f) * 10.0f);
    EXPECT_EQ(Actor(wasp).m_KnockVelocity.y, (300.0f - 82.0f) * 10.0f);
}

TEST_F(EnemyLevelTest, AnOpenTrapKillsAndShutsAShutTrapIsHarmlessAndItReopensAfterItsTime)
{
    GameObjectComposition* trap = Place("Trap", 0.0f, 82.0f);
    GameObjectComposition* hero = Object("Kibbet");
    Touch(trap, hero);
    EXPECT_EQ(core.m_GameLogic->Session().Level().Lives, 2);
    EXPECT_TRUE(Actor(trap).m_TrapClosed);
    EXPECT_EQ(Shown(trap), "close");
    EXPECT_EQ(Started("SFX_Trap_Close"), 1);

    core.m_GameLogic->Session().EndFrame();
    core.m_GameLogic->ResetForLevel(); // the respawn done: playing again
    Touch(trap, hero);
    EXPECT_EQ(core.m_GameLogic->Session().Level().Lives, 2) << "a shut trap is harmless";
    EXPECT_EQ(Started("SFX_Trap_Close"), 1);

    // The fixture's trap stays shut 3 s: 176 updates of 17 ms.
    for (int i = 0; i < 176; ++i)
    {
        UpdateBehavior(Actor(trap), kFrame);
    }
    EXPECT_TRUE(Actor(trap).m_TrapClosed);
    UpdateBehavior(Actor(trap), kFrame);
    EXPECT_FALSE(Actor(trap).m_TrapClosed);
    EXPECT_EQ(Shown(trap), "default");
    EXPECT_EQ(Started("SFX_Trap_Open"), 1);
}
