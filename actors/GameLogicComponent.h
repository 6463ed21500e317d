#pragma once

#include "data/RawBlockComponent.h"

namespace Framework
{

// The behaviour of an object; created by the GameLogic system, which runs its live components.
KIBBET_SYSTEM_STANDIN_COMPONENT(GameLogicComponent, "GameLogic")

} // namespace Framework
