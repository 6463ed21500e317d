#include "platform/SdlKeySource.h"

#include "platform/Log.h"
#include "platform/SdlEventHub.h"
#include "platform/Window.h"

#include <SDL.h>

#include <array>
#include <utility>

namespace Framework
{

int VirtualKeyFromScancode(int scancode)
{
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    {
        return 0x41 + (scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    {
        return 0x31 + (scancode - SDL_SCANCODE_1);
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
    {
        return 0x70 + (scancode - SDL_SCANCODE_F1);
    }
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
    {
        return 0x61 + (scancode - SDL_SCANCODE_KP_1);
    }
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24)
    {
        return 0x7C + (scancode - SDL_SCANCODE_F13);
    }
    // The keys outside the runs above, as virtual-key codes (left and right modifiers share one code).
    static const std::array<std::pair<int, int>, 35> kSingles = {{
        {SDL_SCANCODE_0, 0x30},           {SDL_SCANCODE_UP, 0x26},        {SDL_SCANCODE_DOWN, 0x28},
        {SDL_SCANCODE_LEFT, 0x25},        {SDL_SCANCODE_RIGHT, 0x27},     {SDL_SCANCODE_EQUALS, 0xBB},
        {SDL_SCANCODE_MINUS, 0xBD},       {SDL_SCANCODE_TAB, 0x09},       {SDL_SCANCODE_SPACE, 0x20},
        {SDL_SCANCODE_RETURN, 0x0D},      {SDL_SCANCODE_KP_ENTER, 0x0D},  {SDL_SCANCODE_ESCAPE, 0x1B},
        {SDL_SCANCODE_LSHIFT, 0x10},      {SDL_SCANCODE_RSHIFT, 0x10},    {SDL_SCANCODE_LCTRL, 0x11},
        {SDL_SCANCODE_RCTRL, 0x11},       {SDL_SCANCODE_LALT, 0x12},      {SDL_SCANCODE_RALT, 0x12},
        {SDL_SCANCODE_GRAVE, 0xC0},       {SDL_SCANCODE_BACKSPACE, 0x08}, {SDL_SCANCODE_SEMICOLON, 0xBA},
        {SDL_SCANCODE_COMMA, 0xBC},       {SDL_SCANCODE_PERIOD, 0xBE},    {SDL_SCANCODE_SLASH, 0xBF},
        {SDL_SCANCODE_LEFTBRACKET, 0xDB}, {SDL_SCANCODE_BACKSLASH, 0xDC}, {SDL_SCANCODE_RIGHTBRACKET, 0xDD},
        {SDL_SCANCODE_APOSTROPHE, 0xDE},  {SDL_SCANCODE_HOME, 0x24},      {SDL_SCANCODE_END, 0x23},
        {SDL_SCANCODE_PAGEUP, 0x21},      {SDL_SCANCODE_PAGEDOWN, 0x22},  {SDL_SCANCODE_INSERT, 0x2D},
        {SDL_SCANCODE_DELETE, 0x2E},      {SDL_SCANCODE_KP_0, 0x60},
    }};
    for (const auto& [code, key] : kSingles)
    {
        if (code == scancode)
        {
            return key;
        }
    }
    return 0;
}

namespace
{
// Controller buttons in the order of their masks' bits.
struct ButtonMask
{
    SDL_GameControllerButton Button;
    uint16_t Mask;
};
constexpr std::array<ButtonMask, 14> kButtonMasks = {{
    {SDL_CONTROLLER_BUTTON_DPAD_UP, 0x0001},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0x0002},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0x0004},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0x0008},
    {SDL_CONTROLLER_BUTTON_START, 0x0010},
    {SDL_CONTROLLER_BUTTON_BACK, 0x0020},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, 0x0040},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, 0x0080},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 0x0100},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0x0200},
    {SDL_CONTROLLER_BUTTON_A, 0x1000},
    {SDL_CONTROLLER_BUTTON_B, 0x2000},
    {SDL_CONTROLLER_BUTTON_X, 0x4000},
    {SDL_CONTROLLER_BUTTON_Y, 0x8000},
}};

class SdlKeySource : public IKeySource, public ISdlEventListener
{
public:
    explicit SdlKeySource(const IWindow* window) : m_Window(window)
    {
        // The Input system applies the focus rule itself; SDL must not drop controller changes meanwhile,
        // or a button released while unfocused would read as held when the focus returns.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS) == 0)
        {
            m_ControllersStarted = true;
            OpenFirstController();
        }
        else
        {
            Log(std::string("no game controller support: ") + SDL_GetError());
        }
        AddSdlEventListener(this);
    }

    ~SdlKeySource() override
    {
        RemoveSdlEventListener(this);
        if (m_Controller != nullptr)
        {
            SDL_GameControllerClose(m_Controller);
        }
        if (m_ControllersStarted)
        {
            SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS);
        }
    }

    void Poll() override
    {
        m_Pad = PadState{};
        if (m_Controller == nullptr)
        {
            return;
        }
        SDL_GameControllerUpdate();
        m_Pad.Connected = SDL_GameControllerGetAttached(m_Controller) == SDL_TRUE;
        if (!m_Pad.Connected)
        {
            return;
        }
        for (const ButtonMask& entry : kButtonMasks)
        {
            if (SDL_GameControllerGetButton(m_Controller, entry.Button) != 0)
            {
                m_Pad.Buttons = static_cast<uint16_t>(m_Pad.Buttons | entry.Mask);
            }
        }
        m_Pad.ThumbLX = SDL_GameControllerGetAxis(m_Controller, SDL_CONTROLLER_AXIS_LEFTX);
        // SDL counts y downward; the game counts it upward.
        int y = SDL_GameControllerGetAxis(m_Controller, SDL_CONTROLLER_AXIS_LEFTY);
        m_Pad.ThumbLY = static_cast<int16_t>(y == -32768 ? 32767 : -y);
    }

    bool HasFocus() const override { return m_Window != nullptr && m_Window->HasFocus(); }

    bool IsKeyDown(int virtualKey) const override
    {
        return virtualKey >= 0 && virtualKey < 256 && m_DownCount[static_cast<size_t>(virtualKey)] > 0;
    }

    PadState ReadPad() const override { return m_Pad; }

    std::string KeyName(int virtualKey) const override
    {
        // Codes are kept by position; the name is what that position shows in the player's layout.
        for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode)
        {
            if (VirtualKeyFromScancode(scancode) != virtualKey)
            {
                continue;
            }
            const char* name = SDL_GetKeyName(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(scancode)));
            if (name != nullptr && name[0] != '\0')
            {
                return name;
            }
            break;
        }
        return DefaultKeyName(virtualKey);
    }

    void OnSdlEvent(const SDL_Event& event) override
    {
        switch (event.type)
        {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            HandleKey(event.key.keysym.scancode, event.type == SDL_KEYDOWN);
            break;
        case SDL_CONTROLLERDEVICEADDED:
            if (m_Controller == nullptr)
            {
                OpenFirstController();
            }
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (m_Controller != nullptr &&
                SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(m_Controller)) == event.cdevice.which)
            {
                SDL_GameControllerClose(m_Controller);
                m_Controller = nullptr;
                OpenFirstController();
            }
            break;
        default:
            break;
        }
    }

private:
    void HandleKey(SDL_Scancode scancode, bool down)
    {
        if (scancode < 0 || scancode >= SDL_NUM_SCANCODES)
        {
            return;
        }
        bool& held = m_ScancodeDown[static_cast<size_t>(scancode)];
        if (held == down)
        {
            return; // key repeat
        }
        held = down;
        int vk = VirtualKeyFromScancode(scancode);
        if (vk != 0)
        {
            m_DownCount[static_cast<size_t>(vk)] += down ? 1 : -1;
        }
    }

    void OpenFirstController()
    {
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
        {
            if (SDL_IsGameController(i) == SDL_TRUE)
            {
                m_Controller = SDL_GameControllerOpen(i);
                if (m_Controller != nullptr)
                {
                    return;
                }
            }
        }
    }

    const IWindow* m_Window;
    bool m_ControllersStarted = false;
    SDL_GameController* m_Controller = nullptr;
    std::array<bool, SDL_NUM_SCANCODES> m_ScancodeDown{};
    std::array<int, 256> m_DownCount{};
    PadState m_Pad;
};
} // namespace

std::unique_ptr<IKeySource> CreateSdlKeySource(const IWindow* window)
{
    return std::make_unique<SdlKeySource>(window);
}

} // namespace Framework
