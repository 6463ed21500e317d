#include "tests/TestSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/Camera.h"
#include "graphics/Parallax.h"
#include "physics/Body.h"

using namespace Framework;

namespace
{
class CameraTest : public EngineTest
{
protected:
    void SetUp() override
    {
        Start(SourcePath("tests/data/gfx"));
        CAMERA.InitCamera(1280, 720);
        hero = core.m_Factory->CreateObject("Back", "Kibbet");
        other = core.m_Factory->CreateObject("Glass", "Other");
    }
    void Place(GameObjectComposition* object, float x, float y) { object->GetTransform()->Position = {x, y}; }

    GameObjectComposition* hero = nullptr;
    GameObjectComposition* other = nullptr;
};
} // namespace

TEST_F(CameraTest, FollowsTheHeroHeldBelowTheCentre)
{
    EXPECT_EQ(CAMERA.m_ViewOffset.x, 640.0f) << "the world origin starts at the view centre";
    Place(hero, 1000, 300);
    CAMERA.SetCameraTarget(nullptr);
    EXPECT_EQ(CAMERA.m_Target, hero);
    EXPECT_EQ(CAMERA.m_ViewOffset.x, -360.0f);
    EXPECT_EQ(CAMERA.m_ViewOffset.y, -140.0f);
    EXPECT_EQ(CAMERA.ScreenCentre().x, 1000.0f);
    EXPECT_EQ(CAMERA.ScreenCentre().y, 500.0f);

    Place(hero, 1010, 300);
    CAMERA.UpdateCamera();
    EXPECT_EQ(CAMERA.ScreenCentre().x, 1010.0f) << "no smoothing";

    // Any other target sits at the exact centre.
    Place(other, 50, 60);
    CAMERA.SetCameraTarget(other);
    EXPECT_EQ(CAMERA.ScreenCentre().x, 50.0f);
    EXPECT_EQ(CAMERA.ScreenCentre().y, 60.0f);
}

TEST_F(CameraTest, LocksKeepTheFollowedPointAboveAndRightOfTheMinimum)
{
    CAMERA.SetCameraLocks(-100.0f, 400.0f);
    Place(hero, -500, 300);
    CAMERA.SetCameraTarget(hero);
    EXPECT_EQ(CAMERA.ScreenCentre().x, -100.0f);
    EXPECT_EQ(CAMERA.ScreenCentre().y, 600.0f) << "followed as if at y 400, 200 below the centre";
    CAMERA.ClearCameraLocks();
    CAMERA.UpdateCamera();
    EXPECT_EQ(CAMERA.ScreenCentre().x, -500.0f);
}

TEST_F(CameraTest, ParallaxMovesByItsFactorOfTheCameraMovement)
{
    GameObjectComposition* background = core.m_Factory->CreateObject("Glass", "Sky");
    auto* parallax = new Parallax();
    parallax->m_Parallax = true;
    parallax->m_OffsetX = 0.5f;
    parallax->m_OffsetY = 1.0f;
    background->AddComponent("Parallax", parallax);
    parallax->Initialize();
    parallax->Initialize();
    ASSERT_EQ(CAMERA.m_ParallaxObjects.size(), 1u) << "joins once";

    Place(hero, 0, 0);
    CAMERA.SetCameraTarget(hero);
    Place(background, 0, 0);
    Place(hero, 10, 20);
    CAMERA.UpdateCamera();
    EXPECT_EQ(background->GetTransform()->Position.x, 5.0f);
    EXPECT_EQ(background->GetTransform()->Position.y, 20.0f) << "a factor of 1 keeps it fixed on screen";

    parallax->m_Parallax = false;
    Place(hero, 30, 20);
    CAMERA.UpdateCamera();
    EXPECT_EQ(background->GetTransform()->Position.x, 5.0f);

    core.m_Factory->DestroyObject(background);
    core.m_Factory->Update(0);
    EXPECT_TRUE(CAMERA.m_ParallaxObjects.empty());
}

TEST_F(CameraTest, LookAheadLeadsAfterASecondAndFallsBackWhenStill)
{
    auto* body = new Body();
    body->m_Velocity.x = 300.0f;
    hero->AddComponent("Body", body);
    Place(hero, 0, 0);
    CAMERA.SetCameraTarget(hero);
    float x = 0.0f;
    auto step = [&](float dx)
    {
        x += dx;
        Place(hero, x, 0);
        CAMERA.UpdateCamera();
        CAMERA.UpdateLookAhead(0.1f);
    };
    auto steps = [&](int n, float dx)
    {
        for (int i = 0; i < n; ++i)
        {
            step(dx);
        }
    };
    steps(9, 10.0f);
    EXPECT_EQ(CAMERA.m_LookAhead, 0.0f) << "the timer builds for a second first";
    step(10.0f);
    EXPECT_EQ(CAMERA.m_LookAhead, 0.0f) << "ten steps of 0.1f sum to just under a second";
    step(10.0f);
    EXPECT_EQ(CAMERA.m_LookAhead, 0.5f);
    step(10.0f);
    EXPECT_EQ(CAMERA.m_LookAhead, 1.0f) << "half a unit per frame toward the motion";
    steps(300, 10.0f);
    EXPECT_EQ(CAMERA.m_LookAhead, 100.0f) << "clamped";
    steps(4, 0.0f);
    EXPECT_EQ(CAMERA.m_LookAhead, 100.0f) << "the timer runs down at twice the rate first";
    steps(10, 0.0f);
    EXPECT_LT(CAMERA.m_LookAhead, 100.0f);
    EXPECT_GT(CAMERA.m_LookAhead, 85.0f) << "one unit per frame";
}

TEST(CameraState, ResetProcessStatePutsTheCameraBackToItsStartValue)
{
    // The camera lives in graphics/ and adds its own reset; without it every test would see the last one's view.
    CAMERA.InitCamera(800, 600);
    CAMERA.SetCameraLocks(10.0f, 20.0f);
    ResetProcessState();
    EXPECT_EQ(CAMERA.m_ClientWidth, 1280);
    EXPECT_EQ(CAMERA.m_HalfClient.x, 640.0f);
    EXPECT_FALSE(CAMERA.m_LockMinX);
}
