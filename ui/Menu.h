#pragma once

#include "ui/MenuPage.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Framework
{

struct MenuItem;

// A menu (the main menu or the pause menu): its pages, numbered in the order they are added, each with the
// objects that show it, and the bee cursor with the selected item, which all its pages share. Pages call it
// to open other pages, go back and move the cursor.
class Menu
{
public:
    // Each menu adds its first page, the one back returns to, first.
    static constexpr int kFirstPage = 0;

    // The cursor is the object with this key.
    explicit Menu(std::string cursorKey) : m_CursorKey(std::move(cursorKey)) {}
    virtual ~Menu() = default;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Hides the current page, makes this one current, shows it and enters it.
    void Open(int page);
    // The pause key on the first page: the pause menu lets the game go on; the main menu cannot be closed.
    virtual void Close() {}
    // Returns to the first page, as back and "No" do.
    void Back() { Open(kFirstPage); }

    // The current page's number.
    int CurrentPage() const { return m_Page; }
    // The selected item of the current page's items (a page without items leaves it as it was).
    int SelectedItem() const { return m_Selected; }
    // Selects the first item and puts the cursor on its object, silently.
    void SelectFirst(const std::vector<MenuItem>& items);
    // Up or down moved the selection through the items, wrapping at both ends; the cursor follows with the
    // rollover sound. True when it moved.
    bool MoveSelection(const std::vector<MenuItem>& items);

protected:
    // Shows or hides a page: the main menu turns the camera to it, the pause menu shows or hides its pictures.
    virtual void Show(int page, bool shown) = 0;
    // Runs the current page's frame; a page number outside the list means none is current.
    void RunPage(float dt);
    // Hides the current page, if any.
    void HideCurrent();
    // Adds the next page and the keys of the objects that show it with its own.
    void AddPage(std::unique_ptr<MenuPage> page, std::vector<std::string> shownBy);
    // The number of pages added.
    int PageCount() const { return static_cast<int>(m_Pages.size()); }
    // The page with this number, which must have been added.
    MenuPage& PageAt(int page) const { return *m_Pages[static_cast<size_t>(page)].Page; }
    // The page's own objects and those added with it.
    std::vector<std::string> ObjectsOf(int page) const;

    int m_Page = kFirstPage;
    int m_Selected = 0;

private:
    struct Entry
    {
        std::unique_ptr<MenuPage> Page;
        std::vector<std::string> ShownBy;
    };

    std::vector<Entry> m_Pages;
    std::string m_CursorKey;
};

} // namespace Framework
