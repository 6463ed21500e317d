#include "input/Input.h"

#include <array>
#include <vector>

namespace Framework
{

namespace
{
constexpr KeyState kTriggered = 1;
constexpr KeyState kDown = 2;

constexpr int32_t kUp = 0x26, kDownArrow = 0x28, kLeft = 0x25, kRight = 0x27;
constexpr int32_t kEscape = 0x1B, kSpace = 0x20, kEnter = 0x0D, kControl = 0x11;

// Tested in this order by IsAnyButtonTriggered and cleared by ResetPad.
constexpr std::array<int32_t, 14> kButtons = {
    PadUp,    PadDown, PadLeft,         PadRight,         PadA,         PadB,         PadX, PadY,
    PadStart, PadBack, PadLeftShoulder, PadRightShoulder, PadLeftThumb, PadRightThumb};

// The keys IsAnyKeyTriggered looks at and ResetKeyboard clears, in order.
const std::vector<int32_t>& ResetList()
{
    static const std::vector<int32_t> list = []
    {
        std::vector<int32_t> keys;
        for (int32_t k = 0x41; k <= 0x5A; ++k)
        {
            keys.push_back(k);
        }
        for (int32_t k = 0x30; k <= 0x39; ++k)
        {
            keys.push_back(k);
        }
        for (int32_t k = 0x70; k <= 0x87; ++k)
        {
            keys.push_back(k);
        }
        for (int32_t k : {kUp, kDownArrow, kLeft, kRight, 0xBB, 0xBD, 0x09, kSpace, kEnter, kEscape, 0x10, 0xC0})
        {
            keys.push_back(k);
        }
        return keys;
    }();
    return list;
}

// One update of a key or button seen down or up.
void Step(KeyState& state, bool down)
{
    if (!down)
    {
        state = 0;
    }
    else if (state == 0)
    {
        state = 3;
    }
    else if ((state & kTriggered) != 0)
    {
        state ^= kTriggered;
    }
}

// Key codes above this are never read.
constexpr int32_t kLastKeyCode = 0xFE;

// The left stick's dead zone: both axes strictly inside it read as centred.
constexpr int kDeadZone = 7849;
} // namespace

Input::Input(Core* core, std::unique_ptr<IKeySource> source) : m_Core(core), m_Source(std::move(source))
{
    if (m_Source == nullptr)
    {
        m_Source = std::make_unique<ScriptedKeySource>();
    }
}

Input::~Input() = default;

void Input::Update(float dt)
{
    (void)dt;
    m_Source->Poll();
    if (!m_Source->HasFocus() || !InputEnabled)
    {
        return;
    }
    m_Pad.State = PadState{};
    PadState pad = m_Source->ReadPad();
    if (pad.Connected)
    {
        m_Pad.State = pad;
        UpdatePad();
    }
    else
    {
        ResetPad();
    }
    for (auto& [code, state] : m_Keyboard)
    {
        Step(state, m_Source->IsKeyDown(code));
    }
    UpdateCapture();
}

void Input::UpdatePad()
{
    const PadState& pad = m_Pad.State;
    std::array<int32_t, 4> sticks = {StickUp, StickDown, StickRight, StickLeft};
    std::array<KeyState, 4> saved{};
    for (size_t i = 0; i < sticks.size(); ++i)
    {
        saved[i] = m_Pad.Buttons[sticks[i]];
    }
    for (auto& [code, state] : m_Pad.Buttons)
    {
        Step(state, (code & pad.Buttons) != 0);
    }
    for (size_t i = 0; i < sticks.size(); ++i)
    {
        m_Pad.Buttons[sticks[i]] = saved[i];
    }

    int x = pad.ThumbLX;
    int y = pad.ThumbLY;
    if (x > -kDeadZone && x < kDeadZone && y > -kDeadZone && y < kDeadZone)
    {
        for (int32_t stick : sticks)
        {
            m_Pad.Buttons[stick] = 0;
        }
        return;
    }
    // Cubing softens small deflections.
    float fx = static_cast<float>(x) / 32768.0f;
    float fy = static_cast<float>(y) / 32768.0f;
    float cx = fx * fx * fx;
    float cy = fy * fy * fy;
    if (cx < -0.0001f)
    {
        StepPair(PadLeft, StickLeft);
    }
    else if (cx > 0.0001f)
    {
        StepPair(PadRight, StickRight);
    }
    if (cy < -0.0001f)
    {
        StepPair(PadDown, StickDown);
    }
    else if (cy > 0.0001f)
    {
        StepPair(PadUp, StickUp);
    }
}

void Input::StepPair(int32_t dpadCode, int32_t stickCode)
{
    // The stick's own state decides and both codes take the stick's new state. Toggling the d-pad code's
    // own bit instead would give it the state 1 (triggered but not down) whenever the real d-pad button is
    // up, and IsLeftHeld would drop out on the second frame of a held stick.
    KeyState stick = m_Pad.Buttons[stickCode];
    KeyState next = 2;
    if (stick == 0)
    {
        next = 3;
    }
    else if ((stick & kTriggered) != 0)
    {
        next = stick ^ kTriggered;
    }
    m_Pad.Buttons[stickCode] = next;
    m_Pad.Buttons[dpadCode] = next;
}

bool Input::KeyBit(int32_t code, KeyState bit)
{
    return (m_Keyboard[code] & bit) != 0;
}

bool Input::ButtonBit(int32_t code, KeyState bit)
{
    return (m_Pad.Buttons[code] & bit) != 0;
}

bool Input::IsUpTriggered()
{
    return KeyBit(kUp, kTriggered) || KeyBit('W', kTriggered) || ButtonBit(PadUp, kTriggered);
}

bool Input::IsDownTriggered()
{
    return KeyBit(kDownArrow, kTriggered) || KeyBit('S', kTriggered) || ButtonBit(PadDown, kTriggered);
}

bool Input::IsLeftTriggered()
{
    return KeyBit(kLeft, kTriggered) || KeyBit('A', kTriggered) || ButtonBit(PadLeft, kTriggered);
}

bool Input::IsLeftHeld()
{
    return ActionBit(Action::Left, kDown);
}

bool Input::IsRightTriggered()
{
    return KeyBit(kRight, kTriggered) || KeyBit('D', kTriggered) || ButtonBit(PadRight, kTriggered);
}

bool Input::IsRightHeld()
{
    return ActionBit(Action::Right, kDown);
}

bool Input::IsBackTriggered()
{
    return KeyBit(kEscape, kTriggered) || ButtonBit(PadStart, kTriggered) || ButtonBit(PadB, kTriggered);
}

bool Input::IsPauseTriggered()
{
    return ActionBit(Action::Pause, kTriggered);
}

bool Input::IsMenuCloseTriggered()
{
    return KeyBit(kEscape, kTriggered) || ButtonBit(PadStart, kTriggered) || ActionBit(Action::Pause, kTriggered);
}

bool Input::IsJumpTriggered()
{
    return ActionBit(Action::Jump, kTriggered);
}

bool Input::IsJumpHeld()
{
    return ActionBit(Action::Jump, kDown);
}

bool Input::IsAttackTriggered()
{
    return ActionBit(Action::Roll, kTriggered);
}

bool Input::ActionBit(Action action, KeyState bit)
{
    const ActionBinding& binding = m_Bindings.Of(action);
    for (int32_t key : binding.Keys)
    {
        if (KeyBit(key, bit))
        {
            return true;
        }
    }
    for (int32_t button : binding.Buttons)
    {
        if (ButtonBit(button, bit))
        {
            return true;
        }
    }
    return false;
}

bool Input::HasFocus() const
{
    return m_Source->HasFocus();
}

std::string Input::KeyName(int virtualKey) const
{
    return m_Source->KeyName(virtualKey);
}

void Input::ArmCapture()
{
    m_Capturing = true;
    m_CapturedKey.reset();
    m_CapturedButton.reset();
    m_HeldAtArm.clear();
    for (int32_t code = 1; code <= kLastKeyCode; ++code)
    {
        if (m_Source->IsKeyDown(code))
        {
            m_HeldAtArm.insert(code);
        }
    }
    m_ButtonsHeldAtArm = m_Source->ReadPad().Buttons;
}

void Input::DisarmCapture()
{
    m_Capturing = false;
    m_CapturedKey.reset();
    m_CapturedButton.reset();
}

void Input::UpdateCapture()
{
    if (!m_Capturing || m_CapturedKey || m_CapturedButton)
    {
        return;
    }
    for (int32_t code = 1; code <= kLastKeyCode && !m_CapturedKey; ++code)
    {
        bool down = m_Source->IsKeyDown(code);
        if (down && m_HeldAtArm.count(code) == 0)
        {
            m_CapturedKey = code;
        }
        else if (!down)
        {
            m_HeldAtArm.erase(code);
        }
    }
    const PadState pad = m_Source->ReadPad();
    const uint16_t buttons = pad.Connected ? pad.Buttons : uint16_t{0};
    m_ButtonsHeldAtArm = static_cast<uint16_t>(m_ButtonsHeldAtArm & buttons);
    const uint16_t fresh = static_cast<uint16_t>(buttons & ~m_ButtonsHeldAtArm);
    for (int32_t button : kButtons)
    {
        if (!m_CapturedKey && (fresh & button) != 0)
        {
            m_CapturedButton = button;
            break;
        }
    }
}

bool Input::IsSelectTriggered()
{
    return KeyBit(kEnter, kTriggered) || KeyBit(kSpace, kTriggered) || ButtonBit(PadA, kTriggered);
}

bool Input::IsAnyKeyTriggered()
{
    for (int32_t key : ResetList())
    {
        if (KeyBit(key, kTriggered))
        {
            return true;
        }
    }
    return false;
}

bool Input::IsAnyButtonTriggered()
{
    for (int32_t button : kButtons)
    {
        if (ButtonBit(button, kTriggered))
        {
            return true;
        }
    }
    return false;
}

void Input::ResetKeyboard()
{
    for (int32_t key : ResetList())
    {
        m_Keyboard[key] = 0;
    }
}

void Input::ResetPad()
{
    for (int32_t button : kButtons)
    {
        m_Pad.Buttons[button] = 0;
    }
}

bool Input::IsKeyTriggered(int virtualKey)
{
    return KeyBit(virtualKey, kTriggered);
}

} // namespace Framework
