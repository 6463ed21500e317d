#include "physics/ContactRecord.h"
#include "tests/physics/PhysicsFixture.h"

#include <cmath>

using namespace Framework;

namespace
{
size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    {
        ++n;
    }
    return n;
}
} // namespace

TEST_F(PhysicsTest, TouchingSquaresMakeAContactWithZeroSeparationThatStopsTheHero)
{
    GameObjectComposition* ground = MakeObject("Ground", 0, 0, 0, Box(0, 0, 1, 1));
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 0, 2, Box(1, 0, 2, 1));
    BodyOf(hero)->m_Velocity = {0, -50, 0};
    CollideOnce();
    ASSERT_EQ(Published(), 1u);
    EXPECT_EQ(log.Records[0].m_BodyA, BodyOf(ground));
    EXPECT_EQ(log.Records[0].m_BodyB, BodyOf(hero));
    EXPECT_EQ(log.Records[0].m_Separation.x, 0.0f);
    EXPECT_EQ(log.Records[0].m_Separation.y, -0.000001f) << "a zero separation stops the fall";
    EXPECT_EQ(BodyOf(hero)->m_Velocity.y, 0.0f);
}

TEST_F(PhysicsTest, AHeroSunkATenthIsLeftInTheGroundAndLiftedByAMillionth)
{
    MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 0, 2, Box(4, 0.9f, 5, 1.9f));
    BodyOf(hero)->m_Velocity = {30, -200, 0};
    CollideOnce();
    ASSERT_EQ(Published(), 1u);
    EXPECT_EQ(log.Records[0].m_Separation.y, -0.000001f) << "the published record is the changed one";
    EXPECT_EQ(BodyOf(hero)->m_Velocity.y, 0.0f);
    EXPECT_EQ(BodyOf(hero)->m_Velocity.x, 30.0f);
    EXPECT_EQ(At(hero)->Position.y, 0.000001f);

    // Still overlapping: the next sub-step finds (and publishes) the contact again.
    CollideOnce();
    EXPECT_EQ(Published(), 2u);
}

TEST_F(PhysicsTest, AHeroSunkHalfAUnitIsLiftedByExactlyThatAndTakesTheGroundsRotation)
{
    MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 0, 2, Box(4, 0.5f, 5, 1.5f));
    // Turned by gameplay code after the step: the polygon is the unturned one.
    At(hero)->Rotation = 0.3f;
    BodyOf(hero)->m_Velocity = {0, -200, 0};
    CollideOnce(false);
    ASSERT_EQ(Published(), 1u);
    EXPECT_EQ(log.Records[0].m_Separation.y, -0.5f);
    EXPECT_EQ(At(hero)->Position.y, 0.5f);
    EXPECT_EQ(At(hero)->Position.x, 0.0f);
    EXPECT_EQ(BodyOf(hero)->m_Velocity.y, 0.0f);
    EXPECT_EQ(At(hero)->Rotation, 0.0f);
}

TEST_F(PhysicsTest, AHeroOnTiltedGroundTakesItsRotation)
{
    GameObjectComposition* ground = MakeObject("Slope", 0, 0, 0, Box(-50, -5, 50, 5));
    At(ground)->Rotation = 0.1f;
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 5.5f, 2, Box(-1, -1, 1, 1));
    BodyOf(hero)->m_Velocity = {0, -100, 0};
    CollideOnce();
    ASSERT_EQ(Published(), 1u);
    EXPECT_EQ(At(hero)->Rotation, 0.1f);
    EXPECT_GT(At(hero)->Position.y, 5.5f) << "pushed out along the slope's normal";
    EXPECT_LT(At(hero)->Position.x, 0.0f);
    EXPECT_EQ(BodyOf(hero)->m_Velocity.y, 0.0f);
    EXPECT_EQ(At(ground)->Position.y, 0.0f);
}

TEST_F(PhysicsTest, StaticPairsAndObjectsAwaitingDestructionMakeNoContact)
{
    MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    MakeObject("Wall", 0, 0, 0, Box(0, 0, 1, 10));
    GameObjectComposition* box = MakeObject("Box", 0, 0, 2, Box(2, 0.5f, 3, 1.5f));
    core.m_Factory->PendingDestruction.insert(box); // as the Factory marks a live object
    CollideOnce();
    EXPECT_EQ(Published(), 0u);
    core.m_Factory->PendingDestruction.clear();
    CollideOnce();
    EXPECT_EQ(Published(), 1u);
}

TEST_F(PhysicsTest, AContactGoesToAsComponentsThenBsThenEverySystemInOrder)
{
    MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    MakeObject("Crate", 0, 0, 2, Box(2, 0.5f, 3, 1.5f));
    CollideOnce();
    EXPECT_EQ(log.Deliveries,
              (std::vector<std::string>{"component Ground", "component Crate", "system First", "system Last"}));
}

TEST_F(PhysicsTest, AFallingHeroComesToRestOnTheGroundInEitherCreationOrder)
{
    for (bool heroFirst : {false, true})
    {
        TearDown();
        SetUp();
        GameObjectComposition* hero = nullptr;
        if (heroFirst)
        {
            hero = MakeObject("Kibbet", 0, 100, 2, Box(-16, -16, 16, 16));
        }
        MakeObject("Ground", 0, 0, 0, Box(-300, -20, 300, 0));
        if (!heroFirst)
        {
            hero = MakeObject("Kibbet", 0, 100, 2, Box(-16, -16, 16, 16));
        }
        BodyOf(hero)->m_Gravity = {0, -1200, 0};
        for (int frame = 0; frame < 120; ++frame)
        {
            physics().Update(0.017f);
        }
        float restingY = At(hero)->Position.y;
        EXPECT_NEAR(restingY, 16.0f, 0.5) << (heroFirst ? "hero first" : "ground first");
        for (int frame = 0; frame < 60; ++frame)
        {
            physics().Update(0.017f);
            EXPECT_NEAR(At(hero)->Position.y, 16.0f, 0.5);
        }
        EXPECT_GT(Published(), 0u);
    }
}

TEST_F(PhysicsTest, APolygonTheTestCannotHandleTakesPartInNoContactAndIsReportedOncePerType)
{
    MakeObject("Ground", 0, 0, 0, Box(-10, -10, 10, 10));
    MakeObject("Needle", 0, 0, 2, {{0, 0, 0}, {1, 1, 0}});
    MakeObject("Needle", 0, 0, 2, {{0, 0, 0}});
    MakeObject("Kinked", 0, 0, 2, {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    MakeObject("Flat", 0, 0, 2, Box(-1, -1, 1, 1));
    At(m_Objects.back().get())->Scale = {0, 0};
    GameObjectComposition* empty = MakeObject("Hollow", 0, 0, 2, {});

    testing::internal::CaptureStderr();
    physics().Update(0.05f);
    physics().Update(0.05f);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Published(), 0u);
    EXPECT_EQ(Count(errors, "\"Needle\""), 1u);
    EXPECT_EQ(Count(errors, "\"Kinked\""), 1u);
    EXPECT_EQ(Count(errors, "\"Flat\""), 1u);
    EXPECT_EQ(Count(errors, "\"Hollow\""), 1u);
    EXPECT_TRUE(BodyOf(empty)->m_Polygon.m_Vertices.empty());
}

TEST_F(PhysicsTest, OnlyTheObjectNamedExactlyKibbetIsTheHero)
{
    MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    GameObjectComposition* lookalike = MakeObject("kibbet", 0, 0, 2, Box(4, 0.5f, 5, 1.5f));
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 0, 2, Box(6, 0.5f, 7, 1.5f));
    CollideOnce();
    EXPECT_EQ(At(lookalike)->Position.y, 0.0f) << "the comparison is case-sensitive";
    EXPECT_EQ(At(hero)->Position.y, 0.5f);
}
