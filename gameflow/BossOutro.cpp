#include "actors/EnemyBehaviours.h"
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
// Where the closing scene puts its pieces, in the boss level's coordinates.
constexpr Vec2 YouWinPlace{4200.0f, 300.0f};
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
        graphics->m_pAnimation.PlayAsDefault(name);
        graphics->m_pAnimation.m_Loop = true;
    }
}

Controller* CubController()
{
    GameObjectComposition* cub = CORE->m_Factory->FindObject("1ChildBear");
    GameLogicComponent* logic = cub != nullptr ? cub->GetGameLogic() : nullptr;
    return logic != nullptr ? &logic->m_Controller : nullptr;
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
            transform->Position = YouWinPlace;
        }
    }
    factory->UnloadHUD();
    if (GameObjectComposition* cub = factory->FindObject("1ChildBear"))
    {
        if (Transform* transform = cub->GetTransform())
        {
            transform->Position = CubPlace;
            transform->Scale = {CubScale, CubScale};
        }
        if (Controller* controller = CubController())
        {
            controller->m_Action = BearWalkRight;
            controller->m_PreviousAction = BearWalkRight;
            controller->m_RangeOfAction = CubPatrolRange;
            controller->m_BearTimer = 0.0f;
            controller->m_Animator.m_Object = cub;
            controller->m_Animator.m_FacingRight = true;
        }
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
        if (Controller* controller = CubController())
        {
            controller->m_Action = BearDance;
            controller->m_PreviousAction = BearDance;
            SelectAnimation(controller->m_Animator.m_Object, "default");
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
