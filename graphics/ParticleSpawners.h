#pragma once

#include "engine/ProcessState.h"
#include "engine/Vector.h"
#include "graphics/Particle.h"

#include <map>
#include <string>
#include <vector>

namespace Framework
{

// The particle kinds by name ("Pollen", "CheckPoint", "Walking", "Water", "WaterBase", "Rain") are kept in
// ParticleSpawners (engine/ProcessState.h).

// Fills ParticleSpawners; called once at program start after the random generator is seeded.
void RegisterParticleKinds();

} // namespace Framework
