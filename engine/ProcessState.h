#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/Vector.h"

namespace Framework
{

class Camera;
class Core;
class GameObjectComposition;
struct DebugLine;
struct Particle;

// Appends one burst of a particle kind to a list, centred on the origin; mirror flips its direction.
using SpawnFunction = void (*)(std::vector<Particle>& particles, Vec2 origin, bool mirror);

// Every value that lives as long as the process, in one place. ResetProcessState puts each back to its start
// value; the test guard calls it around every test and the program calls it at shutdown.
// To add one: declare it here with a comment, then define it with its start value and reset it in
// engine/ProcessState.cpp (the two lists there follow this one).

// The engine every part of the program reaches the systems through; null while none runs.
extern Core* CORE;
// The one camera (graphics/Camera.h).
extern Camera CAMERA;
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
// The messages LogOnce has written.
extern std::set<std::string> LoggedOnceMessages;
// The heads-up display's values (gameflow/HUD.h): lives left (3 at every level start), whether a life was already
// taken this frame (cleared at the end of every GameLogic update), the level's "Pollen_1" objects and those
// collected, the names of the energy bars in meter order, and the meter's refill clock.
extern int Lives;
extern bool LifeLostThisFrame;
extern int PollenTotal;
extern int PollenCollected;
extern std::vector<std::string> EnergyBars;
extern float BarRefillTimer;
extern bool BarRefillActive;
// The hero object as the latest logic update found it (actors/Controller.h); cleared at every level start.
extern GameObjectComposition* CurrentHero;
// Set by the level-start, win and move-right triggers: the hero walks right as if the player held right.
extern bool StartWalkActive;
extern bool WinWalkActive;
extern bool MoveRightActive;
// The volume the options page shows, 0 to 10; -1 until the options page is first entered (ui/OptionsPage.h).
extern int SoundLevel;
// Kept in platform/, which includes nothing of the game, and emptied from here: the SDL event listeners
// (platform/SdlEventHub.h).

// Puts every value above back to its start value; call only while no Core runs.
void ResetProcessState();

} // namespace Framework
