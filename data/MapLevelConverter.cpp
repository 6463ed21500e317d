#include "data/MapLevelConverter.h"

#include "data/MapFields.h"

#include "data/TextSerializer.h"
#include "platform/FileSystem.h"

#include <pugixml.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace Framework
{

using namespace MapFields;

namespace
{

struct VertexList
{
    std::string Path;
    std::vector<MapPoint> Points; // world offsets (y up)
};

bool IsVertexList(const DataNode& node)
{
    if (node.Type != DataNode::Kind::List || node.Children.empty())
    {
        return false;
    }
    for (const DataNode& vertex : node.Children)
    {
        if (vertex.Type != DataNode::Kind::Block || vertex.Children.size() != 3 || vertex.Children[2].Text != "0")
        {
            return false;
        }
    }
    return true;
}

bool SameValue(const DataNode& a, const DataNode& b)
{
    return a.Type == DataNode::Kind::Number ? NumberOf(a) == NumberOf(b) : a.Text == b.Text;
}

bool SameTree(const DataNode& a, const DataNode& b)
{
    if (a.Type != b.Type || a.Children.size() != b.Children.size())
    {
        return false;
    }
    if (!a.IsContainer())
    {
        return SameValue(a, b);
    }
    for (size_t i = 0; i < a.Children.size(); ++i)
    {
        if (!SameTree(a.Children[i], b.Children[i]))
        {
            return false;
        }
    }
    return true;
}

std::vector<MapPoint> PointsOf(const DataNode& list)
{
    std::vector<MapPoint> points;
    for (const DataNode& vertex : list.Children)
    {
        points.push_back({NumberOf(vertex.Children[0]), NumberOf(vertex.Children[1])});
    }
    return points;
}

const char* PropertyType(const DataNode& node)
{
    switch (node.Type)
    {
    case DataNode::Kind::Number:
        return "float";
    case DataNode::Kind::Bool:
        return "bool";
    default:
        return "string";
    }
}

// Adds a property for each value of the block that differs from the object type's, and collects the vertex
// lists that differ; what a property cannot say field by field (a list of another length) is kept as text.
void Diff(const DataNode& node, const DataNode& type, const std::string& path, MapObject& object,
          std::vector<VertexList>& lists)
{
    const bool sameShape = node.Type == type.Type && node.Children.size() == type.Children.size();
    if (IsVertexList(node) && (IsVertexList(type) || type.Type == DataNode::Kind::List))
    {
        if (!SameTree(node, type))
        {
            lists.push_back({path, PointsOf(node)});
        }
        return;
    }
    if (!sameShape)
    {
        object.Properties.push_back({path, "string", WriteDataValue(node, 0)});
        return;
    }
    if (!node.IsContainer())
    {
        if (!SameValue(node, type))
        {
            const std::string value = node.Type == DataNode::Kind::Number ? FormatNumber(NumberOf(node)) : node.Text;
            object.Properties.push_back({path, PropertyType(node), value});
        }
        return;
    }
    for (size_t i = 0; i < node.Children.size(); ++i)
    {
        const DataNode& field = type.Children[i];
        const std::string child =
            field.Name.empty() ? path + "[" + std::to_string(i) + "]" : path + "." + FieldName(field);
        Diff(node.Children[i], field, child, object, lists);
    }
}

std::vector<MapPoint> ToMapPoints(const std::vector<MapPoint>& offsets)
{
    std::vector<MapPoint> points;
    for (const MapPoint& offset : offsets)
    {
        points.push_back({offset.X, -offset.Y});
    }
    return points;
}

// Position { x, y }, Rotation, Scale { x, y }, all numbers: the Transform a map object's place and properties say.
bool IsPlainTransform(const DataNode& block)
{
    static const DataNode::Kind kNumber = DataNode::Kind::Number;
    return block.Children.size() == 3 && block.Children[0].Children.size() == 2 &&
           block.Children[0].Children[0].Type == kNumber && block.Children[0].Children[1].Type == kNumber &&
           block.Children[1].Type == kNumber && block.Children[2].Children.size() == 2 &&
           block.Children[2].Children[0].Type == kNumber && block.Children[2].Children[1].Type == kNumber;
}

void WriteTransform(const DataNode& block, MapObject& object)
{
    object.X = NumberOf(block.Children[0].Children[0]);
    object.Y = -NumberOf(block.Children[0].Children[1]);
    const double rotation = NumberOf(block.Children[1]);
    const double scaleX = NumberOf(block.Children[2].Children[0]);
    const double scaleY = NumberOf(block.Children[2].Children[1]);
    if (rotation != 0.0)
    {
        object.Properties.push_back({"Transform.Rotation", "float", FormatNumber(rotation)});
    }
    if (scaleX != 1.0)
    {
        object.Properties.push_back({"Transform.Scale.x", "float", FormatNumber(scaleX)});
    }
    if (scaleY != 1.0)
    {
        object.Properties.push_back({"Transform.Scale.y", "float", FormatNumber(scaleY)});
    }
}

} // namespace

MapLevelConverter::MapLevelConverter(std::string objectsFolder) : m_ObjectsFolder(std::move(objectsFolder)) {}

void MapLevelConverter::UseTilesets(const std::string& tilesetFolder, const std::string& mapFile)
{
    m_TilesetFolder = tilesetFolder;
    m_MapFile = mapFile;
}

const DataNode* MapLevelConverter::TypeRoot(const std::string& typeName)
{
    auto found = m_Types.find(typeName);
    if (found == m_Types.end())
    {
        std::unique_ptr<DataTree> tree;
        std::ifstream in(m_ObjectsFolder + "/" + typeName + ".json");
        if (in && typeName.find('/') == std::string::npos)
        {
            std::ostringstream text;
            text << in.rdbuf();
            tree = std::make_unique<DataTree>(DataTree::Parse(text.str()));
            if (!tree->Error.empty() || tree->Root.Find("Object") == nullptr)
            {
                tree.reset();
            }
        }
        found = m_Types.emplace(typeName, std::move(tree)).first;
    }
    return found->second != nullptr ? found->second->Root.Find("Object") : nullptr;
}

TiledMap MapLevelConverter::ToMap(const LevelDocument& document, std::vector<MapProblem>& problems)
{
    TiledMap map;
    map.Properties.push_back({"TrackName", "string", document.TrackName});
    map.Properties.push_back({"CameraLock.x", "float", FormatNumber(document.CameraLockX)});
    map.Properties.push_back({"CameraLock.y", "float", FormatNumber(document.CameraLockY)});
    map.Properties.push_back({"ObjectCount", "int", FormatNumber(document.ObjectCount)});
    IndexTilesets(map);
    for (const LevelDocumentEntry& entry : document.Entries)
    {
        WriteEntry(entry, map, problems);
    }
    return map;
}

void MapLevelConverter::IndexTilesets(TiledMap& map)
{
    m_Tiles.clear();
    m_FirstGids.clear();
    if (m_TilesetFolder.empty())
    {
        return;
    }
    unsigned firstGid = 1;
    const std::filesystem::path mapFolder = std::filesystem::absolute(m_MapFile).parent_path();
    for (const std::string& path : ListFilesSorted(m_TilesetFolder, ".tsx"))
    {
        pugi::xml_document document;
        if (!document.load_file(path.c_str()))
        {
            continue;
        }
        unsigned count = document.child("tileset").attribute("tilecount").as_uint();
        for (pugi::xml_node tile : document.child("tileset").children("tile"))
        {
            const pugi::xml_node image = tile.child("image");
            const std::string stem = PathParts(image.attribute("source").as_string()).FileName;
            const unsigned id = tile.attribute("id").as_uint();
            m_Tiles.emplace(stem, TileImage{m_FirstGids.size(), id, image.attribute("width").as_double(),
                                            image.attribute("height").as_double()});
            count = std::max(count, id + 1);
        }
        const std::filesystem::path source =
            std::filesystem::absolute(path).lexically_normal().lexically_relative(mapFolder.lexically_normal());
        map.Tilesets.push_back({firstGid, source.generic_string()});
        m_FirstGids.push_back(firstGid);
        firstGid += count;
    }
}

void MapLevelConverter::ShowSprite(const LevelDocumentEntry& entry, MapObject& object)
{
    const DataNode* typeRoot = TypeRoot(entry.TypeName);
    const DataNode* graphics = typeRoot != nullptr ? typeRoot->Find("Graphics") : nullptr;
    if (graphics == nullptr || m_Tiles.empty() || object.Shape != MapShape::Point)
    {
        return;
    }
    // The sprite's own name, else the first frame of its default animation.
    std::vector<std::string> names;
    DataNode copy = *graphics;
    if (const DataNode* sprite = Resolve(copy, "Graphics.m_pSprite.default"))
    {
        names.push_back(sprite->Text);
    }
    const DataNode* frames = Resolve(copy, "Graphics.m_pAnimation.m_UVmap.default");
    if (frames != nullptr && !frames->Children.empty())
    {
        names.push_back(frames->Children[0].Text);
    }
    for (const std::string& name : names)
    {
        auto tile = m_Tiles.find(name);
        if (tile == m_Tiles.end())
        {
            continue;
        }
        const MapProperty* scaleX = object.FindProperty("Transform.Scale.x");
        const MapProperty* scaleY = object.FindProperty("Transform.Scale.y");
        object.Shape = MapShape::Tile;
        object.Gid = m_FirstGids[tile->second.Tileset] + tile->second.Id;
        object.Width = tile->second.Width * std::fabs(scaleX ? std::strtod(scaleX->Value.c_str(), nullptr) : 1.0);
        object.Height = tile->second.Height * std::fabs(scaleY ? std::strtod(scaleY->Value.c_str(), nullptr) : 1.0);
        object.X -= object.Width / 2.0;
        object.Y += object.Height / 2.0;
        return;
    }
}

void MapLevelConverter::WriteEntry(const LevelDocumentEntry& entry, TiledMap& map, std::vector<MapProblem>& problems)
{
    MapObject object;
    object.Id = static_cast<int>(map.Objects.size()) + 1;
    object.Name = entry.Key;
    object.Class = entry.TypeName;
    object.Shape = MapShape::Point;
    const DataNode* typeRoot = TypeRoot(entry.TypeName);
    std::vector<VertexList> lists;
    for (const DataNode& block : entry.Blocks)
    {
        if (block.Name == "Transform" && IsPlainTransform(block))
        {
            WriteTransform(block, object);
            continue;
        }
        const DataNode* type = typeRoot != nullptr ? typeRoot->Find(block.Name) : nullptr;
        if (type == nullptr || block.Name == "Transform")
        {
            object.Properties.push_back({block.Name, "string", WriteDataValue(block, 0)});
            continue;
        }
        Diff(block, *type, block.Name, object, lists);
    }
    if (entry.FindBlock("Transform") == nullptr)
    {
        object.Properties.push_back({kTransformFlag, "bool", "false"});
    }
    std::string own;
    for (const char* path : kPolygonLists)
    {
        if (own.empty() && HasPath(typeRoot, path))
        {
            own = path;
        }
    }
    std::vector<MapObject> helpers;
    for (const VertexList& list : lists)
    {
        if (list.Path == own || (own.empty() && list.Path == kPolylineList && object.Shape == MapShape::Point))
        {
            object.Shape = list.Path == own ? MapShape::Polygon : MapShape::Polyline;
            object.Points = ToMapPoints(list.Points);
            continue;
        }
        MapObject helper;
        helper.Id = object.Id + 1 + static_cast<int>(helpers.size());
        helper.Name = entry.Key;
        helper.X = object.X;
        helper.Y = object.Y;
        helper.Shape = list.Path == kPolylineList ? MapShape::Polyline : MapShape::Polygon;
        helper.Points = ToMapPoints(list.Points);
        object.Properties.push_back({list.Path, "object", std::to_string(helper.Id)});
        helpers.push_back(std::move(helper));
    }
    ShowSprite(entry, object);
    if (typeRoot == nullptr)
    {
        problems.push_back({entry.SourceLine, object.Id, entry.Key,
                            "the object type \"" + entry.TypeName + "\" does not exist; the map keeps the name"});
    }
    map.Objects.push_back(std::move(object));
    map.Objects.insert(map.Objects.end(), helpers.begin(), helpers.end());
}

namespace
{
// Collects the blocks of one map object's level entry: each overridden block starts as the object type's.
class EntryBuilder
{
public:
    EntryBuilder(const TiledMap& map, const MapObject& object, const DataNode& typeRoot)
        : m_Map(map), m_Object(object), m_TypeRoot(typeRoot)
    {
        const MapPoint place = WorldPlace(object);
        m_Transform.Name = "Transform";
        m_Transform.Type = DataNode::Kind::Block;
        m_Transform.Children = {Pair("Position", place.X, place.Y), Number("Rotation", 0.0), Pair("Scale", 1.0, 1.0)};
    }

    // Applies one property; an empty string on success, else what is wrong with it.
    std::string Apply(const MapProperty& property)
    {
        if (property.Name == kTransformFlag)
        {
            if (property.Type == "bool")
            {
                m_HasTransform = property.Value != "false";
                return std::string();
            }
            return SetField(m_Transform, property);
        }
        if (property.Name.rfind("Transform.", 0) == 0)
        {
            DataNode* field = Resolve(m_Transform, property.Name);
            return field != nullptr && !field->IsContainer() ? SetField(*field, property) : "names no Transform field";
        }
        const std::string blockName = property.Name.substr(0, property.Name.find_first_of(".["));
        DataNode* block = Block(blockName);
        if (block == nullptr)
        {
            if (blockName != property.Name || property.Type != "string")
            {
                return "names a component the object type has not (" + blockName + ")";
            }
            m_Extra.emplace_back();
            m_Extra.back().Name = blockName;
            return SetField(m_Extra.back(), property);
        }
        DataNode* field = Resolve(*block, property.Name);
        if (field == nullptr)
        {
            return "names no field of the object type's " + blockName + " block";
        }
        if (property.Type == "object")
        {
            const MapObject* shape = FindObjectById(m_Map, std::atoi(property.Value.c_str()));
            if (shape == nullptr || !IsDrawnShape(*shape))
            {
                return "refers to object " + property.Value +
                       ", which is no rectangle, polygon or polyline of this map";
            }
            return SetVertices(*field, OffsetsFrom(*shape, m_Object));
        }
        return SetField(*field, property);
    }

    // Sets the vertex list at path from the object's own polygon, polyline or rectangle.
    std::string ApplyOwnShape()
    {
        const MapShape shape = m_Object.Shape;
        if (!IsDrawnShape(m_Object))
        {
            return std::string(); // a point, a tile object or Tiled's plain object: a place only
        }
        std::vector<std::string> candidates(std::begin(kPolygonLists), std::end(kPolygonLists));
        if (shape == MapShape::Polyline)
        {
            candidates = {kPolylineList};
        }
        for (const std::string& path : candidates)
        {
            DataNode* block = Block(path.substr(0, path.find('.')));
            DataNode* list = block != nullptr ? Resolve(*block, path) : nullptr;
            if (list != nullptr)
            {
                return SetVertices(*list, OffsetsFrom(m_Object, m_Object));
            }
        }
        return "is a shape, but its object type has no " +
               (shape == MapShape::Polyline ? std::string(kPolylineList) : std::string("CustomShape or Body polygon"));
    }

    // The entry's blocks: the Transform, then the overridden blocks in the object type's order, then blocks kept
    // as text.
    std::vector<DataNode> Blocks() const
    {
        std::vector<DataNode> blocks;
        if (m_HasTransform)
        {
            blocks.push_back(m_Transform);
        }
        for (const DataNode& typeBlock : m_TypeRoot.Children)
        {
            auto edited = m_Edited.find(typeBlock.Name);
            if (edited != m_Edited.end() && typeBlock.Name != "Transform")
            {
                blocks.push_back(edited->second);
            }
        }
        blocks.insert(blocks.end(), m_Extra.begin(), m_Extra.end());
        return blocks;
    }

private:
    DataNode* Block(const std::string& name)
    {
        auto edited = m_Edited.find(name);
        if (edited != m_Edited.end())
        {
            return &edited->second;
        }
        const DataNode* type = m_TypeRoot.Find(name);
        return type == nullptr || name == "Transform" ? nullptr : &(m_Edited[name] = *type);
    }

    static std::string SetVertices(DataNode& list, const std::vector<MapPoint>& offsets)
    {
        if (list.Type != DataNode::Kind::List)
        {
            return "sets a vertex list, but the field is " + std::string(DescribeKind(list.Type));
        }
        list = VertexListNode(FieldName(list), offsets);
        return std::string();
    }

    const TiledMap& m_Map;
    const MapObject& m_Object;
    const DataNode& m_TypeRoot;
    DataNode m_Transform;
    bool m_HasTransform = true;
    std::map<std::string, DataNode> m_Edited;
    std::vector<DataNode> m_Extra;
};
} // namespace

bool MapLevelConverter::ReadHeader(const TiledMap& map, LevelDocument& out, std::vector<MapProblem>& problems) const
{
    const size_t before = problems.size();
    for (const MapProperty& property : map.Properties)
    {
        const bool number = (property.Type == "float" || property.Type == "int") && IsNumberText(property.Value);
        const double value = std::strtod(property.Value.c_str(), nullptr);
        if (property.Name == "TrackName" && property.Type == "string")
        {
            out.TrackName = property.Value;
        }
        else if (property.Name == "CameraLock.x" && number)
        {
            out.CameraLockX = value;
        }
        else if (property.Name == "CameraLock.y" && number)
        {
            out.CameraLockY = value;
        }
        else if (property.Name == "ObjectCount" && number && value >= 0.0)
        {
            out.ObjectCount = value;
        }
        else
        {
            problems.push_back({0, 0, "",
                                "map property \"" + property.Name + "\" (" + property.Type +
                                    ") is none of TrackName (string), CameraLock.x, CameraLock.y (float) and "
                                    "ObjectCount (int)"});
        }
    }
    return problems.size() == before;
}

bool MapLevelConverter::ToDocument(const TiledMap& map, LevelDocument& out, std::vector<MapProblem>& problems)
{
    problems.insert(problems.end(), map.Problems.begin(), map.Problems.end());
    bool good = map.Problems.empty() && ReadHeader(map, out, problems);
    std::set<int> shapes;
    for (const MapObject& object : map.Objects)
    {
        for (const MapProperty& property : object.Properties)
        {
            if (property.Type == "object")
            {
                shapes.insert(std::atoi(property.Value.c_str()));
            }
        }
    }
    for (const MapObject& object : map.Objects)
    {
        if (object.Class.empty() && shapes.count(object.Id) != 0)
        {
            continue; // a vertex list of another object
        }
        LevelDocumentEntry entry;
        if (ReadObject(map, object, entry, problems))
        {
            out.Entries.push_back(std::move(entry));
        }
        else
        {
            good = false;
        }
    }
    return good;
}

bool MapLevelConverter::ReadObject(const TiledMap& map, const MapObject& object, LevelDocumentEntry& entry,
                                   std::vector<MapProblem>& problems)
{
    auto fail = [&](const std::string& message)
    {
        problems.push_back({object.Line, object.Id, object.Name, message});
        return false;
    };
    if (object.Class.empty())
    {
        return fail("has no class: set it to an object type (a file of Data/Objects)");
    }
    if (!IsPlainWord(object.Name) || !IsPlainWord(object.Class))
    {
        return fail("has a name or class with white space, a quote or a bracket, which the level reader cannot take");
    }
    if (object.Shape == MapShape::Ellipse || object.Shape == MapShape::Text)
    {
        return fail(std::string("is ") + (object.Shape == MapShape::Ellipse ? "an ellipse" : "a text object") +
                    "; a level object is a point, rectangle, polygon, polyline or tile object");
    }
    const DataNode* typeRoot = TypeRoot(object.Class);
    if (typeRoot == nullptr)
    {
        return fail("has the class \"" + object.Class + "\", which is no object type (no Data/Objects/" + object.Class +
                    ".json)");
    }
    EntryBuilder builder(map, object, *typeRoot);
    bool good = true;
    std::string error = builder.ApplyOwnShape();
    if (!error.empty())
    {
        good = fail(error);
    }
    for (const MapProperty& property : object.Properties)
    {
        error = builder.Apply(property);
        if (!error.empty())
        {
            good = fail("property \"" + property.Name + "\" " + error);
        }
    }
    entry.Key = object.Name;
    entry.TypeName = object.Class;
    entry.Blocks = builder.Blocks();
    entry.SourceId = object.Id;
    entry.SourceLine = object.Line;
    return good;
}

} // namespace Framework