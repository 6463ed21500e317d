#include "app/LevelExport.h"
#include "app/Options.h"
#include "app/ProgramEntry.h"
#include "check/DataChecker.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "platform/LargePages.h"

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
    std::string program = Framework::RunningProgramPath(argc > 0 ? argv[0] : "");
    if (parsed.Values.Check)
    {
        const Framework::Options& o = parsed.Values;
        std::string dir = !o.CheckDir.empty() ? o.CheckDir : o.ResourceDir;
        if (dir.empty())
        {
            dir = Framework::FindResourceRootNear(program);
        }
        return Framework::RunDataCheck(dir.empty() ? std::string("Resources") : dir, std::cout);
    }
    if (!parsed.Values.ExportFrom.empty())
    {
        const std::string& given = parsed.Values.ResourceDir;
        const std::string dir = !given.empty() ? given : Framework::FindResourceRootNear(program);
        return Framework::RunLevelExport(parsed.Values, dir.empty() ? std::string("Resources") : dir, std::cerr);
    }
    // Headless runs load no pictures and gain nothing from a restart.
    if (!parsed.Values.Headless)
    {
        Framework::RestartWithLargePages(argv);
    }
    Framework::Core core;
    Framework::CORE = &core;
    int result = Framework::ProgramEntry(core, parsed.Values, program);
    Framework::CORE = nullptr;
    return result;
}
