#include "actors/Behaviour.h"

#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/GraphicsComponent.h"
#include "physics/Body.h"

#include <cmath>

namespace Framework
{

void Behaviour::Attach(GameObjectComposition* object)
{
    m_Object = object;
    if (const Transform* transform = OwnTransform())
    {
        m_Home = transform->Position;
    }
}

void Behaviour::ReturnHome()
{
    if (Transform* transform = OwnTransform())
    {
        transform->Position = m_Home;
        transform->Rotation = 0.0f;
    }
    if (Body* body = OwnBody())
    {
        body->m_Velocity = {0.0f, 0.0f, 0.0f};
    }
}

Transform* Behaviour::OwnTransform() const
{
    return m_Object != nullptr ? m_Object->GetTransform() : nullptr;
}

Body* Behaviour::OwnBody() const
{
    return m_Object != nullptr ? m_Object->GetBody() : nullptr;
}

void Heading::Reverse(std::uintptr_t volume)
{
    if (LastReverser == volume)
    {
        return;
    }
    LastReverser = volume;
    Velocity = {-Velocity.x, -Velocity.y};
    Initial = -Initial;
}

Vec2 UnitVector(Vec2 v)
{
    float length = std::sqrt(v.x * v.x + v.y * v.y);
    if (!(length > 0.0f))
    {
        return {0.0f, 0.0f};
    }
    return {v.x / length, v.y / length};
}

const Transform* HeroTransform(const BehaviourContext& context)
{
    return context.Hero != nullptr ? context.Hero->GetTransform() : nullptr;
}

bool HeroWithin(const BehaviourContext& context, Vec2 from, float rangeSquared)
{
    const Transform* hero = HeroTransform(context);
    if (hero == nullptr)
    {
        return false;
    }
    const float dx = hero->Position.x - from.x;
    const float dy = hero->Position.y - from.y;
    return dx * dx + dy * dy < rangeSquared;
}

void SelectAnimation(GameObjectComposition* object, const std::string& name, bool loop)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    graphics->m_Animation.PlayAsDefault(name);
    graphics->m_Animation.m_Loop = loop;
}

void SetAnimationSpeed(GameObjectComposition* object, float secondsPerFrame)
{
    if (GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr)
    {
        graphics->m_Animation.m_Speed = secondsPerFrame;
    }
}

bool AnimationFinished(GameObjectComposition* object)
{
    GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr;
    return graphics == nullptr || graphics->m_Animation.m_Finished;
}

} // namespace Framework
