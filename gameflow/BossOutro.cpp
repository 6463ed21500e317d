#include "actors/CubBehaviour.h"
#include "actors/GameLogicComponent.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/TriggerSupport.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsComponent.h"
#include "input/Input.h"

namespace Framework
{

namespace
{
// Where the closing scene puts its pieces, in the boss level's coordinates; the banner stands in the middle of
// the view, which holds still through the scene.
constexpr float YouWinY = 300.0f;
constexpr Vec2 CubPlace{3550.0f, 130.0f};
constexpr float CubScale = 0.2f;
constexpr float CubPatrolRange = 400.0f;
// The hero walks this far each frame until it stands at the end of the arena.
constexpr float OutroStep = 5.0f;
constexpr float OutroEndX = 4890.0f;

void SetHeroAnimation(GameObjectComposition* hero, const std::string& name)
{
    if (GraphicsComponent* graphics = hero != nullptr ? hero->GetGraphics() : nullptr)
    {
        graphics->m_Animation.PlayAsDefault(name);
        graphics->m_Animation.m_Loop = true;
    }
}

// The bear's cub among the live actors, or null.
CubBehaviour* FindCub(const std::vector<GameLogicComponent*>& actors)
{
    for (GameLogicComponent* actor : actors)
    {
        if (CubBehaviour* cub = actor->As<CubBehaviour>())
        {
            return cub;
        }
    }
    return nullptr;
}

} // namespace

void GameLogic::StartBossOutro()
{
    Enter(FlowState::BossOutro, false);
    CAMERA.m_ViewOffset.y = 0.0f;
    CAMERA.RebuildViewProjection();
    CAMERA.m_Target = nullptr;
    Factory* factory = m_Core->m_Factory;
    SetHeroAnimation(factory->FindObject("Kibbet"), "moveRight");
    if (Audio* audio = m_Core->m_Audio)
    {
        if (audio->IsSoundPlaying("BGM_Boss"))
        {
            audio->StopSound("BGM_Boss");
        }
        audio->PlaySound("BGM_Level_Complete_03");
    }
    if (GameObjectComposition* banner = factory->CreateObject("You_Win", ""))
    {
        if (Transform* transform = banner->GetTransform())
        {
            transform->Position = {CAMERA.ScreenCentre().x, YouWinY};
        }
    }
    factory->UnloadHUD();
    if (CubBehaviour* cub = FindCub(m_LogicComponents))
    {
        if (Transform* transform = cub->OwnTransform())
        {
            transform->Position = CubPlace;
            transform->Scale = {CubScale, CubScale};
        }
        cub->WalkOut(CubPatrolRange);
    }
    m_Flow.ChildBearPending = true;
}

void GameLogic::UpdateBossOutro()
{
    GameObjectComposition* hero = m_Core->m_Factory->FindObject("Kibbet");
    Transform* transform = hero != nullptr ? hero->GetTransform() : nullptr;
    if (transform == nullptr)
    {
        return;
    }
    transform->Position.x += OutroStep;
    if (transform->Position.x <= OutroEndX)
    {
        return;
    }
    if (Audio* audio = m_Core->m_Audio; audio != nullptr && audio->IsSoundPlaying("BGM_Boss"))
    {
        audio->StopSound("BGM_Boss");
    }
    transform->Position.x = OutroEndX;
    SetHeroAnimation(hero, "default");
    if (m_Flow.ChildBearPending)
    {
        if (CubBehaviour* cub = FindCub(m_LogicComponents))
        {
            cub->Dance();
        }
        m_Flow.ChildBearPending = false;
    }
    Input* input = m_Core->m_Input;
    if (input != nullptr && (input->IsAnyKeyTriggered() || input->IsAnyButtonTriggered()))
    {
        SwitchInput(false);
        SwitchInput(true);
        Enter(FlowState::Playing, true);
        m_LevelManager.RequestLevel("Level_00_Menu");
    }
}

} // namespace Framework
