#pragma once

// The drawing components the component table and the typed accessors name.
#include "graphics/CustomShape.h"
#include "graphics/Emitter.h"
#include "graphics/FontComponent.h"
#include "graphics/Parallax.h"
#include "graphics/SetDefaultAnimation.h"
