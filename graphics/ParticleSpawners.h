#pragma once

#include "engine/ProcessState.h"

#include <functional>
#include <map>
#include <string>

namespace Framework
{

// Spawns the particles of one kind; the particle system fills in the arguments.
using SpawnFunction = std::function<void()>;

// Fills ParticleSpawners; called once at program start, before any system exists.
void RegisterParticleKinds();

} // namespace Framework
