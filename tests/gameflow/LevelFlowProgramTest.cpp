// The start-up screens and the first level through the program itself: headless, fixed steps, hand-written
// replays (tests/replays), the state dump after the last frame.
#include "tests/TestSupport.h"

#include <algorithm>
#include <fstream>
#include <regex>

namespace Framework
{
namespace
{
// The world line of a headless run of the shipped game.
std::string World(const std::string& args, int frames)
{
    RunResult run = RunGame("--headless --fixed-step --resources " + SourcePath("Resources") + " " + args +
                            " --frames " + std::to_string(frames) + " --dump-state");
    EXPECT_EQ(run.Status, 0);
    return run.Output.substr(0, run.Output.find('\n'));
}

// A replay file of the given lines after the header.
std::string Replay(const std::string& name, const std::vector<std::string>& lines)
{
    std::string path = ::testing::TempDir() + "kibbet_" + name + "_" + std::to_string(::getpid()) + ".txt";
    std::ofstream out(path);
    out << "kibbet-input 1\n";
    for (const std::string& line : lines)
    {
        out << line << "\n";
    }
    return path;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Lines [first, first + count) of a shipped replay (line 0 is the header).
std::vector<std::string> ReplayLines(const std::string& name, size_t first, size_t count)
{
    std::ifstream file(SourcePath("tests/replays/" + name + ".txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
    {
        lines.push_back(line);
    }
    size_t end = std::min(lines.size(), first + count);
    return first < end ? std::vector<std::string>(lines.begin() + static_cast<long>(first),
                                                  lines.begin() + static_cast<long>(end))
                       : std::vector<std::string>{};
}

// Key presses in the pause menu, each followed by a frame without keys: Escape opens it, 28 is down, 0D selects.
std::vector<std::string> Presses(const std::vector<std::string>& keys)
{
    std::vector<std::string> lines;
    for (const std::string& key : keys)
    {
        lines.push_back("F1 K" + key + " P0:0:0:0");
        lines.push_back("F1 K- P0:0:0:0");
    }
    return lines;
}

// Every part is in the world line of the run at each frame.
void ExpectAlong(const std::string& args, const std::vector<std::pair<int, std::vector<std::string>>>& moments)
{
    for (const auto& [frame, parts] : moments)
    {
        std::string world = World(args, frame);
        for (const std::string& part : parts)
        {
            EXPECT_TRUE(Has(world, part)) << "frame " << frame << ": " << part << "\n" << world;
        }
    }
}

TEST(LevelFlowProgram, TheStartUpShowsTheSplashThenTheMenuAndAKeySkipsIt)
{
    std::string splash = World("", 3);
    EXPECT_TRUE(Has(splash, "\"level\":\"Level_00_Splash\"")) << splash;
    EXPECT_TRUE(Has(splash, "\"music\":\"Level_00_Splash\"")) << splash;
    std::string menu = World("", 460);
    EXPECT_TRUE(Has(menu, "\"level\":\"Level_00_Menu\"")) << menu << " after the 7.5 s timeline";
    std::string early = World("", 430);
    EXPECT_TRUE(Has(early, "\"level\":\"Level_00_Splash\"")) << early;

    std::vector<std::string> lines(10, "F1 K- P0:0:0:0");
    lines.push_back("F1 K20 P0:0:0:0");
    std::string path = Replay("skip", lines);
    std::string skipped = World("--replay " + path, 20);
    EXPECT_TRUE(Has(skipped, "\"level\":\"Level_00_Menu\"")) << skipped;
    std::remove(path.c_str());
}

// tests/replays/Level_01.txt: the start walk, a run into the first pit, the respawn, a jump over it, the hive,
// a knock-back from the stump and a jump over it, the geyser up the cliff, the scripted run over the bridge,
// the exit walk, and the tally after it.
TEST(LevelFlowProgram, TheFirstLevelCanBeFinished)
{
    struct Moment
    {
        int Frame;
        std::vector<std::string> Parts;
    };
    const std::string replay = "--level Level_01 --replay " + SourcePath("tests/replays/Level_01.txt");
    for (const Moment& m : std::vector<Moment>{
             {45, {"\"lives\":3", "\"checkpoint\":{\"x\":-845.46167,\"y\":-152}", "\"input\":true", "\"fade\":0.7"}},
             {110, {"\"collected\":1", "\"SFX_Collect\":1", "\"music\":\"BGM_Meadow\""}},
             {300, {"\"collected\":3", "\"fade\":1"}},
             {480, {"\"lives\":2", "\"respawnPan\":true", "\"control\":false", "\"SFX_Kibbet_Death\":1"}},
             {560, {"\"lives\":2", "\"respawnPan\":false", "\"control\":true", "\"camera\":{\"x\":-845.46"}},
             {1060, {"\"checkpoint\":{\"x\":1150,\"y\":-128}"}},
             {1560, {"\"input\":false"}},
             {2250, {"\"level\":\"Level_01\"", "\"fade\":0.2"}},
             {2398, {"\"level\":\"Level_01\"", "\"timer\":38.45", "\"control\":false"}},
         })
    {
        std::string world = World(replay, m.Frame);
        for (const std::string& part : m.Parts)
        {
            EXPECT_TRUE(Has(world, part)) << "frame " << m.Frame << ": " << part << "\n" << world;
        }
    }
}

// The campaign after the first level: each replay in tests/replays runs its level to the exit without a death,
// collects every pollen and passes every hive; by the last frame the level is finished and its tally waits for a
// key, the time frozen. One test a
// level, so each route has the whole of a test's time.
struct Moment
{
    int Frame;
    std::vector<std::string> Parts;
};
struct Route
{
    std::string Level;
    std::vector<Moment> Moments;
};

// Names the route by its level in the test's output.
void PrintTo(const Route& route, std::ostream* out)
{
    *out << route.Level;
}

// The routes, one per level after the first.
std::vector<Route> CampaignRoutes()
{
    const auto onRoute = [](const std::string& collected, const std::string& checkpoint)
    {
        return std::vector<std::string>{"\"lives\":3", "\"collected\":" + collected,
                                        "\"checkpoint\":{" + checkpoint + "}"};
    };
    return {
        // Flies over the first gap, rolls twice through the wasp, rides the geyser up the cliff, waits for the
        // lift and jumps off it at the far end.
        {"Level_02",
         {{450, onRoute("10", "\"x\":-845.46167,\"y\":-152")},
          {800, onRoute("14", "\"x\":950,\"y\":-128")},
          {1040, onRoute("16", "\"x\":3150,\"y\":222")},
          {1605, onRoute("22", "\"x\":3150,\"y\":222")},
          {1945, onRoute("25", "\"x\":3150,\"y\":222")},
          {2137, {"\"level\":\"Level_02\"", "\"timer\":34.27", "\"control\":false"}}}},
        // Jumps the trap, flies over the porcupine, waits in the flowers and rolls through the path wasp,
        // rides the lift (which comes to meet the hero), then the second trap and porcupine.
        {"Level_03",
         {{300, onRoute("7", "\"x\":-845.46167,\"y\":-152")},
          {600, onRoute("10", "\"x\":1150,\"y\":-128")},
          {900, onRoute("13", "\"x\":1150,\"y\":-128")},
          {1285, onRoute("14", "\"x\":1150,\"y\":-128")},
          {1575, onRoute("17", "\"x\":3550,\"y\":-128")},
          {1915, onRoute("23", "\"x\":3550,\"y\":-128")},
          {2361, {"\"level\":\"Level_03\"", "\"timer\":37.16", "\"control\":false"}}}},
        // Under the rain, over the ravine, past the waterfall, up the strong geyser and over the porcupine, then
        // rides the cloud (which comes back for the hero) over the second ravine and takes the geyser over the second
        // porcupine.
        {"Level_04",
         {{480, {"\"music\":\"BGM_Forest\"", "\"collected\":10"}},
          {700, {"\"SFX_Waterfall_Loop\":1"}},
          {560, onRoute("11", "\"x\":1200,\"y\":-128")},
          {960, onRoute("16", "\"x\":2950,\"y\":222")},
          {1500, onRoute("22", "\"x\":5150,\"y\":222")},
          {1850, onRoute("27", "\"x\":6250,\"y\":222")},
          {2215, onRoute("30", "\"x\":6250,\"y\":222")},
          {2381, {"\"level\":\"Level_04\"", "\"timer\":40.32", "\"control\":false"}}}},
        // Hops off the first crumbling ledge up to the shelf, waits for the frog to leap and flies over it, rides
        // the geyser up the cliff and a crumbling ledge to the pollen nook, hops the pit's crumbling ledges, passes
        // the second frog, rides the lift over the pond, climbs the crumbling stair to the ridge past the third
        // frog and hops the second pit's ledges.
        {"Level_05",
         {{1000, onRoute("14", "\"x\":-845.46167,\"y\":-152")},
          {2000, onRoute("20", "\"x\":3000,\"y\":-128")},
          {3000, onRoute("27", "\"x\":7900,\"y\":-128")},
          {4000, onRoute("30", "\"x\":11600,\"y\":-128")},
          {5250, onRoute("36", "\"x\":15050,\"y\":-128")},
          {5753,
           {"\"level\":\"Level_05\"", "\"music\":\"BGM_Marsh\"", "\"timer\":97.76", "\"collected\":41",
            "\"control\":false"}}}},
        // Under the first dragonfly, over the first gap, up the geyser, over a frog, across the crumbling ledges over
        // the deep pit, past the second dragonfly onto the lift, over the second frog, the ledges over the second
        // deep pit, over the third frog, the lift up the cliff, over the fourth frog and down the last ledges.
        {"Level_06",
         {{1100, onRoute("12", "\"x\":1000,\"y\":-128")},
          {1700, onRoute("16", "\"x\":1000,\"y\":-128")},
          {2300, onRoute("21", "\"x\":6700,\"y\":384")},
          {3000, onRoute("25", "\"x\":6700,\"y\":384")},
          {3700, onRoute("34", "\"x\":9750,\"y\":128")},
          {4500, onRoute("35", "\"x\":13350,\"y\":640")},
          {5200, onRoute("45", "\"x\":13350,\"y\":640")},
          {5619, {"\"level\":\"Level_06\"", "\"timer\":95.48", "\"control\":false"}}}},
        // Rides the geyser, the lift, the strong geyser and the cloud up the marsh cliffs (rolling through a frog on
        // the way), hops over the crumbling ledges on top before they drop, comes down on the lift and the ledges,
        // rolls through the wasps, rides the cloud over the long pit, runs under a frog's leap and climbs once more
        // on a geyser and a lift, then down the crumbling ledges, never stopping under the dragonflies.
        {"Level_07",
         {{1000, onRoute("20", "\"x\":-845.46167,\"y\":-152")},
          {2100, onRoute("33", "\"x\":5850,\"y\":1422")},
          {4100, onRoute("46", "\"x\":13700,\"y\":-128")},
          {6588, {"\"level\":\"Level_07\"", "\"timer\":111.92", "\"control\":false"}}}},
        // Over the trap and the first pond, the porcupine and the frog, up the geyser, under the dragonflies along
        // the crumbling ledges, the second trap, the ponds, the geyser to the high marsh and its ponds, then down to
        // the low banks and up their geysers three times more under dragonflies.
        {"Level_08",
         {{600, onRoute("7", "\"x\":1150,\"y\":-128")},
          {1500, onRoute("21", "\"x\":1150,\"y\":-128")},
          {2300, onRoute("32", "\"x\":5250,\"y\":222")},
          {3000, onRoute("42", "\"x\":8000,\"y\":222")},
          {5000, onRoute("60", "\"x\":13116,\"y\":222")},
          {7000, onRoute("82", "\"x\":25428,\"y\":222")},
          {8390, {"\"level\":\"Level_08\"", "\"timer\":142.59", "\"control\":false"}}}},
    };
}

class CampaignRoute : public ::testing::TestWithParam<Route>
{
};

TEST_P(CampaignRoute, IsFinishedByItsReplay)
{
    const Route& route = GetParam();
    const std::string replay =
        "--level " + route.Level + " --replay " + SourcePath("tests/replays/" + route.Level + ".txt");
    for (const Moment& m : route.Moments)
    {
        std::string world = World(replay, m.Frame);
        for (const std::string& part : m.Parts)
        {
            EXPECT_TRUE(Has(world, part))
                << route.Level << " went off its route by frame " << m.Frame << ": " << part << "\n"
                << world;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LevelFlowProgram, CampaignRoute, ::testing::ValuesIn(CampaignRoutes()),
                         [](const ::testing::TestParamInfo<Route>& param) { return param.param.Level; });

// tests/replays/Campaign.txt (made by tools/join-replays from the level replays): the splash skipped, "Beegin"
// chosen, every level played by its own route, the ending and back to the menu, all in one run.
TEST(LevelFlowProgram, TheWholeCampaignIsPlayedFromTheSplashToTheMenu)
{
    const std::string path = SourcePath("tests/replays/Campaign.txt");
    std::ifstream file(path);
    int frames = -1; // the header line is not a frame
    for (std::string line; std::getline(file, line);)
    {
        ++frames;
    }
    // Level_01 is the one route with a death; the ending comes back to the menu with the bear level's pollen,
    // which a game over would not.
    const std::pair<int, std::vector<std::string>> moments[] = {
        {2273, {"\"level\":\"Level_01\"", "\"lives\":2", "\"collected\":11"}},
        {frames, {"\"level\":\"Level_00_Menu\"", "\"pollen\":5,\"collected\":5"}},
    };
    for (const auto& [frame, parts] : moments)
    {
        std::string world = World("--replay " + path, frame);
        for (const std::string& part : parts)
        {
            EXPECT_TRUE(Has(world, part)) << "the campaign went off its route by frame " << frame << ": " << part
                                          << "\n(remake it with tools/join-replays after changing a level)\n"
                                          << world;
        }
    }
}

// The bear's introduction turns the respawn pan off for the rest of its level only: after it, the pause menu's
// return to the menu and the first level's first pit cost one life, with the pan back to the checkpoint, where
// the camera follows the hero again (not three lives in three frames and a game over).
TEST(LevelFlowProgram, AfterTheBearsIntroductionTheNextLevelRespawnsWithThePan)
{
    std::vector<std::string> lines = ReplayLines("Level_Bear", 1, 740); // the introduction ends at 720
    for (const std::string& line : Presses({"1B", "28", "28", "28", "28", "28", "0D", "0D"}))
    {
        lines.push_back(line); // pause, down to "return to the menu", yes
    }
    lines.insert(lines.end(), 2, "F1 K- P0:0:0:0");
    lines.push_back("F1 K0D P0:0:0:0"); // the menu's first item starts Level_01
    for (const std::string& line : ReplayLines("Campaign", 12, 600))
    {
        lines.push_back(line); // the first level's route from the campaign, with its death in the first pit
    }
    std::string path = Replay("after_bear", lines);
    ExpectAlong("--level Level_Bear --replay " + path,
                {{760, {"\"level\":\"Level_01\"", "\"lives\":3"}},
                 {1240, {"\"lives\":2", "\"respawnPan\":true", "\"endScreen\":false", "\"SFX_Kibbet_Death\":1"}},
                 {1320, {"\"lives\":2", "\"respawnPan\":false", "\"control\":true", "\"camera\":{\"x\":-845.46"}},
                 {1359, {"\"lives\":2", "\"paused\":false", "\"SFX_Kibbet_Death\":1"}}});
    std::remove(path.c_str());
}

// After the first death of Level_01 (one cry, two lives), the pause menu's restart and its "yes" start the level
// again with three lives.
TEST(LevelFlowProgram, RestartThenYesStartsAgainWithThreeLives)
{
    std::vector<std::string> lines = ReplayLines("Level_01", 1, 560);
    for (const std::string& line : Presses({"1B", "28", "0D", "0D"}))
    {
        lines.push_back(line);
    }
    std::string path = Replay("restart", lines);
    ExpectAlong("--level Level_01 --replay " + path,
                {{560, {"\"lives\":2", "\"SFX_Kibbet_Death\":1"}},
                 {570, {"\"lives\":3", "\"paused\":false", "\"respawnPan\":false", "\"SFX_Kibbet_Death\":1"}}});
    std::remove(path.c_str());
}

// The ledge above the first level's lift holds five pollen: riding the lift up and flying over to it collects
// them (a sound and a burst each) and play goes on with the hero steering, in the same level.
TEST(LevelFlowProgram, TheLedgeAboveTheLiftRewardsAndPlayGoesOn)
{
    std::vector<std::string> lines = ReplayLines("Level_01", 1, 1850); // on the ground below the lift
    const std::pair<int, std::string> held[] = {
        {45, "25"},   {150, "-"}, {1, "20"},     {12, "-"},  {50, "20,27"}, {20, "27"}, // up onto the lift
        {162, "-"},   {30, "27"},                                                       // ride it to the right
        {1, "20,27"}, {12, "27"}, {70, "20,27"}, {40, "27"}, {30, "-"},                 // fly over to the ledge
    };
    for (const auto& [frames, keys] : held)
    {
        lines.insert(lines.end(), static_cast<size_t>(frames), "F1 K" + keys + " P0:0:0:0");
    }
    std::string path = Replay("secret", lines);
    ExpectAlong("--level Level_01 --replay " + path,
                {{2473,
                  {"\"level\":\"Level_01\"", "\"pollen\":18,\"collected\":17", "\"SFX_Collect\":17", "\"control\":true",
                   "\"endScreen\":false"}}});
    std::remove(path.c_str());
}

} // namespace
} // namespace Framework
