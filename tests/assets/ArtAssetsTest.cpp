#include "engine/Paths.h"
#include "graphics/ResourceManager.h"
#include "platform/Image.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace Framework;

namespace
{

// A sprite the game's data looks up, the layer whose atlas must hold it, and the frames its animations show.
struct SpriteSet
{
    std::string Sprite;
    std::string Layer;
    std::vector<std::string> Frames;
};

std::vector<std::string> Numbered(const std::string& prefix, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
    {
        names.push_back(prefix + std::to_string(i));
    }
    return names;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
    {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::vector<std::string> BearFrames(const std::string& who)
{
    return Join({Numbered(who + "_Idle_", 3), Numbered(who + "_Walk_", 4), Numbered(who + "_Roar_", 2),
                 Numbered(who + "_BeginAttack_", 2), Numbered(who + "_Attack_", 3), Numbered(who + "_EndAttack_", 2),
                 Numbered(who + "_Damage_", 3), Numbered(who + "_DamageRun_", 4), Numbered(who + "_DamageIdle_", 2),
                 Numbered(who + "_DeathInit_", 3), Numbered(who + "_DeathSpin_", 4), Numbered(who + "_Dance_", 4)});
}

std::vector<std::string> FontFrames()
{
    std::vector<std::string> names;
    for (char c = 'A'; c <= 'Z'; ++c)
    {
        names.push_back(std::string("Char_") + c);
    }
    for (char c = '0'; c <= '9'; ++c)
    {
        names.push_back(std::string("Char_") + c);
    }
    for (const char* extra : {"Char_Slash", "Char_Exclamation", "Char_Colon", "Char_Arrow", "Char_Arrow_2", "Char_X",
                              "Char_Stick", "Char_Stick_Transparent"})
    {
        names.push_back(extra);
    }
    return names;
}

// The names the object types, levels, the HUD and the menus are written against (see assets/art/CATALOG.md).
std::vector<SpriteSet> RequiredSprites()
{
    std::vector<SpriteSet> sets = {
        {"Kibbet", "Hero",
         Join({Numbered("Kibbet_Idle_", 4), Numbered("Kibbet_JumpStart_", 3), Numbered("Kibbet_Glide_", 2),
               Numbered("Kibbet_Land_", 3), Numbered("Kibbet_FlyStart_", 2), Numbered("Kibbet_Fly_", 4),
               Numbered("Kibbet_Run_", 6), Numbered("Kibbet_Roll_", 8), Numbered("Kibbet_Die_", 4)})},
        {"Wasp", "Enemies", Join({Numbered("Wasp_Fly_", 2), Numbered("Wasp_Angry_", 2)})},
        {"RedWasp", "Enemies", Join({Numbered("RedWasp_Fly_", 2), Numbered("RedWasp_Angry_", 2)})},
        {"KingWasp", "Enemies", Join({Numbered("KingWasp_Fly_", 2), Numbered("KingWasp_Angry_", 2)})},
        {"Porcupine", "Enemies", Join({Numbered("Porcupine_Walk_", 4), Numbered("Porcupine_Bristle_", 3)})},
        {"Trap", "World", Join({{"Trap_Open"}, Numbered("Trap_Close_", 3)})},
        {"Bear", "Boss", BearFrames("Bear")},
        {"Cub", "Boss", BearFrames("Cub")},
        {"Pollen", "World", Numbered("Pollen_", 4)},
        {"Hive", "World", Join({{"Hive_Idle"}, Numbered("Hive_Lit_", 2)})},
        {"Geyser", "World", Numbered("Geyser_", 4)},
        {"PowerGeyser", "World", Numbered("PowerGeyser_", 4)},
        {"WaterBase", "World", Numbered("WaterBase_", 4)},
        {"Waterfall", "World", Numbered("Waterfall_", 3)},
        {"RainCloud", "World", Numbered("RainCloud_", 3)},
        {"PrimaryFont", "Char_0", FontFrames()},
        {"HUD_Head", "Char_0", {"HUD_Head_Alive", "HUD_Head_Dead"}},
        {"HUD_Bar", "Char_0", {"HUD_Bar_Full", "HUD_Bar_Empty"}},
        {"Cursor_Bees", "Char_0", Numbered("Cursor_Bees_", 2)},
    };
    const std::map<std::string, std::vector<std::string>> stills = {
        {"World",
         {"CloudPlatform", "Platform_Wood", "Platform_Stone", "Platform_Grass", "Log_Short", "Log_Long", "Log_Upright",
          "Blocker"}},
        {"Sky", {"Sky_Meadow", "Sky_Forest", "Arena_Backdrop"}},
        {"Far", {"Hills_Meadow", "Hills_Forest"}},
        {"Near", {"Trees_Meadow", "Trees_Forest"}},
        {"Particle_1",
         {"Particle_Pollen", "Particle_CheckPoint", "Particle_Dust", "Particle_Water", "Particle_Spray",
          "Particle_Rain"}},
        {"Screens",
         {"MainScreen", "HowToPlayScreen", "OptionsScreen", "CreditsScreen", "ConfirmationScreen", "MainMenuFrame",
          "Splash_Ventrel", "Splash_Controller", "Loading", "Game_Over", "You_Win", "For_Now"}},
        {"Char_0",
         {"HUD_PollenIcon",
          "Label_Beegin",
          "Label_HowToPlay",
          "Label_Options",
          "Label_Credits",
          "Label_Exit",
          "Label_Yes",
          "Label_No",
          "Label_Resolution",
          "Label_Sound",
          "Label_ToggleFullscreen",
          "Label_ToggleSound",
          "Label_ReturnToMain",
          "Label_Continue",
          "Label_Restart",
          "Label_Quit",
          "Label_QuitQuestion",
          "Plank",
          "Plank_Small",
          "HowToPlay",
          "TeamCredits"}},
    };
    for (const auto& [layer, names] : stills)
    {
        for (const auto& name : names)
        {
            sets.push_back({name, layer, {name}});
        }
    }
    return sets;
}

// The real game resources, read once with the engine's own reader.
class ArtAssetsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        SetResourceRoot(SourcePath("Resources"));
        s_Resources = std::make_unique<ResourceManager>(nullptr);
        s_Textures = s_Resources->ListFilesInFolder(ResourcePath("Textures"), ".png");
    }

    static void TearDownTestSuite()
    {
        s_Resources.reset();
        s_Atlases.clear();
        SetResourceRoot("Resources");
    }

    // The atlas drawn with a layer: the texture at the layer's index of the sorted listing.
    static const Image& Atlas(const std::string& layer)
    {
        auto found = s_Atlases.find(layer);
        if (found != s_Atlases.end())
        {
            return found->second;
        }
        Image& image = s_Atlases[layer];
        auto z = s_Resources->m_ZOrders.find(layer);
        if (z != s_Resources->m_ZOrders.end() && z->second >= 0 && z->second < static_cast<int>(s_Textures.size()))
        {
            LoadImageFile(s_Textures[static_cast<size_t>(z->second)], image);
        }
        return image;
    }

    static std::unique_ptr<ResourceManager> s_Resources;
    static std::vector<std::string> s_Textures;
    // Atlases already decoded, by layer name; they are large, so each is read once.
    static std::map<std::string, Image> s_Atlases;
};

std::unique_ptr<ResourceManager> ArtAssetsTest::s_Resources;
std::vector<std::string> ArtAssetsTest::s_Textures;
std::map<std::string, Image> ArtAssetsTest::s_Atlases;

bool NearWhole(float v)
{
    return std::fabs(v - std::round(v)) < 0.02f;
}

} // namespace

TEST_F(ArtAssetsTest, EveryNameTheGameLooksUpHasAFrameInsideItsLayersAtlas)
{
    const auto& uvs = s_Resources->m_UVMap;
    const auto& dims = s_Resources->m_Dimensions;
    for (const SpriteSet& set : RequiredSprites())
    {
        SCOPED_TRACE(set.Sprite);
        const Image& atlas = Atlas(set.Layer);
        ASSERT_GT(atlas.Width, 0) << "no atlas for layer " << set.Layer;
        ASSERT_EQ(uvs.count(set.Sprite), 1u) << "the sprite name shows its first frame";
        auto spriteSize = dims.find(set.Sprite);
        ASSERT_NE(spriteSize, dims.end());
        EXPECT_GT(spriteSize->second.Width, 0u);
        EXPECT_GT(spriteSize->second.Height, 0u);
        for (const std::string& frame : set.Frames)
        {
            SCOPED_TRACE(frame);
            auto uvIt = uvs.find(frame);
            ASSERT_NE(uvIt, uvs.end());
            const UVRect& uv = uvIt->second;
            const float u0 = uv.m_UVTopLeft.x;
            const float v0 = uv.m_UVTopLeft.y;
            const float u1 = uv.m_UVBottomRight.x;
            const float v1 = uv.m_UVBottomRight.y;
            EXPECT_EQ(uv.m_UVTopRight.x, u1);
            EXPECT_EQ(uv.m_UVTopRight.y, v0);
            EXPECT_EQ(uv.m_UVBottomLeft.x, u0);
            EXPECT_EQ(uv.m_UVBottomLeft.y, v1);
            EXPECT_TRUE(0.0f <= u0 && u0 < u1 && u1 <= 1.0f) << u0 << " " << u1;
            EXPECT_TRUE(0.0f <= v0 && v0 < v1 && v1 <= 1.0f) << v0 << " " << v1;

            // In atlas pixels the rectangle sits on whole pixels, with the 2-pixel padding ring inside the atlas.
            const float x0 = u0 * atlas.Width, x1 = u1 * atlas.Width;
            const float y0 = v0 * atlas.Height, y1 = v1 * atlas.Height;
            EXPECT_TRUE(NearWhole(x0) && NearWhole(x1) && NearWhole(y0) && NearWhole(y1));
            EXPECT_GE(std::lround(x0), 2);
            EXPECT_GE(std::lround(y0), 2);
            EXPECT_LE(std::lround(x1), atlas.Width - 2);
            EXPECT_LE(std::lround(y1), atlas.Height - 2);

            if (frame != "Char_Arrow_2")
            {
                bool drawn = false;
                for (long y = std::lround(y0); y < std::lround(y1) && !drawn; ++y)
                {
                    for (long x = std::lround(x0); x < std::lround(x1) && !drawn; ++x)
                    {
                        drawn = atlas.Pixels[(static_cast<size_t>(y) * atlas.Width + x) * 4 + 3] > 0;
                    }
                }
                EXPECT_TRUE(drawn) << "the frame's rectangle is empty in the " << set.Layer << " atlas";
            }

            auto size = dims.find(frame);
            ASSERT_NE(size, dims.end());
            EXPECT_EQ(size->second.Width, spriteSize->second.Width) << "all frames of a sprite share its size";
            EXPECT_EQ(size->second.Height, spriteSize->second.Height);
        }
    }
}

TEST_F(ArtAssetsTest, EveryLayerHasItsTextureAtItsIndexOfTheSortedListing)
{
    const auto& zorders = s_Resources->m_ZOrders;
    ASSERT_EQ(zorders.count("Char_0"), 1u);
    ASSERT_EQ(zorders.count("Particle_1"), 1u);
    EXPECT_EQ(zorders.at("MaxZ"), zorders.at("Char_0"));
    EXPECT_EQ(zorders.at("Char_0"), static_cast<int>(s_Textures.size()) - 1) << "Char_0 is drawn last, on top";
    for (const auto& [layer, index] : zorders)
    {
        if (layer == "MaxZ")
        {
            continue;
        }
        SCOPED_TRACE(layer);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, static_cast<int>(s_Textures.size()));
        const std::string file = std::filesystem::path(s_Textures[static_cast<size_t>(index)]).filename().string();
        char prefix[8];
        std::snprintf(prefix, sizeof prefix, "%02d_", index);
        EXPECT_EQ(file, prefix + layer + ".png");
    }
    EXPECT_EQ(zorders.size(), s_Textures.size() + 1) << "one layer per texture, plus MaxZ";
}

TEST_F(ArtAssetsTest, CustomShapeTexturesAreOpaqueTilesOfTheirOwn)
{
    const auto& shapes = s_Resources->m_CustomShapes;
    for (const char* name : {"Earth", "Grass", "ForestEarth", "Moss"})
    {
        ASSERT_EQ(shapes.count(name), 1u) << name;
    }
    for (const auto& [shape, layer] : shapes)
    {
        SCOPED_TRACE(shape);
        ASSERT_EQ(s_Resources->m_ZOrders.count(layer), 1u) << layer;
        const Image& tile = Atlas(layer);
        ASSERT_GT(tile.Width, 0);
        bool opaque = true;
        for (size_t i = 3; i < tile.Pixels.size() && opaque; i += 4)
        {
            opaque = tile.Pixels[i] == 255;
        }
        EXPECT_TRUE(opaque) << "a tile repeats across the shape, so it fills its whole texture";
    }
}

TEST_F(ArtAssetsTest, EveryAtlasLoadsWithTheEngineImageLoader)
{
    ASSERT_FALSE(s_Textures.empty());
    for (const std::string& path : s_Textures)
    {
        SCOPED_TRACE(path);
        Image image;
        ASSERT_TRUE(LoadImageFile(path, image));
        EXPECT_GT(image.Width, 0);
        EXPECT_GT(image.Height, 0);
        EXPECT_LE(image.Width, 4096);
        EXPECT_LE(image.Height, 4096);
        EXPECT_EQ(image.Pixels.size(), static_cast<size_t>(image.Width) * image.Height * 4);
    }
}

TEST_F(ArtAssetsTest, WindowIconHoldsThreePngSizes)
{
    std::ifstream file(ResourcePath("Textures/Icon.ico"), std::ios::binary);
    ASSERT_TRUE(file.good());
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 6u + 3 * 16);
    auto u16 = [&](size_t at) { return static_cast<unsigned>(bytes[at] | (bytes[at + 1] << 8)); };
    auto u32 = [&](size_t at) { return static_cast<size_t>(u16(at) | (static_cast<uint32_t>(u16(at + 2)) << 16)); };
    EXPECT_EQ(u16(2), 1u) << "icon type";
    ASSERT_EQ(u16(4), 3u);
    const unsigned sizes[] = {16, 32, 64};
    for (size_t i = 0; i < 3; ++i)
    {
        const size_t entry = 6 + 16 * i;
        EXPECT_EQ(bytes[entry], sizes[i]);
        EXPECT_EQ(bytes[entry + 1], sizes[i]);
        const size_t length = u32(entry + 8);
        const size_t offset = u32(entry + 12);
        ASSERT_LE(offset + length, bytes.size());
        EXPECT_EQ(bytes[offset + 1], 'P');
        EXPECT_EQ(bytes[offset + 2], 'N');
        EXPECT_EQ(bytes[offset + 3], 'G');
    }
}
