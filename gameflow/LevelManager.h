#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Framework
{

class ILevel;

// Holds one level object per level name and carries out level changes between frames.
class LevelManager
{
public:
    LevelManager();
    ~LevelManager();
    LevelManager(const LevelManager&) = delete;
    LevelManager& operator=(const LevelManager&) = delete;

    // Makes the named level current now: unloads the old one, loads the file and starts the new one.
    void ChangeLevel(const std::string& name);
    // Reloads the current level's file and starts it again.
    void RestartLevel();
    // Requests the level after the current one in file order (after the last: entry m_WrapIndex).
    void NextLevel();
    // The level NextLevel would request now; empty without level files.
    std::string NextLevelName() const;
    // Runs the current level's frame, then a requested level change.
    void UpdateLevel(float dt);
    // Asks for a level change at the end of the next UpdateLevel.
    void RequestLevel(const std::string& name) { m_PendingLevelName = name; }
    std::string GetCurrentLevelName() const { return m_CurrentLevelName; }
    // The file the current level was last read from (empty before the first level).
    const std::string& CurrentLevelFile() const { return m_CurrentLevelFile; }
    // Keeps the textures the current level draws and decodes those of the named level ahead (behind an exit
    // walk or a menu), so its start waits for none of them.
    void PrepareTexturesFor(const std::string& nextLevel);
    // Keeps the textures the current level draws and decodes those of these object types ahead, then the
    // pictures of the level named last, which wait decoded until it starts.
    void PrepareTexturesOfTypes(const std::vector<std::string>& typeNames, const std::string& thenLevel);
    // Adds a level object under a name (the fixed levels are made this way); the manager owns it.
    void AddLevel(const std::string& name, std::unique_ptr<ILevel> level);

    ILevel* m_CurrentLevel = nullptr;
    std::string m_CurrentLevelName;
    std::string m_PendingLevelName;
    std::map<std::string, std::unique_ptr<ILevel>> m_Levels;
    std::vector<std::string> m_LevelFiles;
    int m_LevelIndex = 0;
    int m_WrapIndex = 1;

private:
    std::string m_CurrentLevelFile;
    // The texture layers the current level draws.
    std::set<int> m_CurrentLayers;

    // Has the Factory read the current level's file, then gives the level its track and camera lock and the
    // camera its target, the hero.
    void LoadLevelFile();
    // False (each fault logged) when the level's file is a map that does not read, so the level is not started.
    bool LevelFileReads(const std::string& name) const;
    // Keeps the textures of the level being entered and loads those missing, unless it lets them stream; the
    // start-up screens and the menu also keep those of the screens around them and of the first level.
    void ChooseTextures();
    // Clears the flow state of the level left, then runs the current level's Load and Initialize.
    void StartCurrentLevel();
};

// With KIBBET_LOAD_TIMES set in the environment, logs the event with the wall-clock time (seconds since the
// epoch), so a benchmark can time level changes against its own clock; otherwise does nothing.
void LogLevelTiming(const std::string& event);

} // namespace Framework
