#include "platform/SdlKeySource.h"
#include "engine/Core.h"
#include "engine/WindowSystem.h"
#include "input/Input.h"
#include "platform/Window.h"

#include <SDL.h>
#include <gtest/gtest.h>

using namespace Framework;

namespace
{
// A real window that always has the focus, so key events can be fed without a window manager.
class FocusedWindow : public IWindow
{
public:
    explicit FocusedWindow(std::unique_ptr<IWindow> real) : m_Real(std::move(real)) {}
    bool Exists() const override { return m_Real->Exists(); }
    void Show() override {}
    std::vector<WindowEvent> Pump() override { return m_Real->Pump(); }
    bool HasFocus() const override { return true; }
    void* NativeHandle() const override { return m_Real->NativeHandle(); }

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
