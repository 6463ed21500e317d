#pragma once

#include "ui/ItemPage.h"

#include <string>
#include <utility>
#include <vector>

namespace Framework
{

// The objects that label the options page's entries; an empty key leaves that entry out.
struct OptionsKeys
{
    std::string Resolution;
    std::string Volume;
    std::string Fullscreen;
    std::string Sound;
    std::string Return;
};

// Window size (left and right pick one, select applies it), volume (left and right), full screen and sound
// on or off, and a way back to the first page. Every change is saved as the player's settings. The window
// size and volume entries show their values with digit and bar objects of the main menu's level.
class OptionsPage : public ItemPage
{
public:
    using Resolutions = std::vector<std::pair<unsigned, unsigned>>;

    // The entries in the order of OptionsKeys, choosing with this sound; the window sizes to offer.
    OptionsPage(const OptionsKeys& keys, ChoiceSound sound, Resolutions resolutions = {});

    // Reads "m_Resolutions" from a file; an empty or missing file gives none (and a log line).
    static Resolutions ReadResolutions(const std::string& path);

    // Selects the first entry and shows the values.
    void Enter(Menu& menu) override;
    // Shows the values, then starts the size choice over from the first size.
    void Prepare() override;

private:
    void ShowValues();
    // Spells the chosen window size with the digit objects, leading zeros shown; with no sizes to offer
    // every digit and arrow is blank.
    void ShowResolution();
    // Lights the first m_SoundLevel bars.
    void ShowSoundBars();
    void ApplyResolution();
    void ToggleSound();
    void StepResolution();
    void StepVolume();

    bool m_HasResolution;
    bool m_HasVolume;
    Resolutions m_Resolutions;
    int m_ResolutionIndex = 0;
    // The volume the page shows, 0 to 10; -1 until the page is first entered.
    int m_SoundLevel = -1;
};

} // namespace Framework
