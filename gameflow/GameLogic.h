#pragma once

#include "engine/ISystem.h"
#include "gameflow/LevelManager.h"

#include <memory>
#include <string>
#include <vector>

namespace Framework
{

class GameLogicComponent;
class GameObjectComposition;
class HeroController;

// Runs the flow of the game: which level is loaded and when it changes, the actors near the view and the hero.
class GameLogic : public ISystem
{
public:
    explicit GameLogic(Core* core);
    ~GameLogic() override;

    // Shows the loading level and lists the level files (or starts the level chosen at start-up).
    void Initialize() override;
    // Starts the splash level, unless a start level was chosen.
    void Load() override;
    // Forgets the hero of the old level and gives the player control again.
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

    // The hero has died (for now only by leaving the region the physics simulates); starts the death
    // and respawn flow. Virtual so tests can watch the physics call it.
    virtual void HeroDied();

    // Starts the game in this level instead of the start-up sequence (developer flag --level), at the end of
    // the first frame as a level chosen in play.
    void SetStartLevel(const std::string& name) { m_StartLevel = name; }

    // The live object named "Kibbet", or null.
    GameObjectComposition* FindHero() const;
    // The hero's controller; never null.
    HeroController& PlayerController() const { return *m_PlayerController; }

    // How far beyond the view, in units, actors still move: farther ones are frozen.
    static constexpr float kActiveMargin = 150.0f;

    std::vector<GameLogicComponent*> m_LogicComponents;
    LevelManager m_LevelManager;
    bool m_PauseAllowed = true;
    // An end screen waits for a key.
    bool m_EndScreenActive = false;
    // While set, the player steers the hero (its controller runs every unpaused frame).
    bool m_PlayerControl = true;
    // True while the camera pans back to the checkpoint after a death; the hero cannot die again then.
    bool m_RespawnPanActive = false;
    // Set by a hiding place the hero touches; cleared at the end of every update; enemies read it.
    bool m_HeroHidden = false;

private:
    // Runs the behaviour of every logic component whose object lies within the view plus the margin.
    void UpdateLogicComponents(float dt);
    // The game's own per-frame flow for the hero (knock-back, scripted walks, respawn, level end).
    void UpdateHeroFlow(GameObjectComposition* hero, float dt);
    // Waits on an end screen for a key.
    void UpdateEndScreen(float dt);

    Core* m_Core;
    std::string m_StartLevel;
    std::unique_ptr<HeroController> m_PlayerController;
};

} // namespace Framework
