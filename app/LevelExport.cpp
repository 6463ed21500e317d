#include "app/LevelExport.h"

#include "data/LevelFiles.h"
#include "data/TextSerializer.h"

#include <filesystem>
#include <ostream>

namespace Framework
{

namespace
{
// A level given as a file path, or by name among the data folder's levels; empty when neither exists.
std::string LevelPathOf(const std::string& level, const std::string& resourceDir)
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(level, ec))
    {
        return level;
    }
    const std::string found = FindLevelFile(resourceDir + "/Data/Levels", level);
    return std::filesystem::is_regular_file(found, ec) ? found : std::string();
}
} // namespace

int RunLevelExport(const Options& options, const std::string& resourceDir, std::ostream& err)
{
    const char* flag = options.ExportAsMap ? "--export-map" : "--export-level";
    const std::string in = LevelPathOf(options.ExportFrom, resourceDir);
    if (in.empty())
    {
        err << flag << ": no level file or level named \"" << options.ExportFrom << "\" in " << resourceDir
            << "/Data/Levels\n";
        return 1;
    }
    const bool mapOut = IsMapFile(options.ExportTo);
    if (options.ExportAsMap != mapOut)
    {
        err << flag << ": " << options.ExportTo
            << (options.ExportAsMap ? " must end in .tmx or .tmj" : " must be a text level (.json)") << "\n";
        return 1;
    }
    std::string out = options.ExportTo;
    if (!options.ExportAsMap && PathParts(out).Extension != ".json")
    {
        err << flag << ": " << out << " must end in .json\n";
        return 1;
    }
    // The art build writes the tilesets beside the data folder, in the repository's tiled/ folder.
    const std::string tilesets = resourceDir + "/../tiled/tilesets";
    std::string error;
    if (!ConvertLevelFile(in, out, resourceDir + "/Data/Objects", tilesets, error))
    {
        err << flag << ": " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace Framework
