#include "tests/TestSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "graphics/Camera.h"
#include "graphics/Emitter.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleSpawners.h"

#include <cmath>
#include <cstdlib>

using namespace Framework;

namespace
{
float Speed(const Particle& p)
{
    return std::hypot(p.Velocity.x, p.Velocity.y);
}

ParticleType Burst(const std::string& kind, bool mirror = false)
{
    ParticleType type;
    type.m_ParticleType = kind;
    type.m_Origin = {100.0f, 50.0f};
    type.m_Mirror = mirror;
    EmitBurst(type);
    return type;
}

class EmitterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::srand(7);
        RegisterParticleKinds();
    }
};

// The ground fixture level: its "Hive" object has a sprite and an emitter with "Pollen" and "CheckPoint".
class EmitterDrawTest : public EngineTest
{
protected:
    void SetUp() override
    {
        std::srand(7);
        RegisterParticleKinds();
        CAMERA = Camera{};
        Start(SourcePath("tests/data/ground"), "Level_Ground", true);
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        CAMERA = Camera{};
    }
    // The vertex counts of the particle draws of one frame.
    std::vector<size_t> ParticleDraws()
    {
        core.m_Graphics->Update(0.017f);
        std::vector<size_t> counts;
        for (const RecordedDraw& draw : static_cast<RecordingRenderDevice&>(core.m_Graphics->Device()).Draws)
        {
            if (draw.Shader == PixelShader::Particle)
            {
                EXPECT_EQ(draw.Texture, core.m_Graphics->m_ParticleLayer);
                for (const Vertex& v : draw.Vertices)
                {
                    EXPECT_EQ(v.g, core.m_Graphics->m_FadeValue);
                    EXPECT_TRUE(v.a > 0.0f && v.a <= 2.0f) << "the opacity is the life left";
                }
                counts.push_back(draw.Vertices.size());
            }
        }
        return counts;
    }
};
} // namespace

// The limit is compared with the squared speed: anything faster than its square root jumps to the limit.
TEST_F(EmitterTest, SpeedLimitAppliesToTheSquaredSpeed)
{
    struct Case
    {
        float Limit;
        Vec2 Velocity;
        Vec2 Acceleration;
        float Expected;
    } cases[] = {
        {20.0f, {29.0f, 0.0f}, {0.0f, 0.0f}, 20.0f},                 // slowed to the limit
        {20.0f, {0.0f, 12.0f}, {0.0f, 0.0f}, 20.0f},                 // 144 > 20: raised to the limit
        {20.0f, {3.0f, 3.0f}, {0.0f, 0.0f}, std::hypot(3.0f, 3.0f)}, // below 4.47: kept
        {500.0f, {0.0f, -22.0f}, {0.0f, -200.0f}, 500.0f},           // rain passing 22.4 falls at 500 at once
    };
    for (const Case& c : cases)
    {
        ParticleType type;
        Particle p;
        p.m_Life = 5.0f;
        p.m_SpeedLimit = c.Limit;
        p.Velocity = c.Velocity;
        p.Acceleration = c.Acceleration;
        type.m_Particles.push_back(p);
        UpdateParticles(type, 0.017f);
        ASSERT_EQ(type.m_Particles.size(), 1u);
        EXPECT_NEAR(Speed(type.m_Particles[0]), c.Expected, 1e-3f) << "limit " << c.Limit;
        // Velocity moves the particle before the acceleration and the limit change it.
        EXPECT_NEAR(type.m_Particles[0].Position.x, c.Velocity.x * 0.017f, 1e-5f);
    }
}

TEST_F(EmitterTest, LifeRunsOutExceptForEndlessParticles)
{
    ParticleType type;
    Particle endless;
    endless.m_Life = kEndlessLife;
    endless.m_Spin = 0.5f;
    Particle brief;
    brief.m_Life = 0.03f;
    type.m_Particles = {endless, brief};
    UpdateParticles(type, 0.017f);
    EXPECT_EQ(type.m_Particles.size(), 2u);
    EXPECT_FLOAT_EQ(type.m_Particles[0].Rotation, 0.5f) << "spin is not scaled by the time step";
    UpdateParticles(type, 0.017f);
    ASSERT_EQ(type.m_Particles.size(), 1u);
    for (int i = 0; i < 1000; ++i)
    {
        UpdateParticles(type, 0.1f);
    }
    ASSERT_EQ(type.m_Particles.size(), 1u);
    EXPECT_EQ(type.m_Particles[0].m_Life, kEndlessLife);
}

TEST_F(EmitterTest, BurstsHaveTheirKindsCountsAndLifetimes)
{
    struct Case
    {
        const char* Kind;
        size_t Count;
        float Scale;
        float MinLife;
        float MaxLife;
    } cases[] = {
        {"Pollen", 80, 0.2f, 1.0f, 2.0f}, {"CheckPoint", 120, 0.3f, 1.0f, 2.0f}, {"Walking", 20, 0.5f, 0.6f, 1.5f},
        {"Water", 2, 0.3f, 0.6f, 1.0f},   {"NoSuchKind", 0, 0.0f, 0.0f, 0.0f},
    };
    for (const Case& c : cases)
    {
        ParticleType type = Burst(c.Kind);
        ASSERT_EQ(type.m_Particles.size(), c.Count) << c.Kind;
        for (const Particle& p : type.m_Particles)
        {
            EXPECT_FLOAT_EQ(p.Scale.x, c.Scale) << c.Kind;
            EXPECT_GE(p.m_Life, c.MinLife - 1e-5f) << c.Kind;
            EXPECT_LE(p.m_Life, c.MaxLife + 1e-5f) << c.Kind;
        }
    }
    EXPECT_EQ(Burst("Pollen").m_Particles.front().Position.x, 100.0f);
}

TEST_F(EmitterTest, WalkingDustDriftsAwayFromTheWayTheHeroFacesAndBendsDownwards)
{
    for (bool mirror : {false, true})
    {
        ParticleType type = Burst("Walking", mirror);
        for (const Particle& p : type.m_Particles)
        {
            EXPECT_FLOAT_EQ(p.Position.y, 30.0f) << "dust starts 20 below the origin";
        }
        UpdateParticles(type, 0.017f);
        std::vector<Particle> start = type.m_Particles;
        for (int frame = 1; frame < 20; ++frame)
        {
            UpdateParticles(type, 0.017f);
        }
        ASSERT_EQ(type.m_Particles.size(), start.size()) << "dust lives at least 0.6 s";
        for (size_t i = 0; i < start.size(); ++i)
        {
            EXPECT_EQ(type.m_Particles[i].Position.x > 100.0f, mirror) << "mirrored dust drifts +x, unmirrored -x";
            EXPECT_LT(type.m_Particles[i].Velocity.y, start[i].Velocity.y) << "and bends downwards";
        }
    }
}

TEST_F(EmitterTest, RainAndWaterBaseAddAtMostOneDropPerBurstAboutEveryOtherTime)
{
    for (const char* kind : {"Rain", "WaterBase"})
    {
        ParticleType type;
        type.m_ParticleType = kind;
        int bursts = 1000;
        size_t before = 0;
        for (int i = 0; i < bursts; ++i)
        {
            EmitBurst(type);
            ASSERT_LE(type.m_Particles.size() - before, 1u) << kind;
            before = type.m_Particles.size();
        }
        EXPECT_GT(before, 400u) << kind;
        EXPECT_LT(before, 600u) << kind;
    }
}

TEST_F(EmitterTest, ReadsTheListOfUnnamedBlocksAndMissingTypesAreNone)
{
    const std::string block = R"({ "Emitter" : {
        "m_ParticleTypes" : [
            { "m_ParticleType" : "Pollen" , "m_Sprite" : { "default" : "Particle_Pollen" } } ,
            { "m_ParticleType" : "Walking" , "m_Sprite" : { "default" : "Particle_Dust" } }
        ]
    } , "Next" : 1 })";
    TextSerializer reader = TextSerializer::FromText(block);
    reader.MoveToStart();
    reader.ReadToken();
    reader.ReadToken();
    Emitter emitter;
    emitter.Serialize(reader, std::string());
    ASSERT_EQ(emitter.m_ParticleTypes.size(), 2u);
    EXPECT_EQ(emitter.m_ParticleTypes[1].m_Sprite.Name, "Particle_Dust");
    reader.ReadToken();
    EXPECT_EQ(reader.CurrentToken, ",") << "the reader stops after the emitter's closing brace";

    ASSERT_NE(FindParticleType(emitter, "Walking"), nullptr);
    EXPECT_EQ(FindParticleType(emitter, "Rain"), nullptr);

    // A file cut inside the list ends the list instead of reading the last element for ever.
    for (size_t cut : {size_t(60), size_t(150), block.size() - 20})
    {
        TextSerializer truncated = TextSerializer::FromText(block.substr(0, cut));
        truncated.MoveToStart();
        truncated.ReadToken();
        truncated.ReadToken();
        Emitter partial;
        partial.Serialize(truncated, std::string());
        EXPECT_LE(partial.m_ParticleTypes.size(), 2u);
    }
}

TEST_F(EmitterDrawTest, ParticlesAreDrawnInBatchesFreezeWhilePausedAndDieWithTheirEmitter)
{
    Graphics& graphics = *core.m_Graphics;
    GameObjectComposition* hive = core.m_Factory->FindObject("Hive");
    ASSERT_NE(hive, nullptr);
    Emitter* emitter = hive->GetEmitter();
    ASSERT_EQ(graphics.m_Emitters, std::vector<Emitter*>{emitter}) << "a placed emitter is registered";
    ParticleType* type = FindParticleType(*emitter, "CheckPoint");
    ASSERT_NE(type, nullptr);
    type->m_Origin = {-380.0f, -60.0f};
    for (int i = 0; i < 42; ++i)
    {
        EmitBurst(*type); // 5,040 particles: more than the buffer's 2,000 quads
    }
    EXPECT_EQ(ParticleDraws(), (std::vector<size_t>{12000, 12000, 6240}));

    core.Paused = true;
    Particle before = type->m_Particles.front();
    ParticleDraws();
    EXPECT_EQ(type->m_Particles.front().Position.x, before.Position.x) << "paused particles do not move";
    EXPECT_EQ(type->m_Particles.front().m_Life, before.m_Life) << "nor age";
    core.Paused = false;
    ParticleDraws();
    EXPECT_NE(type->m_Particles.front().Position.x, before.Position.x);

    // An emitter whose object lost its sprite has nothing to be culled by: it is skipped.
    hive->Components["Graphics"].release()->Destroy();
    hive->Components.erase("Graphics");
    EXPECT_TRUE(ParticleDraws().empty());

    core.m_Factory->DestroyObject(hive);
    core.m_Factory->Update(0.0f);
    EXPECT_TRUE(graphics.m_Emitters.empty());
    EXPECT_TRUE(ParticleDraws().empty());
}
