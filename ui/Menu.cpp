#include "ui/Menu.h"

#include "ui/ItemPage.h"
#include "ui/MenuSteps.h"

namespace Framework
{

void Menu::Open(int page)
{
    HideCurrent();
    m_Page = page;
    Show(page, true);
    PageAt(page).Enter(*this);
}

void Menu::HideCurrent()
{
    if (m_Page >= 0 && m_Page < PageCount())
    {
        PageAt(m_Page).Exit();
        Show(m_Page, false);
    }
}

void Menu::RunPage(float dt)
{
    if (m_Page >= 0 && m_Page < PageCount())
    {
        PageAt(m_Page).Update(*this, dt);
    }
}

void Menu::AddPage(std::unique_ptr<MenuPage> page, std::vector<std::string> shownBy)
{
    m_Pages.push_back({std::move(page), std::move(shownBy)});
}

std::vector<std::string> Menu::ObjectsOf(int page) const
{
    const Entry& entry = m_Pages[static_cast<size_t>(page)];
    std::vector<std::string> keys = entry.Page->Objects();
    keys.insert(keys.end(), entry.ShownBy.begin(), entry.ShownBy.end());
    return keys;
}

void Menu::SelectFirst(const std::vector<MenuItem>& items)
{
    m_Selected = 0;
    PlaceCursor(m_CursorKey, items.empty() ? nullptr : FindMenuObject(items.front().Key));
}

bool Menu::MoveSelection(const std::vector<MenuItem>& items)
{
    if (!StepSelection(m_Selected, static_cast<int>(items.size())))
    {
        return false;
    }
    MoveSelector(m_CursorKey, FindMenuObject(items[static_cast<size_t>(m_Selected)].Key));
    return true;
}

} // namespace Framework
