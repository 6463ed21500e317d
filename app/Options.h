#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Framework
{

// Developer flags; with none the program behaves exactly as the game is meant to.
struct Options
{
    bool Headless = false;        // no window, no GPU, no sound device
    bool Windowed = false;        // start in a window instead of full screen
    uint64_t Frames = 0;          // quit after this many frames (0: run until quit)
    bool FixedStep = false;       // the clock advances 17 ms per frame, no waiting
    std::optional<unsigned> Seed; // seed of the random generator (default: the time)
    std::string ResourceDir;      // the Resources folder (default: found beside the executable)
    std::string Level;            // start in this level instead of the start-up sequence
    bool DumpState = false;       // after the loop, print the state as JSON lines
    std::string Record;           // write every frame's raw key and controller input to this file
    std::string Replay;           // read the input from this file instead of the devices
    std::string Screenshot;       // after the last frame, write the back buffer to this PNG
    uint64_t DumpEvery = 0;       // also print the state dump after every this many frames (0: never)
    uint64_t ScreenshotEvery = 0; // also write a numbered picture beside Screenshot every this many frames
    bool Check = false;           // check the data folder instead of playing
    std::string CheckDir;         // the folder --check reads (default: the game's own Resources)
    std::string Profile;          // settings and progress live here, in every mode (default: the XDG folders)
    std::string ExportFrom;       // --export-map LEVEL / --export-level MAP: the level to convert instead of playing
    std::string ExportTo;         // the file it is written to (.tmx or .tmj for a map, text for --export-level)
    bool ExportAsMap = false;     // true for --export-map, false for --export-level
    bool Watch = false;           // reload the played level when its file changes
    unsigned Width = 0;           // with Windowed, the window's size for this run (0: the settings' size)
    unsigned Height = 0;
};

// The smallest and largest window side --size accepts, in pixels (the settings file keeps the same limits).
constexpr unsigned kMinWindowSide = 320;
constexpr unsigned kMaxWindowSide = 16384;

// Result of parsing: options, or an exit code with a message when the program must stop at once.
struct ParseResult
{
    Options Values;
    std::optional<int> ExitCode;
    std::string Message;
};

// Parses argv (without the program name). Unknown flags or missing values give exit code 2.
ParseResult ParseOptions(const std::vector<std::string>& args);
// The text printed for --help and for a bad command line.
std::string UsageText();

} // namespace Framework
