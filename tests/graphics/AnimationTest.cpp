#include "graphics/Animation.h"
#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "graphics/ResourceManager.h"
#include "graphics/Sprite.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace Framework;

namespace
{
UVRect Frame(float u)
{
    UVRect rect;
    rect.m_UVTopRight = {u + 0.1f, 0.0f};
    rect.m_UVBottomRight = {u + 0.1f, 1.0f};
    rect.m_UVBottomLeft = {u, 1.0f};
    rect.m_UVTopLeft = {u, 0.0f};
    return rect;
}

class AnimationTest : public ::testing::Test
{
protected:
    AnimationTest()
    {
        anim.m_TargetSprite = &sprite;
        anim.m_Speed = 0.1f;
        anim.m_Frames["walk"] = {Frame(0.0f), Frame(0.2f), Frame(0.4f)};
        anim.m_Frames["pose"] = {Frame(0.8f)};
    }
    float ShownU() const { return sprite.UVs.m_UVTopLeft.x; }

    Sprite sprite;
    Animation anim;
};
} // namespace

TEST_F(AnimationTest, OneShotStopsOnItsLastFrame)
{
    anim.Play("walk");
    EXPECT_FLOAT_EQ(ShownU(), 0.0f);
    anim.AdvanceAnimation(0.1f);
    EXPECT_FLOAT_EQ(ShownU(), 0.2f);
    EXPECT_FALSE(anim.m_Finished);
    anim.AdvanceAnimation(0.1f);
    EXPECT_FLOAT_EQ(ShownU(), 0.4f);
    EXPECT_TRUE(anim.m_Finished);
    EXPECT_FALSE(anim.m_IsPlaying);
    anim.AdvanceAnimation(0.1f);
    anim.AdvanceAnimation(0.1f);
    EXPECT_FLOAT_EQ(ShownU(), 0.4f);
    EXPECT_EQ(anim.m_Current, "walk") << "a stopped animation keeps its name";
}

TEST_F(AnimationTest, FramesWaitForTheSpeedAndLoopingWrapsAround)
{
    anim.Play("walk");
    anim.m_Loop = true;
    anim.AdvanceAnimation(0.05f);
    EXPECT_FLOAT_EQ(ShownU(), 0.0f) << "a frame shows for at least m_Speed seconds";
    anim.AdvanceAnimation(0.05f);
    EXPECT_FLOAT_EQ(ShownU(), 0.2f);
    anim.AdvanceAnimation(0.1f);
    EXPECT_FLOAT_EQ(ShownU(), 0.4f);
    EXPECT_TRUE(anim.m_Finished);
    anim.AdvanceAnimation(0.1f);
    EXPECT_FLOAT_EQ(ShownU(), 0.0f);
    EXPECT_FALSE(anim.m_Finished);
    EXPECT_TRUE(anim.m_IsPlaying);
    anim.AdvanceAnimation(0.1f);
    anim.AdvanceAnimation(0.1f);
    EXPECT_TRUE(anim.m_Finished) << "set again each time the last frame is reached";
}

TEST_F(AnimationTest, PlayingTheCurrentNameDoesNotRestart)
{
    anim.Play("walk");
    anim.AdvanceAnimation(0.1f);
    anim.Play("walk");
    EXPECT_EQ(anim.m_Frame, 1u);
    anim.Play("pose");
    anim.Play("walk");
    EXPECT_EQ(anim.m_Frame, 0u);
    EXPECT_FLOAT_EQ(ShownU(), 0.0f);
}

TEST_F(AnimationTest, AOneFrameOneShotFallsBackToTheDefault)
{
    anim.m_DefaultName = "walk";
    anim.Play("pose");
    anim.AdvanceAnimation(0.1f);
    EXPECT_TRUE(anim.m_Finished);
    EXPECT_FLOAT_EQ(ShownU(), 0.8f);
    EXPECT_EQ(anim.m_Current, "walk");
    EXPECT_FALSE(anim.m_IsPlaying);
}

TEST_F(AnimationTest, AnAnimationWithoutFramesNeverCrashes)
{
    anim.m_Frames["empty"] = {};
    anim.Play("empty");
    anim.AdvanceAnimation(1.0f);
    EXPECT_EQ(anim.m_Timer, 0.0f);
}

TEST(AnimationDataTest, ReadsAndMirrorsLeftAnimations)
{
    // Frame names resolve through the resource tables; "Kibbet" spans u 0 to 0.5, unknown names are zero.
    SetResourceRoot(SourcePath("tests/data/mini"));
    ResourceManager resources(nullptr);
    Core core;
    core.m_ResourceManager = &resources;
    CORE = &core;
    std::string text = "{ \"Graphics\" : { \"m_pAnimation\" : { \"m_IsPlaying\" : true , \"m_Loop\" : true , "
                       "\"m_Speed\" : 0.25 , \"m_UVmap\" : { \"idleLeft\" : [ \"Kibbet\" , \"b\" ] , "
                       "\"run\" : [ \"Kibbet\" ] } } } }";
    TextSerializer reader = TextSerializer::FromText(text);
    reader.EnterBlock("Graphics");
    Animation anim;
    anim.Serialize(reader);
    EXPECT_TRUE(anim.m_IsPlaying);
    EXPECT_TRUE(anim.m_Loop);
    EXPECT_FLOAT_EQ(anim.m_Speed, 0.25f);
    ASSERT_EQ(anim.m_UVmap.size(), 2u);
    EXPECT_EQ(anim.m_UVmap["idleLeft"], (std::vector<std::string>{"Kibbet", "b"}));
    ASSERT_EQ(anim.m_Frames["run"].size(), 1u);
    EXPECT_EQ(anim.m_Frames["run"][0].m_UVTopRight.x, 0.5f);
    EXPECT_EQ(anim.m_Frames["idleLeft"][0].m_UVTopRight.x, 0.0f) << "a Left animation is mirrored";
    EXPECT_EQ(anim.m_Frames["idleLeft"][0].m_UVTopLeft.x, 0.5f);
    EXPECT_EQ(anim.m_Frames["idleLeft"][0].m_UVBottomRight.x, 0.0f);
}
