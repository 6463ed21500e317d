#include "ui/OptionsPage.h"

#include "audio/Audio.h"
#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "engine/ProcessState.h"
#include "engine/WindowSystem.h"
#include "gameflow/HUD.h"
#include "graphics/Graphics.h"
#include "platform/Log.h"
#include "platform/Window.h"
#include "ui/Menu.h"
#include "ui/MenuSteps.h"
#include "ui/PlayerSettings.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
constexpr int kMaxSoundLevel = 10;
// The window size's objects: left arrow, four width digits, the "x", four height digits, right arrow.
const std::vector<std::string> kResolutionKeys = {"ResLeftArrow", "ResL1", "ResL2", "ResL3", "ResL4",        "ResX",
                                                  "ResR1",        "ResR2", "ResR3", "ResR4", "ResRightArrow"};
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

void SpellFourDigits(size_t first, unsigned value)
{
    unsigned divisor = 1000;
    for (size_t i = 0; i < 4; ++i)
    {
        SetDigit(FindMenuObject(kResolutionKeys[first + i]), static_cast<int>((value / divisor) % 10));
        divisor /= 10;
    }
}

void ToggleFullscreen()
{
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->ToggleFullscreen();
        SaveCurrentSettings();
    }
}

// Left or right moved the index through count entries, wrapping at both ends.
bool StepWrapping(int& index, int count)
{
    int direction = HorizontalStep();
    if (direction == 0)
    {
        return false;
    }
    index = (index + direction + count) % count;
    return true;
}
} // namespace

OptionsPage::OptionsPage(const OptionsKeys& keys, ChoiceSound sound, Resolutions resolutions)
    : ItemPage({}, PageExit::Back), m_HasResolution(!keys.Resolution.empty()), m_HasVolume(!keys.Volume.empty()),
      m_Resolutions(std::move(resolutions))
{
    const std::vector<MenuItem> entries = {
        {keys.Resolution, [this](Menu&) { ApplyResolution(); }, sound, [this] { StepResolution(); }},
        {keys.Volume, nullptr, sound, [this] { StepVolume(); }},
        {keys.Fullscreen, [](Menu&) { ToggleFullscreen(); }, sound, nullptr},
        {keys.Sound, [this](Menu&) { ToggleSound(); }, sound, nullptr},
        {keys.Return, [](Menu& menu) { menu.Back(); }, sound, nullptr},
    };
    for (const MenuItem& entry : entries)
    {
        if (!entry.Key.empty())
        {
            m_Items.push_back(entry);
        }
    }
}

OptionsPage::Resolutions OptionsPage::ReadResolutions(const std::string& path)
{
    Resolutions sizes;
    TextSerializer reader(path);
    reader.EnterBlock("m_Resolutions");
    // A list that does not even open is empty (the options page then shows no size).
    bool open = reader.IsGood() && reader.TokenHas('[');
    while (open)
    {
        unsigned width = 0;
        unsigned height = 0;
        reader.ReadUnsignedPair("", width, height);
        if (width == 0 || height == 0)
        {
            break;
        }
        sizes.emplace_back(width, height);
        open = reader.ReadToken() && reader.TokenHas(',');
    }
    if (sizes.empty())
    {
        Log("menu: no window sizes in " + path + "; the options page offers none");
    }
    return sizes;
}

void OptionsPage::Enter(Menu& menu)
{
    ItemPage::Enter(menu);
    ShowValues();
}

void OptionsPage::Prepare()
{
    ShowValues();
    m_ResolutionIndex = 0;
}

void OptionsPage::ShowValues()
{
    if (m_HasResolution)
    {
        ShowMenuAnimation(FindMenuObject(kResolutionKeys[kTimes]), "Char_X");
        ShowMenuAnimation(FindMenuObject(kResolutionKeys[kLeftArrow]), "Char_Arrow");
        ShowMenuAnimation(FindMenuObject(kResolutionKeys[kRightArrow]), "Char_Arrow");
        ShowResolution();
    }
    if (m_HasVolume && CORE != nullptr && CORE->m_Audio != nullptr)
    {
        m_SoundLevel = SoundLevelOf(CORE->m_Audio->MasterVolume);
    }
    if (m_HasVolume)
    {
        ShowSoundBars();
    }
}

void OptionsPage::ShowResolution()
{
    if (m_Resolutions.empty())
    {
        for (const std::string& key : kResolutionKeys)
        {
            ShowMenuAnimation(FindMenuObject(key), "default");
        }
        return;
    }
    if (m_ResolutionIndex < 0 || m_ResolutionIndex >= static_cast<int>(m_Resolutions.size()))
    {
        m_ResolutionIndex = 0;
    }
    const auto& [width, height] = m_Resolutions[static_cast<size_t>(m_ResolutionIndex)];
    SpellFourDigits(kFirstWidthDigit, width);
    SpellFourDigits(kFirstHeightDigit, height);
}

void OptionsPage::ShowSoundBars()
{
    for (int i = 0; i < kMaxSoundLevel; ++i)
    {
        ShowMenuAnimation(FindMenuObject("SoundBar" + std::to_string(i + 1)),
                          i < m_SoundLevel ? "Char_Stick" : "Char_Stick_Transparent");
    }
}

void OptionsPage::ApplyResolution()
{
    Graphics* graphics = CORE != nullptr ? CORE->m_Graphics : nullptr;
    if (m_Resolutions.empty() || graphics == nullptr)
    {
        return;
    }
    const auto& [width, height] = m_Resolutions[static_cast<size_t>(m_ResolutionIndex)];
    if (CORE->m_Windows != nullptr && CORE->m_Windows->Window() != nullptr)
    {
        CORE->m_Windows->Window()->SetClientSize(static_cast<int>(width), static_cast<int>(height));
    }
    graphics->SetResolution(width, height);
    SaveCurrentSettings();
}

void OptionsPage::ToggleSound()
{
    if (CORE == nullptr || CORE->m_Audio == nullptr)
    {
        return;
    }
    CORE->m_Audio->ToggleMute();
    if (m_HasVolume)
    {
        // The bars follow the volume, so the next step starts from what the player hears.
        m_SoundLevel = SoundLevelOf(CORE->m_Audio->MasterVolume);
        ShowSoundBars();
    }
    SaveCurrentSettings();
}

void OptionsPage::StepResolution()
{
    if (!m_Resolutions.empty() && StepWrapping(m_ResolutionIndex, static_cast<int>(m_Resolutions.size())))
    {
        ShowResolution();
    }
}

void OptionsPage::StepVolume()
{
    if (CORE == nullptr || CORE->m_Audio == nullptr)
    {
        return;
    }
    int direction = HorizontalStep();
    if (direction == 0)
    {
        return;
    }
    m_SoundLevel = std::clamp(m_SoundLevel + direction, 0, kMaxSoundLevel);
    CORE->m_Audio->SetMasterVolume(static_cast<float>(m_SoundLevel) / static_cast<float>(kMaxSoundLevel));
    ShowSoundBars();
    CORE->m_Audio->PlaySound("SFX_Menu_Select");
    SaveCurrentSettings();
}

} // namespace Framework
