#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "engine/Core.h"
#include "engine/WindowsSystem.h"
#include "gameflow/HUD.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "platform/Window.h"
#include "ui/Level_Menu.h"
#include "ui/MenuScreens.h"
#include "ui/MenuSteps.h"
#include "ui/PlayerSettings.h"

#include <cmath>
#include <string>

namespace Framework
{

namespace
{
constexpr int kMaxSoundLevel = 10;
// Entries of m_ResolutionDigits: left arrow, four width digits, the "x", four height digits, right arrow.
constexpr size_t kLeftArrow = 0;
constexpr size_t kFirstWidthDigit = 1;
constexpr size_t kTimes = 5;
constexpr size_t kFirstHeightDigit = 6;
constexpr size_t kRightArrow = 10;

// The volume in tenths, rounded so that a level set as n / 10 reads back as n in any precision.
int SoundLevelOf(float masterVolume)
{
    return static_cast<int>(std::lround(masterVolume * static_cast<float>(kMaxSoundLevel)));
}

void SpellFourDigits(const std::vector<GameObjectComposition*>& digits, size_t first, unsigned value)
{
    unsigned divisor = 1000;
    for (size_t i = 0; i < 4; ++i)
    {
        SetDigit(digits[first + i], static_cast<int>((value / divisor) % 10));
        divisor /= 10;
    }
}
} // namespace

void OptionsScreen::Enter()
{
    CollectItems({"Resolution", "Options_Sound", "Toggle_Fullscreen", "Toggle_Sound", "ReturnToMain"});
    m_SoundBars.clear();
    for (int i = 1; i <= kMaxSoundLevel; ++i)
    {
        m_SoundBars.push_back(FindMenuObject("SoundBar" + std::to_string(i)));
    }
    m_ResolutionDigits = FindMenuObjects({"ResLeftArrow", "ResL1", "ResL2", "ResL3", "ResL4", "ResX", "ResR1", "ResR2",
                                          "ResR3", "ResR4", "ResRightArrow"});
    ShowMenuAnimation(m_ResolutionDigits[kTimes], "Char_X");
    ShowMenuAnimation(m_ResolutionDigits[kLeftArrow], "Char_Arrow");
    ShowMenuAnimation(m_ResolutionDigits[kRightArrow], "Char_Arrow");
    if (CORE != nullptr && CORE->m_Audio != nullptr)
    {
        m_SoundLevel = SoundLevelOf(CORE->m_Audio->MasterVolume);
    }
    ShowResolution();
    ShowSoundBars();
}

void OptionsScreen::ShowResolution()
{
    const auto& sizes = m_Menu.m_Resolutions;
    if (sizes.empty())
    {
        for (GameObjectComposition* digit : m_ResolutionDigits)
        {
            ShowMenuAnimation(digit, "default");
        }
        return;
    }
    if (m_Menu.m_ResolutionIndex < 0 || m_Menu.m_ResolutionIndex >= static_cast<int>(sizes.size()))
    {
        m_Menu.m_ResolutionIndex = 0;
    }
    const auto& [width, height] = sizes[static_cast<size_t>(m_Menu.m_ResolutionIndex)];
    SpellFourDigits(m_ResolutionDigits, kFirstWidthDigit, width);
    SpellFourDigits(m_ResolutionDigits, kFirstHeightDigit, height);
}

void OptionsScreen::ShowSoundBars()
{
    for (size_t i = 0; i < m_SoundBars.size(); ++i)
    {
        bool lit = static_cast<int>(i) < m_SoundLevel;
        ShowMenuAnimation(m_SoundBars[i], lit ? "Char_Stick" : "Char_Stick_Transparent");
    }
}

void OptionsScreen::Update(float dt)
{
    (void)dt;
    if (IsSelectPressed())
    {
        PlaySelectSound();
        Select();
        return;
    }
    if (MoveSelection())
    {
        return;
    }
    if (IsBackPressed())
    {
        PlaySelectSound();
        m_Menu.GoToScreen(Level_Menu::Main, "MainScreen");
        return;
    }
    if (m_Selected == Resolution)
    {
        StepResolution();
    }
    else if (m_Selected == Sound)
    {
        StepVolume();
    }
}

void OptionsScreen::Select()
{
    Graphics* graphics = CORE != nullptr ? CORE->m_Graphics : nullptr;
    switch (m_Selected)
    {
    case Resolution:
    {
        const auto& sizes = m_Menu.m_Resolutions;
        if (sizes.empty() || graphics == nullptr)
        {
            return;
        }
        const auto& [width, height] = sizes[static_cast<size_t>(m_Menu.m_ResolutionIndex)];
        if (CORE->m_Windows != nullptr && CORE->m_Windows->Window() != nullptr)
        {
            CORE->m_Windows->Window()->SetClientSize(static_cast<int>(width), static_cast<int>(height));
        }
        graphics->SetResolution(width, height);
        SaveCurrentSettings();
        break;
    }
    case ToggleFullscreen:
        if (graphics != nullptr)
        {
            graphics->ToggleFullscreen();
            SaveCurrentSettings();
        }
        break;
    case ToggleSound:
        if (CORE != nullptr && CORE->m_Audio != nullptr)
        {
            CORE->m_Audio->ToggleMute();
            // The bars follow the volume, so the next step starts from what the player hears.
            m_SoundLevel = SoundLevelOf(CORE->m_Audio->MasterVolume);
            ShowSoundBars();
            SaveCurrentSettings();
        }
        break;
    case ReturnToMain:
        m_Menu.GoToScreen(Level_Menu::Main, "MainScreen");
        break;
    default:
        break;
    }
}

void OptionsScreen::StepResolution()
{
    Input* input = CORE != nullptr ? CORE->m_Input : nullptr;
    const int count = static_cast<int>(m_Menu.m_Resolutions.size());
    if (input == nullptr || count == 0)
    {
        return;
    }
    int& index = m_Menu.m_ResolutionIndex;
    if (input->IsLeftTriggered())
    {
        index = index <= 0 ? count - 1 : index - 1;
    }
    else if (input->IsRightTriggered())
    {
        index = index >= count - 1 ? 0 : index + 1;
    }
    else
    {
        return;
    }
    ShowResolution();
}

void OptionsScreen::StepVolume()
{
    Input* input = CORE != nullptr ? CORE->m_Input : nullptr;
    if (input == nullptr || CORE->m_Audio == nullptr)
    {
        return;
    }
    if (input->IsLeftTriggered())
    {
        m_SoundLevel = m_SoundLevel > 0 ? m_SoundLevel - 1 : 0;
    }
    else if (input->IsRightTriggered())
    {
        m_SoundLevel = m_SoundLevel < kMaxSoundLevel ? m_SoundLevel + 1 : kMaxSoundLevel;
    }
    else
    {
        return;
    }
    CORE->m_Audio->SetMasterVolume(static_cast<float>(m_SoundLevel) / static_cast<float>(kMaxSoundLevel));
    ShowSoundBars();
    CORE->m_Audio->PlaySound("SFX_Menu_Select");
    SaveCurrentSettings();
}

} // namespace Framework
