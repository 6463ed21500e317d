#include "actors/GameLogicComponent.h"

#include "actors/KnockbackBehaviour.h"
#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "data/Vec3Serializer.h"
#include "engine/ISystem.h"

namespace Framework
{

GameLogicComponent::GameLogicComponent() : m_Behaviour(MakeBehaviour(m_Params)) {}

GameLogicComponent::~GameLogicComponent() = default;

void GameLogicComponent::Initialize()
{
    m_Behaviour->Attach(Owner);
    if (m_Knockback)
    {
        m_Knockback->Attach(Owner);
    }
}

IComponent* GameLogicComponent::Clone() const
{
    IComponent* made = System != nullptr ? System->CreateComponent(0) : nullptr;
    auto* copy = made != nullptr ? static_cast<GameLogicComponent*>(made) : new GameLogicComponent();
    copy->Owner = Owner;
    copy->System = System;
    copy->m_Params = m_Params;
    copy->m_Behaviour = m_Behaviour->Clone();
    if (m_Knockback)
    {
        copy->m_Knockback.reset(static_cast<KnockbackBehaviour*>(m_Knockback->Clone().release()));
    }
    return copy;
}

void GameLogicComponent::Build(const BehaviourParams& params)
{
    m_Params = params;
    m_Behaviour = MakeBehaviour(params);
    m_Knockback.reset();
    m_Behaviour->Attach(Owner);
}

void GameLogicComponent::Update(float dt, const BehaviourContext& context)
{
    if (!m_Knockback)
    {
        m_Behaviour->Update(dt, context);
        return;
    }
    m_Knockback->Update(dt, context);
    if (m_Knockback->Finished())
    {
        m_Knockback.reset();
    }
}

void GameLogicComponent::Hit(const BehaviourContext& context)
{
    if (!m_Knockback && m_Behaviour->Knockable())
    {
        m_Knockback = KnockbackBehaviour::Start(*m_Behaviour, context);
    }
}

int GameLogicComponent::Kind() const
{
    return m_Knockback ? m_Knockback->Kind() : m_Behaviour->Kind();
}

int GameLogicComponent::Action() const
{
    return m_Knockback ? m_Knockback->Action() : m_Behaviour->Action();
}

void GameLogicComponent::Serialize(TextSerializer& reader, const std::string& blockName)
{
    // Fields the reader cannot read keep the values they had, as the Factory's reader goes on by position.
    BehaviourParams params = m_Params;
    reader.EnterBlock(blockName);
    reader.EnterBlock("m_Controller");
    // The empty controller block: its closing brace, then the separating comma.
    reader.ReadToken();
    reader.ReadToken();
    reader.EnterBlock("m_Behavior");
    ReadParams(reader, params);
    if (reader.IsGood())
    {
        reader.ReadToken(); // the closing brace of "m_Behavior"
    }
    if (reader.IsGood())
    {
        reader.ReadToken(); // the closing brace of the component
    }
    Build(params);
}

void GameLogicComponent::ReadParams(TextSerializer& reader, BehaviourParams& params)
{
    reader.ReadFieldValue(params.Kind);
    reader.ReadScalarField(params.Action);
    reader.ReadScalarField(params.RangeOfAction);
    reader.ReadScalarField(params.RangeOfHoming);
    reader.ReadScalarField(params.Speed);
    reader.ReadScalarField(params.HomingSpeed);
    reader.ReadScalarField(params.InitialVelocity);
    if (reader.IsGood())
    {
        reader.ReadToken(); // the comma before the path
    }
    // "m_PathVector" or, for a saved empty path, "stupidVector": both are read the same way.
    ReadVec3List(reader, "m_PathVector", params.Path);
}

void GameLogicComponent::Write(TextWriter& writer, const std::string& blockName) const
{
    const BehaviourParams& p = m_Params;
    writer.BeginBlock(blockName);
    writer.BeginBlock("m_Controller");
    writer.EndBlock();
    writer.WriteSeparator();
    writer.BeginBlock("m_Behavior");
    writer.WriteNumber("static_cast<int>(m_Behavior)", p.Kind);
    writer.WriteSeparator();
    writer.WriteNumber("static_cast<int>(m_Action)", p.Action);
    writer.WriteSeparator();
    writer.WriteNumber("m_RangeOfAction", p.RangeOfAction);
    writer.WriteSeparator();
    writer.WriteNumber("m_RangeOfHoming", p.RangeOfHoming);
    writer.WriteSeparator();
    writer.WriteNumber("m_Speed", p.Speed);
    writer.WriteSeparator();
    writer.WriteNumber("m_HomingSpeed", p.HomingSpeed);
    writer.WriteSeparator();
    writer.WriteNumber("m_InitialVelocity", p.InitialVelocity);
    writer.WriteSeparator();
    // The list form cannot hold zero entries, so an empty path is written as one zero point.
    if (p.Path.empty())
    {
        WriteVec3List(writer, "stupidVector", std::vector<Vec3>{Vec3{}});
    }
    else
    {
        WriteVec3List(writer, "m_PathVector", p.Path);
    }
    writer.EndBlock();
    writer.EndBlock();
}

} // namespace Framework
