#pragma once

#include "engine/ISystem.h"
#include "input/Bindings.h"
#include "platform/KeySource.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

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

    // Up arrow, W or d-pad up went down (menu navigation, whatever is bound).
    bool IsUpTriggered();
    // Down arrow, S or d-pad down went down (menu navigation).
    bool IsDownTriggered();
    // Left arrow, A or d-pad left went down (menu navigation).
    bool IsLeftTriggered();
    // A key or button bound to left is down.
    bool IsLeftHeld();
    // Right arrow, D or d-pad right went down (menu navigation).
    bool IsRightTriggered();
    // A key or button bound to right is down.
    bool IsRightHeld();
    // Escape, Start or B went down (menu navigation).
    bool IsBackTriggered();
    // A key or button bound to pause went down.
    bool IsPauseTriggered();
    // Escape or Start went down, or a key or button bound to pause: what closes the pause menu.
    bool IsMenuCloseTriggered();
    // A key or button bound to jump went down.
    bool IsJumpTriggered();
    // A key or button bound to jump is down.
    bool IsJumpHeld();
    // A key or button bound to roll went down.
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

    // The keys and buttons of the game actions; the defaults until set.
    const Bindings& GetBindings() const { return m_Bindings; }
    // Puts the game actions on these keys and buttons from the next query on.
    void SetBindings(const Bindings& bindings) { m_Bindings = bindings; }
    // True while the window holds the keyboard focus (as the source says, also in a replay).
    bool HasFocus() const;
    // The name of a key in the player's keyboard layout, in the source's words.
    std::string KeyName(int virtualKey) const;
    // Starts watching for the next key or button to go down; what is down now does not count until released.
    void ArmCapture();
    // Stops watching.
    void DisarmCapture();
    // The first key that went down since ArmCapture, while armed and focused.
    std::optional<int32_t> CapturedKey() const { return m_CapturedKey; }
    // The first controller button that went down since ArmCapture.
    std::optional<int32_t> CapturedButton() const { return m_CapturedButton; }

    // Polls only while set; the game flow clears it during scripted sequences.
    bool InputEnabled = true;

    std::map<int32_t, KeyState> m_Keyboard;
    PadRecord m_Pad;

private:
    bool KeyBit(int32_t code, KeyState bit);
    // Any key, then any button, of the action has the bit, asked in order and only until one has.
    bool ActionBit(Action action, KeyState bit);
    void UpdateCapture();
    bool ButtonBit(int32_t code, KeyState bit);
    void UpdatePad();
    void StepPair(int32_t dpadCode, int32_t stickCode);

    Core* m_Core;
    std::unique_ptr<IKeySource> m_Source;
    Bindings m_Bindings = Bindings::Defaults();
    bool m_Capturing = false;
    std::set<int32_t> m_HeldAtArm;
    uint16_t m_ButtonsHeldAtArm = 0;
    std::optional<int32_t> m_CapturedKey;
    std::optional<int32_t> m_CapturedButton;
};

} // namespace Framework
