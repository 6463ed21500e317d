#pragma once

#include "actors/BehaviourContext.h"
#include "engine/ISystem.h"
#include "engine/Vector.h"
#include "gameflow/LevelManager.h"

#include <memory>
#include <string>
#include <vector>

namespace Framework
{

class GameLogicComponent;
class GameObjectComposition;
class HeroController;

// Runs the flow of the game: which level is loaded and when it changes, the actors near the view, the hero,
// the hero's death, the respawn pan back to the checkpoint, the knock-back, the end screens and the level exit.
class GameLogic : public ISystem, public IBehaviourEvents
{
public:
    explicit GameLogic(Core* core);
    ~GameLogic() override;

    // Shows the loading level, lists the level files and draws one frame of the loading picture.
    void Initialize() override;
    // Creates the fixed levels and starts the splash level (or the level chosen at start-up).
    void Load() override;
    // Clears every per-level flag of the flow (end screen, respawn pan, knock-back, level exit, walks) and
    // forgets the hero of the old level.
    void ResetForLevel() override;
    // The actors near the view, then the hero, then the game's own flow; clears the per-frame flags last.
    void Update(float dt) override;
    // Contacts go to the hero's controller, which lands the hero on static ground.
    void SendMessage(IMessage* message) override;
    IComponent* CreateComponent(int key) override;
    IComponent* CreatePrototypeComponent(int key) override;
    void DestroyComponent(IComponent* component) override;
    std::string GetName() const override { return "Game_Logic"; }
    Core* GetCore() const override { return m_Core; }

    // The hero has died (a death volume, or leaving the region the physics simulates): costs a life,
    // then either pans back to the checkpoint or shows the game-over screen. Ignored while an end
    // screen is up. Virtual so tests can watch the physics call it.
    virtual void HeroDied();
    // Shows "Game_Over", pauses the game and ignores input until the end-screen gate opens.
    void GameOver();
    // Shows "You_Win" and "For_Now" around the view centre; a key after the gate restarts the level.
    void ShowGameComplete();
    // Starts the knock-back of the hero away from the object (towards -x when the hero stands still).
    void StartBounce(GameObjectComposition* other);

    // The boss level's closing scene: StartBossOutro when the level is complete, then UpdateBossOutro
    // every frame walks the hero to the end of the arena and waits for a key to return to the menu.
    void StartBossOutro();
    void UpdateBossOutro();

    // Starts the game in this level instead of the start-up sequence (developer flag --level), at the end of
    // the first frame as a level chosen in play.
    void SetStartLevel(const std::string& name) { m_StartLevel = name; }

    // Seconds an end screen waits before a key can dismiss it.
    static constexpr float kEndScreenGate = 2.0f;
    // Seconds a knock-back forces the hero's horizontal velocity.
    static constexpr float kBounceTime = 0.3f;
    // The live object named "Kibbet", or null.
    GameObjectComposition* FindHero() const;
    // What the behaviours see of the hero and the flow now; the events come back to this system.
    BehaviourContext MakeBehaviourContext();
    void BossIntroductionStarted() override;
    void BossIntroductionEnded() override;
    void BossDefeated() override;
    void HeroBounced(GameObjectComposition* from) override;
    // The hero's controller; never null.
    HeroController& PlayerController() const { return *m_PlayerController; }

    // How far beyond the view, in units, actors still move: farther ones are frozen.
    static constexpr float kActiveMargin = 150.0f;

    std::vector<GameLogicComponent*> m_LogicComponents;
    LevelManager m_LevelManager;
    bool m_PauseAllowed = true;
    float m_EndScreenTimer = 0.0f;
    // Enemy behaviours turn the pan off where the camera must not move; the respawn then completes at once.
    bool m_RespawnPanEnabled = true;
    bool m_EndScreenActive = false;
    // The hero's controller runs each frame only while set.
    bool m_PlayerControl = true;
    // True while the camera pans back to the checkpoint after a death; the hero cannot die again then.
    bool m_RespawnPanActive = false;
    // Set by the exit's second walk volume; the next update leaves the level.
    bool m_LevelComplete = false;
    bool m_BossOutroActive = false;
    // Set by a hide volume on contact and cleared after every update.
    bool m_HeroHidden = false;
    float m_PanMinStepSquared = 100.0f;
    float m_PanMinStep = 10.0f;
    float m_PanSnapDistance = 5.0f;
    Vec3 m_PanStep;
    bool m_BounceActive = false;
    float m_BounceTimer = 0.0f;
    float m_BounceVelocity = 0.0f;
    bool m_ChildBearPending = false;

private:
    // Runs the behaviour of every logic component whose object lies within the view plus the margin.
    void UpdateLogicComponents(float dt);
    void UpdateEndScreen(float dt);
    void UpdateRespawnPan();
    void UpdateLevelComplete();
    void UpdateBounce(float dt);
    // Moves the view (and the parallax objects) by one pan step.
    static void PanView(float dx, float dy);

    Core* m_Core;
    std::string m_StartLevel;
    // The end screen up is the game-over screen (the hero is shown dying), not the win screen.
    bool m_GameOverShown = false;
    std::unique_ptr<HeroController> m_PlayerController;
};

} // namespace Framework
