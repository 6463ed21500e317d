#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Framework
{

// What the window reported during one pump.
struct WindowEvent
{
    enum class Kind
    {
        Quit,      // close button, Alt+F4 or the system asking the program to end
        Character, // text input; Character holds the code
        MouseMove,
        FileDrop,         // Path holds the first dropped file's full path
        Resize,           // Width and Height hold the new client size
        ToggleFullscreen, // F11 or Alt+Enter: the player asks for full screen or a window
    };
    Kind Type = Kind::Quit;
    uint32_t Character = 0;
    std::string Path;
    int Width = 0;
    int Height = 0;
};

// The game's one top-level window, or a stand-in with no window for headless runs.
class IWindow
{
public:
    IWindow() = default;
    virtual ~IWindow() = default;
    IWindow(const IWindow&) = delete;
    IWindow& operator=(const IWindow&) = delete;

    // True when a real window exists.
    virtual bool Exists() const = 0;
    virtual void Show() = 0;
    // Drains every pending event of the window in one call.
    virtual std::vector<WindowEvent> Pump() = 0;
    // True while the game window holds the keyboard focus.
    virtual bool HasFocus() const = 0;
    // The platform window (an SDL_Window*), or null.
    virtual void* NativeHandle() const = 0;
    // The client area's size in pixels; the size asked for when there is no window.
    virtual void ClientSize(int& width, int& height) const
    {
        width = 1280;
        height = 720;
    }
    // The size of the desktop the window is on, in pixels; 0 x 0 when there is no display to ask.
    virtual void DisplaySize(int& width, int& height) const
    {
        width = 0;
        height = 0;
    }
    // Borderless full screen on the desktop (the desktop's video mode never changes), or back to a window.
    virtual void SetFullscreen(bool fullscreen) { (void)fullscreen; }
    virtual void Minimize() {}
    // Brings a minimised window back and gives it the focus.
    virtual void Restore() {}
    // Sets a new client size (windowed only).
    virtual void SetClientSize(int width, int height)
    {
        (void)width;
        (void)height;
    }
};

// A resizable window of the given client size (at least 320 x 240), ready for an OpenGL 3.3 core
// context, with the icon read from iconPath when it loads; on failure it logs and behaves as no window.
std::unique_ptr<IWindow> CreateSdlWindow(const std::string& title, int width, int height, const std::string& iconPath);
// No window at all; reports focus so focus rules behave as in a focused game.
std::unique_ptr<IWindow> CreateHeadlessWindow(int width = 1280, int height = 720);
// Forgets every SDL event listener (the process state reset uses it; a live listener must not be left).
void ClearSdlEventListeners();

} // namespace Framework
