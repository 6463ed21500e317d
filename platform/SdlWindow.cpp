#include "engine/Log.h"
#include "platform/Window.h"

#include <SDL.h>

namespace Framework
{

namespace
{
// Longest dropped path kept, in bytes, so receivers can rely on a bound.
constexpr size_t kMaxDropPath = 511;

class SdlWindow : public IWindow
{
public:
    SdlWindow(const std::string& title, int width, int height, bool fullscreen)
    {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        {
            Log(std::string("no window: ") + SDL_GetError());
            return;
        }
        m_VideoStarted = true;
        Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL;
        if (fullscreen)
        {
            flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        }
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
            Translate(event, events);
        }
        return events;
    }

    bool HasFocus() const override
    {
        return m_Window != nullptr && (SDL_GetWindowFlags(m_Window) & SDL_WINDOW_INPUT_FOCUS) != 0;
    }

    void* NativeHandle() const override { return m_Window; }

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
        case SDL_TEXTINPUT:
            // One message per character, as the window's character messages came.
            for (const char* p = event.text.text; *p != '\0'; ++p)
            {
                out.Type = WindowEvent::Kind::Character;
                out.Character = static_cast<unsigned char>(*p);
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
            m_DropInProgress = false;
            break;
        case SDL_DROPCOMPLETE:
            m_DropInProgress = false;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
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
    bool m_VideoStarted = false;
    bool m_DropInProgress = false;
};

class HeadlessWindow : public IWindow
{
public:
    bool Exists() const override { return false; }
    void Show() override {}
    std::vector<WindowEvent> Pump() override { return {}; }
    bool HasFocus() const override { return true; }
    void* NativeHandle() const override { return nullptr; }
};
} // namespace

std::unique_ptr<IWindow> CreateSdlWindow(const std::string& title, int width, int height, bool fullscreen)
{
    return std::make_unique<SdlWindow>(title, width, height, fullscreen);
}

std::unique_ptr<IWindow> CreateHeadlessWindow()
{
    return std::make_unique<HeadlessWindow>();
}

} // namespace Framework
