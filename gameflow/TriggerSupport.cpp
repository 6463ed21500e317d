#include "gameflow/TriggerSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "graphics/Emitter.h"
#include "graphics/GraphicsComponent.h"
#include "physics/Body.h"

namespace Framework
{

Audio* TheAudio()
{
    return CORE != nullptr ? CORE->m_Audio : nullptr;
}

GameLogic* TheGameLogic()
{
    return CORE != nullptr ? CORE->m_GameLogic : nullptr;
}

ILevel* CurrentLevel()
{
    GameLogic* logic = TheGameLogic();
    return logic != nullptr ? logic->m_LevelManager.m_CurrentLevel : nullptr;
}

GameObjectComposition* OwnerOf(const Body* body)
{
    return body != nullptr ? body->Owner : nullptr;
}

bool IsHero(const GameObjectComposition* object)
{
    return object != nullptr && object->Name == "Kibbet";
}

GameObjectComposition* FindHeroObject()
{
    return CORE != nullptr && CORE->m_Factory != nullptr ? CORE->m_Factory->FindObject("Kibbet") : nullptr;
}

Body* HeroBody()
{
    GameObjectComposition* hero = FindHeroObject();
    return hero != nullptr ? hero->GetBody() : nullptr;
}

void PlayEffect(GameObjectComposition* object, const std::string& kind, Vec2 origin)
{
    Emitter* emitter = object != nullptr ? object->GetEmitter() : nullptr;
    ParticleType* type = emitter != nullptr ? FindParticleType(*emitter, kind) : nullptr;
    if (type == nullptr)
    {
        return;
    }
    type->m_Origin = origin;
    EmitBurst(*type);
}

void ShowAnimation(GameObjectComposition* object, const std::string& animation)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    graphics->m_pAnimation.m_DefaultName = animation;
    graphics->m_pAnimation.Play(animation);
}

} // namespace Framework
