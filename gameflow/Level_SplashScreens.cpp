#include "gameflow/Level_SplashScreens.h"

#include "audio/Audio.h"
#include "data/Factory.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "input/Input.h"

#include <algorithm>

namespace Framework
{

namespace
{
constexpr float kFadeSeconds = 0.2f;
constexpr int kFadeIn = 1;
constexpr int kFadeOut = 2;

void LookAt(const char* key)
{
    if (CORE != nullptr && CORE->m_Factory != nullptr)
    {
        // A missing picture falls back to the hero, which the splash lacks: the camera keeps its place.
        CAMERA.SetCameraTarget(CORE->m_Factory->FindObject(key));
    }
}

void Fade(int mode)
{
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->StartFade(mode, kFadeSeconds);
    }
}

Audio* TheAudio()
{
    return CORE != nullptr ? CORE->m_Audio : nullptr;
}

void GoToMenu()
{
    if (CORE != nullptr && CORE->m_GameLogic != nullptr)
    {
        CORE->m_GameLogic->m_LevelManager.ChangeLevel("Level_00_Menu");
    }
}
} // namespace

void Level_SplashScreens::Load()
{
    if (CORE != nullptr && CORE->m_GameLogic != nullptr)
    {
        m_TrackName = CORE->m_GameLogic->m_LevelManager.GetCurrentLevelName();
    }
    if (Audio* audio = TheAudio())
    {
        audio->PlayBGM(m_TrackName);
        audio->SetMusicFactor(kMusicStart);
    }
}

void Level_SplashScreens::Initialize()
{
    m_SplashTime = 0.0f;
    LookAt("CenterMainScreen");
    Fade(kFadeIn);
    m_FadedIn = true;
}

void Level_SplashScreens::Update(float dt)
{
    m_SplashTime += dt;
    float t = m_SplashTime;
    bool skip = false;
    if (CORE != nullptr && CORE->m_Input != nullptr)
    {
        bool key = CORE->m_Input->IsAnyKeyTriggered();
        bool button = CORE->m_Input->IsAnyButtonTriggered();
        skip = key || button;
    }
    if (skip)
    {
        GoToMenu();
        if (Audio* audio = TheAudio())
        {
            audio->SetMasterVolume(1.0f);
            audio->SetMusicFactor(1.0f);
        }
        return;
    }
    if (Audio* audio = TheAudio())
    {
        audio->SetMusicFactor(std::clamp(audio->GetMusicFactor() + kMusicRise * dt, 0.0f, 1.0f));
    }
    if (t < kLogoEnd)
    {
        LookAt("SplashVentrel");
    }
    else if (t < kControllerStart)
    {
        if (m_FadedIn)
        {
            Fade(kFadeOut);
            m_FadedIn = false;
        }
    }
    else if (t < kControllerShown)
    {
        if (!m_FadedIn)
        {
            Fade(kFadeIn);
            m_FadedIn = true;
        }
        LookAt("XboxController");
    }
    else if (t >= kControllerEnd && t < kSplashEnd)
    {
        if (m_FadedIn)
        {
            Fade(kFadeOut);
            m_FadedIn = false;
        }
    }
    else if (t >= kSplashEnd)
    {
        // Reached however long the last frame was: a frame that jumps over the fade-out window still
        // ends the splash.
        if (!m_FadedIn)
        {
            Fade(kFadeIn);
            m_FadedIn = true;
        }
        if (Audio* audio = TheAudio())
        {
            audio->SetMusicFactor(1.0f);
            audio->SetBGMVolume(0.7f);
        }
        GoToMenu();
    }
}

} // namespace Framework
