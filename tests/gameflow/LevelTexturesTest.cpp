#include "tests/TestSupport.h"

#include "gameflow/LevelTextures.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

using namespace Framework;

namespace
{
// The layers drawn along a replay of the level while it is the level on show and its closing scene has not
// begun (the closing scene's words are decoded while the bear falls).
std::set<int> DrawnAlong(const std::string& level, const std::filesystem::path& replay)
{
    std::ifstream in(replay);
    const auto frames = std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n');
    RunResult run = RunGame("--headless --fixed-step --seed 1 --level " + level + " --replay " + replay.string() +
                            " --frames " + std::to_string(frames) + " --dump-every 20");
    EXPECT_EQ(run.Status, 0) << level;
    static const std::regex drawLayer(R"re("layer":(\d+))re");
    std::set<int> drawn;
    std::istringstream lines(run.Output);
    for (std::string line; std::getline(lines, line);)
    {
        if (line.rfind("{\"world\"", 0) != 0 || line.find("\"level\":\"" + level + "\"") == std::string::npos ||
            line.find("\"bossOutro\":true") != std::string::npos)
        {
            continue;
        }
        const std::string draws = line.substr(line.find("\"draws\""), line.find("\"timer\"") - line.find("\"draws\""));
        for (std::sregex_iterator it(draws.begin(), draws.end(), drawLayer), end; it != end; ++it)
        {
            drawn.insert(std::stoi((*it)[1]));
        }
    }
    return drawn;
}
} // namespace

// What a level keeps is read from its file before it starts; a layer it draws but does not name would be
// decoded while the player waits. Along every shipped level's replay, each layer drawn is one it keeps.
TEST(LevelTexturesTest, EveryLayerDrawnAlongAShippedLevelsReplayIsOneItKeeps)
{
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(SourcePath("tests/replays")))
    {
        const std::string level = entry.path().stem().string();
        if (level == "Campaign")
        {
            continue;
        }
        SCOPED_TRACE(level);
        Core core;
        StartEngine(core, SourcePath("Resources"), level, true, false);
        const std::set<int> kept = LevelTextureLayers(level);
        core.DestroySystems();
        CORE = nullptr;
        const std::set<int> drawn = DrawnAlong(level, entry.path());
        EXPECT_GT(drawn.size(), 3u);
        for (int layer : drawn)
        {
            EXPECT_EQ(kept.count(layer), 1u) << "layer " << layer << " is drawn but not kept";
        }
    }
}
