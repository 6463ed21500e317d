#include "actors/GameLogicComponent.h"

#include "actors/KnockbackBehaviour.h"
#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
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

void GameLogicComponent::HeroRespawned()
{
    // A kind that starts again also ends a tumble it was in, which would otherwise carry it off again.
    if (m_Behaviour->HeroRespawned())
    {
        m_Knockback.reset();
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

void GameLogicComponent::DescribeFields(FieldList& fields)
{
    fields.Block("m_Controller", [](FieldList& controller) { controller.EmptyBlockEndsUnchecked(); });
    fields.Block("m_Behavior",
                 [this](FieldList& behavior)
                 {
                     behavior.Number("static_cast<int>(m_Behavior)", m_Params.Kind);
                     behavior.Number("static_cast<int>(m_Action)", m_Params.Action);
                     behavior.Number("m_RangeOfAction", m_Params.RangeOfAction);
                     behavior.Number("m_RangeOfHoming", m_Params.RangeOfHoming);
                     behavior.Number("m_Speed", m_Params.Speed);
                     behavior.Number("m_HomingSpeed", m_Params.HomingSpeed);
                     behavior.Number("m_InitialVelocity", m_Params.InitialVelocity);
                     behavior.Vec3List("m_PathVector", m_Params.Path, "stupidVector");
                     behavior.Number("m_LeapHeight", m_Params.LeapHeight);
                     behavior.Number("m_LeapLength", m_Params.LeapLength);
                     behavior.Number("m_Period", m_Params.Period);
                     behavior.Number("m_Delay", m_Params.Delay);
                     behavior.Number("m_ReturnTime", m_Params.ReturnTime);
                 });
}

void GameLogicComponent::Serialize(TextSerializer& reader, const std::string& blockName)
{
    IComponent::Serialize(reader, blockName);
    Build(m_Params);
}

} // namespace Framework
