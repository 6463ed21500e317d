#pragma once

#include "ui/MenuPage.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Framework
{

// What choosing an item does before its action: most play the select sound; those that hand the player
// back to the game play nothing, as do the pause menu's options and its quit and return confirmations.
enum class ChoiceSound
{
    Select,
    Silent,
};

// One item of a page: the object the cursor rests on and what select (and left or right) does there.
struct MenuItem
{
    // Choose and adjust may be empty.
    MenuItem(std::string key, std::function<void(Menu&)> choose, ChoiceSound sound = ChoiceSound::Select,
             std::function<void()> adjust = {})
        : Key(std::move(key)), Choose(std::move(choose)), Sound(sound), Adjust(std::move(adjust))
    {
    }

    std::string Key;
    // Select (Enter, Space, the controller's A) on the item.
    std::function<void(Menu&)> Choose;
    ChoiceSound Sound;
    // Runs in every frame the item is selected and nothing else happened; it reads left and right itself
    // (a key is only watched from the first time the game asks for it).
    std::function<void()> Adjust;
};

// The action that opens this page of the menu that shows the item.
std::function<void(Menu&)> OpenPage(int page);

// How a page of items is left without choosing one.
enum class PageExit
{
    // Only through its items (the main menu's first page).
    None,
    // Escape, B or Start plays the select sound and returns to the first page.
    Back,
    // Escape, Start or the pause binding closes the menu (the first page).
    Close,
};

// A page of items the bee cursor moves between: up and down select (wrapping), select chooses, the exit
// key leaves, and the selected item may adjust itself.
class ItemPage : public MenuPage
{
public:
    // The items from top to bottom, and how the page is left without choosing one.
    ItemPage(std::vector<MenuItem> items, PageExit exit) : m_Items(std::move(items)), m_Exit(exit) {}

    // Selects the first item.
    void Enter(Menu& menu) override;
    // At most one of: choose, move, leave, adjust, in that order.
    void Update(Menu& menu, float dt) override;
    // The items' objects.
    std::vector<std::string> Objects() const override;

protected:
    std::vector<MenuItem> m_Items;

private:
    bool Leave(Menu& menu) const;

    PageExit m_Exit;
};

} // namespace Framework
