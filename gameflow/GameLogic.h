#pragma once

#include "actors/BehaviourContext.h"
#include "engine/ISystem.h"
#include "gameflow/FlowState.h"
#include "gameflow/GameSession.h"
#include "gameflow/GhostRun.h"
#include "gameflow/LevelManager.h"
#include "gameflow/PlayerProgress.h"
#include "platform/Vector.h"

#include <memory>
#include <string>
#include <vector>

namespace Framework
{

class GameLogicComponent;
class GameObjectComposition;
class HeroController;

// Runs the flow of the game: which level is loaded and when it changes, the actors near the view, the hero,
// and the flow's state machine (FlowState): deaths, the respawn pan, end screens, scripted walks, the level
// exit, the boss's introduction and closing scene, and the knock-back. It owns the game session (the rules'
// values) and is the only writer of whether the player steers the hero.
class GameLogic : public ISystem, public IBehaviourEvents
{
public:
    explicit GameLogic(Core* core);
    ~GameLogic() override;

    // Shows the loading level, lists the level files and draws one frame of the loading picture.
    void Initialize() override;
    // Creates the fixed levels and starts the splash level (or the level chosen at start-up).
    void Load() override;
    // Starts the flow of a new level afresh (a new FlowRecord) and forgets the hero of the old level.
    void ResetForLevel() override;
    // What the physics reported, the actors near the view, then the hero, then the flow's state.
    void Update(float dt) override;
    // The level manager's frame, after every system's Update.
    void LateUpdate(float dt) override;
    // Contacts go to the hero's controller, which lands the hero on static ground.
    void SendMessage(IMessage* message) override;
    IComponent* CreateComponent(int key) override;
    IComponent* CreatePrototypeComponent(int key) override;
    void DestroyComponent(IComponent* component) override;
    std::string GetName() const override { return "Game_Logic"; }
    Core* GetCore() const override { return m_Core; }

    // The flow's state now.
    FlowState State() const { return m_Flow.State; }
    // Everything the flow holds about the current level.
    const FlowRecord& Flow() const { return m_Flow; }
    // Whether the player steers the hero (the hero's controller runs only then).
    bool PlayerControl() const { return m_Flow.PlayerControl; }
    // The view pans back to the checkpoint after a death.
    bool RespawnPanActive() const { return m_Flow.State == FlowState::RespawnPan; }
    // The game-over or the win screen is up.
    bool EndScreenActive() const
    {
        return m_Flow.State == FlowState::GameOver || m_Flow.State == FlowState::GameComplete;
    }
    // The boss level's closing scene runs.
    bool BossOutroActive() const { return m_Flow.State == FlowState::BossOutro; }
    // The pause menu may open (not during the closing scene).
    bool PauseAllowed() const { return m_Flow.State != FlowState::BossOutro; }
    // A scripted walk runs: the hero walks right as if the player held right.
    bool ScriptedWalkRight() const { return m_Flow.Walk != ScriptedWalk::None; }
    // The game's rules: lives, pollen, the energy meter.
    GameSession& Session() { return m_Session; }
    const GameSession& Session() const { return m_Session; }
    // What behaviours see now: the hero, whether it hides, and this flow as their events.
    BehaviourContext MakeBehaviourContext();

    // The hero has died (a death volume, or leaving the region the physics simulates): ends any scripted walk,
    // costs a life, then either pans back to the checkpoint or shows the game-over screen. Ignored while an end
    // screen or the tally is up.
    void HeroDied();
    // The game-complete volume: stops the hero and shows "You_Win" and "For_Now" around the view centre; a key
    // after the gate restarts the level.
    void GameCompleteReached();
    // A level-start volume: the first of the pair fades in and walks the hero right with input off, the second
    // gives input back and puts the checkpoint at the hero.
    void LevelStartVolumeTouched();
    // A move-right volume: the first of a pair walks the hero right with input off, the second ends the walk.
    void MoveRightVolumeTouched();
    // An exit volume: the first fades out and walks the hero right, the second completes the level; in the boss
    // level the first completes it at once (its closing scene follows).
    void ExitVolumeTouched();
    // The boss has noticed the hero: the hero stands idle and the player loses control until the introduction
    // ends.
    void BossIntroductionStarted() override;
    // The introduction is over: the player steers again and, for the rest of this level, a death respawns the
    // hero without the camera pan.
    void BossIntroductionEnded() override;
    // Knocks the hero back away from the object (towards -x when the hero stands still).
    void HeroBounced(GameObjectComposition* from) override;
    // The boss is beaten and its arena open: deaths pan back to the checkpoint again.
    void BossDefeated() override;

    // The player's saved progress (levels reached, records, ghost files).
    PlayerProgress& Progress() { return m_Progress; }
    const PlayerProgress& Progress() const { return m_Progress; }
    // Starts the level at the end of this frame; a time trial draws the level's ghost (its best run) beside the
    // hero until the level is left.
    void StartLevel(const std::string& name, bool timeTrial);
    // Where the ghost is drawn now; false when no ghost is drawn.
    bool GhostPosition(Vec2& position) const;
    // Whether the level's tally is up.
    bool TallyActive() const { return m_Flow.State == FlowState::Tally; }
    // Whether a level name is one the player plays (the start-up and menu levels, "Level_00_...", are not).
    static bool IsPlayableLevel(const std::string& name);

    // Reads the current level's file again and starts the level afresh, as a level start does (a new session:
    // every life back, the pollen counted anew from the objects the file places). When the hero had reached a
    // checkpoint, it respawns there as after a death, but without losing a life and without the start walk.
    // Call it between frames (the level manager's level changes happen at the same point).
    void ReloadLevel();

    // Starts the game in this level instead of the start-up sequence (developer flag --level), at the end of
    // the first frame as a level chosen in play.
    void SetStartLevel(const std::string& name) { m_StartLevel = name; }

    // Seconds an end screen waits before a key can dismiss it.
    static constexpr float kEndScreenGate = 2.0f;
    // Seconds the tally waits before a key can dismiss it, so a key held at the exit does not skip it.
    static constexpr float kTallyGate = 0.5f;
    // How strongly the ghost is drawn (0 invisible, 1 solid).
    static constexpr float kGhostAlpha = 0.45f;
    // Seconds a knock-back forces the hero's horizontal velocity.
    static constexpr float kBounceTime = 0.3f;
    // The live object named "Kibbet", or null.
    GameObjectComposition* FindHero() const;
    // The hero's controller; never null.
    HeroController& PlayerController() const { return *m_PlayerController; }

    // How far beyond the view, in units, actors still move: farther ones are frozen.
    static constexpr float kActiveMargin = 150.0f;

    std::vector<GameLogicComponent*> m_LogicComponents;
    LevelManager m_LevelManager;
    // Set by a hide volume on contact and cleared after every update.
    bool m_HeroHidden = false;
    float m_PanMinStepSquared = 100.0f;
    float m_PanMinStep = 10.0f;
    float m_PanSnapDistance = 5.0f;

private:
    // Deaths the physics reported in its last step (the hero outside the region it simulates).
    void ReadPhysicsEvents();
    // Runs the behaviour of every logic component whose object lies within the view plus the margin.
    void UpdateLogicComponents(float dt);
    // The hero's controller, the knock-back and the state's own frame.
    void UpdateHeroAndFlow(float dt, bool paused);
    // Moves the flow to a state and says whether the player steers.
    void Enter(FlowState state, bool playerControl);
    // Ends a scripted walk: input back on; a death during the exit walk also takes its fade-out back.
    void EndWalk();
    // One volume of a walk pair: begins or ends the walk by the volume's parity in this level; returns true
    // when it began one.
    bool WalkVolume(ScriptedWalk kind, int& touched);
    // Shows "Game_Over", pauses the game and ignores input until the end-screen gate opens.
    void GameOver();
    void UpdateEndScreen(float dt);
    void UpdateRespawnPan();
    // Ends the respawn at the checkpoint: the camera follows again and the player steers.
    void FinishRespawn(bool snapCamera);
    void UpdateLevelComplete();
    // Counts the level's game time while it is played, shows it, records the run and moves the ghost.
    void UpdateTimer(float dt, bool paused);
    // Whether the level's game time runs now.
    bool TimerRuns() const;
    // The hero's pose joins the run; the ghost takes the best run's pose at this time.
    void RecordRun(GameObjectComposition& hero);
    void MoveGhost();
    // Saves the finish (and the run as the ghost when it is the best), notes the next level as reached.
    void RecordFinish();
    // Shows the time, the best time, the pollen and the deaths over the faded level.
    void ShowTally();
    // The tally's frame: after the gate a key starts the next level.
    void UpdateTally(float dt);
    void UpdateBounce(float dt);
    // The boss level's closing scene: StartBossOutro when the level is complete, then UpdateBossOutro
    // every frame walks the hero to the end of the arena and waits for a key to return to the menu.
    void StartBossOutro();
    void UpdateBossOutro();
    // Moves the view (and the parallax objects) by one pan step.
    static void PanView(float dx, float dy);

    Core* m_Core;
    std::string m_StartLevel;
    std::unique_ptr<HeroController> m_PlayerController;
    GameSession m_Session;
    FlowRecord m_Flow;
    PlayerProgress m_Progress;
    // The run being played, and the best run drawn as the ghost in a time trial (empty otherwise).
    GhostRun m_Run;
    GhostRun m_Ghost;
    // The level a time trial was asked for; cleared when another level starts.
    std::string m_TimeTrialLevel;
    // The finished level's best time before this finish (-1 for none), for the tally.
    int m_PreviousBestMs = -1;
    bool m_NewBest = false;
};

} // namespace Framework
