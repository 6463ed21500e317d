#include "data/LevelFiles.h"

#include "data/MapLevelConverter.h"
#include "data/TextSerializer.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace Framework
{

namespace
{
const char* const kLevelExtensions[] = {".json", ".tmx", ".tmj"};

bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}
} // namespace

bool IsMapFile(const std::string& path)
{
    const std::string extension = PathParts(path).Extension;
    return extension == ".tmx" || extension == ".tmj";
}

std::vector<std::string> ListLevelFiles(const std::string& folder)
{
    std::vector<std::string> files;
    std::set<std::string> names;
    for (const char* extension : kLevelExtensions)
    {
        for (const std::string& path : ListFilesSorted(folder, extension))
        {
            if (names.insert(PathParts(path).FileName).second)
            {
                files.push_back(path);
            }
        }
    }
    std::sort(files.begin(), files.end(),
              [](const std::string& a, const std::string& b) { return PathParts(a).FileName < PathParts(b).FileName; });
    return files;
}

std::string FindLevelFile(const std::string& folder, const std::string& levelName)
{
    for (const char* extension : kLevelExtensions)
    {
        const std::string path = folder + "/" + levelName + extension;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec))
        {
            return path;
        }
    }
    return folder + "/" + levelName + kLevelExtensions[0];
}

LevelFileRead ReadLevelFile(const std::string& path, const std::string& objectsFolder)
{
    LevelFileRead result;
    std::string text;
    if (!ReadWholeFile(path, text))
    {
        result.Problems.push_back({0, 0, "", "the file cannot be read (missing?)"});
        return result;
    }
    if (!IsMapFile(path))
    {
        std::string error;
        result.Ok = ParseLevelText(text, result.Document, error);
        if (!result.Ok)
        {
            result.Problems.push_back({0, 0, "", error});
        }
        result.Text = std::move(text);
        return result;
    }
    const TiledMap map = PathParts(path).Extension == ".tmx" ? ReadTmx(text) : ReadTmj(text);
    MapLevelConverter converter(objectsFolder);
    result.Ok = converter.ToDocument(map, result.Document, result.Problems);
    if (result.Ok)
    {
        result.Text = WriteLevelText(result.Document);
    }
    return result;
}

std::string DescribeProblem(const std::string& path, const MapProblem& problem)
{
    std::string line = path;
    if (problem.Line > 0)
    {
        line += ":" + std::to_string(problem.Line);
    }
    line += ": ";
    if (problem.ObjectId != 0 || !problem.ObjectName.empty())
    {
        line += "object " + std::to_string(problem.ObjectId) + " \"" + problem.ObjectName + "\" ";
    }
    return line + problem.Message;
}

bool ConvertLevelFile(const std::string& inPath, const std::string& outPath, const std::string& objectsFolder,
                      const std::string& tilesetFolder, std::string& error)
{
    LevelFileRead level = ReadLevelFile(inPath, objectsFolder);
    if (!level.Ok)
    {
        for (const MapProblem& problem : level.Problems)
        {
            error += (error.empty() ? "" : "\n") + DescribeProblem(inPath, problem);
        }
        return false;
    }
    const std::string extension = PathParts(outPath).Extension;
    std::string text;
    if (extension == ".json")
    {
        text = WriteLevelText(level.Document);
    }
    else if (extension == ".tmx" || extension == ".tmj")
    {
        MapLevelConverter converter(objectsFolder);
        converter.UseTilesets(tilesetFolder, outPath);
        std::vector<MapProblem> problems;
        const TiledMap map = converter.ToMap(level.Document, problems);
        text = extension == ".tmx" ? WriteTmx(map) : WriteTmj(map);
    }
    else
    {
        error = outPath + ": the file name must end in .tmx, .tmj or .json";
        return false;
    }
    if (!WriteWholeFile(outPath, text))
    {
        error = outPath + ": cannot be written";
        return false;
    }
    return true;
}

} // namespace Framework
