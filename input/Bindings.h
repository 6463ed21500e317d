#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Framework
{

// The game actions a player can put on other keys and buttons; menu navigation is not among them.
enum class Action : int32_t
{
    Left = 0,
    Right = 1,
    Jump = 2,
    Roll = 3,
    Pause = 4,
};

// How many actions there are, for lists that hold one entry per action in the order above.
constexpr size_t kActionCount = 5;

// The keys (virtual-key codes, as record files store them) and controller button masks of one action,
// in the order they are asked: the first that went down answers.
struct ActionBinding
{
    std::vector<int32_t> Keys;
    std::vector<int32_t> Buttons;

    bool operator==(const ActionBinding& other) const = default;
};

// Which keys and buttons drive which action. A key or button belongs to at most one action.
class Bindings
{
public:
    // The keys and buttons the game has always used.
    static Bindings Defaults();
    // The lower-case name of an action ("left", "jump"), as the settings file and the state dump write it.
    static const char* ActionName(Action action);
    // Every action, in order.
    static const std::array<Action, kActionCount>& AllActions();

    // The keys and buttons of an action.
    const ActionBinding& Of(Action action) const { return m_Actions[static_cast<size_t>(action)]; }
    // Replaces every key and button of an action (for reading a saved list).
    void Set(Action action, ActionBinding binding) { m_Actions[static_cast<size_t>(action)] = std::move(binding); }
    // Makes key the action's only key. The action that held it loses it, and if it is left with no key it
    // takes this action's first former key instead: the two have swapped.
    void BindKey(Action action, int32_t key);
    // The same for a controller button.
    void BindButton(Action action, int32_t button);

    bool operator==(const Bindings& other) const = default;

private:
    std::array<ActionBinding, kActionCount> m_Actions;
};

} // namespace Framework
