#pragma once

namespace Framework
{

// While set, the player controller runs the hero to the right on its own: between the two volumes of a
// level start, of a level exit and of a scripted run. Every level start clears all three.
extern bool StartWalkActive;
extern bool WinWalkActive;
extern bool MoveRightActive;

// Clears the three walk flags.
void ResetWalkFlags();

} // namespace Framework
