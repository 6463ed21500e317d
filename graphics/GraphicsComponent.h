#pragma once

#include "data/RawBlockComponent.h"

namespace Framework
{

// The sprite of an object; created by the Graphics system, which draws its live sprites.
KIBBET_SYSTEM_STANDIN_COMPONENT(GraphicsComponent, "Graphics")

} // namespace Framework
