#pragma once

#include "engine/ProcessState.h"
#include "graphics/Particle.h"
#include "platform/Vector.h"

namespace Framework
{

// Fills ParticleSpawners ("Pollen", "CheckPoint", "Walking", "Water", "WaterBase", "Rain"); called once at
// program start after the random generator is seeded.
void RegisterParticleKinds();

} // namespace Framework
