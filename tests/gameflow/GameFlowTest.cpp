// The level rules and the flow of death, respawn, end screens and level exits, in-process on the shipped
// "Level_01" (see Resources/Data/Levels/Level_01.json for the keys used here).
#include "actors/HeroController.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Message.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"
#include "gameflow/Triggers.h"
#include "graphics/Camera.h"
#include "graphics/Emitter.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ParticleSpawners.h"
#include "input/Input.h"
#include "physics/Body.h"
#include "physics/ContactRecord.h"
#include "tests/TestSupport.h"

#include <cmath>
#include <functional>
#include <sstream>

namespace Framework
{
namespace
{
constexpr float kFrame = 0.017f;
constexpr int kKeySpace = 0x20;

class GameFlowTest : public EngineTest
{
protected:
    void SetUp() override
    {
        HudLoaded = false;
        CAMERA = Camera{};
        RegisterParticleKinds();
        Start(SourcePath("Resources"), "Level_01", true);
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        CAMERA = Camera{};
    }
    // One frame whose systems read the keys given as just pressed.
    void Frame(const std::set<int>& down = {})
    {
        m_Keys.HoldForNextFrame(down);
        core.Step(kFrame);
    }
    void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            Frame();
        }
    }
    // The finished level's tally is up: waits out its gate and presses a key, which starts the next level.
    void PassTally()
    {
        EXPECT_TRUE(Logic().TallyActive());
        Frames(static_cast<int>(GameLogic::kTallyGate / kFrame) + 2);
        Frame({kKeySpace});
    }
    // Delivers one contact between the hero and the object, as the physics does in a sub-step.
    void Touch(const std::string& key)
    {
        GameObjectComposition* object = Object(key);
        ASSERT_NE(object, nullptr) << key;
        ContactRecord record;
        record.m_BodyA = Object("Kibbet")->GetBody();
        record.m_BodyB = object->GetBody();
        ContactMessage message(record);
        object->SendMessage(&message);
    }
    GameObjectComposition* Object(const std::string& key) { return core.m_Factory->FindObject(key); }
    int Count(const std::string& typeName)
    {
        int n = 0;
        for (const GameObjectComposition* object : core.m_Factory->AllLiveObjects())
        {
            n += object->Name == typeName ? 1 : 0;
        }
        return n;
    }
    GameLogic& Logic() { return *core.m_GameLogic; }
    LevelRules& Rules() { return Logic().Session().Level(); }
    LevelManager& Levels() { return Logic().m_LevelManager; }
    Vec2 Checkpoint() { return Levels().m_CurrentLevel->m_Checkpoint; }
    Transform& HeroPlace() { return *Object("Kibbet")->GetTransform(); }
};

TEST_F(GameFlowTest, APollenCountsOnceAndTheHiveCheckpointOnlyOnItsFirstTouch)
{
    for (int i = 0; i < 4; ++i)
    {
        Touch("Pollen_A0");
    }
    EXPECT_EQ(Rules().PollenCollected, 1) << "one pollen however many contacts arrive before it goes";
    EXPECT_EQ(Object("Kibbet")->GetEmitter()->ParticleCount(), 80u) << "one burst from the hero's emitter";

    Touch("Hive");
    EXPECT_EQ(Checkpoint().x, 1150.0f) << "the trigger's position, not the hero's";
    EXPECT_EQ(Checkpoint().y, -128.0f);
    EXPECT_EQ(Object("Hive")->GetEmitter()->ParticleCount(), 120u);
    Object("Hive")->GetTransform()->Position = {0.0f, 0.0f};
    Touch("Hive");
    EXPECT_EQ(Checkpoint().x, 1150.0f) << "only the first contact";
}

TEST_F(GameFlowTest, DeathsCostOneLifePerFrameNothingWhileRollingAndThreeEndTheGameOnce)
{
    Logic().PlayerController().StartRoll();
    Touch("Pit_1");
    EXPECT_EQ(Rules().Lives, 3) << "rolling through a death volume is safe";
    Logic().PlayerController().ResetToIdle();

    Touch("Pit_1");
    Touch("Pit_1");
    EXPECT_EQ(Rules().Lives, 2) << "two contacts in one frame";
    EXPECT_TRUE(Logic().RespawnPanActive());
    Frames(200);
    Touch("Pit_1");
    Frame();
    Frames(200);
    Touch("Pit_1");
    Touch("Pit_1");
    Frame();
    Touch("Pit_1"); // the hero still in the volume while the game-over screen is up
    EXPECT_EQ(Rules().Lives, 0);
    EXPECT_EQ(Count("Game_Over"), 1);
    EXPECT_TRUE(core.Paused);
    EXPECT_TRUE(Logic().EndScreenActive());
    EXPECT_FALSE(core.m_Input->InputEnabled);

    Frames(60);
    Frame({kKeySpace});
    EXPECT_TRUE(Logic().EndScreenActive()) << "keys are ignored for the first 2 s";
    Frames(70);
    EXPECT_TRUE(core.m_Input->InputEnabled) << "the gate opens after 2 s";
    Frame({kKeySpace});
    EXPECT_FALSE(Logic().EndScreenActive());
    EXPECT_FALSE(core.Paused);
    EXPECT_EQ(Rules().Lives, 3) << "the level restarts with full lives";
    EXPECT_EQ(Count("Game_Over"), 0);
    EXPECT_NE(Object("Start_1"), nullptr) << "the level file was loaded again";
}

TEST_F(GameFlowTest, TheWinScreenLeavesTheHeroAlive)
{
    // No shipped level holds a game-complete volume any more; one is placed for the test.
    ASSERT_NE(core.m_Factory->CreateObject("Trigger_GameComplete", "Complete"), nullptr);
    Touch("Complete");
    EXPECT_EQ(Count("You_Win"), 1);
    EXPECT_EQ(Count("For_Now"), 1);
    Frames(150);
    EXPECT_EQ(HeroPlace().Scale.x, 1.0f) << "no death animation on the win screen";
    EXPECT_EQ(HeroPlace().Scale.y, 1.0f);
    EXPECT_EQ(Object("Kibbet")->GetGraphics()->m_Animation.m_Current.find("die"), std::string::npos);
}

TEST_F(GameFlowTest, EachWalkPairSetsItsFlagTakesInputAndGivesItBack)
{
    struct Pair
    {
        const char* First;
        const char* Second;
        ScriptedWalk Walk;
    };
    for (const Pair& pair :
         {Pair{"Start_1", "Start_2", ScriptedWalk::LevelStart}, Pair{"Gust_1", "Gust_2", ScriptedWalk::MoveRight},
          Pair{"Exit_1", "Exit_2", ScriptedWalk::Exit}})
    {
        Touch(pair.First);
        EXPECT_EQ(Logic().Flow().Walk, pair.Walk) << pair.First;
        EXPECT_TRUE(Logic().ScriptedWalkRight()) << pair.First;
        EXPECT_FALSE(core.m_Input->InputEnabled) << pair.First;
        EXPECT_TRUE(core.m_Factory->PendingDestruction.count(Object(pair.First)) != 0) << "each volume acts once";
        HeroPlace().Position = {-700.0f, -152.0f};
        Touch(pair.Second);
        EXPECT_EQ(Logic().Flow().Walk, ScriptedWalk::None) << pair.Second;
        EXPECT_TRUE(core.m_Input->InputEnabled) << pair.Second;
    }
    EXPECT_EQ(Checkpoint().x, -700.0f) << "the second start volume puts the checkpoint at the hero";
    EXPECT_EQ(core.m_Graphics->m_FadeMode, 2) << "the exit fades out";
    EXPECT_EQ(Logic().State(), FlowState::LevelComplete);
    EXPECT_FALSE(Logic().PlayerControl());
}

TEST_F(GameFlowTest, TheExitLeadsToTheNextLevelFileAndTheLastWrapsToTheMenu)
{
    struct Case
    {
        std::vector<std::string> Files;
        const char* Next;
    };
    for (const Case& c : {Case{{"Level_00_Load", "Level_00_Menu", "Level_01", "Level_02"}, "Level_02"},
                          Case{{"Level_00_Load", "Level_00_Menu", "Level_00_Splash", "Level_01"}, "Level_00_Menu"}})
    {
        Levels().m_LevelFiles.clear();
        for (const std::string& name : c.Files)
        {
            Levels().m_LevelFiles.push_back("Data/Levels/" + name + ".json");
        }
        Levels().ChangeLevel("Level_00_Load");
        Levels().ChangeLevel("Level_01");
        Touch("Exit_1");
        Touch("Exit_2");
        Frame();
        PassTally();
        EXPECT_EQ(Levels().GetCurrentLevelName(), c.Next);
    }
}

TEST_F(GameFlowTest, TheRespawnPanEndsOnTheCheckpointWithoutNaNEvenWhenTheViewIsAlreadyThere)
{
    Frames(60); // the start walk
    Vec2 k = Checkpoint();
    HeroPlace().Position = {600.0f, -152.0f};
    Frames(3);
    Logic().HeroDied();
    int frames = 0;
    float previous = CAMERA.ScreenCentre().x;
    while (Logic().RespawnPanActive() && frames < 300)
    {
        Frame();
        ++frames;
        float step = previous - CAMERA.ScreenCentre().x;
        previous = CAMERA.ScreenCentre().x;
        if (Logic().RespawnPanActive())
        {
            EXPECT_GE(step, 10.0f - 1e-3f) << "at least the smallest step while the pan runs";
        }
    }
    EXPECT_FALSE(Logic().RespawnPanActive());
    EXPECT_NEAR(CAMERA.ScreenCentre().x, k.x, 0.01);
    EXPECT_NEAR(CAMERA.ScreenCentre().y, k.y + 200.0f, 0.01);
    EXPECT_EQ(HeroPlace().Position.x, k.x);

    // Dying on the checkpoint itself: the last step has no direction.
    Frames(5);
    Logic().HeroDied();
    Frame();
    Frame();
    EXPECT_FALSE(Logic().RespawnPanActive());
    EXPECT_FALSE(std::isnan(CAMERA.m_ViewOffset.x) || std::isnan(CAMERA.m_ViewOffset.y));
    EXPECT_FALSE(std::isnan(Object("Sky")->GetTransform()->Position.x)) << "parallax objects move with the pan";
}

// A death between the two exit volumes ends the exit walk and its fade-out: the respawned hero is seen again,
// and the second exit volume then completes the level instead of starting a walk that nothing ends.
TEST_F(GameFlowTest, ADeathBetweenTheExitVolumesLeavesTheLevelVisibleAndTheSecondStillEndsIt)
{
    Frames(70);
    Touch("Exit_1");
    Frames(10);
    Touch("Pit_1");
    EXPECT_EQ(Logic().Flow().Walk, ScriptedWalk::None);
    EXPECT_TRUE(core.m_Input->InputEnabled);
    Frames(200);
    EXPECT_EQ(core.m_Graphics->m_FadeValue, 1.0f) << "the fade-out stopped with the walk";
    Touch("Exit_2");
    EXPECT_EQ(Logic().State(), FlowState::LevelComplete);
    EXPECT_FALSE(Logic().ScriptedWalkRight());
    Frame();
    PassTally();
    EXPECT_EQ(Levels().GetCurrentLevelName(), "Level_02");
}

// A knock-back lasts 0.3 s of game time: 18 frames of 17 ms, however long a pause in between.
TEST_F(GameFlowTest, APauseKeepsTheKnockBackWhole)
{
    Frames(70);
    Logic().HeroBounced(Object("Pit_1"));
    ASSERT_TRUE(Logic().Flow().Bounce.Active);
    Frames(5);
    core.Paused = true;
    Frames(30);
    core.Paused = false;
    EXPECT_TRUE(Logic().Flow().Bounce.Active) << "a pause does not use it up";
    int frames = 5;
    for (; Logic().Flow().Bounce.Active && frames < 100; ++frames)
    {
        Frame();
    }
    EXPECT_EQ(frames, 18);
}

// The game-over screen ignores keys for 2 s: with a key pressed in every frame, the screen is still up after
// 118 frames (2.006 s counted, the gate opening in the next) and goes, restarting the level, in frame 120 (the
// gate's frame gives input back and forgets what was held).
TEST_F(GameFlowTest, TheGameOverScreenOpensItsGateAfterTwoSecondsToTheFrame)
{
    Rules().Lives = 1;
    Touch("Pit_1");
    ASSERT_EQ(Logic().State(), FlowState::GameOver);
    int frames = 0;
    // Space and the left arrow in turn, so every frame brings a fresh press.
    while (Logic().EndScreenActive() && frames < 300)
    {
        Frame({frames % 2 == 0 ? kKeySpace : 0x25});
        ++frames;
        if (frames == 118)
        {
            EXPECT_FALSE(core.m_Input->InputEnabled);
        }
    }
    EXPECT_EQ(frames, 120);
    EXPECT_EQ(Rules().Lives, 3);
}

// After one pit the hero comes back to the checkpoint with one life less and the camera following it again,
// also where the respawn skips the pan (after the boss's introduction), and the next level pans again.
TEST_F(GameFlowTest, ARespawnWithoutThePanGivesTheCameraBackAndItsLevelKeepsItToItself)
{
    Frames(70);
    Logic().BossIntroductionStarted();
    Logic().BossIntroductionEnded();
    HeroPlace().Position = {Checkpoint().x + 2500.0f, Checkpoint().y};
    Frames(60);
    Touch("Pit_1");
    Frames(60);
    EXPECT_EQ(Rules().Lives, 2) << "the hero is back in view, not dying again";
    EXPECT_EQ(CAMERA.m_Target, Object("Kibbet"));
    EXPECT_EQ(Logic().State(), FlowState::Playing);

    Levels().ChangeLevel("Level_00_Menu");
    Levels().ChangeLevel("Level_01");
    Frames(70);
    Touch("Pit_1");
    EXPECT_TRUE(Logic().RespawnPanActive());
}

// Whichever way the last attempt was left, a level starts with the flow, the rules and the hero as a fresh start
// has them.
TEST_F(GameFlowTest, ALevelStartsAfreshAfterEveryWayOfLeavingTheLast)
{
    struct Snapshot
    {
        FlowState State;
        bool Control;
        ScriptedWalk Walk;
        int Volumes, Lives, Collected, Total, HeroState;
        bool Bounce, RefillActive, PanEnabled, Paused, Input, CameraOnHero;
        float EndTimer, Fade, CheckpointX, CheckpointY;
        bool operator==(const Snapshot&) const = default;
        std::string Text() const
        {
            std::ostringstream out;
            out << "state " << static_cast<int>(State) << " control " << Control << " walk " << static_cast<int>(Walk)
                << " volumes " << Volumes << " lives " << Lives << " pollen " << Collected << "/" << Total << " hero "
                << HeroState << " bounce " << Bounce << " refill " << RefillActive << " pan " << PanEnabled
                << " paused " << Paused << " input " << Input << " camera on hero " << CameraOnHero << " end timer "
                << EndTimer << " fade " << Fade << " checkpoint " << CheckpointX << "," << CheckpointY;
            return out.str();
        }
    };
    auto snap = [this]
    {
        const FlowRecord& f = Logic().Flow();
        return Snapshot{f.State,
                        f.PlayerControl,
                        f.Walk,
                        f.LevelStartVolumes + f.MoveRightVolumes + f.ExitVolumes,
                        Rules().Lives,
                        Rules().PollenCollected,
                        Rules().PollenTotal,
                        Logic().PlayerController().State(),
                        f.Bounce.Active,
                        Rules().BarRefillActive,
                        Rules().RespawnPanEnabled,
                        core.Paused,
                        core.m_Input->InputEnabled,
                        CAMERA.m_Target == Object("Kibbet"),
                        f.EndScreenTimer,
                        core.m_Graphics->m_FadeValue,
                        Checkpoint().x,
                        Checkpoint().y};
    };
    // At the start and once the start walk is over.
    auto start = [&] { return std::pair{snap(), (Frames(90), snap())}; };
    Levels().RestartLevel();
    const auto fresh = start();
    auto mess = [this]
    {
        Frames(70);
        Touch("Pollen_A0");
        Logic().BossIntroductionStarted();
        Logic().BossIntroductionEnded();
        EmptyBars(Logic().Session());
        Logic().HeroBounced(Object("Pit_1"));
        Touch("Gust_1");
        Touch("Exit_1");
    };
    struct Way
    {
        const char* Name;
        std::function<void()> Leave;
    };
    const Way ways[] = {
        {"game over",
         [&]
         {
             Rules().Lives = 1;
             Touch("Pit_1");
             Frames(130);
             Frame({kKeySpace});
         }},
        {"restart", [&] { Levels().RestartLevel(); }},
        {"return to the menu",
         [&]
         {
             Levels().ChangeLevel("Level_00_Menu");
             Levels().ChangeLevel("Level_01");
         }},
        {"finishing",
         [&]
         {
             Touch("Exit_2");
             Frame();
             PassTally();
             Levels().ChangeLevel("Level_01");
         }},
    };
    for (const Way& way : ways)
    {
        mess();
        way.Leave();
        ASSERT_EQ(Levels().GetCurrentLevelName(), "Level_01") << way.Name;
        const auto again = start();
        EXPECT_EQ(again.first.Text(), fresh.first.Text()) << way.Name << ", at the start";
        EXPECT_EQ(again.second.Text(), fresh.second.Text()) << way.Name << ", after the start walk";
        EXPECT_TRUE(again == fresh) << way.Name;
    }
}

TEST_F(GameFlowTest, AMovingPlatformCarriesTheHeroAtItsOwnSpeed)
{
    Frames(60);
    GameObjectComposition* lift = Object("Lift");
    HeroPlace().Position = {4100.0f, 340.0f};
    CAMERA.SetCameraTarget(nullptr);
    Frames(10);
    float heroStart = HeroPlace().Position.x;
    float liftStart = lift->GetTransform()->Position.x;
    Frames(30);
    float liftMoved = lift->GetTransform()->Position.x - liftStart;
    EXPECT_GT(liftMoved, 40.0f) << "the behaviour moves the static platform";
    EXPECT_NEAR(HeroPlace().Position.x - heroStart, liftMoved, 0.5f);
    EXPECT_NEAR(HeroPlace().Position.y, 338.0f, 2.0f) << "standing on it";
}

TEST_F(GameFlowTest, SoundVolumesPlayAndAnAudioVolumeNeverTakesTheMusic)
{
    Touch("Birds");
    EXPECT_TRUE(static_cast<SoundTrigger*>(Object("Birds")->GetComponent("SoundTrigger"))->m_PlayedOnce)
        << "the effect branch is on for every sound volume";
    static_cast<AudioTrigger*>(Object("Wind_Gust")->GetComponent("AudioTrigger"))->m_TrackName = "BGM_Boss";
    Touch("Wind_Gust");
    ASSERT_NE(core.m_Audio->m_CurrentBGM, nullptr);
    EXPECT_EQ(core.m_Audio->m_CurrentBGM, core.m_Audio->FindSound("BGM_Meadow"));
}

TEST_F(GameFlowTest, TheSplashRunsItsTimelineAndEndsAfterALongFrame)
{
    Levels().ChangeLevel("Level_00_Splash");
    EXPECT_NEAR(core.m_Audio->GetMusicFactor(), 0.05f, 1e-6);
    Graphics& graphics = *core.m_Graphics;
    struct Step
    {
        float Until;
        int FadeMode;
        const char* Target;
    };
    float t = 0.0f;
    for (const Step& step : {Step{2.9f, 1, "SplashVentrel"}, Step{3.4f, 2, "SplashVentrel"},
                             Step{6.9f, 1, "XboxController"}, Step{7.4f, 2, "XboxController"}})
    {
        while (t < step.Until)
        {
            Frame();
            t += kFrame;
        }
        EXPECT_EQ(graphics.m_FadeMode == 0 ? (graphics.m_FadeValue > 0.5f ? 1 : 2) : graphics.m_FadeMode, step.FadeMode)
            << step.Until;
        EXPECT_EQ(CAMERA.m_Target, Object(step.Target)) << step.Until;
    }
    EXPECT_EQ(core.m_Audio->GetMusicFactor(), 1.0f) << "the music faded in";
    Frames(10);
    EXPECT_EQ(Levels().GetCurrentLevelName(), "Level_00_Menu");

    // One frame from before 7.0 s to past 7.5 s still ends the splash.
    Levels().ChangeLevel("Level_00_Splash");
    Levels().m_CurrentLevel->Update(6.9f);
    Levels().m_CurrentLevel->Update(0.7f);
    EXPECT_EQ(Levels().GetCurrentLevelName(), "Level_00_Menu");
}

} // namespace
} // namespace Framework
