#pragma once

#include "data/RawBlockComponent.h"
#include "gameflow/Triggers.h"

namespace Framework
{

// Trigger kinds whose behaviour is not built yet. A real trigger replaces its declaration here with an
// include of its own header (same class name, same TypeName); the component registry needs no change.
class TrapTrigger final : public StandInComponent<TrapTrigger, "TrapTrigger">
{
};
class ReverseVelocityTrigger final : public StandInComponent<ReverseVelocityTrigger, "ReverseVelocityTrigger">
{
};
class Enemy final : public StandInComponent<Enemy, "Enemy">
{
};
class AttackTrigger final : public StandInComponent<AttackTrigger, "AttackTrigger">
{
};

} // namespace Framework
