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
#include "ui/MenuFlow.h"
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

// Spells value in the four digit objects from first without leading zeros: against the right end when
// alignRight (the width, next to the "x"), else from the left; the unused objects are blank.
void SpellDigits(size_t first, unsigned value, bool alignRight)
{
    std::string digits = std::to_string(value % 10000);
    size_t start = alignRight ? 4 - digits.size() : 0;
    for (size_t i = 0; i < 4; ++i)
    {
        GameObjectComposition* object = FindMenuObject(kResolutionKeys[first + i]);
        if (i >= start && i < start + digits.size())
        {
            SetDigit(object, digits[i - start] - '0');
        }
        else
        {
            ShowMenuAnimation(object, "default");
        }
    }
}

void ShowSwitch(const std::string& key, bool on)
{
    if (!key.empty())
    {
        ShowMenuAnimation(FindMenuObject(key), on ? "on" : "off");
    }
}

std::pair<unsigned, unsigned> AppliedSize()
{
    if (CORE == nullptr || CORE->m_Graphics == nullptr)
    {
        return {1280, 720};
    }
    return {CORE->m_Graphics->m_ResolutionWidth, CORE->m_Graphics->m_ResolutionHeight};
}

std::pair<unsigned, unsigned> DisplaySize()
{
    int width = 0;
    int height = 0;
    if (CORE != nullptr && CORE->m_Windows != nullptr && CORE->m_Windows->Window() != nullptr)
    {
        CORE->m_Windows->Window()->DisplaySize(width, height);
    }
    return {static_cast<unsigned>(std::max(width, 0)), static_cast<unsigned>(std::max(height, 0))};
}

bool IsFullscreen()
{
    return CORE != nullptr && CORE->m_Graphics != nullptr && CORE->m_Graphics->m_Fullscreen;
}

bool IsSoundOn()
{
    return CORE == nullptr || CORE->m_Audio == nullptr || CORE->m_Audio->MasterVolume > 0.0001f;
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
    : ItemPage({}, PageExit::Back), m_Keys(keys), m_HasResolution(!keys.Resolution.empty()),
      m_HasVolume(!keys.Volume.empty()), m_AllResolutions(std::move(resolutions)), m_Resolutions(m_AllResolutions)
{
    const std::vector<MenuItem> entries = {
        {keys.Resolution, [this](Menu&) { ApplyResolution(); }, sound, [this] { StepResolution(); }},
        {keys.Volume, nullptr, sound, [this] { StepVolume(); }},
        {keys.Fullscreen,
         [this](Menu&)
         {
             ToggleFullscreenAndSave();
             ShowSwitches();
         },
         sound, nullptr},
        {keys.Sound, [this](Menu&) { ToggleSound(); }, sound, nullptr},
        {keys.Controls, OpenPage(keys.ControlsPage), sound, nullptr},
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

OptionsPage::Resolutions OptionsPage::FittingResolutions(const Resolutions& all, std::pair<unsigned, unsigned> display,
                                                         std::pair<unsigned, unsigned> current)
{
    const bool known = display.first != 0 && display.second != 0;
    Resolutions offered;
    for (const auto& size : all)
    {
        if (size == current || !known || (size.first <= display.first && size.second <= display.second))
        {
            offered.push_back(size);
        }
    }
    if (std::find(offered.begin(), offered.end(), current) == offered.end())
    {
        offered.push_back(current);
    }
    return offered;
}

void OptionsPage::Enter(Menu& menu)
{
    ItemPage::Enter(menu);
    ChooseOffered();
    ShowValues();
}

void OptionsPage::Prepare()
{
    ChooseOffered();
    ShowValues();
}

void OptionsPage::Update(Menu& menu, float dt)
{
    if (m_ShownFullscreen != IsFullscreen())
    {
        ShowSwitches();
    }
    ItemPage::Update(menu, dt);
}

void OptionsPage::ChooseOffered()
{
    if (!m_HasResolution || m_AllResolutions.empty())
    {
        return;
    }
    const std::pair<unsigned, unsigned> applied = AppliedSize();
    m_Resolutions = FittingResolutions(m_AllResolutions, DisplaySize(), applied);
    auto found = std::find(m_Resolutions.begin(), m_Resolutions.end(), applied);
    m_ResolutionIndex = static_cast<int>(found - m_Resolutions.begin());
}

void OptionsPage::ShowSwitches()
{
    m_ShownFullscreen = IsFullscreen();
    ShowSwitch(m_Keys.FullscreenState, m_ShownFullscreen);
    ShowSwitch(m_Keys.SoundState, IsSoundOn());
}

void OptionsPage::ShowValues()
{
    if (m_HasResolution)
    {
        ShowMenuAnimation(FindMenuObject(kResolutionKeys[kTimes]), "Char_X");
        ShowMenuAnimation(FindMenuObject(kResolutionKeys[kLeftArrow]), "Char_Arrow");
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
    ShowSwitches();
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
    SpellDigits(kFirstWidthDigit, width, true);
    SpellDigits(kFirstHeightDigit, height, false);
    // The right arrow follows the height's last digit.
    const size_t heightDigits = std::to_string(height % 10000).size();
    const size_t arrow = heightDigits < 4 ? kFirstHeightDigit + heightDigits : kRightArrow;
    ShowMenuAnimation(FindMenuObject(kResolutionKeys[kRightArrow]), "default");
    ShowMenuAnimation(FindMenuObject(kResolutionKeys[arrow]), "Char_Arrow");
    if (!m_Keys.ApplyNote.empty())
    {
        const bool pending = std::make_pair(width, height) != AppliedSize();
        ShowMenuAnimation(FindMenuObject(m_Keys.ApplyNote), pending ? "shown" : "default");
    }
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
    ShowResolution();
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
    ShowSwitches();
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
    ShowSwitches();
    CORE->m_Audio->PlaySound("SFX_Menu_Select");
    SaveCurrentSettings();
}

} // namespace Framework
