#pragma once

#include <functional>
#include <map>
#include <string>

namespace Framework
{

// Spawns the particles of one kind; the particle system fills in the arguments.
using SpawnFunction = std::function<void()>;

// The particle kinds by name.
extern std::map<std::string, SpawnFunction> ParticleSpawners;

// Fills ParticleSpawners; called once at program start, before any system exists.
void RegisterParticleKinds();

} // namespace Framework
