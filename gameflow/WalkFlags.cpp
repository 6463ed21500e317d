#include "gameflow/WalkFlags.h"

namespace Framework
{

bool StartWalkActive = false;
bool WinWalkActive = false;
bool MoveRightActive = false;

void ResetWalkFlags()
{
    StartWalkActive = false;
    WinWalkActive = false;
    MoveRightActive = false;
}

} // namespace Framework
