#include "tests/TestSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace Framework;

namespace
{
class GraphicsTest : public EngineTest
{
protected:
    void SetUp() override { Start(SourcePath("tests/data/gfx"), "Level_Render", true); }
    Graphics& graphics() { return *core.m_Graphics; }
    RecordingRenderDevice& device() { return static_cast<RecordingRenderDevice&>(graphics().Device()); }
    GameObjectComposition* Find(const std::string& key) { return core.m_Factory->FindObject(key); }
    // Draws one frame and returns the textures drawn, in order.
    std::vector<int> Frame(float dt = 0.017f)
    {
        graphics().Update(dt);
        std::vector<int> layers;
        for (const RecordedDraw& draw : device().Draws)
        {
            layers.push_back(draw.Texture);
        }
        return layers;
    }
    const RecordedDraw* DrawOf(int layer)
    {
        for (const RecordedDraw& draw : device().Draws)
        {
            if (draw.Texture == layer)
            {
                return &draw;
            }
        }
        return nullptr;
    }
};
} // namespace

TEST_F(GraphicsTest, TexturesAreLayersInListingOrderAndEachLayerIsOneDraw)
{
    ASSERT_EQ(device().Textures.size(), 4u);
    EXPECT_NE(device().Textures[0].find("0_Back.png"), std::string::npos);
    EXPECT_EQ(graphics().m_ParticleLayer, 3);
    EXPECT_EQ(Frame(), (std::vector<int>{0, 1, 2})) << "layer 4 has no texture: \"Far\" is never drawn";
    EXPECT_EQ(device().Presents, 1);
    EXPECT_EQ(DrawOf(1)->Vertices.size(), 12u) << "two sprites in the hero layer";
    EXPECT_EQ(device().MaxVertices, 12000u);
}

TEST_F(GraphicsTest, CullingKeepsObjectsWithinTheViewPlusTheirRadius)
{
    // The view centre is the world origin (no hero); half the view is 640 wide. The glass is 100 x 100.
    Transform* t = Find("Glass")->GetTransform();
    t->Position = {700, 0};
    t->Scale = {1.2f, 1.2f}; // r = 60
    Frame();
    EXPECT_NE(DrawOf(2), nullptr);
    t->Scale = {1.18f, 1.18f}; // r = 59
    Frame();
    EXPECT_EQ(DrawOf(2), nullptr);
    t->Position = {0, 384 + 59};
    Frame();
    EXPECT_NE(DrawOf(2), nullptr) << "exactly on the edge is kept";
    t->Position = {0, 384 + 60};
    Frame();
    EXPECT_EQ(DrawOf(2), nullptr) << "the culling rectangle is 384 high";
}

TEST_F(GraphicsTest, OnlyDrawnSpritesAnimate)
{
    GameObjectComposition* hero = Find("Hero");
    Animation& anim = hero->GetGraphics()->m_Animation;
    EXPECT_EQ(anim.m_Current, "walkRight") << "set by SetDefaultAnimation";
    hero->GetTransform()->Position = {5000, 0};
    for (int i = 0; i < 10; ++i)
    {
        Frame(0.05f);
    }
    EXPECT_EQ(anim.m_Frame, 0u);
    hero->GetTransform()->Position = {0, 0};
    Frame(0.05f);
    Frame(0.05f);
    EXPECT_EQ(anim.m_Frame, 1u);
    EXPECT_FLOAT_EQ(hero->GetGraphics()->m_Sprite.UVs.m_UVTopRight.x, 0.5f) << "the LeftHalf frame";
}

TEST_F(GraphicsTest, ALayerBeyondTheBufferIsDrawnInSeveralBatches)
{
    for (int i = 0; i < 2500; ++i)
    {
        core.m_Factory->CreateObject("Glass", "");
    }
    Frame();
    size_t draws = 0;
    size_t vertices = 0;
    for (const RecordedDraw& draw : device().Draws)
    {
        if (draw.Texture == 2)
        {
            ++draws;
            vertices += draw.Vertices.size();
            EXPECT_LE(draw.Vertices.size(), 12000u);
        }
    }
    EXPECT_EQ(draws, 2u);
    EXPECT_EQ(vertices, 2501u * 6);
}

TEST_F(GraphicsTest, FadesMoveLinearlyAndStay)
{
    Graphics& g = graphics();
    g.StartFade(2, 2.0f); // out over two seconds
    const float out[] = {0.5f, 0.75f, 1.0f, 0.25f, 1.0f, 0.0f, 1.0f, 0.0f};
    for (int i = 0; i < 8; i += 2)
    {
        g.UpdateFade(out[i]);
        EXPECT_FLOAT_EQ(g.m_FadeValue, out[i + 1]) << i;
    }
    EXPECT_EQ(g.m_FadeMode, 0);
    g.StartFade(1, 1.0f); // in over one second
    g.UpdateFade(0.25f);
    EXPECT_FLOAT_EQ(g.m_FadeValue, 0.25f);
    g.UpdateFade(2.0f);
    EXPECT_FLOAT_EQ(g.m_FadeValue, 1.0f);
    g.ResetFade();
    g.UpdateFade(0.1f);
    EXPECT_EQ(g.m_FadeValue, 0.0f) << "stays until a fade starts";
}

TEST(ViewportTest, KeepsSixteenByNineWithBars)
{
    struct Case
    {
        int w, h;
        float left, top, width, height;
    };
    for (Case c : {Case{1920, 1080, 0, 0, 1920, 1080}, Case{1600, 900, 0, 0, 1600, 900},
                   Case{1920, 1200, 0, 59.98f, 1920, 1080.05f}, Case{2560, 1080, 320.0f, 0, 1919.9f, 1080},
                   Case{1280, 0, 0, 0, 0, 0}}) // minimised: empty, not a division by zero
    {
        ViewportRect v = Graphics::ComputeViewport(c.w, c.h, 1.7777f);
        EXPECT_NEAR(v.Left, c.left, 0.1f) << c.w << "x" << c.h;
        EXPECT_NEAR(v.Top, c.top, 0.01f) << c.w << "x" << c.h;
        EXPECT_NEAR(v.Width, c.width, 0.1f) << c.w << "x" << c.h;
        EXPECT_NEAR(v.Height, c.height, 0.01f) << c.w << "x" << c.h;
    }
}

TEST_F(GraphicsTest, ResizeAndResolutionFollowTheWindowAndFullScreen)
{
    EXPECT_TRUE(graphics().m_Fullscreen) << "the game starts in full screen";
    graphics().Resize(1920, 1200);
    EXPECT_EQ(device().BackBufferWidth, 1920);
    EXPECT_NEAR(device().Viewport.Top, 59.98f, 0.01f);
    graphics().SetResolution(1600, 900);
    EXPECT_EQ(device().BackBufferWidth, 1600) << "in full screen a new resolution applies at once";
    graphics().ToggleFullscreen();
    EXPECT_FALSE(graphics().m_Fullscreen);
    graphics().Resize(1000, 1000);
    graphics().SetResolution(1280, 720);
    EXPECT_EQ(device().BackBufferWidth, 1000) << "windowed: only the window's size change resizes";
    graphics().Resize(0, 0);
    EXPECT_EQ(device().BackBufferWidth, 1280) << "zeros take the client size";
}

// A broken texture is skipped and later ones move down; without any texture the game runs and draws nothing,
// but every frame is still cleared and shown.
using GraphicsFailureTest = EngineTest;
TEST_F(GraphicsFailureTest, MissingOrBrokenTexturesLeaveTheGameRunning)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("kibbet_gfx_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "Textures");
    fs::copy(SourcePath("tests/data/gfx/Data"), dir / "Data", fs::copy_options::recursive);
    auto device = [this] { return &static_cast<RecordingRenderDevice&>(core.m_Graphics->Device()); };
    Start(dir.string(), "Level_Render", true);
    core.m_Graphics->Update(0.017f);
    EXPECT_TRUE(device()->Draws.empty());
    EXPECT_EQ(device()->Frames, 1);
    EXPECT_EQ(device()->Presents, 1);
    EXPECT_NE(core.m_Factory->FindObject("Hero"), nullptr);
    EngineTest::TearDown();

    fs::copy(SourcePath("tests/data/gfx/Textures/0_Back.png"), dir / "Textures/0_A.png");
    std::ofstream(dir / "Textures/1_Broken.png") << "not a picture";
    fs::copy(SourcePath("tests/data/gfx/Textures/1_Chars.png"), dir / "Textures/2_C.png");
    Start(dir.string(), "Level_Render", true);
    ASSERT_EQ(device()->Textures.size(), 2u);
    EXPECT_NE(device()->Textures[1].find("2_C.png"), std::string::npos);
    core.m_Graphics->Update(0.017f);
    EXPECT_EQ(device()->Draws.size(), 2u) << "layers 0 and 1 only";
    fs::remove_all(dir);
}

TEST(GraphicsDeviceFailureTest, AFailedDeviceStepIsLoggedAndTheGameGoesOn)
{
    SetResourceRoot(SourcePath("tests/data/gfx"));
    for (const char* step : {"create", "shaders", "buffer"})
    {
        auto owned = std::make_unique<RecordingRenderDevice>();
        owned->FailStep = step;
        RecordingRenderDevice* device = owned.get();
        Graphics graphics(nullptr, nullptr, std::move(owned), true);
        ::testing::internal::CaptureStderr();
        graphics.Initialize();
        graphics.Load();
        DrawDebugPolygon({{0, 0, 0}, {1, 1, 0}}, nullptr);
        for (int i = 0; i < 3; ++i)
        {
            graphics.Update(0.017f);
        }
        std::string log = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(log.find("goes on without drawing"), std::string::npos) << step;
        EXPECT_TRUE(device->Draws.empty()) << step;
        EXPECT_TRUE(DebugLineQueue.empty()) << "debug lines never pile up";
        EXPECT_FALSE(graphics.SaveScreenshot(::testing::TempDir() + "never.png"));
    }
}
