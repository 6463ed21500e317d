#include "gameflow/GhostRun.h"

#include <gtest/gtest.h>

#include <string>

namespace Framework
{

// A run survives its file: the poses come back at every sample (positions to the whole unit), a pose between two
// samples lies between them, and a standing hero's repeated samples fold into one line.
TEST(GhostRun, ComesBackFromItsFileAndMovesSmoothlyBetweenSamples)
{
    GhostRun run;
    for (int ms = 0; ms <= 3400; ms += 17)
    {
        const float x = ms < 1700 ? static_cast<float>(ms) : 1700.0f;
        run.Record(ms,
                   GhostPose{x, -152.0f, ms < 1700 ? "moveRight" : "idleLeft", static_cast<unsigned>(ms / 200 % 4)});
    }
    GhostRun copy;
    const std::string text = run.Encode();
    ASSERT_TRUE(copy.Decode(text)) << text;
    EXPECT_EQ(copy.SampleCount(), run.SampleCount());
    for (int ms : {0, 68, 1632, 3400})
    {
        GhostPose a;
        GhostPose b;
        ASSERT_TRUE(run.PoseAt(ms, a) && copy.PoseAt(ms, b));
        EXPECT_NEAR(a.X, b.X, 0.5f);
        EXPECT_EQ(a.Y, b.Y);
        EXPECT_EQ(a.Animation, b.Animation);
        EXPECT_EQ(a.Frame, b.Frame);
    }
    GhostPose between;
    ASSERT_TRUE(copy.PoseAt(34, between));
    EXPECT_NEAR(between.X, 34.0f, 0.5f);
    EXPECT_NE(text.find("*"), std::string::npos) << "standing still should fold into repeats:\n" << text;
}

// A damaged file gives no ghost rather than a wrong one.
TEST(GhostRun, ADamagedFileGivesNoGhost)
{
    for (const char* text : {"", "kibbet-ghost 2 68 1\nidle \n0 0 0 0\nend\n",
                             "kibbet-ghost 1 68 2\nidle \n0 0 0 0\nend\n", "kibbet-ghost 1 68 1\nidle \n0 0 0 5\nend\n",
                             "kibbet-ghost 1 68 1\nidle \n0 0 0 0\n", "kibbet-ghost 1 68 2\nidle \n*1\n0 0 0 0\nend\n"})
    {
        GhostRun run;
        EXPECT_FALSE(run.Decode(text)) << text;
        EXPECT_TRUE(run.Empty());
    }
}

} // namespace Framework
