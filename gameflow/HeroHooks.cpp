#include "actors/HeroController.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HeroStandIns.h"

namespace Framework
{

namespace
{
HeroController* Hero()
{
    return CORE != nullptr && CORE->m_GameLogic != nullptr ? &CORE->m_GameLogic->PlayerController() : nullptr;
}
} // namespace

void PlayHeroDeathAnimation()
{
    if (HeroController* hero = Hero())
    {
        PlayDeathAnimation(*hero->m_Animator);
    }
}

bool HeroIsRunning()
{
    HeroController* hero = Hero();
    return hero != nullptr && hero->m_State == HeroRun;
}

bool HeroIsRolling()
{
    HeroController* hero = Hero();
    return hero != nullptr && hero->m_State == HeroRoll;
}

void HeroStartsFalling()
{
    if (HeroController* hero = Hero())
    {
        hero->m_State = HeroFall;
        hero->m_PreviousState = HeroFall;
        hero->m_IsJumping = true;
        hero->m_IsRolling = false;
    }
}

void HeroStandsStill()
{
    if (HeroController* hero = Hero())
    {
        hero->m_State = HeroIdle;
        hero->m_Animator->SetState(HeroIdle);
        hero->m_Animator->Update(0.0f);
    }
}

void RegisterAttackObject(GameObjectComposition* object)
{
    if (HeroController* hero = Hero())
    {
        hero->SetAttackObject(object);
    }
}

} // namespace Framework
