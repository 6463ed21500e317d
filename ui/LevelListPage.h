#pragma once

#include "ui/ItemPage.h"

#include <string>

namespace Framework
{

// The list of levels the player has reached, in play order, each with its best time and pollen record;
// choosing one starts it as a time trial against its best run. Back returns to the first page.
class LevelListPage : public ItemPage
{
public:
    // The page's backdrop object is made with this key (the menu shows the page by it).
    explicit LevelListPage(std::string backdropKey);

    // Reads the progress and lays the page out beside the others: backdrop, title and one row per level.
    void Prepare() override;

private:
    std::string m_BackdropKey;
};

} // namespace Framework
