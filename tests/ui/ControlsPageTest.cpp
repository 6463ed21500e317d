#include "tests/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>

using namespace Framework;

namespace
{
const std::string kIdle = "F1 K- P0:0:0:0";

// A record file: the given lines, each key pressed for one frame with an idle frame after it.
class Script
{
public:
    Script& Idle(int frames)
    {
        for (int i = 0; i < frames; ++i)
        {
            m_Lines.push_back(kIdle);
        }
        return *this;
    }
    Script& Press(std::initializer_list<const char*> keys)
    {
        for (const char* key : keys)
        {
            m_Lines.push_back(std::string("F1 K") + key + " P0:0:0:0");
            m_Lines.push_back(kIdle);
        }
        return *this;
    }
    Script& Line(const std::string& line)
    {
        m_Lines.push_back(line);
        return *this;
    }
    int Frames() const { return static_cast<int>(m_Lines.size()); }
    std::string Write(const std::string& name) const
    {
        std::string path = testing::TempDir() + "/" + name;
        std::ofstream file(path);
        file << "kibbet-input 1\n";
        for (const std::string& line : m_Lines)
        {
            file << line << "\n";
        }
        return path;
    }

private:
    std::vector<std::string> m_Lines;
};

// Main menu -> Options -> Controls (the fifth entry).
Script ToControls()
{
    Script script;
    script.Idle(5).Press({"28", "28", "d"}).Idle(2).Press({"28", "28", "28", "28", "d"}).Idle(2);
    return script;
}

std::string Play(const std::string& profile, const std::string& level, const Script& script, const std::string& name)
{
    return RunGame("--headless --fixed-step --resources " + SourcePath("Resources") + " --profile " + profile +
                   " --level " + level + " --replay " + script.Write(name) + " --frames " +
                   std::to_string(script.Frames()) + " --dump-every 1")
        .Output;
}

// Whether some dump of the hero shows the take-off speed of a jump.
bool Jumped(const std::string& dumps)
{
    return dumps.find("\"key\":\"Kibbet\"") != std::string::npos &&
           dumps.find("\"velocity\":{\"x\":0,\"y\":400}") != std::string::npos;
}
} // namespace

TEST(ControlsProgram, JumpBoundToJStaysBoundUntilDefaults)
{
    std::string profile = testing::TempDir() + "/kibbet-controls-profile";
    std::filesystem::remove_all(profile);

    // Jump is the third action; J (4a) becomes its only key.
    Script bind = ToControls();
    bind.Press({"28", "28", "d"}).Idle(1).Press({"4a"}).Idle(2);
    std::string menu = Play(profile, "Level_00_Menu", bind, "bind.rec");
    EXPECT_NE(menu.find("\"jump\":{\"keys\":[\"4a\"],\"buttons\":[4096]}"), std::string::npos);
    EXPECT_NE(menu.find("\"text\":\"J / A\""), std::string::npos);

    // A new run reads the binding back: J jumps, Space does not.
    Script j = Script().Idle(200).Press({"4a"}).Idle(2);
    Script space = Script().Idle(200).Press({"20"}).Idle(2);
    EXPECT_TRUE(Jumped(Play(profile, "Level_01", j, "j.rec")));
    EXPECT_FALSE(Jumped(Play(profile, "Level_01", space, "space.rec")));

    // "Defaults" (after the five actions) gives Space back.
    Script defaults = ToControls();
    defaults.Press({"28", "28", "28", "28", "28", "d"}).Idle(2);
    std::string reset = Play(profile, "Level_00_Menu", defaults, "defaults.rec");
    EXPECT_NE(reset.find("\"jump\":{\"keys\":[\"20\",\"57\",\"26\"],\"buttons\":[4096]}"), std::string::npos);
    EXPECT_TRUE(Jumped(Play(profile, "Level_01", space, "space.rec")));
    std::filesystem::remove_all(profile);
}

TEST(ControlsProgram, EscapeCancelsTheWaitAndATakenKeySwapsBack)
{
    std::string profile = testing::TempDir() + "/kibbet-controls-swap";
    std::filesystem::remove_all(profile);
    // Left takes D from right (right is left with none and gets the left arrow back), then roll waits and
    // Escape cancels it.
    Script swap = ToControls();
    swap.Press({"d"}).Idle(1).Press({"44"}).Idle(1).Press({"28", "28", "28", "d"}).Idle(1).Press({"1b"}).Idle(2);
    std::string dumps = Play(profile, "Level_00_Menu", swap, "swap.rec");
    std::string last = dumps.substr(dumps.rfind("{\"world\""));
    EXPECT_NE(last.find("\"left\":{\"keys\":[\"44\"]"), std::string::npos);
    EXPECT_NE(last.find("\"right\":{\"keys\":[\"27\"]"), std::string::npos);
    EXPECT_NE(last.find("\"roll\":{\"keys\":[\"4d\",\"53\",\"11\"]"), std::string::npos);
    EXPECT_NE(last.find("\"menu\":{\"screen\":6,"), std::string::npos);
    std::filesystem::remove_all(profile);
}

TEST(ControlsProgram, LosingTheFocusInPlayOpensThePauseMenu)
{
    Script script = Script().Idle(100).Line("F0 K- P0:0:0:0").Line("F0 K- P0:0:0:0").Idle(3);
    std::string dumps =
        RunGame("--headless --fixed-step --resources " + SourcePath("Resources") + " --level Level_01 --replay " +
                script.Write("focus.rec") + " --frames " + std::to_string(script.Frames()) + " --dump-state")
            .Output;
    EXPECT_NE(dumps.find("\"paused\":true,"), std::string::npos);
    EXPECT_NE(dumps.find("\"pause\":{\"page\":0,\"selected\":0}"), std::string::npos);
}

TEST(ControlsProgram, SoundTurnedBackOnReturnsToItsLevel)
{
    std::string profile = testing::TempDir() + "/kibbet-controls-sound";
    std::filesystem::remove_all(profile);
    // Options: down to the volume, three steps left, down twice to "Toggle Sound", select twice.
    Script script;
    script.Idle(5)
        .Press({"28", "28", "d"})
        .Idle(2)
        .Press({"28", "25", "25", "25", "28", "28", "d"})
        .Idle(1)
        .Press({"d"});
    Play(profile, "Level_00_Menu", script, "sound.rec");
    std::ifstream settings(profile + "/settings");
    std::string text((std::istreambuf_iterator<char>(settings)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\nvolume 7\n"), std::string::npos) << text;
    std::filesystem::remove_all(profile);
}
