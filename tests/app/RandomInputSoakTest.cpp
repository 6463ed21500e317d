// Seeded random input through the program, for every level file: the binary must exit cleanly (under the
// sanitizers in the asan build), no number in any sampled state dump may be NaN or infinite (the dump writes
// those as null), and the live objects must stay within a bound set from the level's start count.
//
// KIBBET_SOAK_FRAMES (default 5000) and KIBBET_SOAK_SEED (default 1) change the size and the input; scripts/soak
// sets them for long local runs. The input is played as a replay file, so a failure keeps that file and prints
// the command that plays it again.
#include "input/Input.h"
#include "platform/InputRecording.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <unistd.h>

namespace Framework
{
namespace
{
// Frames between two sampled dumps.
constexpr uint64_t kSamplePeriod = 10;
// The live objects may grow by half the level's start count and this many more (menus, texts, spawned water).
constexpr size_t kObjectHeadroom = 50;

uint64_t EnvNumber(const char* name, uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

std::vector<std::string> LevelFiles()
{
    std::vector<std::string> levels;
    for (const auto& entry : std::filesystem::directory_iterator(SourcePath("Resources/Data/Levels")))
    {
        // Text levels and Tiled maps alike; a name with both files is one level.
        const std::string extension = entry.path().extension().string();
        if (extension == ".json" || extension == ".tmx" || extension == ".tmj")
        {
            levels.push_back(entry.path().stem().string());
        }
    }
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    return levels;
}

// Writes the input of a soak: runs of held and tapped keys that make the hero travel (mostly right), jump, fly,
// roll and stand; the controller's buttons and stick; visits to the pause menu; focus lost for a while; short
// bursts of noise. F12 is left out: it writes a picture into the player's folder.
class InputScript
{
public:
    InputScript(uint64_t seed, const std::string& level) : m_Random(static_cast<uint32_t>(seed))
    {
        for (char c : level)
        {
            m_Random.seed(m_Random() ^ static_cast<uint32_t>(c));
        }
    }

    std::vector<std::string> Make(uint64_t frames)
    {
        while (m_Lines.size() < frames)
        {
            Segment();
        }
        m_Lines.resize(frames);
        return m_Lines;
    }

private:
    enum Key : int
    {
        Control = 0x11,
        Enter = 0x0D,
        Escape = 0x1B,
        Space = 0x20,
        Left = 0x25,
        Up = 0x26,
        Right = 0x27,
        Down = 0x28,
        F3 = 0x72,
    };

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_Random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_Random); }
    template <typename T> T Pick(std::initializer_list<T> list) { return list.begin()[Between(0, list.size() - 1)]; }

    void Emit(std::set<int> keys, PadState pad, bool focus = true)
    {
        InputFrame frame;
        frame.Focus = focus;
        frame.KeysDown.assign(keys.begin(), keys.end());
        frame.Pad = pad;
        frame.Pad.Connected = m_PadConnected;
        if (!m_PadConnected)
        {
            frame.Pad = PadState{};
        }
        m_Lines.push_back(FormatInputFrame(frame));
    }

    void Idle(int frames)
    {
        for (int i = 0; i < frames; ++i)
        {
            Emit({}, {});
        }
    }

    // Runs one way with jumps, flights and rolls thrown in, on the keyboard or the controller.
    void Travel()
    {
        bool right = Chance(0.75);
        bool onPad = m_PadConnected && Chance(0.4);
        int key = right ? Pick({int(Right), int('D')}) : Pick({int(Left), int('A')});
        int jumpKey = Pick({int(Space), int('W'), int(Up)});
        int rollKey = Pick({int(Control), int('M'), int('S')});
        int16_t stick = static_cast<int16_t>((right ? 1 : -1) * Between(9000, 32767));
        bool useStick = Chance(0.5);
        int jumpLeft = 0, rollLeft = 0;
        for (int frames = Between(20, 240); frames > 0; --frames)
        {
            if (jumpLeft == 0 && rollLeft == 0 && Chance(0.04))
            {
                jumpLeft = Chance(0.5) ? Between(1, 6) : Between(20, 90);
            }
            else if (jumpLeft == 0 && rollLeft == 0 && Chance(0.02))
            {
                rollLeft = Between(1, 4);
            }
            std::set<int> keys;
            PadState pad;
            if (onPad)
            {
                pad.ThumbLX = useStick ? stick : 0;
                pad.Buttons = static_cast<uint16_t>((useStick ? 0 : (right ? PadRight : PadLeft)) |
                                                    (jumpLeft > 0 ? PadA : 0) | (rollLeft > 0 ? PadX : 0));
            }
            else
            {
                keys.insert(key);
                if (jumpLeft > 0)
                {
                    keys.insert(jumpKey);
                }
                if (rollLeft > 0)
                {
                    keys.insert(rollKey);
                }
            }
            jumpLeft = std::max(0, jumpLeft - 1);
            rollLeft = std::max(0, rollLeft - 1);
            Emit(keys, pad);
        }
    }

    // Jumps or flies on the spot.
    void Hover()
    {
        int jumpKey = Pick({int(Space), int('W'), int(Up)});
        int held = Between(1, 120);
        for (int i = 0; i < held; ++i)
        {
            Emit({jumpKey}, {});
        }
    }

    // Opens the pause menu (or moves in the main menu), steps and selects a few times, and closes it again.
    void Menu()
    {
        Tap({Pick({int(Escape), int(Escape), int(Enter)})}, {});
        for (int steps = Between(2, 8); steps > 0; --steps)
        {
            Idle(Between(3, 30));
            if (m_PadConnected && Chance(0.3))
            {
                PadState pad;
                pad.Buttons = static_cast<uint16_t>(Pick<int>({PadUp, PadDown, PadA, PadB, PadBack}));
                Tap({}, pad);
            }
            else
            {
                Tap({Pick({int(Up), int(Down), int('W'), int('S'), int(Enter), int(Space), int(Escape)})}, {});
            }
        }
        Idle(Between(3, 30));
        Tap({Escape}, {});
    }

    // Keys held while the window has lost the focus, then given back.
    void Unfocused()
    {
        std::set<int> keys;
        if (Chance(0.5))
        {
            keys = {Right, Space};
        }
        for (int frames = Between(5, 150); frames > 0; --frames)
        {
            Emit(keys, {}, false);
        }
    }

    // A burst of frames with any keys, buttons and stick, each frame drawn anew.
    void Noise()
    {
        static const std::vector<int> pool = {Control, Enter, Escape, Space, Left, Up,  Right, Down, F3,   'A',  'D',
                                              'M',     'S',   'W',    'Q',   'Z',  '0', '9',   0x09, 0x10, 0x70, 0x87};
        for (int frames = Between(3, 40); frames > 0; --frames)
        {
            std::set<int> keys;
            for (int key : pool)
            {
                if (Chance(0.12))
                {
                    keys.insert(key);
                }
            }
            PadState pad;
            pad.Buttons = static_cast<uint16_t>(m_Random() & 0xF3FF);
            pad.ThumbLX = static_cast<int16_t>(Between(-32768, 32767));
            pad.ThumbLY = static_cast<int16_t>(Between(-32768, 32767));
            Emit(keys, pad);
        }
    }

    void Tap(std::set<int> keys, PadState pad)
    {
        for (int frames = Between(1, 3); frames > 0; --frames)
        {
            Emit(keys, pad);
        }
    }

    void Segment()
    {
        if (Chance(0.05))
        {
            m_PadConnected = !m_PadConnected;
        }
        int roll = Between(0, 99);
        if (roll < 45)
        {
            Travel();
        }
        else if (roll < 60)
        {
            Idle(Between(5, 90));
        }
        else if (roll < 72)
        {
            Hover();
        }
        else if (roll < 78)
        {
            Menu();
        }
        else if (roll < 84)
        {
            Unfocused();
        }
        else if (roll < 94)
        {
            Noise();
        }
        else if (roll < 97)
        {
            Tap({F3}, {});
        }
        else
        {
            Tap({Pick({int('Q'), int('Z'), int('5'), int(0x09)})}, {});
        }
    }

    std::mt19937 m_Random;
    std::vector<std::string> m_Lines;
    bool m_PadConnected = false;
};

// One sampled dump: the world line's frame and level, the live objects, and the first field written as null
// where a number belongs.
struct Sample
{
    uint64_t Frame = 0;
    std::string Level;
    size_t Objects = 0;
    std::string NullField;
    std::string HeroState;
    float CameraX = 0.0f;
};

// The text of the first field of this name after the prefix (a string without its quotes).
std::string FieldText(const std::string& line, const std::string& name, const std::string& prefix = "")
{
    size_t at = line.find(prefix + "\"" + name + "\":");
    if (at == std::string::npos)
    {
        return {};
    }
    at += prefix.size() + name.size() + 3;
    if (line[at] == '"')
    {
        return line.substr(at + 1, line.find('"', at + 1) - at - 1);
    }
    return line.substr(at, line.find_first_of(",}", at) - at);
}

// "menu", "hero", "progress" and "ghost" are null by design where there is none; every other null stands for NaN or
// infinity.
std::string FirstNullNumber(const std::string& line)
{
    for (size_t at = line.find(":null"); at != std::string::npos; at = line.find(":null", at + 1))
    {
        size_t open = line.rfind('"', at - 2);
        std::string name = line.substr(open + 1, at - open - 2);
        if (name != "menu" && name != "hero" && name != "progress" && name != "ghost")
        {
            return name;
        }
    }
    return {};
}

std::vector<Sample> ReadSamples(const std::string& output)
{
    std::vector<Sample> samples;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);)
    {
        if (line.rfind("{\"world\":", 0) == 0)
        {
            Sample sample;
            sample.Frame = std::strtoull(FieldText(line, "frame").c_str(), nullptr, 10);
            sample.Level = FieldText(line, "level");
            sample.HeroState = FieldText(line, "state", "\"hero\":{");
            sample.CameraX = std::strtof(FieldText(line, "x", "\"camera\":{").c_str(), nullptr);
            samples.push_back(sample);
        }
        else if (!samples.empty())
        {
            ++samples.back().Objects;
        }
        if (!samples.empty() && samples.back().NullField.empty())
        {
            samples.back().NullField = FirstNullNumber(line);
        }
    }
    return samples;
}

std::string Tail(const std::string& path, size_t lines)
{
    std::ifstream in(path);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);)
    {
        all.push_back(line);
    }
    std::string out;
    for (size_t i = all.size() > lines ? all.size() - lines : 0; i < all.size(); ++i)
    {
        out += all[i] + "\n";
    }
    return out;
}

class Soak : public ::testing::TestWithParam<std::string>
{
};

// What a soak run reached, printed at the end to show the input really plays the level, and the live objects
// each level started with, which bound how many it may hold.
struct SoakTally
{
    // Counts the sample in; returns the bound on the live objects of its level.
    size_t Count(const Sample& sample, const std::string& level)
    {
        StartObjects.emplace(sample.Level, sample.Objects);
        MostObjects[sample.Level] = std::max(MostObjects[sample.Level], sample.Objects);
        ++SamplesAll;
        if (sample.Level == level)
        {
            ++SamplesInLevel;
            HeroStates.insert(sample.HeroState);
            Leftmost = SamplesInLevel == 1 ? sample.CameraX : std::min(Leftmost, sample.CameraX);
            Rightmost = SamplesInLevel == 1 ? sample.CameraX : std::max(Rightmost, sample.CameraX);
        }
        return StartObjects[sample.Level] * 3 / 2 + kObjectHeadroom;
    }

    void Print(const std::string& level, uint64_t frames, uint64_t seed) const
    {
        std::cout << level << ": " << frames << " frames, seed " << seed << ", " << Restarts - 1
                  << " restarts after a Quit, " << 100 * SamplesInLevel / std::max<size_t>(SamplesAll, 1)
                  << "% in the level; hero states";
        for (const std::string& state : HeroStates)
        {
            std::cout << " " << state;
        }
        std::cout << "; camera x " << Leftmost << ".." << Rightmost << "; live objects (start/most):";
        for (const auto& [name, count] : StartObjects)
        {
            std::cout << " " << name << " " << count << "/" << MostObjects.at(name);
        }
        std::cout << "\n";
    }

    std::map<std::string, size_t> StartObjects;
    std::map<std::string, size_t> MostObjects;
    std::set<std::string> HeroStates;
    float Leftmost = 0.0f, Rightmost = 0.0f;
    size_t SamplesInLevel = 0, SamplesAll = 0;
    int Restarts = 0;
};

// A replay file of the input from the given frame on.
void WriteReplay(const std::string& path, const std::vector<std::string>& input, uint64_t from)
{
    std::ofstream out(path);
    out << "kibbet-input 1\n";
    for (uint64_t i = from; i < input.size(); ++i)
    {
        out << input[i] << "\n";
    }
}

TEST_P(Soak, RandomInputKeepsTheGameSound)
{
    const std::string level = GetParam();
    const uint64_t frames = EnvNumber("KIBBET_SOAK_FRAMES", 5000);
    const uint64_t seed = EnvNumber("KIBBET_SOAK_SEED", 1);
    const std::vector<std::string> input = InputScript(seed, level).Make(frames);
    const std::string base =
        ::testing::TempDir() + "kibbet_soak_" + level + "_" + std::to_string(seed) + "_" + std::to_string(::getpid());
    const std::string rerun = "KIBBET_SOAK_SEED=" + std::to_string(seed) +
                              " KIBBET_SOAK_FRAMES=" + std::to_string(frames) + " " +
                              std::filesystem::path(KIBBET_BINARY).parent_path().string() +
                              "/kibbet_tests --gtest_filter='*Soak*/" + level + "'";

    SoakTally tally;
    // A Quit chosen in a menu ends the program early: the level starts again and the input goes on from there.
    for (uint64_t done = 0; done < frames; ++tally.Restarts)
    {
        const std::string replay = base + "_from" + std::to_string(done) + ".txt";
        const std::string errors = base + ".err";
        WriteReplay(replay, input, done);
        const std::string args = "--headless --fixed-step --seed " + std::to_string(seed) + " --resources " +
                                 SourcePath("Resources") + " --level " + level + " --replay " + replay;
        RunResult run =
            RunCommand(std::string(KIBBET_BINARY) + " " + args + " --frames " + std::to_string(frames - done) +
                       " --dump-every " + std::to_string(kSamplePeriod) + " --dump-state 2>" + errors);
        std::vector<Sample> samples = ReadSamples(run.Output);
        uint64_t lastGood = 0;
        // frame: the first frame known bad, of this run (the soak's frame is done + frame).
        auto fail = [&](uint64_t frame, const std::string& what)
        {
            ADD_FAILURE() << level << ", seed " << seed << ", soak frame " << done + frame << " (frame " << frame
                          << " of the run from soak frame " << done << ", last good sample at frame " << lastGood
                          << "): " << what << "\nagain: " << rerun << "\nor the program alone: " << KIBBET_BINARY << " "
                          << args << " --frames " << frame << " --dump-state\n"
                          << Tail(errors, 40);
        };
        for (const Sample& sample : samples)
        {
            const size_t bound = tally.Count(sample, level);
            if (!sample.NullField.empty())
            {
                return fail(sample.Frame, "\"" + sample.NullField + "\" is not a finite number");
            }
            if (sample.Objects > bound)
            {
                return fail(sample.Frame, std::to_string(sample.Objects) + " live objects in " + sample.Level +
                                              ", over the bound " + std::to_string(bound));
            }
            lastGood = sample.Frame;
        }
        if (run.Status != 0 || samples.empty() || samples.back().Frame == 0)
        {
            // A crash prints no dump of its own: it came after the last sample and by the end of the run.
            return fail(frames - done, "the program exited with status " + std::to_string(run.Status) +
                                           " after frame " + std::to_string(lastGood));
        }
        done += samples.back().Frame;
        std::remove(replay.c_str());
        std::remove(errors.c_str());
    }
    tally.Print(level, frames, seed);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, Soak, ::testing::ValuesIn(LevelFiles()),
                         [](const ::testing::TestParamInfo<std::string>& entry) { return entry.param; });

} // namespace
} // namespace Framework
