#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

using namespace Framework;

namespace
{
// The marsh demo level played headless with no input for the frames given: its objects' dump lines by key.
std::map<std::string, std::string> MarshDemoObjects(int frames)
{
    RunResult run = RunGame("--headless --fixed-step --seed 1 --frames " + std::to_string(frames) +
                            " --dump-state --resources " + SourcePath("tests/data/marsh") + " --level Level_MarshDemo");
    EXPECT_EQ(run.Status, 0);
    std::map<std::string, std::string> objects;
    std::istringstream lines(run.Output);
    for (std::string line; std::getline(lines, line);)
    {
        size_t key = line.find("{\"key\":\"");
        if (key == 0)
        {
            objects[line.substr(8, line.find('"', 8) - 8)] = line;
        }
    }
    return objects;
}

int Particles(const std::string& line)
{
    size_t at = line.find("\"particles\":");
    return at == std::string::npos ? -1 : std::stoi(line.substr(at + 12));
}
} // namespace

// A rain cloud 85 units over the ground: its drops (soon falling 500 units a second, living 10 to 20 s) end
// where they meet the ground, a few frames after they start, instead of falling on through the earth below.
TEST(WaterSpawnerTriggerTest, RainStopsWhereItMeetsTheGround)
{
    std::map<std::string, std::string> objects = MarshDemoObjects(1500);
    ASSERT_EQ(objects.count("RainCloud_1"), 1u);
    const int drops = Particles(objects["RainCloud_1"]);
    EXPECT_GT(drops, 0) << "it rains: " << objects["RainCloud_1"];
    // Drops that fell on below the ground would number several hundred after 25 s.
    EXPECT_LT(drops, 60) << "drops fell on below the ground: " << objects["RainCloud_1"];
}
