#include "tests/TestSupport.h"

#include <regex>
#include <sstream>

using namespace Framework;

namespace
{
// One object's line of the state dump, reduced to what the physics decides.
struct DumpedBody
{
    bool Found = false;
    float X = 0.0f, Y = 0.0f, VelocityY = 0.0f;
};

// Runs the game headless on the physics test level for a number of fixed 17 ms frames and reads the
// dumped line of one object.
DumpedBody RunLevel(int frames, const std::string& key)
{
    RunResult run = RunGame("--headless --fixed-step --resources " + SourcePath("tests/data/physics") +
                            " --level Level_Physics --frames " + std::to_string(frames) + " --dump-state");
    EXPECT_EQ(run.Status, 0);
    static const std::regex line(
        R"re(\{"key":"([^"]*)".*"x":([^,]*),"y":([^,]*),"rotation".*"velocity":\{"x":[^,]*,"y":([^}]*)\})re");
    DumpedBody body;
    std::istringstream lines(run.Output);
    for (std::string text; std::getline(lines, text);)
    {
        std::smatch match;
        if (std::regex_search(text, match, line) && match[1] == key)
        {
            body = {true, std::stof(match[2]), std::stof(match[3]), std::stof(match[4])};
        }
    }
    return body;
}
} // namespace

// The level drops the hero (created first) and a crate on one static ground whose top is at y 300.
TEST(PhysicsEndToEnd, TheHeroComesToRestOnTheGroundWhileACrateFallsThrough)
{
    DumpedBody heroEarly = RunLevel(60, "Kibbet");
    DumpedBody heroLate = RunLevel(120, "Kibbet");
    DumpedBody crate = RunLevel(60, "Crate");
    ASSERT_TRUE(heroEarly.Found && heroLate.Found && crate.Found);

    // The hero's box reaches 16 units below its centre: at rest its centre is 16 above the ground.
    EXPECT_NEAR(heroEarly.Y, 316.0f, 0.5f);
    EXPECT_NEAR(heroLate.Y, heroEarly.Y, 0.01f) << "it stays where it landed";
    EXPECT_EQ(heroLate.VelocityY, 0.0f);
    EXPECT_EQ(heroLate.X, 500.0f);

    // Only the hero is corrected: the crate went through the ground and is still falling.
    EXPECT_LT(crate.Y, 300.0f - 16.0f);
    EXPECT_LT(crate.VelocityY, -100.0f);
}
