#pragma once

#include <ostream>

namespace Framework
{

class Core;

// Prints the game state as JSON lines: one "world" line, then one line per live object sorted by key.
// Fields are only ever added, never renamed or removed, so scripts reading the dump keep working. An object
// with a body also shows its "velocity" as {"x":..,"y":..}.
void DumpState(const Core& core, std::ostream& out);

} // namespace Framework
