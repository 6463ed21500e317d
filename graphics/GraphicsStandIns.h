#pragma once

#include "data/RawBlockComponent.h"
#include "graphics/CustomShape.h"
#include "graphics/Emitter.h"
#include "graphics/Parallax.h"
#include "graphics/SetDefaultAnimation.h"

namespace Framework
{

KIBBET_STANDIN_COMPONENT(FontComponent, "FontComponent")

} // namespace Framework
