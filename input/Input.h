#pragma once

#include "engine/ISystem.h"
#include "platform/KeySource.h"

#include <cstdint>
#include <map>
#include <memory>

namespace Framework
{

// 0 up; 3 went down in the last update (bit 0: triggered, bit 1: down); 2 held for two updates or more.
using KeyState = int32_t;

// Button codes: the controller's button masks, and four codes for the left stick's directions.
enum PadCode : int32_t
{
    PadUp = 0x0001,
    PadDown = 0x0002,
    PadLeft = 0x0004,
    PadRight = 0x0008,
    PadStart = 0x0010,
    PadBack = 0x0020,
    PadLeftThumb = 0x0040,
    PadRightThumb = 0x0080,
    PadLeftShoulder = 0x0100,
    PadRightShoulder = 0x0200,
    PadA = 0x1000,
    PadB = 0x2000,
    PadX = 0x4000,
    PadY = 0x8000,
    StickUp = 0x81,
    StickDown = 0x82,
    StickRight = 0x83,
    StickLeft = 0x84,
};

// The tracked controller: its user index (always the first), its button states and its last reading.
struct PadRecord
{
    int32_t UserIndex = 0;
    std::map<int32_t, KeyState> Buttons;
    PadState State;
};

// Samples the keyboard and the first controller once per frame, after every other system, and answers
// the game's action queries. A key or button is tracked from the first query or reset that names it.
class Input : public ISystem
{
public:
    // Reads from source; a null source gives a focused keyboard with nothing pressed and no controller.
    explicit Input(Core* core, std::unique_ptr<IKeySource> source = nullptr);
    ~Input() override;

    // Polls the devices; changes nothing while the window is unfocused or InputEnabled is false.
    void Update(float dt) override;
    std::string GetName() const override { return "Input"; }
    Core* GetCore() const override { return m_Core; }

    // Up arrow, W or d-pad up went down.
    bool IsUpTriggered();
    // Down arrow, S or d-pad down went down.
    bool IsDownTriggered();
    // Left arrow, A or d-pad left went down.
    bool IsLeftTriggered();
    // Left arrow, A or d-pad left is down.
    bool IsLeftHeld();
    // Right arrow, D or d-pad right went down.
    bool IsRightTriggered();
    // Right arrow, D or d-pad right is down.
    bool IsRightHeld();
    // Escape, Start or B went down.
    bool IsBackTriggered();
    // Escape or Start went down.
    bool IsPauseTriggered();
    // Space, W, up arrow or A went down.
    bool IsJumpTriggered();
    // Space, W, up arrow or A is down.
    bool IsJumpHeld();
    // M, S, Control or X went down.
    bool IsAttackTriggered();
    // Enter, Space or A went down.
    bool IsSelectTriggered();
    // Any key of the reset list went down.
    bool IsAnyKeyTriggered();
    // Any of the fourteen controller buttons went down.
    bool IsAnyButtonTriggered();
    // Sets every key of the reset list to up (Control is not in it).
    void ResetKeyboard();
    // Sets the fourteen controller buttons to up; the stick codes keep their states.
    void ResetPad();
    // True when the key with this virtual-key code went down in the last update (used for F12).
    bool IsKeyTriggered(int virtualKey);

    // Polls only while set; the game flow clears it during scripted sequences.
    bool InputEnabled = true;

    std::map<int32_t, KeyState> m_Keyboard;
    PadRecord m_Pad;

private:
    bool KeyBit(int32_t code, KeyState bit);
    bool ButtonBit(int32_t code, KeyState bit);
    void UpdatePad();
    void StepPair(int32_t dpadCode, int32_t stickCode);

    Core* m_Core;
    std::unique_ptr<IKeySource> m_Source;
};

} // namespace Framework
