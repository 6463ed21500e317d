#include "physics/ContactRecord.h"
#include "tests/physics/PhysicsFixture.h"

using namespace Framework;

namespace
{
constexpr float kStep = 1.0f / 60.0f;
} // namespace

TEST_F(PhysicsTest, ALongFrameIsSplitIntoSubStepsOfAtMostOneSixtieth)
{
    // A resting box on static ground touches it in every sub-step, so each sub-step publishes one contact.
    MakeObject("Ground", 0, 0, 0, Box(-100, -10, 100, 0));
    MakeObject("Box", 0, 0, 2, Box(-5, 0, 5, 10));

    physics().Update(kStep);
    EXPECT_EQ(Published(), 1u);
    physics().Update(0.017f);
    EXPECT_EQ(Published(), 3u) << "1/60 s, then about 0.000333 s";
    physics().Update(0.05f);
    EXPECT_EQ(Published(), 6u) << "the third step is a little shorter than 1/60 s";
    physics().Update(0.0f);
    EXPECT_EQ(Published(), 6u) << "no time, no step";
}

TEST_F(PhysicsTest, StaticBodiesMoveOnlyByAVelocityTheyAreGivenAndFollowTheirTransform)
{
    GameObjectComposition* rock = MakeObject("Rock", 10, 20, 0, Box(-1, -1, 1, 1));
    BodyOf(rock)->m_Gravity = {0, -1000, 0};
    physics().Update(0.017f);
    EXPECT_EQ(At(rock)->Position.y, 20.0f) << "no gravity on a static body";

    // A behaviour moves a platform by its velocity: no gravity, no damping, and it stays static.
    BodyOf(rock)->m_Velocity = {500, -100, 0};
    for (int i = 0; i < 10; ++i)
    {
        physics().Update(0.017f);
    }
    EXPECT_NEAR(At(rock)->Position.x, 10.0f + 85.0f, 1e-3);
    EXPECT_NEAR(At(rock)->Position.y, 20.0f - 17.0f, 1e-3);
    EXPECT_EQ(BodyOf(rock)->m_Velocity.x, 500.0f);
    EXPECT_TRUE(BodyOf(rock)->m_IsStatic);
    BodyOf(rock)->m_Velocity = {0, 0, 0};

    At(rock)->Position = {30, 40};
    physics().Update(0.017f);
    EXPECT_EQ(BodyOf(rock)->m_Polygon.m_Vertices[0].x, 29.0f) << "the polygon follows the moved Transform";
    EXPECT_EQ(BodyOf(rock)->m_Polygon.m_Vertices[0].y, 39.0f);
}

TEST_F(PhysicsTest, TheTransformIsTheAuthorityForPosition)
{
    GameObjectComposition* box = MakeObject("Box", 0, 0, 2, Box(-1, -1, 1, 1));
    BodyOf(box)->m_Velocity = {60, 0, 0};
    physics().Update(kStep);
    EXPECT_NEAR(At(box)->Position.x, 1.0, 1e-4);

    // Gameplay code moves the Transform: the next step starts from there, not from the body's position.
    At(box)->Position = {200, -100};
    physics().Update(kStep);
    EXPECT_GT(At(box)->Position.x, 200.0f);
    EXPECT_LT(At(box)->Position.x, 201.0f);
    EXPECT_EQ(At(box)->Position.y, -100.0f);
    EXPECT_EQ(BodyOf(box)->m_Position.x, At(box)->Position.x);
}

TEST_F(PhysicsTest, BodiesFarFromTheViewAreFrozenAndResumeWhenItComesNear)
{
    // The active region reaches 640 + 150 units left and right of the centre and 360 + 150 up and down.
    GameObjectComposition* far = MakeObject("Far", 800, 0, 2, Box(-1, -1, 1, 1));
    GameObjectComposition* edge = MakeObject("Edge", 790, 0, 2, Box(-1, -1, 1, 1));
    GameObjectComposition* near = MakeObject("Near", 789, 509, 2, Box(-1, -1, 1, 1));
    for (GameObjectComposition* object : {far, edge, near})
    {
        BodyOf(object)->m_Velocity = {0, 600, 0};
    }
    physics().Update(kStep);
    EXPECT_EQ(At(far)->Position.y, 0.0f);
    EXPECT_EQ(At(edge)->Position.y, 0.0f) << "the bounds themselves are outside";
    EXPECT_GT(At(near)->Position.y, 509.0f);
    EXPECT_EQ(BodyOf(far)->m_Velocity.y, 600.0f) << "a frozen body keeps its velocity";
    EXPECT_EQ(physics().m_Bodies.size(), 3u) << "every body stays registered";

    CenterViewOn(800, 0);
    physics().Update(kStep);
    EXPECT_GT(At(far)->Position.y, 0.0f);

    // Frozen bodies make no contacts either.
    MakeObject("Ground", 2000, 0, 0, Box(-100, -10, 100, 0));
    MakeObject("Box", 2000, 0, 2, Box(-5, 0, 5, 10));
    physics().Update(kStep);
    EXPECT_EQ(Published(), 0u);
    CenterViewOn(2000, 0);
    physics().Update(kStep);
    EXPECT_EQ(Published(), 1u);
}

TEST_F(PhysicsTest, AHeroOutsideTheActiveRegionOnAnySideIsReportedAfterEachStep)
{
    GameObjectComposition* hero = MakeObject("Kibbet", 0, 0, 2, Box(-1, -1, 1, 1));
    physics().Update(kStep);
    EXPECT_EQ(physics().TakeHeroesLeftRegion(), 0);

    const Vec2 outside[] = {{-800, 0}, {800, 0}, {0, 520}, {0, -520}};
    for (const Vec2& place : outside)
    {
        At(hero)->Position = place;
        physics().Update(kStep);
        physics().Update(kStep);
        EXPECT_EQ(physics().TakeHeroesLeftRegion(), 2) << "at " << place.x << ", " << place.y;
        EXPECT_EQ(physics().TakeHeroesLeftRegion(), 0) << "taking the report starts it again";
    }

    // Another object leaving the region is only frozen.
    At(hero)->Position = {0, 0};
    GameObjectComposition* enemy = MakeObject("Wasp", 5000, 0, 2, Box(-1, -1, 1, 1));
    physics().Update(kStep);
    EXPECT_EQ(physics().TakeHeroesLeftRegion(), 0);
    EXPECT_EQ(At(enemy)->Position.x, 5000.0f);
}

TEST_F(PhysicsTest, BodiesMadeOrDestroyedByAContactReceiverAreKeptCorrectly)
{
    // A receiver that, on its first contact, makes a new body and destroys the other body of the pair.
    class Spawner : public IComponent
    {
    public:
        explicit Spawner(Physics* physics) : m_Physics(physics) {}
        IComponent* Clone() const override { return new Spawner(m_Physics); }
        void Destroy() override {}
        void SendMessage(IMessage* message) override
        {
            if (message->MessageId != Contact || m_Done)
            {
                return;
            }
            m_Done = true;
            m_Made = static_cast<Body*>(m_Physics->CreateComponent(0));
            auto* contact = static_cast<ContactMessage*>(message);
            Body* other = contact->Record.m_BodyA->Owner == Owner ? contact->Record.m_BodyB : contact->Record.m_BodyA;
            m_Victim = other->Owner;
            m_Victim->Components["Body"].release();
            m_Victim->Components.erase("Body");
            m_Physics->DestroyComponent(other);
        }
        void Serialize(TextSerializer&, const std::string&) override {}
        void Write(TextWriter&, const std::string&) const override {}
        std::string GetName() const override { return "Spawner"; }

        Physics* m_Physics;
        bool m_Done = false;
        Body* m_Made = nullptr;
        GameObjectComposition* m_Victim = nullptr;
    };

    GameObjectComposition* ground = MakeObject("Ground", 0, 0, 0, Box(-100, -10, 100, 0));
    MakeObject("Box", 0, 0, 2, Box(-5, 0, 5, 10));
    auto* spawner = new Spawner(&physics());
    ground->AddComponent("Spawner", spawner);

    physics().Update(0.05f);
    ASSERT_NE(spawner->m_Made, nullptr);
    EXPECT_EQ(spawner->m_Victim->Key, "Box");
    ASSERT_EQ(physics().m_Bodies.size(), 2u) << "the destroyed body is gone, the new one is kept";
    EXPECT_EQ(physics().m_Bodies[0], BodyOf(ground));
    EXPECT_EQ(physics().m_Bodies[1], spawner->m_Made);
    physics().DestroyComponent(spawner->m_Made);
}
