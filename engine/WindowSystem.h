#pragma once

#include "engine/ISystem.h"

#include <memory>
#include <string>

namespace Framework
{

class IWindow;

// Owns the game's window, drains its events once per frame and turns them into engine messages
// or the end of the program.
class WindowSystem : public ISystem
{
public:
    // The window exists when the constructor returns.
    WindowSystem(Core* core, std::string title, std::unique_ptr<IWindow> window);
    ~WindowSystem() override;

    // Shows the window.
    void Initialize() override;
    // Pumps the window's events.
    void Update(float dt) override;
    std::string GetName() const override { return "Windows_System"; }
    Core* GetCore() const override { return m_Core; }

    // True while the game window holds the keyboard focus.
    bool HasFocus() const;
    // The platform window behind the system (never null; a stand-in when headless).
    IWindow* Window() const { return m_Window.get(); }

    int Width = 1280;
    int Height = 720;
    // The platform window, or null when there is none.
    void* WindowHandle = nullptr;
    std::string Title;

private:
    Core* m_Core;
    std::unique_ptr<IWindow> m_Window;
};

} // namespace Framework
