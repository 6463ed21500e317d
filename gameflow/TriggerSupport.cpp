#include "gameflow/TriggerSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "graphics/Emitter.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"
#include "input/Input.h"
#include "physics/Body.h"
#include "physics/Physics.h"

#include <algorithm>
#include <limits>

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

float GroundTopBelow(Vec2 point)
{
    float top = -std::numeric_limits<float>::infinity();
    if (CORE == nullptr || CORE->m_Physics == nullptr)
    {
        return top;
    }
    for (const Body* body : CORE->m_Physics->m_Bodies)
    {
        const std::vector<Vec3>& vertices = body->m_Polygon.m_Vertices;
        if (!body->m_IsStatic || vertices.empty())
        {
            continue;
        }
        auto [left, right] = std::minmax_element(vertices.begin(), vertices.end(),
                                                 [](const Vec3& a, const Vec3& b) { return a.x < b.x; });
        float highest =
            std::max_element(vertices.begin(), vertices.end(), [](const Vec3& a, const Vec3& b) { return a.y < b.y; })
                ->y;
        if (point.x >= left->x && point.x <= right->x && highest <= point.y)
        {
            top = std::max(top, highest);
        }
    }
    return top;
}

void ShowAnimation(GameObjectComposition* object, const std::string& animation)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    graphics->m_Animation.m_DefaultName = animation;
    graphics->m_Animation.Play(animation);
}

void SwitchInput(bool enabled)
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
    bool key = CORE->m_Input->IsAnyKeyTriggered();
    bool button = CORE->m_Input->IsAnyButtonTriggered();
    return key || button;
}

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

void StartFade(FadeDirection direction, float seconds)
{
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->StartFade(static_cast<int>(direction), seconds);
    }
}

} // namespace Framework
