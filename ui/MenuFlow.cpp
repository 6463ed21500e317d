#include "ui/MenuFlow.h"

#include "audio/Audio.h"
#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "graphics/Graphics.h"
#include "ui/PlayerSettings.h"

#include <algorithm>

namespace Framework
{

namespace
{
const std::string kMenuLevel = "Level_00_Menu";
const std::string kUnplayedPrefix = "Level_00_";
// The music plays this much quieter while the game is paused.
constexpr float kPausedMusicShare = 0.3f;

LevelManager* Levels()
{
    return CORE != nullptr && CORE->m_GameLogic != nullptr ? &CORE->m_GameLogic->m_LevelManager : nullptr;
}
} // namespace

std::string FirstPlayableLevel(const std::vector<std::string>& levelFiles)
{
    for (const std::string& file : levelFiles)
    {
        std::string name = PathParts(file).FileName;
        if (name.rfind(kUnplayedPrefix, 0) != 0)
        {
            return name;
        }
    }
    return {};
}

void StartFirstLevel()
{
    if (LevelManager* levels = Levels())
    {
        levels->RequestLevel(FirstPlayableLevel(levels->m_LevelFiles));
    }
}

std::vector<std::string> ReachedLevels()
{
    std::vector<std::string> reached;
    LevelManager* levels = Levels();
    if (levels == nullptr)
    {
        return reached;
    }
    for (const std::string& file : levels->m_LevelFiles)
    {
        const std::string name = PathParts(file).FileName;
        const std::vector<std::string>& kept = CORE->m_GameLogic->Progress().Reached();
        if (GameLogic::IsPlayableLevel(name) && std::find(kept.begin(), kept.end(), name) != kept.end())
        {
            reached.push_back(name);
        }
    }
    return reached;
}

bool ProgressBeyondFirstLevel()
{
    LevelManager* levels = Levels();
    if (levels == nullptr)
    {
        return false;
    }
    const std::string first = FirstPlayableLevel(levels->m_LevelFiles);
    for (const std::string& name : ReachedLevels())
    {
        if (name != first)
        {
            return true;
        }
    }
    return false;
}

void StartLevelNamed(const std::string& name, bool timeTrial)
{
    if (CORE != nullptr && CORE->m_GameLogic != nullptr)
    {
        CORE->m_GameLogic->StartLevel(name, timeTrial);
    }
}

std::pair<std::string, std::string> LevelRecordText(const std::string& level)
{
    const LevelRecord* record =
        CORE != nullptr && CORE->m_GameLogic != nullptr ? CORE->m_GameLogic->Progress().Find(level) : nullptr;
    if (record == nullptr || !record->Finished)
    {
        return {"-:--.-", "--/--"};
    }
    return {FormatTime(record->BestMs), std::to_string(record->MostPollen) + "/" + std::to_string(record->PollenTotal)};
}

void RestartLevel()
{
    if (LevelManager* levels = Levels())
    {
        levels->RestartLevel();
    }
}

void ReturnToMainMenu()
{
    if (LevelManager* levels = Levels())
    {
        levels->RequestLevel(kMenuLevel);
    }
}

void QuitGame()
{
    if (CORE != nullptr)
    {
        CORE->Quit = true;
    }
}

std::string CurrentLevelName()
{
    LevelManager* levels = Levels();
    return levels != nullptr ? levels->GetCurrentLevelName() : std::string();
}

bool PauseAllowed()
{
    return CORE == nullptr || CORE->m_GameLogic == nullptr || CORE->m_GameLogic->PauseAllowed();
}

bool GamePaused()
{
    return CORE != nullptr && CORE->Paused;
}

void ToggleFullscreenAndSave()
{
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->ToggleFullscreen();
        SaveCurrentSettings();
    }
}

void PauseGame(bool paused)
{
    if (CORE == nullptr)
    {
        return;
    }
    CORE->Paused = paused;
    // The duck is a passing factor the Audio system keeps, so its per-frame volume refresh does not undo it.
    if (CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->SetMusicFactor(paused ? kPausedMusicShare : 1.0f);
    }
}

} // namespace Framework
