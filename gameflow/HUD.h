#pragma once

#include "engine/ProcessState.h"
#include "gameflow/GameSession.h"

#include <string>

namespace Framework
{

class GameObjectComposition;

// Number of energy bars of the meter, and seconds between two bars lighting up again.
constexpr int kEnergyBarCount = 7;
constexpr float kBarRefillStep = 0.1875f;
// The largest count two digits show.
constexpr int kLargestShownCount = 99;

// The longest time the timer shows, in milliseconds (9:59.9): one digit of minutes.
constexpr int kLargestShownTime = 599999;

// Starts the session's new attempt at the level (the pollen counted in it) and lays out the display.
void ResetHUD(GameSession& session);
// Places every display object at its offset from the view centre and shows three live heads and "00" collected.
void RefreshHUD(GameSession& session);
// Takes one life unless one was taken in this frame, marks the lost head; returns the lives left.
int LoseLife(GameSession& session);
// Shows a level time on the display's timer as minutes, seconds and tenths.
void ShowTimer(int milliseconds);
// A level time as the display shows it, "M:SS.T".
std::string FormatTime(int milliseconds);
// Counts one collected pollen and shows the count.
void CollectPollen(GameSession& session);
// Shows a digit (0 to 9) on a number object, or blank for -1; a null object is skipped.
void SetDigit(GameObjectComposition* object, int digit);
// Notes the names of the seven bars (they are looked up by name whenever they change, so no stale pointer
// survives the display being destroyed).
void CollectBars(GameSession& session);
// Shows every bar empty and starts the refill.
void EmptyBars(GameSession& session);
// Lights every bar whose time has come; the meter is full 1.3125 s after it was emptied.
void RefillBars(GameSession& session, float dt);

} // namespace Framework
