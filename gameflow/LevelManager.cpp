#include "gameflow/LevelManager.h"

#include "data/Factory.h"
#include "data/LevelFiles.h"
#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "gameflow/GameLogic.h"
#include "gameflow/ILevel.h"
#include "gameflow/LevelTextures.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "platform/Log.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace Framework
{

namespace
{
using SteadyClock = std::chrono::steady_clock;

double MillisecondsSince(SteadyClock::time_point from)
{
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - from).count();
}

std::string Fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}
} // namespace

void LogLevelTiming(const std::string& event)
{
    static const bool enabled = std::getenv("KIBBET_LOAD_TIMES") != nullptr;
    if (enabled)
    {
        const double now = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
        Log("timing: " + event + " at " + Fixed(now, 6));
    }
}

LevelManager::LevelManager() = default;
LevelManager::~LevelManager() = default;

void LevelManager::AddLevel(const std::string& name, std::unique_ptr<ILevel> level)
{
    m_Levels[name] = std::move(level);
}

void LevelManager::ChangeLevel(const std::string& name)
{
    if (!LevelFileReads(name))
    {
        return; // the running level (the menu) stays
    }
    CAMERA.m_Target = nullptr;
    if (name != m_CurrentLevelName)
    {
        if (m_CurrentLevel != nullptr)
        {
            m_CurrentLevel->Unload();
        }
        std::unique_ptr<ILevel>& slot = m_Levels[name];
        if (slot == nullptr)
        {
            slot = std::make_unique<Level_Generic>();
        }
        m_CurrentLevel = slot.get();
        m_LevelIndex = static_cast<int>(m_LevelFiles.size());
        for (size_t i = 0; i < m_LevelFiles.size(); ++i)
        {
            if (PathParts(m_LevelFiles[i]).FileName == name)
            {
                m_LevelIndex = static_cast<int>(i);
                break;
            }
        }
        m_CurrentLevelName = name;
        const SteadyClock::time_point started = SteadyClock::now();
        ChooseTextures();
        const double textures = MillisecondsSince(started);
        LoadLevelFile();
        const double file = MillisecondsSince(started) - textures;
        StartCurrentLevel();
        const double total = MillisecondsSince(started);
        LogLevelTiming("level " + name + " loaded in " + Fixed(total, 1) + " ms (textures " + Fixed(textures, 1) +
                       ", file " + Fixed(file, 1) + ", start " + Fixed(total - textures - file, 1) + ")");
    }
}

void LevelManager::ChooseTextures()
{
    Graphics* graphics = CORE != nullptr ? CORE->m_Graphics : nullptr;
    if (graphics == nullptr)
    {
        return;
    }
    m_CurrentLayers = LevelTextureLayers(m_CurrentLevelName);
    std::vector<std::set<int>> keep{m_CurrentLayers};
    std::set<int> decodeOnly;
    if (!GameLogic::IsPlayableLevel(m_CurrentLevelName))
    {
        // The start-up screens follow one another into the menu. The first level's largest picture waits
        // decoded there; its other pictures are decoded when it is chosen, as keeping them all beside the
        // menu's large ones would cost more memory than the menu itself.
        for (const char* name : {"Level_00_Splash", "Level_00_Menu"})
        {
            keep.push_back(LevelTextureLayers(name));
        }
        auto first =
            std::find_if(m_LevelFiles.begin(), m_LevelFiles.end(),
                         [](const std::string& file) { return GameLogic::IsPlayableLevel(PathParts(file).FileName); });
        if (first != m_LevelFiles.end())
        {
            decodeOnly = LevelTextureLayers(PathParts(*first).FileName);
        }
    }
    graphics->KeepTextures(keep, decodeOnly);
    // The level left is gone: its textures go before the new ones come.
    graphics->FreeUnkeptTextures();
    if (!m_CurrentLevel->LetsTexturesStream())
    {
        graphics->LoadTextures(m_CurrentLayers);
    }
}

void LevelManager::PrepareTexturesFor(const std::string& nextLevel)
{
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->KeepTextures({m_CurrentLayers, LevelTextureLayers(nextLevel)});
    }
}

void LevelManager::PrepareTexturesOfTypes(const std::vector<std::string>& typeNames, const std::string& thenLevel)
{
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->KeepTextures({m_CurrentLayers, ObjectTypeTextureLayers(typeNames)},
                                       LevelTextureLayers(thenLevel));
    }
}

void LevelManager::RestartLevel()
{
    if (m_CurrentLevel == nullptr)
    {
        return;
    }
    m_CurrentLevel->Unload();
    LoadLevelFile();
    StartCurrentLevel();
}

void LevelManager::LoadLevelFile()
{
    if (CORE == nullptr || CORE->m_Factory == nullptr)
    {
        return;
    }
    m_CurrentLevelFile = FindLevelFile(ResourcePath("Data/Levels"), m_CurrentLevelName);
    const LevelContents contents = CORE->m_Factory->LoadLevel(m_CurrentLevelFile);
    if (!contents.Header.KeepsTrack())
    {
        m_CurrentLevel->m_TrackName = contents.Header.TrackName;
    }
    m_CurrentLevel->m_CameraLock = contents.Header.CameraLock;
    CAMERA.SetCameraTarget(CORE->m_Factory->FindObject("Kibbet"));
}

bool LevelManager::LevelFileReads(const std::string& name) const
{
    const std::string path = FindLevelFile(ResourcePath("Data/Levels"), name);
    if (!IsMapFile(path))
    {
        return true; // the text reader goes on whatever it meets
    }
    const LevelFileRead level = ReadLevelFile(path, ResourcePath("Data/Objects"));
    for (const MapProblem& problem : level.Problems)
    {
        Log("level " + DescribeProblem(path, problem));
    }
    if (!level.Ok)
    {
        Log("level " + name + " is not started: its map has faults");
    }
    return level.Ok;
}

void LevelManager::StartCurrentLevel()
{
    // Nothing of the previous level's flow carries over: a pause, input switched off by a scripted walk
    // or an end screen, a pan, a knock-back or a walk flag would leave the new level black or stuck.
    if (CORE != nullptr)
    {
        CORE->Paused = false;
        if (CORE->m_Input != nullptr)
        {
            CORE->m_Input->InputEnabled = true;
        }
        if (CORE->m_GameLogic != nullptr)
        {
            CORE->m_GameLogic->ResetForLevel();
        }
    }
    m_CurrentLevel->Load();
    m_CurrentLevel->Initialize();
}

void LevelManager::NextLevel()
{
    if (m_LevelFiles.empty())
    {
        return;
    }
    m_LevelIndex += 1;
    if (m_LevelIndex >= static_cast<int>(m_LevelFiles.size()))
    {
        m_LevelIndex = m_WrapIndex < static_cast<int>(m_LevelFiles.size()) ? m_WrapIndex : 0;
    }
    RequestLevel(PathParts(m_LevelFiles[static_cast<size_t>(m_LevelIndex)]).FileName);
}

std::string LevelManager::NextLevelName() const
{
    if (m_LevelFiles.empty())
    {
        return {};
    }
    int index = m_LevelIndex + 1;
    if (index >= static_cast<int>(m_LevelFiles.size()))
    {
        index = m_WrapIndex < static_cast<int>(m_LevelFiles.size()) ? m_WrapIndex : 0;
    }
    return PathParts(m_LevelFiles[static_cast<size_t>(index)]).FileName;
}

void LevelManager::UpdateLevel(float dt)
{
    if (m_CurrentLevel != nullptr)
    {
        m_CurrentLevel->PreUpdate(dt);
        m_CurrentLevel->Update(dt);
        m_CurrentLevel->PostUpdate(dt);
    }
    if (!m_PendingLevelName.empty())
    {
        std::string name = m_PendingLevelName;
        ChangeLevel(name);
        m_PendingLevelName.clear();
    }
}

} // namespace Framework
