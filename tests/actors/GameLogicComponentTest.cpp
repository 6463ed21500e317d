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

std::string Written(const GameLogicComponent& component)
{
    std::ostringstream out;
    TextWriter writer(out);
    writer.BeginBlock("");
    component.Write(writer, "GameLogic");
    writer.EndBlock();
    return out.str();
}

// An object with a Transform, a Body and a logic component, outside any system.
struct Actor
{
    Actor()
    {
        object.AddComponent("Body", new Body());
        object.AddComponent("GameLogic", logic);
    }
    Controller& C() { return logic->m_Controller; }
    float& X() { return object.GetTransform()->Position.x; }

    GameObjectComposition object{"Actor"};
    GameLogicComponent* logic = new GameLogicComponent();
};
} // namespace

TEST(GameLogicComponent, ReadsItsValuesByPositionAndWritesThemBack)
{
    std::unique_ptr<GameLogicComponent> porcupine = Read(R"x({ "m_Controller" : { } , "m_Behavior" : {
        "static_cast<int>(m_Behavior)" : 5 , "static_cast<int>(m_Action)" : 2 , "m_RangeOfAction" : 100 ,
        "m_RangeOfHoming" : 30 , "m_Speed" : -60 , "m_HomingSpeed" : 90 , "m_InitialVelocity" : 7 ,
        "m_PathVector" : [ "Vertex" : { "x" : 10 , "y" : 20 , "z" : 0 } , "Vertex" : { "x" : -5 , "y" : 0 , "z" : 0 } ]
        } })x");
    const Controller& c = porcupine->m_Controller;
    EXPECT_EQ(c.m_Behavior, 5);
    EXPECT_EQ(c.m_Action, 2);
    EXPECT_EQ(c.m_RangeOfAction, 100.0f);
    EXPECT_EQ(c.m_RangeOfHomingSquared, 900.0f);
    EXPECT_EQ(c.m_HomingSpeed, 90.0f);
    EXPECT_EQ(c.m_MoveVelocity.x, -60.0f) << "a porcupine walks at its speed";
    EXPECT_EQ(c.m_MoveVelocity.y, 7.0f);
    ASSERT_EQ(c.m_PathVector.size(), 2u);
    EXPECT_EQ(c.m_PathVector[1].x, -5.0f);
    EXPECT_EQ(c.m_Component, porcupine.get());

    auto again = Read(Written(*porcupine).substr(std::string("{\n    \"GameLogic\" : ").size()));
    EXPECT_EQ(again->m_Controller.m_Behavior, 5);
    EXPECT_EQ(again->m_Controller.m_InitialVelocity, 7.0f);
    EXPECT_EQ(again->m_Controller.m_PathVector.size(), 2u);

    GameLogicComponent still;
    std::string text = Written(still);
    EXPECT_NE(text.find("\"stupidVector\""), std::string::npos);
    EXPECT_NE(text.find("\"static_cast<int>(m_Behavior)\" : 0"), std::string::npos);
    auto back = Read(text.substr(std::string("{\n    \"GameLogic\" : ").size()));
    ASSERT_EQ(back->m_Controller.m_PathVector.size(), 1u) << "an empty path comes back as one zero point";
    EXPECT_EQ(back->m_Controller.m_PathVector[0].x, 0.0f);
    EXPECT_EQ(back->m_Controller.m_MoveVelocity.x, 2.0f);
}

// Home 500, range 100: going left it turns at 400 or less, going right at 600 or more, then waits.
TEST(GameLogicComponent, PatrolTurnsAtTheEndsOfItsRangeAndWaits)
{
    struct Case
    {
        int Action;
        float X;
        int ActionAfter;
        float VelocityX;
        bool FacingRightAfter;
    };
    for (Case c : {Case{1, 450, 1, -80, false}, Case{1, 400, 0, -80, true}, Case{2, 599, 2, 80, true},
                   Case{2, 600, 0, 80, false}, Case{0, 500, 0, 0, true}})
    {
        Actor actor;
        actor.X() = 500.0f;
        actor.logic->Initialize();
        actor.C().m_Speed = 80.0f;
        actor.C().m_RangeOfAction = 100.0f;
        actor.C().m_Action = c.Action;
        actor.X() = c.X;
        Patrol(actor.C());
        EXPECT_EQ(actor.C().m_Action, c.ActionAfter) << c.X;
        EXPECT_EQ(actor.object.GetBody()->m_Velocity.x, c.VelocityX) << c.X;
        EXPECT_EQ(actor.C().m_Animator.m_FacingRight, c.FacingRightAfter) << c.X;
        if (c.ActionAfter == 0 && c.Action != 0)
        {
            EXPECT_EQ(actor.C().m_PreviousAction, c.Action);
            EXPECT_EQ(actor.C().m_Animator.m_AnimState, 0);
        }
    }
}

TEST(GameLogicComponent, TheUnitVectorOfNothingIsNothing)
{
    Vec2 zero = UnitVector({0.0f, 0.0f});
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    Vec2 unit = UnitVector({3.0f, -4.0f});
    EXPECT_FLOAT_EQ(unit.x, 0.6f);
    EXPECT_FLOAT_EQ(unit.y, -0.8f);
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
    mover->GetGameLogic()->m_Controller.m_Behavior = static_cast<int>(BehaviorKind::Still);
    body.m_Gravity.y = -1200.0f;
    Frames(10);
    EXPECT_EQ(body.m_Velocity.y, 0.0f);
    EXPECT_NEAR(mover->GetTransform()->Position.y, centre.y, 0.1f) << "a free fall would have dropped 17 units";
}
