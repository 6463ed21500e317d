#pragma once

#include "ui/ItemPage.h"
#include "ui/Menu.h"

#include <string>
#include <utility>

namespace Framework
{

// "Are you sure?": the first item, Yes, does what was asked; No and back return to the first page with the
// select sound.
class ConfirmationPage : public ItemPage
{
public:
    // Yes is given whole (its object, action and sound); noKey is the object of No.
    ConfirmationPage(MenuItem yes, std::string noKey)
        : ItemPage({std::move(yes), {std::move(noKey), [](Menu& menu) { menu.Back(); }}}, PageExit::Back)
    {
    }
};

} // namespace Framework
