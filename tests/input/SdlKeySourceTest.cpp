#include "platform/SdlKeySource.h"
#include "engine/Core.h"
#include "engine/WindowsSystem.h"
#include "input/Input.h"
#include "platform/Window.h"

#include <SDL.h>
#include <gtest/gtest.h>

using namespace Framework;

namespace
{
// Focus as a test wants it, so key events can be fed without a window manager.
class FocusedWindow : public IWindow
{
public:
    explicit FocusedWindow(std::unique_ptr<IWindow> real) : m_Real(std::move(real)) {}
    bool Exists() const override { return m_Real->Exists(); }
    void Show() override { m_Real->Show(); }
    std::vector<WindowEvent> Pump() override { return m_Real->Pump(); }
    bool HasFocus() const override { return Focus; }
    void* NativeHandle() const override { return m_Real->NativeHandle(); }
    void ClientSize(int& width, int& height) const override { m_Real->ClientSize(width, height); }
    void SetFullscreen(bool fullscreen) override { m_Real->SetFullscreen(fullscreen); }
    void Minimize() override {}
    void Restore() override {}
    void SetClientSize(int width, int height) override { m_Real->SetClientSize(width, height); }

    bool Focus = true;

private:
    std::unique_ptr<IWindow> m_Real;
};

class SdlKeySourceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<FocusedWindow>(CreateSdlWindow("A Kibbet", 320, 240, ""));
        if (!window->Exists())
        {
            GTEST_SKIP() << "SDL could not open a window with this video driver";
        }
        input = std::make_unique<Input>(nullptr, CreateSdlKeySource(window.get()));
    }
    void TearDown() override
    {
        input.reset();
        window.reset();
    }
    void Key(SDL_Scancode scancode, bool down, bool repeat = false)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.scancode = scancode;
        event.key.repeat = repeat ? 1 : 0;
        SDL_PushEvent(&event);
    }
    // One frame: the window system pumps first, the input system polls last.
    void Frame()
    {
        window->Pump();
        input->Update(0.017f);
    }

    std::unique_ptr<FocusedWindow> window;
    std::unique_ptr<Input> input;
};
} // namespace

TEST(VirtualKeyTest, ScancodesMapToWindowsKeyCodes)
{
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_A), 0x41);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_Z), 0x5A);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_0), 0x30);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_9), 0x39);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F12), 0x7B);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F24), 0x87);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_UP), 0x26);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_RCTRL), 0x11);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_ENTER), 0x0D);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_GRAVE), 0xC0);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_EQUALS), 0xBB);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_CAPSLOCK), 0);
}

TEST_F(SdlKeySourceTest, KeyEventsDriveTheActionQueries)
{
    input->IsJumpTriggered();
    input->IsAttackTriggered();
    Key(SDL_SCANCODE_SPACE, true);
    Frame();
    EXPECT_TRUE(input->IsJumpTriggered());
    Key(SDL_SCANCODE_SPACE, true, true); // auto-repeat changes nothing
    Frame();
    EXPECT_FALSE(input->IsJumpTriggered());
    EXPECT_TRUE(input->IsJumpHeld());
    Key(SDL_SCANCODE_SPACE, false);
    Frame();
    EXPECT_FALSE(input->IsJumpHeld());

    // Both Control keys are one code: it stays down until both are up.
    Key(SDL_SCANCODE_LCTRL, true);
    Key(SDL_SCANCODE_RCTRL, true);
    Frame();
    EXPECT_TRUE(input->IsAttackTriggered());
    Key(SDL_SCANCODE_LCTRL, false);
    Frame();
    EXPECT_EQ(input->m_Keyboard[0x11], 2);
    Key(SDL_SCANCODE_RCTRL, false);
    Frame();
    EXPECT_EQ(input->m_Keyboard[0x11], 0);
}

TEST_F(SdlKeySourceTest, UnfocusedWindowFreezesTheKeys)
{
    input->IsRightHeld();
    Key(SDL_SCANCODE_RIGHT, true);
    Frame();
    window->Focus = false;
    Key(SDL_SCANCODE_RIGHT, false);
    Frame();
    EXPECT_TRUE(input->IsRightHeld());
    window->Focus = true;
    Frame();
    EXPECT_FALSE(input->IsRightHeld());
}

TEST_F(SdlKeySourceTest, AVirtualControllerPluggedInDuringPlayIsTheFirstController)
{
    input->IsJumpTriggered();
    input->IsLeftHeld();
    Frame();
    EXPECT_FALSE(input->IsAnyButtonTriggered());

    int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    Frame(); // the device-added event opens it
    EXPECT_TRUE(input->m_Pad.State.Connected);
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    ASSERT_NE(joystick, nullptr);
    SDL_JoystickSetVirtualButton(joystick, 0, 1); // A
    Frame();
    EXPECT_TRUE(input->IsJumpTriggered());
    EXPECT_TRUE(input->IsAnyButtonTriggered());

    SDL_JoystickSetVirtualButton(joystick, 0, 0);
    SDL_JoystickSetVirtualAxis(joystick, 0, -30000); // left stick pushed left
    Frame();
    EXPECT_TRUE(input->IsLeftHeld());
    EXPECT_EQ(input->m_Pad.Buttons[StickLeft], 3);
    SDL_JoystickSetVirtualAxis(joystick, 1, -30000); // SDL's up is negative, the game's positive
    Frame();
    EXPECT_EQ(input->m_Pad.Buttons[StickUp], 3);
    EXPECT_GT(input->m_Pad.State.ThumbLY, 0);

    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(index);
    Frame();
    EXPECT_FALSE(input->m_Pad.State.Connected) << "unplugged reads as no controller";
    EXPECT_EQ(input->m_Pad.Buttons[PadLeft], 0);
}
