// Checks the shipped art in Resources: every sprite and frame the game looks up (see assets/art/CATALOG.md)
// sits inside its layer's atlas, every layer's texture is at its index of the sorted listing, every atlas
// loads with the engine's own reader, and the Tiled tilesets have a picture of every name at its size.

#include "engine/Paths.h"
#include "graphics/ResourceManager.h"
#include "platform/Image.h"
#include "tests/TestSupport.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

using namespace Framework;

namespace
{
// Expands "Idle*4 Open" with the prefix "Trap" into Trap_Idle_0..Trap_Idle_3 and Trap_Open; "*2" gives Trap_0, Trap_1.
std::vector<std::string> Frames(const std::string& prefix, const std::string& pattern)
{
    std::vector<std::string> names;
    std::istringstream words(pattern);
    for (std::string word; words >> word;)
    {
        size_t star = word.find('*');
        if (star == std::string::npos)
        {
            names.push_back(prefix + "_" + word);
            continue;
        }
        for (int i = 0; i < std::stoi(word.substr(star + 1)); ++i)
        {
            names.push_back(prefix + "_" + (star > 0 ? word.substr(0, star) + "_" : "") + std::to_string(i));
        }
    }
    return names;
}

// A sprite name, the layer whose atlas holds it, and the frames its animations show.
struct SpriteSet
{
    std::string Sprite, Layer;
    std::vector<std::string> Frames;
};

std::vector<SpriteSet> RequiredSprites()
{
    const std::string bear = "Idle*3 Walk*4 Roar*2 BeginAttack*2 Attack*3 EndAttack*2 Damage*3 DamageRun*4 "
                             "DamageIdle*2 DeathInit*3 DeathSpin*4 Dance*4";
    std::string font = "Slash Exclamation Colon Arrow Arrow_2 X Stick Stick_Transparent";
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"))
    {
        font += std::string(" ") + c;
    }
    std::vector<SpriteSet> sets = {
        {"Kibbet", "Hero", Frames("Kibbet", "Idle*4 JumpStart*3 Glide*2 Land*3 FlyStart*2 Fly*4 Run*6 Roll*8 Die*4")},
        {"Wasp", "Enemies", Frames("Wasp", "Fly*2 Angry*2")},
        {"RedWasp", "Enemies", Frames("RedWasp", "Fly*2 Angry*2")},
        {"KingWasp", "Enemies", Frames("KingWasp", "Fly*2 Angry*2")},
        {"Porcupine", "Enemies", Frames("Porcupine", "Walk*4 Bristle*3")},
        {"Trap", "World", Frames("Trap", "Open Close*3")},
        {"Bear", "Boss", Frames("Bear", bear)},
        {"Cub", "Boss", Frames("Cub", bear)},
        {"Pollen", "World", Frames("Pollen", "*4")},
        {"Hive", "World", Frames("Hive", "Idle Lit*2")},
        {"Geyser", "World", Frames("Geyser", "*4")},
        {"PowerGeyser", "World", Frames("PowerGeyser", "*4")},
        {"WaterBase", "World", Frames("WaterBase", "*4")},
        {"Waterfall", "World", Frames("Waterfall", "*3")},
        {"RainCloud", "World", Frames("RainCloud", "*3")},
        {"Lantern", "Marsh_World", Frames("Lantern", "*3")},
        {"Cattails", "Marsh_World", Frames("Cattails", "*3")},
        {"PrimaryFont", "Char_0", Frames("Char", font)},
        {"HUD_Head", "Char_0", Frames("HUD_Head", "Alive Dead")},
        {"HUD_Bar", "Char_0", Frames("HUD_Bar", "Full Empty")},
        {"Cursor_Bees", "Char_0", Frames("Cursor_Bees", "*2")},
    };
    // Still pictures: one frame named like the sprite.
    const std::map<std::string, std::string> stills = {
        {"World", "CloudPlatform Platform_Wood Platform_Stone Platform_Grass Log_Short Log_Long Log_Upright Blocker"},
        {"Sky", "Sky_Meadow Sky_Forest Arena_Backdrop Loading"},
        {"Far", "Hills_Meadow Hills_Forest"},
        {"Near", "Trees_Meadow Trees_Forest"},
        {"Marsh_Sky", "Sky_Marsh"},
        {"Marsh_Far", "Hills_Marsh"},
        {"Marsh_Near", "Trees_Marsh"},
        {"Marsh_World", "LilyPad Platform_LilyPad Stump MossyLog"},
        {"Particle_1", "Particle_Pollen Particle_CheckPoint Particle_Dust Particle_Water Particle_Spray Particle_Rain"},
        {"Screens", "MainScreen HowToPlayScreen OptionsScreen CreditsScreen ConfirmationScreen MainMenuFrame "
                    "Splash_Ventrel Splash_Controller"},
        {"Words", "Game_Over You_Win For_Now"},
        {"Char_0", "HUD_PollenIcon Label_Beegin Label_HowToPlay Label_Options Label_Credits Label_Exit Label_Yes "
                   "Label_No Label_Resolution Label_Sound Label_ToggleFullscreen Label_ToggleSound "
                   "Label_ReturnToMain Label_Continue Label_Restart Label_Quit Label_QuitQuestion Plank Plank_Small "
                   "HowToPlay TeamCredits"},
    };
    for (const auto& [layer, names] : stills)
    {
        std::istringstream words(names);
        for (std::string name; words >> name;)
        {
            sets.push_back({name, layer, {name}});
        }
    }
    return sets;
}

// The real game resources, read once with the engine's own reader; each large atlas is decoded once.
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
        if (s_Atlases.count(layer) == 0)
        {
            auto z = s_Resources->m_ZOrders.find(layer);
            if (z != s_Resources->m_ZOrders.end() && z->second >= 0 && z->second < static_cast<int>(s_Textures.size()))
            {
                LoadImageFile(s_Textures[static_cast<size_t>(z->second)], s_Atlases[layer]);
            }
        }
        return s_Atlases[layer];
    }

    static inline std::unique_ptr<ResourceManager> s_Resources;
    static inline std::vector<std::string> s_Textures;
    static inline std::map<std::string, Image> s_Atlases;
};
} // namespace

TEST_F(ArtAssetsTest, EveryNameTheGameLooksUpHasAFrameInsideItsLayersAtlas)
{
    const auto& uvs = s_Resources->m_UVMap;
    const auto& dims = s_Resources->m_Dimensions;
    auto whole = [](float v) { return std::fabs(v - std::round(v)) < 0.02f; };
    for (const SpriteSet& set : RequiredSprites())
    {
        SCOPED_TRACE(set.Sprite);
        const Image& atlas = Atlas(set.Layer);
        ASSERT_GT(atlas.Width, 0) << "no atlas for layer " << set.Layer;
        ASSERT_EQ(uvs.count(set.Sprite), 1u) << "the sprite name shows its first frame";
        ASSERT_EQ(dims.count(set.Sprite), 1u);
        const auto& spriteSize = dims.at(set.Sprite);
        EXPECT_GT(spriteSize.Width * spriteSize.Height, 0u);
        for (const std::string& frame : set.Frames)
        {
            SCOPED_TRACE(frame);
            ASSERT_EQ(uvs.count(frame), 1u);
            ASSERT_EQ(dims.count(frame), 1u);
            const UVRect& uv = uvs.at(frame);
            const float u0 = uv.m_UVTopLeft.x, v0 = uv.m_UVTopLeft.y;
            const float u1 = uv.m_UVBottomRight.x, v1 = uv.m_UVBottomRight.y;
            EXPECT_TRUE(uv.m_UVTopRight.x == u1 && uv.m_UVTopRight.y == v0 && uv.m_UVBottomLeft.x == u0 &&
                        uv.m_UVBottomLeft.y == v1)
                << "an axis-aligned rectangle";
            EXPECT_TRUE(0.0f <= u0 && u0 < u1 && u1 <= 1.0f) << u0 << " " << u1;
            EXPECT_TRUE(0.0f <= v0 && v0 < v1 && v1 <= 1.0f) << v0 << " " << v1;

            // In atlas pixels the rectangle sits on whole pixels, with the 2-pixel padding ring inside the atlas.
            const float x0 = u0 * atlas.Width, x1 = u1 * atlas.Width;
            const float y0 = v0 * atlas.Height, y1 = v1 * atlas.Height;
            EXPECT_TRUE(whole(x0) && whole(x1) && whole(y0) && whole(y1));
            EXPECT_TRUE(std::lround(x0) >= 2 && std::lround(y0) >= 2 && std::lround(x1) <= atlas.Width - 2 &&
                        std::lround(y1) <= atlas.Height - 2);
            bool drawn = frame == "Char_Arrow_2"; // blank by design
            for (long y = std::lround(y0); y < std::lround(y1) && !drawn; ++y)
            {
                for (long x = std::lround(x0); x < std::lround(x1) && !drawn; ++x)
                {
                    drawn = atlas.Pixels[(static_cast<size_t>(y) * atlas.Width + x) * 4 + 3] > 0;
                }
            }
            EXPECT_TRUE(drawn) << "the frame's rectangle is empty in the " << set.Layer << " atlas";
            EXPECT_EQ(dims.at(frame).Width, spriteSize.Width) << "all frames of a sprite share its size";
            EXPECT_EQ(dims.at(frame).Height, spriteSize.Height);
        }
    }
}

TEST_F(ArtAssetsTest, EveryLayerHasItsTextureAtItsIndexOfTheSortedListing)
{
    const auto& zorders = s_Resources->m_ZOrders;
    ASSERT_EQ(zorders.count("Char_0"), 1u);
    ASSERT_EQ(zorders.count("Particle_1"), 1u);
    EXPECT_EQ(zorders.at("Char_0"), static_cast<int>(s_Textures.size()) - 1) << "Char_0 is drawn last, on top";
    EXPECT_EQ(zorders.size(), s_Textures.size() + 1) << "one layer per texture, plus MaxZ";
    for (const auto& [layer, index] : zorders)
    {
        if (layer != "MaxZ")
        {
            ASSERT_TRUE(index >= 0 && index < static_cast<int>(s_Textures.size())) << layer;
            const std::string prefix = (index < 10 ? "0" : "") + std::to_string(index) + "_";
            EXPECT_EQ(std::filesystem::path(s_Textures[static_cast<size_t>(index)]).filename().string(),
                      prefix + layer + ".png");
        }
    }
}

TEST_F(ArtAssetsTest, EveryAtlasLoadsAndCustomShapeTilesAreOpaque)
{
    ASSERT_FALSE(s_Textures.empty());
    for (const std::string& path : s_Textures)
    {
        Image image;
        ASSERT_TRUE(LoadImageFile(path, image)) << path;
        EXPECT_TRUE(image.Width > 0 && image.Height > 0 && image.Width <= 4096 && image.Height <= 4096) << path;
        EXPECT_EQ(image.Pixels.size(), static_cast<size_t>(image.Width) * image.Height * 4) << path;
    }
    const auto& shapes = s_Resources->m_CustomShapes;
    for (const char* name : {"Earth", "Grass", "ForestEarth", "Moss", "MarshEarth", "MarshReeds", "Pit"})
    {
        ASSERT_EQ(shapes.count(name), 1u) << name;
    }
    for (const auto& [shape, layer] : shapes)
    {
        // A tile repeats across the shape, so it fills its whole texture.
        const Image& tile = Atlas(layer);
        ASSERT_GT(tile.Width, 0) << shape;
        for (size_t i = 3; i < tile.Pixels.size(); i += 4)
        {
            ASSERT_EQ(tile.Pixels[i], 255) << shape;
        }
    }
}

// The designers' tilesets are generated with the atlases (tools/build-art): a frame added, resized or removed
// without writing them again shows here.
TEST_F(ArtAssetsTest, EveryPictureNameHasATiledTileAtItsWorldSize)
{
    namespace fs = std::filesystem;
    std::map<std::string, fs::path> pictures;
    std::map<std::string, std::string> tilesets;
    for (const fs::directory_entry& entry : fs::directory_iterator(SourcePath("tiled/tilesets")))
    {
        if (entry.path().extension() == ".tsx")
        {
            std::ifstream in(entry.path());
            std::ostringstream text;
            text << in.rdbuf();
            tilesets[entry.path().stem().string()] = text.str();
            continue;
        }
        for (const fs::directory_entry& picture : fs::directory_iterator(entry.path()))
        {
            EXPECT_TRUE(pictures.emplace(picture.path().stem().string(), picture.path()).second)
                << picture.path() << ": one picture name in two tilesets";
        }
    }
    const auto& dims = s_Resources->m_Dimensions;
    EXPECT_EQ(pictures.size(), s_Resources->m_UVMap.size());
    for (const auto& [name, uv] : s_Resources->m_UVMap)
    {
        auto found = pictures.find(name);
        ASSERT_NE(found, pictures.end()) << name << " has no tile picture";
        const std::string atlas = found->second.parent_path().filename().string();
        EXPECT_NE(tilesets[atlas].find("source=\"" + atlas + "/" + name + ".png\""), std::string::npos) << name;
        int width = 0;
        int height = 0;
        ASSERT_TRUE(ReadImageSize(found->second.string(), width, height)) << name;
        EXPECT_EQ(static_cast<unsigned>(width), dims.at(name).Width) << name;
        EXPECT_EQ(static_cast<unsigned>(height), dims.at(name).Height) << name;
    }
}
