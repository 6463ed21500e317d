#include "engine/ProcessState.h"

#include "engine/Core.h"
#include "platform/Log.h"
#include "platform/Window.h"

#include <algorithm>

namespace Framework
{

namespace
{
// Built on first use, so a reset may be added from another file's static initialisation.
std::vector<void (*)()>& AddedResets()
{
    static std::vector<void (*)()> resets;
    return resets;
}
} // namespace

Core* CORE = nullptr;
std::deque<DebugLine> DebugLineQueue;
uint32_t ObjectIdCounter = 0;
bool HudLoaded = false;
std::map<std::string, SpawnFunction> ParticleSpawners;
std::string ResourceRootFolder = "Resources";

void ResetProcessState()
{
    CORE = nullptr;
    DebugLineQueue.clear();
    ObjectIdCounter = 0;
    HudLoaded = false;
    ParticleSpawners.clear();
    ResourceRootFolder = "Resources";
    ForgetLoggedOnce();
    ClearSdlEventListeners();
    for (void (*reset)() : AddedResets())
    {
        reset();
    }
}

void AddProcessStateReset(void (*reset)())
{
    std::vector<void (*)()>& resets = AddedResets();
    if (std::find(resets.begin(), resets.end(), reset) == resets.end())
    {
        resets.push_back(reset);
    }
}

} // namespace Framework
