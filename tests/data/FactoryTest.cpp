#include "tests/TestSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "gameflow/GameLogic.h"
#include "gameflow/ILevel.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "physics/Physics.h"

using namespace Framework;

namespace
{
class FactoryTest : public EngineTest
{
protected:
    void SetUp() override { Start(SourcePath("tests/data/mini")); }
    Factory& factory() { return *core.m_Factory; }
    size_t Sprites() const { return core.m_Graphics->RegisteredSpriteCount(); }
    size_t Bodies() const { return core.m_Physics->m_Bodies.size(); }
    void LoadLevel(const std::string& name) { core.m_GameLogic->m_LevelManager.ChangeLevel(name); }
};
} // namespace

TEST_F(FactoryTest, ReadsObjectTypesFromTheirFiles)
{
    ASSERT_EQ(factory().ObjectTypes.size(), 4u);
    GameObjectComposition* kibbet = factory().ObjectTypes.at("Kibbet").get();
    EXPECT_NE(kibbet->GetBody(), nullptr);
    EXPECT_NE(kibbet->GetGraphics(), nullptr);
    EXPECT_EQ(kibbet->GetTransform()->Position.x, 5.0f);

    // A type without a Transform block still has one at the origin with scale 1.
    Transform* pollen = factory().ObjectTypes.at("Pollen_1")->GetTransform();
    EXPECT_EQ(pollen->Position.x, 0.0f);
    EXPECT_EQ(pollen->Scale.y, 1.0f);
    EXPECT_NE(factory().ObjectTypes.at("Pollen_1")->GetCollectTrigger(), nullptr);

    // An unknown block name ends the type's component list: the Body after it is never read.
    GameObjectComposition* broken = factory().ObjectTypes.at("Broken").get();
    EXPECT_NE(broken->GetGraphics(), nullptr);
    EXPECT_EQ(broken->GetBody(), nullptr);

    // Prototypes are outside every live list.
    EXPECT_EQ(Sprites(), 0u);
    EXPECT_EQ(Bodies(), 0u);
}

TEST_F(FactoryTest, CreatesObjectsWithIdsKeysAndLiveComponents)
{
    ObjectIdCounter = 40;
    GameObjectComposition* a = factory().CreateObject("Kibbet", "");
    GameObjectComposition* b = factory().CreateObject("Kibbet", "");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->ObjectId, 41u);
    EXPECT_EQ(b->ObjectId, 42u);
    EXPECT_EQ(a->Key, "41");
    EXPECT_EQ(a->Name, "Kibbet");
    EXPECT_EQ(factory().FindObject("41"), a);
    EXPECT_EQ(Sprites(), 2u);
    EXPECT_EQ(Bodies(), 2u);
    a->GetTransform()->Position.x = 77;
    EXPECT_EQ(b->GetTransform()->Position.x, 5.0f) << "clones hold independent data";

    EXPECT_EQ(factory().CreateObject("NoSuchType", "x"), nullptr);

    GameObjectComposition* first = factory().CreateObject("Pollen_1", "Same");
    GameObjectComposition* second = factory().CreateObject("Pollen_1", "Same");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(factory().FindObject("Same"), first);

    // The object whose key was taken is destroyed without removing the other's entry.
    factory().DestroyObject(second);
    factory().Update(0);
    EXPECT_EQ(factory().FindObject("Same"), first);
    EXPECT_EQ(factory().AllLiveObjects().size(), 3u);
}

TEST_F(FactoryTest, DestroysMarkedObjectsOnceAtTheNextUpdateThroughTheirSystems)
{
    GameObjectComposition* pollen = factory().CreateObject("Pollen_1", "P");
    EXPECT_EQ(Sprites(), 1u);
    factory().DestroyObject(pollen);
    factory().DestroyObject(pollen);
    EXPECT_EQ(factory().FindObject("P"), pollen) << "usable for the rest of the frame";
    factory().Update(0.017f);
    EXPECT_EQ(factory().FindObject("P"), nullptr);
    EXPECT_EQ(Sprites(), 0u);
    EXPECT_EQ(Bodies(), 0u);
    factory().Update(0.017f);
    EXPECT_TRUE(factory().PendingDestruction.empty());

    // A stale pointer (and an object type) is ignored, so it cannot destroy a later object at its address.
    GameObjectComposition* stale = factory().CreateObject("Pollen_1", "Q");
    factory().DestroyAllObjects();
    factory().DestroyObject(stale);
    factory().DestroyObject(factory().ObjectTypes.at("Pollen_1").get());
    EXPECT_TRUE(factory().PendingDestruction.empty());
}

TEST_F(FactoryTest, LoadsALevelWithOverridesIdsAndTheHeroForTheCamera)
{
    LoadLevel("Level_01");
    ILevel* level = core.m_GameLogic->m_LevelManager.m_CurrentLevel;
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->m_TrackName, "BGM_Meadow");
    EXPECT_EQ(level->m_CameraLock.x, -100.0f);
    EXPECT_EQ(level->m_CameraLock.y, -50.0f);

    GameObjectComposition* kibbet = factory().FindObject("Kibbet");
    ASSERT_NE(kibbet, nullptr);
    EXPECT_EQ(kibbet->ObjectId, 101u);
    EXPECT_EQ(kibbet->GetTransform()->Position.x, 100.0f);
    EXPECT_EQ(kibbet->GetTransform()->Position.y, -20.0f);
    EXPECT_EQ(CAMERA.m_Target, kibbet);

    // The missing type's entry is skipped; the entries after it still load.
    EXPECT_EQ(factory().FindObject("Ghost"), nullptr);
    GameObjectComposition* pollen = factory().FindObject("Pollen");
    ASSERT_NE(pollen, nullptr);
    EXPECT_EQ(pollen->GetTransform()->Position.x, 400.0f) << "the later entry of a key takes it";

    // The earlier "Pollen" was destroyed, not left drawn; the sample object is gone before play.
    EXPECT_EQ(factory().FindObject("Sample"), nullptr);
    EXPECT_EQ(factory().AllLiveObjects().size(), 4u) << "the two objects and the two heads-up display heads";
    EXPECT_EQ(Sprites(), 4u);
    EXPECT_EQ(Bodies(), 2u);
}

TEST_F(FactoryTest, AnUnderscoreTrackKeepsTheTrackAndALevelWithoutHeroClearsTheCamera)
{
    LevelManager& levels = core.m_GameLogic->m_LevelManager;
    LoadLevel("Level_01");
    levels.m_Levels["Level_02"] = std::make_unique<Level_Generic>();
    levels.m_Levels["Level_02"]->m_TrackName = "BGM_Forest";
    LoadLevel("Level_02");
    EXPECT_EQ(levels.m_CurrentLevel->m_TrackName, "BGM_Forest");
    EXPECT_EQ(CAMERA.m_Target, nullptr);
    EXPECT_EQ(factory().FindObject("Kibbet"), nullptr) << "the old level's objects are gone";
    ASSERT_NE(factory().FindObject("Stone"), nullptr);
    EXPECT_EQ(factory().FindObject("Stone")->ObjectId, 8u);

    LoadLevel("Level_Missing");
    EXPECT_EQ(levels.GetCurrentLevelName(), "Level_Missing");
    for (const GameObjectComposition* object : factory().AllLiveObjects())
    {
        EXPECT_NE(object->Key.find("HUD_"), std::string::npos) << "only the heads-up display is live";
    }
}

TEST_F(FactoryTest, LoadsAndUnloadsTheHeadsUpDisplay)
{
    GameObjectComposition* other = factory().CreateObject("Pollen_1", "Pollen");
    factory().LoadHUD();
    EXPECT_TRUE(HudLoaded);
    factory().LoadHUD();
    EXPECT_EQ(factory().AllLiveObjects().size(), 3u) << "a second LoadHUD creates nothing";
    GameObjectComposition* life = factory().FindObject("HUD_Life");
    ASSERT_NE(life, nullptr);
    EXPECT_EQ(life->GetTransform()->Position.y, 680.0f);
    EXPECT_EQ(factory().ObjectTypes.at("HUD_Head")->GetTransform()->Position.x, 90.0f)
        << "the object type takes the placement of the last entry of its type";

    factory().UnloadHUD();
    EXPECT_FALSE(HudLoaded);
    EXPECT_EQ(factory().FindObject("HUD_Life"), nullptr);
    EXPECT_EQ(factory().FindObject("Score_HUD_Digits"), nullptr) << "HUD_ anywhere in the key";
    EXPECT_EQ(factory().FindObject("Pollen"), other);

    factory().LoadHUD();
    factory().DestroyAllObjects();
    EXPECT_FALSE(HudLoaded);
    EXPECT_TRUE(factory().AllLiveObjects().empty());
    EXPECT_EQ(Sprites(), 0u);
}
