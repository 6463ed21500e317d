#pragma once

#include "input/Bindings.h"

#include <string>

namespace Framework
{

// The options a player expects the game to remember between runs.
struct PlayerSettings
{
    unsigned Width = 1280;
    unsigned Height = 720;
    bool Fullscreen = true;
    // Master volume in tenths, 0 to 10.
    int SoundLevel = 10;
    // The volume sound returns to when it is turned back on, 1 to 10.
    int UnmuteLevel = 10;
    // The keys and buttons of the game actions.
    Bindings Controls = Bindings::Defaults();
};

// Reads a settings file; a missing or broken file gives the defaults and one log line.
PlayerSettings ReadSettingsFile(const std::string& path);
// Writes the settings through a temporary file, creating the folder; false (and a log line) on failure.
bool WriteSettingsFile(const std::string& path, const PlayerSettings& settings);

// Keeps the player's settings in this file from now on; an empty path keeps nothing, which is how test
// runs stay independent of a player's choices.
void UseSettingsFile(const std::string& path);
// The file in use, or empty.
const std::string& SettingsFilePath();
// The settings read at start-up or last saved; the defaults when no file is in use.
const PlayerSettings& CurrentSettings();
// Sets what start-up read (without writing the file).
void SetCurrentSettings(const PlayerSettings& settings);
// Takes the window's resolution, the full-screen state, the master volume and the bindings from the running
// game and writes them, when a file is in use.
void SaveCurrentSettings();

} // namespace Framework
