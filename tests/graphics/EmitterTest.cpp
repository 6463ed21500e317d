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

namespace
{
// A closed range; Lo == Hi for an exact value.
struct Range
{
    float Lo, Hi;
    bool Holds(float v) const { return v >= Lo - 1e-4f && v <= Hi + 1e-4f; }
};

// What one burst of a kind throws, for an emitter facing right (unmirrored) at the origin: x values of the kinds that
// mirror change sign when it faces left. Offsets are from the origin; velocities are the start velocities.
struct KindCase
{
    const char* Kind;
    Range Count; // particles per burst
    bool Mirrors;
    float Scale, Limit, Spin;
    Range AccelX, AccelY, OffsetX, OffsetY, VelocityX, VelocityY, Life;
};

const KindCase kKinds[] = {
    // kind, count, mirrors, scale, limit, |spin|, acceleration x, y, offset x, y, velocity x, y, life
    {"Pollen", {80, 80}, false, 0.2f, 20, 0.005f, {2, 2}, {2, 2}, {0, 0}, {0, 0}, {-29, 29}, {-29, 29}, {1, 2}},
    {"CheckPoint", {120, 120}, false, 0.3f, 20, 0.005f, {2, 2}, {2, 2}, {0, 0}, {0, 0}, {-29, 29}, {-29, 29}, {1, 2}},
    // Dust is kicked up behind the hero: an unmirrored (right-facing) burst drifts left.
    {"Walking",
     {20, 20},
     true,
     0.5f,
     50,
     0.005f,
     {-10, -10},
     {-120, -120},
     {-5, -5},
     {-20, -20},
     {-94, 0},
     {0, 19.9f},
     {0.6f, 1.5f}},
    {"Water",
     {2, 2},
     true,
     0.3f,
     50,
     0.005f,
     {200, 200},
     {-120, -120},
     {0.1f, 30},
     {-29.9f, 0},
     {0, 50},
     {0, 20},
     {0.6f, 1.0f}},
    // Spray goes either way, pushed back towards the fall; one drop about every other burst.
    {"WaterBase",
     {0, 1},
     false,
     0.2f,
     50,
     0.005f,
     {-200, 200},
     {-200, -200},
     {-10, 1},
     {-9, 0},
     {-30.9f, 30.9f},
     {0, 6867},
     {1.6f, 2.0f}},
    {"Rain",
     {0, 1},
     false,
     0.1f,
     500,
     0.0f,
     {0, 0},
     {-200, -200},
     {-100, 100},
     {-9, 0},
     {0, 0},
     {-20.9f, -1},
     {10, 19}},
};
} // namespace

TEST_F(EmitterTest, EachKindThrowsItsCountWithItsSpeedsAccelerationsOffsetsAndLifetimes)
{
    constexpr int kBursts = 400;
    for (const KindCase& c : kKinds)
    {
        for (bool mirror : {false, true})
        {
            SCOPED_TRACE(std::string(c.Kind) + (mirror ? " mirrored" : ""));
            const float flip = mirror && c.Mirrors ? -1.0f : 1.0f;
            auto holdsX = [flip](Range r, float v) { return r.Holds(flip * v); };
            size_t total = 0;
            for (int burst = 0; burst < kBursts; ++burst)
            {
                ParticleType type = Burst(c.Kind, mirror);
                ASSERT_TRUE(c.Count.Holds(static_cast<float>(type.m_Particles.size())));
                total += type.m_Particles.size();
                for (const Particle& p : type.m_Particles)
                {
                    ASSERT_TRUE(p.Scale.x == c.Scale && p.Scale.y == c.Scale) << p.Scale.x;
                    ASSERT_EQ(p.m_SpeedLimit, c.Limit);
                    ASSERT_EQ(std::fabs(p.m_Spin), c.Spin);
                    // Accelerations take one of the two values given, never one between.
                    float ax = flip * p.Acceleration.x;
                    ASSERT_TRUE(ax == c.AccelX.Lo || ax == c.AccelX.Hi) << p.Acceleration.x;
                    ASSERT_EQ(p.Acceleration.y, c.AccelY.Lo);
                    ASSERT_TRUE(holdsX(c.OffsetX, p.Position.x - 100.0f)) << p.Position.x;
                    ASSERT_TRUE(c.OffsetY.Holds(p.Position.y - 50.0f)) << p.Position.y;
                    ASSERT_TRUE(holdsX(c.VelocityX, p.Velocity.x)) << p.Velocity.x;
                    ASSERT_TRUE(c.VelocityY.Holds(p.Velocity.y)) << p.Velocity.y;
                    ASSERT_TRUE(c.Life.Holds(p.m_Life)) << p.m_Life;
                }
            }
            if (c.Count.Lo != c.Count.Hi)
            {
                EXPECT_GT(total, kBursts * 2 / 5u) << "about every other burst";
                EXPECT_LT(total, kBursts * 3 / 5u);
            }
        }
    }
    EXPECT_TRUE(Burst("NoSuchKind").m_Particles.empty());
}

TEST_F(EmitterTest, WalkingDustBendsDownwards)
{
    ParticleType type = Burst("Walking");
    UpdateParticles(type, 0.017f);
    std::vector<Particle> start = type.m_Particles;
    for (int frame = 1; frame < 20; ++frame)
    {
        UpdateParticles(type, 0.017f);
    }
    ASSERT_EQ(type.m_Particles.size(), 20u) << "dust lives at least 0.6 s";
    for (size_t i = 0; i < start.size(); ++i)
    {
        EXPECT_LT(type.m_Particles[i].Velocity.y, start[i].Velocity.y);
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

    // A file cut inside the list ends the list instead of reading the last element for ever: cut inside the first
    // element, after it, and inside the closing of the second, it keeps the types begun before the cut.
    const std::pair<size_t, size_t> cuts[] = {{60, 1}, {150, 1}, {block.size() - 20, 2}};
    for (const auto& [cut, types] : cuts)
    {
        TextSerializer truncated = TextSerializer::FromText(block.substr(0, cut));
        truncated.MoveToStart();
        truncated.ReadToken();
        truncated.ReadToken();
        Emitter partial;
        partial.Serialize(truncated, std::string());
        EXPECT_EQ(partial.m_ParticleTypes.size(), types) << "cut at " << cut;
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
