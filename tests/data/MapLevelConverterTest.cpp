#include "data/MapLevelConverter.h"
#include "data/LevelFiles.h"
#include "tests/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

using namespace Framework;

namespace
{
const std::string kObjects = SourcePath("Resources/Data/Objects");

bool SameNode(const DataNode& a, const DataNode& b)
{
    if (a.Type != b.Type || a.Children.size() != b.Children.size())
    {
        return false;
    }
    if (a.Type == DataNode::Kind::Number)
    {
        return std::strtod(a.Text.c_str(), nullptr) == std::strtod(b.Text.c_str(), nullptr);
    }
    for (size_t i = 0; i < a.Children.size(); ++i)
    {
        if (!SameNode(a.Children[i], b.Children[i]))
        {
            return false;
        }
    }
    return a.IsContainer() || a.Text == b.Text;
}

// The block the Factory gives the object: the entry's own, else the object type's.
const DataNode* Effective(const LevelDocumentEntry& entry, const std::string& name, MapLevelConverter& types)
{
    const DataNode* own = entry.FindBlock(name);
    const DataNode* type = types.TypeRoot(entry.TypeName);
    return own != nullptr ? own : type != nullptr ? type->Find(name) : nullptr;
}

// Every field of every component of every object, as the Factory loads them, is the same in both documents.
void ExpectSameLevel(const LevelDocument& a, const LevelDocument& b, const std::string& label)
{
    MapLevelConverter types(kObjects);
    EXPECT_EQ(a.TrackName, b.TrackName) << label;
    EXPECT_EQ(a.CameraLockX, b.CameraLockX) << label;
    EXPECT_EQ(a.CameraLockY, b.CameraLockY) << label;
    EXPECT_EQ(a.ObjectCount, b.ObjectCount) << label;
    ASSERT_EQ(a.Entries.size(), b.Entries.size()) << label;
    for (size_t i = 0; i < a.Entries.size(); ++i)
    {
        const LevelDocumentEntry& x = a.Entries[i];
        const LevelDocumentEntry& y = b.Entries[i];
        EXPECT_EQ(x.Key, y.Key) << label;
        EXPECT_EQ(x.TypeName, y.TypeName) << label << " " << x.Key;
        std::set<std::string> names;
        for (const LevelDocumentEntry* entry : {&x, &y})
        {
            for (const DataNode& block : entry->Blocks)
            {
                names.insert(block.Name);
            }
        }
        for (const std::string& name : names)
        {
            const DataNode* p = Effective(x, name, types);
            const DataNode* q = Effective(y, name, types);
            EXPECT_TRUE(p != nullptr && q != nullptr && SameNode(*p, *q)) << label << " " << x.Key << "." << name;
        }
    }
}

std::string WriteTemp(const std::string& name, const std::string& text)
{
    const std::string path = (std::filesystem::temp_directory_path() / ("kibbet-map-" + name)).string();
    std::ofstream(path) << text;
    return path;
}
} // namespace

TEST(MapLevelConverter, EveryShippedLevelRoundTripsThroughBothMapFormatsAndBack)
{
    for (const std::string& path : ListLevelFiles(SourcePath("Resources/Data/Levels")))
    {
        const LevelFileRead text = ReadLevelFile(path, kObjects);
        ASSERT_TRUE(text.Ok) << path;
        MapLevelConverter converter(kObjects);
        std::vector<MapProblem> problems;
        const TiledMap map = converter.ToMap(text.Document, problems);
        EXPECT_TRUE(problems.empty()) << path;
        for (const std::string& written : {WriteTmx(map), WriteTmj(map)})
        {
            const bool xml = written[0] == '<';
            const TiledMap reread = xml ? ReadTmx(written) : ReadTmj(written);
            LevelDocument back;
            EXPECT_TRUE(converter.ToDocument(reread, back, problems)) << path;
            ExpectSameLevel(text.Document, back, path + (xml ? " (tmx)" : " (tmj)"));
            LevelDocument again;
            std::string error;
            ASSERT_TRUE(ParseLevelText(WriteLevelText(back), again, error)) << error;
            ExpectSameLevel(back, again, path + " (as text again)");
        }
    }
}

TEST(MapLevelConverter, BadMapsNameTheFileAndTheObject)
{
    const std::string head = "<?xml version=\"1.0\"?>\n<map version=\"1.8\" orientation=\"orthogonal\">\n";
    const std::string group = " <objectgroup id=\"1\" name=\"Objects\">\n";
    const std::string tail = " </objectgroup>\n</map>\n";
    struct Case
    {
        const char* Name;
        std::string Text;
        const char* Expected;
    };
    const std::vector<Case> cases{
        {"truncated.tmx", head + group + "  <object id=\"1\" name=\"K\" type=\"Kibbet\"", ":4: not a map"},
        {"malformed.tmj", "{\"type\":\"map\",\"layers\":[{\"type\":\"objectgroup\",", "not a map"},
        {"unknown.tmx",
         head + group + "  <object id=\"4\" name=\"Q\" type=\"Quokka\" x=\"0\" y=\"0\"><point/></object>\n" + tail,
         ":4: object 4 \"Q\" has the class \"Quokka\", which is no object type"},
        {"wrongtype.tmx",
         head + group +
             "  <object id=\"2\" name=\"K\" type=\"Kibbet\" x=\"0\" y=\"0\">\n   <properties>\n"
             "    <property name=\"Body.m_Mass\" value=\"heavy\"/>\n   </properties>\n  </object>\n" +
             tail,
         ":4: object 2 \"K\" property \"Body.m_Mass\" is a string (\"heavy\") but the field is a number"},
        {"nofield.tmj",
         "{\"type\":\"map\",\"layers\":[{\"type\":\"objectgroup\",\"objects\":[{\"id\":3,\"name\":\"K\",\"type\":"
         "\"Kibbet\","
         "\"properties\":[{\"name\":\"Body.m_Weight\",\"type\":\"float\",\"value\":2}]}]}]}",
         "object 3 \"K\" property \"Body.m_Weight\" names no field"},
        {"tiles.tmx", head + " <layer id=\"2\" name=\"Floor\" width=\"1\" height=\"1\"/>\n" + group + tail,
         ":3: the layer \"Floor\" is not an object layer"},
        {"image.tmj", "{\"type\":\"map\",\"layers\":[{\"type\":\"imagelayer\",\"name\":\"Sky\"}]}",
         "the imagelayer \"Sky\" is not an object layer"},
        {"ellipse.tmx",
         head + group + "  <object id=\"5\" name=\"E\" type=\"Kibbet\" x=\"0\" y=\"0\"><ellipse/></object>\n" + tail,
         ":4: object 5 \"E\" is an ellipse"},
        {"spaced.tmx", head + group + "  <object id=\"7\" name=\"Big Tree\" type=\"Kibbet\"><point/></object>\n" + tail,
         ":4: object 7 \"Big Tree\" has a name or class with white space"},
        {"text.tmx", head + group + "  <object id=\"6\" name=\"T\" type=\"Kibbet\"><text>hi</text></object>\n" + tail,
         ":4: object 6 \"T\" is a text object"},
    };
    for (const Case& bad : cases)
    {
        const std::string path = WriteTemp(bad.Name, bad.Text);
        const LevelFileRead read = ReadLevelFile(path, kObjects);
        EXPECT_FALSE(read.Ok) << bad.Name;
        ASSERT_FALSE(read.Problems.empty()) << bad.Name;
        const std::string line = DescribeProblem(path, read.Problems[0]);
        EXPECT_NE(line.find(path), std::string::npos) << line;
        EXPECT_NE(line.find(bad.Expected), std::string::npos) << line;
        std::filesystem::remove(path);
    }
    const LevelFileRead missing = ReadLevelFile("/nonexistent/Level_X.tmx", kObjects);
    ASSERT_FALSE(missing.Ok);
    EXPECT_NE(missing.Problems[0].Message.find("cannot be read"), std::string::npos);
}

// Every member the Tiled project offers (tools/art/tiled_project.py) is a field the map reader takes.
TEST(MapLevelConverter, EveryMemberOfTheTiledProjectIsAFieldTheReaderTakes)
{
    std::ifstream in(SourcePath("tiled/kibbet.tiled-project"));
    std::ostringstream text;
    text << in.rdbuf();
    const nlohmann::json project = nlohmann::json::parse(text.str());
    nlohmann::json objects = nlohmann::json::array();
    for (const nlohmann::json& type : project.at("propertyTypes"))
    {
        nlohmann::json object = {{"id", objects.size() + 1},
                                 {"name", type.at("name")},
                                 {"type", type.at("name")},
                                 {"point", true},
                                 {"x", 0},
                                 {"y", 0}};
        object["properties"] = type.at("members");
        objects.push_back(object);
    }
    const nlohmann::json layer = {{"type", "objectgroup"}, {"objects", objects}};
    const nlohmann::json map = {{"type", "map"}, {"layers", nlohmann::json::array({layer})}};
    MapLevelConverter converter(kObjects);
    LevelDocument document;
    std::vector<MapProblem> problems;
    EXPECT_TRUE(converter.ToDocument(ReadTmj(map.dump()), document, problems));
    for (const MapProblem& problem : problems)
    {
        ADD_FAILURE() << problem.ObjectName << ": " << problem.Message;
    }
    EXPECT_EQ(document.Entries.size(), objects.size());
}

// With the art's tilesets at hand, objects with a sprite become tile objects anchored at their lower left corner,
// and the level still reads back the same.
TEST(MapLevelConverter, SpritesAreTileObjectsOfTheArtsTilesets)
{
    const std::string out = (std::filesystem::temp_directory_path() / "kibbet-tiles" / "Level_01.tmx").string();
    std::filesystem::create_directories(std::filesystem::path(out).parent_path());
    const std::string level = SourcePath("Resources/Data/Levels/Level_01.json");
    std::string error;
    ASSERT_TRUE(ConvertLevelFile(level, out, kObjects, SourcePath("tests/data/tiled/tilesets"), error)) << error;
    std::ifstream in(out);
    std::ostringstream text;
    text << in.rdbuf();
    const TiledMap map = ReadTmx(text.str());
    ASSERT_EQ(map.Tilesets.size(), 1u);
    EXPECT_EQ(map.Tilesets[0].Source.rfind("../", 0), 0u) << map.Tilesets[0].Source;
    EXPECT_NE(map.Tilesets[0].Source.find("tests/data/tiled/tilesets/07_World.tsx"), std::string::npos);
    for (const MapObject& object : map.Objects)
    {
        if (object.Name == "Kibbet")
        {
            EXPECT_EQ(object.Gid, 1u);
            EXPECT_EQ(object.X, -1060.0); // -1000 - 120 / 2
            EXPECT_EQ(object.Y, 217.0);   // 152 + 130 / 2
        }
        EXPECT_EQ(object.Shape == MapShape::Tile, object.Class == "Kibbet" || object.Class == "Pollen_1")
            << object.Name;
    }
    LevelDocument back;
    std::vector<MapProblem> problems;
    MapLevelConverter converter(kObjects);
    ASSERT_TRUE(converter.ToDocument(map, back, problems));
    ExpectSameLevel(ReadLevelFile(level, kObjects).Document, back, "Level_01 with tiles");
    std::filesystem::remove_all(std::filesystem::path(out).parent_path());
}
