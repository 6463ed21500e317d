#include "graphics/ResourceManager.h"
#include "engine/Paths.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace Framework;

TEST(ResourceManager, ReadsTheFourTablesWithLaterKeysWinning)
{
    SetResourceRoot(SourcePath("tests/data/mini"));
    ResourceManager resources(nullptr);
    EXPECT_EQ(resources.m_ZOrders.at("Sky"), 2) << "the later of two equal keys wins";
    EXPECT_EQ(resources.m_ZOrders.at("Char_1"), 1) << "an unquoted key is stored as written";
    EXPECT_EQ(resources.m_ZOrders.at("MaxZ"), 3) << "MaxZ is the layer of Char_0";
    EXPECT_EQ(resources.m_Dimensions.at("Kibbet").Width, 96u);
    EXPECT_EQ(resources.m_Dimensions.at("Kibbet").Height, 80u);
    const UVRect& uv = resources.m_UVMap.at("Pollen");
    EXPECT_EQ(uv.m_UVTopRight.x, 1.0f);
    EXPECT_EQ(uv.m_UVBottomRight.y, 1.0f);
    EXPECT_EQ(uv.m_UVBottomLeft.x, 0.5f);
    EXPECT_EQ(uv.m_UVTopLeft.y, 0.5f);
    EXPECT_EQ(resources.m_CustomShapes.at("GrassGround"), "Ground_Grass");
}

TEST(ResourceManager, MissingNamesAndFilesYieldZeros)
{
    SetResourceRoot(SourcePath("tests/data/mini"));
    ResourceManager resources(nullptr);
    const UVRect& missing = resources.GetUV("NoSuchSprite");
    EXPECT_EQ(missing.m_UVTopRight.x, 0.0f);
    EXPECT_EQ(resources.m_UVMap.count("NoSuchSprite"), 1u) << "a look-up inserts the name";
    EXPECT_EQ(resources.GetDimensions("NoSuch").Width, 0u);
    EXPECT_EQ(resources.GetZOrder("NoSuchLayer"), 0);
    EXPECT_EQ(resources.GetCustomShape("NoSuch"), "");
}

TEST(ResourceManager, ListsFilesSortedWithTheExactExtension)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "kibbet_listing_test";
    fs::remove_all(dir);
    fs::create_directories(dir / "sub.png");
    for (const char* name : {"b.png", "A.png", "a.png", "c.PNG", "d.png.bak", "e"})
    {
        std::ofstream(dir / name) << "x";
    }
    ResourceManager resources(nullptr);
    std::string folder = dir.string();
    std::vector<std::string> pngs = resources.ListFilesInFolder(folder + "/", ".png");
    EXPECT_EQ(pngs, (std::vector<std::string>{folder + "/A.png", folder + "/a.png", folder + "/b.png"}));
    EXPECT_TRUE(resources.ListFilesInFolder(folder + "/missing", ".png").empty());
    fs::remove_all(dir);
}
