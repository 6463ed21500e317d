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

// The hero's state that the enemies read and write.
constexpr int HeroRoll = 5;
struct HeroController
{
    int m_State = 0;
    GameObjectComposition* m_AttackObject = nullptr;
};

// Runs the flow of the game: which level is loaded and when it changes.
class GameLogic : public ISystem
{
public:
    explicit GameLogic(Core* core);
    ~GameLogic() override;

    // Shows the loading level and lists the level files (or starts the level chosen at start-up).
    void Initialize() override;
    // Starts the splash level, unless a start level was chosen.
    void Load() override;
    void Update(float dt) override;
    IComponent* CreateComponent(int key) override;
    IComponent* CreatePrototypeComponent(int key) override;
    void DestroyComponent(IComponent* component) override;
    std::string GetName() const override { return "Game_Logic"; }
    Core* GetCore() const override { return m_Core; }

    // The hero has died (for now only by leaving the region the physics simulates); starts the death
    // and respawn flow. Virtual so tests can watch the physics call it.
    virtual void HeroDied();

    // Knocks the hero back from the other object.
    void StartBounce(GameObjectComposition* other) { (void)other; }
    // The boss level's closing scene: starts it when the level is complete, then walks the hero.
    void StartBossOutro();
    void UpdateBossOutro();

    // Starts the game in this level instead of the start-up sequence (developer flag --level).
    void SetStartLevel(const std::string& name) { m_StartLevel = name; }

    std::vector<GameLogicComponent*> m_LogicComponents;
    LevelManager m_LevelManager;
    bool m_PauseAllowed = true;
    // True while the camera pans back to the checkpoint after a death; the hero cannot die again then.
    bool m_RespawnPanActive = false;
    bool m_RespawnPanEnabled = true;
    bool m_PlayerControl = true;
    bool m_LevelComplete = false;
    bool m_BossOutroActive = false;
    bool m_HeroHidden = false;
    bool m_ChildBearPending = false;
    std::unique_ptr<HeroController> m_PlayerController = std::make_unique<HeroController>();

private:
    Core* m_Core;
    std::string m_StartLevel;
};

} // namespace Framework
