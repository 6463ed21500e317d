#pragma once

#include "gameflow/ILevel.h"
#include "ui/Menu.h"

#include <string>

namespace Framework
{

// The main menu ("Level_00_Menu"): its level file lays every page out side by side, and the menu shows one
// page at a time by pointing the camera at that page's backdrop.
class Level_Menu : public ILevel, public Menu
{
public:
    // The pages, numbered as the state dump shows them.
    enum Page : int
    {
        Main = 0,
        HowToPlay = 1,
        Options = 2,
        Credits = 3,
        Confirmation = 4,
        Levels = 5,
        Controls = 6,
    };

    // Creates the pages; the options page offers the window sizes of the game's own list.
    Level_Menu();
    // The same, with the window sizes read from this file.
    explicit Level_Menu(const std::string& resolutionsFile);
    ~Level_Menu() override;

    // Draws every page's state, starts the menu music and shows the main page.
    void Initialize() override;
    // Runs the current page.
    void Update(float dt) override;

private:
    // Every page starts on its first item; the camera and the frame "0_MainMenu" turn to the page's backdrop,
    // the object added with it.
    void Show(int page, bool shown) override;
};

} // namespace Framework
