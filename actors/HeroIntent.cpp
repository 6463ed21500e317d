#include "actors/HeroIntent.h"

#include "input/Input.h"

namespace Framework
{

HeroIntent PlayerIntent(Input& input)
{
    // Each query starts tracking the keys it names, so they are asked in this order, and right only while left
    // is up.
    HeroIntent intent;
    intent.JumpPressed = input.IsJumpTriggered();
    intent.JumpHeld = input.IsJumpHeld();
    intent.Left = input.IsLeftHeld();
    intent.Right = !intent.Left && input.IsRightHeld();
    intent.RollPressed = input.IsAttackTriggered();
    return intent;
}

HeroIntent ScriptedWalkIntent()
{
    HeroIntent intent;
    intent.Right = true;
    return intent;
}

} // namespace Framework
