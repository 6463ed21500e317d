#pragma once

#include <string>
#include <vector>

namespace Framework
{

class GameObjectComposition;

// The pause menu of a playable level: Escape or Start freezes the game (the Core's pause flag) and shows
// the menu's pictures, objects of the heads-up display file that carry a PauseComponent. While the game is
// paused the current page reacts to the player. Its pages are the main list, options, credits, how to
// play and three confirmations; page Closed means no menu.
class PauseMenu
{
public:
    enum Page : int
    {
        MainPage = 0,
        OptionsPage = 1,
        CreditsPage = 2,
        HowToPlayPage = 3,
        ConfirmReturnPage = 4,
        ConfirmQuitPage = 5,
        ConfirmRestartPage = 6,
        Closed = 7,
    };

    // The level's frame: opens the menu on the pause key, or runs the current page while paused.
    void Update(float dt);
    // Closed, first item, no items: at every level start and when the level's objects go away, so no
    // page ever runs on another level's objects.
    void Reset();

    // The items of the current page (re-found by key every frame; a missing one is null).
    std::vector<GameObjectComposition*> m_MenuItems;
    int m_MenuPage = Closed;
    int m_MenuSelected = 0;

private:
    void Open();
    void RunPage(float dt);
    void MainPageFrame();
    void OptionsPageFrame();
    void CreditsPageFrame(float dt);
    void HowToPlayPageFrame();
    void ConfirmationPageFrame();

    void ShowPauseMenu();
    void HidePauseMenu();
    void CollectPauseItems();
    // Makes these the page's items, selects the first and puts the cursor on it.
    void CollectItems(const std::vector<std::string>& keys);
    // Hides the objects of the current sub-page and shows the main page again.
    void BackToMainPage(const std::vector<std::string>& subPageKeys);
    // Up or down moves the selection and the cursor onto its item; true when it moved.
    bool StepCursor();
    // A sub-page's common keys: up or down moves the cursor, back returns to the main page.
    void StepCursorOrGoBack(const std::vector<std::string>& subPageKeys);
    void Resume();

    std::vector<std::string> m_ItemKeys;
};

} // namespace Framework
