#include "graphics/ParticleSpawners.h"

namespace Framework
{

void RegisterParticleKinds()
{
    ParticleSpawners.clear();
}

} // namespace Framework
