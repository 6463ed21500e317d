#include "ui/ControlsPage.h"

#include "data/GameObjectComposition.h"
#include "engine/Core.h"
#include "graphics/FontComponent.h"
#include "input/Input.h"
#include "platform/KeyNames.h"
#include "ui/Menu.h"
#include "ui/MenuSteps.h"
#include "ui/PlayerSettings.h"

#include <cctype>
#include <map>

namespace Framework
{

namespace
{
constexpr int32_t kEscapeKey = 0x1B;
const std::string kWaitingText = "PRESS A KEY";

Input* GameInput()
{
    return CORE != nullptr ? CORE->m_Input : nullptr;
}

std::string ButtonName(int32_t button)
{
    static const std::map<int32_t, std::string> names = {
        {PadUp, "PAD UP"},
        {PadDown, "PAD DOWN"},
        {PadLeft, "PAD LEFT"},
        {PadRight, "PAD RIGHT"},
        {PadStart, "START"},
        {PadBack, "BACK"},
        {PadLeftThumb, "LS"},
        {PadRightThumb, "RS"},
        {PadLeftShoulder, "LB"},
        {PadRightShoulder, "RB"},
        {PadA, "A"},
        {PadB, "B"},
        {PadX, "X"},
        {PadY, "Y"},
    };
    auto found = names.find(button);
    return found != names.end() ? found->second : "?";
}

void ShowText(const std::string& key, const std::string& text)
{
    GameObjectComposition* object = FindMenuObject(key);
    if (FontComponent* font = object != nullptr ? object->GetFontComponent() : nullptr)
    {
        font->SetText(text);
    }
}
} // namespace

ControlsPage::ControlsPage(ControlsKeys keys, int returnPage, ChoiceSound sound)
    : ItemPage({}, PageExit::None), m_Keys(std::move(keys)), m_ReturnPage(returnPage)
{
    for (Action action : Bindings::AllActions())
    {
        m_Items.push_back(
            {m_Keys.Items[static_cast<size_t>(action)], [this, action](Menu&) { StartWaiting(action); }, sound});
    }
    m_Items.push_back({m_Keys.Defaults,
                       [this](Menu&)
                       {
                           Store(Bindings::Defaults());
                           ShowBindings();
                       },
                       sound});
    if (!m_Keys.Return.empty())
    {
        m_Items.push_back({m_Keys.Return, [this](Menu& menu) { menu.Open(m_ReturnPage); }, sound});
    }
}

std::string ControlsPage::BindingText(const ActionBinding& binding)
{
    std::string text;
    Input* input = GameInput();
    for (int32_t key : binding.Keys)
    {
        text += (text.empty() ? "" : " ") + (input != nullptr ? input->KeyName(key) : DefaultKeyName(key));
    }
    std::string buttons;
    for (int32_t button : binding.Buttons)
    {
        buttons += (buttons.empty() ? "" : " ") + ButtonName(button);
    }
    if (!buttons.empty())
    {
        text += (text.empty() ? "" : " / ") + buttons;
    }
    for (char& c : text)
    {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

void ControlsPage::Enter(Menu& menu)
{
    ItemPage::Enter(menu);
    m_Waiting = false;
    ShowBindings();
}

void ControlsPage::Exit()
{
    FinishWaiting();
    for (const std::string& key : m_Keys.Texts)
    {
        ShowText(key, "");
    }
}

void ControlsPage::Update(Menu& menu, float dt)
{
    Input* input = GameInput();
    if (m_Waiting && input != nullptr)
    {
        Bindings bindings = input->GetBindings();
        if (std::optional<int32_t> key = input->CapturedKey())
        {
            // Escape cancels, so it can never be taken away from the menus by accident.
            if (*key != kEscapeKey)
            {
                bindings.BindKey(m_Awaited, *key);
            }
        }
        else if (std::optional<int32_t> button = input->CapturedButton())
        {
            bindings.BindButton(m_Awaited, *button);
        }
        else
        {
            return;
        }
        FinishWaiting();
        Store(bindings);
        ShowBindings();
        PlaySelectSound();
        return;
    }
    if (IsBackPressed())
    {
        PlaySelectSound();
        menu.Open(m_ReturnPage);
        return;
    }
    ItemPage::Update(menu, dt);
}

std::vector<std::string> ControlsPage::Objects() const
{
    std::vector<std::string> keys = ItemPage::Objects();
    keys.insert(keys.end(), m_Keys.Texts.begin(), m_Keys.Texts.end());
    return keys;
}

void ControlsPage::StartWaiting(Action action)
{
    Input* input = GameInput();
    if (input == nullptr)
    {
        return;
    }
    m_Waiting = true;
    m_Awaited = action;
    input->ArmCapture();
    ShowText(m_Keys.Texts[static_cast<size_t>(action)], kWaitingText);
}

void ControlsPage::FinishWaiting()
{
    if (m_Waiting && GameInput() != nullptr)
    {
        GameInput()->DisarmCapture();
    }
    m_Waiting = false;
}

void ControlsPage::ShowBindings()
{
    Input* input = GameInput();
    const Bindings bindings = input != nullptr ? input->GetBindings() : Bindings::Defaults();
    for (Action action : Bindings::AllActions())
    {
        ShowText(m_Keys.Texts[static_cast<size_t>(action)], BindingText(bindings.Of(action)));
    }
}

void ControlsPage::Store(const Bindings& bindings)
{
    if (Input* input = GameInput())
    {
        input->SetBindings(bindings);
    }
    SaveCurrentSettings();
}

} // namespace Framework
