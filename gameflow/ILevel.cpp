#include "gameflow/ILevel.h"

#include "data/Factory.h"
#include "engine/Core.h"
#include "engine/ISystem.h"
#include "graphics/Camera.h"

namespace Framework
{

void ILevel::Initialize()
{
    CAMERA.m_LookAhead = 0.0f;
    if (CORE == nullptr)
    {
        return;
    }
    for (auto& system : CORE->Systems)
    {
        system->ResetForLevel();
    }
}

void ILevel::Unload()
{
    CAMERA.ClearCameraLocks();
    CAMERA.m_LookAhead = 0.0f;
    if (CORE != nullptr && CORE->m_Factory != nullptr)
    {
        CORE->m_Factory->DestroyAllObjects();
    }
}

} // namespace Framework
