#include "ui/CreditsPage.h"

#include "data/GameObjectComposition.h"
#include "ui/Menu.h"
#include "ui/MenuSteps.h"
#include "ui/ScrollComponent.h"

namespace Framework
{

ScrollComponent* CreditsPage::Roll() const
{
    GameObjectComposition* roll = FindMenuObject(m_RollKey);
    return roll != nullptr ? roll->GetScrollComponent() : nullptr;
}

void CreditsPage::Enter(Menu& menu)
{
    (void)menu;
    if (ScrollComponent* scroll = Roll())
    {
        scroll->m_Scroll = !scroll->m_Scroll;
    }
}

void CreditsPage::Update(Menu& menu, float dt)
{
    ScrollComponent* scroll = Roll();
    if (IsBackPressed())
    {
        PlaySelectSound();
        menu.Back();
        if (scroll != nullptr)
        {
            scroll->ResetScroll();
            scroll->m_Scroll = !scroll->m_Scroll;
        }
    }
    if (scroll != nullptr)
    {
        scroll->AdvanceScroll(dt);
    }
}

} // namespace Framework
