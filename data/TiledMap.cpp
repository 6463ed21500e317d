#include "data/TiledMap.h"

#include "data/LevelDocument.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>

namespace Framework
{

namespace
{
using Json = nlohmann::ordered_json;

const MapProperty* FindIn(const std::vector<MapProperty>& properties, const std::string& name)
{
    auto found = std::find_if(properties.begin(), properties.end(),
                              [&name](const MapProperty& property) { return property.Name == name; });
    return found == properties.end() ? nullptr : &*found;
}

std::string ValueText(const Json& value)
{
    if (value.is_string())
    {
        return value.get<std::string>();
    }
    if (value.is_boolean())
    {
        return value.get<bool>() ? "true" : "false";
    }
    if (value.is_number_integer())
    {
        return std::to_string(value.get<long long>());
    }
    if (value.is_number())
    {
        return FormatNumber(value.get<double>());
    }
    return value.dump();
}

// A whole number field read through a double and range-checked, so a hostile file (1e30, -4.5) cannot overflow a
// conversion; a value out of range reads as the fallback. A field that is no number throws, as Json does.
long long WholeNumber(const Json& item, const char* key, long long fallback, double low, double high)
{
    if (!item.is_object() || !item.contains(key))
    {
        return fallback;
    }
    const double value = item.at(key).get<double>();
    return value >= low && value <= high ? static_cast<long long>(value) : fallback;
}

int IntField(const Json& item, const char* key, int fallback)
{
    return static_cast<int>(WholeNumber(item, key, fallback, -2147483648.0, 2147483647.0));
}

unsigned UnsignedField(const Json& item, const char* key, unsigned fallback)
{
    return static_cast<unsigned>(WholeNumber(item, key, fallback, 0.0, 4294967295.0));
}

std::vector<MapProperty> ReadProperties(const Json& owner)
{
    std::vector<MapProperty> properties;
    if (!owner.contains("properties"))
    {
        return properties;
    }
    for (const Json& item : owner.at("properties"))
    {
        MapProperty property;
        property.Name = item.value("name", std::string());
        property.Type = item.value("type", std::string("string"));
        property.Value = item.contains("value") ? ValueText(item.at("value")) : std::string();
        properties.push_back(std::move(property));
    }
    return properties;
}

std::vector<MapPoint> ReadPoints(const Json& list)
{
    std::vector<MapPoint> points;
    for (const Json& item : list)
    {
        points.push_back({item.value("x", 0.0), item.value("y", 0.0)});
    }
    return points;
}

MapShape ShapeOf(const Json& item)
{
    if (UnsignedField(item, "gid", 0) != 0)
    {
        return MapShape::Tile;
    }
    if (item.value("point", false))
    {
        return MapShape::Point;
    }
    if (item.value("ellipse", false))
    {
        return MapShape::Ellipse;
    }
    if (item.contains("text"))
    {
        return MapShape::Text;
    }
    if (item.contains("polygon"))
    {
        return MapShape::Polygon;
    }
    return item.contains("polyline") ? MapShape::Polyline : MapShape::Rectangle;
}

MapObject ReadObject(const Json& item)
{
    MapObject object;
    object.Id = IntField(item, "id", 0);
    object.Name = item.value("name", std::string());
    object.Class = item.contains("type") ? item.value("type", std::string()) : item.value("class", std::string());
    object.X = item.value("x", 0.0);
    object.Y = item.value("y", 0.0);
    object.Width = item.value("width", 0.0);
    object.Height = item.value("height", 0.0);
    object.Rotation = item.value("rotation", 0.0);
    object.Gid = UnsignedField(item, "gid", 0);
    object.Shape = ShapeOf(item);
    object.Properties = ReadProperties(item);
    if (object.Shape == MapShape::Polygon || object.Shape == MapShape::Polyline)
    {
        object.Points = ReadPoints(item.at(object.Shape == MapShape::Polygon ? "polygon" : "polyline"));
    }
    return object;
}

void ReadLayers(const Json& layers, TiledMap& map)
{
    for (const Json& layer : layers)
    {
        const std::string kind = layer.value("type", std::string());
        if (kind == "objectgroup")
        {
            for (const Json& item : layer.value("objects", Json::array()))
            {
                map.Objects.push_back(ReadObject(item));
            }
        }
        else
        {
            map.Problems.push_back({0, 0, "",
                                    "the " + kind + " \"" + layer.value("name", std::string()) +
                                        "\" is not an object layer; a level is made of object layers only"});
        }
    }
}

Json PropertyValue(const MapProperty& property)
{
    if (property.Type == "float")
    {
        return std::strtod(property.Value.c_str(), nullptr);
    }
    if (property.Type == "int" || property.Type == "object")
    {
        return std::strtoll(property.Value.c_str(), nullptr, 10);
    }
    if (property.Type == "bool")
    {
        return property.Value == "true";
    }
    return property.Value;
}

Json WriteProperties(const std::vector<MapProperty>& properties)
{
    Json list = Json::array();
    for (const MapProperty& property : properties)
    {
        list.push_back({{"name", property.Name}, {"type", property.Type}, {"value", PropertyValue(property)}});
    }
    return list;
}

// Whole numbers are written without a fraction, as Tiled writes them.
Json Number(double value)
{
    const std::string text = FormatNumber(value);
    return text.find_first_of(".e") == std::string::npos ? Json(std::strtoll(text.c_str(), nullptr, 10)) : Json(value);
}

Json WriteObject(const MapObject& object)
{
    Json item;
    if (object.Shape == MapShape::Tile)
    {
        item["gid"] = object.Gid;
    }
    item["height"] = Number(object.Height);
    item["id"] = object.Id;
    item["name"] = object.Name;
    if (object.Shape == MapShape::Point)
    {
        item["point"] = true;
    }
    if (object.Shape == MapShape::Polygon || object.Shape == MapShape::Polyline)
    {
        Json points = Json::array();
        for (const MapPoint& point : object.Points)
        {
            points.push_back({{"x", Number(point.X)}, {"y", Number(point.Y)}});
        }
        item[object.Shape == MapShape::Polygon ? "polygon" : "polyline"] = points;
    }
    if (!object.Properties.empty())
    {
        item["properties"] = WriteProperties(object.Properties);
    }
    item["rotation"] = 0;
    item["type"] = object.Class;
    item["visible"] = true;
    item["width"] = Number(object.Width);
    item["x"] = Number(object.X);
    item["y"] = Number(object.Y);
    return item;
}
} // namespace

const MapProperty* MapObject::FindProperty(const std::string& name) const
{
    return FindIn(Properties, name);
}

const MapProperty* TiledMap::FindProperty(const std::string& name) const
{
    return FindIn(Properties, name);
}

TiledMap ReadTmj(const std::string& text)
{
    TiledMap map;
    try
    {
        const Json root = Json::parse(text);
        if (!root.is_object() || root.value("type", std::string("map")) != "map")
        {
            map.Problems.push_back({0, 0, "", "not a map: the JSON is not a Tiled map object"});
            return map;
        }
        map.Properties = ReadProperties(root);
        for (const Json& tileset : root.value("tilesets", Json::array()))
        {
            map.Tilesets.push_back({UnsignedField(tileset, "firstgid", 1), tileset.value("source", std::string())});
        }
        ReadLayers(root.value("layers", Json::array()), map);
    }
    catch (const Json::exception& error)
    {
        map.Objects.clear();
        map.Problems.push_back({0, 0, "", std::string("not a map: ") + error.what()});
    }
    return map;
}

std::string WriteTmj(const TiledMap& map)
{
    int nextId = 1;
    Json objects = Json::array();
    for (const MapObject& object : map.Objects)
    {
        nextId = std::max(nextId, object.Id + 1);
        objects.push_back(WriteObject(object));
    }
    Json layer = {{"draworder", "index"}, {"id", 1},      {"name", "Objects"},
                  {"objects", objects},   {"opacity", 1}, {"type", "objectgroup"},
                  {"visible", true},      {"x", 0},       {"y", 0}};
    Json tilesets = Json::array();
    for (const MapTileset& tileset : map.Tilesets)
    {
        tilesets.push_back({{"firstgid", tileset.FirstGid}, {"source", tileset.Source}});
    }
    Json root = {{"compressionlevel", -1},         {"height", 100},    {"infinite", false},
                 {"layers", Json::array({layer})}, {"nextlayerid", 2}, {"nextobjectid", nextId},
                 {"orientation", "orthogonal"}};
    if (!map.Properties.empty())
    {
        root["properties"] = WriteProperties(map.Properties);
    }
    root["renderorder"] = "right-down";
    root["tiledversion"] = "1.8.2";
    root["tileheight"] = 64;
    root["tilesets"] = tilesets;
    root["tilewidth"] = 64;
    root["type"] = "map";
    root["version"] = "1.8";
    root["width"] = 100;
    return root.dump(1) + "\n";
}

} // namespace Framework
