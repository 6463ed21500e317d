// The Graphics system's display: the fade, the viewport and window size, full screen and focus, screenshots.
#include "graphics/Graphics.h"

#include "engine/Message.h"
#include "graphics/Camera.h"
#include "platform/Image.h"
#include "platform/Log.h"
#include "platform/UserFolders.h"
#include "platform/Window.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

void Graphics::UpdateFade(float dt)
{
    if (m_FadeTimer < 0.0001f)
    {
        m_FadeMode = 0;
        m_FadeTimer = 0.0f;
        return;
    }
    m_FadeTimer -= dt;
    if (m_FadeMode == 0)
    {
        m_FadeValue = 1.0f;
    }
    else if (m_FadeMode == 1)
    {
        m_FadeValue = std::min(1.0f - m_FadeTimer / m_FadeDuration, 1.0f);
    }
    else if (m_FadeMode == 2)
    {
        m_FadeValue = std::max(m_FadeTimer / m_FadeDuration, 0.0f);
    }
}

void Graphics::StartFade(int mode, float seconds)
{
    m_FadeMode = mode;
    m_FadeTimer = seconds;
    m_FadeDuration = seconds;
}

void Graphics::ResetFade()
{
    m_FadeValue = 0.0f;
    m_FadeMode = 0;
    m_FadeTimer = 0.0f;
}

ViewportRect Graphics::ComputeViewport(float w, float h, float aspect)
{
    ViewportRect viewport;
    if (h <= 0.0f || w <= 0.0f)
    {
        return viewport; // a minimised window has no area to draw into
    }
    float ratio = w / h;
    if (std::fabs(ratio - aspect) < 0.0001f)
    {
        viewport = {0.0f, 0.0f, w, h};
    }
    else if (aspect < ratio)
    {
        viewport.Width = h * aspect;
        viewport.Height = h;
        viewport.Left = (w - viewport.Width) * 0.5f;
    }
    else
    {
        viewport.Width = w;
        viewport.Height = w / aspect;
        viewport.Top = (h - viewport.Height) * 0.5f;
    }
    return viewport;
}

void Graphics::Resize(unsigned width, unsigned height)
{
    if (width != 0 && height != 0)
    {
        m_BackBufferWidth = width;
        m_BackBufferHeight = height;
    }
    else
    {
        int w = 1280;
        int h = 720;
        if (m_Window != nullptr)
        {
            m_Window->ClientSize(w, h);
        }
        m_BackBufferWidth = static_cast<unsigned>(std::max(w, 0));
        m_BackBufferHeight = static_cast<unsigned>(std::max(h, 0));
    }
    if (!m_DeviceCreated)
    {
        return;
    }
    m_Device->ResizeBackBuffer(static_cast<int>(m_BackBufferWidth), static_cast<int>(m_BackBufferHeight));
    m_Device->SetViewport(
        ComputeViewport(static_cast<float>(m_BackBufferWidth), static_cast<float>(m_BackBufferHeight), m_TargetAspect));
}

void Graphics::SetResolution(unsigned width, unsigned height)
{
    m_ResolutionWidth = width;
    m_ResolutionHeight = height;
    if (m_Fullscreen)
    {
        Resize(width, height);
    }
}

void Graphics::ToggleFullscreen()
{
    m_Fullscreen = !m_Fullscreen;
    if (m_Window != nullptr)
    {
        m_Window->SetFullscreen(m_Fullscreen);
    }
    Resize(m_ResolutionWidth, m_ResolutionHeight);
}

void Graphics::BeforeFirstFrame()
{
    HandleFocus();
}

void Graphics::SendMessage(IMessage* message)
{
    // In full screen the back buffer keeps the chosen resolution; the picture is scaled.
    if (message != nullptr && message->MessageId == WindowResized && !m_Fullscreen)
    {
        auto* resize = static_cast<MessageWindowResize*>(message);
        Resize(resize->Width, resize->Height);
    }
}

void Graphics::HandleFocus()
{
    if (m_Window == nullptr)
    {
        return;
    }
    bool focused = m_Window->HasFocus();
    // A new window gets the focus a moment after it is shown; until it has had it once, there is no
    // focus to lose, and minimising then would hide the game as it starts.
    m_HadFocus = m_HadFocus || focused;
    if (m_Fullscreen && !focused && m_HadFocus)
    {
        // Leaving full screen keeps the desktop usable while the game is in the background.
        m_Window->SetFullscreen(false);
        m_Window->Minimize();
        m_Fullscreen = false;
        m_RestoreFullscreen = true;
    }
    else if (m_RestoreFullscreen && focused)
    {
        m_Fullscreen = true;
        m_Window->Restore();
        m_Window->SetFullscreen(true);
        m_RestoreFullscreen = false;
        Resize(m_ResolutionWidth, m_ResolutionHeight);
    }
}

bool Graphics::SaveScreenshot(const std::string& path)
{
    Image image;
    if (!m_DeviceCreated || !m_Device->ReadBackBuffer(image))
    {
        Log("screenshot: there is no picture to save (no drawing device)");
        return false;
    }
    if (!SavePng(path, image))
    {
        Log("screenshot: could not write " + path);
        return false;
    }
    return true;
}

void Graphics::SaveNumberedScreenshot()
{
    std::string path = NextScreenshotPath(PicturesFolder(), "Kibbet_");
    if (!path.empty() && SaveScreenshot(path))
    {
        Log("screenshot saved to " + path);
    }
}

} // namespace Framework
