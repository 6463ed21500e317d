#include "data/DataTree.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/IComponent.h"
#include "data/TextSerializer.h"
#include "platform/FileSystem.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

using namespace Framework;

namespace
{
// A block's fields in order with their kinds and values (numbers as the game reads them); an animation's names in
// name order, as the game keeps them. Hand-written files give two fields names the reader passes by position:
// "m_zOrderString" for the written "m_zOrder" and "stupidVector" for a path of one zero point.
std::string Fields(const DataNode& node)
{
    const std::map<std::string, std::string> written = {{"m_zOrderString", "m_zOrder"},
                                                        {"stupidVector", "m_PathVector"}};
    std::string text =
        (written.count(node.Name) != 0 ? written.at(node.Name) : node.Name) + ":" + DescribeKind(node.Type) + "=" +
        (node.Type == DataNode::Kind::Number ? std::to_string(TextSerializer::StringToFloat(node.Text)) : node.Text);
    std::vector<std::string> children;
    for (const DataNode& child : node.Children)
    {
        children.push_back(" {" + Fields(child) + "}");
    }
    if (node.Name == "m_UVmap")
    {
        std::sort(children.begin(), children.end());
    }
    for (const std::string& child : children)
    {
        text += child;
    }
    return text;
}

class FieldListTest : public EngineTest
{
};
} // namespace

// Every shipped object type, read by the Factory and each component written back from its field list, gives the
// file's own blocks.
TEST_F(FieldListTest, EveryShippedObjectTypeWritesBackWhatItRead)
{
    Start(SourcePath("Resources"));
    const std::vector<std::string> files = ListFilesSorted(SourcePath("Resources/Data/Objects"), ".json");
    ASSERT_GT(files.size(), 90u);
    for (const std::string& path : files)
    {
        std::ifstream in(path, std::ios::binary);
        const DataTree file = DataTree::Parse(std::string(std::istreambuf_iterator<char>(in), {}));
        const DataNode* object = file.Root.Find("Object");
        ASSERT_NE(object, nullptr) << path;
        for (const DataNode& block : object->Children)
        {
            std::ostringstream text;
            TextWriter writer(text << "{\n");
            core.m_Factory->ObjectTypes.at(PathParts(path).FileName)
                ->GetComponent(block.Name)
                ->Write(writer, block.Name);
            const DataTree written = DataTree::Parse(text.str() + "\n}\n");
            EXPECT_EQ(Fields(block), Fields(written.Root.Children.at(0))) << path;
        }
    }
}
