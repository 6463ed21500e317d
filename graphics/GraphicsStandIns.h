#pragma once

#include "data/RawBlockComponent.h"

namespace Framework
{

KIBBET_STANDIN_COMPONENT(CustomShape, "CustomShape")
KIBBET_STANDIN_COMPONENT(Parallax, "Parallax")
KIBBET_STANDIN_COMPONENT(Emitter, "Emitter")
KIBBET_STANDIN_COMPONENT(SetDefaultAnimation, "SetDefaultAnimation")
KIBBET_STANDIN_COMPONENT(FontComponent, "FontComponent")

} // namespace Framework
