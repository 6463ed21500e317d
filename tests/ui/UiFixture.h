#pragma once

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "gameflow/GameLogic.h"
#include "input/Input.h"
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
        keys = &m_Keys.Source();
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        HudLoaded = false;
    }
    // One frame with these keys down at its end: the Input system samples them last, the level manager reads them
    // in this frame and the other systems in the next, as in the game.
    void Frame(const std::set<int>& down = {}, float dt = 0.017f)
    {
        m_Keys.Hold(down);
        core.Step(dt);
    }
    // Each key goes down for one frame between two frames with no key down.
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

    // The engine's key source, for the controller and the focus; Frame sets the keys.
    ScriptedKeySource* keys = nullptr;
};

} // namespace Framework
