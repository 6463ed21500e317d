#include "graphics/Emitter.h"

#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleSpawners.h"
#include "graphics/ResourceManager.h"
#include "platform/Log.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

IComponent* Emitter::Clone() const
{
    Graphics* graphics = CORE != nullptr ? CORE->m_Graphics : nullptr;
    Emitter* copy = graphics != nullptr ? graphics->CreateEmitter() : new Emitter();
    copy->Owner = Owner;
    copy->m_ParticleTypes = m_ParticleTypes;
    return copy;
}

void Emitter::Destroy()
{
    for (ParticleType& type : m_ParticleTypes)
    {
        type.m_Particles.clear();
    }
    if (auto* graphics = dynamic_cast<Graphics*>(System))
    {
        graphics->DestroyEmitter(this);
    }
}

void Emitter::DescribeFields(FieldList& fields)
{
    fields.List("m_ParticleTypes", m_ParticleTypes,
                [](FieldList& type, ParticleType& element)
                {
                    type.String("m_ParticleType", element.m_ParticleType);
                    type.Block("m_Sprite", [&](FieldList& sprite) { sprite.String("default", element.m_Sprite.Name); });
                });
}

void Emitter::Serialize(TextSerializer& reader, const std::string& blockName)
{
    IComponent::Serialize(reader, blockName);
    ResourceManager* resources = CORE != nullptr ? CORE->m_ResourceManager : nullptr;
    for (ParticleType& type : m_ParticleTypes)
    {
        if (resources != nullptr)
        {
            type.m_Sprite.UVs = resources->GetUV(type.m_Sprite.Name);
            type.m_Sprite.Size = resources->GetDimensions(type.m_Sprite.Name);
        }
        type.m_Sprite.BuildQuad();
    }
}

// namespace Framework

size_t Emitter::ParticleCount() const
{
    size_t count = 0;
    for (const ParticleType& type : m_ParticleTypes)
    {
        count += type.m_Particles.size();
    }
    return count;
}

ParticleType* FindParticleType(Emitter& emitter, const std::string& name)
{
    for (ParticleType& type : emitter.m_ParticleTypes)
    {
        if (type.m_ParticleType == name)
        {
            return &type;
        }
    }
    std::string objectType = emitter.Owner != nullptr ? emitter.Owner->Name : std::string();
    LogOnce("object type \"" + objectType + "\": its Emitter has no particle type \"" + name + "\"; no effect");
    return nullptr;
}

void EmitBurst(ParticleType& type)
{
    auto kind = ParticleSpawners.find(type.m_ParticleType);
    if (kind == ParticleSpawners.end())
    {
        LogOnce("particle kind \"" + type.m_ParticleType + "\" does not exist; its bursts add nothing");
        return;
    }
    kind->second(type.m_Particles, type.m_Origin, type.m_Mirror);
}

void UpdateParticles(ParticleType& type, float dt)
{
    for (Particle& p : type.m_Particles)
    {
        p.Rotation += p.m_Spin;
        p.Position.x += p.Velocity.x * dt;
        p.Position.y += p.Velocity.y * dt;
        p.Velocity.x += p.Acceleration.x * dt;
        p.Velocity.y += p.Acceleration.y * dt;
        // The limit is compared with the squared speed: anything faster than its square root jumps to
        // the full limit. The effects were tuned with this rule, so it stays.
        float squared = p.Velocity.x * p.Velocity.x + p.Velocity.y * p.Velocity.y;
        if (squared > p.m_SpeedLimit)
        {
            float factor = p.m_SpeedLimit / std::sqrt(squared);
            p.Velocity.x *= factor;
            p.Velocity.y *= factor;
        }
        if (p.m_Life != kEndlessLife)
        {
            p.m_Life = std::max(p.m_Life - dt, 0.0f);
        }
        if (p.Position.y < p.m_Floor)
        {
            p.m_Life = 0.0f;
        }
    }
    std::erase_if(type.m_Particles, [](const Particle& p) { return p.m_Life == 0.0f; });
}

} // namespace Framework
