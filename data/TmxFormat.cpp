#include "data/LevelDocument.h"
#include "data/TiledMap.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace Framework
{

namespace
{
// Line numbers of byte offsets, from the offsets where lines start.
class LineIndex
{
public:
    explicit LineIndex(const std::string& text)
    {
        m_Starts.push_back(0);
        for (size_t i = 0; i < text.size(); ++i)
        {
            if (text[i] == '\n')
            {
                m_Starts.push_back(i + 1);
            }
        }
    }
    int LineOf(ptrdiff_t offset) const
    {
        if (offset < 0)
        {
            return 0;
        }
        auto after = std::upper_bound(m_Starts.begin(), m_Starts.end(), static_cast<size_t>(offset));
        return static_cast<int>(after - m_Starts.begin());
    }

private:
    std::vector<size_t> m_Starts;
};

std::vector<MapProperty> ReadProperties(const pugi::xml_node& owner)
{
    std::vector<MapProperty> properties;
    for (pugi::xml_node node : owner.child("properties").children("property"))
    {
        MapProperty property;
        property.Name = node.attribute("name").as_string();
        property.Type = node.attribute("type").as_string("string");
        // A string with line breaks is kept as the element's text instead of an attribute.
        property.Value = node.attribute("value") ? node.attribute("value").as_string() : node.text().as_string();
        properties.push_back(std::move(property));
    }
    return properties;
}

std::vector<MapPoint> ReadPoints(const char* text)
{
    std::vector<MapPoint> points;
    std::istringstream in(text);
    std::string pair;
    while (in >> pair)
    {
        const size_t comma = pair.find(',');
        MapPoint point;
        point.X = std::strtod(pair.substr(0, comma).c_str(), nullptr);
        point.Y = comma == std::string::npos ? 0.0 : std::strtod(pair.substr(comma + 1).c_str(), nullptr);
        points.push_back(point);
    }
    return points;
}

MapObject ReadObject(const pugi::xml_node& node, const LineIndex& lines)
{
    MapObject object;
    object.Id = node.attribute("id").as_int();
    object.Name = node.attribute("name").as_string();
    object.Class = node.attribute("type") ? node.attribute("type").as_string() : node.attribute("class").as_string();
    object.X = node.attribute("x").as_double();
    object.Y = node.attribute("y").as_double();
    object.Width = node.attribute("width").as_double();
    object.Height = node.attribute("height").as_double();
    object.Rotation = node.attribute("rotation").as_double();
    object.Gid = node.attribute("gid").as_uint();
    object.Line = lines.LineOf(node.offset_debug());
    object.Properties = ReadProperties(node);
    if (object.Gid != 0)
    {
        object.Shape = MapShape::Tile;
    }
    else if (node.child("point"))
    {
        object.Shape = MapShape::Point;
    }
    else if (node.child("ellipse"))
    {
        object.Shape = MapShape::Ellipse;
    }
    else if (node.child("text"))
    {
        object.Shape = MapShape::Text;
    }
    else if (pugi::xml_node polygon = node.child("polygon"))
    {
        object.Shape = MapShape::Polygon;
        object.Points = ReadPoints(polygon.attribute("points").as_string());
    }
    else if (pugi::xml_node polyline = node.child("polyline"))
    {
        object.Shape = MapShape::Polyline;
        object.Points = ReadPoints(polyline.attribute("points").as_string());
    }
    return object;
}

void WriteProperties(pugi::xml_node owner, const std::vector<MapProperty>& properties)
{
    if (properties.empty())
    {
        return;
    }
    pugi::xml_node list = owner.append_child("properties");
    for (const MapProperty& property : properties)
    {
        pugi::xml_node node = list.append_child("property");
        node.append_attribute("name") = property.Name.c_str();
        if (property.Type != "string")
        {
            node.append_attribute("type") = property.Type.c_str();
        }
        node.append_attribute("value") = property.Value.c_str();
    }
}

void SetNumber(pugi::xml_node node, const char* name, double value)
{
    node.append_attribute(name) = FormatNumber(value).c_str();
}

std::string JoinPoints(const std::vector<MapPoint>& points)
{
    std::string text;
    for (const MapPoint& point : points)
    {
        text += (text.empty() ? "" : " ") + FormatNumber(point.X) + "," + FormatNumber(point.Y);
    }
    return text;
}

void WriteObject(pugi::xml_node group, const MapObject& object)
{
    pugi::xml_node node = group.append_child("object");
    node.append_attribute("id") = object.Id;
    if (!object.Name.empty())
    {
        node.append_attribute("name") = object.Name.c_str();
    }
    if (!object.Class.empty())
    {
        node.append_attribute("type") = object.Class.c_str();
    }
    if (object.Shape == MapShape::Tile)
    {
        node.append_attribute("gid") = object.Gid;
    }
    SetNumber(node, "x", object.X);
    SetNumber(node, "y", object.Y);
    if (object.Shape == MapShape::Tile || object.Shape == MapShape::Rectangle)
    {
        SetNumber(node, "width", object.Width);
        SetNumber(node, "height", object.Height);
    }
    WriteProperties(node, object.Properties);
    if (object.Shape == MapShape::Point)
    {
        node.append_child("point");
    }
    else if (object.Shape == MapShape::Polygon || object.Shape == MapShape::Polyline)
    {
        pugi::xml_node points = node.append_child(object.Shape == MapShape::Polygon ? "polygon" : "polyline");
        points.append_attribute("points") = JoinPoints(object.Points).c_str();
    }
}
} // namespace

TiledMap ReadTmx(const std::string& text)
{
    TiledMap map;
    LineIndex lines(text);
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_buffer(text.data(), text.size());
    if (!result)
    {
        map.Problems.push_back({lines.LineOf(result.offset), 0, "", std::string("not a map: ") + result.description()});
        return map;
    }
    pugi::xml_node root = document.child("map");
    if (!root)
    {
        map.Problems.push_back({1, 0, "", "not a map: no <map> element"});
        return map;
    }
    map.Properties = ReadProperties(root);
    for (pugi::xml_node node : root.children())
    {
        const std::string kind = node.name();
        if (kind == "tileset")
        {
            map.Tilesets.push_back({node.attribute("firstgid").as_uint(1), node.attribute("source").as_string()});
        }
        else if (kind == "objectgroup")
        {
            for (pugi::xml_node object : node.children("object"))
            {
                map.Objects.push_back(ReadObject(object, lines));
            }
        }
        else if (kind == "layer" || kind == "imagelayer" || kind == "group")
        {
            map.Problems.push_back({lines.LineOf(node.offset_debug()), 0, "",
                                    "the " + kind + " \"" + node.attribute("name").as_string() +
                                        "\" is not an object layer; a level is made of object layers only"});
        }
    }
    return map;
}

std::string WriteTmx(const TiledMap& map)
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("map");
    root.append_attribute("version") = "1.8";
    root.append_attribute("tiledversion") = "1.8.2";
    root.append_attribute("orientation") = "orthogonal";
    root.append_attribute("renderorder") = "right-down";
    root.append_attribute("width") = 100;
    root.append_attribute("height") = 100;
    root.append_attribute("tilewidth") = 64;
    root.append_attribute("tileheight") = 64;
    root.append_attribute("infinite") = 0;
    root.append_attribute("nextlayerid") = 2;
    int nextId = 1;
    for (const MapObject& object : map.Objects)
    {
        nextId = std::max(nextId, object.Id + 1);
    }
    root.append_attribute("nextobjectid") = nextId;
    WriteProperties(root, map.Properties);
    for (const MapTileset& tileset : map.Tilesets)
    {
        pugi::xml_node node = root.append_child("tileset");
        node.append_attribute("firstgid") = tileset.FirstGid;
        node.append_attribute("source") = tileset.Source.c_str();
    }
    pugi::xml_node group = root.append_child("objectgroup");
    group.append_attribute("id") = 1;
    group.append_attribute("name") = "Objects";
    group.append_attribute("draworder") = "index";
    for (const MapObject& object : map.Objects)
    {
        WriteObject(group, object);
    }
    std::ostringstream out;
    document.save(out, " ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

} // namespace Framework
