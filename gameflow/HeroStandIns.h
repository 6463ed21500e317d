#pragma once

#include "engine/Vector.h"

#include <string>

namespace Framework
{

class GameObjectComposition;

// The HUD values and hero hooks the game flow needs until the hero and the HUD exist.
inline int Lives = 3;
inline bool LifeLostThisFrame = false;
inline int PollenTotal = 0;
inline int PollenCollected = 0;
inline int LoseLife()
{
    if (!LifeLostThisFrame)
    {
        --Lives;
        LifeLostThisFrame = true;
    }
    return Lives;
}
inline void CollectPollen()
{
    ++PollenCollected;
}
inline void PlayHeroDeathAnimation() {}
inline bool HeroIsRunning()
{
    return false;
}
inline bool HeroIsRolling()
{
    return false;
}
inline void HeroStartsFalling() {}
inline void HeroStandsStill() {}
inline void RegisterAttackObject(GameObjectComposition*) {}
// Whether the object is a trap that is shut (and so harmless).
bool IsClosedTrap(const GameObjectComposition* object);
inline void BurstEffect(GameObjectComposition*, const std::string&, Vec2) {}

} // namespace Framework
