#pragma once

#include <string>

namespace Framework
{

class GameObjectComposition;

// The boss level's set pieces that the bear's fight changes.

// Sets the upward push of the named geyser object's trigger.
void SetGeyserLift(const std::string& geyserKey, float lift);
// Drops the two arena blockers into place (either may be missing) and holds the view on the arena between them,
// floor to ledges, for the fight.
void CloseArena(GameObjectComposition* first, GameObjectComposition* second);
// The bear is beaten: removes it and the blockers, brings the arena backdrops along with the hero and
// gives the camera back to the hero (the flow hears of it through IBehaviourEvents::BossDefeated).
void OpenArena(GameObjectComposition* bear, GameObjectComposition* first, GameObjectComposition* second);

// Height at which the blockers close the arena.
constexpr float BlockerClosedY = 400.0f;

} // namespace Framework
