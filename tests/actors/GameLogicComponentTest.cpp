#include "actors/GameLogicComponent.h"
#include "data/TextSerializer.h"
#include "tests/actors/HeroLevelFixture.h"

#include <memory>
#include <sstream>

using namespace Framework;

namespace
{
// A component block as an object type file holds it, read the way the Factory reads it.
std::unique_ptr<GameLogicComponent> Read(const std::string& block)
{
    auto reader = TextSerializer::FromText("\"GameLogic\" : " + block + " ,");
    auto component = std::make_unique<GameLogicComponent>();
    component->Serialize(reader, "GameLogic");
    return component;
}

// The component's block as Write puts it, without the enclosing braces.
std::string Written(const GameLogicComponent& component)
{
    std::ostringstream out;
    TextWriter writer(out);
    writer.BeginBlock("");
    component.Write(writer, "GameLogic");
    writer.EndBlock();
    return out.str().substr(std::string("{\n    \"GameLogic\" : ").size());
}
} // namespace

TEST(GameLogicComponent, ReadsItsValuesByPositionAndWritesThemBack)
{
    std::unique_ptr<GameLogicComponent> wasp = Read(R"x({ "m_Controller" : { } , "m_Behavior" : {
        "static_cast<int>(m_Behavior)" : 3 , "static_cast<int>(m_Action)" : 2 , "m_RangeOfAction" : 100 ,
        "m_RangeOfHoming" : 30 , "m_Speed" : -60 , "m_HomingSpeed" : 90 , "m_InitialVelocity" : 7 ,
        "m_PathVector" : [ "Vertex" : { "x" : 10 , "y" : 20 , "z" : 0 } , "Vertex" : { "x" : -5 , "y" : 0 , "z" : 0 } ]
        } })x");
    EXPECT_EQ(wasp->Kind(), 3);
    EXPECT_EQ(wasp->Action(), 2);
    const std::string text = Written(*wasp);
    for (const char* field : {"\"m_Speed\" : -60", "\"m_InitialVelocity\" : 7", "\"x\" : -5"})
    {
        EXPECT_NE(text.find(field), std::string::npos) << field << " in " << text;
    }
    EXPECT_EQ(Written(*Read(text)), text);

    // A number no kind has stands still and keeps what the data said, for the dump.
    EXPECT_EQ(Read(R"({ "m_Controller" : { } , "m_Behavior" : { "k" : 42 , "a" : 9 , "r" : 0 , "h" : 0 , "s" : 0 ,
        "hs" : 0 , "v" : 0 , "stupidVector" : [ "Vertex" : { "x" : 0 , "y" : 0 , "z" : 0 } ] } })")
                  ->Action(),
              9);

    GameLogicComponent still;
    const std::string empty = Written(still);
    EXPECT_NE(empty.find("\"stupidVector\""), std::string::npos);
    EXPECT_NE(empty.find("\"static_cast<int>(m_Behavior)\" : 0"), std::string::npos);
    EXPECT_NE(Written(*Read(empty)).find("\"m_PathVector\""), std::string::npos)
        << "an empty path comes back as one zero point";
}

// Platforms move along their axis at the initial velocity; a reverse volume turns them once however often it
// reports the touch, and the next volume turns them back.
TEST(GameLogicComponent, APlatformTurnsOncePerReverseVolume)
{
    for (int kind : {1, 2})
    {
        GameObjectComposition object{"Platform"};
        object.AddComponent("Body", new Body());
        auto* logic = new GameLogicComponent();
        object.AddComponent("GameLogic", logic);
        logic->Build({kind, 0, 0.0f, 0.0f, 0.0f, 0.0f, 50.0f, {}});
        Vec3& velocity = object.GetBody()->m_Velocity;
        float& moving = kind == 1 ? velocity.x : velocity.y;
        const float& other = kind == 1 ? velocity.y : velocity.x;
        velocity = {7.0f, 7.0f, 0.0f};
        // Volume 0: no touch this frame.
        for (auto [volume, expected] : {std::pair{0, 50.0f}, {1, -50.0f}, {1, -50.0f}, {2, 50.0f}, {1, -50.0f}})
        {
            if (volume != 0)
            {
                logic->Reverse(static_cast<std::uintptr_t>(volume));
            }
            logic->Update(kFrame, {});
            EXPECT_EQ(moving, expected) << kind;
            EXPECT_EQ(other, 7.0f) << kind << ": the other axis is left to the physics";
        }
    }
}

// The mover of the hero level moves right at 50 units per second (behaviour 1); the logic step runs it only
// while it lies within the view plus 150 units, bounds included.
TEST_F(HeroLevelTest, ActorsMoveOnlyNearTheView)
{
    GameObjectComposition* mover = Object("Mover");
    Body& body = *mover->GetBody();
    Vec2 centre = CAMERA.ScreenCentre();
    struct Case
    {
        float Dx, Dy;
        bool Runs;
    };
    for (Case c :
         {Case{790, 0, true}, Case{-790, 0, true}, Case{791, 0, false}, Case{0, 510, true}, Case{0, -511, false}})
    {
        mover->GetTransform()->Position = {centre.x + c.Dx, centre.y + c.Dy};
        body.m_Velocity.x = 0.0f;
        core.m_GameLogic->Update(kFrame);
        EXPECT_EQ(body.m_Velocity.x, c.Runs ? 50.0f : 0.0f) << c.Dx << " " << c.Dy;
    }

    // Still: the velocity gravity adds during the physics step is taken away again every frame.
    mover->GetTransform()->Position = centre;
    mover->GetGameLogic()->Build({static_cast<int>(BehaviourKind::Still), 0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, {}});
    body.m_Gravity.y = -1200.0f;
    Frames(10);
    EXPECT_EQ(body.m_Velocity.y, 0.0f);
    EXPECT_NEAR(mover->GetTransform()->Position.y, centre.y, 0.1f) << "a free fall would have dropped 17 units";
}
