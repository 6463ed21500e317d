#include "gameflow/BossArena.h"

#include "actors/HeroController.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "gameflow/Triggers.h"
#include "graphics/Camera.h"

namespace Framework
{

namespace
{
// The backdrops stand this far above the hero once the arena opens.
constexpr float BackdropRise = 200.0f;
// The middle of the closed blockers' height: the view of the fight centres here, floor to the highest ledge.
constexpr float ArenaViewY = 352.0f;

Factory* Objects()
{
    return CORE != nullptr ? CORE->m_Factory : nullptr;
}
} // namespace

void SetGeyserLift(const std::string& geyserKey, float lift)
{
    Factory* factory = Objects();
    GameObjectComposition* geyser = factory != nullptr ? factory->FindObject(geyserKey) : nullptr;
    if (GeyserCollideTrigger* trigger = geyser != nullptr ? geyser->GetGeyserCollideTrigger() : nullptr)
    {
        trigger->m_Velocity.y = lift;
    }
}

void CloseArena(GameObjectComposition* first, GameObjectComposition* second)
{
    float left = 0.0f;
    float right = 0.0f;
    int closed = 0;
    for (GameObjectComposition* blocker : {first, second})
    {
        if (Transform* transform = blocker != nullptr ? blocker->GetTransform() : nullptr)
        {
            transform->Position.y = BlockerClosedY;
            (closed++ == 0 ? left : right) = transform->Position.x;
        }
    }
    if (closed < 2)
    {
        return;
    }
    // The view moves as a pan does, so the backdrops keep their parallax.
    const Vec2 centre = CAMERA.ScreenCentre();
    const float dx = centre.x - (left + right) * 0.5f;
    const float dy = centre.y - ArenaViewY;
    CAMERA.UpdateParallax(-dx, -dy);
    CAMERA.m_ViewOffset.x += dx;
    CAMERA.m_ViewOffset.y += dy;
    CAMERA.RebuildViewProjection();
}

void OpenArena(GameObjectComposition* bear, GameObjectComposition* first, GameObjectComposition* second)
{
    Factory* factory = Objects();
    if (factory == nullptr)
    {
        return;
    }
    for (GameObjectComposition* object : {bear, first, second})
    {
        if (object != nullptr)
        {
            factory->DestroyObject(object);
        }
    }
    GameObjectComposition* hero = factory->FindObject("Kibbet");
    Transform* heroTransform = hero != nullptr ? hero->GetTransform() : nullptr;
    for (const char* key : {"1BG", "2BG"})
    {
        GameObjectComposition* backdrop = factory->FindObject(key);
        Transform* transform = backdrop != nullptr ? backdrop->GetTransform() : nullptr;
        if (transform != nullptr && heroTransform != nullptr)
        {
            transform->Position = {heroTransform->Position.x, heroTransform->Position.y + BackdropRise};
        }
    }
    CAMERA.SetCameraTarget(nullptr, true);
}

} // namespace Framework
