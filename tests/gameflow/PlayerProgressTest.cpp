// The saved progress through the binary, with --profile in a temporary folder: a finished level is kept and the
// menu continues from the next one, an unreadable file is kept aside, a killed run never leaves a broken file,
// only a faster finish replaces the ghost, and a time trial draws the ghost along the recorded path.
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace Framework
{
namespace
{
namespace fs = std::filesystem;

const std::string kIdle = "F1 K- P0:0:0:0";
// The frame by which tests/replays/Level_01.txt has finished its level and the tally is up.
constexpr int kLevelOneDone = 2420;

// A fresh profile folder for one test.
std::string Profile(const std::string& name)
{
    fs::path folder = fs::path(::testing::TempDir()) / ("kibbet_profile_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

std::string Game(const std::string& profile, const std::string& args, int frames, const std::string& dump)
{
    return "--headless --fixed-step --seed 1 --resources " + SourcePath("Resources") + " --profile " + profile + " " +
           args + " --frames " + std::to_string(frames) + " " + dump;
}

std::string World(const std::string& output)
{
    return output.substr(0, output.find('\n'));
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteAll(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

// A replay of these lines in the profile folder.
std::string Replay(const std::string& profile, const std::vector<std::string>& lines)
{
    std::string path = profile + "/input.txt";
    std::ofstream out(path);
    out << "kibbet-input 1\n";
    for (const std::string& line : lines)
    {
        out << line << "\n";
    }
    return path;
}

// The splash skipped, the menu up, then the given key presses three frames apart, then idle.
std::vector<std::string> MenuKeys(const std::vector<std::string>& keys)
{
    std::vector<std::string> lines = {kIdle, kIdle, kIdle, "F1 K20 P0:0:0:0", kIdle, kIdle, kIdle, kIdle, kIdle};
    for (const std::string& key : keys)
    {
        lines.insert(lines.end(), {kIdle, kIdle, "F1 K" + key + " P0:0:0:0"});
    }
    lines.insert(lines.end(), 40, kIdle);
    return lines;
}

// The number after "key": in a dump line, or NaN.
double NumberAfter(const std::string& line, const std::string& key)
{
    size_t at = line.find(key);
    return at == std::string::npos ? std::nan("") : std::strtod(line.c_str() + at + key.size(), nullptr);
}

// Finishes Level_01 by its replay in the profile.
void FinishLevelOne(const std::string& profile)
{
    RunGame(Game(profile, "--level Level_01 --replay " + SourcePath("tests/replays/Level_01.txt"), kLevelOneDone, ""));
}
} // namespace

TEST(PlayerProgress, AFinishedLevelIsKeptAndTheMenuContinuesWithTheNext)
{
    const std::string profile = Profile("continue");
    std::string done =
        World(RunGame(Game(profile, "--level Level_01 --replay " + SourcePath("tests/replays/Level_01.txt"),
                           kLevelOneDone, "--dump-state"))
                  .Output);
    EXPECT_TRUE(Has(done, "\"progress\":{\"reached\":[\"Level_01\",\"Level_02\"],\"finished\":[\"Level_01\"]}"))
        << done;
    EXPECT_TRUE(Has(ReadAll(profile + "/progress"), "finished Level_01 "));

    // The second run: "Continue" is the first item and selected; choosing it starts Level_02.
    std::string menu = RunGame(Game(profile, "--replay " + Replay(profile, MenuKeys({})), 14, "--dump-state")).Output;
    EXPECT_TRUE(Has(World(menu), "\"menu\":{\"screen\":0,\"selected\":0}")) << World(menu);
    EXPECT_TRUE(Has(menu, "\"key\":\"Continue\"")) << "no Continue item";
    EXPECT_TRUE(Has(menu, "\"key\":\"Levels\"")) << "no Levels item";
    std::string started =
        World(RunGame(Game(profile, "--replay " + Replay(profile, MenuKeys({"0D"})), 30, "--dump-state")).Output);
    EXPECT_TRUE(Has(started, "\"level\":\"Level_02\"")) << started;

    // Without progress the menu is as it always was.
    const std::string fresh = Profile("fresh");
    std::string plain = RunGame(Game(fresh, "--replay " + Replay(fresh, MenuKeys({})), 14, "--dump-state")).Output;
    EXPECT_FALSE(Has(plain, "\"key\":\"Continue\""));
    EXPECT_TRUE(Has(World(plain), "\"progress\":{\"reached\":[],\"finished\":[]}")) << World(plain);
}

TEST(PlayerProgress, AnUnreadableFileIsKeptAsideAndTheGameStarts)
{
    const std::map<std::string, std::string> files = {
        {"garbage", "\x01\x02 not a progress file\n"},
        {"newer", "kibbet-progress 2\nreached Level_01\nend\n"},
        {"cut short", "kibbet-progress 1\nreached Level_01\nreached Lev"},
        {"bad line", "kibbet-progress 1\nfinished Level_01 fast\nend\n"},
    };
    for (const auto& [kind, text] : files)
    {
        const std::string profile = Profile("broken");
        WriteAll(profile + "/progress", text);
        RunResult run = RunCommand(std::string(KIBBET_BINARY) + " " + Game(profile, "", 5, "--dump-state") + " 2>&1");
        EXPECT_EQ(run.Status, 0) << kind;
        EXPECT_TRUE(Has(run.Output, profile + "/progress cannot be read")) << kind << ": " << run.Output;
        EXPECT_TRUE(Has(run.Output, "kept as " + profile + "/progress.broken-1")) << kind << ": " << run.Output;
        EXPECT_EQ(ReadAll(profile + "/progress.broken-1"), text) << kind;
        EXPECT_TRUE(Has(run.Output, "\"progress\":{\"reached\":[],\"finished\":[]}")) << kind;
    }
}

TEST(PlayerProgress, ARunKilledWhileWritingLeavesAReadableFile)
{
    const std::string profile = Profile("killed");
    // Kills land at different moments of a run that writes at its start and at the finish.
    for (const char* after : {"0.05", "0.2", "0.4", "0.8", "1.2"})
    {
        fs::remove(profile + "/progress");
        RunCommand(
            "timeout -s KILL " + std::string(after) + " " + KIBBET_BINARY + " " +
            Game(profile, "--level Level_01 --replay " + SourcePath("tests/replays/Level_01.txt"), kLevelOneDone, "") +
            " >/dev/null 2>&1");
        std::string world = World(RunGame(Game(profile, "", 3, "--dump-state")).Output);
        EXPECT_FALSE(fs::exists(profile + "/progress.broken-1")) << "killed after " << after << " s";
        EXPECT_TRUE(Has(world, "\"progress\":{\"reached\":[")) << world;
    }
}

TEST(PlayerProgress, OnlyAFasterFinishReplacesTheGhost)
{
    const std::string profile = Profile("ghost");
    const std::string ghost = profile + "/ghosts/Level_01.ghost";
    fs::create_directories(profile + "/ghosts");
    // A best time no run can beat: the finish keeps it and its ghost.
    WriteAll(profile + "/progress", "kibbet-progress 1\nreached Level_01\nfinished Level_01 10000 13 13\nend\n");
    WriteAll(ghost, "kibbet-ghost 1 68 1\ndefault \n0 0 0 0\nend\n");
    FinishLevelOne(profile);
    EXPECT_TRUE(Has(ReadAll(profile + "/progress"), "finished Level_01 10000 "));
    EXPECT_EQ(ReadAll(ghost), "kibbet-ghost 1 68 1\ndefault \n0 0 0 0\nend\n");
    // A slower best: the finish replaces it and writes the run.
    WriteAll(profile + "/progress", "kibbet-progress 1\nreached Level_01\nfinished Level_01 99000 13 13\nend\n");
    FinishLevelOne(profile);
    EXPECT_FALSE(Has(ReadAll(profile + "/progress"), "finished Level_01 99000"));
    std::string run = ReadAll(ghost);
    EXPECT_GT(run.size(), 1000u);
    EXPECT_LT(run.size(), 16000u) << "a ghost should stay small";
}

TEST(PlayerProgress, ATimeTrialDrawsTheGhostAlongTheRecordedPath)
{
    const std::string profile = Profile("trial");
    // The recorded run: the hero's position at each game time.
    std::map<long, double> heroAt;
    std::istringstream first(
        RunGame(Game(profile, "--level Level_01 --replay " + SourcePath("tests/replays/Level_01.txt"), kLevelOneDone,
                     "--dump-every 1"))
            .Output);
    for (std::string world, hero; std::getline(first, world);)
    {
        if (Has(world, "{\"world\":") && Has(world, "\"level\":\"Level_01\""))
        {
            while (std::getline(first, hero) && !Has(hero, "\"key\":\"Kibbet\""))
            {
            }
            heroAt[std::lround(NumberAfter(world, "\"timer\":") * 1000.0)] = NumberAfter(hero, "\"x\":");
        }
    }
    ASSERT_GT(heroAt.size(), 1000u);
    // The level list's first row starts Level_01 as a time trial; the player stands still, the ghost runs.
    std::istringstream trial(
        RunGame(Game(profile, "--replay " + Replay(profile, MenuKeys({"28", "0D", "0D"})), 700, "--dump-every 50"))
            .Output);
    int compared = 0;
    double firstX = 0.0;
    double farthestX = -1e9;
    for (std::string world; std::getline(trial, world);)
    {
        if (!Has(world, "\"ghost\":{"))
        {
            continue;
        }
        EXPECT_TRUE(Has(world, "\"level\":\"Level_01\"")) << world;
        double ghostX = NumberAfter(world, "\"ghost\":{\"x\":");
        auto recorded = heroAt.find(std::lround(NumberAfter(world, "\"timer\":") * 1000.0));
        ASSERT_NE(recorded, heroAt.end()) << world;
        EXPECT_NEAR(ghostX, recorded->second, 8.0) << world;
        firstX = compared == 0 ? ghostX : firstX;
        farthestX = std::max(farthestX, ghostX);
        ++compared;
    }
    EXPECT_GE(compared, 10);
    EXPECT_GT(farthestX, firstX + 300.0) << "the ghost should have run on along the level";
}

} // namespace Framework
