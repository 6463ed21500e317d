#include "app/Options.h"
#include "app/ProgramEntry.h"
#include "engine/Core.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    Framework::ParseResult parsed = Framework::ParseOptions(args);
    if (parsed.ExitCode)
    {
        (*parsed.ExitCode == 0 ? std::cout : std::cerr) << parsed.Message;
        return *parsed.ExitCode;
    }
    Framework::Core core;
    Framework::CORE = &core;
    int result = Framework::ProgramEntry(core, parsed.Values, argc > 0 ? argv[0] : "");
    Framework::CORE = nullptr;
    return result;
}
