#pragma once

#include "engine/ISystem.h"
#include "gameflow/LevelManager.h"

#include <string>
#include <vector>

namespace Framework
{

class GameLogicComponent;

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

    // Starts the game in this level instead of the start-up sequence (developer flag --level), at the end of
    // the first frame as a level chosen in play.
    void SetStartLevel(const std::string& name) { m_StartLevel = name; }

    std::vector<GameLogicComponent*> m_LogicComponents;
    LevelManager m_LevelManager;
    bool m_PauseAllowed = true;
    // True while the camera pans back to the checkpoint after a death; the hero cannot die again then.
    bool m_RespawnPanActive = false;

private:
    Core* m_Core;
    std::string m_StartLevel;
};

} // namespace Framework
