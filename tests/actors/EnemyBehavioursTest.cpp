#include "actors/KnockbackBehaviour.h"
#include "actors/TrapBehaviour.h"
#include "gameflow/HUD.h"
#include "tests/actors/EnemyLevelFixture.h"

#include <algorithm>
#include <set>

using namespace Framework;

namespace
{
// The wasp's actions as the dump shows them.
constexpr int MoveRight = 2;
constexpr int Chase = 5;
constexpr int ReturnHome = 6;
constexpr int FollowPath = 13;
} // namespace

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

// Provoked once, or again while it flies home (hidden or gone, the hero is out of its sight), the wasp lands
// exactly where the first chase began and resumes its patrol.
TEST_F(EnemyLevelTest, AWaspChasesTheVisibleHeroAndResumesItsPatrolHoweverOftenItWasProvoked)
{
    GameObjectComposition* wasp = Object("Wasp");
    for (int provocations : {1, 2})
    {
        Vec2 start;
        for (int i = 0; i < provocations; ++i)
        {
            Place(Object("Kibbet")) = {Place(wasp).x, Place(wasp).y - 200.0f};
            Frames(20);
            EXPECT_EQ(Action(wasp), Chase) << provocations;
            start = i == 0 ? Actor(wasp).As<Behaviour>()->Home() : start;
            core.m_GameLogic->m_HeroHidden = true;
            Step(wasp);
            EXPECT_EQ(Action(wasp), ReturnHome) << "a hiding hero is not seen, even right under the wasp";
            // Far enough to be out of range, near enough to keep the wasp in the region that moves.
            Place(Object("Kibbet")) = {-150.0f, 82.0f};
            Frames(10);
        }
        for (int i = 0; i < 300 && Action(wasp) == ReturnHome; ++i)
        {
            Frame();
        }
        EXPECT_EQ(Action(wasp), MoveRight) << provocations << ": it resumes the patrol the first chase interrupted";
        EXPECT_EQ(Place(wasp).x, start.x) << provocations;
        EXPECT_EQ(Place(wasp).y, start.y) << provocations;
    }
}

// A path wasp turns on the hero that comes near and takes up its path when it leaves; the cloud platform follows
// its path the same way but is no enemy and never turns; the porcupine stops and hisses once, then walks on.
TEST_F(EnemyLevelTest, WhatAnActorDoesWhileTheHeroIsNearAndOnceItLeaves)
{
    struct Case
    {
        const char* Type;
        int Near;
        int Away;
        int NearHeading; // the sign of its velocity along x
        const char* Sound;
    };
    const Case cases[] = {{"Wasp_Path", Chase, FollowPath, -1, "SFX_Wasp_Angry"},
                          {"Clouds_1", FollowPath, FollowPath, 1, nullptr},
                          {"Porcupine", 7, 7, 0, "SFX_Porcupine"}};
    for (const Case& c : cases)
    {
        GameObjectComposition* actor = Place(c.Type, 100.0f, 150.0f);
        Place(Object("Kibbet")) = {0.0f, 82.0f};
        Step(actor);
        Step(actor);
        EXPECT_EQ(Action(actor), c.Near) << c.Type;
        const float vx = actor->GetBody()->m_Velocity.x;
        EXPECT_EQ((vx > 0.0f) - (vx < 0.0f), c.NearHeading) << c.Type;
        Place(Object("Kibbet")) = {-2000.0f, 82.0f};
        Step(actor);
        EXPECT_EQ(Action(actor), c.Away) << c.Type;
        if (c.Sound != nullptr)
        {
            EXPECT_EQ(Started(c.Sound), 1) << c.Type;
        }
    }
    EXPECT_EQ(Object("Porcupine")->GetBody()->m_Velocity.x, -60.0f) << "the porcupine walks on";
}

TEST_F(EnemyLevelTest, AFastActorArrivesHomeAndAtPathPointsInsteadOfCirclingThem)
{
    GameObjectComposition* wasp = Object("Wasp");
    BehaviourParams fast{3, MoveRight, 0.0f, 260.0f, 900.0f, 170.0f, 90.0f, {}};
    Actor(wasp).Build(fast);
    Place(Object("Kibbet")) = {Place(wasp).x, Place(wasp).y - 200.0f};
    Step(wasp);
    const Vec2 start = Actor(wasp).As<Behaviour>()->Home();
    Place(wasp) = {start.x + 203.0f, start.y - 71.0f};
    Place(Object("Kibbet")) = {-150.0f, 82.0f};
    for (int i = 0; i < 40 && Action(wasp) != MoveRight; ++i)
    {
        Frame();
    }
    EXPECT_EQ(Action(wasp), MoveRight) << "15 units a frame, it lands home instead of swinging around it";

    // Left of the hero, away from the reverse volumes; paths of three points and of one (a there-and-back track).
    for (const std::vector<Vec3>& path :
         {std::vector<Vec3>{{300, 0, 0}, {300, 160, 0}, {0, 160, 0}}, std::vector<Vec3>{{200, 0, 0}}})
    {
        GameObjectComposition* pathWasp = Place("Wasp_Path", -500.0f, 300.0f);
        Actor(pathWasp).Build({7, FollowPath, 0.0f, 0.0f, 0.0f, 0.0f, 900.0f, path});
        std::set<std::pair<float, float>> visited;
        for (int i = 0; i < 200; ++i)
        {
            Frame();
            visited.insert({Place(pathWasp).x + 500.0f, Place(pathWasp).y - 300.0f});
        }
        for (const Vec3& point : path)
        {
            EXPECT_EQ(visited.count({point.x, point.y}), 1u) << point.x << " " << point.y;
        }
        EXPECT_EQ(visited.count({0.0f, 0.0f}), 1u) << "it came home again";
        core.m_Factory->DestroyObject(pathWasp);
        core.m_Factory->Update(kFrame);
    }
}

TEST_F(EnemyLevelTest, AnActorStandingOnTheHeroHoldsStillInsteadOfFlyingOffAsNaN)
{
    GameObjectComposition* wasp = Object("Wasp");
    Place(Object("Kibbet")) = Place(wasp);
    Step(wasp);
    EXPECT_EQ(Action(wasp), Chase);
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
        // A moving enemy goes back at 18 times its speed and spins; a still one flies off at 10 times its offset
        // from the hero (at 0, 82).
        {"Wasp_1", {50.0f, -10.0f}, {-900.0f, 180.0f}, true, false},
        {"Wasp_1", {0.0f, 0.0f}, {500.0f, 2180.0f}, true, false},
        // The king wasp goes back at 4 times its speed without spinning and bounces the hero.
        {"KingWasp", {50.0f, -10.0f}, {-200.0f, 40.0f}, false, true},
    };
    for (const Case& c : cases)
    {
        GameObjectComposition* enemy = Place(c.Type, 50.0f, 300.0f);
        const int kind = Actor(enemy).Kind();
        enemy->GetBody()->m_Velocity = {c.Velocity.x, c.Velocity.y, 0.0f};
        core.m_GameLogic->ResetForLevel(); // no knock-back running
        Actor(enemy).Hit(core.m_GameLogic->MakeBehaviourContext());
        Actor(enemy).Hit(core.m_GameLogic->MakeBehaviourContext());
        EXPECT_EQ(Actor(enemy).Kind(), static_cast<int>(BehaviourKind::Knockback)) << c.Type;
        EXPECT_EQ(core.m_GameLogic->Flow().Bounce.Active, c.Bounces) << c.Type;
        Step(enemy);
        const float slowed = 1.0f - kFrame / KnockbackSeconds;
        EXPECT_NEAR(enemy->GetBody()->m_Velocity.x, c.Knock.x * slowed, 0.01f) << c.Type;
        EXPECT_NEAR(enemy->GetBody()->m_Velocity.y, c.Knock.y * slowed, 0.01f) << c.Type;
        int frames = 1;
        for (; Actor(enemy).Kind() == static_cast<int>(BehaviourKind::Knockback) && frames < 60; ++frames)
        {
            EXPECT_EQ(enemy->GetTransform()->Rotation > 0.0f, c.Spins) << c.Type;
            Step(enemy);
        }
        EXPECT_EQ(frames, 24) << c.Type << ": 0.4 s of 17 ms updates";
        EXPECT_EQ(Actor(enemy).Kind(), kind) << c.Type;
        EXPECT_EQ(enemy->GetTransform()->Rotation, 0.0f) << c.Type;
        core.m_Factory->DestroyObject(enemy);
        core.m_Factory->Update(kFrame);
    }
    // Three hits in a moment: the cry is not restarted while it still sounds.
    EXPECT_GE(Started("SFX_Wasp_Death"), 1);
}

TEST_F(EnemyLevelTest, AnOpenTrapKillsAndShutsAShutTrapIsHarmlessAndItReopensAfterItsTime)
{
    GameObjectComposition* trap = Place("Trap", 0.0f, 82.0f);
    GameObjectComposition* hero = Object("Kibbet");
    const TrapBehaviour& jaws = *Actor(trap).As<TrapBehaviour>();
    Touch(trap, hero);
    EXPECT_EQ(core.m_GameLogic->Session().Level().Lives, 2);
    EXPECT_TRUE(jaws.IsShut());
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
        Step(trap);
    }
    EXPECT_TRUE(jaws.IsShut());
    Step(trap);
    EXPECT_FALSE(jaws.IsShut());
    EXPECT_EQ(Shown(trap), "default");
    EXPECT_EQ(Started("SFX_Trap_Open"), 1);
}
