#include "engine/ProcessState.h"

#include "engine/Core.h"
#include "graphics/Camera.h"
#include "platform/Log.h"
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

void ResetProcessState()
{
    CORE = nullptr;
    CAMERA = Camera{};
    DebugLineQueue.clear();
    ObjectIdCounter = 0;
    HudLoaded = false;
    ParticleSpawners.clear();
    ResourceRootFolder = "Resources";
    ForgetLoggedOnce();
    ClearSdlEventListeners();
}

} // namespace Framework
