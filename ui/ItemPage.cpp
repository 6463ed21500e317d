#include "ui/ItemPage.h"

#include "ui/Menu.h"
#include "ui/MenuSteps.h"

namespace Framework
{

std::function<void(Menu&)> OpenPage(int page)
{
    return [page](Menu& menu) { menu.Open(page); };
}

void ItemPage::Enter(Menu& menu)
{
    menu.SelectFirst(m_Items);
}

void ItemPage::Update(Menu& menu, float dt)
{
    (void)dt;
    const int selected = menu.SelectedItem();
    const MenuItem* item = selected >= 0 && selected < static_cast<int>(m_Items.size())
                               ? &m_Items[static_cast<size_t>(selected)]
                               : nullptr;
    if (IsSelectPressed())
    {
        if (item != nullptr && item->Sound == ChoiceSound::Select)
        {
            PlaySelectSound();
        }
        if (item != nullptr && item->Choose)
        {
            item->Choose(menu);
        }
        return;
    }
    if (!menu.MoveSelection(m_Items) && !Leave(menu) && item != nullptr && item->Adjust)
    {
        item->Adjust();
    }
}

bool ItemPage::Leave(Menu& menu) const
{
    if (m_Exit == PageExit::None)
    {
        return false;
    }
    if (m_Exit == PageExit::Close)
    {
        if (!IsMenuClosePressed())
        {
            return false;
        }
        menu.Close();
        return true;
    }
    if (!IsBackPressed())
    {
        return false;
    }
    PlaySelectSound();
    menu.Back();
    return true;
}

std::vector<std::string> ItemPage::Objects() const
{
    std::vector<std::string> keys;
    for (const MenuItem& item : m_Items)
    {
        keys.push_back(item.Key);
    }
    return keys;
}

} // namespace Framework
