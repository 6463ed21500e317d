#include "tests/TestSupport.h"

#include "platform/Image.h"
#include "platform/UserFolders.h"

#include <cstdint>
#include <filesystem>
#include <fstream>

using namespace Framework;

namespace
{
void Put32(std::vector<unsigned char>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
    {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}
} // namespace

TEST(IconTest, ReadsTheLargestPictureOfAnIcon)
{
    Image icon;
    ASSERT_TRUE(LoadIcoFile(SourcePath("tests/data/gfx/Textures/Icon.ico"), icon));
    EXPECT_EQ(icon.Width, 64);
    EXPECT_EQ(icon.Height, 64);
    EXPECT_EQ(icon.Pixels[0], 255);
    EXPECT_EQ(icon.Pixels[(32 * 64 + 32) * 4], 40);
}

TEST(IconTest, ReadsA32BitBitmapEntryTopRowFirst)
{
    // A 2 x 2 icon stored as a bitmap: rows bottom-up in blue, green, red, alpha order.
    std::vector<unsigned char> file = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0};
    Put32(file, 40 + 16 + 8);
    Put32(file, 22);
    Put32(file, 40);
    Put32(file, 2);
    Put32(file, 4); // height counts the mask too
    file.insert(file.end(), {1, 0, 32, 0});
    file.resize(22 + 40, 0);
    const unsigned char bottom[8] = {0, 0, 255, 255, 0, 0, 255, 255}; // red
    const unsigned char top[8] = {255, 0, 0, 255, 255, 0, 0, 255};    // blue
    file.insert(file.end(), bottom, bottom + 8);
    file.insert(file.end(), top, top + 8);
    file.resize(file.size() + 8, 0);
    std::string path = ::testing::TempDir() + "kibbet_bitmap.ico";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    Image icon;
    ASSERT_TRUE(LoadIcoFile(path, icon));
    EXPECT_EQ(icon.Width, 2);
    EXPECT_EQ(icon.Pixels[2], 255) << "top row blue";
    EXPECT_EQ(icon.Pixels[8], 255) << "bottom row red";
    std::remove(path.c_str());
}

TEST(IconTest, RejectsFilesThatAreNoIcons)
{
    Image icon;
    EXPECT_FALSE(LoadIcoFile(SourcePath("tests/data/gfx/Textures/0_Back.png"), icon));
    EXPECT_FALSE(LoadIcoFile("no/such/file.ico", icon));
    std::string path = ::testing::TempDir() + "kibbet_short.ico";
    // The header claims an entry far past the end of the file.
    std::vector<unsigned char> file = {0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 32, 0, 255, 255, 0, 0, 200, 0, 0, 0};
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    EXPECT_FALSE(LoadIcoFile(path, icon));
    std::remove(path.c_str());
}

TEST(ScreenshotPathTest, NumbersCountUpPastExistingFiles)
{
    std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "kibbet_shots";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    EXPECT_EQ(NextScreenshotPath(dir.string(), "Kibbet_"), (dir / "Kibbet_0001.png").string());
    std::ofstream(dir / "Kibbet_0001.png") << "x";
    EXPECT_EQ(NextScreenshotPath(dir.string(), "Kibbet_"), (dir / "Kibbet_0002.png").string());
    EXPECT_EQ(NextScreenshotPath("", "Kibbet_"), "");
    std::filesystem::remove_all(dir);
}
