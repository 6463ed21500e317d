#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Vector.h"

namespace Framework
{

class Core;
struct DebugLine;
struct Particle;

// Appends one burst of a particle kind to a list, centred on the origin; mirror flips its direction.
using SpawnFunction = void (*)(std::vector<Particle>& particles, Vec2 origin, bool mirror);

// Every value that lives as long as the process, in one place. ResetProcessState puts each back to its start
// value; the test guard calls it around every test and the program calls it at shutdown.
// To add one: declare it here with a comment, then define it with its start value and reset it in
// engine/ProcessState.cpp (the two lists there follow this one). A value of a higher folder lives there and
// adds its own reset (below).

// The engine every part of the program reaches the systems through; null while none runs.
extern Core* CORE;
// Debug lines queued for the next frame (DebugLine in engine/Core.h); Graphics draws and empties it.
extern std::deque<DebugLine> DebugLineQueue;
// Ids handed to objects: cloning increments it first and takes the new value; level loading sets it.
extern uint32_t ObjectIdCounter;
// True while the heads-up display objects exist.
extern bool HudLoaded;
// The particle kinds by name; RegisterParticleKinds fills it at program start.
extern std::map<std::string, SpawnFunction> ParticleSpawners;
// The folder every data, texture and sound path is resolved against (engine/Paths.h sets and reads it).
extern std::string ResourceRootFolder;
// Kept in platform/, which includes nothing of the game, and emptied from here: the SDL event listeners
// (platform/SdlEventHub.h) and the messages LogOnce has written (platform/Log.h).
// Kept in a higher folder, which adds its reset with AddProcessStateReset: the one camera (graphics/Camera.h).

// Puts every value above back to its start value, then runs the added resets; call only while no Core runs.
void ResetProcessState();
// Adds a reset ResetProcessState runs, for a process-wide value kept in a folder above engine/; adding the same
// function again does nothing. Safe during static initialisation.
void AddProcessStateReset(void (*reset)());

} // namespace Framework
