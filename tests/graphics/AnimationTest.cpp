#include "graphics/Animation.h"
#include "data/TextSerializer.h"
#include "graphics/Sprite.h"

#include <gtest/gtest.h>

#include <sstream>

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

TEST(SpriteTest, BuildQuadCentresTheQuadWithYUpAtDepthOne)
{
    Sprite sprite;
    sprite.Size = {100, 50};
    sprite.BuildQuad();
    EXPECT_EQ(sprite.HalfWidth, 50.0f);
    EXPECT_EQ(sprite.HalfHeight, 25.0f);
    const float expected[4][3] = {{50, 25, 1}, {50, -25, 1}, {-50, -25, 1}, {-50, 25, 1}};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(sprite.Corners[i].x, expected[i][0]);
        EXPECT_EQ(sprite.Corners[i].y, expected[i][1]);
        EXPECT_EQ(sprite.Corners[i].z, expected[i][2]);
    }
}

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

TEST_F(AnimationTest, EmptyNameRestartsTheDefaultOnlyWhenIdle)
{
    anim.PlayAsDefault("pose");
    EXPECT_EQ(anim.m_DefaultName, "pose");
    anim.Play("walk");
    anim.Play("");
    EXPECT_EQ(anim.m_Current, "walk") << "something is playing";
    anim.m_IsPlaying = false;
    anim.Play("");
    EXPECT_EQ(anim.m_Current, "pose");
    EXPECT_TRUE(anim.m_IsPlaying);
}

TEST_F(AnimationTest, AddedAnimationsBecomeTheDefaultOfAnEmptyOne)
{
    Animation fresh;
    fresh.m_DefaultName.clear();
    fresh.AddAnimation("credits", {Frame(0.3f)});
    EXPECT_EQ(fresh.m_DefaultName, "credits");
    EXPECT_EQ(fresh.m_Current, "credits");
    fresh.AddAnimation("credits", {Frame(0.5f), Frame(0.6f)});
    EXPECT_EQ(fresh.m_Frames["credits"].size(), 2u) << "replaces the earlier list";
}

TEST_F(AnimationTest, AnAnimationWithoutFramesNeverCrashes)
{
    anim.m_Frames["empty"] = {};
    anim.Play("empty");
    anim.AdvanceAnimation(1.0f);
    EXPECT_EQ(anim.m_Timer, 0.0f);
}

TEST(AnimationDataTest, ReadsMirrorsLeftAnimationsAndWritesBack)
{
    // Without a resource manager every frame name resolves to a zero rectangle.
    std::string text = "{ \"Graphics\" : { \"m_pAnimation\" : { \"m_IsPlaying\" : true , \"m_Loop\" : true , "
                       "\"m_Speed\" : 0.25 , \"m_UVmap\" : { \"idleLeft\" : [ \"a\" , \"b\" ] , "
                       "\"run\" : [ \"c\" ] } } } }";
    TextSerializer reader = TextSerializer::FromText(text);
    reader.EnterBlock("Graphics");
    Animation anim;
    anim.Serialize(reader);
    EXPECT_TRUE(anim.m_IsPlaying);
    EXPECT_TRUE(anim.m_Loop);
    EXPECT_FLOAT_EQ(anim.m_Speed, 0.25f);
    ASSERT_EQ(anim.m_UVmap.size(), 2u);
    EXPECT_EQ(anim.m_UVmap["idleLeft"], (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(anim.m_Frames["run"].size(), 1u);

    std::ostringstream out;
    TextWriter writer(out);
    writer.BeginBlock("");
    writer.BeginBlock("Graphics"); // nested, as in an object file
    anim.Write(writer);
    writer.EndBlock();
    writer.EndBlock();
    TextSerializer again = TextSerializer::FromText(out.str());
    again.EnterBlock("Graphics");
    Animation copy;
    copy.Serialize(again);
    EXPECT_EQ(copy.m_UVmap, anim.m_UVmap);
    EXPECT_EQ(copy.m_Speed, anim.m_Speed);
    EXPECT_TRUE(copy.m_Loop);
}

TEST(AnimationDataTest, EmptyMapsAndListsReadBackEmpty)
{
    Animation anim;
    anim.m_UVmap["none"] = {};
    std::ostringstream out;
    TextWriter writer(out);
    writer.BeginBlock("");
    writer.BeginBlock("Graphics");
    anim.Write(writer);
    writer.WriteSeparator();
    writer.WriteString("after", "x");
    writer.EndBlock();
    writer.EndBlock();
    TextSerializer reader = TextSerializer::FromText(out.str());
    reader.EnterBlock("Graphics");
    Animation copy;
    copy.Serialize(reader);
    EXPECT_EQ(copy.m_UVmap.size(), 1u);
    EXPECT_TRUE(copy.m_UVmap["none"].empty());
    reader.ReadToken(); // the separator
    std::string after;
    reader.ReadString("after", after);
    EXPECT_EQ(after, "x") << "the reader stays in step after an empty list";
}

TEST(AnimationDataTest, ATruncatedAnimationStopsReading)
{
    for (const char* text : {"{ \"G\" : { \"m_pAnimation\" : { \"m_IsPlaying\" : true , \"m_Loop\" : false , "
                             "\"m_Speed\" : 1 , \"m_UVmap\" : { \"a\" : [ \"x\" ,",
                             "{ \"G\" : { \"m_pAnimation\" : { \"m_IsPlaying\" : true , \"m_Loop\" : false , "
                             "\"m_Speed\" : 1 , \"m_UVmap\" : { \"a\" : [ \"x\" ] ,"})
    {
        TextSerializer reader = TextSerializer::FromText(text);
        reader.MoveToStart(); // the unfinished block is not indexed
        reader.ReadToken();
        reader.EnterBlock("G");
        Animation anim;
        anim.Serialize(reader);
        ASSERT_EQ(anim.m_UVmap["a"].size(), 1u);
        EXPECT_EQ(anim.m_UVmap["a"].front(), "x");
        EXPECT_FALSE(reader.IsGood());
    }
}
