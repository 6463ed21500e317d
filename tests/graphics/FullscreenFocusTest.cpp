#include "tests/TestSupport.h"

#include "graphics/Camera.h"
#include "graphics/Graphics.h"

using namespace Framework;

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
}
