#include "tests/TestSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "data/Transform.h"
#include "graphics/Camera.h"
#include "graphics/CustomShape.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"

#include <algorithm>
#include <sstream>

using namespace Framework;

namespace
{
constexpr int kEarth = 7;
constexpr int kGrass = 8;
constexpr int kMoss = 10;

// An empty level over the real tables and textures, where each case places its own shapes.
class CustomShapeTest : public EngineTest
{
protected:
    void SetUp() override
    {
        CAMERA = Camera{};
        Start(SourcePath("tests/data/ground"), "Level_Ground", true);
        core.m_Factory->DestroyAllObjects();
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        CAMERA = Camera{};
    }
    GameObjectComposition* Place(const std::string& type, Vec2 position)
    {
        GameObjectComposition* object = core.m_Factory->CreateObject(type, std::string());
        object->GetTransform()->Position = position;
        return object;
    }
    static CustomShape* ShapeOf(GameObjectComposition* object)
    {
        return static_cast<CustomShape*>(object->GetComponent("CustomShape"));
    }
    // The draws of one frame in a layer.
    std::vector<const RecordedDraw*> Frame(int layer)
    {
        core.m_Graphics->Update(0.017f);
        std::vector<const RecordedDraw*> draws;
        for (const RecordedDraw& draw : static_cast<RecordingRenderDevice&>(core.m_Graphics->Device()).Draws)
        {
            if (draw.Texture == layer)
            {
                draws.push_back(&draw);
            }
        }
        return draws;
    }
    bool Listed(const CustomShape* shape, int layer)
    {
        const auto& lists = core.m_Graphics->m_ShapeLayers;
        return lists.count(layer) != 0 &&
               std::find(lists.at(layer).begin(), lists.at(layer).end(), shape) != lists.at(layer).end();
    }
};
} // namespace

TEST_F(CustomShapeTest, ALayerDrawsItsSpritesAndThenItsShapesAndCullsShapesByTheirSize)
{
    GameObjectComposition* ground = Place("Earth", {0.0f, -260.0f});
    GameObjectComposition* hive = Place("Hive", {0.0f, 0.0f});
    GraphicsComponent* sprite = hive->GetGraphics();
    int oldLayer = sprite->m_zOrder;
    sprite->m_zOrder = kEarth;
    core.m_Graphics->MoveToLayer(sprite, oldLayer);

    auto draws = Frame(kEarth);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0]->Vertices.size(), 6u) << "the sprite first";
    EXPECT_EQ(draws[1]->Vertices.size(), 6u) << "then the shape";

    // The earth is 1400 wide: its centre may be 640 + 700 from the view's centre and still be drawn.
    ground->GetTransform()->Position = {1340.0f, 0.0f};
    EXPECT_EQ(Frame(kEarth).size(), 2u);
    ground->GetTransform()->Position = {1341.0f, 0.0f};
    EXPECT_EQ(Frame(kEarth).size(), 1u);
}

TEST_F(CustomShapeTest, ARenamedShapeMovesToItsNewLayerAndLeavesEveryListWhenDestroyed)
{
    GameObjectComposition* object = Place("Grass", {0.0f, 0.0f});
    CustomShape* shape = ShapeOf(object);
    ASSERT_TRUE(Listed(shape, kGrass));

    TextSerializer reader = TextSerializer::FromText(R"({ "Shape" : {
        "m_TextureName" : "Moss" , "m_ScaleFactor" : 128 ,
        "m_VertexesOffset" : [ "Vertex" : { "x" : 0 , "y" : 0 , "z" : 0 } , "Vertex" : { "x" : 0 , "y" : 50 , "z" : 0 } ,
                               "Vertex" : { "x" : 50 , "y" : 0 , "z" : 0 } ] ,
        "m_Width" : 50 , "m_Height" : 50 } , "After" : 1 })");
    reader.MoveToStart();
    reader.ReadToken();
    reader.ReadToken();
    shape->Serialize(reader, std::string());
    reader.ReadToken();
    EXPECT_EQ(reader.CurrentToken, ",") << "the reader stops after the shape's closing brace";
    EXPECT_EQ(shape->m_VertexesOffset.size(), 3u);
    EXPECT_EQ(shape->m_Height, 50u);
    EXPECT_FALSE(Listed(shape, kGrass));
    EXPECT_TRUE(Listed(shape, kMoss));
    EXPECT_EQ(Frame(kMoss).size(), 1u);

    core.m_Factory->DestroyObject(object);
    core.m_Factory->Update(0.0f);
    EXPECT_FALSE(Listed(shape, kGrass));
    EXPECT_FALSE(Listed(shape, kMoss));
    EXPECT_TRUE(Frame(kMoss).empty()) << "a freed shape is not drawn";

    // The object type's own shape was made directly: it is in no list and its object deletes it once.
    const CustomShape* prototype = ShapeOf(core.m_Factory->ObjectTypes.at("Grass").get());
    EXPECT_EQ(prototype->System, nullptr);
    EXPECT_FALSE(Listed(prototype, kGrass));
}
// Through the program: the fixture level's ground, moss patch, hive and sign, headless.
TEST(GroundLevelProgramTest, DrawsThreeVerticesPerFanTriangleAndPlacesTheGlyphs)
{
    RunResult run = RunGame("--headless --fixed-step --frames 10 --dump-state --resources " +
                            SourcePath("tests/data/ground") + " --level Level_Ground");
    ASSERT_EQ(run.Status, 0);
    std::istringstream lines(run.Output);
    std::string world;
    std::getline(lines, world);
    // Earth and hill (two triangles each), then grass, then the renamed moss patch; the hive in "World".
    for (const char* draw :
         {R"({"layer":7,"shader":"Main","vertices":12})", R"({"layer":8,"shader":"Main","vertices":6})",
          R"({"layer":10,"shader":"Main","vertices":6})", R"({"layer":14,"shader":"Main","vertices":6})",
          R"({"layer":22,"shader":"Main","vertices":78})"})
    {
        EXPECT_NE(world.find(draw), std::string::npos) << draw << " in " << world;
    }

    const char* glyphs[] = {"Char_K", "Char_I", "Char_B",     "Char_B", "Char_E", "Char_T",          "Char_Arrow_2",
                            "Char_1", "Char_0", "Char_Slash", "Char_2", "Char_0", "Char_Exclamation"};
    std::map<std::string, std::string> objects;
    for (std::string line; std::getline(lines, line);)
    {
        size_t key = line.find("\"key\":\"");
        objects[line.substr(key + 7, line.find('"', key + 7) - key - 7)] = line;
    }
    EXPECT_NE(objects["Sign"].find(R"("text":"Kibbet 10/20!")"), std::string::npos) << objects["Sign"];
    EXPECT_NE(objects["Hive"].find(R"("particles":0)"), std::string::npos) << objects["Hive"];
    // The level's counter is 100 and the sign is its sixth object, so its glyphs are "f_106" on.
    for (int i = 0; i < 13; ++i)
    {
        const std::string& line = objects["f_" + std::to_string(106 + i)];
        EXPECT_NE(line.find(R"("name":"PrimaryFont")"), std::string::npos) << i << ": " << line;
        EXPECT_NE(line.find("\"animation\":\"" + std::string(glyphs[i]) + "\""), std::string::npos) << line;
        EXPECT_NE(line.find("\"x\":" + std::to_string(-560 + 48 * i) + ",\"y\":240,"), std::string::npos) << line;
    }
}
