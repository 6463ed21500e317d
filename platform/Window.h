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
        FileDrop, // Path holds the first dropped file's full path
        Resize,   // Width and Height hold the new client size
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
};

// A window of the given client size; on failure it logs and behaves as no window.
std::unique_ptr<IWindow> CreateSdlWindow(const std::string& title, int width, int height, bool fullscreen);
// No window at all; reports focus so focus rules behave as in a focused game.
std::unique_ptr<IWindow> CreateHeadlessWindow();

} // namespace Framework
