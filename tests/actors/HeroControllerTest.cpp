#include "graphics/Emitter.h"
#include "tests/actors/HeroLevelFixture.h"

#include <algorithm>
#include <cmath>

using namespace Framework;

TEST_F(HeroLevelTest, JumpThenJumpAgainFliesOnTheSameFrame)
{
    Frames(3);
    Frame({kKeySpace});
    EXPECT_EQ(Hero().m_State, HeroJump);
    EXPECT_EQ(HeroBody().m_Velocity.y, 400.0f);
    Frame();
    Frame({kKeySpace});
    EXPECT_EQ(Hero().m_State, HeroFly) << "the jump set the air time, so the second press flies at once";
    EXPECT_EQ(HeroBody().m_Velocity.y, 100.0f);
}

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
        EXPECT_EQ(Hero().m_State, c.StateAfterPress) << c.FallFrames;
        if (std::isnan(c.VelocityAfterPress))
        {
            EXPECT_LT(HeroBody().m_Velocity.y, 0.0f) << c.FallFrames;
        }
        else
        {
            EXPECT_EQ(HeroBody().m_Velocity.y, c.VelocityAfterPress) << c.FallFrames;
        }
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
    EXPECT_EQ(Hero().m_State, HeroFly) << "a spent fly falls in the fly state";
    EXPECT_LT(HeroBody().m_Velocity.y, 0.0f);
    EXPECT_LT(HeroPlace().Position.y, top);

    Frame();
    Frame({kKeySpace});
    EXPECT_EQ(HeroBody().m_Velocity.y, 100.0f) << "a new press starts another fly";
}

TEST_F(HeroLevelTest, ASecondRollWithinItsCooldownIsIgnored)
{
    Frame({kKeyControl});
    EXPECT_EQ(Hero().m_State, HeroIdle) << "a fresh controller waits 1.5 s before its first roll";
    Frames(90);
    Frame({kKeyControl});
    EXPECT_EQ(Hero().m_State, HeroRoll);
    EXPECT_TRUE(Hero().m_IsRolling);
    Frames(40);
    EXPECT_FALSE(Hero().m_IsRolling);
    Frame({kKeyControl});
    EXPECT_NE(Hero().m_State, HeroRoll) << "0.7 s after the first roll";
    Frames(200);
    EXPECT_GE(Hero().m_RollCooldown, HeroController::kRollCooldownCap);
    EXPECT_LT(Hero().m_RollCooldown, HeroController::kRollCooldownCap + kFrame);
}

TEST_F(HeroLevelTest, ARollInTheAirEndsInFallWithinHalfASecond)
{
    Frames(90);
    Frame({kKeySpace});
    Frame({kKeyControl});
    ASSERT_EQ(Hero().m_State, HeroRoll);
    int frames = 1;
    while (Hero().m_State == HeroRoll && frames < 60)
    {
        Frame();
        ++frames;
    }
    EXPECT_EQ(Hero().m_State, HeroFall);
    EXPECT_LE(frames * kFrame, HeroController::kRollMaxTime + kFrame);
    EXPECT_FALSE(Hero().m_IsRolling);
}

// The attack area is 4.5 by 10 times its size during a roll and sits 25 units ahead facing right, only 15
// facing left; once its object is destroyed the hero forgets it.
TEST_F(HeroLevelTest, TheRollCarriesTheAttackObjectAndForgetsItWhenItGoes)
{
    // A bare object: a pollen would be collected (and destroyed) by the hero touching it.
    GameObjectComposition* attack = core.m_Factory->CreateObject("AttackArea", "Attack");
    Hero().SetAttackObject(attack);
    Frames(90);
    Frame({kKeyControl});
    Transform& area = *attack->GetTransform();
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
    PlayDeathAnimation(*Hero().m_Animator);
    EXPECT_EQ(Shown("Kibbet"), "dieRight");
    EXPECT_EQ(HeroPlace().Scale.y, 1.5f);
    for (int i = 0; i < 120 && HeroPlace().Scale.x != 0.0f; ++i)
    {
        Frame();
        PlayDeathAnimation(*Hero().m_Animator);
    }
    EXPECT_EQ(HeroPlace().Scale.x, 0.0f);
    EXPECT_EQ(HeroPlace().Scale.y, 0.0f);
}

// Starting to run from standing emits one burst of dust behind the hero; turning round while running does not.
TEST_F(HeroLevelTest, StartingToRunRaisesOneBurstOfDust)
{
    Emitter& emitter = *Object("Kibbet")->GetEmitter();
    ParticleType& dust = *FindParticleType(emitter, "Walking");
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
