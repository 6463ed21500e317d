#include "tests/TestSupport.h"

#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "platform/Image.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace Framework;

namespace
{
struct Rgb
{
    int r, g, b;
};

// A real window and OpenGL device on SDL's offscreen driver (EGL, no display) drawing the test level.
class RenderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CAMERA = Camera{};
        Options options;
        options.Windowed = true;
        options.ResourceDir = SourcePath("tests/data/gfx");
        options.Level = "Level_Render";
        CORE = &core;
        BuildSystems(core, options, std::string());
        for (auto& system : core.Systems)
        {
            system->Initialize();
        }
        for (auto& system : core.Systems)
        {
            system->Load();
        }
        Image probe;
        if (!core.m_Graphics->Device().ReadBackBuffer(probe) || core.m_Graphics->Device().TextureCount() != 4)
        {
            const char* driver = std::getenv("SDL_VIDEODRIVER");
            GTEST_SKIP() << "no OpenGL 3.3 context under SDL_VIDEODRIVER=" << (driver != nullptr ? driver : "")
                         << "; the real-GL render tests are skipped";
        }
    }
    void TearDown() override
    {
        core.DestroySystems();
        CORE = nullptr;
        CAMERA = Camera{};
        SetResourceRoot("Resources");
    }
    void Render()
    {
        core.m_Graphics->Update(0.017f);
        ASSERT_TRUE(core.m_Graphics->Device().ReadBackBuffer(picture));
    }
    // Pixel from the top-left corner of the back buffer.
    Rgb At(int x, int y) const
    {
        const unsigned char* p = &picture.Pixels[(static_cast<size_t>(y) * picture.Width + x) * 4];
        return {p[0], p[1], p[2]};
    }
    void ExpectColour(int x, int y, Rgb expected, const char* what)
    {
        Rgb got = At(x, y);
        EXPECT_NEAR(got.r, expected.r, 3) << what << " at " << x << "," << y;
        EXPECT_NEAR(got.g, expected.g, 3) << what << " at " << x << "," << y;
        EXPECT_NEAR(got.b, expected.b, 3) << what << " at " << x << "," << y;
    }

    Core core;
    Image picture;
};
} // namespace

// The level (world origin at the view centre, 640 x 360 in the picture): a red 400 x 400 back in layer 0,
// a hero 200 x 100 (green left half, blue right half) in layer 1 above it, its mirrored twin below, a
// half-transparent white glass in layer 2 and an object in a layer without a texture.
TEST_F(RenderTest, LayersDrawInOrderWithBlendingAndMirroring)
{
    Render();
    EXPECT_EQ(picture.Width, 1280);
    EXPECT_EQ(picture.Height, 720);
    ExpectColour(100, 100, {0, 0, 0}, "cleared background");
    ExpectColour(490, 360, {255, 0, 0}, "back layer, and no object of the textureless layer");
    ExpectColour(590, 260, {0, 255, 0}, "hero drawn over the back although listed first");
    ExpectColour(690, 260, {0, 0, 255}, "hero's right half");
    ExpectColour(590, 460, {0, 0, 255}, "\"Left\" frame mirrored");
    ExpectColour(690, 460, {0, 255, 0}, "\"Left\" frame mirrored");
    ExpectColour(790, 360, {255, 128, 128}, "half-transparent white over red");
}

TEST_F(RenderTest, FadeZeroIsBlackAndOneIsTheTexture)
{
    core.m_Graphics->ResetFade();
    Render();
    ExpectColour(490, 360, {0, 0, 0}, "fully faded");
    core.m_Graphics->StartFade(1, 0.017f);
    Render();
    ExpectColour(490, 360, {255, 0, 0}, "faded in");
}

TEST_F(RenderTest, SixteenByTenGetsBarsAboveAndBelow)
{
    core.m_Graphics->Resize(1280, 800);
    Render();
    EXPECT_EQ(picture.Height, 800);
    ExpectColour(640, 20, {0, 0, 0}, "bar above");
    ExpectColour(640, 780, {0, 0, 0}, "bar below");
    ExpectColour(490, 400, {255, 0, 0}, "the picture moved down by the bar");
    ExpectColour(590, 300, {0, 255, 0}, "hero moved down by the bar");
}

TEST_F(RenderTest, ScreenshotWritesTheBackBuffer)
{
    Render();
    std::string path = ::testing::TempDir() + "kibbet_render_shot.png";
    ASSERT_TRUE(core.m_Graphics->SaveScreenshot(path));
    Image saved;
    ASSERT_TRUE(LoadImageFile(path, saved));
    EXPECT_EQ(saved.Width, 1280);
    EXPECT_EQ(saved.Pixels, picture.Pixels);
    std::remove(path.c_str());
}

TEST_F(RenderTest, F12WritesANumberedPictureIntoThePicturesFolder)
{
    std::string folder = ::testing::TempDir() + "kibbet_pictures_" + std::to_string(::getpid());
    std::filesystem::remove_all(folder);
    setenv("XDG_PICTURES_DIR", folder.c_str(), 1);
    core.m_Input->IsKeyTriggered(0x7B);
    core.m_Input->m_Keyboard[0x7B] = 3; // F12 went down in the last input update
    Render();
    core.m_Input->m_Keyboard[0x7B] = 2; // held: no second picture
    Render();
    unsetenv("XDG_PICTURES_DIR");
    EXPECT_TRUE(std::filesystem::exists(folder + "/Kibbet_0001.png"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/Kibbet_0002.png"));
    std::filesystem::remove_all(folder);
}

TEST(ShaderErrorTest, ACompileErrorNamesTheEntryPointAndTheGameGoesOn)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::path(::testing::TempDir()) / ("kibbet_fx_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::copy(SourcePath("tests/data/gfx"), dir, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    fs::remove(dir / "Data/FX/TextureMap.fx");
    std::ifstream original(SourcePath("Resources/Data/FX/TextureMap.fx"));
    std::stringstream text;
    text << original.rdbuf();
    std::string broken = text.str();
    broken.replace(broken.find("FragColour = vec4(texel.rgb * fade"), 10, "FragColour = nonsense(");
    std::ofstream(dir / "Data/FX/TextureMap.fx") << broken;

    CAMERA = Camera{};
    Core core;
    CORE = &core;
    Options options;
    options.Windowed = true;
    options.ResourceDir = dir.string();
    options.Level = "Level_Render";
    ::testing::internal::CaptureStderr();
    BuildSystems(core, options, std::string());
    for (auto& system : core.Systems)
    {
        system->Initialize();
    }
    for (auto& system : core.Systems)
    {
        system->Load();
    }
    core.m_Graphics->Update(0.017f);
    std::string log = ::testing::internal::GetCapturedStderr();
    core.DestroySystems();
    CORE = nullptr;
    CAMERA = Camera{};
    SetResourceRoot("Resources");
    fs::remove_all(dir);
    if (log.find("no OpenGL") != std::string::npos || log.find("no window") != std::string::npos)
    {
        GTEST_SKIP() << "no OpenGL context with this video driver";
    }
    EXPECT_NE(log.find("shader PS_Main did not compile"), std::string::npos) << log;
    EXPECT_NE(log.find("goes on without drawing"), std::string::npos) << log;
}

TEST(ScreenshotFlagTest, TheLastFrameOfARunIsWrittenAsAPicture)
{
    std::string path = ::testing::TempDir() + "kibbet_flag_shot_" + std::to_string(::getpid()) + ".png";
    std::string command = std::string("SDL_VIDEODRIVER=offscreen ") + KIBBET_BINARY +
                          " --windowed --fixed-step --frames 3 --resources " + SourcePath("tests/data/gfx") +
                          " --level Level_Render --screenshot " + path + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    Image shot;
    if (!LoadImageFile(path, shot))
    {
        GTEST_SKIP() << "no picture: no OpenGL context with the offscreen driver";
    }
    EXPECT_EQ(shot.Width, 1280);
    EXPECT_EQ(shot.Height, 720);
    const unsigned char* back = &shot.Pixels[(360 * 1280 + 490) * 4];
    EXPECT_GT(back[0], 250);
    EXPECT_LT(back[1], 5);
    std::remove(path.c_str());
}
