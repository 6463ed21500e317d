#include "tests/TestSupport.h"
#include "tests/physics/PhysicsFixture.h"

#include "platform/Clock.h"

#include <array>
#include <cstdio>
#include <regex>
#include <sstream>
#include <sys/wait.h>

using namespace Framework;

namespace
{
// One object's line of the state dump, reduced to what the physics decides.
struct DumpedBody
{
    bool Found = false;
    float X = 0.0f;
    float Y = 0.0f;
    float VelocityY = 0.0f;
};

// Runs the game headless on the physics test level for a number of fixed 17 ms frames and reads the
// dumped line of one object.
DumpedBody RunLevel(int frames, const std::string& key)
{
    std::string command = std::string(KIBBET_BINARY) + " --headless --fixed-step --resources " +
                          SourcePath("tests/data/physics") + " --level Level_Physics --frames " +
                          std::to_string(frames) + " --dump-state 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    DumpedBody body;
    if (pipe == nullptr)
    {
        return body;
    }
    std::string text;
    std::array<char, 4096> buffer{};
    for (size_t n = 0; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    {
        text.append(buffer.data(), n);
    }
    EXPECT_EQ(pclose(pipe), 0);
    static const std::regex line(
        R"re(\{"key":"([^"]*)".*"x":([^,]*),"y":([^,]*),"rotation".*"velocity":\{"x":[^,]*,"y":([^}]*)\})re");
    std::istringstream lines(text);
    for (std::string text_line; std::getline(lines, text_line);)
    {
        std::smatch match;
        if (std::regex_search(text_line, match, line) && match[1] == key)
        {
            body.Found = true;
            body.X = std::stof(match[2]);
            body.Y = std::stof(match[3]);
            body.VelocityY = std::stof(match[4]);
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

class PhysicsLevelTest : public EngineTest
{
};

TEST_F(PhysicsLevelTest, TheCratesContactWithTheGroundIsReportedAndTheHeroLandsOnIt)
{
    Start(SourcePath("tests/data/physics"), "Level_Physics", true);
    GameObjectComposition* crate = core.m_Factory->FindObject("Crate");
    GameObjectComposition* hero = core.m_Factory->FindObject("Kibbet");
    ASSERT_NE(crate, nullptr);
    ASSERT_NE(hero, nullptr);
    ContactLog crateLog;
    ContactLog heroLog;
    crate->AddComponent("Probe", new ContactProbe(&crateLog));
    hero->AddComponent("Probe", new ContactProbe(&heroLog));

    FixedStepClock clock;
    core.SetClock(&clock);
    core.SetFrameLimit(60);
    core.GameLoop();
    core.SetClock(nullptr);

    ASSERT_FALSE(crateLog.Records.empty()) << "the crate's touch of the ground is delivered";
    EXPECT_EQ(crateLog.Records[0].m_BodyA->Owner->Key, "Ground");
    EXPECT_LT(crate->GetBody()->m_Velocity.y, -100.0f);

    ASSERT_FALSE(heroLog.Records.empty());
    EXPECT_EQ(heroLog.Records.back().m_BodyA, hero->GetBody()) << "the hero was created before the ground";
    for (const ContactRecord& record : heroLog.Records)
    {
        EXPECT_LT(record.m_Separation.y, 0.0f) << "every touch reads as standing on the ground";
    }
    EXPECT_NEAR(hero->GetTransform()->Position.y, 316.0f, 0.5f);
}
