#pragma once

#include "data/LevelDocument.h"
#include "data/TiledMap.h"

#include <string>
#include <vector>

namespace Framework
{

// A level file read into level text, whichever of the game's formats it is written in.
struct LevelFileRead
{
    bool Ok = false;
    // The level in the text format, for the Factory's reader.
    std::string Text;
    LevelDocument Document;
    std::vector<MapProblem> Problems;
};

// True for a Tiled map file (".tmx" or ".tmj").
bool IsMapFile(const std::string& path);
// The level files of a folder: text levels (".json") and maps (".tmx", ".tmj"), sorted by file name; of two
// files with one name the text level comes first, then the .tmx.
std::vector<std::string> ListLevelFiles(const std::string& folder);
// The file of the level name in the folder: its ".json", ".tmx" or ".tmj" file, in that order; the ".json" path
// when none exists.
std::string FindLevelFile(const std::string& folder, const std::string& levelName);
// Reads a level file of any format; maps are converted by the object types of objectsFolder. A missing or
// unreadable file is a problem.
LevelFileRead ReadLevelFile(const std::string& path, const std::string& objectsFolder);
// One problem of a level file as a log line: "file:line: object ID "NAME": message".
std::string DescribeProblem(const std::string& path, const MapProblem& problem);
// Writes the level of inPath (any format) to outPath in the format its extension names (".tmx", ".tmj",
// ".json"); tile objects show sprites when tilesetFolder holds the art's tilesets. False with a message on a
// fault.
bool ConvertLevelFile(const std::string& inPath, const std::string& outPath, const std::string& objectsFolder,
                      const std::string& tilesetFolder, std::string& error);

} // namespace Framework
