#include "graphics/Emitter.h"
#include "tests/actors/HeroLevelFixture.h"

#include <algorithm>
#include <cmath>

using namespace Framework;

// Off the end of the ground (x 2860) the hero falls: for 0.2 s a jump is still a jump; then it is a fall that
// needs more than 0.2 s of air time before a press starts a fly.
TEST_F(HeroLevelTest, WalkingOffALedgeAllowsAJumpForAFifthOfASecond)
{
    struct Case
    {
        int FallFrames;
        int StateAfterPress;
        float VelocityAfterPress; // NaN: still falling
    };
    for (Case c : {Case{5, HeroJump, 400.0f}, Case{20, HeroFall, NAN}, Case{30, HeroFly, 100.0f}})
    {
        TearDown();
        SetUp();
        HeroPlace().Position.x = 3300.0f;
        Frames(c.FallFrames);
        Frame({kKeySpace});
        EXPECT_EQ(Hero().State(), c.StateAfterPress) << c.FallFrames;
        float vy = HeroBody().m_Velocity.y;
        EXPECT_TRUE(std::isnan(c.VelocityAfterPress) ? vy < 0.0f : vy == c.VelocityAfterPress)
            << c.FallFrames << " " << vy;
    }
}

TEST_F(HeroLevelTest, HoldingJumpClimbsForOneSecondThenFallsUntilThePlayerPressesAgain)
{
    Frame({kKeySpace});
    Frame();
    int climbing = 0;
    float top = HeroPlace().Position.y;
    for (int i = 0; i < 75; ++i)
    {
        Frame({kKeySpace});
        climbing += HeroBody().m_Velocity.y == 100.0f ? 1 : 0;
        top = std::max(top, HeroPlace().Position.y);
    }
    EXPECT_NEAR(climbing, 59, 1) << "one second of 17 ms frames";
    EXPECT_EQ(Hero().State(), HeroFly) << "a spent fly falls in the fly state";
    EXPECT_LT(HeroBody().m_Velocity.y, 0.0f);
    EXPECT_LT(HeroPlace().Position.y, top);

    Frame();
    Frame({kKeySpace});
    EXPECT_EQ(HeroBody().m_Velocity.y, 100.0f) << "a new press starts another fly";
}

// One run from the level start: the state and the cooldown after each listed frame and its keys. The first roll
// waits 1.5 s; a roll on the ground shows 22 frames (the last after it ended), one in the air 21, then a fall;
// the cooldown counts up to 2.8 s and stops at the first frame past it.
TEST_F(HeroLevelTest, TheRollCooldownDecidesEachPress)
{
    struct Moment
    {
        int Frame;
        std::set<int> Keys;
        int State;
        float Cooldown;
    };
    const Moment moments[] = {
        {1, {kKeyControl}, HeroIdle, 0.017f}, {92, {kKeyControl}, HeroRoll, 0.0f},    {113, {}, HeroRoll, 0.357f},
        {114, {}, HeroIdle, 0.374f},          {133, {kKeyControl}, HeroIdle, 0.697f}, {300, {}, HeroIdle, 2.805f},
        {301, {kKeySpace}, HeroJump, 2.805f}, {302, {kKeyControl}, HeroRoll, 0.0f},   {322, {}, HeroRoll, 0.34f},
        {323, {}, HeroFall, 0.357f},
    };
    int frame = 0;
    for (const Moment& m : moments)
    {
        Frames(m.Frame - 1 - frame);
        Frame(m.Keys);
        frame = m.Frame;
        EXPECT_EQ(Hero().State(), m.State) << "frame " << m.Frame;
        EXPECT_NEAR(Hero().RollCooldown(), m.Cooldown, 1e-4f) << "frame " << m.Frame;
    }
}

// A roll cut short by a death or a level restart leaves nothing behind: the hero stands idle and then runs as
// ever (the run state and animation) and can fly again: the jump sets the air time, so a second press flies.
TEST_F(HeroLevelTest, ARollCutShortByADeathOrARestartLeavesACleanIdleHero)
{
    for (bool restart : {false, true})
    {
        TearDown();
        SetUp();
        Frames(90);
        Frame({kKeyControl});
        ASSERT_EQ(Hero().State(), HeroRoll);
        restart ? core.m_GameLogic->m_LevelManager.RestartLevel() : core.m_GameLogic->HeroDied();
        for (int i = 0; i < 300 && !core.m_GameLogic->PlayerControl(); ++i)
        {
            Frame();
        }
        Frames(3);
        EXPECT_EQ(Hero().Mode(), HeroMode::Idle) << restart;
        Frame({kKeyRight});
        EXPECT_EQ(Hero().State(), HeroRun) << restart;
        EXPECT_EQ(Shown("Kibbet"), "moveRight") << restart;
        Frames(2, {kKeyRight, kKeySpace});
        Frame({kKeyRight});
        Frame({kKeyRight, kKeySpace});
        EXPECT_EQ(Hero().State(), HeroFly) << restart;
    }
}

// The attack area is 4.5 by 10 times its size during a roll and sits 25 units ahead facing right, only 15
// facing left; once its object is destroyed the hero forgets it.
TEST_F(HeroLevelTest, TheRollCarriesTheAttackObjectAndForgetsItWhenItGoes)
{
    // A bare object: a pollen would be collected (and destroyed) by the hero touching it.
    GameObjectComposition* attack = core.m_Factory->CreateObject("AttackArea", "Attack");
    Hero().SetAttackObject(attack);
    Transform& area = *attack->GetTransform();
    Frames(90);
    Frame({kKeyControl});
    EXPECT_EQ(area.Position.x, HeroPlace().Position.x + 25.0f);
    EXPECT_EQ(area.Position.y, HeroPlace().Position.y + 10.0f);
    EXPECT_EQ(area.Scale.x, 4.5f);
    EXPECT_EQ(area.Scale.y, 10.0f);
    Frames(40);
    EXPECT_EQ(area.Scale.x, 0.5f);
    EXPECT_EQ(area.Position.x, HeroPlace().Position.x);
    Frame({kKeyLeft});
    Frames(90);
    Frame({kKeyControl});
    EXPECT_EQ(area.Position.x, HeroPlace().Position.x - 15.0f);
    core.m_Factory->DestroyObject(attack);
    Frames(2);
    EXPECT_EQ(Hero().AttackObject(), nullptr);
}

TEST_F(HeroLevelTest, TheDeadHeroPlaysItsDeathAndVanishes)
{
    Frame();
    core.m_GameLogic->BossIntroductionStarted(); // the player no longer steers
    for (int i = 0; i < 120 && HeroPlace().Scale.x != 0.0f; ++i)
    {
        PlayDeathAnimation(*Hero().m_Animator);
        EXPECT_TRUE(i > 0 || (Shown("Kibbet") == "dieRight" && HeroPlace().Scale.y == 1.5f));
        Frame();
    }
    EXPECT_EQ(HeroPlace().Scale.y, 0.0f);
}

// Starting to run from standing emits one burst of dust behind the hero; turning round while running does not.
TEST_F(HeroLevelTest, StartingToRunRaisesOneBurstOfDust)
{
    ParticleType& dust = *FindParticleType(*Object("Kibbet")->GetEmitter(), "Walking");
    Frame();
    ASSERT_TRUE(dust.m_Particles.empty());
    Frame({kKeyRight});
    size_t burst = dust.m_Particles.size();
    EXPECT_GT(burst, 0u);
    EXPECT_FALSE(dust.m_Mirror);
    EXPECT_EQ(dust.m_Origin.x, HeroPlace().Position.x);
    Frames(3, {kKeyRight});
    Frames(3, {kKeyLeft});
    EXPECT_LE(dust.m_Particles.size(), burst) << "no second burst when turning";
    EXPECT_FALSE(dust.m_Mirror);
    Frames(2);
    Frame({kKeyLeft});
    EXPECT_TRUE(dust.m_Mirror) << "starting to run left mirrors the dust";
}
