#pragma once

#include "engine/Vector.h"
#include "gameflow/HUD.h"

#include <string>

namespace Framework
{

class GameObjectComposition;

// The hero's controller as the game flow and the triggers use it.

// Runs the hero's dying animation (while an end screen shows the dead hero).
void PlayHeroDeathAnimation();
// Whether the hero runs (state Run), or rolls (state Roll, its attack).
bool HeroIsRunning();
bool HeroIsRolling();
// Throws the hero into a fall (a geyser's push).
void HeroStartsFalling();
// Stops the hero in Idle with its idle picture, as at a death or when the bear shows itself.
void HeroStandsStill();
// Makes the object the hero's attack object, which follows the hero.
void RegisterAttackObject(GameObjectComposition* object);
// Whether the object is a trap that is shut (and so harmless).
bool IsClosedTrap(const GameObjectComposition* object);
inline void BurstEffect(GameObjectComposition*, const std::string&, Vec2) {}

} // namespace Framework
