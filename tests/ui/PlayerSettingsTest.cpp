#include "ui/PlayerSettings.h"

#include "tests/TestSupport.h"

#include <filesystem>
#include <fstream>

using namespace Framework;

TEST(PlayerSettings, WrittenSettingsReadBackAndBrokenFilesGiveTheDefaults)
{
    std::string folder = testing::TempDir() + "/kibbet-settings-test";
    std::filesystem::remove_all(folder);
    std::string path = folder + "/config/kibbet/settings";
    PlayerSettings chosen{1920, 1080, false, 3};
    ASSERT_TRUE(WriteSettingsFile(path, chosen));
    PlayerSettings read = ReadSettingsFile(path);
    EXPECT_EQ(read.Width, 1920u);
    EXPECT_EQ(read.Height, 1080u);
    EXPECT_FALSE(read.Fullscreen);
    EXPECT_EQ(read.SoundLevel, 3);

    for (const char* text : {"", "kibbet-settings 1\nwidth 1920\n", "kibbet-settings 2\nwidth 1920\nheight 1080\n",
                             "kibbet-settings 1\nwidth 1920\nheight 1080\nfullscreen 1\nvolume 11\n",
                             "kibbet-settings 1\nwidth -1920\nheight 1080\nfullscreen 1\nvolume 5\n",
                             "kibbet-settings 1\nwidth 99999999999999\nheight 1080\nfullscreen 1\nvolume 5\n",
                             "kibbet-settings 1\nwidth 1920 x\nheight 1080\nfullscreen 1\nvolume 5\n"})
    {
        std::ofstream(path, std::ios::trunc) << text;
        PlayerSettings defaults = ReadSettingsFile(path);
        EXPECT_EQ(defaults.Width, 1280u) << text;
        EXPECT_TRUE(defaults.Fullscreen) << text;
        EXPECT_EQ(defaults.SoundLevel, 10) << text;
    }
    EXPECT_EQ(ReadSettingsFile(folder + "/missing").Height, 720u);
    std::filesystem::remove_all(folder);
}

TEST(PlayerSettings, TheGameKeepsOptionsOnlyOutsideTestRuns)
{
    std::string folder = testing::TempDir() + "/kibbet-config-test";
    std::filesystem::remove_all(folder);
    std::string replay = folder + "/mute.rep";
    std::filesystem::create_directories(folder);
    // Options, down to "Toggle sound", select.
    std::ofstream(replay) << "kibbet-input 1\nF1 K- P0:0:0:0\nF1 K- P0:0:0:0\nF1 K28 P0:0:0:0\nF1 K- P0:0:0:0\nF1 K28 "
                             "P0:0:0:0\nF1 K- P0:0:0:0\n"
                             "F1 K0D P0:0:0:0\nF1 K- P0:0:0:0\nF1 K28 P0:0:0:0\nF1 K- P0:0:0:0\nF1 K28 P0:0:0:0\n"
                             "F1 K- P0:0:0:0\nF1 K28 P0:0:0:0\nF1 K- P0:0:0:0\nF1 K0D P0:0:0:0\nF1 K- P0:0:0:0\n";
    std::string args = " --windowed --resources " + SourcePath("Resources") + " --level Level_00_Menu --replay " +
                       replay + " --frames 18";
    // The dummy video driver gives no window and so no drawing device: the run is quick.
    std::string env = "XDG_CONFIG_HOME=" + folder + " SDL_VIDEODRIVER=dummy ";
    std::string settings = folder + "/kibbet/settings";
    EXPECT_EQ(RunGame("--headless --fixed-step" + args).Status, 0);
    EXPECT_FALSE(std::filesystem::exists(settings));
    // RunGame runs the binary through the shell, so the variable can lead the command.
    std::string command = env + KIBBET_BINARY + args + " 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    ASSERT_TRUE(std::filesystem::exists(settings));
    EXPECT_EQ(ReadSettingsFile(settings).SoundLevel, 0);
    std::filesystem::remove_all(folder);
}
