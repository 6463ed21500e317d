#pragma once

#include "data/DataTree.h"
#include "data/LevelDocument.h"
#include "data/TiledMap.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Framework
{

// Converts between a level and a Tiled map, both ways, by one mapping (README, "Levels as Tiled maps"): one map
// pixel is one world unit, world y = -map y; an object's class is its object type and its name its level key; a
// property "Block.field" overrides that field of the object type's component block, and polygons and polylines
// carry vertex lists. Object types are read from their files to know what a field overrides.
class MapLevelConverter
{
public:
    // objectsFolder holds the object type files ("<Type>.json").
    explicit MapLevelConverter(std::string objectsFolder);

    // The map of a level; entries whose blocks the map cannot say exactly are reported (none for shipped levels).
    TiledMap ToMap(const LevelDocument& document, std::vector<MapProblem>& problems);
    // The level a map says; false when a problem was found (each is added to problems).
    bool ToDocument(const TiledMap& map, LevelDocument& out, std::vector<MapProblem>& problems);
    // Tile objects: the map shows sprites from the tileset files found under this folder (see TilesetIndex).
    void UseTilesets(const std::string& tilesetFolder, const std::string& mapFile);

    // The "Object" block of an object type file, or null when the type does not exist or does not parse.
    const DataNode* TypeRoot(const std::string& typeName);

private:
    // One picture of an image-collection tileset.
    struct TileImage
    {
        size_t Tileset = 0;
        unsigned Id = 0;
        double Width = 0.0;
        double Height = 0.0;
    };
    // Reads the tilesets of the tileset folder once: each picture by its file stem, the frame name it shows.
    void IndexTilesets(TiledMap& map);
    // Makes a placed object with a sprite a tile object showing its type's default frame, when a tileset has it.
    void ShowSprite(const LevelDocumentEntry& entry, MapObject& object);
    bool ReadHeader(const TiledMap& map, LevelDocument& out, std::vector<MapProblem>& problems) const;
    bool ReadObject(const TiledMap& map, const MapObject& object, LevelDocumentEntry& entry,
                    std::vector<MapProblem>& problems);
    void WriteEntry(const LevelDocumentEntry& entry, TiledMap& map, std::vector<MapProblem>& problems);

    std::string m_ObjectsFolder;
    std::map<std::string, std::unique_ptr<DataTree>> m_Types;
    std::string m_TilesetFolder;
    std::string m_MapFile;
    std::map<std::string, TileImage> m_Tiles;
    std::vector<unsigned> m_FirstGids;
};

} // namespace Framework
