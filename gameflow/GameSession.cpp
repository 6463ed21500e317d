#include "gameflow/GameSession.h"

namespace Framework
{

void GameSession::StartLevel(int pollenTotal)
{
    m_Level = LevelRules{};
    m_Level.PollenTotal = pollenTotal;
}

bool GameSession::LoseLife()
{
    if (m_Level.LifeLostThisFrame)
    {
        return false;
    }
    m_Level.Lives -= 1;
    m_Level.LifeLostThisFrame = true;
    return true;
}

} // namespace Framework
