#include "app/Options.h"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace Framework
{

namespace
{
bool ParseUnsigned(const std::string& text, uint64_t& out)
{
    if (text.empty() || text[0] == '-')
    {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || end == nullptr || *end != '\0')
    {
        return false;
    }
    out = value;
    return true;
}

// Reads "WxH" with both sides within the window limits.
bool ParseSize(const std::string& text, unsigned& width, unsigned& height)
{
    const size_t cross = text.find('x');
    uint64_t w = 0;
    uint64_t h = 0;
    if (cross == std::string::npos || !ParseUnsigned(text.substr(0, cross), w) ||
        !ParseUnsigned(text.substr(cross + 1), h))
    {
        return false;
    }
    auto inRange = [](uint64_t side) { return side >= kMinWindowSide && side <= kMaxWindowSide; };
    if (!inRange(w) || !inRange(h))
    {
        return false;
    }
    width = static_cast<unsigned>(w);
    height = static_cast<unsigned>(h);
    return true;
}
} // namespace

std::string UsageText()
{
    return "usage: kibbet [--headless] [--windowed] [--frames N] [--fixed-step] [--seed N]\n"
           "              [--resources DIR] [--level NAME] [--dump-state] [--record FILE]\n"
           "              [--replay FILE] [--screenshot FILE] [--dump-every N] [--screenshot-every N]\n"
           "              [--profile DIR] [--watch] [--size WxH]\n"
           "       kibbet --check [DIR]   check the data of DIR (default: the game's own) and exit\n"
           "       kibbet --export-map LEVEL FILE     write a level (name or file) as a Tiled map (.tmx or .tmj)\n"
           "       kibbet --export-level MAP FILE     write a level (a map, name or file) as a text level\n";
}

namespace
{
// Flags that switch something on.
struct SwitchOption
{
    const char* Name;
    bool Options::*Member;
};
const SwitchOption kSwitches[] = {
    {"--headless", &Options::Headless},    {"--windowed", &Options::Windowed}, {"--fixed-step", &Options::FixedStep},
    {"--dump-state", &Options::DumpState}, {"--watch", &Options::Watch},
};

// Flags followed by a text that may not be empty.
struct TextOption
{
    const char* Name;
    std::string Options::*Member;
    const char* Needs; // what the message says the flag needs
};
const TextOption kTextOptions[] = {
    {"--resources", &Options::ResourceDir, "a folder"}, {"--level", &Options::Level, "a level name"},
    {"--record", &Options::Record, "a file"},           {"--replay", &Options::Replay, "a file"},
    {"--screenshot", &Options::Screenshot, "a file"},   {"--profile", &Options::Profile, "a folder"},
};

// Flags followed by a positive whole number.
struct CountOption
{
    const char* Name;
    uint64_t Options::*Member;
};
const CountOption kCountOptions[] = {
    {"--frames", &Options::Frames},
    {"--dump-every", &Options::DumpEvery},
    {"--screenshot-every", &Options::ScreenshotEvery},
};

// Reads the flag at args[i] (and its value, advancing i) into the options. Empty when it was read; otherwise
// the message saying what is wrong.
std::string ParseOne(const std::vector<std::string>& args, size_t& i, Options& o)
{
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    for (const SwitchOption& option : kSwitches)
    {
        if (arg == option.Name)
        {
            o.*option.Member = true;
            return {};
        }
    }
    for (const TextOption& option : kTextOptions)
    {
        if (arg == option.Name)
        {
            std::string& out = o.*option.Member;
            if (hasValue)
            {
                out = args[++i];
            }
            return hasValue && !out.empty() ? std::string() : arg + " needs " + option.Needs;
        }
    }
    for (const CountOption& option : kCountOptions)
    {
        if (arg == option.Name)
        {
            uint64_t& out = o.*option.Member;
            bool good = hasValue && ParseUnsigned(args[++i], out) && out != 0;
            return good ? std::string() : arg + " needs a positive whole number";
        }
    }
    if (arg == "--seed")
    {
        uint64_t seed = 0;
        if (!hasValue || !ParseUnsigned(args[++i], seed) || seed > 0xffffffffull)
        {
            return "--seed needs a whole number below 2^32";
        }
        o.Seed = static_cast<unsigned>(seed);
        return {};
    }
    if (arg == "--size")
    {
        if (!hasValue || !ParseSize(args[++i], o.Width, o.Height))
        {
            return "--size needs WIDTHxHEIGHT, each side " + std::to_string(kMinWindowSide) + " to " +
                   std::to_string(kMaxWindowSide) + " pixels (for example 1920x1080)";
        }
        return {};
    }
    if (arg == "--check")
    {
        o.Check = true;
        if (hasValue && args[i + 1].rfind("--", 0) != 0)
        {
            o.CheckDir = args[++i];
        }
        return {};
    }
    if (arg == "--export-map" || arg == "--export-level")
    {
        if (i + 2 >= args.size() || args[i + 1].empty() || args[i + 2].empty())
        {
            return arg + (arg == "--export-map" ? " needs a level and a map file" : " needs a map and a level file");
        }
        o.ExportAsMap = arg == "--export-map";
        o.ExportFrom = args[++i];
        o.ExportTo = args[++i];
        return {};
    }
    return "unknown option: " + arg;
}
} // namespace

ParseResult ParseOptions(const std::vector<std::string>& args)
{
    ParseResult result;
    auto fail = [&](const std::string& message)
    {
        result.ExitCode = 2;
        result.Message = message + "\n" + UsageText();
        return result;
    };
    for (size_t i = 0; i < args.size(); ++i)
    {
        if (args[i] == "--help" || args[i] == "-h")
        {
            result.ExitCode = 0;
            result.Message = UsageText();
            return result;
        }
        std::string problem = ParseOne(args, i, result.Values);
        if (!problem.empty())
        {
            return fail(problem);
        }
    }
    if (result.Values.Width != 0 && !result.Values.Windowed)
    {
        return fail("--size sets the size of a window: it needs --windowed");
    }
    if (result.Values.ScreenshotEvery != 0 && result.Values.Screenshot.empty())
    {
        return fail("--screenshot-every needs --screenshot FILE to name its pictures");
    }
    return result;
}

} // namespace Framework
