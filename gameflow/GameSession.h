#pragma once

#include <string>
#include <vector>

namespace Framework
{

// Lives a level starts with.
constexpr int kStartLives = 3;

// The rules' values of one attempt at a level. Every level start (a new level, a restart, a game over's
// restart) builds a new one, so nothing of one attempt reaches the next.
struct LevelRules
{
    // Lives left; the heads-up display shows them as heads.
    int Lives = kStartLives;
    // A life was already taken this frame: a second death in the same frame costs nothing.
    bool LifeLostThisFrame = false;
    // The level's "Pollen_1" objects, counted at the start, and those collected since.
    int PollenTotal = 0;
    int PollenCollected = 0;
    // The names of the energy bars in meter order, and the meter's refill clock after a roll emptied it.
    std::vector<std::string> EnergyBars;
    float BarRefillTimer = 0.0f;
    bool BarRefillActive = false;
    // Milliseconds of game time in this attempt: counted while the level is played, not while the game is paused,
    // an end screen is up or the level is complete.
    int TimerMs = 0;
    // A death pans the view back to the checkpoint; the boss turns it off where the view must not move.
    bool RespawnPanEnabled = true;
};

// The game being played: the rules of the current attempt at a level. Owned by the game logic.
class GameSession
{
public:
    // Starts a new attempt: every value back to its start, the pollen total as counted in the level.
    void StartLevel(int pollenTotal);
    // Takes one life unless one was taken this frame; returns true when a life was taken.
    bool LoseLife();
    // Ends the frame: the next death costs a life again.
    void EndFrame() { m_Level.LifeLostThisFrame = false; }
    // The current attempt's values.
    LevelRules& Level() { return m_Level; }
    const LevelRules& Level() const { return m_Level; }

private:
    LevelRules m_Level;
};

} // namespace Framework
