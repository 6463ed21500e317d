#include "platform/Image.h"
#include "platform/Log.h"
#include "platform/SdlEventHub.h"
#include "platform/Window.h"

#include <SDL.h>

namespace Framework
{

namespace
{
// Longest dropped path kept, in bytes, so receivers can rely on a bound.
constexpr size_t kMaxDropPath = 511;

void SetIcon(SDL_Window* window, const std::string& path)
{
    Image icon;
    if (!LoadIcoFile(path, icon))
    {
        LogOnce("window icon " + path + " could not be read; the default icon stays");
        return;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon.Pixels.data(), icon.Width, icon.Height, 32,
                                                              icon.Width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface != nullptr)
    {
        SDL_SetWindowIcon(window, surface);
        SDL_FreeSurface(surface);
    }
}

// The code points of a UTF-8 text; a malformed byte stands for itself.
std::vector<uint32_t> DecodeUtf8(const char* text)
{
    std::vector<uint32_t> out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0)
    {
        int extra = *p >= 0xF0 ? 3 : *p >= 0xE0 ? 2 : *p >= 0xC0 ? 1 : 0;
        uint32_t code = extra == 0 ? *p : (*p & (0x3F >> extra));
        int i = 1;
        for (; i <= extra && (p[i] & 0xC0) == 0x80; ++i)
        {
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (i <= extra)
        {
            out.push_back(*p); // cut short: keep the byte and go on after it
            ++p;
            continue;
        }
        out.push_back(code);
        p += extra + 1;
    }
    return out;
}

class SdlWindow : public IWindow
{
public:
    SdlWindow(const std::string& title, int width, int height, const std::string& iconPath)
        : m_Width(width), m_Height(height)
    {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        {
            Log(std::string("no window: ") + SDL_GetError());
            return;
        }
        m_VideoStarted = true;
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        // Nothing is drawn with depth or stencil. Without those buffers a software rasteriser also drops
        // whatever an opaque triangle later covers tile by tile, instead of drawing it first.
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
        Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL;
        m_Window =
            SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height, flags);
        if (m_Window == nullptr)
        {
            Log(std::string("no window: ") + SDL_GetError());
            return;
        }
        SDL_SetWindowMinimumSize(m_Window, 320, 240);
        SDL_ShowCursor(SDL_DISABLE);
        SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
        SDL_StartTextInput();
        SetIcon(m_Window, iconPath);
        // An offscreen window has no desktop and never gets the keyboard; it counts as focused, as a run
        // without a window does, so an unattended run plays instead of pausing at once.
        const char* driver = SDL_GetCurrentVideoDriver();
        m_AlwaysFocused = driver != nullptr && std::string(driver) == "offscreen";
    }

    ~SdlWindow() override
    {
        if (m_Window != nullptr)
        {
            SDL_DestroyWindow(m_Window);
        }
        if (m_VideoStarted)
        {
            SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        }
    }

    bool Exists() const override { return m_Window != nullptr; }

    void Show() override
    {
        if (m_Window != nullptr)
        {
            SDL_ShowWindow(m_Window);
        }
    }

    std::vector<WindowEvent> Pump() override
    {
        std::vector<WindowEvent> events;
        if (!m_VideoStarted)
        {
            return events;
        }
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0)
        {
            DispatchSdlEvent(event);
            Translate(event, events);
        }
        return events;
    }

    bool HasFocus() const override
    {
        return m_Window != nullptr && (m_AlwaysFocused || (SDL_GetWindowFlags(m_Window) & SDL_WINDOW_INPUT_FOCUS) != 0);
    }

    void* NativeHandle() const override { return m_Window; }

    void ClientSize(int& width, int& height) const override
    {
        width = m_Width;
        height = m_Height;
        if (m_Window != nullptr)
        {
            SDL_GetWindowSize(m_Window, &width, &height);
        }
    }

    void DisplaySize(int& width, int& height) const override
    {
        width = 0;
        height = 0;
        SDL_DisplayMode mode;
        int display = m_Window != nullptr ? SDL_GetWindowDisplayIndex(m_Window) : 0;
        if (m_VideoStarted && SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) == 0)
        {
            width = mode.w;
            height = mode.h;
        }
    }

    void SetFullscreen(bool fullscreen) override
    {
        if (m_Window == nullptr)
        {
            return;
        }
        int width = 0;
        int height = 0;
        DisplaySize(width, height);
        if (fullscreen && width > 0 && height > 0)
        {
            // Without a window manager nothing grants the full-screen state: the window itself is made to
            // cover the desktop, so the picture fits either way.
            SDL_GetWindowSize(m_Window, &m_Width, &m_Height);
            SDL_SetWindowPosition(m_Window, 0, 0);
            SDL_SetWindowSize(m_Window, width, height);
        }
        SDL_SetWindowFullscreen(m_Window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        if (!fullscreen)
        {
            SDL_SetWindowSize(m_Window, m_Width, m_Height);
            SDL_SetWindowPosition(m_Window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
    }

    void Minimize() override
    {
        if (m_Window != nullptr)
        {
            SDL_MinimizeWindow(m_Window);
        }
    }

    void Restore() override
    {
        if (m_Window != nullptr)
        {
            SDL_RestoreWindow(m_Window);
            SDL_RaiseWindow(m_Window);
        }
    }

    void SetClientSize(int width, int height) override
    {
        if (m_Window != nullptr)
        {
            SDL_SetWindowSize(m_Window, width, height);
        }
    }

private:
    void Translate(const SDL_Event& event, std::vector<WindowEvent>& events)
    {
        WindowEvent out;
        switch (event.type)
        {
        case SDL_QUIT:
            out.Type = WindowEvent::Kind::Quit;
            events.push_back(out);
            break;
        case SDL_KEYDOWN:
            // Alt+F4 ends the program even where no window manager turns it into a close request.
            if (event.key.keysym.scancode == SDL_SCANCODE_F4 && (event.key.keysym.mod & KMOD_ALT) != 0)
            {
                out.Type = WindowEvent::Kind::Quit;
                events.push_back(out);
            }
            else if (event.key.repeat == 0 &&
                     (event.key.keysym.scancode == SDL_SCANCODE_F11 ||
                      (event.key.keysym.scancode == SDL_SCANCODE_RETURN && (event.key.keysym.mod & KMOD_ALT) != 0)))
            {
                out.Type = WindowEvent::Kind::ToggleFullscreen;
                events.push_back(out);
            }
            break;
        case SDL_TEXTINPUT:
            // One message per character, as the window's character messages came.
            for (uint32_t character : DecodeUtf8(event.text.text))
            {
                out.Type = WindowEvent::Kind::Character;
                out.Character = character;
                events.push_back(out);
            }
            break;
        case SDL_MOUSEMOTION:
            out.Type = WindowEvent::Kind::MouseMove;
            events.push_back(out);
            break;
        case SDL_DROPFILE:
            if (event.drop.file != nullptr)
            {
                // Only the first file of a drop is reported; the rest of the drop is ignored.
                if (!m_DropInProgress)
                {
                    out.Type = WindowEvent::Kind::FileDrop;
                    out.Path = event.drop.file;
                    if (out.Path.size() > kMaxDropPath)
                    {
                        out.Path.resize(kMaxDropPath);
                    }
                    events.push_back(out);
                    m_DropInProgress = true;
                }
                SDL_free(event.drop.file);
            }
            break;
        case SDL_DROPBEGIN:
        case SDL_DROPCOMPLETE:
            m_DropInProgress = false;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || event.window.event == SDL_WINDOWEVENT_RESIZED)
            {
                out.Type = WindowEvent::Kind::Resize;
                out.Width = event.window.data1;
                out.Height = event.window.data2;
                events.push_back(out);
            }
            break;
        default:
            break;
        }
    }

    SDL_Window* m_Window = nullptr;
    int m_Width;
    int m_Height;
    bool m_VideoStarted = false;
    bool m_AlwaysFocused = false;
    bool m_DropInProgress = false;
};

class HeadlessWindow : public IWindow
{
public:
    HeadlessWindow(int width, int height) : m_Width(width), m_Height(height) {}
    bool Exists() const override { return false; }
    void Show() override {}
    std::vector<WindowEvent> Pump() override { return {}; }
    bool HasFocus() const override { return true; }
    void* NativeHandle() const override { return nullptr; }
    void ClientSize(int& width, int& height) const override
    {
        width = m_Width;
        height = m_Height;
    }
    void SetFullscreen(bool fullscreen) override { (void)fullscreen; }
    void Minimize() override {}
    void Restore() override {}
    void SetClientSize(int width, int height) override
    {
        m_Width = width;
        m_Height = height;
    }

private:
    int m_Width;
    int m_Height;
};
} // namespace

std::unique_ptr<IWindow> CreateSdlWindow(const std::string& title, int width, int height, const std::string& iconPath)
{
    return std::make_unique<SdlWindow>(title, width, height, iconPath);
}

std::unique_ptr<IWindow> CreateHeadlessWindow(int width, int height)
{
    return std::make_unique<HeadlessWindow>(width, height);
}

} // namespace Framework
