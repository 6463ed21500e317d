#pragma once

#include <string>
#include <vector>

namespace Framework
{

class GameObjectComposition;

// The steps the main menu and the pause menu share: finding their objects, the cursor, the sounds and
// the wrapping selection. Every step skips objects that do not exist.

// The live object stored under the key, or null (also when there is no Factory).
GameObjectComposition* FindMenuObject(const std::string& key);
// The live objects for the keys, in order; a missing one is kept as null.
std::vector<GameObjectComposition*> FindMenuObjects(const std::vector<std::string>& keys);
// Moves the cursor object onto the item (its x and y), silently.
void PlaceCursor(const std::string& cursorKey, const GameObjectComposition* item);
// Plays the rollover sound unless it is playing, then moves the cursor onto the item.
void MoveSelector(const std::string& cursorKey, const GameObjectComposition* item);
// Plays the select sound unless it is playing.
void PlaySelectSound();
// Whether there is an Input system to read.
bool HasInput();
// Enter, Space or the controller's A went down.
bool IsSelectPressed();
// Escape, the controller's B or Start went down.
bool IsBackPressed();
// A key or button bound to pause went down.
bool IsPausePressed();
// Whether the window holds the keyboard focus (as the input source says; true without an Input system).
bool WindowHasFocus();
// Escape, the controller's Start or a key or button bound to pause went down.
bool IsMenuClosePressed();
// Left (-1) or right (+1) went down, left first; 0 when neither did.
int HorizontalStep();
// Up or down went down: moves selected by one through count items, wrapping at both ends (up first,
// one move per call). True when it moved.
bool StepSelection(int& selected, int count);
// Plays the named animation on the object's sprite and shows its first frame at once, even when that
// animation is already the current one; skips a null object or one without a sprite.
void ShowMenuAnimation(GameObjectComposition* object, const std::string& name);
// Forgets the keys and buttons that are down, so a choice does not carry into what it opens.
void ResetInputDevices();

} // namespace Framework
