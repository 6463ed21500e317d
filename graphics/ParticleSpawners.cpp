#include "graphics/ParticleSpawners.h"

#include <cmath>
#include <cstdlib>

namespace Framework
{

namespace
{
constexpr float kDegree = 3.14159265f / 180.0f;
constexpr float kSpin = 0.005f;

// A draw of the standard generator from 0 to n - 1, as a float for the formulas below.
float R(int n)
{
    return static_cast<float>(std::rand() % n);
}

// +1 or -1 with equal chance.
float Sign()
{
    return std::rand() % 2 == 0 ? 1.0f : -1.0f;
}

float Spin()
{
    return Sign() * kSpin;
}

// The pollen and checkpoint bursts: a ring of sparkles flying out in every direction.
void SpawnRing(std::vector<Particle>& particles, Vec2 origin, int count, float scale)
{
    float rotation = R(360);
    for (int i = 0; i < count; ++i)
    {
        if (i > 0)
        {
            rotation += R(360);
        }
        Particle p;
        p.Position = origin;
        p.Rotation = rotation;
        p.Scale = {scale, scale};
        p.Acceleration = {2.0f, 2.0f};
        p.m_SpeedLimit = 20.0f;
        float angle = R(360) * kDegree;
        float speedX = R(20) + 10.0f;
        float speedY = R(20) + 10.0f;
        p.Velocity = {std::cos(angle) * speedX, std::sin(angle) * speedY};
        p.m_Life = R(2) + 1.0f;
        p.m_Spin = Spin();
        particles.push_back(p);
    }
}

void SpawnPollen(std::vector<Particle>& particles, Vec2 origin, bool mirror)
{
    (void)mirror;
    SpawnRing(particles, origin, 80, 0.2f);
}

void SpawnCheckPoint(std::vector<Particle>& particles, Vec2 origin, bool mirror)
{
    (void)mirror;
    SpawnRing(particles, origin, 120, 0.3f);
}

// Running dust kicked up behind the hero: mirrored (facing left) it drifts right.
void SpawnWalking(std::vector<Particle>& particles, Vec2 origin, bool mirror)
{
    const float d = mirror ? 1.0f : -1.0f;
    float rotation = R(360);
    for (int i = 0; i < 20; ++i)
    {
        if (i > 0)
        {
            rotation += R(360);
        }
        Particle p;
        p.Position = {origin.x + 5.0f * d, origin.y - 20.0f};
        p.Rotation = rotation;
        p.Scale = {0.5f, 0.5f};
        p.Acceleration = {10.0f * d, -120.0f};
        p.m_SpeedLimit = 50.0f;
        float angle = (R(70) + 20.0f) * kDegree;
        float speedX = R(500) / 5.0f;
        float speedY = R(200) / 10.0f;
        p.Velocity = {std::cos(angle) * speedX * d, std::sin(angle) * speedY};
        p.m_Life = (R(10) + 1.0f) / 10.0f + 0.5f;
        p.m_Spin = Spin();
        particles.push_back(p);
    }
}

// Geyser water: two drops thrown sideways.
void SpawnWater(std::vector<Particle>& particles, Vec2 origin, bool mirror)
{
    const float d = mirror ? -1.0f : 1.0f;
    float rotation = R(180);
    for (int i = 0; i < 2; ++i)
    {
        if (i > 0)
        {
            rotation += R(180);
        }
        Particle p;
        float dx = (R(300) + 1.0f) / 10.0f;
        float dy = R(300) / 10.0f;
        p.Position = {origin.x + d * dx, origin.y - dy};
        p.Rotation = rotation;
        p.Scale = {0.3f, 0.3f};
        p.Acceleration = {200.0f * d, -120.0f};
        p.m_SpeedLimit = 50.0f;
        float angle = (R(70) + 20.0f) * kDegree;
        float speedX = R(50) + 1.0f;
        float speedY = (R(200) + 1.0f) / 10.0f;
        p.Velocity = {std::cos(angle) * speedX * d, std::sin(angle) * speedY};
        p.m_Life = (R(5) + 1.0f) / 10.0f + 0.5f;
        p.m_Spin = Spin();
        particles.push_back(p);
    }
}

// Spray at the foot of a waterfall: at most one drop per burst, about every other burst.
void SpawnWaterBase(std::vector<Particle>& particles, Vec2 origin, bool mirror)
{
    (void)mirror;
    if (std::rand() % 2 != 0)
    {
        return;
    }
    const float d = Sign();
    Particle p;
    float x = d < 0.0f ? origin.x - (R(100) + 1.0f) / 10.0f : origin.x + (R(10) + 1.0f) / 10.0f;
    p.Position = {x, origin.y - R(10)};
    p.Rotation = R(180);
    p.Scale = {0.2f, 0.2f};
    p.Acceleration = {-200.0f * d, -200.0f};
    p.m_SpeedLimit = 50.0f;
    float angle = (R(70) + 20.0f) * kDegree;
    float speedX = (R(300) + 10.0f) / 10.0f;
    float speedY = (R(20000) + 600.0f) / 3.0f;
    p.Velocity = {std::cos(angle) * speedX * d, std::sin(angle) * speedY};
    p.m_Life = (R(5) + 1.0f) / 10.0f + 1.5f;
    p.m_Spin = Spin();
    particles.push_back(p);
}

// Rain: at most one straight falling drop per burst, about every other burst; drops do not spin.
void SpawnRain(std::vector<Particle>& particles, Vec2 origin, bool mirror)
{
    (void)mirror;
    if (std::rand() % 2 != 0)
    {
        return;
    }
    Particle p;
    float dx = Sign() * (R(100) + 1.0f);
    p.Position = {origin.x + dx, origin.y - R(10)};
    p.Rotation = 0.0f;
    p.Scale = {0.1f, 0.1f};
    p.Acceleration = {0.0f, -200.0f};
    p.m_SpeedLimit = 500.0f;
    p.Velocity = {0.0f, -(R(200) + 10.0f) / 10.0f};
    p.m_Life = R(10) + 10.0f;
    p.m_Spin = 0.0f;
    particles.push_back(p);
}
} // namespace

void RegisterParticleKinds()
{
    ParticleSpawners.clear();
    ParticleSpawners["Pollen"] = &SpawnPollen;
    ParticleSpawners["CheckPoint"] = &SpawnCheckPoint;
    ParticleSpawners["Walking"] = &SpawnWalking;
    ParticleSpawners["Water"] = &SpawnWater;
    ParticleSpawners["WaterBase"] = &SpawnWaterBase;
    ParticleSpawners["Rain"] = &SpawnRain;
}

} // namespace Framework
