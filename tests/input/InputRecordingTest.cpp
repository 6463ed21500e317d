#include "platform/InputRecording.h"
#include "input/Input.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace Framework;

namespace
{
std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Temp(const std::string& name)
{
    return ::testing::TempDir() + "kibbet_" + std::to_string(::getpid()) + "_" + name;
}

// Runs the game headless over the test level; returns the exit status.
int RunGame(const std::string& extra, const std::string& dumpPath)
{
    std::string command = std::string(KIBBET_BINARY) + " --headless --fixed-step --frames 40 --resources " +
                          KIBBET_SOURCE_DIR + "/tests/data/gfx --level Level_Render --dump-state " + extra + " > " +
                          dumpPath + " 2>/dev/null";
    return std::system(command.c_str());
}
} // namespace

TEST(InputRecordingTest, FramesFormatAndParseBack)
{
    InputFrame frame;
    frame.Focus = false;
    frame.KeysDown = {0x20, 0x57};
    frame.Pad = {true, 0x1004, -120, 32767};
    std::string line = FormatInputFrame(frame);
    EXPECT_EQ(line, "F0 K20,57 P1:1004:-120:32767");
    InputFrame back;
    ASSERT_TRUE(ParseInputFrame(line, back));
    EXPECT_FALSE(back.Focus);
    EXPECT_EQ(back.KeysDown, frame.KeysDown);
    EXPECT_EQ(back.Pad.Buttons, 0x1004);
    EXPECT_EQ(back.Pad.ThumbLX, -120);

    EXPECT_EQ(FormatInputFrame(InputFrame{}), "F1 K- P0:0:0:0");
    for (const char* bad : {"", "F2 K- P0:0:0:0", "F1 K1ff P0:0:0:0", "F1 K- P0:10000:0:0", "F1 K- P0:0:0:40000",
                            "F1 K- P0:0:0:0 extra", "F1 Kzz P0:0:0:0", "F1 K- P0:0:0"})
    {
        EXPECT_FALSE(ParseInputFrame(bad, back)) << bad;
    }
}

TEST(InputRecordingTest, AReplayFeedsItsFramesThenNothing)
{
    std::string path = Temp("feed.rec");
    std::ofstream(path) << "kibbet-input 1\nF1 K20 P0:0:0:0\nF1 K20 P0:0:0:0\ngarbage\nF1 K- P1:1000:0:0\n";
    Input input(nullptr, std::make_unique<ReplayKeySource>(path));
    input.IsJumpTriggered();
    input.Update(0);
    EXPECT_TRUE(input.IsJumpTriggered());
    input.Update(0);
    EXPECT_TRUE(input.IsJumpHeld());
    input.Update(0); // a bad line reads as no input
    EXPECT_FALSE(input.IsJumpHeld());
    input.Update(0);
    EXPECT_TRUE(input.IsJumpTriggered()) << "the A button";
    input.Update(0);
    EXPECT_FALSE(input.IsJumpHeld()) << "past the end nothing is pressed";
    std::remove(path.c_str());
}

TEST(InputRecordingTest, ARecordingKeepsWhatTheSourceGaveEachFrame)
{
    std::string path = Temp("keep.rec");
    auto scripted = std::make_unique<ScriptedKeySource>();
    ScriptedKeySource* keys = scripted.get();
    {
        Input input(nullptr, std::make_unique<RecordingKeySource>(std::move(scripted), path));
        keys->Down = {0x41, 0x20};
        input.Update(0);
        keys->Down.clear();
        keys->Focus = false;
        keys->Pad = {true, 0x0010, 9000, -9000};
        input.Update(0);
    }
    EXPECT_EQ(ReadFile(path), "kibbet-input 1\nF1 K20,41 P0:0:0:0\nF0 K- P1:10:9000:-9000\n");
    std::remove(path.c_str());
}

TEST(InputRecordingTest, AReplayedRunRecordsTheSameFileAndTheSameState)
{
    std::string first = Temp("first.rec"), second = Temp("second.rec"), third = Temp("third.rec");
    std::string dump1 = Temp("dump1.txt"), dump2 = Temp("dump2.txt"), dump3 = Temp("dump3.txt");
    ASSERT_EQ(RunGame("--record " + first, dump1), 0);
    ASSERT_EQ(RunGame("--replay " + first + " --record " + second, dump2), 0);
    EXPECT_FALSE(ReadFile(first).empty());
    EXPECT_EQ(ReadFile(first), ReadFile(second));
    EXPECT_EQ(ReadFile(dump1), ReadFile(dump2));
    EXPECT_NE(ReadFile(dump1).find("\"frame\":40"), std::string::npos);

    // A scripted input file with presses goes through a replay and a new recording unchanged.
    std::ofstream(first) << "kibbet-input 1\nF1 K20,25 P1:1000:-30000:0\nF1 K- P0:0:0:0\nF0 K27 P0:0:0:0\n";
    ASSERT_EQ(RunGame("--replay " + first + " --record " + second, dump2), 0);
    ASSERT_EQ(RunGame("--replay " + second + " --record " + third, dump3), 0);
    std::string recorded = ReadFile(second);
    EXPECT_EQ(recorded.rfind(ReadFile(first), 0), 0u) << "the scripted frames come first";
    EXPECT_EQ(recorded, ReadFile(third));
    EXPECT_EQ(ReadFile(dump2), ReadFile(dump3));
    for (const std::string& path : {first, second, third, dump1, dump2, dump3})
    {
        std::remove(path.c_str());
    }
}
