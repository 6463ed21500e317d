#pragma once

#include "graphics/Sprite.h"
#include "platform/Vector.h"

#include <limits>
#include <string>
#include <vector>

namespace Framework
{

// Life value of a particle that never expires.
constexpr float kEndlessLife = -1.0f;

// One live particle: a small value record moved by its type's update and drawn with the type's sprite.
struct Particle
{
    Vec2 Position;
    float Rotation = 0.0f; // radians
    Vec2 Scale{1.0f, 1.0f};
    // Seconds left (kEndlessLife: never expires); also the opacity when drawn.
    float m_Life = 0.0f;
    // Compared with the squared speed, not the speed: see UpdateParticles.
    float m_SpeedLimit = 0.0f;
    // Added to the rotation at every update, not scaled by the time step.
    float m_Spin = 0.0f;
    Vec2 Acceleration; // units per second squared
    Vec2 Velocity;     // units per second
    // The particle ends once it falls below this height (rain stops on the ground); no floor by default.
    float m_Floor = -std::numeric_limits<float>::infinity();
};

// One entry of an emitter: a particle kind by name, the sprite its particles show, where the next burst
// starts and which way it faces, and the live particles in creation order.
struct ParticleType
{
    std::string m_ParticleType;
    Sprite m_Sprite;
    Vec2 m_Origin;
    std::vector<Particle> m_Particles;
    bool m_Mirror = false;
};

} // namespace Framework
