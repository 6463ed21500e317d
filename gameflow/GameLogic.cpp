#include "gameflow/GameLogic.h"

#include "actors/GameLogicComponent.h"
#include "actors/HeroController.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "engine/Paths.h"
#include "engine/WindowsSystem.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"
#include "gameflow/Level_SplashScreens.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "physics/Body.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// Forgets every key and button held or pressed and sets whether the devices are polled.
void ResetInput(bool enabled)
{
    if (CORE == nullptr || CORE->m_Input == nullptr)
    {
        return;
    }
    CORE->m_Input->ResetKeyboard();
    CORE->m_Input->ResetPad();
    CORE->m_Input->InputEnabled = enabled;
}

bool AnyKeyOrButton()
{
    if (CORE == nullptr || CORE->m_Input == nullptr)
    {
        return false;
    }
    // Both are asked: each query also starts tracking what it names.
    bool key = CORE->m_Input->IsAnyKeyTriggered();
    bool button = CORE->m_Input->IsAnyButtonTriggered();
    return key || button;
}

// A new object of the type at (x, y) with the given scale, or null when the type does not exist.
GameObjectComposition* PlaceObject(const std::string& type, float x, float y, float scale)
{
    if (CORE == nullptr || CORE->m_Factory == nullptr)
    {
        return nullptr;
    }
    GameObjectComposition* object = CORE->m_Factory->CreateObject(type, "");
    Transform* t = object != nullptr ? object->GetTransform() : nullptr;
    if (t != nullptr)
    {
        t->Position = {x, y};
        t->Scale = {scale, scale};
    }
    return object;
}
} // namespace

GameLogic::GameLogic(Core* core) : m_Core(core), m_PlayerController(std::make_unique<HeroController>(this)) {}

// Components still listed belong to live objects, which the Factory deletes after this system.
GameLogic::~GameLogic() = default;

void GameLogic::Initialize()
{
    m_LevelManager.m_LevelFiles = ListFilesSorted(ResourcePath("Data/Levels"), ".json");
    if (!m_StartLevel.empty())
    {
        return;
    }
    m_LevelManager.ChangeLevel("Level_00_Load");
    if (m_Core != nullptr && m_Core->m_Graphics != nullptr)
    {
        // The start-up screens need few textures: the rest load behind them.
        m_Core->m_Graphics->m_LoadBehindStart = true;
        m_Core->m_Graphics->m_FadeValue = 1.0f;
        m_Core->m_Graphics->m_FadeTimer = 0.0f;
    }
    // One frame of the loading picture is shown while the other systems load their files.
    if (GameObjectComposition* picture =
            m_Core != nullptr && m_Core->m_Factory != nullptr ? m_Core->m_Factory->FindObject("LoadLevel") : nullptr)
    {
        if (Transform* t = picture->GetTransform())
        {
            t->Position = CAMERA.ScreenCentre();
        }
    }
    if (m_Core != nullptr && m_Core->m_Graphics != nullptr)
    {
        m_Core->m_Graphics->Update(1.0f);
    }
}

void GameLogic::Load()
{
    m_LevelManager.AddLevel("Level_00_Splash", std::make_unique<Level_SplashScreens>());
    if (!m_StartLevel.empty())
    {
        // Started like a level chosen in play: at the end of the first frame, after every system has loaded
        // its sounds and textures.
        m_LevelManager.RequestLevel(m_StartLevel);
        return;
    }
    m_LevelManager.ChangeLevel("Level_00_Splash");
}

void GameLogic::ResetForLevel()
{
    m_PlayerController->m_Hero = nullptr;
    m_PlayerController->m_Animator->m_Object = nullptr;
    m_PlayerController->m_State = HeroIdle;
    m_EndScreenActive = false;
    m_GameOverShown = false;
    m_EndScreenTimer = 0.0f;
    m_PlayerControl = true;
    m_RespawnPanActive = false;
    m_LevelComplete = false;
    m_BossOutroActive = false;
    m_HeroHidden = false;
    m_PanStep = Vec3{};
    m_BounceActive = false;
    m_BounceTimer = 0.0f;
    m_BounceVelocity = 0.0f;
    m_ChildBearPending = false;
    StartWalkActive = false;
    WinWalkActive = false;
    MoveRightActive = false;
}

GameObjectComposition* GameLogic::FindHero() const
{
    return m_Core != nullptr && m_Core->m_Factory != nullptr ? m_Core->m_Factory->FindObject("Kibbet") : nullptr;
}

BehaviourContext GameLogic::MakeBehaviourContext()
{
    return BehaviourContext{FindHero(), m_HeroHidden, this};
}

void GameLogic::BossIntroductionStarted()
{
    m_PlayerControl = false;
}

void GameLogic::BossIntroductionEnded()
{
    m_RespawnPanEnabled = false;
    m_PlayerControl = true;
}

void GameLogic::BossDefeated()
{
    m_RespawnPanEnabled = true;
}

void GameLogic::HeroBounced(GameObjectComposition* from)
{
    StartBounce(from);
}

void GameLogic::Update(float dt)
{
    bool paused = m_Core != nullptr && m_Core->Paused;
    if (!paused)
    {
        UpdateLogicComponents(dt);
    }
    if (GameObjectComposition* hero = FindHero())
    {
        if (!paused && m_PlayerControl)
        {
            m_PlayerController->UpdateHero(hero, dt);
        }
        if (m_BounceActive)
        {
            UpdateBounce(dt);
        }
        if (WinWalkActive && m_PlayerController->m_State == HeroRun)
        {
            // The hero walks out of the view at the exit.
            CAMERA.m_Target = nullptr;
        }
        if (m_BossOutroActive)
        {
            UpdateBossOutro();
        }
        if (m_RespawnPanActive && !paused)
        {
            UpdateRespawnPan();
        }
        if (m_LevelComplete)
        {
            UpdateLevelComplete();
        }
    }
    UpdateEndScreen(dt);
    LifeLostThisFrame = false;
    m_HeroHidden = false;
}

void GameLogic::UpdateLogicComponents(float dt)
{
    float width = 1280.0f;
    float height = 720.0f;
    if (m_Core != nullptr && m_Core->m_Windows != nullptr)
    {
        width = static_cast<float>(m_Core->m_Windows->Width);
        height = static_cast<float>(m_Core->m_Windows->Height);
    }
    float mx = width * 0.5f + kActiveMargin;
    float my = height * 0.5f + kActiveMargin;
    Vec2 centre = CAMERA.ScreenCentre();
    const BehaviourContext context = MakeBehaviourContext();
    // Index loop: a behaviour may create objects, whose components join the list while it is walked.
    for (size_t i = 0; i < m_LogicComponents.size(); ++i)
    {
        GameLogicComponent* component = m_LogicComponents[i];
        const Transform* t = component->Owner != nullptr ? component->Owner->GetTransform() : nullptr;
        if (t == nullptr)
        {
            continue;
        }
        Vec2 p = t->Position;
        if (p.x >= centre.x - mx && p.x <= centre.x + mx && p.y >= centre.y - my && p.y <= centre.y + my)
        {
            component->Update(dt, context);
        }
    }
}

void GameLogic::SendMessage(IMessage* message)
{
    if (message != nullptr && message->MessageId == Contact)
    {
        m_PlayerController->OnHeroContact(message);
    }
}

void GameLogic::HeroDied()
{
    // With an end screen up the death already counted (a second contact in the same frame, or the
    // hero still inside the volume while the game is paused).
    if (m_EndScreenActive)
    {
        return;
    }
    // A death ends any scripted walk: its first volume is gone, so a flag left set would run the respawned
    // hero to the right for ever with input off.
    if (StartWalkActive || WinWalkActive || MoveRightActive)
    {
        StartWalkActive = false;
        WinWalkActive = false;
        MoveRightActive = false;
        ResetInput(true);
    }
    GameObjectComposition* hero = FindHero();
    int lives = LoseLife();
    if (lives <= 0)
    {
        if (Transform* t = hero != nullptr ? hero->GetTransform() : nullptr)
        {
            t->Position.y += 20.0f;
        }
        GameOver();
    }
    else
    {
        m_RespawnPanActive = true;
        m_PlayerController->m_State = HeroIdle;
        Animator& animator = *m_PlayerController->m_Animator;
        if (animator.m_AnimState != HeroIdle)
        {
            animator.m_AnimState = HeroIdle;
            animator.m_Phase = 0;
        }
        animator.Update(0.0f);
    }
    if (m_Core != nullptr && m_Core->m_Audio != nullptr)
    {
        m_Core->m_Audio->PlaySoundOnce("SFX_Kibbet_Death");
    }
    CAMERA.m_Target = nullptr;
    m_PlayerControl = false;
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
    ResetInput(false);
    if (m_Core != nullptr)
    {
        m_Core->Paused = true;
    }
    if (Transform* t = words != nullptr ? words->GetTransform() : nullptr)
    {
        t->Position = CAMERA.ScreenCentre();
    }
    m_EndScreenActive = true;
    m_GameOverShown = true;
}

void GameLogic::ShowGameComplete()
{
    Vec2 c = CAMERA.ScreenCentre();
    PlaceObject("You_Win", c.x, c.y - 250.0f, 0.7f);
    PlaceObject("For_Now", c.x, c.y + 250.0f, 0.7f);
    m_EndScreenActive = true;
}

void GameLogic::UpdateEndScreen(float dt)
{
    if (!m_EndScreenActive)
    {
        return;
    }
    // Only the game-over screen shows the hero dying; on the win screen control is off but the hero lives.
    if (!m_PlayerControl && m_GameOverShown)
    {
        PlayDeathAnimation(*m_PlayerController->m_Animator);
    }
    if (m_EndScreenTimer <= kEndScreenGate)
    {
        m_EndScreenTimer += dt;
        return;
    }
    if (!m_PlayerControl)
    {
        ResetInput(true);
        m_PlayerControl = true;
    }
    if (AnyKeyOrButton())
    {
        ResetInput(true);
        m_EndScreenTimer = 0.0f;
        m_EndScreenActive = false;
        m_GameOverShown = false;
        m_PlayerControl = true;
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
    if (!m_RespawnPanEnabled)
    {
        m_RespawnPanActive = false;
        m_PlayerControl = true;
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
    m_PanStep = {dx, dy, 0.0f};
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
    m_PlayerControl = true;
    m_RespawnPanActive = false;
}

void GameLogic::UpdateLevelComplete()
{
    if (m_LevelManager.GetCurrentLevelName() == "Level_Bear")
    {
        StartBossOutro();
        return;
    }
    m_PlayerControl = true;
    m_LevelComplete = false;
    m_LevelManager.NextLevel();
}

void GameLogic::StartBounce(GameObjectComposition* other)
{
    GameObjectComposition* hero = FindHero();
    Body* body = hero != nullptr ? hero->GetBody() : nullptr;
    if (m_BounceActive || body == nullptr)
    {
        return;
    }
    m_BounceActive = true;
    m_BounceVelocity = -2.0f * body->m_Velocity.x;
    if (std::fabs(m_BounceVelocity) <= 1.0f)
    {
        // A hero standing still is thrown towards -x whichever side the other object is on.
        const Transform* heroT = hero->GetTransform();
        const Transform* otherT = other != nullptr ? other->GetTransform() : nullptr;
        float distance =
            heroT != nullptr && otherT != nullptr ? std::fabs(heroT->Position.x - otherT->Position.x) : 0.0f;
        m_BounceVelocity = -2.0f * distance * 3.0f;
    }
    body->m_Velocity.x = m_BounceVelocity;
}

void GameLogic::UpdateBounce(float dt)
{
    m_BounceTimer += dt;
    GameObjectComposition* hero = FindHero();
    if (Body* body = hero != nullptr ? hero->GetBody() : nullptr)
    {
        body->m_Velocity.x = m_BounceVelocity;
    }
    if (m_BounceTimer > kBounceTime)
    {
        m_BounceActive = false;
        m_BounceTimer = 0.0f;
    }
}

IComponent* GameLogic::CreateComponent(int key)
{
    (void)key;
    auto* component = new GameLogicComponent();
    component->System = this;
    m_LogicComponents.push_back(component);
    return component;
}

IComponent* GameLogic::CreatePrototypeComponent(int key)
{
    (void)key;
    auto* component = new GameLogicComponent();
    component->System = this;
    return component;
}

void GameLogic::DestroyComponent(IComponent* component)
{
    if (component == nullptr)
    {
        return;
    }
    std::erase(m_LogicComponents, component);
    delete component;
}

} // namespace Framework
