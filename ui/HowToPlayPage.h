#pragma once

#include "ui/MenuPage.h"

namespace Framework
{

// The controls card; back returns to the first page.
class HowToPlayPage : public MenuPage
{
public:
    // Back plays the select sound and returns to the first page.
    void Update(Menu& menu, float dt) override;
};

} // namespace Framework
