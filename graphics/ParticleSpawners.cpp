#include "graphics/ParticleSpawners.h"

namespace Framework
{

std::map<std::string, SpawnFunction> ParticleSpawners;

void RegisterParticleKinds()
{
    ParticleSpawners.clear();
}

} // namespace Framework
