#include "tests/TestSupport.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

using namespace Framework;

namespace
{
// One run of the game through a replay; the dump's world line and the line of each object by key.
struct Dump
{
    std::string World;
    std::map<std::string, std::string> Objects;
};

Dump RunReplay(const std::string& resources, const std::string& level, const std::string& replay, int frames)
{
    RunResult run =
        RunGame("--headless --fixed-step --resources " + SourcePath(resources) + " --level " + level + " --replay " +
                SourcePath(replay) + " --frames " + std::to_string(frames) + " --dump-state");
    EXPECT_EQ(run.Status, 0);
    Dump dump;
    std::istringstream lines(run.Output);
    static const std::regex key(R"re(^\{"key":"([^"]*)")re");
    for (std::string text; std::getline(lines, text);)
    {
        std::smatch match;
        if (text.rfind("{\"world\"", 0) == 0)
        {
            dump.World = text;
        }
        else if (std::regex_search(text, match, key))
        {
            dump.Objects[match[1]] = text;
        }
    }
    return dump;
}

// The text of a field ("name":value) in a dump line, or empty.
std::string Field(const std::string& line, const std::string& name)
{
    std::smatch match;
    std::regex field("\"" + name + R"re(":([^,}]*))re");
    return std::regex_search(line, match, field) ? match[1].str() : std::string();
}

Dump Enemies(const std::string& replay, int frames)
{
    return RunReplay("tests/data/enemies", "Level_Enemies", "tests/data/enemies/Replays/" + replay, frames);
}
} // namespace

// The hero walks right until it stands under the wasp's patrol, then waits.
TEST(EnemyReplay, TheWaspTurnsOnTheHeroThatComesNearWithOneAngryBuzz)
{
    Dump before = Enemies("WalkIn.rec", 150);
    EXPECT_EQ(Field(before.Objects["Wasp"], "action"), "2");
    Dump after = Enemies("WalkIn.rec", 170);
    EXPECT_EQ(Field(after.Objects["Wasp"], "action"), "5");
    EXPECT_NE(after.World.find("\"SFX_Wasp_Angry\":1"), std::string::npos) << after.World;
}

// The same walk, then the hero rolls into the wasp as it dives at it (frame 217 is the hit).
TEST(EnemyReplay, ARollingHeroKnocksTheWaspSpinningForFourTenthsOfASecond)
{
    const struct
    {
        int Frame;
        const char* Behavior;
        bool Spinning;
    } cases[] = {{216, "3", false}, {217, "8", true}, {239, "8", true}, {240, "3", false}};
    for (const auto& c : cases)
    {
        Dump dump = Enemies("Roll.rec", c.Frame);
        const std::string& wasp = dump.Objects["Wasp"];
        EXPECT_EQ(Field(wasp, "behavior"), c.Behavior) << "frame " << c.Frame;
        EXPECT_EQ(Field(wasp, "rotation") != "0", c.Spinning) << "frame " << c.Frame << ": " << wasp;
    }
}

// The replay climbs the ledges to the bridge over the arena, drops onto the east ledge to lure the bear into the
// trap under it, crosses back to the west ledge to lure it into the other trap, waits there while its patrol
// springs the reopened east trap, then takes the bridge to the exit, watches the closing scene and presses a key.
TEST(EnemyReplay, TheBossLevelIsFinishedByItsReplayAndReturnsToTheMenu)
{
    const std::string replay = "tests/replays/Level_Bear.txt";
    Dump first = RunReplay("Resources", "Level_Bear", replay, 1060);
    EXPECT_EQ(Field(first.Objects["Trap_2"], "animation"), "\"close\"") << "the bear charged into the east trap";
    EXPECT_EQ(Field(first.Objects["Bear"], "action"), "17") << "and runs home hurt";
    EXPECT_EQ(Field(first.Objects["1Blocker"], "y"), "400");
    EXPECT_NE(first.World.find("\"camera\":{\"x\":2780,\"y\":352}"), std::string::npos)
        << "the view holds the arena between the blockers, floor to bridge: " << first.World;

    Dump second = RunReplay("Resources", "Level_Bear", replay, 1660);
    EXPECT_EQ(Field(second.Objects["Trap_1"], "animation"), "\"close\"") << "then into the west trap";

    Dump beaten = RunReplay("Resources", "Level_Bear", replay, 2200);
    EXPECT_EQ(beaten.Objects.count("Bear"), 0u);
    EXPECT_EQ(beaten.Objects.count("1Blocker") + beaten.Objects.count("2Blocker"), 0u);
    EXPECT_EQ(Field(beaten.World, "lives"), "3");
    // The view jumped back to the hero when the arena opened; the HUD and the sky jumped with it.
    std::smatch camera;
    ASSERT_TRUE(std::regex_search(beaten.World, camera, std::regex(R"re("camera":\{"x":([-0-9.e]+))re")));
    const float cameraX = std::stof(camera[1].str());
    EXPECT_NEAR(std::stof(Field(beaten.Objects["HUD_Head_1"], "x")), cameraX - 600.0f, 0.01f);
    EXPECT_NEAR(std::stof(Field(beaten.Objects["Sky"], "x")), cameraX, 0.01f);

    Dump outro = RunReplay("Resources", "Level_Bear", replay, 2870);
    EXPECT_EQ(Field(outro.World, "bossOutro"), "true");
    EXPECT_EQ(Field(outro.Objects["Kibbet"], "x"), "4890");
    EXPECT_EQ(Field(outro.Objects["1ChildBear"], "action"), "20");
    // "YOU WIN!" stands in the middle of the view.
    ASSERT_TRUE(std::regex_search(outro.World, camera, std::regex(R"re("camera":\{"x":([-0-9.e]+))re")));
    const auto banner = std::find_if(outro.Objects.begin(), outro.Objects.end(),
                                     [](const auto& object) { return Field(object.second, "name") == "\"You_Win\""; });
    ASSERT_NE(banner, outro.Objects.end());
    EXPECT_NEAR(std::stof(Field(banner->second, "x")), std::stof(camera[1].str()), 1.0f);

    Dump end = RunReplay("Resources", "Level_Bear", replay, 2902);
    EXPECT_EQ(Field(end.World, "level"), "\"Level_00_Menu\"");
}

// A player who walks up to the bear and then lets go of every key does not win: a minute after the introduction
// the bear still patrols, no trap has caught it and the arena stays shut.
TEST(EnemyReplay, TheBearIsNotBeatenByStandingStill)
{
    std::ifstream shipped(SourcePath("tests/replays/Level_Bear.txt"));
    const std::string path = ::testing::TempDir() + "kibbet_bear_idle_" + std::to_string(::getpid()) + ".txt";
    std::ofstream idle(path);
    std::string line;
    for (int i = 0; i <= 680 && std::getline(shipped, line); ++i)
    {
        idle << line << "\n"; // the header and the route up to the introduction
    }
    idle.close();
    const int introductionEnd = 738;
    const int minute = 3530; // 60 s of 17 ms frames
    RunResult run = RunGame("--headless --fixed-step --level Level_Bear --replay " + path + " --frames " +
                            std::to_string(introductionEnd + minute) + " --dump-state");
    std::remove(path.c_str());
    EXPECT_EQ(run.Status, 0);
    static const std::regex bear(R"re(\{"key":"Bear".*"action":(-?[0-9]+))re");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(run.Output, match, bear)) << "the bear is gone";
    EXPECT_LE(std::stoi(match[1].str()), 12) << "patrolling or attacking, never caught: " << match[0];
    EXPECT_NE(run.Output.find("\"key\":\"2Blocker\""), std::string::npos);
}
