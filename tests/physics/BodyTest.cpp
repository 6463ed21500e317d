#include "tests/physics/PhysicsFixture.h"

#include <cmath>

using namespace Framework;

namespace
{
constexpr float kStep = 1.0f / 60.0f;
} // namespace

TEST_F(PhysicsTest, IntegrationMovesByTheOldVelocityThenDampsIt)
{
    GameObjectComposition* box = MakeObject("Box", 100, 50, 2, Box(-1, -1, 1, 1));
    Body* body = BodyOf(box);
    body->m_Velocity = {1000, 1000, 0};
    body->Integrate(kStep);
    EXPECT_NEAR(At(box)->Position.x, 100 + 1000 * kStep, 1e-3);
    EXPECT_NEAR(At(box)->Position.y, 50 + 1000 * kStep, 1e-3);
    EXPECT_NEAR(body->m_Velocity.x, 857.7, 0.5);
    EXPECT_NEAR(body->m_Velocity.y, 973.5, 0.5);
    EXPECT_FLOAT_EQ(body->m_Velocity.x, 1000.0f * std::pow(0.0001f, kStep));
    EXPECT_FLOAT_EQ(body->m_Velocity.y, 1000.0f * std::pow(0.2f, kStep));
}

TEST_F(PhysicsTest, SpeedIsCutTo1800AfterDamping)
{
    GameObjectComposition* box = MakeObject("Box", 0, 0, 2, Box(-1, -1, 1, 1));
    Body* body = BodyOf(box);
    body->m_Velocity = {3000, 0, 0};
    body->Integrate(kStep);
    EXPECT_FLOAT_EQ(body->m_Velocity.x, 1800.0f);
    EXPECT_EQ(body->m_Velocity.y, 0.0f);

    // z takes part in the length but is not scaled back up.
    body->m_Velocity = {3000, 0, 1000};
    body->Integrate(kStep);
    float damped = 3000.0f * std::pow(0.0001f, kStep);
    float length = std::sqrt(damped * damped + 1000.0f * 1000.0f);
    EXPECT_NEAR(body->m_Velocity.x, damped / length * 1800.0f, 0.01);
    EXPECT_NEAR(body->m_Velocity.z, 1000.0f / length, 1e-5);
}

TEST_F(PhysicsTest, AFallingBodyApproachesItsTerminalSpeedAndNeverPasses1800)
{
    const float g = 1200.0f;
    GameObjectComposition* box = MakeObject("Box", 0, 0, 2, Box(-1, -1, 1, 1));
    Body* body = BodyOf(box);
    body->m_Gravity = {0, -g, 0};
    for (int i = 0; i < 600; ++i)
    {
        body->Integrate(kStep);
    }
    float d = std::pow(0.2f, kStep);
    EXPECT_NEAR(body->m_Velocity.y, -g * kStep * d / (1.0f - d), 0.5);
    EXPECT_NEAR(body->m_Velocity.y / -g, 0.613, 0.001);

    body->m_Gravity = {0, -1.0e6f, 0};
    for (int i = 0; i < 60; ++i)
    {
        body->Integrate(kStep);
        EXPECT_LE(std::fabs(body->m_Velocity.y), 1800.0f * 1.000001f);
    }
}

TEST_F(PhysicsTest, PolygonFollowsScaleRotationAndPosition)
{
    GameObjectComposition* box = MakeObject("Box", 5, 7, 2, {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}});
    At(box)->Rotation = 1.5707964f;
    At(box)->Scale = {2, 1};
    Body* body = BodyOf(box);
    body->UpdatePolygon();
    ASSERT_EQ(body->m_Polygon.m_Vertices.size(), 3u);
    // (1, 0) scaled to (2, 0), turned a quarter to (0, 2), moved to (5, 9).
    EXPECT_NEAR(body->m_Polygon.m_Vertices[0].x, 5.0, 1e-5);
    EXPECT_NEAR(body->m_Polygon.m_Vertices[0].y, 9.0, 1e-5);
    EXPECT_NEAR(body->m_Polygon.m_Vertices[1].x, 4.0, 1e-5);
    EXPECT_NEAR(body->m_Polygon.m_Vertices[1].y, 7.0, 1e-5);

    // More offsets than world vertices: the world list is resized first.
    body->m_Polygon.m_Offsets.push_back({0, -1, 0});
    body->UpdatePolygon();
    EXPECT_EQ(body->m_Polygon.m_Vertices.size(), 4u);
}
