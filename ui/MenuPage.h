#pragma once

#include <string>
#include <vector>

namespace Framework
{

class Menu;

// One page of a menu, written once and shown by either menu: the menu that shows it passes itself to every
// call, so a page can move the cursor, open another page or go back without knowing which menu it is in.
class MenuPage
{
public:
    MenuPage() = default;
    virtual ~MenuPage() = default;
    MenuPage(const MenuPage&) = delete;
    MenuPage& operator=(const MenuPage&) = delete;

    // The page becomes current.
    virtual void Enter(Menu& menu) { (void)menu; }
    // The page stops being current (another opens, or the menu closes).
    virtual void Exit() {}
    // The page's frame while it is current: reacts to the player's input.
    virtual void Update(Menu& menu, float dt) = 0;
    // The main menu's level lays every page out at once: this draws the page's state onto its objects when
    // that level starts, before any page is entered.
    virtual void Prepare() {}
    // The objects the page shows (its items, its credits roll); the pause menu shows and hides them with it.
    virtual std::vector<std::string> Objects() const { return {}; }
};

} // namespace Framework
