#pragma once

#include "gameflow/ILevel.h"
#include "ui/IScreen.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Framework
{

// The main menu ("Level_00_Menu"): its level file lays every page out side by side, and the menu shows
// one page at a time by pointing the camera at that page's backdrop.
class Level_Menu : public ILevel
{
public:
    // Page indices into m_Screens.
    enum Page : int
    {
        Main = 0,
        HowToPlay = 1,
        Options = 2,
        Credits = 3,
        Confirmation = 4,
    };

    // Creates the five pages and reads the window sizes the options page offers.
    Level_Menu();
    ~Level_Menu() override;

    // Enters every page, starts the menu music and shows the main page.
    void Initialize() override;
    // Runs the current page.
    void Update(float dt) override;

    // Makes page k current: enters it and points the camera and the frame "0_MainMenu" at the backdrop.
    void GoToScreen(int k, const std::string& backdrop);
    // Reads "m_Resolutions" from a file; an empty or missing file leaves the list empty.
    void ReadResolutions(const std::string& path);
    // The current page.
    IScreen* CurrentScreen() const;

    int m_CurrentScreen = 0;
    std::vector<std::unique_ptr<IScreen>> m_Screens;
    int m_ResolutionIndex = 0;
    std::vector<std::pair<unsigned, unsigned>> m_Resolutions;
};

} // namespace Framework
