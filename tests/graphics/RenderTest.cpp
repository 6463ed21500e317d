#include "tests/TestSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/Camera.h"
#include "graphics/Emitter.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleSpawners.h"
#include "platform/Image.h"

#include <algorithm>
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

void StartWindowed(Core& core, const std::string& resourceDir, const std::string& level, unsigned width = 0,
                   unsigned height = 0)
{
    StartEngine(core, resourceDir, level, false, true, nullptr, width, height);
}

void Stop(Core& core)
{
    core.DestroySystems();
}

// A level drawn with real OpenGL; skipped where the driver gives no OpenGL 3.3 context.
class GlSceneTest : public ::testing::Test
{
protected:
    void Open(const std::string& resourceDir, const std::string& level, size_t textures)
    {
        StartWindowed(core, SourcePath(resourceDir), level);
        // A level starts black until its start volumes fade it in; these fixtures have none.
        core.m_Graphics->m_FadeValue = 1.0f;
        core.m_Graphics->Update(0.017f);
        if (!core.m_Graphics->Device().ReadBackBuffer(picture) || core.m_Graphics->Device().TextureCount() < textures)
        {
            GTEST_SKIP() << "no OpenGL 3.3 context with this video driver; the real-GL render tests are skipped";
        }
    }
    void TearDown() override { Stop(core); }
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
        EXPECT_TRUE(std::abs(got.r - expected.r) <= 3 && std::abs(got.g - expected.g) <= 3 &&
                    std::abs(got.b - expected.b) <= 3)
            << what << " at " << x << "," << y << ": " << got.r << " " << got.g << " " << got.b;
    }

    Core core;
    Image picture;
};

class RenderTest : public GlSceneTest
{
protected:
    void SetUp() override { Open("tests/data/gfx", "Level_Render", 4); }
};

// Earth and a hill under a grass band, a moss patch, a hive with an emitter and a line of text, over the
// team's atlases and ground tiles.
class GroundSceneTest : public GlSceneTest
{
protected:
    void SetUp() override { Open("tests/data/ground", "Level_Ground", 14); }
    // Pixels of a box that are not background black.
    int Lit(int left, int top, int size) const
    {
        int lit = 0;
        for (int y = top; y < top + size; ++y)
        {
            for (int x = left; x < left + size; ++x)
            {
                Rgb p = At(x, y);
                lit += p.r + p.g + p.b > 60 ? 1 : 0;
            }
        }
        return lit;
    }
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

// A level keeps the textures it names; another layer's texture goes once nothing is drawn in it, and comes back,
// drawn as before, as soon as something is.
TEST_F(RenderTest, AnUnkeptTextureIsFreedAndComesBackWhenDrawnAgain)
{
    Graphics& graphics = *core.m_Graphics;
    graphics.m_FreeTexturesFrom = 0; // the test pictures are tiny
    const int glassLayer = 2;
    ASSERT_EQ(graphics.LoadedTextures().count(glassLayer), 1u);
    graphics.KeepTextures({{0, 1}});
    Factory& factory = *core.m_Factory;
    GameObjectComposition* glass = factory.FindObject("Glass");
    ASSERT_NE(glass, nullptr);
    const Vec2 place = glass->GetTransform()->Position;
    Render();
    EXPECT_EQ(graphics.LoadedTextures().count(glassLayer), 1u) << "drawn in, so kept";

    factory.DestroyObject(glass);
    factory.Update(0.0f);
    Render();
    EXPECT_EQ(graphics.LoadedTextures().count(glassLayer), 0u);
    EXPECT_EQ(graphics.LoadedTextures().count(0), 1u) << "kept";
    ExpectColour(790, 360, {255, 0, 0}, "the back where the glass was");

    GameObjectComposition* again = factory.CreateObject("Glass", "Glass");
    ASSERT_NE(again, nullptr);
    again->GetTransform()->Position = place;
    Render();
    EXPECT_EQ(graphics.LoadedTextures().count(glassLayer), 1u);
    ExpectColour(790, 360, {255, 128, 128}, "the glass back, drawn with its texture");
}

// A copy of the drawing test data whose effect file has one piece of text replaced (the copy's effect file is
// written in place of the link to the real one, which must stay intact).
std::filesystem::path EditedEffectData(const std::string& name, const std::string& find, const std::string& with)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::path(::testing::TempDir()) / ("kibbet_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::copy(SourcePath("tests/data/gfx"), dir, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    std::stringstream text;
    text << std::ifstream(SourcePath("Resources/Data/FX/TextureMap.fx")).rdbuf();
    std::string effect = text.str();
    effect.replace(effect.find(find), find.size(), with);
    fs::remove(dir / "Data/FX/TextureMap.fx");
    std::ofstream(dir / "Data/FX/TextureMap.fx") << effect;
    return dir;
}

// The first frame of the test level over a data folder, drawn with real OpenGL: what the game logged, and the
// picture (false when there is none). The folder is deleted afterwards.
bool FirstFrame(const std::filesystem::path& dir, std::string& log, Image& picture)
{
    Core core;
    ::testing::internal::CaptureStderr();
    StartWindowed(core, dir.string(), "Level_Render");
    core.m_Graphics->m_FadeValue = 1.0f;
    core.m_Graphics->Update(0.017f);
    log = ::testing::internal::GetCapturedStderr();
    bool drawn = core.m_Graphics->Device().ReadBackBuffer(picture);
    Stop(core);
    std::filesystem::remove_all(dir);
    return drawn;
}

TEST(ShaderErrorTest, ACompileErrorNamesTheEntryPointAndTheGameGoesOn)
{
    namespace fs = std::filesystem;
    fs::path dir = EditedEffectData("fx", "FragColour = clamp(texture(Texture, vTexCoord) * vTint",
                                    "FragColour = nonsense(texture(Texture, vTexCoord) * vTint");

    std::string log;
    Image picture;
    FirstFrame(dir, log, picture);
    if (log.find("no OpenGL") != std::string::npos || log.find("no window to draw into") != std::string::npos)
    {
        GTEST_SKIP() << "no OpenGL context with this video driver";
    }
    EXPECT_NE(log.find("shader PS_Main did not compile"), std::string::npos) << log;
    EXPECT_NE(log.find("goes on without drawing"), std::string::npos) << log;
}

// An effect file without the plain shader (an older one) draws every sprite with PS_Main, and says so.
TEST(ShaderErrorTest, WithoutThePlainShaderTheMainOneDrawsEverything)
{
    namespace fs = std::filesystem;
    fs::path dir = EditedEffectData("plain", "@entry PS_Plain", "@entry PS_Unused");

    std::string log;
    Image picture;
    bool drawn = FirstFrame(dir, log, picture);
    if (log.find("no OpenGL") != std::string::npos || log.find("no window to draw into") != std::string::npos)
    {
        GTEST_SKIP() << "no OpenGL context with this video driver";
    }
    EXPECT_NE(log.find("shader PS_Plain is missing"), std::string::npos) << log;
    EXPECT_EQ(log.find("goes on without drawing"), std::string::npos) << log;
    ASSERT_TRUE(drawn);
    size_t lit = 0;
    for (size_t i = 0; i < picture.Pixels.size(); i += 4)
    {
        lit += picture.Pixels[i] + picture.Pixels[i + 1] + picture.Pixels[i + 2] > 60 ? 1 : 0;
    }
    EXPECT_GT(lit, picture.Pixels.size() / 4 / 10) << "the level's sprites are drawn";
}

// A broken atlas gets one log line and leaves its own layer empty: the layers after it keep their textures.
TEST(BrokenTextureTest, OnlyItsOwnLayerGoesWithoutAPicture)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::path(::testing::TempDir()) / ("kibbet_broken_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::copy(SourcePath("tests/data/gfx"), dir, fs::copy_options::recursive);
    fs::remove(dir / "Textures/1_Chars.png");
    std::ofstream(dir / "Textures/1_Chars.png") << "not a picture";

    std::string log;
    Image picture;
    bool drawn = FirstFrame(dir, log, picture);
    if (!drawn)
    {
        GTEST_SKIP() << "no OpenGL 3.3 context with this video driver";
    }
    EXPECT_NE(log.find("1_Chars.png could not be read"), std::string::npos) << log;
    auto at = [&](int x, int y)
    {
        const unsigned char* p = &picture.Pixels[(static_cast<size_t>(y) * picture.Width + x) * 4];
        return Rgb{p[0], p[1], p[2]};
    };
    Rgb back = at(590, 260);
    EXPECT_TRUE(back.r > 250 && back.g < 5 && back.b < 5) << "no hero: the red back shows";
    Rgb glass = at(790, 360);
    EXPECT_TRUE(std::abs(glass.r - 255) <= 3 && std::abs(glass.g - 128) <= 3 && std::abs(glass.b - 128) <= 3)
        << "the glass keeps its own texture: " << glass.r << " " << glass.g << " " << glass.b;
}

TEST(ScreenshotFlagTest, TheLastFrameOfARunIsWrittenAsAPicture)
{
    std::string path = ::testing::TempDir() + "kibbet_flag_shot_" + std::to_string(::getpid()) + ".png";
    ASSERT_EQ(RunGame("--windowed --fixed-step --frames 3 --resources " + SourcePath("tests/data/gfx") +
                      " --level Level_Render --screenshot " + path)
                  .Status,
              0);
    Image shot;
    if (!LoadImageFile(path, shot))
    {
        GTEST_SKIP() << "no picture: no OpenGL context with the offscreen driver";
    }
    EXPECT_EQ(shot.Width, 1280);
    EXPECT_EQ(shot.Height, 720);
    const unsigned char* back = &shot.Pixels[(360 * 1280 + 490) * 4];
    EXPECT_TRUE(back[0] < 5 && back[1] < 5 && back[3] == 255)
        << "the red back layer stays black: the level has no start volumes to fade it in";
    std::remove(path.c_str());
}

// World (x, y) is pixel (640 + x, 360 - y).
TEST_F(GroundSceneTest, EarthTilesUnderTheGrassTheTextReadsAndABurstShows)
{
    Rgb earth = At(300, 650);
    EXPECT_TRUE(earth.r > earth.g && earth.g > earth.b && earth.r > 90) << "earth: " << earth.r << " " << earth.g;
    Rgb grass = At(800, 540);
    EXPECT_TRUE(grass.g > grass.r + 30 && grass.g > grass.b + 30) << "grass band over the earth's top";
    Rgb hill = At(1000, 460);
    EXPECT_GT(hill.r, hill.b + 40) << "the hill polygon";
    // m_ScaleFactor 256: the earth repeats every 256 units across the polygon.
    int repeats = 0;
    for (int y = 580; y < 700; y += 6)
    {
        Rgb a = At(300, y);
        Rgb b = At(556, y);
        repeats += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) < 12 ? 1 : 0;
    }
    EXPECT_EQ(repeats, 20);

    // "KIBBET 10/20!" from x -560: thirteen 48-unit glyphs centred on 80, 128, ... 656.
    EXPECT_GT(Lit(56, 96, 48), 100) << "the K";
    EXPECT_GT(Lit(392, 96, 48), 100) << "the 1 after the blank";
    EXPECT_LT(Lit(348, 96, 40) + Lit(700, 96, 48), 10) << "the blank glyph and the space after the text";

    EXPECT_EQ(Lit(600, 220, 80), 0) << "nothing above the ground before the burst";
    RegisterParticleKinds();
    ParticleType* pollen = FindParticleType(*core.m_Factory->FindObject("Hive")->GetEmitter(), "Pollen");
    ASSERT_NE(pollen, nullptr);
    pollen->m_Origin = {0.0f, 100.0f};
    EmitBurst(*pollen);
    Render();
    EXPECT_GT(Lit(600, 220, 80), 100) << "the pollen burst around (0, 100)";
}

namespace
{
// The average of each block of block x block pixels of a picture: small enough to keep as a reference, and blind
// to the last bit of filtering at sprite edges while any changed sprite, layer or colour still shows.
Image Shrink(const Image& picture, int block)
{
    Image small;
    small.Width = picture.Width / block;
    small.Height = picture.Height / block;
    small.Pixels.assign(static_cast<size_t>(small.Width) * small.Height * 4, 255);
    const int area = block * block;
    for (int y = 0; y < small.Height; ++y)
    {
        for (int x = 0; x < small.Width; ++x)
        {
            for (int c = 0; c < 3; ++c)
            {
                int sum = 0;
                for (int k = 0; k < area; ++k)
                {
                    sum += picture.Pixels[(static_cast<size_t>(y * block + k / block) * picture.Width + x * block +
                                           k % block) *
                                              4 +
                                          c];
                }
                small.Pixels[(static_cast<size_t>(y) * small.Width + x) * 4 + c] =
                    static_cast<unsigned char>(sum / area);
            }
        }
    }
    return small;
}
} // namespace

// The opening of a meadow level (sky, hills, trees, ground and grass, the hero, pollen, a trap, a
// porcupine, a flower and a hive), lit, against a picture of it kept from before the renderer's speed-ups:
// however the frame is drawn, players see the same picture, and a full HD window shows it scaled up, block for
// block. KIBBET_WRITE_REFERENCE=1 writes a new one from the 1280 x 720 picture.
class PictureTest : public ::testing::TestWithParam<int>
{
};

TEST_P(PictureTest, TheMeadowLooksAsItDidBeforeTheRendererGotFaster)
{
    const std::string reference = SourcePath("tests/data/lit/Level_Lit_Reference.png");
    // Pixels a side of one reference block: 4 in 1280 x 720, 6 in 1920 x 1080.
    const int block = GetParam();
    Core core;
    std::srand(7);
    StartWindowed(core, SourcePath("tests/data/lit"), "Level_Lit", 320u * static_cast<unsigned>(block),
                  180u * static_cast<unsigned>(block));
    core.m_Graphics->m_FadeValue = 1.0f;
    for (int frame = 0; frame < 3; ++frame)
    {
        core.m_Graphics->Update(0.017f);
    }
    Image picture;
    bool drawn = core.m_Graphics->Device().ReadBackBuffer(picture) && core.m_Graphics->Device().TextureCount() >= 14;
    Stop(core);
    if (!drawn)
    {
        GTEST_SKIP() << "no OpenGL 3.3 context with this video driver; the real-GL picture test is skipped";
    }
    ASSERT_EQ(picture.Width, 320 * block);
    ASSERT_EQ(picture.Height, 180 * block);
    Image small = Shrink(picture, block);
    if (std::getenv("KIBBET_WRITE_REFERENCE") != nullptr && block == 4)
    {
        ASSERT_TRUE(SavePng(reference, small));
    }
    Image expected;
    ASSERT_TRUE(LoadImageFile(reference, expected)) << reference;
    ASSERT_EQ(expected.Width, small.Width);
    ASSERT_EQ(expected.Height, small.Height);
    int worst = 0;
    long total = 0;
    int far = 0;
    for (size_t i = 0; i < small.Pixels.size(); ++i)
    {
        if (i % 4 == 3)
        {
            continue;
        }
        int difference = std::abs(static_cast<int>(small.Pixels[i]) - static_cast<int>(expected.Pixels[i]));
        worst = std::max(worst, difference);
        total += difference;
        far += difference > 6 ? 1 : 0;
    }
    // Per channel of each block: at most 6 levels apart, and on average under 1. Scaled up, sprite edges are
    // filtered at a finer step: a few blocks along them (under one in a thousand) may be up to 20 apart.
    const int allowedFar = block == 4 ? 0 : static_cast<int>(small.Pixels.size() / 1000);
    EXPECT_LE(far, allowedFar) << "channels more than 6 levels away; the worst is " << worst;
    EXPECT_LE(worst, block == 4 ? 6 : 20);
    EXPECT_LT(static_cast<double>(total) / (small.Width * small.Height * 3), 1.0);
    int lit = 0;
    for (size_t i = 0; i < small.Pixels.size(); i += 4)
    {
        lit += small.Pixels[i] + small.Pixels[i + 1] + small.Pixels[i + 2] > 60 ? 1 : 0;
    }
    EXPECT_GT(lit, small.Width * small.Height * 9 / 10) << "the reference is of a lit level, not a black one";
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, PictureTest, ::testing::Values(4, 6),
                         [](const ::testing::TestParamInfo<int>& param)
                         { return param.param == 4 ? std::string("At1280x720") : std::string("At1920x1080"); });
