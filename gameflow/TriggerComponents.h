#pragma once

#include "data/RawBlockComponent.h"
#include "gameflow/EnemyTriggers.h"
#include "gameflow/Triggers.h"

namespace Framework
{

// Trigger kinds whose behaviour is not built yet. A real trigger replaces its declaration here with an
// include of its own header (same class name, same TypeName); the component registry needs no change.

} // namespace Framework
