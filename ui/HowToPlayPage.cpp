#include "ui/HowToPlayPage.h"

#include "ui/Menu.h"
#include "ui/MenuSteps.h"

namespace Framework
{

void HowToPlayPage::Update(Menu& menu, float dt)
{
    (void)dt;
    if (IsBackPressed())
    {
        PlaySelectSound();
        menu.Back();
    }
}

} // namespace Framework
