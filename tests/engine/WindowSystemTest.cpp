#include "engine/WindowSystem.h"
#include "engine/Core.h"
#include "engine/ProcessState.h"
#include "gameflow/GameLogic.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "platform/Window.h"

#include <SDL.h>
#include <gtest/gtest.h>

using namespace Framework;

namespace
{
// A real SDL window (offscreen driver) under a window system, with a headless Graphics to resize.
class WindowSystemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto window = CreateSdlWindow("A Kibbet", 1280, 720, "no-such-icon.ico");
        if (!window->Exists())
        {
            GTEST_SKIP() << "SDL could not open a window with this video driver";
        }
        auto windows = std::make_unique<WindowSystem>(&core, "A Kibbet", std::move(window));
        auto graphics = std::make_unique<Graphics>(&core);
        core.m_Windows = windows.get();
        core.m_Graphics = graphics.get();
        core.AddSystem(std::move(windows));
        core.AddSystem(std::move(graphics));
        core.m_Graphics->Initialize();
        core.m_Windows->Initialize();
        core.m_Windows->Update(0);
    }
    void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }
    void PushType(Uint32 type)
    {
        SDL_Event event{};
        event.type = type;
        Push(event);
    }

    Core core;
};
} // namespace

TEST_F(WindowSystemTest, AltF4AndTheCloseButtonQuit)
{
    SDL_Event f4{};
    f4.type = SDL_KEYDOWN;
    f4.key.keysym.scancode = SDL_SCANCODE_F4;
    Push(f4);
    core.m_Windows->Update(0);
    EXPECT_FALSE(core.Quit) << "F4 alone does nothing";
    f4.key.keysym.mod = KMOD_LALT;
    Push(f4);
    core.m_Windows->Update(0);
    EXPECT_TRUE(core.Quit);

    core.Quit = false;
    PushType(SDL_QUIT);
    core.m_Windows->Update(0);
    EXPECT_TRUE(core.Quit);
}

TEST_F(WindowSystemTest, SizeChangesResizeTheBackBufferOnlyInAWindow)
{
    ASSERT_FALSE(core.m_Graphics->m_Fullscreen);
    SDL_Event size{};
    size.type = SDL_WINDOWEVENT;
    size.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    size.window.data1 = 800;
    size.window.data2 = 600;
    Push(size);
    core.m_Windows->Update(0);
    EXPECT_EQ(core.m_Graphics->m_BackBufferWidth, 800u);
    EXPECT_EQ(core.m_Graphics->m_BackBufferHeight, 600u);
    core.m_Graphics->ToggleFullscreen();
    size.window.data1 = 640;
    Push(size);
    core.m_Windows->Update(0);
    EXPECT_EQ(core.m_Graphics->m_BackBufferWidth, 1280u) << "full screen keeps the resolution";
}

TEST_F(WindowSystemTest, F11AndAltEnterToggleFullScreenWhereverTheGameIs)
{
    // The menus' full-screen switch, which the keys share, works on the running game.
    CORE = &core;
    auto logic = std::make_unique<GameLogic>(&core);
    core.m_GameLogic = logic.get();
    core.AddSystem(std::move(logic));
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_F11;
    Push(key);
    core.m_Windows->Update(0);
    EXPECT_TRUE(core.m_Graphics->m_Fullscreen);
    key.key.keysym.scancode = SDL_SCANCODE_RETURN;
    Push(key);
    core.m_Windows->Update(0);
    EXPECT_TRUE(core.m_Graphics->m_Fullscreen) << "Enter alone does nothing";
    key.key.keysym.mod = KMOD_LALT;
    Push(key);
    core.m_Windows->Update(0);
    EXPECT_FALSE(core.m_Graphics->m_Fullscreen);
    CORE = nullptr;
}
