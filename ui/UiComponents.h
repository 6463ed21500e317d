#pragma once

#include "data/RawBlockComponent.h"

namespace Framework
{

KIBBET_STANDIN_COMPONENT(ScrollComponent, "ScrollComponent")
KIBBET_STANDIN_COMPONENT(PauseComponent, "PauseComponent")

} // namespace Framework
