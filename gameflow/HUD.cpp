#include "gameflow/HUD.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsComponent.h"

#include <algorithm>
#include <array>
#include <vector>

namespace Framework
{

namespace
{
GameObjectComposition* Find(const std::string& key)
{
    return CORE != nullptr && CORE->m_Factory != nullptr ? CORE->m_Factory->FindObject(key) : nullptr;
}

void ShowAnimation(GameObjectComposition* object, const std::string& name)
{
    if (GraphicsComponent* graphics = object != nullptr ? object->GetGraphics() : nullptr)
    {
        graphics->m_Animation.PlayAsDefault(name);
    }
}

std::string BarName(int n)
{
    return "HUD_Bar_" + std::to_string(n);
}

// The display objects and where they sit relative to the view centre, in layout order.
struct HudPlace
{
    const char* Name;
    float X;
    float Y;
    const char* Animation; // null for the total digits, which show the level's pollen count
};
constexpr std::array<HudPlace, 23> kLayout = {{
    {"HUD_Head_1", -600, 320, "default"},        {"HUD_Head_2", -530, 320, "default"},
    {"HUD_Head_3", -460, 320, "default"},        {"HUD_Pollen", 290, 310, "default"},
    {"HUD_LeftNumber_1", 350, 310, "Char_0"},    {"HUD_LeftNumber_2", 410, 310, "Char_0"},
    {"HUD_Slash", 470, 310, "Char_Slash"},       {"HUD_Bar_1", -600, -310, "default"},
    {"HUD_Bar_2", -575, -310, "default"},        {"HUD_Bar_3", -550, -310, "default"},
    {"HUD_Bar_4", -525, -310, "default"},        {"HUD_Bar_5", -500, -310, "default"},
    {"HUD_Bar_6", -475, -310, "default"},        {"HUD_Bar_7", -450, -310, "default"},
    {"HUD_RightNumber_1", 530, 310, nullptr},    {"HUD_RightNumber_2", 590, 310, nullptr},
    {"HUD_Clock", -120, 310, "default"},         {"HUD_Timer_Minutes", -60, 310, "Char_0"},
    {"HUD_Timer_Colon", -20, 310, "Char_Colon"}, {"HUD_Timer_Tens", 20, 310, "Char_0"},
    {"HUD_Timer_Seconds", 70, 310, "Char_0"},    {"HUD_Timer_Dot", 105, 310, "Char_Dot"},
    {"HUD_Timer_Tenths", 140, 310, "Char_0"},
}};

int CountPollen()
{
    int count = 0;
    if (CORE != nullptr && CORE->m_Factory != nullptr)
    {
        for (const GameObjectComposition* object : CORE->m_Factory->AllLiveObjects())
        {
            count += object->Name == "Pollen_1" ? 1 : 0;
        }
    }
    return count;
}
} // namespace

void ResetHUD(GameSession& session)
{
    session.StartLevel(CountPollen());
    RefreshHUD(session);
}

void RefreshHUD(GameSession& session)
{
    if (!HudLoaded)
    {
        return;
    }
    Vec2 centre = CAMERA.ScreenCentre();
    int shownTotal = std::clamp(session.Level().PollenTotal, 0, kLargestShownCount);
    for (const HudPlace& place : kLayout)
    {
        GameObjectComposition* object = Find(place.Name);
        if (object == nullptr)
        {
            continue;
        }
        if (Transform* t = object->GetTransform())
        {
            t->Position = {centre.x + place.X, centre.y + place.Y};
        }
        if (place.Animation != nullptr)
        {
            ShowAnimation(object, place.Animation);
        }
        else
        {
            bool tens = std::string(place.Name) == "HUD_RightNumber_1";
            SetDigit(object, tens ? shownTotal / 10 : shownTotal % 10);
        }
    }
    CollectBars(session);
}

void ShowTimer(int milliseconds)
{
    if (!HudLoaded)
    {
        return;
    }
    int tenths = std::clamp(milliseconds, 0, kLargestShownTime) / 100;
    SetDigit(Find("HUD_Timer_Minutes"), tenths / 600);
    SetDigit(Find("HUD_Timer_Tens"), tenths / 100 % 6);
    SetDigit(Find("HUD_Timer_Seconds"), tenths / 10 % 10);
    SetDigit(Find("HUD_Timer_Tenths"), tenths % 10);
}

std::string FormatTime(int milliseconds)
{
    int tenths = std::clamp(milliseconds, 0, kLargestShownTime) / 100;
    return std::to_string(tenths / 600) + ":" + std::to_string(tenths / 100 % 6) + std::to_string(tenths / 10 % 10) +
           "." + std::to_string(tenths % 10);
}

int LoseLife(GameSession& session)
{
    int& lives = session.Level().Lives;
    if (session.LoseLife())
    {
        const char* head = lives == 2 ? "HUD_Head_3" : lives == 1 ? "HUD_Head_2" : "HUD_Head_1";
        ShowAnimation(Find(head), "dead");
    }
    return lives;
}

void CollectPollen(GameSession& session)
{
    session.Level().PollenCollected += 1;
    int shown = std::clamp(session.Level().PollenCollected, 0, kLargestShownCount);
    if (shown > 9)
    {
        SetDigit(Find("HUD_LeftNumber_1"), shown / 10);
    }
    SetDigit(Find("HUD_LeftNumber_2"), shown % 10);
}

void SetDigit(GameObjectComposition* object, int digit)
{
    if (object == nullptr)
    {
        return;
    }
    ShowAnimation(object,
                  digit < 0 ? std::string("default") : "Char_" + std::string(1, static_cast<char>('0' + digit)));
}

void CollectBars(GameSession& session)
{
    std::vector<std::string>& bars = session.Level().EnergyBars;
    bars.clear();
    for (int n = 1; n <= kEnergyBarCount; ++n)
    {
        bars.push_back(BarName(n));
    }
}

void EmptyBars(GameSession& session)
{
    LevelRules& rules = session.Level();
    for (const std::string& name : rules.EnergyBars)
    {
        ShowAnimation(Find(name), "empty");
    }
    rules.BarRefillActive = true;
    rules.BarRefillTimer = 0.0f;
}

void RefillBars(GameSession& session, float dt)
{
    LevelRules& rules = session.Level();
    if (!rules.BarRefillActive)
    {
        return;
    }
    rules.BarRefillTimer += dt;
    // Every bar whose time has passed is lit, so a long frame cannot skip one.
    int lit = std::min(static_cast<int>(rules.BarRefillTimer / kBarRefillStep), kEnergyBarCount);
    for (int n = 1; n <= lit && n <= static_cast<int>(rules.EnergyBars.size()); ++n)
    {
        ShowAnimation(Find(rules.EnergyBars[static_cast<size_t>(n - 1)]), "default");
    }
    if (lit >= kEnergyBarCount)
    {
        rules.BarRefillTimer = 0.0f;
        rules.BarRefillActive = false;
    }
}

} // namespace Framework
