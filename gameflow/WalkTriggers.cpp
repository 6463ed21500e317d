// The scripted walks: the walk volumes' rules and the flow's side of them.
#include "gameflow/GameLogic.h"
#include "gameflow/ILevel.h"
#include "gameflow/TriggerSupport.h"
#include "gameflow/Triggers.h"

#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/Graphics.h"
#include "physics/Body.h"
#include "physics/ContactRecord.h"

namespace Framework
{

bool GameLogic::WalkVolume(ScriptedWalk kind, int& touched)
{
    touched += 1;
    if (touched % 2 == 1)
    {
        m_Flow.Walk = kind;
        SwitchInput(false);
        return true;
    }
    if (Body* body = HeroBody())
    {
        body->m_Velocity.x = 0.0f;
        body->m_Velocity.y = 0.0f;
    }
    if (m_Flow.Walk == kind)
    {
        m_Flow.Walk = ScriptedWalk::None;
    }
    SwitchInput(true);
    return false;
}

void GameLogic::EndWalk()
{
    if (m_Flow.Walk == ScriptedWalk::Exit)
    {
        // The exit's fade-out stops with its walk; the respawned hero is seen again.
        StartFade(FadeDirection::In, 1.0f);
    }
    m_Flow.Walk = ScriptedWalk::None;
    SwitchInput(true);
}

void GameLogic::LevelStartVolumeTouched()
{
    bool began = WalkVolume(ScriptedWalk::LevelStart, m_Flow.LevelStartVolumes);
    m_Flow.PlayerControl = true;
    if (began)
    {
        StartFade(FadeDirection::In, 1.0f);
        return;
    }
    GameObjectComposition* hero = FindHero();
    ILevel* level = m_LevelManager.m_CurrentLevel;
    if (level != nullptr && hero != nullptr && hero->GetTransform() != nullptr)
    {
        level->m_Checkpoint = hero->GetTransform()->Position;
    }
}

void GameLogic::MoveRightVolumeTouched()
{
    WalkVolume(ScriptedWalk::MoveRight, m_Flow.MoveRightVolumes);
    m_Flow.PlayerControl = true;
}

void GameLogic::ExitVolumeTouched()
{
    if (m_LevelManager.GetCurrentLevelName() == "Level_Bear")
    {
        // The boss level ends with its own closing scene instead of the exit walk.
        Enter(FlowState::LevelComplete, m_Flow.PlayerControl);
        return;
    }
    if (WalkVolume(ScriptedWalk::Exit, m_Flow.ExitVolumes))
    {
        LogLevelTiming("exit walk of " + m_LevelManager.GetCurrentLevelName() + " begins");
        m_LevelManager.PrepareTexturesFor(m_LevelManager.NextLevelName());
        StartFade(FadeDirection::Out, 2.0f);
        return;
    }
    Enter(FlowState::LevelComplete, false);
}

void LevelStartTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    if (GameLogic* logic = TheGameLogic())
    {
        logic->LevelStartVolumeTouched();
    }
    DestroyOwnObject();
}

void WinTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    if (GameLogic* logic = TheGameLogic())
    {
        logic->ExitVolumeTouched();
    }
    DestroyOwnObject();
}

void MoveRightTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    if (GameLogic* logic = TheGameLogic())
    {
        logic->MoveRightVolumeTouched();
    }
    DestroyOwnObject();
}

} // namespace Framework
