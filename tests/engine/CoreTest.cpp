#include "engine/Core.h"
#include "engine/ISystem.h"
#include "engine/Message.h"
#include "gameflow/GameLogic.h"
#include "gameflow/ILevel.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Framework;

namespace
{
std::vector<std::string> g_Calls;

class RecordingSystem : public ISystem
{
public:
    RecordingSystem(Core* core, std::string name) : m_Core(core), m_Name(std::move(name)) {}
    ~RecordingSystem() override { g_Calls.push_back("delete " + m_Name); }
    void Update(float dt) override
    {
        g_Calls.push_back("update " + m_Name);
        m_LastDt = dt;
        if (m_OnUpdate)
        {
            m_OnUpdate();
        }
    }
    void SendMessage(IMessage* message) override
    {
        g_Calls.push_back("message " + m_Name + " " + std::to_string(message->MessageId));
    }
    std::string GetName() const override { return m_Name; }
    Core* GetCore() const override { return m_Core; }

    float m_LastDt = -1.0f;
    std::function<void()> m_OnUpdate;

private:
    Core* m_Core;
    std::string m_Name;
};

class CountingLevel : public ILevel
{
public:
    void Update(float) override { g_Calls.push_back("level"); }
};

class CoreLoopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_Calls.clear();
        for (const char* name : {"Factory", "Windows_System", "Physics", "Input"})
        {
            auto system = std::make_unique<RecordingSystem>(&core, name);
            systems.push_back(system.get());
            core.AddSystem(std::move(system));
        }
    }

    // Adds the game logic with a level that records its per-frame call.
    void AddLevelManager()
    {
        auto logic = std::make_unique<GameLogic>(&core);
        logic->m_LevelManager.AddLevel("T", std::make_unique<CountingLevel>());
        logic->m_LevelManager.m_CurrentLevel = logic->m_LevelManager.m_Levels["T"].get();
        core.m_GameLogic = logic.get();
        core.AddSystem(std::move(logic));
    }

    size_t Count(const std::string& call) const
    {
        return static_cast<size_t>(std::count(g_Calls.begin(), g_Calls.end(), call));
    }

    Core core;
    std::vector<RecordingSystem*> systems;
};
} // namespace

TEST(CoreLoop, AFrameRunsOnce17msHavePassedAlsoAcrossAClockWrapAndSlowFramesStayWhole)
{
    struct Case
    {
        std::vector<uint32_t> readings;
        float dt;
    };
    // The 16 ms reading runs no frame, also when it spans the wrap; a slow frame is neither split nor clamped.
    for (const Case& c :
         {Case{{1000, 1016, 1017}, 0.017f}, Case{{0xFFFFFFFAu, 10u, 11u}, 0.017f}, Case{{0, 500}, 0.5f}})
    {
        Core loop;
        auto owned = std::make_unique<RecordingSystem>(&loop, "Factory");
        RecordingSystem* system = owned.get();
        loop.AddSystem(std::move(owned));
        ScriptedClock clock(c.readings);
        loop.SetClock(&clock);
        loop.SetFrameLimit(1);
        loop.GameLoop();
        EXPECT_EQ(clock.Reads(), c.readings.size());
        EXPECT_EQ(loop.FrameCount(), 1u);
        EXPECT_FLOAT_EQ(system->m_LastDt, c.dt);
    }
}

TEST_F(CoreLoopTest, AStepRunsTheSystemsThenTheLevelAndPausingSkipsPhysicsFromTheNextStep)
{
    AddLevelManager();
    core.SetFrameLimit(3);
    const std::vector<std::string> whole = {"update Factory", "update Windows_System", "update Physics", "update Input",
                                            "level"};
    const std::vector<std::string> paused = {"update Factory", "update Windows_System", "update Input", "level"};
    // The first system pauses the game: the frame it does so still runs the physics.
    systems[0]->m_OnUpdate = [this] { core.Paused = true; };
    core.Step(0.017f);
    EXPECT_EQ(g_Calls, whole);
    systems[0]->m_OnUpdate = nullptr;
    g_Calls.clear();
    core.Step(0.017f);
    EXPECT_EQ(g_Calls, paused);
    EXPECT_FALSE(core.Quit);
    core.Step(0.017f);
    EXPECT_TRUE(core.Quit) << "the frame limit is reached at the end of the third frame";
    EXPECT_EQ(core.FrameCount(), 3u);
}

TEST_F(CoreLoopTest, QuitEndsTheLoopAfterTheFrameFinishes)
{
    AddLevelManager();
    FixedStepClock clock;
    core.SetClock(&clock);
    systems[1]->m_OnUpdate = [this] { core.Quit = true; };
    core.GameLoop();
    EXPECT_EQ(Count("update Factory"), 1u);
    EXPECT_EQ(Count("update Input"), 1u) << "later systems of the frame still run";
    EXPECT_EQ(Count("level"), 1u);
    EXPECT_EQ(core.FrameCount(), 1u);

    g_Calls.clear();
    core.GameLoop();
    EXPECT_TRUE(g_Calls.empty()) << "with Quit set before the loop no frame runs";
}

TEST_F(CoreLoopTest, BroadcastsInRegistrationOrderAndDeletesInReverse)
{
    MessageCharacterKey key('a');
    core.BroadcastMessage(&key);
    EXPECT_EQ(g_Calls, (std::vector<std::string>{"message Factory 4", "message Windows_System 4", "message Physics 4",
                                                 "message Input 4"}));
    g_Calls.clear();
    core.DestroySystems();
    EXPECT_EQ(g_Calls,
              (std::vector<std::string>{"delete Input", "delete Physics", "delete Windows_System", "delete Factory"}));
    EXPECT_TRUE(core.Systems.empty());
}

TEST(DebugLines, PolygonsQueueOneLinePerEdge)
{
    DrawDebugPolygon({{1, 2, 0}}, nullptr);
    EXPECT_TRUE(DebugLineQueue.empty());

    DrawDebugPolygon({{0, 0, 0}, {10, 0, 0}, {0, 10, 1}}, nullptr);
    ASSERT_EQ(DebugLineQueue.size(), 3u);
    EXPECT_EQ(DebugLineQueue[0].R, 255.0f) << "the default colour is red 255, not 1";
    EXPECT_EQ(DebugLineQueue[0].A, 1.0f);
    EXPECT_EQ(DebugLineQueue[2].StartZ, 1.0f) << "the last edge closes the polygon";
    EXPECT_EQ(DebugLineQueue[2].EndX, 0.0f);
    EXPECT_EQ(DebugLineQueue[2].EndY, 0.0f);

    DebugLineQueue.clear();
}
