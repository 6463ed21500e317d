#include "gameflow/ILevel.h"

#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/ISystem.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HeroStandIns.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"

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

void Level_Generic::Load()
{
    if (CORE == nullptr)
    {
        return;
    }
    if (CORE->m_Factory != nullptr)
    {
        CORE->m_Factory->LoadHUD();
    }
    if (CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->ResetFade();
    }
}

void Level_Generic::Initialize()
{
    if (CORE != nullptr && CORE->m_GameLogic != nullptr)
    {
        CORE->m_GameLogic->m_PauseAllowed = true;
    }
    ILevel::Initialize();
    m_PollenCount = 0;
    m_Checkpoint = {0.0f, 0.0f};
    if (CORE == nullptr || CORE->m_Factory == nullptr)
    {
        return;
    }
    for (const GameObjectComposition* object : CORE->m_Factory->AllLiveObjects())
    {
        if (object->Name == "Pollen_1")
        {
            ++m_PollenCount;
        }
    }
    if (const GameObjectComposition* hero = CORE->m_Factory->FindObject("Kibbet"))
    {
        if (const Transform* t = hero->GetTransform())
        {
            m_Checkpoint = t->Position;
        }
    }
    if (CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->PlayBGM(m_TrackName);
    }
    CAMERA.SetCameraLocks(m_CameraLock.x, m_CameraLock.y);
    CAMERA.SetCameraTarget(nullptr);
    ResetHUD();
}

} // namespace Framework
