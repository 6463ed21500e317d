#pragma once

#include "actors/GameLogicComponent.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Message.h"
#include "gameflow/GameLogic.h"
#include "graphics/GraphicsComponent.h"
#include "input/Input.h"
#include "physics/Body.h"
#include "physics/ContactRecord.h"
#include "tests/TestSupport.h"

namespace Framework
{

constexpr float kFrame = 0.017f;

// The enemy fixture level (tests/data/enemies: ground with its top at y 34, the hero standing at x 0 with its
// attack object, a wasp at (400, 300) patrolling between reverse volumes at x 170 and 630 (it turns at 252 and 548))
// started in-process.
class EnemyLevelTest : public EngineTest
{
protected:
    void SetUp() override { Start(SourcePath("tests/data/enemies"), "Level_Enemies", true); }

    // One game frame with no key down.
    void Frame() { core.Step(kFrame); }
    void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            Frame();
        }
    }

    GameObjectComposition* Object(const std::string& key) { return core.m_Factory->FindObject(key); }
    // A new object of the type placed at (x, y), stored under its type name.
    GameObjectComposition* Place(const std::string& type, float x, float y, const std::string& key = "")
    {
        GameObjectComposition* object = core.m_Factory->CreateObject(type, key.empty() ? type : key);
        object->GetTransform()->Position = {x, y};
        object->InitializeComponents();
        return object;
    }
    static GameLogicComponent& Actor(GameObjectComposition* object) { return *object->GetGameLogic(); }
    static int Action(GameObjectComposition* object) { return object->GetGameLogic()->Action(); }
    // One behaviour frame of the object alone, seeing the hero as the game logic would now.
    void Step(GameObjectComposition* object) { Actor(object).Update(kFrame, core.m_GameLogic->MakeBehaviourContext()); }
    static Vec2& Place(GameObjectComposition* object) { return object->GetTransform()->Position; }
    // The hero touching the object, as the physics reports it, delivered to the object's components.
    void Touch(GameObjectComposition* object, GameObjectComposition* other)
    {
        ContactRecord record;
        record.m_BodyA = other->GetBody();
        record.m_BodyB = object->GetBody();
        ContactMessage message(record);
        object->SendMessage(&message);
    }
    int Started(const std::string& sound)
    {
        SoundRecord* record = core.m_Audio->FindSound(sound);
        return record != nullptr ? record->m_Starts : 0;
    }
    std::string Shown(GameObjectComposition* object) { return object->GetGraphics()->m_Animation.m_Current; }
};

} // namespace Framework
