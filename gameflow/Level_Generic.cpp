#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"

namespace Framework
{

void Level_Generic::Load()
{
    if (CORE == nullptr)
    {
        return;
    }
    // The loading screen shows its picture alone.
    const bool playable = CORE->m_GameLogic == nullptr ||
                          GameLogic::IsPlayableLevel(CORE->m_GameLogic->m_LevelManager.GetCurrentLevelName());
    if (CORE->m_Factory != nullptr && playable)
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
    m_PauseMenu.Reset();
    ILevel::Initialize();
    m_PollenCount = 0;
    m_Checkpoint = {0.0f, 0.0f};
    if (CORE != nullptr && CORE->m_Factory != nullptr)
    {
        for (const GameObjectComposition* object : CORE->m_Factory->AllLiveObjects())
        {
            if (object->Name == "Pollen_1")
            {
                ++m_PollenCount;
            }
        }
        const GameObjectComposition* hero = CORE->m_Factory->FindObject("Kibbet");
        if (const Transform* t = hero != nullptr ? hero->GetTransform() : nullptr)
        {
            m_Checkpoint = t->Position;
        }
    }
    m_HeroStart = m_Checkpoint;
    if (CORE != nullptr && CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->PlayBGM(m_TrackName);
    }
    CAMERA.SetCameraLocks(m_CameraLock.x, m_CameraLock.y);
    CAMERA.SetCameraTarget(nullptr);
    if (CORE != nullptr && CORE->m_GameLogic != nullptr)
    {
        ResetHUD(CORE->m_GameLogic->Session());
    }
}

void Level_Generic::Update(float dt)
{
    m_PauseMenu.Update(dt);
}

void Level_Generic::Unload()
{
    m_PauseMenu.Reset();
    ILevel::Unload();
}

} // namespace Framework
