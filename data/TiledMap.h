#pragma once

#include <string>
#include <vector>

namespace Framework
{

// A custom property as the map file holds it: Tiled's type name ("string", "float", "int", "bool", "object", ...)
// and the value as text (numbers as written, booleans "true"/"false", object references as the object id).
struct MapProperty
{
    std::string Name;
    std::string Type = "string";
    std::string Value;
};

// The kinds of object Tiled draws. Only points, rectangles, polygons, polylines and tile objects carry levels.
enum class MapShape
{
    Point,
    Rectangle,
    Polygon,
    Polyline,
    Tile,
    Ellipse,
    Text,
};

struct MapPoint
{
    double X = 0.0;
    double Y = 0.0;
};

// One object of an object layer, in map pixels (y down), exactly as the file gives it.
struct MapObject
{
    int Id = 0;
    std::string Name;
    // Tiled 1.8's "type"; 1.9 and later call it "class".
    std::string Class;
    double X = 0.0;
    double Y = 0.0;
    double Width = 0.0;
    double Height = 0.0;
    double Rotation = 0.0;
    MapShape Shape = MapShape::Rectangle;
    // Polygon and polyline points, relative to X, Y.
    std::vector<MapPoint> Points;
    // Tile objects: the global tile id, flip bits included.
    unsigned Gid = 0;
    std::vector<MapProperty> Properties;
    // The line of the object in a .tmx file; 0 for .tmj.
    int Line = 0;

    // The property with the name, or null.
    const MapProperty* FindProperty(const std::string& name) const;
};

// A tileset the map refers to.
struct MapTileset
{
    unsigned FirstGid = 1;
    std::string Source;
};

// A fault of a map file, placed as precisely as the file allows.
struct MapProblem
{
    int Line = 0;
    int ObjectId = 0;
    std::string ObjectName;
    std::string Message;
};

// A Tiled map reduced to what a level needs: its own properties and the objects of its object layers, in layer
// order then object order (the game's draw and update order).
struct TiledMap
{
    std::vector<MapProperty> Properties;
    std::vector<MapObject> Objects;
    std::vector<MapTileset> Tilesets;
    // What the reader could not take: unsupported layers, a file that does not parse.
    std::vector<MapProblem> Problems;

    // The map property with the name, or null.
    const MapProperty* FindProperty(const std::string& name) const;
};

// Reads a .tmx (XML) map from its text; faults go to the map's Problems.
TiledMap ReadTmx(const std::string& text);
// Reads a .tmj (JSON) map from its text; faults go to the map's Problems.
TiledMap ReadTmj(const std::string& text);
// Writes the map as Tiled 1.8 writes a .tmx file.
std::string WriteTmx(const TiledMap& map);
// Writes the map as Tiled 1.8 writes a .tmj file.
std::string WriteTmj(const TiledMap& map);

} // namespace Framework
