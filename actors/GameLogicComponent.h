#pragma once

#include "data/RawBlockComponent.h"

namespace Framework
{

// The behaviour of an object; created by the GameLogic system, which runs its live components.
// Until behaviours exist it keeps its data block verbatim.
class GameLogicComponent final : public StandInComponent<GameLogicComponent, "GameLogic">
{
};

} // namespace Framework
