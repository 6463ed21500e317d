#pragma once

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "gameflow/GameLogic.h"
#include "input/Input.h"
#include "platform/KeySource.h"
#include "tests/TestSupport.h"

#include <initializer_list>
#include <set>

namespace Framework
{

constexpr int kEnter = 0x0D, kEscape = 0x1B, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

// The game's own Resources, headless, started in one level, with keys a test presses frame by frame.
class UiTest : public EngineTest
{
protected:
    void StartLevel(const std::string& level)
    {
        Start(SourcePath("Resources"), level, true);
        auto owned = std::make_unique<ScriptedKeySource>();
        keys = owned.get();
        for (auto& system : core.Systems)
        {
            if (system.get() == core.m_Input)
            {
                auto input = std::make_unique<Input>(&core, std::move(owned));
                core.m_Input = input.get();
                system = std::move(input);
                break;
            }
        }
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        HudLoaded = false;
    }
    // One frame as the main loop runs it, with these keys down.
    void Frame(std::set<int> down = {}, float dt = 0.017f)
    {
        keys->Down = std::move(down);
        bool paused = core.Paused;
        for (auto& system : core.Systems)
        {
            if (!(paused && system->GetName() == "Physics"))
            {
                system->Update(dt);
            }
        }
        core.m_GameLogic->m_LevelManager.UpdateLevel(dt);
    }
    // Each key goes down for one frame and up for the next. An idle frame comes first: the Input system
    // tracks a key from the first time the game asks for it.
    void Press(std::initializer_list<int> sequence)
    {
        for (int key : sequence)
        {
            Frame();
            Frame({key});
            Frame();
        }
    }
    GameObjectComposition* Find(const std::string& key) { return core.m_Factory->FindObject(key); }
    Vec2 Position(const std::string& key)
    {
        GameObjectComposition* object = Find(key);
        return object != nullptr ? object->GetTransform()->Position : Vec2{-1e9f, -1e9f};
    }
    float ScaleX(const std::string& key) { return Find(key)->GetTransform()->Scale.x; }

    ScriptedKeySource* keys = nullptr;
};

} // namespace Framework
