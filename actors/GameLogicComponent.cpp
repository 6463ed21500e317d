#include "actors/GameLogicComponent.h"

#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "data/Transform.h"
#include "data/Vec3Serializer.h"
#include "engine/ISystem.h"
#include "physics/Polygon.h"

namespace Framework
{

GameLogicComponent::GameLogicComponent()
{
    m_Controller.m_Component = this;
}

void GameLogicComponent::Initialize()
{
    if (const Transform* transform = Owner != nullptr ? Owner->GetTransform() : nullptr)
    {
        m_Controller.m_Home = transform->Position;
    }
    m_Controller.m_Animator.m_Object = Owner;
}

IComponent* GameLogicComponent::Clone() const
{
    IComponent* made = System != nullptr ? System->CreateComponent(0) : nullptr;
    auto* copy = made != nullptr ? static_cast<GameLogicComponent*>(made) : new GameLogicComponent();
    copy->Owner = Owner;
    copy->System = System;
    copy->m_Controller = m_Controller;
    copy->m_Controller.m_Component = copy;
    return copy;
}

void GameLogicComponent::Serialize(TextSerializer& reader, const std::string& blockName)
{
    reader.EnterBlock(blockName);
    reader.EnterBlock("m_Controller");
    // The empty controller block: its closing brace, then the separating comma.
    reader.ReadToken();
    reader.ReadToken();
    reader.EnterBlock("m_Behavior");
    Controller& c = m_Controller;
    reader.ReadFieldValue(c.m_Behavior);
    reader.ReadScalarField(c.m_Action);
    reader.ReadScalarField(c.m_RangeOfAction);
    reader.ReadScalarField(c.m_RangeOfHoming);
    reader.ReadScalarField(c.m_Speed);
    reader.ReadScalarField(c.m_HomingSpeed);
    reader.ReadScalarField(c.m_InitialVelocity);
    c.m_RangeOfHomingSquared = c.m_RangeOfHoming * c.m_RangeOfHoming;
    c.m_MoveVelocity = {c.m_InitialVelocity, c.m_InitialVelocity};
    if (c.m_Behavior == static_cast<int>(BehaviorKind::Porcupine))
    {
        c.m_MoveVelocity.x = c.m_Speed;
    }
    if (reader.IsGood())
    {
        reader.ReadToken(); // the comma before the path
    }
    // "m_PathVector" or, for a saved empty path, "stupidVector": both are read the same way.
    ReadVec3List(reader, "m_PathVector", c.m_PathVector);
    if (reader.IsGood())
    {
        reader.ReadToken(); // the closing brace of "m_Behavior"
    }
    if (reader.IsGood())
    {
        reader.ReadToken(); // the closing brace of the component
    }
}

void GameLogicComponent::Write(TextWriter& writer, const std::string& blockName) const
{
    const Controller& c = m_Controller;
    writer.BeginBlock(blockName);
    writer.BeginBlock("m_Controller");
    writer.EndBlock();
    writer.WriteSeparator();
    writer.BeginBlock("m_Behavior");
    writer.WriteNumber("static_cast<int>(m_Behavior)", c.m_Behavior);
    writer.WriteSeparator();
    writer.WriteNumber("static_cast<int>(m_Action)", c.m_Action);
    writer.WriteSeparator();
    writer.WriteNumber("m_RangeOfAction", c.m_RangeOfAction);
    writer.WriteSeparator();
    writer.WriteNumber("m_RangeOfHoming", c.m_RangeOfHoming);
    writer.WriteSeparator();
    writer.WriteNumber("m_Speed", c.m_Speed);
    writer.WriteSeparator();
    writer.WriteNumber("m_HomingSpeed", c.m_HomingSpeed);
    writer.WriteSeparator();
    writer.WriteNumber("m_InitialVelocity", c.m_InitialVelocity);
    writer.WriteSeparator();
    // The list form cannot hold zero entries, so an empty path is written as one zero point.
    if (c.m_PathVector.empty())
    {
        WriteVec3List(writer, "stupidVector", std::vector<Vec3>{Vec3{}});
    }
    else
    {
        WriteVec3List(writer, "m_PathVector", c.m_PathVector);
    }
    writer.EndBlock();
    writer.EndBlock();
}

} // namespace Framework
