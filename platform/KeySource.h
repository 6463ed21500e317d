#pragma once

#include "platform/KeyNames.h"

#include <cstdint>
#include <set>
#include <string>

namespace Framework
{

// One reading of the first game controller, in the controller's own terms: the button bit masks of
// the Input system and the left stick with x to the right and y up, each -32768..32767.
struct PadState
{
    bool Connected = false;
    uint16_t Buttons = 0;
    int16_t ThumbLX = 0;
    int16_t ThumbLY = 0;
};

// Where the Input system's key and controller readings come from: the devices, a replay file or a
// test script. Poll is called exactly once per Input update, before any reading, even while input
// is ignored, so that recorded frames line up with the game's frames.
class IKeySource
{
public:
    IKeySource() = default;
    virtual ~IKeySource() = default;
    IKeySource(const IKeySource&) = delete;
    IKeySource& operator=(const IKeySource&) = delete;

    // Samples the devices for this frame.
    virtual void Poll() = 0;
    // True while the game window holds the keyboard focus.
    virtual bool HasFocus() const = 0;
    // True while the key with this Windows virtual-key code is down.
    virtual bool IsKeyDown(int virtualKey) const = 0;
    // The first controller's state; Connected is false when there is none.
    virtual PadState ReadPad() const = 0;
    // The key's name in the player's keyboard layout; sources without a keyboard give the US name.
    virtual std::string KeyName(int virtualKey) const { return DefaultKeyName(virtualKey); }
};

// A source whose state a test (or a headless run) sets directly; it starts focused with nothing down.
class ScriptedKeySource : public IKeySource
{
public:
    void Poll() override { ++Polls; }
    bool HasFocus() const override { return Focus; }
    bool IsKeyDown(int virtualKey) const override { return Down.count(virtualKey) != 0; }
    PadState ReadPad() const override { return Pad; }

    std::set<int> Down;
    PadState Pad;
    bool Focus = true;
    int Polls = 0;
};

} // namespace Framework
