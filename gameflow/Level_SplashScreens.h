#pragma once

#include "gameflow/ILevel.h"

namespace Framework
{

// The start-up level "Level_00_Splash": the maker's logo for 3 s, the controller picture from 3.5 s to 7 s,
// then the menu; any key or button goes to the menu at once. Its music is the track named after it,
// fading in from a whisper.
class Level_SplashScreens : public ILevel
{
public:
    // Starts the splash music at 0.05 of its level.
    void Load() override;
    // Restarts the timeline and fades in on the "CenterMainScreen" object.
    void Initialize() override;
    // Advances the timeline by dt.
    void Update(float dt) override;
    bool LetsTexturesStream() const override { return true; }

    // Seconds from the start of the timeline: the logo fades out, the controller fades in, it fades out,
    // the menu starts.
    static constexpr float kLogoEnd = 3.0f;
    static constexpr float kControllerStart = 3.5f;
    static constexpr float kControllerShown = 4.0f;
    static constexpr float kControllerEnd = 7.0f;
    static constexpr float kSplashEnd = 7.5f;
    // Music factor at the start and its rise per second.
    static constexpr float kMusicStart = 0.05f;
    static constexpr float kMusicRise = 0.5f;

    float m_SplashTime = 0.0f;
    bool m_FadedIn = false;
};

} // namespace Framework
