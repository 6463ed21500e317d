#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"

namespace Framework
{

void Level_Generic::Load()
{
    if (CORE != nullptr && CORE->m_Factory != nullptr)
    {
        CORE->m_Factory->LoadHUD();
    }
}

void Level_Generic::Initialize()
{
    ILevel::Initialize();
    GameObjectComposition* hero =
        CORE != nullptr && CORE->m_Factory != nullptr ? CORE->m_Factory->FindObject("Kibbet") : nullptr;
    const Transform* t = hero != nullptr ? hero->GetTransform() : nullptr;
    m_Checkpoint = t != nullptr ? t->Position : Vec2{};
    if (CORE != nullptr && CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->PlayBGM(m_TrackName);
    }
    ResetHUD();
}

} // namespace Framework
