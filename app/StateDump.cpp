#include "app/StateDump.h"

#include "actors/GameLogicComponent.h"
#include "actors/HeroController.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/IComponent.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"
#include "graphics/Camera.h"
#include "graphics/Emitter.h"
#include "graphics/FontComponent.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"
#include "input/Input.h"
#include "physics/Body.h"
#include "ui/Level_Menu.h"
#include "ui/ScrollComponent.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

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
        out << "{\"screen\":" << menu->CurrentPage() << ",\"selected\":" << menu->SelectedItem() << "}";
    }
    else
    {
        out << "null";
    }
    const auto* generic = dynamic_cast<const Level_Generic*>(level);
    out << ",\"pause\":{\"page\":" << (generic ? generic->m_PauseMenu.CurrentPage() : PauseMenu::Closed)
        << ",\"selected\":" << (generic ? generic->m_PauseMenu.SelectedItem() : 0) << "}";
}

const char* Bool(bool value)
{
    return value ? "true" : "false";
}

const char* ShaderName(PixelShader shader)
{
    switch (shader)
    {
    case PixelShader::Main:
        return "Main";
    case PixelShader::Particle:
        return "Particle";
    case PixelShader::Debug:
        return "Debug";
    }
    return "";
}

// [{"layer":N,"shader":..,"vertices":N},..]: the draw calls Graphics handed to its device in the last frame.
std::string Draws(const Core& core)
{
    std::string out = "[";
    if (core.m_Graphics != nullptr)
    {
        for (const DrawRecord& draw : core.m_Graphics->LastFrameDraws())
        {
            out += (out.size() > 1 ? "," : "");
            out += "{\"layer\":" + std::to_string(draw.Layer) + ",\"shader\":\"" + ShaderName(draw.Shader) +
                   "\",\"vertices\":" + std::to_string(draw.Vertices) + "}";
        }
    }
    return out + "]";
}

// {"NAME":N,..} by name: how often each sound was started, for those started at least once.
std::string SoundStarts(const Audio* audio)
{
    std::map<std::string, int> starts;
    if (audio != nullptr)
    {
        for (const auto& [name, record] : audio->m_Sounds)
        {
            if (record->m_Starts > 0)
            {
                starts[name] = record->m_Starts;
            }
        }
    }
    std::string out = "{";
    for (const auto& [name, count] : starts)
    {
        out += (out.size() > 1 ? "," : "") + Quote(name) + ":" + std::to_string(count);
    }
    return out + "}";
}

// The session's numbers, the checkpoint and the camera of the world line.
void DumpSession(const GameLogic* logic, std::ostream& out)
{
    const LevelRules* rules = logic != nullptr ? &logic->Session().Level() : nullptr;
    out << ",\"lives\":" << (rules != nullptr ? rules->Lives : kStartLives)
        << ",\"pollen\":" << (rules != nullptr ? rules->PollenTotal : 0)
        << ",\"collected\":" << (rules != nullptr ? rules->PollenCollected : 0);
    Vec2 checkpoint;
    if (logic != nullptr && logic->m_LevelManager.m_CurrentLevel != nullptr)
    {
        checkpoint = logic->m_LevelManager.m_CurrentLevel->m_Checkpoint;
    }
    out << ",\"checkpoint\":{\"x\":" << Number(checkpoint.x) << ",\"y\":" << Number(checkpoint.y) << "}";
    Vec2 centre = CAMERA.ScreenCentre();
    out << ",\"camera\":{\"x\":" << Number(centre.x) << ",\"y\":" << Number(centre.y) << "}";
}

// The hero, input, sound, fade and flow parts of the world line.
void DumpPlay(const Core& core, std::ostream& out)
{
    const GameLogic* logic = core.m_GameLogic;
    if (logic != nullptr)
    {
        const HeroController& hero = logic->PlayerController();
        out << ",\"hero\":{\"state\":" << hero.State() << ",\"control\":" << Bool(logic->PlayerControl()) << "}";
    }
    else
    {
        out << ",\"hero\":null";
    }
    out << ",\"input\":" << Bool(core.m_Input != nullptr && core.m_Input->InputEnabled);
    out << ",\"music\":" << Quote(core.m_Audio != nullptr ? core.m_Audio->PlayingMusicName() : std::string());
    out << ",\"fade\":" << Number(core.m_Graphics != nullptr ? core.m_Graphics->m_FadeValue : 1.0f);
    out << ",\"sounds\":" << SoundStarts(core.m_Audio);
    out << ",\"flow\":{\"respawnPan\":" << Bool(logic != nullptr && logic->RespawnPanActive())
        << ",\"endScreen\":" << Bool(logic != nullptr && logic->EndScreenActive())
        << ",\"bossOutro\":" << Bool(logic != nullptr && logic->BossOutroActive()) << "}";
}

// A list of names as a JSON array.
std::string NameList(const std::vector<std::string>& names)
{
    std::string out = "[";
    for (const std::string& name : names)
    {
        out += (out.size() > 1 ? "," : "") + Quote(name);
    }
    return out + "]";
}

// "timer" (seconds of game time in the level), "progress" (null without a profile) and "ghost" (null unless one
// is drawn).
void DumpRecords(const GameLogic* logic, std::ostream& out)
{
    const bool inLevel = logic != nullptr && GameLogic::IsPlayableLevel(logic->m_LevelManager.GetCurrentLevelName());
    out << ",\"timer\":" << Number(inLevel ? static_cast<float>(logic->Session().Level().TimerMs) / 1000.0f : 0.0f);
    out << ",\"progress\":";
    if (logic != nullptr && logic->Progress().Active())
    {
        out << "{\"reached\":" << NameList(logic->Progress().Reached())
            << ",\"finished\":" << NameList(logic->Progress().Finished()) << "}";
    }
    else
    {
        out << "null";
    }
    Vec2 ghost;
    if (logic != nullptr && logic->GhostPosition(ghost))
    {
        out << ",\"ghost\":{\"x\":" << Number(ghost.x) << ",\"y\":" << Number(ghost.y) << "}";
    }
    else
    {
        out << ",\"ghost\":null";
    }
}

// The parts of an object's line that every object has: key, name, id, placement, velocity and components.
void DumpObjectCommon(const GameObjectComposition& object, std::ostream& out)
{
    const Transform* t = object.GetTransform();
    out << "{\"key\":" << Quote(object.Key) << ",\"name\":" << Quote(object.Name) << ",\"id\":" << object.ObjectId;
    if (t != nullptr)
    {
        out << ",\"x\":" << Number(t->Position.x) << ",\"y\":" << Number(t->Position.y)
            << ",\"rotation\":" << Number(t->Rotation) << ",\"sx\":" << Number(t->Scale.x)
            << ",\"sy\":" << Number(t->Scale.y);
    }
    if (const Body* body = object.GetBody())
    {
        out << ",\"velocity\":{\"x\":" << Number(body->m_Velocity.x) << ",\"y\":" << Number(body->m_Velocity.y) << "}";
    }
    out << ",\"components\":[";
    bool first = true;
    for (const auto& entry : object.Components)
    {
        out << (first ? "" : ",") << Quote(entry.first);
        first = false;
    }
    out << "]";
}

// One object's line: the common parts, then one part for each kind of component the dump shows.
void DumpObject(const GameObjectComposition& object, std::ostream& out)
{
    DumpObjectCommon(object, out);
    if (const GraphicsComponent* graphics = object.GetGraphics())
    {
        out << ",\"animation\":" << Quote(graphics->m_Animation.m_Current);
    }
    if (const GameLogicComponent* behaviour = object.GetGameLogic())
    {
        out << ",\"behavior\":" << behaviour->Kind() << ",\"action\":" << behaviour->Action();
    }
    if (const Emitter* emitter = object.GetEmitter())
    {
        out << ",\"particles\":" << emitter->ParticleCount();
    }
    if (const FontComponent* font = object.GetFontComponent())
    {
        out << ",\"text\":" << Quote(font->m_CurrentString);
    }
    if (const ScrollComponent* scroll = object.GetScrollComponent())
    {
        out << ",\"scroll\":" << Number(scroll->ViewTop());
    }
    out << "}\n";
}

// "bindings": each game action's keys (hexadecimal codes as record files write them) and button masks.
void DumpBindings(const Core& core, std::ostream& out)
{
    const Bindings bindings = core.m_Input != nullptr ? core.m_Input->GetBindings() : Bindings::Defaults();
    out << ",\"bindings\":{";
    for (Action action : Bindings::AllActions())
    {
        const ActionBinding& binding = bindings.Of(action);
        out << (action == Action::Left ? "" : ",") << Quote(Bindings::ActionName(action)) << ":{\"keys\":[";
        for (size_t i = 0; i < binding.Keys.size(); ++i)
        {
            char code[16];
            std::snprintf(code, sizeof code, "%x", static_cast<unsigned>(binding.Keys[i]));
            out << (i == 0 ? "" : ",") << Quote(code);
        }
        out << "],\"buttons\":[";
        for (size_t i = 0; i < binding.Buttons.size(); ++i)
        {
            out << (i == 0 ? "" : ",") << binding.Buttons[i];
        }
        out << "]}";
    }
    out << "}";
}
} // namespace

void DumpState(const Core& core, std::ostream& out)
{
    const GameLogic* logic = core.m_GameLogic;
    std::string level = logic != nullptr ? logic->m_LevelManager.GetCurrentLevelName() : "";
    out << "{\"world\":{\"frame\":" << core.FrameCount() << ",\"level\":" << Quote(level)
        << ",\"paused\":" << Bool(core.Paused);
    DumpSession(logic, out);
    DumpPlay(core, out);
    DumpMenus(core, out);
    out << ",\"draws\":" << Draws(core);
    DumpRecords(logic, out);
    DumpBindings(core, out);
    out << "}}\n";
    if (core.m_Factory == nullptr)
    {
        return;
    }
    for (const GameObjectComposition* object : core.m_Factory->AllLiveObjects())
    {
        DumpObject(*object, out);
    }
}

} // namespace Framework
