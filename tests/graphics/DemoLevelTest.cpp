#include "tests/TestSupport.h"

#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "platform/Image.h"

#include <cstdlib>

using namespace Framework;

namespace
{
struct Pixel
{
    int r, g, b;
};

// The demo level over the team's own atlases and tables, drawn with real OpenGL on the offscreen driver.
class DemoLevelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CAMERA = Camera{};
        Options options;
        options.Windowed = true;
        options.ResourceDir = SourcePath("tests/data/demo");
        options.Level = "Level_Demo";
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
        core.m_Graphics->Update(0.017f);
        if (!core.m_Graphics->Device().ReadBackBuffer(picture) || core.m_Graphics->Device().TextureCount() < 14)
        {
            GTEST_SKIP() << "no OpenGL context with this video driver, or the atlases are missing";
        }
    }
    void TearDown() override
    {
        core.DestroySystems();
        CORE = nullptr;
        CAMERA = Camera{};
        SetResourceRoot("Resources");
    }
    Pixel At(int x, int y) const
    {
        const unsigned char* p = &picture.Pixels[(static_cast<size_t>(y) * picture.Width + x) * 4];
        return {p[0], p[1], p[2]};
    }

    Core core;
    Image picture;
};
} // namespace

TEST_F(DemoLevelTest, TheHeroStandsBelowTheCentreInFrontOfTheSky)
{
    Pixel sky = At(640, 100);
    EXPECT_GT(sky.b, sky.r + 80) << "sky blue above";
    // The camera holds the hero 200 units below the view centre: (640, 560) in the picture.
    Pixel hero = At(640, 560);
    EXPECT_GT(hero.r, hero.b + 80) << "the hero's warm fur in front of every background layer";
}

TEST_F(DemoLevelTest, TheLeftFacingHeroIsTheMirrorImage)
{
    // The right-facing hero stands at x 640, its left-facing twin at x 440, both on their first frame. Pixel
    // column 640 + dx mirrors to 440 - dx - 1; the samples stay inside the body, clear of the backgrounds.
    auto same = [](Pixel a, Pixel b)
    { return std::abs(a.r - b.r) < 12 && std::abs(a.g - b.g) < 12 && std::abs(a.b - b.b) < 12; };
    int matching = 0;
    int unmirrored = 0;
    for (int dx = -24; dx <= 24; dx += 4)
    {
        for (int y = 530; y <= 590; y += 4)
        {
            matching += same(At(640 + dx, y), At(440 - dx - 1, y)) ? 1 : 0;
            unmirrored += same(At(640 + dx, y), At(440 + dx, y)) ? 1 : 0;
        }
    }
    EXPECT_GT(matching, 13 * 16 * 9 / 10) << "of 208 sample pairs";
    EXPECT_GT(matching, unmirrored + 20);
}
