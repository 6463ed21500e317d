#pragma once

#include "engine/Vector.h"
#include "graphics/Particle.h"

#include <map>
#include <string>
#include <vector>

namespace Framework
{

// Appends one burst of a particle kind to a list, centred on the origin; mirror flips its direction.
using SpawnFunction = void (*)(std::vector<Particle>& particles, Vec2 origin, bool mirror);

// The particle kinds by name ("Pollen", "CheckPoint", "Walking", "Water", "WaterBase", "Rain").
extern std::map<std::string, SpawnFunction> ParticleSpawners;

// Fills ParticleSpawners; called once at program start after the random generator is seeded.
void RegisterParticleKinds();

} // namespace Framework
