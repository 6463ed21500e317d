#include "input/Bindings.h"

#include <algorithm>

namespace Framework
{

namespace
{
// Moves code to the action at index as its only code; the list member says whether keys or buttons.
void Rebind(std::array<ActionBinding, kActionCount>& actions, size_t index, int32_t code,
            std::vector<int32_t> ActionBinding::*list)
{
    std::vector<int32_t> former = actions[index].*list;
    for (size_t other = 0; other < actions.size(); ++other)
    {
        std::vector<int32_t>& codes = actions[other].*list;
        if (other == index || std::find(codes.begin(), codes.end(), code) == codes.end())
        {
            continue;
        }
        std::erase(codes, code);
        // Never leave an action that had a key with none: it gets the one the rebinding action gave up.
        auto given = std::find_if(former.begin(), former.end(), [code](int32_t c) { return c != code; });
        if (codes.empty() && given != former.end())
        {
            codes.push_back(*given);
        }
    }
    actions[index].*list = {code};
}
} // namespace

Bindings Bindings::Defaults()
{
    constexpr int32_t kLeftArrow = 0x25, kUpArrow = 0x26, kRightArrow = 0x27;
    constexpr int32_t kSpace = 0x20, kControl = 0x11, kEscape = 0x1B;
    constexpr int32_t kPadLeft = 0x0004, kPadRight = 0x0008, kPadStart = 0x0010, kPadA = 0x1000, kPadX = 0x4000;
    Bindings bindings;
    bindings.Set(Action::Left, {{kLeftArrow, 'A'}, {kPadLeft}});
    bindings.Set(Action::Right, {{kRightArrow, 'D'}, {kPadRight}});
    bindings.Set(Action::Jump, {{kSpace, 'W', kUpArrow}, {kPadA}});
    bindings.Set(Action::Roll, {{'M', 'S', kControl}, {kPadX}});
    bindings.Set(Action::Pause, {{kEscape}, {kPadStart}});
    return bindings;
}

const char* Bindings::ActionName(Action action)
{
    switch (action)
    {
    case Action::Left:
        return "left";
    case Action::Right:
        return "right";
    case Action::Jump:
        return "jump";
    case Action::Roll:
        return "roll";
    case Action::Pause:
        return "pause";
    }
    return "";
}

const std::array<Action, kActionCount>& Bindings::AllActions()
{
    static const std::array<Action, kActionCount> all = {Action::Left, Action::Right, Action::Jump, Action::Roll,
                                                         Action::Pause};
    return all;
}

void Bindings::BindKey(Action action, int32_t key)
{
    Rebind(m_Actions, static_cast<size_t>(action), key, &ActionBinding::Keys);
}

void Bindings::BindButton(Action action, int32_t button)
{
    Rebind(m_Actions, static_cast<size_t>(action), button, &ActionBinding::Buttons);
}

} // namespace Framework
