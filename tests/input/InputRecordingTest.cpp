#include "platform/InputRecording.h"
#include "input/Input.h"
#include "tests/TestSupport.h"

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

// Runs the game headless over the test level with the extra flags; returns the state dump.
std::string RunLevel(const std::string& extra)
{
    RunResult run = RunGame("--headless --fixed-step --frames 40 --resources " + SourcePath("tests/data/gfx") +
                            " --level Level_Render --dump-state " + extra);
    EXPECT_EQ(run.Status, 0) << extra;
    return run.Output;
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

TEST(InputRecordingTest, AReplayedRunRecordsTheSameFileAndTheSameState)
{
    std::string first = Temp("first.rec"), second = Temp("second.rec"), third = Temp("third.rec");
    std::string dump1 = RunLevel("--record " + first);
    std::string dump2 = RunLevel("--replay " + first + " --record " + second);
    EXPECT_FALSE(ReadFile(first).empty());
    EXPECT_EQ(ReadFile(first), ReadFile(second));
    EXPECT_EQ(dump1, dump2);
    EXPECT_NE(dump1.find("\"frame\":40"), std::string::npos);

    // A scripted input file with presses goes through a replay and a new recording unchanged.
    std::ofstream(first) << "kibbet-input 1\nF1 K20,25 P1:1000:-30000:0\nF1 K- P0:0:0:0\nF0 K27 P0:0:0:0\n";
    dump2 = RunLevel("--replay " + first + " --record " + second);
    std::string dump3 = RunLevel("--replay " + second + " --record " + third);
    std::string recorded = ReadFile(second);
    EXPECT_EQ(recorded.rfind(ReadFile(first), 0), 0u) << "the scripted frames come first";
    EXPECT_EQ(recorded, ReadFile(third));
    EXPECT_EQ(dump2, dump3);
    for (const std::string& path : {first, second, third})
    {
        std::remove(path.c_str());
    }
}
