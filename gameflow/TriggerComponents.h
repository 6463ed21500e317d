#pragma once

#include "data/RawBlockComponent.h"
#include "gameflow/Triggers.h"

namespace Framework
{

KIBBET_STANDIN_COMPONENT(TrapTrigger, "TrapTrigger")
KIBBET_STANDIN_COMPONENT(ReverseVelocityTrigger, "ReverseVelocityTrigger")
KIBBET_STANDIN_COMPONENT(Enemy, "Enemy")
KIBBET_STANDIN_COMPONENT(AttackTrigger, "AttackTrigger")

} // namespace Framework
