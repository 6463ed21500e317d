#include "tests/TestSupport.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>

using namespace Framework;

namespace
{
// The marsh fixture (tests/data/marsh): flat ground with its top at y 34 from the start walk at x -100, a frog
// placed at (-700, 72) leaping right between reverse volumes, a dragonfly hovering at (800, 330), a hive at x 1400
// and a crumbling ledge at (1920, 20) over a pit with a death volume below it.
constexpr int DumpEvery = 10;

// The dumps of one run, every tenth frame: the world line and each object's line by key.
struct Dumps
{
    std::map<int, std::string> World;
    std::map<int, std::map<std::string, std::string>> Objects;
};

const Dumps& Play(const std::string& replay, int frames)
{
    static std::map<std::string, Dumps> runs;
    auto found = runs.find(replay);
    if (found != runs.end())
    {
        return found->second;
    }
    RunResult result = RunGame("--headless --fixed-step --seed 1 --resources " + SourcePath("tests/data/marsh") +
                               " --level Level_Marsh --replay " + SourcePath("tests/data/marsh/Replays/" + replay) +
                               " --frames " + std::to_string(frames) + " --dump-every " + std::to_string(DumpEvery));
    EXPECT_EQ(result.Status, 0) << replay;
    Dumps& run = runs[replay];
    static const std::regex frameField(R"re("frame":(\d+))re");
    static const std::regex keyField(R"re(^\{"key":"([^"]*)")re");
    int frame = 0;
    std::istringstream lines(result.Output);
    for (std::string line; std::getline(lines, line);)
    {
        std::smatch match;
        if (line.rfind("{\"world\"", 0) == 0 && std::regex_search(line, match, frameField))
        {
            frame = std::stoi(match[1]);
            run.World[frame] = line;
        }
        else if (std::regex_search(line, match, keyField))
        {
            run.Objects[frame][match[1]] = line;
        }
    }
    return run;
}

// The number a dump line gives a field ("name":N), or NaN when the line lacks it.
double Number(const std::string& line, const std::string& name)
{
    std::smatch match;
    const std::regex field("\"" + name + R"re(":(-?[0-9.eE+-]+))re");
    return std::regex_search(line, match, field) ? std::atof(match[1].str().c_str()) : std::nan("");
}

// One moment of a replay: the object's field (or, with the key "world", the world line's) and its value.
struct Moment
{
    const char* Replay;
    int Frames;
    int Frame;
    const char* Key;
    const char* Field;
    double Value;
    const char* Why;
};

// Actions: frog 0 sit, 1 croak, 2 leap; dragonfly 0 hover, 1 shiver, 2 dive, 3 climb; ledge 0 whole, 1 shake,
// 2 fall, 3 gone. Behaviour 8 is the tumble of a knocked enemy; the frog is 9, the dragonfly 10, the ledge 11.
const Moment kMoments[] = {
    {"Idle.rec", 170, 60, "Frog", "action", 1, "the frog croaks before it leaps"},
    {"Idle.rec", 170, 60, "world", "SFX_Frog_Croak", 1, "with one croak"},
    {"Idle.rec", 170, 120, "Frog", "y", 182, "halfway through its leap it is its leap height above its ground"},
    {"Idle.rec", 170, 160, "Frog", "x", -480, "it lands one leap length on"},
    {"Idle.rec", 170, 160, "Frog", "y", 72, "at the height it left from"},
    {"Idle.rec", 170, 160, "Frog", "action", 0, "and sits again"},
    {"RollFrog.rec", 350, 150, "Frog", "behavior", 8, "the rolling hero knocks the frog tumbling"},
    {"RollFrog.rec", 350, 180, "Frog", "behavior", 9, "it takes up its cycle again"},
    {"RollFrog.rec", 350, 180, "Frog", "y", 72, "back on its ground"},
    {"RollFrog.rec", 350, 180, "world", "lives", 3, "the hero is unhurt"},
    {"RollFrog.rec", 350, 240, "world", "lives", 2, "walking into the frog kills the hero"},
    {"RollFrog.rec", 350, 300, "Frog", "x", -700, "once the hero is back the frog starts again from its place"},
    {"RollFrog.rec", 350, 300, "Frog", "action", 0, "sitting"},
    {"Dragonfly.rec", 410, 160, "Dragonfly", "action", 1, "the hero below it: the dragonfly shivers"},
    {"Dragonfly.rec", 410, 160, "world", "SFX_Dragonfly_Buzz", 1, "with a buzz"},
    {"Dragonfly.rec", 410, 200, "Dragonfly", "action", 2, "then dives at the hero"},
    {"Dragonfly.rec", 410, 210, "Dragonfly", "behavior", 8, "the rolling hero knocks it tumbling"},
    {"Dragonfly.rec", 410, 250, "Dragonfly", "action", 3, "and it climbs home instead of diving on"},
    {"Dragonfly.rec", 410, 340, "world", "lives", 2, "its next dive kills the hero standing below"},
    {"Dragonfly.rec", 410, 400, "Dragonfly", "x", 800, "once the hero is back it hovers at its place"},
    {"Dragonfly.rec", 410, 400, "Dragonfly", "action", 0, "hovering"},
    {"Walk.rec", 640, 240, "world", "lives", 3, "a running hero is past before the dive arrives"},
    {"Walk.rec", 640, 240, "Dragonfly", "action", 3, "and the dragonfly climbs back"},
    {"Walk.rec", 640, 470, "Ledge", "action", 1, "the hero on the ledge: it shakes"},
    {"Walk.rec", 640, 470, "world", "SFX_Ledge_Crumble", 1, "with a crackle"},
    {"Walk.rec", 640, 510, "Ledge", "action", 2, "then falls away"},
    {"Walk.rec", 640, 510, "Ledge", "y", -19.8, "dropping below its place"},
    {"Walk.rec", 640, 540, "world", "lives", 2, "the hero falls with it into the pit"},
    {"Walk.rec", 640, 600, "Ledge", "action", 0, "back at the hive, the ledge is whole again"},
    {"Walk.rec", 640, 600, "Ledge", "y", 20, "at its place"},
    {"Walk.rec", 640, 600, "Dragonfly", "x", 800, "the dragonfly is back at its place"},
    {"Ledge.rec", 700, 530, "Ledge", "action", 3, "the hero flies off the falling ledge: it is gone"},
    {"Ledge.rec", 700, 530, "world", "lives", 3, "and the hero safe beyond the pit"},
    {"Ledge.rec", 700, 680, "Ledge", "action", 0, "about three seconds after its fall it is back"},
    {"Ledge.rec", 700, 680, "Ledge", "y", 20, "at its place"},
};

} // namespace

// Each moment names the frame of its replay (played once, dumped every tenth frame) where the dump must show it.
TEST(MarshKinds, FrogDragonflyAndLedgeShowTheirCyclesInTheDump)
{
    for (const Moment& moment : kMoments)
    {
        SCOPED_TRACE(std::string(moment.Replay) + " frame " + std::to_string(moment.Frame) + ": " + moment.Why);
        const Dumps& run = Play(moment.Replay, moment.Frames);
        const bool world = std::string(moment.Key) == "world";
        const auto objects = run.Objects.find(moment.Frame);
        std::string line;
        if (world && run.World.count(moment.Frame) != 0)
        {
            line = run.World.at(moment.Frame);
        }
        else if (!world && objects != run.Objects.end() && objects->second.count(moment.Key) != 0)
        {
            line = objects->second.at(moment.Key);
        }
        ASSERT_FALSE(line.empty()) << "no dump of " << moment.Key;
        EXPECT_NEAR(Number(line, moment.Field), moment.Value, 0.5) << moment.Field << " in " << line;
    }
}
