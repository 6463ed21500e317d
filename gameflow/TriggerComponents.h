#pragma once

#include "data/RawBlockComponent.h"
#include "gameflow/EnemyTriggers.h"
#include "gameflow/Triggers.h"

namespace Framework
{

} // namespace Framework
