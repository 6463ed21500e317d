// GameLogic's state machine: the transitions between flow states and the frame of each state that has one
// (the scripted walks are in WalkTriggers.cpp, the boss level's closing scene in BossOutro.cpp).
#include "actors/GameLogicComponent.h"
#include "actors/HeroController.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"
#include "gameflow/TriggerSupport.h"
#include "gameflow/Triggers.h"
#include "graphics/Camera.h"
#include "physics/Body.h"

#include <cmath>

namespace Framework
{

namespace
{
// The hero is back at its checkpoint and the player steers again: what the player must learn anew (crumbled
// ledges, a frog's rhythm, a dragonfly's dive) is as it was placed for the next try. Done only now, so nothing
// takes aim at where the hero died while the view pans back.
void RestartActorCycles(const std::vector<GameLogicComponent*>& components)
{
    for (GameLogicComponent* component : components)
    {
        component->HeroRespawned();
    }
}
} // namespace

void GameLogic::Enter(FlowState state, bool playerControl)
{
    m_Flow.State = state;
    m_Flow.PlayerControl = playerControl;
}

void GameLogic::HeroDied()
{
    // With an end screen up the death already counted (a second contact in the same frame, or the
    // hero still inside the volume while the game is paused). A finished level's hero cannot die any more.
    if (EndScreenActive() || TallyActive())
    {
        return;
    }
    // A death ends any scripted walk: a walk left running would run the respawned hero to the right for
    // ever with input off.
    if (m_Flow.Walk != ScriptedWalk::None)
    {
        EndWalk();
    }
    GameObjectComposition* hero = FindHero();
    if (LoseLife(m_Session) <= 0)
    {
        if (Transform* t = hero != nullptr ? hero->GetTransform() : nullptr)
        {
            t->Position.y += 20.0f;
        }
        GameOver();
    }
    else
    {
        if (m_Flow.State != FlowState::RespawnPan)
        {
            m_Flow.CameraTargetAtDeath = CAMERA.m_Target;
        }
        Enter(FlowState::RespawnPan, false);
        m_PlayerController->ResetToIdle();
    }
    if (m_Core != nullptr && m_Core->m_Audio != nullptr)
    {
        m_Core->m_Audio->PlaySoundOnce("SFX_Kibbet_Death");
    }
    CAMERA.m_Target = nullptr;
}

void GameLogic::ReloadLevel()
{
    ILevel* level = m_LevelManager.m_CurrentLevel;
    if (level == nullptr)
    {
        return;
    }
    const Vec2 checkpoint = level->m_Checkpoint;
    const bool reached = checkpoint.x != level->m_HeroStart.x || checkpoint.y != level->m_HeroStart.y;
    m_LevelManager.RestartLevel();
    GameObjectComposition* hero = FindHero();
    Transform* t = hero != nullptr ? hero->GetTransform() : nullptr;
    if (!reached || t == nullptr || m_Core == nullptr || m_Core->m_Factory == nullptr)
    {
        return;
    }
    // The start walk was behind the hero: its volumes go as they do once touched, and the view fades in now.
    for (GameObjectComposition* object : m_Core->m_Factory->AllLiveObjects())
    {
        if (object->GetComponent(LevelStartTrigger::TypeName) != nullptr)
        {
            m_Core->m_Factory->DestroyObject(object);
        }
    }
    m_Flow.LevelStartVolumes = 2;
    StartFade(FadeDirection::In, 1.0f);
    level->m_Checkpoint = checkpoint;
    t->Position = checkpoint;
    m_Flow.CameraTargetAtDeath = CAMERA.m_Target;
    CAMERA.m_Target = nullptr;
    Enter(FlowState::RespawnPan, false);
    m_PlayerController->ResetToIdle();
}

void GameLogic::GameOver()
{
    GameObjectComposition* words = PlaceObject("Game_Over", 0.0f, 0.0f, 1.5f);
    if (m_Core != nullptr && m_Core->m_Audio != nullptr)
    {
        m_Core->m_Audio->PlayBGM("BGM_Game_Over");
        m_Core->m_Audio->SetLooping("BGM_Game_Over", false);
        if (SoundRecord* record = m_Core->m_Audio->FindSound("BGM_Game_Over"))
        {
            record->m_Playing = false;
        }
    }
    SwitchInput(false);
    if (m_Core != nullptr)
    {
        m_Core->Paused = true;
    }
    if (Transform* t = words != nullptr ? words->GetTransform() : nullptr)
    {
        t->Position = CAMERA.ScreenCentre();
    }
    Enter(FlowState::GameOver, false);
}

void GameLogic::GameCompleteReached()
{
    if (Body* body = HeroBody())
    {
        body->m_Velocity.x = 0.0f;
        body->m_Velocity.y = 0.0f;
    }
    CAMERA.m_Target = nullptr;
    Vec2 c = CAMERA.ScreenCentre();
    PlaceObject("You_Win", c.x, c.y - 250.0f, 0.7f);
    PlaceObject("For_Now", c.x, c.y + 250.0f, 0.7f);
    Enter(FlowState::GameComplete, false);
}

void GameLogic::UpdateEndScreen(float dt)
{
    if (!EndScreenActive())
    {
        return;
    }
    // Only the game-over screen shows the hero dying; on the win screen control is off but the hero lives.
    if (!m_Flow.PlayerControl && m_Flow.State == FlowState::GameOver)
    {
        PlayDeathAnimation(*m_PlayerController->m_Animator);
    }
    if (m_Flow.EndScreenTimer <= kEndScreenGate)
    {
        m_Flow.EndScreenTimer += dt;
        return;
    }
    // The gate is open: input comes back, and with it the player's control, while the screen stays up.
    if (!m_Flow.PlayerControl)
    {
        SwitchInput(true);
        m_Flow.PlayerControl = true;
    }
    if (AnyKeyOrButton())
    {
        SwitchInput(true);
        Enter(FlowState::Playing, true);
        m_LevelManager.RestartLevel();
        if (m_Core != nullptr)
        {
            m_Core->Paused = false;
        }
    }
}

void GameLogic::PanView(float dx, float dy)
{
    CAMERA.UpdateParallax(-dx, 0.0f);
    CAMERA.m_ViewOffset.x += dx;
    CAMERA.RebuildViewProjection();
    CAMERA.UpdateParallax(0.0f, -dy);
    CAMERA.m_ViewOffset.y += dy;
    CAMERA.RebuildViewProjection();
}

void GameLogic::UpdateRespawnPan()
{
    ILevel* level = m_LevelManager.m_CurrentLevel;
    GameObjectComposition* hero = FindHero();
    if (level == nullptr || hero == nullptr)
    {
        return;
    }
    Vec2 k = level->m_Checkpoint;
    if (Transform* t = hero->GetTransform())
    {
        t->Position = k;
    }
    if (!m_Session.Level().RespawnPanEnabled)
    {
        // The view stays where it is; the camera follows what it followed before the death again, so a
        // checkpoint out of view does not leave the hero dying there frame after frame.
        if (m_Flow.CameraTargetAtDeath != nullptr)
        {
            CAMERA.SetCameraTarget(m_Flow.CameraTargetAtDeath, true);
        }
        RestartActorCycles(m_LogicComponents);
        Enter(FlowState::Playing, true);
        return;
    }
    CAMERA.m_LookAhead = 0.0f;
    Vec2 c = CAMERA.ScreenCentre();
    float dx = (c.x - k.x) / 30.0f;
    float dy = (c.y - k.y - 200.0f) / 30.0f;
    float lengthSquared = dx * dx + dy * dy;
    if (lengthSquared < m_PanMinStepSquared && lengthSquared > 0.0f)
    {
        float scale = m_PanMinStep / std::sqrt(lengthSquared);
        dx *= scale;
        dy *= scale;
    }
    float ex = std::fabs(k.x - c.x);
    float ey = std::fabs(k.y - (c.y - 200.0f));
    m_Flow.PanStep = {dx, dy, 0.0f};
    if (ex > m_PanSnapDistance || ey > m_PanSnapDistance)
    {
        PanView(dx, dy);
        return;
    }
    // The last step lands exactly on the checkpoint; a view already there (zero step) stays put.
    float length = std::sqrt(dx * dx + dy * dy);
    if (length > 0.0f)
    {
        PanView(dx / length * ex, dy / length * ey);
    }
    CAMERA.SetCameraTarget(nullptr, true);
    RestartActorCycles(m_LogicComponents);
    Enter(FlowState::Playing, true);
}

void GameLogic::UpdateLevelComplete()
{
    RecordFinish();
    if (m_LevelManager.GetCurrentLevelName() == "Level_Bear")
    {
        // The closing scene is the boss level's tally: it leads back to the menu.
        StartBossOutro();
        return;
    }
    Enter(FlowState::Tally, false);
    m_Flow.EndScreenTimer = 0.0f;
    ShowTally();
}

void GameLogic::HeroBounced(GameObjectComposition* from)
{
    GameObjectComposition* hero = FindHero();
    Body* body = hero != nullptr ? hero->GetBody() : nullptr;
    Knockback& bounce = m_Flow.Bounce;
    if (bounce.Active || body == nullptr)
    {
        return;
    }
    bounce.Active = true;
    bounce.Velocity = -2.0f * body->m_Velocity.x;
    if (std::fabs(bounce.Velocity) <= 1.0f)
    {
        // A hero standing still is thrown towards -x whichever side the other object is on.
        const Transform* heroT = hero->GetTransform();
        const Transform* otherT = from != nullptr ? from->GetTransform() : nullptr;
        float distance =
            heroT != nullptr && otherT != nullptr ? std::fabs(heroT->Position.x - otherT->Position.x) : 0.0f;
        bounce.Velocity = -2.0f * distance * 3.0f;
    }
    body->m_Velocity.x = bounce.Velocity;
}

void GameLogic::UpdateBounce(float dt)
{
    Knockback& bounce = m_Flow.Bounce;
    bounce.Timer += dt;
    if (Body* body = HeroBody())
    {
        body->m_Velocity.x = bounce.Velocity;
    }
    if (bounce.Timer > kBounceTime)
    {
        bounce = Knockback{};
    }
}

void GameLogic::BossIntroductionStarted()
{
    // The hero stands still, whatever it was doing, while the boss shows itself.
    m_PlayerController->ResetToIdle();
    if (m_Flow.State == FlowState::Playing)
    {
        Enter(FlowState::BossIntroduction, false);
        return;
    }
    // Noticed while the hero respawns: the respawn finishes first, and the player waits meanwhile.
    m_Flow.PlayerControl = false;
}

void GameLogic::BossIntroductionEnded()
{
    m_Session.Level().RespawnPanEnabled = false;
    if (m_Flow.State == FlowState::BossIntroduction)
    {
        Enter(FlowState::Playing, true);
        return;
    }
    // A death during the introduction: its respawn goes on, and the player steers again as the boss waits.
    m_Flow.PlayerControl = true;
}

void GameLogic::BossDefeated()
{
    m_Session.Level().RespawnPanEnabled = true;
    // The closing scene's words are decoded while the bear falls, then the menu's pictures, which wait to be
    // loaded until the level's textures are gone.
    m_LevelManager.PrepareTexturesOfTypes({"You_Win", "For_Now"}, "Level_00_Menu");
}

} // namespace Framework
