// The level's records: its game time on the display, the run kept as a ghost, the finish saved in the player's
// progress and the tally that shows it before the next level.
#include "actors/HeroController.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"
#include "gameflow/TriggerSupport.h"
#include "graphics/Camera.h"
#include "graphics/FontComponent.h"
#include "graphics/GraphicsComponent.h"

#include <cmath>

namespace Framework
{

namespace
{
const std::string kGhostKey = "KibbetGhost";
const std::string kUnplayedPrefix = "Level_00_";
// The tally's text lines: their scale, the left edge and the first line's height from the view centre, and the
// step between lines.
constexpr float kTallyTextScale = 0.6f;
constexpr float kTallyLeft = -270.0f;
constexpr float kTallyTop = 210.0f;
constexpr float kTallyLineStep = 85.0f;

GameObjectComposition* FindObject(const std::string& key)
{
    return CORE != nullptr && CORE->m_Factory != nullptr ? CORE->m_Factory->FindObject(key) : nullptr;
}

// "Level_01" as the tally writes it: "LEVEL 01".
std::string ShownName(std::string name)
{
    for (char& c : name)
    {
        c = c == '_' ? ' ' : c;
    }
    return name;
}

// One line of text with its own key at (x, y) from the view centre.
void PlaceText(const std::string& key, float x, float y, const std::string& text)
{
    if (CORE == nullptr || CORE->m_Factory == nullptr)
    {
        return;
    }
    GameObjectComposition* line = CORE->m_Factory->CreateObject("Text_Line", key);
    Transform* t = line != nullptr ? line->GetTransform() : nullptr;
    FontComponent* font = line != nullptr ? line->GetFontComponent() : nullptr;
    if (t == nullptr || font == nullptr)
    {
        return;
    }
    Vec2 centre = CAMERA.ScreenCentre();
    t->Position = {centre.x + x, centre.y + y};
    t->Scale = {kTallyTextScale, kTallyTextScale};
    font->SetText(text);
}
} // namespace

bool GameLogic::IsPlayableLevel(const std::string& name)
{
    return !name.empty() && name.rfind(kUnplayedPrefix, 0) != 0;
}

void GameLogic::StartLevel(const std::string& name, bool timeTrial)
{
    m_TimeTrialLevel = timeTrial ? name : std::string();
    m_LevelManager.RequestLevel(name);
}

bool GameLogic::TimerRuns() const
{
    if (!IsPlayableLevel(m_LevelManager.GetCurrentLevelName()) || FindHero() == nullptr)
    {
        return false;
    }
    return m_Flow.State == FlowState::Playing || m_Flow.State == FlowState::RespawnPan ||
           m_Flow.State == FlowState::BossIntroduction;
}

void GameLogic::UpdateTimer(float dt, bool paused)
{
    if (paused || !TimerRuns())
    {
        return;
    }
    int& timer = m_Session.Level().TimerMs;
    timer += static_cast<int>(std::lround(dt * 1000.0f));
    ShowTimer(timer);
    if (GameObjectComposition* hero = FindHero())
    {
        RecordRun(*hero);
    }
    MoveGhost();
}

void GameLogic::RecordRun(GameObjectComposition& hero)
{
    const Transform* t = hero.GetTransform();
    const GraphicsComponent* graphics = hero.GetGraphics();
    if (t == nullptr || graphics == nullptr)
    {
        return;
    }
    GhostPose pose{t->Position.x, t->Position.y, graphics->m_Animation.m_Current, graphics->m_Animation.m_Frame};
    if (pose.Animation.empty())
    {
        pose.Animation = "default";
    }
    m_Run.Record(m_Session.Level().TimerMs, pose);
}

void GameLogic::MoveGhost()
{
    GhostPose pose;
    if (!m_Ghost.PoseAt(m_Session.Level().TimerMs, pose) || CORE == nullptr || CORE->m_Factory == nullptr)
    {
        return;
    }
    GameObjectComposition* ghost = FindObject(kGhostKey);
    if (ghost == nullptr)
    {
        ghost = CORE->m_Factory->CreateObject(kGhostKey, kGhostKey);
    }
    Transform* t = ghost != nullptr ? ghost->GetTransform() : nullptr;
    GraphicsComponent* graphics = ghost != nullptr ? ghost->GetGraphics() : nullptr;
    if (t == nullptr || graphics == nullptr)
    {
        return;
    }
    t->Position = {pose.X, pose.Y};
    graphics->m_Alpha = kGhostAlpha;
    graphics->m_Animation.ShowFrameOf(pose.Animation, pose.Frame);
}

bool GameLogic::GhostPosition(Vec2& position) const
{
    const GameObjectComposition* ghost = m_Ghost.Empty() ? nullptr : FindObject(kGhostKey);
    const Transform* t = ghost != nullptr ? ghost->GetTransform() : nullptr;
    if (t == nullptr)
    {
        return false;
    }
    position = t->Position;
    return true;
}

void GameLogic::RecordFinish()
{
    const std::string level = m_LevelManager.GetCurrentLevelName();
    const LevelRules& rules = m_Session.Level();
    const LevelRecord* before = m_Progress.Find(level);
    m_PreviousBestMs = before != nullptr && before->Finished ? before->BestMs : -1;
    if (GameObjectComposition* hero = FindHero())
    {
        RecordRun(*hero);
    }
    m_NewBest = m_Progress.Finish(level, rules.TimerMs, rules.PollenCollected, rules.PollenTotal);
    if (m_NewBest && m_Progress.Active() && !m_Run.Empty())
    {
        m_Run.Write(m_Progress.GhostPath(level));
    }
    if (std::string next = m_LevelManager.NextLevelName(); IsPlayableLevel(next))
    {
        m_Progress.Reach(next);
    }
}

void GameLogic::ShowTally()
{
    const LevelRules& rules = m_Session.Level();
    Vec2 centre = CAMERA.ScreenCentre();
    PlaceObject("Tally_Plank", centre.x, centre.y, 1.0f);
    // A finish beats the best time it had before; the first finish has none to beat.
    const bool beaten = m_PreviousBestMs >= 0 && rules.TimerMs < m_PreviousBestMs;
    const int best = m_PreviousBestMs >= 0 && !beaten ? m_PreviousBestMs : rules.TimerMs;
    const std::string lines[] = {
        ShownName(m_LevelManager.GetCurrentLevelName()),
        "TIME    " + FormatTime(rules.TimerMs),
        "BEST    " + FormatTime(best) + (beaten ? " NEW!" : ""),
        "POLLEN  " + std::to_string(rules.PollenCollected) + "/" + std::to_string(rules.PollenTotal),
        "DEATHS  " + std::to_string(kStartLives - rules.Lives),
        "ANY KEY",
    };
    float y = kTallyTop;
    int number = 0;
    for (const std::string& text : lines)
    {
        PlaceText("Tally_" + std::to_string(number++), kTallyLeft, y, text);
        y -= kTallyLineStep;
    }
    StartFade(FadeDirection::In, kTallyGate);
    // Any key goes on, whatever the exit left the input as.
    SwitchInput(true);
}

void GameLogic::UpdateTally(float dt)
{
    // Asked every frame, so a key held since the exit walk is not taken for a new press when the gate opens.
    bool pressed = AnyKeyOrButton();
    if (m_Flow.EndScreenTimer <= kTallyGate)
    {
        m_Flow.EndScreenTimer += dt;
        return;
    }
    if (pressed)
    {
        Enter(FlowState::Playing, true);
        m_LevelManager.NextLevel();
    }
}

} // namespace Framework
