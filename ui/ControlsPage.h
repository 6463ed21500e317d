#pragma once

#include "input/Bindings.h"
#include "ui/ItemPage.h"

#include <array>
#include <string>

namespace Framework
{

// The objects of the controls page: per action (left, right, jump, roll, pause) the item the cursor rests on
// and the text object that lists its keys and buttons, then the defaults and return items (an empty return
// key leaves that item out: back still returns).
struct ControlsKeys
{
    std::array<std::string, kActionCount> Items;
    std::array<std::string, kActionCount> Texts;
    std::string Defaults;
    std::string Return;
};

// Lists each game action with its keys and buttons. Choosing an action waits for the next key or button,
// which becomes its only one (Escape cancels); "Defaults" restores every binding. Back and the return item
// go to the page this one was opened from. Every change is saved as the player's settings.
class ControlsPage : public ItemPage
{
public:
    // The objects, the page back returns to, and the sound choosing plays.
    ControlsPage(ControlsKeys keys, int returnPage, ChoiceSound sound);

    // Selects the first action and shows the bindings (only then: their letters are objects of their own).
    void Enter(Menu& menu) override;
    // While waiting, only the awaited key or button counts; otherwise as a page of items, with back.
    void Update(Menu& menu, float dt) override;
    // Stops waiting and blanks the texts, whose letters are objects of their own.
    void Exit() override;
    // The items and the text objects.
    std::vector<std::string> Objects() const override;

    // What the page shows for an action: its key names, then " / " and its button names.
    static std::string BindingText(const ActionBinding& binding);

private:
    void StartWaiting(Action action);
    void FinishWaiting();
    void ShowBindings();
    static void Store(const Bindings& bindings);

    ControlsKeys m_Keys;
    int m_ReturnPage;
    bool m_Waiting = false;
    Action m_Awaited = Action::Left;
};

} // namespace Framework
