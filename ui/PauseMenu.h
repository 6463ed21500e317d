#pragma once

#include "ui/Menu.h"

namespace Framework
{

// The pause menu of a playable level: the pause key freezes the game and shows the pictures (the heads-up
// display's objects with a PauseComponent) of the first page over it; while paused, the current page runs.
class PauseMenu : public Menu
{
public:
    // The pages, numbered as the state dump shows them; Closed means no menu.
    enum Page : int
    {
        Main = 0,
        Options = 1,
        Credits = 2,
        HowToPlay = 3,
        ConfirmReturn = 4,
        ConfirmQuit = 5,
        ConfirmRestart = 6,
        Closed = 7,
        Controls = 8,
    };

    // Creates the pages, closed.
    PauseMenu();

    // The level's frame: opens the menu on the pause key or when the window loses the focus, or runs the
    // current page while paused.
    void Update(float dt);
    // Closed on the first item, at every level start and unload: no page runs on another level's objects.
    void Reset()
    {
        m_Page = Closed;
        m_Selected = 0;
    }
    // Hides the pictures and lets the game go on. The menu keeps its page (and runs it should something
    // else pause the game) until it is reset.
    void Close() override;

private:
    void Show(int page, bool shown) override;
    // Resets the menu (after closing it as Close does, when resume says so), then goes on to next.
    void LeaveTo(void (*next)(), bool resume);
};

} // namespace Framework
