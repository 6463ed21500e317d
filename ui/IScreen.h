#pragma once

#include <string>
#include <vector>

namespace Framework
{

class GameObjectComposition;
class Level_Menu;

// One page of the main menu. Only the current page is updated.
class IScreen
{
public:
    IScreen() = default;
    virtual ~IScreen() = default;
    IScreen(const IScreen&) = delete;
    IScreen& operator=(const IScreen&) = delete;

    // Called when the page becomes current (and at every visit of the menu level).
    virtual void Enter() {}
    // The page's frame: reacts to the player's input.
    virtual void Update(float dt) = 0;
    // The selected item, 0 on pages without items.
    virtual int SelectedItem() const { return 0; }
};

// A page with items the bee cursor "Z_Bees" moves between.
class ItemScreen : public IScreen
{
public:
    int SelectedItem() const override { return m_Selected; }

    // Missing objects are kept as null entries.
    std::vector<GameObjectComposition*> m_Items;
    int m_Selected = 0;

protected:
    explicit ItemScreen(Level_Menu& menu) : m_Menu(menu) {}
    // Looks up the items, selects the first and puts the cursor on it without a sound.
    void CollectItems(const std::vector<std::string>& keys);
    // Up or down moved the selection (wrapping); the cursor follows with the rollover sound.
    bool MoveSelection();
    // The selected item, or null.
    GameObjectComposition* SelectedObject() const;

    Level_Menu& m_Menu;
};

} // namespace Framework
