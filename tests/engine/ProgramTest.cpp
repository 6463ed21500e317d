#include "engine/Options.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

using namespace Framework;

namespace
{
struct RunResult
{
    int Status = -1;
    std::vector<std::string> Lines;
};

// Runs the game binary and collects its standard output by line.
RunResult RunGame(const std::string& args)
{
    RunResult result;
    std::string command = std::string(KIBBET_BINARY) + " " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
    {
        return result;
    }
    std::string text;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    {
        text.append(buffer.data(), n);
    }
    int status = pclose(pipe);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
    {
        result.Lines.push_back(line);
    }
    return result;
}
} // namespace

TEST(Options, ParsesFlagsAndRejectsUnknownOnes)
{
    ParseResult ok = ParseOptions({"--headless", "--frames", "30", "--fixed-step", "--seed", "7", "--resources", "R",
                                   "--level", "Level_01", "--dump-state", "--windowed"});
    ASSERT_FALSE(ok.ExitCode.has_value());
    EXPECT_TRUE(ok.Values.Headless);
    EXPECT_EQ(ok.Values.Frames, 30u);
    EXPECT_TRUE(ok.Values.FixedStep);
    EXPECT_EQ(ok.Values.Seed, 7u);
    EXPECT_EQ(ok.Values.ResourceDir, "R");
    EXPECT_EQ(ok.Values.Level, "Level_01");
    EXPECT_TRUE(ok.Values.DumpState);
    EXPECT_TRUE(ok.Values.Windowed);

    EXPECT_EQ(ParseOptions({"--bogus"}).ExitCode, 2);
    EXPECT_EQ(ParseOptions({"--frames"}).ExitCode, 2);
    EXPECT_EQ(ParseOptions({"--frames", "-3"}).ExitCode, 2);
    EXPECT_EQ(ParseOptions({"--frames", "12x"}).ExitCode, 2);
}

TEST(Program, HeadlessRunOfALevelDumpsItsObjects)
{
    RunResult run = RunGame("--headless --fixed-step --resources " + SourcePath("tests/data/mini") +
                            " --level Level_01 --frames 5 --dump-state");
    ASSERT_EQ(run.Status, 0);
    ASSERT_EQ(run.Lines.size(), 3u);
    EXPECT_EQ(run.Lines[0], "{\"world\":{\"frame\":5,\"level\":\"Level_01\",\"paused\":false}}");
    EXPECT_EQ(run.Lines[1], "{\"key\":\"Kibbet\",\"name\":\"Kibbet\",\"id\":101,\"x\":100,\"y\":-20,\"rotation\":0,"
                            "\"sx\":1,\"sy\":1,\"velocity\":{\"x\":0,\"y\":0},"
                            "\"components\":[\"Body\",\"Graphics\",\"Transform\"]}");
    EXPECT_NE(run.Lines[2].find("\"key\":\"Pollen\""), std::string::npos);
    EXPECT_NE(run.Lines[2].find("\"x\":400"), std::string::npos);
}

TEST(Program, BadCommandLineExitsWithUsage)
{
    EXPECT_EQ(RunGame("--no-such-flag").Status, 2);
    EXPECT_EQ(RunGame("--help").Status, 0);
}
