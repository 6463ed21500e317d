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
    ClearSdlEventListeners();
}

} // namespace Framework
