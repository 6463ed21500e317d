#pragma once

#include <string>
#include <utility>
#include <vector>

namespace Framework
{

// Every call the menus make into the game flow, kept here so a change of the flow's interface is met in one
// place. Each does nothing without a running game.

// The first playable level of the level files in name order (the start-up and menu levels, "Level_00_...",
// are not played); empty when there is none.
std::string FirstPlayableLevel(const std::vector<std::string>& levelFiles);
// Starts the first playable level at the end of this frame.
void StartFirstLevel();
// The levels the player's progress has reached that the game still has, in play order.
std::vector<std::string> ReachedLevels();
// Whether the progress has reached a level beyond the first playable one (the menu then offers to continue).
bool ProgressBeyondFirstLevel();
// Starts the named level at the end of this frame, in a time trial against its best run when asked.
void StartLevelNamed(const std::string& name, bool timeTrial);
// The record of a level in the progress: "M:SS.T" and "N/M", or dashes when it was never finished.
std::pair<std::string, std::string> LevelRecordText(const std::string& level);
// Loads the current level again, now: its objects are all new afterwards.
void RestartLevel();
// Goes to the main menu at the end of this frame.
void ReturnToMainMenu();
// Ends the program after this frame.
void QuitGame();
// The name of the level being played.
std::string CurrentLevelName();
// Whether the pause key may open the pause menu (not in the closing scene).
bool PauseAllowed();
// Whether the world is frozen (by the pause menu or by the game-over screen).
bool GamePaused();
// Switches between full screen and a window and keeps the choice in the player's settings.
void ToggleFullscreenAndSave();
// Freezes the world and lowers the music for the pause menu, or lets both go.
void PauseGame(bool paused);

} // namespace Framework
