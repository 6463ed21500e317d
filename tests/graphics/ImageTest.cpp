#include "tests/TestSupport.h"

#include "platform/Image.h"
#include "platform/UserFolders.h"

#include <filesystem>
#include <fstream>

using namespace Framework;

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
