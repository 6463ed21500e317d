#pragma once

#include "engine/ProcessState.h"
#include "ui/IScreen.h"

#include <vector>

namespace Framework
{

class GameObjectComposition;
class ScrollComponent;

// The scrolling component of the credits object with this key, or null.
ScrollComponent* FindCredits(const char* key);

// Beegin, How to play, Options, Credits and Exit.
class MainScreen : public ItemScreen
{
public:
    explicit MainScreen(Level_Menu& menu) : ItemScreen(menu) {}
    void Enter() override;
    void Update(float dt) override;
};

// The controls card; back returns to the main page.
class HowToPlayScreen : public IScreen
{
public:
    explicit HowToPlayScreen(Level_Menu& menu) : m_Menu(menu) {}
    void Update(float dt) override;

private:
    Level_Menu& m_Menu;
};

// The scrolling credits; back returns to the main page and stops the scroll at the top.
class CreditsScreen : public IScreen
{
public:
    explicit CreditsScreen(Level_Menu& menu) : m_Menu(menu) {}
    void Update(float dt) override;

private:
    Level_Menu& m_Menu;
};

// "Quit the game?": Yes ends the program, No and back return to the main page.
class ConfirmationScreen : public ItemScreen
{
public:
    explicit ConfirmationScreen(Level_Menu& menu) : ItemScreen(menu) {}
    void Enter() override;
    void Update(float dt) override;
};

// Window size, volume, full screen and sound on or off.
class OptionsScreen : public ItemScreen
{
public:
    // Item indices of m_Items.
    enum Item : int
    {
        Resolution = 0,
        Sound = 1,
        ToggleFullscreen = 2,
        ToggleSound = 3,
        ReturnToMain = 4,
    };

    explicit OptionsScreen(Level_Menu& menu) : ItemScreen(menu) {}
    void Enter() override;
    void Update(float dt) override;
    // Spells the selected window size with the digit objects, leading zeros shown; with no sizes to
    // offer every digit and arrow is blank.
    void ShowResolution();
    // Lights the first m_SoundLevel bars.
    void ShowSoundBars();

    // The volume the page shows, 0 to 10, read from the master volume whenever the page is entered.
    int m_SoundLevel = -1;
    std::vector<GameObjectComposition*> m_SoundBars;
    std::vector<GameObjectComposition*> m_ResolutionDigits;

private:
    void Select();
    void StepResolution();
    void StepVolume();
};

} // namespace Framework
