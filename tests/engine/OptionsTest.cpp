#include "engine/Options.h"

#include <gtest/gtest.h>

using namespace Framework;

TEST(OptionsTest, RecordReplayAndScreenshotTakeAFile)
{
    ParseResult parsed =
        ParseOptions({"--record", "in.rec", "--replay", "old.rec", "--screenshot", "shot.png", "--windowed"});
    ASSERT_FALSE(parsed.ExitCode);
    EXPECT_EQ(parsed.Values.Record, "in.rec");
    EXPECT_EQ(parsed.Values.Replay, "old.rec");
    EXPECT_EQ(parsed.Values.Screenshot, "shot.png");
    EXPECT_TRUE(parsed.Values.Windowed);

    for (const char* flag : {"--record", "--replay", "--screenshot"})
    {
        ParseResult missing = ParseOptions({flag});
        ASSERT_TRUE(missing.ExitCode);
        EXPECT_EQ(*missing.ExitCode, 2) << flag;
    }
    EXPECT_NE(UsageText().find("--screenshot FILE"), std::string::npos);
}
