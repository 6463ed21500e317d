#include "app/Options.h"
#include "tests/TestSupport.h"

#include <sstream>

using namespace Framework;

TEST(Options, ParsesFlagsAndRejectsUnknownOnes)
{
    ParseResult ok = ParseOptions({"--headless", "--frames", "30", "--fixed-step", "--seed", "7", "--resources", "R",
                                   "--level", "Level_01", "--dump-state", "--windowed", "--record", "in.rec",
                                   "--replay", "old.rec", "--screenshot", "shot.png", "--watch"});
    ASSERT_FALSE(ok.ExitCode.has_value());
    EXPECT_TRUE(ok.Values.Headless && ok.Values.FixedStep && ok.Values.DumpState && ok.Values.Windowed &&
                ok.Values.Watch);
    EXPECT_EQ(ok.Values.Frames, 30u);
    EXPECT_EQ(ok.Values.Seed, 7u);
    EXPECT_EQ(ok.Values.ResourceDir, "R");
    EXPECT_EQ(ok.Values.Level, "Level_01");
    EXPECT_EQ(ok.Values.Record, "in.rec");
    EXPECT_EQ(ok.Values.Replay, "old.rec");
    EXPECT_EQ(ok.Values.Screenshot, "shot.png");

    ParseResult check = ParseOptions({"--check", "levels", "--headless"});
    EXPECT_TRUE(check.Values.Check && check.Values.Headless);
    EXPECT_EQ(check.Values.CheckDir, "levels");
    EXPECT_EQ(ParseOptions({"--check", "--headless"}).Values.CheckDir, "");
    ParseResult sized = ParseOptions({"--windowed", "--size", "1920x1080"});
    EXPECT_EQ(sized.Values.Width, 1920u);
    EXPECT_EQ(sized.Values.Height, 1080u);

    const std::vector<std::vector<std::string>> rejected{{"--bogus"},
                                                         {"--frames"},
                                                         {"--frames", "-3"},
                                                         {"--frames", "12x"},
                                                         {"--record"},
                                                         {"--screenshot"},
                                                         {"--dump-every", "0"},
                                                         {"--screenshot-every", "5"},
                                                         {"--size", "1920x1080"},
                                                         {"--windowed", "--size", "1920"},
                                                         {"--windowed", "--size", "100x720"},
                                                         {"--windowed", "--size", "1280x99999"}};
    for (const std::vector<std::string>& bad : rejected)
    {
        EXPECT_EQ(ParseOptions(bad).ExitCode, 2) << bad[0];
    }
    EXPECT_EQ(RunGame("--no-such-flag").Status, 2);
    EXPECT_EQ(RunGame("--help").Status, 0);
}

TEST(Program, HeadlessRunOfALevelDumpsItsObjects)
{
    RunResult run = RunGame("--headless --fixed-step --resources " + SourcePath("tests/data/mini") +
                            " --level Level_01 --frames 5 --dump-state");
    ASSERT_EQ(run.Status, 0);
    std::istringstream text(run.Output);
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
    {
        lines.push_back(line);
    }
    // The world, the two heads-up display heads, the hero and the pollen, sorted by key.
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("{\"world\":{\"frame\":5,\"level\":\"Level_01\",\"paused\":false,", 0), 0u) << lines[0];
    // The level starts after every system has loaded, so its track is found and plays.
    EXPECT_NE(lines[0].find("\"music\":\"BGM_Meadow\""), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("\"sounds\":{\"BGM_Meadow\":1}"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[2], "{\"key\":\"Kibbet\",\"name\":\"Kibbet\",\"id\":101,\"x\":100,\"y\":-20,\"rotation\":0,"
                        "\"sx\":1,\"sy\":1,\"velocity\":{\"x\":0,\"y\":0},"
                        "\"components\":[\"Body\",\"Graphics\",\"Transform\"],\"animation\":\"default\"}");
    EXPECT_NE(lines[3].find("\"key\":\"Pollen\""), std::string::npos);
    EXPECT_NE(lines[3].find("\"x\":400"), std::string::npos);
}
