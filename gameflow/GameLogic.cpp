#include "gameflow/GameLogic.h"

#include "ui/MenuFlow.h"

#include "actors/GameLogicComponent.h"
#include "actors/HeroController.h"
#include "actors/HeroIntent.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/LevelFiles.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "engine/Paths.h"
#include "engine/WindowSystem.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"
#include "gameflow/Level_SplashScreens.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "platform/FileSystem.h"
#include "ui/MenuFlow.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

GameLogic::GameLogic(Core* core) : m_Core(core), m_PlayerController(std::make_unique<HeroController>(this)) {}

// Components still listed belong to live objects, which the Factory deletes after this system.
GameLogic::~GameLogic() = default;

void GameLogic::Initialize()
{
    m_LevelManager.m_LevelFiles = ListLevelFiles(ResourcePath("Data/Levels"));
    if (!m_StartLevel.empty())
    {
        // Its pictures are decoded while the other systems load.
        m_LevelManager.PrepareTexturesFor(m_StartLevel);
        return;
    }
    m_LevelManager.ChangeLevel("Level_00_Load");
    if (m_Core != nullptr && m_Core->m_Graphics != nullptr)
    {
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
    m_PlayerController->StartLevel();
    m_HeroHidden = false;
    m_Flow = FlowRecord{};
    m_Run = GhostRun{};
    const std::string level = m_LevelManager.GetCurrentLevelName();
    if (level != m_TimeTrialLevel)
    {
        m_TimeTrialLevel.clear();
    }
    m_Ghost = m_TimeTrialLevel.empty() ? GhostRun{} : GhostRun::Read(m_Progress.GhostPath(level));
    if (IsPlayableLevel(level))
    {
        m_Progress.Reach(level);
    }
}

GameObjectComposition* GameLogic::FindHero() const
{
    return m_Core != nullptr && m_Core->m_Factory != nullptr ? m_Core->m_Factory->FindObject("Kibbet") : nullptr;
}

BehaviourContext GameLogic::MakeBehaviourContext()
{
    return BehaviourContext{FindHero(), m_HeroHidden, this};
}

void GameLogic::Update(float dt)
{
    // The physics ran just before: what it saw happens first, as if it had happened in its step.
    ReadPhysicsEvents();
    bool paused = m_Core != nullptr && m_Core->Paused;
    if (!paused)
    {
        UpdateLogicComponents(dt);
    }
    UpdateTimer(dt, paused);
    UpdateHeroAndFlow(dt, paused);
    UpdateEndScreen(dt);
    m_Session.EndFrame();
    m_HeroHidden = false;
}

void GameLogic::ReadPhysicsEvents()
{
    int heroesOutside =
        m_Core != nullptr && m_Core->m_Physics != nullptr ? m_Core->m_Physics->TakeHeroesLeftRegion() : 0;
    for (int i = 0; i < heroesOutside; ++i)
    {
        // While the pan runs the hero may stand outside the region: it is being brought back.
        if (!RespawnPanActive())
        {
            HeroDied();
        }
    }
}

void GameLogic::UpdateHeroAndFlow(float dt, bool paused)
{
    GameObjectComposition* hero = FindHero();
    if (hero == nullptr)
    {
        return;
    }
    if (!paused && m_Flow.PlayerControl)
    {
        HeroIntent intent =
            m_Core != nullptr && m_Core->m_Input != nullptr ? PlayerIntent(*m_Core->m_Input) : HeroIntent{};
        // A scripted walk runs the hero right as if the player held right; the player's other keys still count.
        intent.Right = intent.Right || ScriptedWalkRight();
        m_PlayerController->UpdateHero(hero, intent, dt);
    }
    // Knock-back time is game time: a pause keeps the rest of it for afterwards.
    if (m_Flow.Bounce.Active && !paused)
    {
        UpdateBounce(dt);
    }
    if (m_Flow.Walk == ScriptedWalk::Exit && m_PlayerController->State() == HeroRun)
    {
        // The hero walks out of the view at the exit.
        CAMERA.m_Target = nullptr;
    }
    switch (m_Flow.State)
    {
    case FlowState::BossOutro:
        UpdateBossOutro();
        break;
    case FlowState::RespawnPan:
        if (!paused)
        {
            UpdateRespawnPan();
        }
        break;
    case FlowState::LevelComplete:
        UpdateLevelComplete();
        break;
    case FlowState::Tally:
        UpdateTally(dt);
        break;
    default:
        break;
    }
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

void GameLogic::LateUpdate(float dt)
{
    m_LevelManager.UpdateLevel(dt);
}

void GameLogic::SendMessage(IMessage* message)
{
    if (message != nullptr && message->MessageId == Contact)
    {
        m_PlayerController->OnHeroContact(message);
    }
    // The full-screen keys work anywhere in the game, and the choice is kept like the options page's.
    if (message != nullptr && message->MessageId == FullscreenToggleRequested)
    {
        ToggleFullscreenAndSave();
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
