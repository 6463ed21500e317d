#include "tests/physics/PhysicsFixture.h"

#include "physics/Collision.h"
#include "physics/Polygon.h"

#include <cmath>

using namespace Framework;

namespace
{
constexpr float kStep = 1.0f / 60.0f;

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

TEST(SeparatingAxis, TouchingOverlapsTiesTakeTheNegativeSideAndEqualLengthsKeepTheFirst)
{
    // On the x axis A covers 0..2; B covers exactly 2..3 (touching) or 1..1 (a tie of the two sides).
    const std::vector<Vec3> a = {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}};
    ContactRecord record;
    record.m_SeparationLengthSq = -1.0f;
    EXPECT_FALSE(AxisSeparates(a, {1, 0, 0}, {{2, 0, 0}, {3, 0, 0}, {3, 1, 0}}, record));
    EXPECT_EQ(record.m_SeparationLengthSq, 0.0f);
    EXPECT_TRUE(AxisSeparates(a, {1, 0, 0}, {{2.5f, 0, 0}, {3, 0, 0}, {3, 1, 0}}, record));

    record.m_SeparationLengthSq = -1.0f;
    EXPECT_FALSE(AxisSeparates(a, {1, 0, 0}, {{1, 0, 0}, {1, 1, 0}, {1, 2, 0}}, record));
    EXPECT_EQ(record.m_Separation.x, -1.0f) << "d1 = 1 and d2 = -1: the negative d2 is taken";

    // An axis giving the same squared length (the y axis, again a tie with d2 = -1) does not replace it.
    EXPECT_FALSE(AxisSeparates(a, {0, 1, 0}, {{1, 0, 0}, {1, 1, 0}, {1.2f, 1, 0}}, record));
    EXPECT_EQ(record.m_Separation.x, -1.0f);
    EXPECT_EQ(record.m_Separation.y, 0.0f);

    // Axes are not normalised: the separation is divided by the axis's squared length.
    record.m_SeparationLengthSq = -1.0f;
    EXPECT_FALSE(AxisSeparates(a, {0, 10, 0}, {{1, 0.5f, 0}, {1.5f, 0.5f, 0}, {1, 2, 0}}, record));
    EXPECT_FLOAT_EQ(record.m_Separation.y, -0.5f);
}

TEST(SeparatingAxis, PolygonsThatDoNotMeetAreSeparated)
{
    ContactRecord record;
    const std::vector<Vec3> square = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    const std::vector<Vec3> diagonalNeighbour = {{1.6f, 0, 0}, {2, 0.4f, 0}, {1.6f, 0.8f, 0}};
    EXPECT_FALSE(PolygonsOverlap(square, diagonalNeighbour, record));
    EXPECT_TRUE(IsUsablePolygon(square));
    EXPECT_FALSE(IsUsablePolygon({{0, 0, 0}, {1, 0, 0}}));
    EXPECT_FALSE(IsUsablePolygon({{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
    EXPECT_FALSE(IsUsablePolygon({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0}})) << "the closing edge counts too";
}

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

TEST_F(PhysicsTest, OnlyTheHeroIsCorrectedEveryOtherContactIsOnlyPublished)
{
    // An enemy sunk into static ground, and the hero touching that dynamic enemy.
    MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    GameObjectComposition* enemy = MakeObject("Wasp", 0, 0, 2, Box(4, 0.5f, 5, 1.5f));
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 0, 2, Box(4.5f, 1.25f, 5.5f, 2.25f));
    BodyOf(enemy)->m_Velocity = {0, -100, 0};
    BodyOf(hero)->m_Velocity = {0, -100, 0};
    CollideOnce();
    ASSERT_EQ(Published(), 2u);
    EXPECT_EQ(log.Records[0].m_BodyB, BodyOf(enemy));
    EXPECT_EQ(log.Records[2].m_BodyA, BodyOf(enemy));
    EXPECT_EQ(log.Records[2].m_BodyB, BodyOf(hero));
    EXPECT_EQ(At(enemy)->Position.y, 0.0f);
    EXPECT_EQ(BodyOf(enemy)->m_Velocity.y, -100.0f) << "a non-hero body is neither moved nor stopped";
    EXPECT_EQ(At(hero)->Position.y, 0.0f);
    EXPECT_EQ(BodyOf(hero)->m_Velocity.y, -100.0f) << "two dynamic bodies are never pushed apart";
}

TEST_F(PhysicsTest, StaticPairsAndObjectsAwaitingDestructionMakeNoContact)
{
    MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    MakeObject("Wall", 0, 0, 0, Box(0, 0, 1, 10));
    GameObjectComposition* box = MakeObject("Box", 0, 0, 2, Box(2, 0.5f, 3, 1.5f));
    core.m_Factory->DestroyObject(box);
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

TEST_F(PhysicsTest, AHeroCreatedBeforeTheGroundLandsAsOneCreatedAfterIt)
{
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 0, 2, Box(4, 0.5f, 5, 1.5f));
    GameObjectComposition* ground = MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    At(ground)->Rotation = 0.0f;
    At(hero)->Rotation = 0.4f;
    BodyOf(hero)->m_Velocity = {0, -200, 0};
    CollideOnce(false);
    ASSERT_EQ(Published(), 1u);
    EXPECT_EQ(log.Records[0].m_BodyA, BodyOf(hero));
    EXPECT_EQ(log.Records[0].m_Separation.y, -0.5f) << "given for the hero: negative means it rests on the ground";
    EXPECT_EQ(At(hero)->Position.y, 0.5f);
    EXPECT_EQ(At(ground)->Position.y, 0.0f);
    EXPECT_EQ(At(hero)->Rotation, 0.0f);
    EXPECT_EQ(BodyOf(hero)->m_Velocity.y, 0.0f);
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

TEST_F(PhysicsTest, AContactLastsOneSubStepAndIsFoundAgainInTheNext)
{
    MakeObject("Ground", 0, 0, 0, Box(-100, -10, 100, 0));
    MakeObject("Box", 0, 0, 2, Box(-5, 0, 5, 10));
    physics().Update(kStep);
    EXPECT_TRUE(physics().m_Contacts.empty()) << "nothing survives the update";
    physics().Update(kStep);
    EXPECT_EQ(Published(), 2u);
}

TEST_F(PhysicsTest, OnlyTheObjectNamedExactlyKibbetIsTheHero)
{
    GameObjectComposition* ground = MakeObject("Ground", 0, 0, 0, Box(0, 0, 10, 1));
    GameObjectComposition* lookalike = MakeObject("kibbet", 0, 0, 2, Box(4, 0.5f, 5, 1.5f));
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 0, 2, Box(6, 0.5f, 7, 1.5f));
    EXPECT_FALSE(IsHeroContact({BodyOf(ground), BodyOf(lookalike), {}, 0.0f}));
    EXPECT_TRUE(IsHeroContact({BodyOf(ground), BodyOf(hero), {}, 0.0f}));
    EXPECT_TRUE(IsHeroContact({BodyOf(hero), BodyOf(ground), {}, 0.0f}));
    EXPECT_FALSE(IsHeroContact({nullptr, nullptr, {}, 0.0f}));

    BodyOf(lookalike)->m_Velocity = {0, -100, 0};
    CollideOnce();
    EXPECT_EQ(At(lookalike)->Position.y, 0.0f) << "the comparison is case-sensitive";
    EXPECT_EQ(At(hero)->Position.y, 0.5f);
}
