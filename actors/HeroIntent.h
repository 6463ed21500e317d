#pragma once

namespace Framework
{

class Input;

// What the hero is asked to do in one frame: the directions and jump as held, jump and roll as just pressed.
// The hero reads nothing else, so the player, a scripted walk or a test can drive it alike.
struct HeroIntent
{
    // Run left; it wins over Right when both are set.
    bool Left = false;
    // Run right.
    bool Right = false;
    // Jump went down this frame: a jump on the ground, a fly armed in the air.
    bool JumpPressed = false;
    // Jump is down: an armed fly climbs while it stays down.
    bool JumpHeld = false;
    // Roll went down this frame.
    bool RollPressed = false;
};

// The player's intent from the keys and buttons bound to left, right, jump and roll (by default arrows, A/D,
// d-pad and stick to run; Space, W, up or A to jump; M, S, Control or X to roll).
HeroIntent PlayerIntent(Input& input);

// A scripted walk: right held and nothing else.
HeroIntent ScriptedWalkIntent();

} // namespace Framework
