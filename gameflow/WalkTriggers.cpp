#include "actors/HeroController.h"
#include "gameflow/GameLogic.h"
#include "gameflow/ILevel.h"
#include "gameflow/TriggerSupport.h"
#include "gameflow/Triggers.h"

#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "physics/Body.h"
#include "physics/ContactRecord.h"

namespace Framework
{

namespace
{
constexpr int kFadeIn = 1;
constexpr int kFadeOut = 2;

void SwitchInput(bool enabled)
{
    if (CORE == nullptr || CORE->m_Input == nullptr)
    {
        return;
    }
    CORE->m_Input->ResetKeyboard();
    CORE->m_Input->ResetPad();
    CORE->m_Input->InputEnabled = enabled;
}

void Fade(int mode, float seconds)
{
    if (CORE != nullptr && CORE->m_Graphics != nullptr)
    {
        CORE->m_Graphics->StartFade(mode, seconds);
    }
}

// One volume of a walk pair: the first sets the flag and takes input away, the second clears it, stops
// the hero and gives input back. Each volume goes after acting, so it acts once.
template <typename EntryAction, typename ExitAction> void WalkPair(bool& flag, EntryAction entry, ExitAction exit)
{
    if (!flag)
    {
        flag = true;
        entry();
        SwitchInput(false);
        return;
    }
    exit();
    if (Body* body = HeroBody())
    {
        body->m_Velocity.x = 0.0f;
        body->m_Velocity.y = 0.0f;
    }
    flag = false;
    SwitchInput(true);
}

void SetPlayerControl(bool on)
{
    if (GameLogic* logic = TheGameLogic())
    {
        logic->m_PlayerControl = on;
    }
}
} // namespace

void LevelStartTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    WalkPair(
        StartWalkActive,
        []
        {
            SetPlayerControl(true);
            Fade(kFadeIn, 1.0f);
        },
        []
        {
            SetPlayerControl(true);
            GameObjectComposition* hero = FindHeroObject();
            ILevel* level = CurrentLevel();
            if (level != nullptr && hero != nullptr && hero->GetTransform() != nullptr)
            {
                level->m_Checkpoint = hero->GetTransform()->Position;
            }
        });
    DestroyOwnObject();
}

void WinTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    GameLogic* logic = TheGameLogic();
    if (logic != nullptr && logic->m_LevelManager.GetCurrentLevelName() == "Level_Bear")
    {
        // The boss level ends with its own outro instead of the exit walk.
        logic->m_LevelComplete = true;
        DestroyOwnObject();
        return;
    }
    WalkPair(
        WinWalkActive, [] { Fade(kFadeOut, 2.0f); },
        [logic]
        {
            if (logic != nullptr)
            {
                logic->m_LevelComplete = true;
                logic->m_PlayerControl = false;
            }
        });
    DestroyOwnObject();
}

void MoveRightTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    WalkPair(
        MoveRightActive, [] { SetPlayerControl(true); }, [] { SetPlayerControl(true); });
    DestroyOwnObject();
}

} // namespace Framework
