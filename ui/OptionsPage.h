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
    std::string Controls;
    std::string Return;
    // The page the controls entry opens.
    int ControlsPage = 0;
    // Objects showing "on" or "off" beside the full screen and sound entries, and the note that the size shown
    // is not yet the one applied; empty keys are skipped.
    std::string FullscreenState;
    std::string SoundState;
    std::string ApplyNote;
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
    // The sizes that fit a display (all of them when its size is unknown, 0 x 0), and the current size
    // wherever it falls, in the list's order.
    static Resolutions FittingResolutions(const Resolutions& all, std::pair<unsigned, unsigned> display,
                                          std::pair<unsigned, unsigned> current);

    // Selects the first entry and shows the values.
    void Enter(Menu& menu) override;
    // Shows the values, starting the size choice from the size applied.
    void Prepare() override;
    // Keeps the on/off marks true when something else (a key) toggles full screen.
    void Update(Menu& menu, float dt) override;

private:
    void ShowValues();
    // Spells the chosen window size with the digit objects (the width against the "x" on its right, the height
    // from its left, no padding), and notes when it is not the size applied; with no sizes to offer every
    // digit and arrow is blank.
    void ShowResolution();
    // Shows full screen and sound as on or off.
    void ShowSwitches();
    // Picks the sizes to offer and the one shown: the size applied.
    void ChooseOffered();
    // Lights the first m_SoundLevel bars.
    void ShowSoundBars();
    void ApplyResolution();
    void ToggleSound();
    void StepResolution();
    void StepVolume();

    OptionsKeys m_Keys;
    bool m_HasResolution;
    bool m_HasVolume;
    // Every size of the game's list, and those the page offers on this display.
    Resolutions m_AllResolutions;
    Resolutions m_Resolutions;
    // The full-screen state the marks show.
    bool m_ShownFullscreen = false;
    int m_ResolutionIndex = 0;
    // The volume the page shows, 0 to 10; -1 until the page is first entered.
    int m_SoundLevel = -1;
};

} // namespace Framework
