#include "check/DataTree.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/IComponent.h"
#include "data/TextSerializer.h"
#include "platform/FileSystem.h"
#include "tests/TestSupport.h"

#include <fstream>
#include <sstream>

using namespace Framework;

namespace
{
// A block's fields in order with their kinds and values (numbers as the game reads them); hand-written files call
// the layer "m_zOrderString", which the reader takes by position as the written "m_zOrder".
std::string Fields(const DataNode& node)
{
    std::string text =
        (node.Name == "m_zOrderString" ? "m_zOrder" : node.Name) + ":" + DescribeKind(node.Type) + "=" +
        (node.Type == DataNode::Kind::Number ? std::to_string(TextSerializer::StringToFloat(node.Text)) : node.Text);
    for (const DataNode& child : node.Children)
    {
        text += " {" + Fields(child) + "}";
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
