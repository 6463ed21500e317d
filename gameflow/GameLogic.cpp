#include "gameflow/GameLogic.h"

#include "actors/Controller.h"
#include "actors/GameLogicComponent.h"
#include "actors/HeroController.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "engine/Paths.h"
#include "engine/WindowsSystem.h"
#include "gameflow/HUD.h"
#include "graphics/Camera.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace Framework
{

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
}

void GameLogic::Load()
{
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
    CurrentHero = nullptr;
    m_EndScreenActive = false;
    m_PlayerControl = true;
}

GameObjectComposition* GameLogic::FindHero() const
{
    return m_Core != nullptr && m_Core->m_Factory != nullptr ? m_Core->m_Factory->FindObject("Kibbet") : nullptr;
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
        UpdateHeroFlow(hero, dt);
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
            UpdateBehavior(component->m_Controller, dt);
        }
    }
}

void GameLogic::UpdateHeroFlow(GameObjectComposition* hero, float dt)
{
    (void)hero;
    (void)dt;
}

void GameLogic::UpdateEndScreen(float dt)
{
    (void)dt;
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
    // The death and respawn flow belongs to the game flow and is filled in with it.
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
