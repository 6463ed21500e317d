#pragma once

#include "engine/ProcessState.h"
#include "engine/Vector.h"
#include "graphics/Particle.h"

#include <map>
#include <string>
#include <vector>

namespace Framework
{

// ParticleSpawners (engine/ProcessState.h) holds the kinds by name: "Pollen", "CheckPoint", "Walking",
// "Water", "WaterBase", "Rain".

// Fills ParticleSpawners; called once at program start after the random generator is seeded.
void RegisterParticleKinds();

} // namespace Framework
