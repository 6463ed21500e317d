#include "data/MapFields.h"

#include "data/LevelDocument.h"

#include <cstdlib>

namespace Framework::MapFields
{

namespace
{
// A value of the text format written in a string property, as the node it stands for; false when it does not
// read.
bool ParseValue(const std::string& text, DataNode& out, std::string& error)
{
    DataTree tree = DataTree::Parse("{\n\"v\" : " + text + "\n}");
    if (!tree.Error.empty() || tree.Root.Children.size() != 1)
    {
        error = "does not read as a value of the text format: " + tree.Error;
        return false;
    }
    const std::string name = out.Name;
    out = tree.Root.Children[0];
    out.Name = name;
    return true;
}
} // namespace

std::string FieldName(const DataNode& node)
{
    return node.Name == kEmptyListName ? kPathListName : node.Name;
}

double NumberOf(const DataNode& node)
{
    return std::strtod(node.Text.c_str(), nullptr);
}

// The node a property path names ("Body.m_Polygon.m_Offsets", "Emitter.m_ParticleTypes[1].m_Sprite"), or null.
DataNode* Resolve(DataNode& block, const std::string& path)
{
    DataNode* node = &block;
    size_t at = path.find_first_of(".[");
    while (node != nullptr && at != std::string::npos)
    {
        if (path[at] == '[')
        {
            const size_t close = path.find(']', at);
            const size_t index = std::strtoul(path.c_str() + at + 1, nullptr, 10);
            if (close == std::string::npos || node->Type != DataNode::Kind::List || index >= node->Children.size())
            {
                return nullptr;
            }
            node = &node->Children[index];
            at = path.find_first_of(".[", close);
            continue;
        }
        const size_t end = path.find_first_of(".[", at + 1);
        const std::string name = path.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
        DataNode* next = nullptr;
        for (DataNode& child : node->Children)
        {
            if (!child.Name.empty() && FieldName(child) == name && node->Type == DataNode::Kind::Block)
            {
                next = &child;
                break;
            }
        }
        node = next;
        at = end;
    }
    return node;
}

bool HasPath(const DataNode* typeRoot, const std::string& path)
{
    if (typeRoot == nullptr)
    {
        return false;
    }
    const std::string blockName = path.substr(0, path.find('.'));
    const DataNode* block = typeRoot->Find(blockName);
    if (block == nullptr)
    {
        return false;
    }
    DataNode copy = *block;
    return Resolve(copy, path) != nullptr;
}

DataNode Number(const std::string& name, double value)
{
    DataNode node;
    node.Name = name;
    node.Type = DataNode::Kind::Number;
    node.Text = FormatNumber(value);
    return node;
}

DataNode Pair(const std::string& name, double x, double y)
{
    DataNode node;
    node.Name = name;
    node.Type = DataNode::Kind::Block;
    node.Children = {Number("x", x), Number("y", y)};
    return node;
}

DataNode VertexListNode(const std::string& name, const std::vector<MapPoint>& offsets)
{
    DataNode list;
    list.Name = name;
    list.Type = DataNode::Kind::List;
    for (const MapPoint& offset : offsets)
    {
        DataNode vertex;
        vertex.Name = "Vertex";
        vertex.Type = DataNode::Kind::Block;
        vertex.Children = {Number("x", offset.X), Number("y", offset.Y), Number("z", 0.0)};
        list.Children.push_back(std::move(vertex));
    }
    return list;
}

bool IsNumberText(const std::string& text)
{
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

// Sets a field from a property, checking the property's type against the field's kind; an empty string on success.
std::string SetField(DataNode& field, const MapProperty& property)
{
    if (field.IsContainer())
    {
        std::string error;
        if (property.Type != "string")
        {
            return "is a " + property.Type + " but the field is " + DescribeKind(field.Type) + " (give it as text)";
        }
        return ParseValue(property.Value, field, error) ? std::string() : error;
    }
    const bool number = property.Type == "float" || property.Type == "int";
    const bool fits = field.Type == DataNode::Kind::Number ? number && IsNumberText(property.Value)
                      : field.Type == DataNode::Kind::Bool ? property.Type == "bool"
                                                           : property.Type == "string" || property.Type == "file";
    if (!fits)
    {
        return "is a " + property.Type + " (\"" + property.Value + "\") but the field is " + DescribeKind(field.Type);
    }
    // Only a text shown on screen is read across spaces; every other name is one token.
    const char* unreadable = field.Name == kJoinedTextField ? "\"{}[]\n" : "\"{}[]\n\t ";
    if (field.Type == DataNode::Kind::String && property.Value.find_first_of(unreadable) != std::string::npos)
    {
        return "holds a quote, bracket, line break or (but in a text shown on screen) a space, which the level "
               "reader cannot take";
    }
    field.Text = field.Type == DataNode::Kind::Number ? FormatNumber(std::strtod(property.Value.c_str(), nullptr))
                                                      : property.Value;
    return std::string();
}

bool IsPlainWord(const std::string& text)
{
    return text.find_first_of(" \t\r\n\"{}[]:,") == std::string::npos;
}

const MapObject* FindObjectById(const TiledMap& map, int id)
{
    for (const MapObject& object : map.Objects)
    {
        if (object.Id == id)
        {
            return &object;
        }
    }
    return nullptr;
}

// A shape's points relative to its object's X, Y in map pixels; a rectangle's four corners from its lower left,
// clockwise on screen.
std::vector<MapPoint> ShapePoints(const MapObject& shape)
{
    if (shape.Shape == MapShape::Rectangle)
    {
        return {{0.0, shape.Height}, {0.0, 0.0}, {shape.Width, 0.0}, {shape.Width, shape.Height}};
    }
    return shape.Points;
}

bool IsDrawnShape(const MapObject& shape)
{
    return shape.Shape == MapShape::Polygon || shape.Shape == MapShape::Polyline ||
           (shape.Shape == MapShape::Rectangle && (shape.Width != 0.0 || shape.Height != 0.0));
}

// The world offsets of a shape drawn anywhere, relative to the owner's place in the world (for a tile object
// that is the sprite's centre, not the corner Tiled anchors it at).
std::vector<MapPoint> OffsetsFrom(const MapObject& shape, const MapObject& owner)
{
    std::vector<MapPoint> offsets;
    const MapPoint place = WorldPlace(owner);
    const double dx = shape.X - place.X;
    const double dy = shape.Y + place.Y;
    for (const MapPoint& point : ShapePoints(shape))
    {
        offsets.push_back({dx + point.X, -(dy + point.Y)});
    }
    return offsets;
}

// The object's place in the world: a tile object is anchored at its lower left corner and the sprite is centred
// on the object's position.
MapPoint WorldPlace(const MapObject& object)
{
    if (object.Shape == MapShape::Tile)
    {
        return {object.X + object.Width / 2.0, -(object.Y - object.Height / 2.0)};
    }
    return {object.X, -object.Y};
}

} // namespace Framework::MapFields
