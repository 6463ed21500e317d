#pragma once

#include "ui/MenuPage.h"

#include <string>
#include <utility>
#include <vector>

namespace Framework
{

class ScrollComponent;

// The scrolling credits: entering starts the roll, back returns to the first page and stops the roll at its top.
class CreditsPage : public MenuPage
{
public:
    // The roll is the object with this key and a ScrollComponent.
    explicit CreditsPage(std::string rollKey) : m_RollKey(std::move(rollKey)) {}

    // Starts the roll.
    void Enter(Menu& menu) override;
    // Back plays the select sound and leaves; the roll advances by at most one step a frame.
    void Update(Menu& menu, float dt) override;
    // The roll.
    std::vector<std::string> Objects() const override { return {m_RollKey}; }

private:
    ScrollComponent* Roll() const;

    std::string m_RollKey;
};

} // namespace Framework
