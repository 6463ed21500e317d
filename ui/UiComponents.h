#pragma once

#include "data/RawBlockComponent.h"

namespace Framework
{

// Menu kinds whose behaviour is not built yet. A real one replaces its declaration here with an
// include of its own header (same class name, same TypeName); the component registry needs no change.
class ScrollComponent final : public StandInComponent<ScrollComponent, "ScrollComponent">
{
};
class PauseComponent final : public StandInComponent<PauseComponent, "PauseComponent">
{
};

} // namespace Framework
