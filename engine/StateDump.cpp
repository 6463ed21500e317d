#include "engine/StateDump.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/IComponent.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "graphics/GraphicsComponent.h"
#include "physics/Body.h"
#include "ui/Level_Menu.h"
#include "ui/ScrollComponent.h"

#include <cstdio>
#include <string>

namespace Framework
{

namespace
{
std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text)
    {
        if (c == '"' || c == '\\')
        {
            out += '\\';
            out += static_cast<char>(c);
        }
        else if (c < 0x20)
        {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        }
        else
        {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// Nine significant digits read back as the same float.
std::string Number(float value)
{
    if (value != value)
    {
        return "null";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    std::string text = buffer;
    if (text == "inf" || text == "-inf")
    {
        return "null";
    }
    return text;
}
// "menu" and "pause": the page and item of the main menu (null outside it) and of the pause menu.
void DumpMenus(const Core& core, std::ostream& out)
{
    const ILevel* level = core.m_GameLogic != nullptr ? core.m_GameLogic->m_LevelManager.m_CurrentLevel : nullptr;
    out << ",\"menu\":";
    if (const auto* menu = dynamic_cast<const Level_Menu*>(level))
    {
        const IScreen* screen = menu->CurrentScreen();
        out << "{\"screen\":" << menu->m_CurrentScreen << ",\"selected\":" << (screen ? screen->SelectedItem() : 0)
            << "}";
    }
    else
    {
        out << "null";
    }
    const auto* generic = dynamic_cast<const Level_Generic*>(level);
    out << ",\"pause\":{\"page\":" << (generic ? generic->m_PauseMenu.m_MenuPage : PauseMenu::Closed)
        << ",\"selected\":" << (generic ? generic->m_PauseMenu.m_MenuSelected : 0) << "}";
}
} // namespace

void DumpState(const Core& core, std::ostream& out)
{
    std::string level = core.m_GameLogic != nullptr ? core.m_GameLogic->m_LevelManager.GetCurrentLevelName() : "";
    out << "{\"world\":{\"frame\":" << core.FrameCount() << ",\"level\":" << Quote(level)
        << ",\"paused\":" << (core.Paused ? "true" : "false");
    DumpMenus(core, out);
    out << "}}\n";
    if (core.m_Factory == nullptr)
    {
        return;
    }
    for (const GameObjectComposition* object : core.m_Factory->AllLiveObjects())
    {
        const Transform* t = object->GetTransform();
        out << "{\"key\":" << Quote(object->Key) << ",\"name\":" << Quote(object->Name)
            << ",\"id\":" << object->ObjectId;
        if (t != nullptr)
        {
            out << ",\"x\":" << Number(t->Position.x) << ",\"y\":" << Number(t->Position.y)
                << ",\"rotation\":" << Number(t->Rotation) << ",\"sx\":" << Number(t->Scale.x)
                << ",\"sy\":" << Number(t->Scale.y);
        }
        if (const Body* body = object->GetBody())
        {
            out << ",\"velocity\":{\"x\":" << Number(body->m_Velocity.x) << ",\"y\":" << Number(body->m_Velocity.y)
                << "}";
        }
        out << ",\"components\":[";
        bool first = true;
        for (const auto& entry : object->Components)
        {
            out << (first ? "" : ",") << Quote(entry.first);
            first = false;
        }
        out << "]";
        if (const GraphicsComponent* graphics = object->GetGraphics())
        {
            out << ",\"animation\":" << Quote(graphics->m_pAnimation.m_Current);
        }
        if (const ScrollComponent* scroll = object->GetScrollComponent())
        {
            out << ",\"scroll\":" << Number(scroll->ViewTop());
        }
        out << "}\n";
    }
}

} // namespace Framework
