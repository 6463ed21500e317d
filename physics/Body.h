#pragma once

#include "data/RawBlockComponent.h"

namespace Framework
{

// The physical body of an object; created by the Physics system, which integrates its live bodies.
KIBBET_SYSTEM_STANDIN_COMPONENT(Body, "Body")

} // namespace Framework
