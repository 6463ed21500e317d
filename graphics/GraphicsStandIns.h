#pragma once

#include "data/RawBlockComponent.h"
#include "graphics/CustomShape.h"
#include "graphics/Emitter.h"
#include "graphics/Parallax.h"
#include "graphics/SetDefaultAnimation.h"

namespace Framework
{

// Drawing kinds whose behaviour is not built yet. A real one replaces its declaration here with an
// include of its own header (same class name, same TypeName); the component registry needs no change.
class FontComponent final : public StandInComponent<FontComponent, "FontComponent">
{
};

} // namespace Framework
