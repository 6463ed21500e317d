#include "engine/ProcessState.h"

#include "engine/Core.h"
#include "graphics/Camera.h"
#include "platform/Window.h"

namespace Framework
{

Core* CORE = nullptr;
Camera CAMERA;
std::deque<DebugLine> DebugLineQueue;
uint32_t ObjectIdCounter = 0;
bool HudLoaded = false;
std::map<std::string, SpawnFunction> ParticleSpawners;
std::string ResourceRootFolder = "Resources";
std::set<std::string> LoggedOnceMessages;
int Lives = 3;
bool LifeLostThisFrame = false;
int PollenTotal = 0;
int PollenCollected = 0;
std::vector<std::string> EnergyBars;
float BarRefillTimer = 0.0f;
bool BarRefillActive = false;
bool StartWalkActive = false;
bool WinWalkActive = false;
bool MoveRightActive = false;
int SoundLevel = -1;

void ResetProcessState()
{
    CORE = nullptr;
    CAMERA = Camera{};
    DebugLineQueue.clear();
    ObjectIdCounter = 0;
    HudLoaded = false;
    ParticleSpawners.clear();
    ResourceRootFolder = "Resources";
    LoggedOnceMessages.clear();
    Lives = 3;
    LifeLostThisFrame = false;
    PollenTotal = 0;
    PollenCollected = 0;
    EnergyBars.clear();
    BarRefillTimer = 0.0f;
    BarRefillActive = false;
    StartWalkActive = false;
    WinWalkActive = false;
    MoveRightActive = false;
    SoundLevel = -1;
    ClearSdlEventListeners();
}

} // namespace Framework
