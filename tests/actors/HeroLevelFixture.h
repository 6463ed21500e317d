#pragma once

#include "actors/HeroController.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ParticleSpawners.h"
#include "input/Input.h"
#include "physics/Body.h"
#include "tests/TestSupport.h"

#include <set>

namespace Framework
{

// Windows virtual-key codes the hero reacts to.
constexpr int kKeySpace = 0x20;
constexpr int kKeyLeft = 0x25;
constexpr int kKeyRight = 0x27;
constexpr int kKeyControl = 0x11;
// The fixed frame of --fixed-step.
constexpr float kFrame = 0.017f;

// The hero fixture level (tests/data/hero: ground from x -1060 to 2860 with its top at y -216, the hero standing
// on it at x 0, twelve "Pollen_1", a mover and the display) started in-process. Frame() runs one game frame whose
// systems read the given keys down; a key not down in the previous frame reads as just pressed.
class HeroLevelTest : public EngineTest
{
protected:
    void SetUp() override
    {
        RegisterParticleKinds();
        Start(SourcePath("tests/data/hero"), "Level_Hero", true);
    }

    void Frame(const std::set<int>& down = {}, float dt = kFrame)
    {
        m_Keys.HoldForNextFrame(down);
        core.Step(dt);
    }
    void Frames(int count, const std::set<int>& keys = {})
    {
        for (int i = 0; i < count; ++i)
        {
            Frame(keys);
        }
    }

    HeroController& Hero() { return core.m_GameLogic->PlayerController(); }
    GameObjectComposition* Object(const std::string& key) { return core.m_Factory->FindObject(key); }
    Transform& HeroPlace() { return *Object("Kibbet")->GetTransform(); }
    Body& HeroBody() { return *Object("Kibbet")->GetBody(); }
    std::string Shown(const std::string& key) { return Object(key)->GetGraphics()->m_Animation.m_Current; }
};

} // namespace Framework
