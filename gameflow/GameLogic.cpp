#include "gameflow/GameLogic.h"

#include "actors/GameLogicComponent.h"
#include "engine/Paths.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace Framework
{

GameLogic::GameLogic(Core* core) : m_Core(core) {}

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

void GameLogic::Update(float dt)
{
    (void)dt;
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
