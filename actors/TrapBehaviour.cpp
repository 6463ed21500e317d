#include "actors/EnemyBehaviours.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "gameflow/EnemyTriggers.h"

namespace Framework
{

namespace
{
// The reopen timer counts down to this rather than to zero, so float rounding cannot keep a trap shut.
constexpr float ReopenThreshold = 0.0001f;
} // namespace

void UpdateTrap(Controller& controller, float dt)
{
    if (!controller.m_TrapClosed)
    {
        return;
    }
    controller.m_ReopenTimer -= dt;
    if (controller.m_ReopenTimer >= ReopenThreshold)
    {
        return;
    }
    GameObjectComposition* object = ActorObject(controller);
    SelectAnimation(object, "default");
    if (TrapTrigger* trigger = object != nullptr ? object->GetTrapTrigger() : nullptr)
    {
        trigger->m_Triggered = false;
    }
    PlaySoundOnce("SFX_Trap_Open");
    controller.m_TrapClosed = false;
}

} // namespace Framework
