#pragma once

#include "ui/ItemPage.h"

#include <vector>

namespace Framework
{

// The main menu's first page: today's items, and once the player's progress reaches beyond the first level,
// "Continue" (the furthest level reached) and "Levels" (the level list) above them, selected from the first.
class MainMenuPage : public ItemPage
{
public:
    // The page's usual items, and the page number of the level list that "Levels" opens.
    MainMenuPage(std::vector<MenuItem> items, int levelListPage);

    // Reads the progress: adds the two items and their labels, and moves every label closer to fit them.
    void Prepare() override;

private:
    std::vector<MenuItem> m_Usual;
    int m_LevelListPage;
};

} // namespace Framework
