#pragma once

#include "platform/Vector.h"

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
// The top of the highest static body under the point (between the point and the depths), or minus
// infinity over open ground; only the bodies simulated now (those near the view) are looked at.
float GroundTopBelow(Vec2 point);
// Makes the object's sprite show the animation from now on.
void ShowAnimation(GameObjectComposition* object, const std::string& animation);
// Forgets every key and button held or pressed and sets whether the devices are polled.
void SwitchInput(bool enabled);
// A key or a button was pressed this frame (both devices are asked: each query also starts tracking).
bool AnyKeyOrButton();
// A new object of the type at (x, y) with the given scale, or null when the type does not exist.
GameObjectComposition* PlaceObject(const std::string& type, float x, float y, float scale);
// The screen fades in from black or out to black over the seconds given.
enum class FadeDirection
{
    In = 1,
    Out = 2,
};
void StartFade(FadeDirection direction, float seconds);

} // namespace Framework
