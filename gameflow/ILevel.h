#pragma once

#include "platform/Vector.h"
#include "ui/PauseMenu.h"

#include <string>

namespace Framework
{

// A level as the level manager drives it; its objects come from the level file.
class ILevel
{
public:
    ILevel() = default;
    virtual ~ILevel() = default;
    ILevel(const ILevel&) = delete;
    ILevel& operator=(const ILevel&) = delete;

    // After the level file's objects exist.
    virtual void Load() {}
    // After Load: drops the camera's look-ahead and calls ResetForLevel on every system.
    virtual void Initialize();
    virtual void PreUpdate(float dt) { (void)dt; }
    virtual void Update(float dt) = 0;
    virtual void PostUpdate(float dt) { (void)dt; }
    // Before another level (or this one again) is loaded: clears the camera locks and every object.
    virtual void Unload();
    // The textures this level keeps may go on loading while it runs, each before anything is drawn with it;
    // otherwise they are loaded before it starts (the start-up screens, which show while the rest loads,
    // say yes).
    virtual bool LetsTexturesStream() const { return false; }

    // The level's music, from the level file's "TrackName".
    std::string m_TrackName;
    // The camera lock, from the level file's "CameraLock".
    Vec2 m_CameraLock;
    // Where the hero respawns.
    Vec2 m_Checkpoint;
    // Where the hero stood when the level started; a checkpoint elsewhere has been reached since.
    Vec2 m_HeroStart;
};

// A level loaded from a file by name. It starts black: the level file's start volumes fade it in.
class Level_Generic : public ILevel
{
public:
    // Creates the heads-up display (the pause menu's pictures among them) and blacks the screen out.
    void Load() override;
    // Closes the pause menu; counts the pollen, puts the checkpoint at the hero, starts the music, locks
    // and aims the camera.
    void Initialize() override;
    // Opens the pause menu on the pause key; while the game is paused, runs its current page.
    void Update(float dt) override;
    // Forgets the pause menu's items with the level's objects.
    void Unload() override;

    int m_PollenCount = 0;
    PauseMenu m_PauseMenu;
};

} // namespace Framework
