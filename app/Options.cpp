#include "app/Options.h"

#include <cerrno>
#include <cstdlib>

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
} // namespace

std::string UsageText()
{
    return "usage: kibbet [--headless] [--windowed] [--frames N] [--fixed-step] [--seed N]\n"
           "              [--resources DIR] [--level NAME] [--dump-state] [--record FILE]\n"
           "              [--replay FILE] [--screenshot FILE] [--dump-every N] [--screenshot-every N]\n"
           "       kibbet --check [DIR]   check the data of DIR (default: the game's own) and exit\n";
}

ParseResult ParseOptions(const std::vector<std::string>& args)
{
    ParseResult result;
    Options& o = result.Values;
    auto fail = [&](const std::string& message)
    {
        result.ExitCode = 2;
        result.Message = message + "\n" + UsageText();
        return result;
    };
    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& arg = args[i];
        auto value = [&](std::string& out)
        {
            if (i + 1 >= args.size())
            {
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h")
        {
            result.ExitCode = 0;
            result.Message = UsageText();
            return result;
        }
        else if (arg == "--headless")
        {
            o.Headless = true;
        }
        else if (arg == "--windowed")
        {
            o.Windowed = true;
        }
        else if (arg == "--fixed-step")
        {
            o.FixedStep = true;
        }
        else if (arg == "--dump-state")
        {
            o.DumpState = true;
        }
        else if (arg == "--check")
        {
            o.Check = true;
            if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0)
            {
                o.CheckDir = args[++i];
            }
        }
        else if (arg == "--frames")
        {
            if (!value(text) || !ParseUnsigned(text, o.Frames) || o.Frames == 0)
            {
                return fail("--frames needs a positive whole number");
            }
        }
        else if (arg == "--seed")
        {
            uint64_t seed = 0;
            if (!value(text) || !ParseUnsigned(text, seed) || seed > 0xffffffffull)
            {
                return fail("--seed needs a whole number below 2^32");
            }
            o.Seed = static_cast<unsigned>(seed);
        }
        else if (arg == "--resources")
        {
            if (!value(o.ResourceDir) || o.ResourceDir.empty())
            {
                return fail("--resources needs a folder");
            }
        }
        else if (arg == "--level")
        {
            if (!value(o.Level) || o.Level.empty())
            {
                return fail("--level needs a level name");
            }
        }
        else if (arg == "--record")
        {
            if (!value(o.Record) || o.Record.empty())
            {
                return fail("--record needs a file");
            }
        }
        else if (arg == "--replay")
        {
            if (!value(o.Replay) || o.Replay.empty())
            {
                return fail("--replay needs a file");
            }
        }
        else if (arg == "--screenshot")
        {
            if (!value(o.Screenshot) || o.Screenshot.empty())
            {
                return fail("--screenshot needs a file");
            }
        }
        else if (arg == "--dump-every")
        {
            if (!value(text) || !ParseUnsigned(text, o.DumpEvery) || o.DumpEvery == 0)
            {
                return fail("--dump-every needs a positive whole number");
            }
        }
        else if (arg == "--screenshot-every")
        {
            if (!value(text) || !ParseUnsigned(text, o.ScreenshotEvery) || o.ScreenshotEvery == 0)
            {
                return fail("--screenshot-every needs a positive whole number");
            }
        }
        else
        {
            return fail("unknown option: " + arg);
        }
    }
    if (o.ScreenshotEvery != 0 && o.Screenshot.empty())
    {
        return fail("--screenshot-every needs --screenshot FILE to name its pictures");
    }
    return result;
}

} // namespace Framework
