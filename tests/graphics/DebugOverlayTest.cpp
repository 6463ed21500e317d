#include "tests/TestSupport.h"

#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "gameflow/Triggers.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "platform/Image.h"

#include <cstdlib>
#include <fstream>

using namespace Framework;

namespace
{
struct Rgb
{
    int r, g, b;
};

// The ground scene with real OpenGL, plus three bodies the overlay outlines: static, dynamic and a trigger volume.
class DebugOverlayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CAMERA = Camera{};
        StartEngine(core, SourcePath("tests/data/ground"), "Level_Ground", false, true);
        if (!Draw() || core.m_Graphics->Device().TextureCount() < 14)
        {
            GTEST_SKIP() << "no OpenGL 3.3 context with this video driver; the real-GL overlay test is skipped";
        }
    }
    void TearDown() override
    {
        for (auto& object : m_Objects)
        {
            object->DestroyComponents();
        }
        m_Objects.clear();
        core.DestroySystems();
        CORE = nullptr;
        CAMERA = Camera{};
        SetResourceRoot("Resources");
    }
    bool Draw()
    {
        core.m_Graphics->Update(0.017f);
        return core.m_Graphics->Device().ReadBackBuffer(picture);
    }
    // A 100 x 100 box with its lower left corner at (x, y) in the world.
    void AddBox(float x, float y, float mass, bool trigger)
    {
        auto object = std::make_unique<GameObjectComposition>(trigger ? "Volume" : "Box");
        object->GetTransform()->Position = {x, y};
        auto* body = static_cast<Body*>(core.m_Physics->CreateComponent(0));
        body->m_Mass = mass;
        body->m_Polygon.m_Offsets = {{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}};
        object->AddComponent("Body", body);
        if (trigger)
        {
            object->AddComponent("WinTrigger", new WinTrigger());
        }
        object->InitializeComponents();
        body->UpdatePolygon();
        m_Objects.push_back(std::move(object));
    }
    // Whether a pixel near the world point (the view centre is the world origin) has the colour.
    bool ColourNear(float worldX, float worldY, Rgb want) const
    {
        int px = 640 + static_cast<int>(worldX);
        int py = 360 - static_cast<int>(worldY);
        for (int y = py - 2; y <= py + 2; ++y)
        {
            for (int x = px - 2; x <= px + 2; ++x)
            {
                const unsigned char* p = &picture.Pixels[(static_cast<size_t>(y) * picture.Width + x) * 4];
                if (std::abs(p[0] - want.r) < 30 && std::abs(p[1] - want.g) < 30 && std::abs(p[2] - want.b) < 30)
                {
                    return true;
                }
            }
        }
        return false;
    }
    // Sum of the brightness of the readout's corner of the picture.
    long CornerBrightness() const
    {
        long sum = 0;
        for (int y = 5; y < 100; ++y)
        {
            for (int x = 5; x < 250; ++x)
            {
                const unsigned char* p = &picture.Pixels[(static_cast<size_t>(y) * picture.Width + x) * 4];
                sum += p[0] + p[1] + p[2];
            }
        }
        return sum;
    }

    Core core;
    Image picture;
    std::vector<std::unique_ptr<GameObjectComposition>> m_Objects;
};
} // namespace

// Off by default; on, each kind of body gets its outline colour along its edges, and the readout's glyphs light
// the top-left corner.
TEST_F(DebugOverlayTest, OutlinesInThreeColoursAndTheReadoutAppearOnlyWhileShown)
{
    AddBox(-400, 100, 0, false); // static: green
    AddBox(-50, 100, 1, false);  // dynamic: orange
    AddBox(300, 100, 1, true);   // trigger volume: magenta
    const Rgb green{51, 255, 77};
    const Rgb orange{255, 153, 26};
    const Rgb magenta{255, 51, 255};

    ASSERT_TRUE(Draw());
    EXPECT_FALSE(core.m_Graphics->Overlay().IsVisible());
    long cornerBefore = CornerBrightness();
    EXPECT_FALSE(ColourNear(-400, 150, green) || ColourNear(-50, 150, orange) || ColourNear(300, 150, magenta));

    core.m_Graphics->Overlay().Toggle();
    ASSERT_TRUE(Draw());
    for (float edge : {0.0f, 100.0f})
    {
        EXPECT_TRUE(ColourNear(-400 + edge, 150, green)) << "static body, side " << edge;
        EXPECT_TRUE(ColourNear(-50 + edge, 150, orange)) << "dynamic body, side " << edge;
        EXPECT_TRUE(ColourNear(300 + edge, 150, magenta)) << "trigger volume, side " << edge;
    }
    EXPECT_TRUE(ColourNear(0, 200, orange)) << "top edge of the dynamic body";
    EXPECT_GT(CornerBrightness(), cornerBefore + 200000) << "the readout's glyphs over the black corner";
    EXPECT_FALSE(core.m_Graphics->LastFrameDraws().empty());
}

// F3 twice in a headless run with a replay: the state after the run is the one without the overlay.
TEST(DebugOverlay, ShowingItChangesNothingInTheGame)
{
    std::string replay = ::testing::TempDir() + "overlay-f3.rec";
    std::ofstream(replay) << "kibbet-input 1\nF1 K- P0:0:0:0\nF1 K72 P0:0:0:0\nF1 K- P0:0:0:0\n";
    std::string args = "--headless --fixed-step --seed 3 --resources " + SourcePath("tests/data/mini") +
                       " --level Level_01 --frames 40 --dump-state";
    RunResult plain = RunGame(args);
    RunResult shown = RunGame(args + " --replay " + replay);
    ASSERT_EQ(plain.Status, 0);
    EXPECT_EQ(shown.Output, plain.Output);
}
