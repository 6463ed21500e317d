#pragma once

#include "engine/Vector.h"

#include <string>

namespace Framework
{

class Audio;
class Body;
class GameLogic;
class GameObjectComposition;
class ILevel;

// The game's Audio system, or null.
Audio* TheAudio();
// The game's GameLogic system, or null.
GameLogic* TheGameLogic();
// The running level, or null.
ILevel* CurrentLevel();
// The object that holds the body, or null.
GameObjectComposition* OwnerOf(const Body* body);
// True for the object named "Kibbet".
bool IsHero(const GameObjectComposition* object);
// The live hero, or null.
GameObjectComposition* FindHeroObject();
// The live hero's body, or null.
Body* HeroBody();
// Sets the origin of the object's particle type of that kind and bursts it; nothing without one.
void PlayEffect(GameObjectComposition* object, const std::string& kind, Vec2 origin);
// Makes the object's sprite show the animation from now on.
void ShowAnimation(GameObjectComposition* object, const std::string& animation);

} // namespace Framework
