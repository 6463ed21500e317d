#pragma once

#include "app/Options.h"

#include <string>

namespace Framework
{

class Core;

// Creates the eight systems in creation order, registers them in registration order and stores the
// typed pointers; the window is a real one unless options.Headless. Sets the resource root first.
void BuildSystems(Core& core, const Options& options, const std::string& executablePath);

// Creates and registers the eight systems, runs both passes and the main loop, then tears everything
// down. executablePath is used to find the Resources folder when no --resources is given. Returns 0.
int ProgramEntry(Core& core, const Options& options, const std::string& executablePath);

} // namespace Framework
