#include "engine/WindowSystem.h"

#include "engine/Core.h"
#include "engine/Message.h"
#include "platform/Window.h"

namespace Framework
{

WindowSystem::WindowSystem(Core* core, std::string title, std::unique_ptr<IWindow> window)
    : Title(std::move(title)), m_Core(core), m_Window(std::move(window))
{
    WindowHandle = m_Window != nullptr ? m_Window->NativeHandle() : nullptr;
}

WindowSystem::~WindowSystem() = default;

void WindowSystem::Initialize()
{
    if (m_Window != nullptr)
    {
        m_Window->Show();
    }
}

bool WindowSystem::HasFocus() const
{
    return m_Window != nullptr && m_Window->HasFocus();
}

void WindowSystem::Update(float dt)
{
    (void)dt;
    if (m_Window == nullptr)
    {
        return;
    }
    for (const WindowEvent& event : m_Window->Pump())
    {
        switch (event.Type)
        {
        case WindowEvent::Kind::Quit:
            m_Core->Quit = true;
            break;
        case WindowEvent::Kind::Character:
        {
            MessageCharacterKey message(event.Character);
            m_Core->BroadcastMessage(&message);
            break;
        }
        case WindowEvent::Kind::MouseMove:
        {
            IMessage message(MouseMove);
            m_Core->BroadcastMessage(&message);
            break;
        }
        case WindowEvent::Kind::FileDrop:
        {
            FileDrop message(event.Path);
            m_Core->BroadcastMessage(&message);
            break;
        }
        case WindowEvent::Kind::Resize:
        {
            MessageWindowResize message(static_cast<unsigned>(event.Width), static_cast<unsigned>(event.Height));
            m_Core->BroadcastMessage(&message);
            break;
        }
        case WindowEvent::Kind::ToggleFullscreen:
        {
            IMessage message(FullscreenToggleRequested);
            m_Core->BroadcastMessage(&message);
            break;
        }
        }
    }
}

} // namespace Framework
