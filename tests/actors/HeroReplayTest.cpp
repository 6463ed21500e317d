#include "tests/TestSupport.h"

#include <map>
#include <sstream>
#include <string>

using namespace Framework;

namespace
{
// The dump of a headless run of the hero level driven by a hand-written replay: the world line under "world",
// each object's line under its key.
std::map<std::string, std::string> RunHeroLevel(const std::string& replay, int frames)
{
    RunResult run = RunGame("--headless --fixed-step --resources " + SourcePath("tests/data/hero") +
                            " --level Level_Hero --replay " + SourcePath("tests/data/hero/Replays/" + replay) +
                            " --frames " + std::to_string(frames) + " --dump-state");
    EXPECT_EQ(run.Status, 0);
    std::map<std::string, std::string> lines;
    std::istringstream text(run.Output);
    for (std::string line; std::getline(text, line);)
    {
        size_t key = line.find("{\"key\":\"");
        if (line.rfind("{\"world\":", 0) == 0)
        {
            lines["world"] = line;
        }
        else if (key == 0)
        {
            lines[line.substr(8, line.find('"', 8) - 8)] = line;
        }
    }
    return lines;
}

// The number after the first occurrence of the field (a path of nested names like "camera\":{\"x").
float Number(const std::string& line, const std::string& field)
{
    size_t at = line.find("\"" + field + "\":");
    EXPECT_NE(at, std::string::npos) << field << " in " << line;
    return at == std::string::npos ? 0.0f : std::stof(line.substr(at + field.size() + 3));
}

std::string Text(const std::string& line, const std::string& field)
{
    size_t at = line.find("\"" + field + "\":\"");
    if (at == std::string::npos)
    {
        return "";
    }
    size_t start = at + field.size() + 4;
    return line.substr(start, line.find('"', start) - start);
}
} // namespace

// Holding right runs the hero at 240 units per second (about 4 units a frame); the display keeps its place on
// screen (to rounding, as it moves with every camera step) while the camera follows the hero over 1,000 units.
TEST(HeroReplay, HoldingRightRunsTheHeroWithTheDisplayOnScreen)
{
    std::map<std::string, std::string> early = RunHeroLevel("RunRight.rec", 61);
    std::map<std::string, std::string> late = RunHeroLevel("RunRight.rec", 300);
    for (auto* run : {&early, &late})
    {
        const std::string& world = (*run)["world"];
        EXPECT_NE(world.find("\"hero\":{\"state\":3,\"control\":true}"), std::string::npos) << world;
        EXPECT_EQ(Text((*run)["Kibbet"], "animation"), "moveRight");
        float cameraX = Number(world, "camera\":{\"x");
        float cameraY = Number(world.substr(world.find("\"camera\"")), "y");
        EXPECT_NEAR(Number((*run)["HUD_Head_1"], "x"), cameraX - 600.0f, 0.01f);
        EXPECT_NEAR(Number((*run)["HUD_Head_1"], "y"), cameraY + 320.0f, 0.01f);
        EXPECT_NEAR(Number((*run)["HUD_Bar_7"], "x"), cameraX - 450.0f, 0.01f);
        EXPECT_NEAR(Number((*run)["HUD_RightNumber_2"], "x"), cameraX + 590.0f, 0.01f);
    }
    float x61 = Number(early["Kibbet"], "x");
    float x300 = Number(late["Kibbet"], "x");
    EXPECT_NEAR((x300 - x61) / 239.0f, 4.08f, 0.05f);
    EXPECT_GT(x300, 1000.0f);
    EXPECT_EQ(Number(late["Kibbet"], "y"), -168.0f) << "it stays on the ground";
    EXPECT_NE(late["world"].find("\"lives\":3,\"pollen\":12,\"collected\":0"), std::string::npos);

    // The mover (behaviour 1, initial velocity 50) moves right at 50 units per second near the view: the level
    // starts at the end of frame 1, the behaviour first writes the velocity in frame 2 and it moves from frame 3.
    EXPECT_NE(early["Mover"].find("\"behavior\":1,\"action\":0"), std::string::npos);
    EXPECT_NEAR(Number(early["Mover"], "x"), -300.0f + 50.0f * 59 * 0.017f, 0.5f);
}

TEST(HeroReplay, SpaceJumpsAndARollEmptiesTheMeterUntilItRefills)
{
    std::map<std::string, std::string> jump = RunHeroLevel("Jump.rec", 7);
    const std::string& hero = jump["Kibbet"];
    EXPECT_EQ(Number(hero.substr(hero.find("\"velocity\"")), "y"), 400.0f) << hero;
    EXPECT_NE(jump["world"].find("\"hero\":{\"state\":1"), std::string::npos);

    struct Moment
    {
        int Frames;
        const char* Bars;
        int HeroState;
    };
    for (Moment m : {Moment{102, "empty", 5}, Moment{180, "default", 0}})
    {
        std::map<std::string, std::string> roll = RunHeroLevel("Roll.rec", m.Frames);
        EXPECT_NE(roll["world"].find("\"hero\":{\"state\":" + std::to_string(m.HeroState)), std::string::npos)
            << m.Frames;
        for (int n = 1; n <= 7; ++n)
        {
            EXPECT_EQ(Text(roll["HUD_Bar_" + std::to_string(n)], "animation"), m.Bars) << m.Frames << " bar " << n;
        }
    }
}
