#include "data/ComponentRegistry.h"
#include "data/GameObjectComposition.h"
#include "data/RawBlockComponent.h"
#include "data/TextSerializer.h"
#include "gameflow/TriggerComponents.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using namespace Framework;

namespace
{
// A kind not built yet, declared the way a new component starts out.
class Beehive final : public StandInComponent<Beehive, "Beehive">
{
};
} // namespace

TEST(ComponentRegistry, AStandInKeepsItsBlockThroughCloneAndWrite)
{
    auto reader = TextSerializer::FromText("\"Beehive\" : { \"m_Speed\" : 3 , \"m_Path\" : [ 1 , 2 ] } , \"Next\"");
    reader.MoveToStart();
    GameObjectComposition type("");
    auto* hive = new Beehive();
    hive->Serialize(reader, std::string());
    type.AddComponent(Beehive::TypeName, hive);
    EXPECT_EQ(reader.CurrentToken, "}");

    GameObjectComposition clone(GameObjectComposition::CloneTag{}, type);
    IComponent* copy = clone.GetComponent("Beehive");
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, hive);
    EXPECT_EQ(clone.GetCollectTrigger(), nullptr);
    std::ostringstream out;
    TextWriter writer(out);
    copy->Write(writer, "Beehive");
    EXPECT_NE(out.str().find("\"m_Speed\" : 3 , \"m_Path\" : [ 1 , 2 ]"), std::string::npos) << out.str();
    clone.DestroyComponents();
}
