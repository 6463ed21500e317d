#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

using namespace Framework;

namespace
{
// A window whose focus a test sets and whose full-screen and minimise calls are counted.
class FakeWindow : public IWindow
{
public:
    bool Exists() const override { return true; }
    void Show() override {}
    std::vector<WindowEvent> Pump() override { return {}; }
    bool HasFocus() const override { return Focus; }
    void* NativeHandle() const override { return nullptr; }
    void ClientSize(int& width, int& height) const override
    {
        width = Fullscreen ? 1920 : 1280;
        height = Fullscreen ? 1200 : 720;
    }
    void SetFullscreen(bool fullscreen) override { Fullscreen = fullscreen; }
    void Minimize() override { Minimized = true; }
    void Restore() override { Minimized = false; }
    void SetClientSize(int, int) override {}

    bool Focus = true;
    bool Fullscreen = false;
    bool Minimized = false;
};
} // namespace

TEST(FullscreenFocusTest, LosingFocusInFullScreenMinimisesAndReturningRestores)
{
    FakeWindow window;
    Graphics graphics(nullptr, &window, nullptr, false);
    graphics.Initialize();
    EXPECT_TRUE(window.Fullscreen) << "borderless desktop full screen from the start";
    EXPECT_EQ(graphics.m_BackBufferWidth, 1280u) << "the back buffer has the chosen resolution";

    window.Focus = false;
    graphics.HandleFocus();
    EXPECT_FALSE(window.Minimized) << "a window that never had the focus has none to lose";
    window.Focus = true;
    graphics.HandleFocus();
    window.Focus = false;
    graphics.HandleFocus();
    EXPECT_TRUE(window.Minimized);
    EXPECT_FALSE(window.Fullscreen);
    EXPECT_TRUE(graphics.m_RestoreFullscreen);
    graphics.HandleFocus();
    EXPECT_TRUE(window.Minimized) << "nothing more while away";

    window.Focus = true;
    graphics.SetResolution(1600, 900);
    graphics.HandleFocus();
    EXPECT_FALSE(window.Minimized);
    EXPECT_TRUE(window.Fullscreen);
    EXPECT_TRUE(graphics.m_Fullscreen);
    EXPECT_FALSE(graphics.m_RestoreFullscreen);
    EXPECT_EQ(graphics.m_BackBufferWidth, 1600u) << "restored at the chosen resolution";
    CAMERA = Camera{};
}
