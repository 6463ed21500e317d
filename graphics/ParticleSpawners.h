#pragma once

#include "engine/ProcessState.h"
#include "engine/Vector.h"
#include "graphics/Particle.h"

namespace Framework
{

// Fills ParticleSpawners ("Pollen", "CheckPoint", "Walking", "Water", "WaterBase", "Rain"); called once at
// program start after the random generator is seeded.
void RegisterParticleKinds();

} // namespace Framework
