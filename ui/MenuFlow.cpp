#include "ui/MenuFlow.h"

#include "audio/Audio.h"
#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "graphics/Graphics.h"
#include "ui/PlayerSettings.h"

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
