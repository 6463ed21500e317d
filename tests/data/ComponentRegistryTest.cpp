#include "data/ComponentRegistry.h"
#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "gameflow/TriggerComponents.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using namespace Framework;

TEST(ComponentRegistry, EveryKindIsFoundByTheNameItsClassReportsAndDirectKindsMakeThemselves)
{
    ASSERT_EQ(ComponentKinds().size(), 29u);
    for (const ComponentKind& kind : ComponentKinds())
    {
        EXPECT_EQ(FindComponentKind(kind.Name), &kind);
        EXPECT_EQ(kind.Construct != nullptr, kind.Source == ComponentSource::Direct) << kind.Name;
        if (kind.Construct != nullptr)
        {
            std::unique_ptr<IComponent> component(kind.Construct());
            EXPECT_EQ(component->GetName(), kind.Name);
        }
    }
    EXPECT_EQ(FindComponentKind("Enemies"), nullptr);
}

TEST(ComponentRegistry, AStandInKeepsItsBlockThroughCloneAndWriteAndIsFoundByItsAccessor)
{
    auto reader = TextSerializer::FromText("\"Enemy\" : { \"m_Speed\" : 3 , \"m_Path\" : [ 1 , 2 ] } , \"Next\"");
    reader.MoveToStart();
    GameObjectComposition type("");
    auto* enemy = new Enemy();
    enemy->Serialize(reader, std::string());
    type.AddComponent(Enemy::TypeName, enemy);
    EXPECT_EQ(reader.CurrentToken, "}");

    GameObjectComposition clone(GameObjectComposition::CloneTag{}, type);
    ASSERT_NE(clone.GetEnemy(), nullptr);
    EXPECT_NE(clone.GetEnemy(), enemy);
    EXPECT_EQ(clone.GetCollectTrigger(), nullptr);
    std::ostringstream out;
    TextWriter writer(out);
    clone.GetEnemy()->Write(writer, "Enemy");
    EXPECT_NE(out.str().find("\"m_Speed\" : 3 , \"m_Path\" : [ 1 , 2 ]"), std::string::npos) << out.str();
    clone.DestroyComponents();
}
