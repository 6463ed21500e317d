#include "actors/EnemyBehaviours.h"

#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"
#include "physics/Body.h"

#include <cmath>

namespace Framework
{

namespace
{
// Below this an enemy counts as standing still when it is hit.
constexpr float StillSpeed = 0.0001f;
} // namespace

void HitEnemy(Controller& controller)
{
    GameObjectComposition* object = ActorObject(controller);
    Body* body = ActorBody(controller);
    Transform* self = ActorTransform(controller);
    if (object == nullptr || body == nullptr || self == nullptr || object->Name == "Bear" || controller.m_Knocked)
    {
        return;
    }
    float factor = KnockFactor;
    controller.m_SavedBehavior = controller.m_Behavior;
    controller.m_Behavior = static_cast<int>(BehaviorKind::Knockback);
    if (object->Name == "KingWasp")
    {
        factor = KingWaspKnockFactor;
        if (CORE != nullptr && CORE->m_GameLogic != nullptr)
        {
            CORE->m_GameLogic->HeroBounced(object);
        }
    }
    controller.m_KnockVelocity = {body->m_Velocity.x * factor, body->m_Velocity.y * factor};
    if (std::fabs(controller.m_KnockVelocity.x) <= StillSpeed && std::fabs(controller.m_KnockVelocity.y) <= StillSpeed)
    {
        // The hero is looked up now: a pointer kept from before a level change would be stale.
        GameObjectComposition* hero =
            CORE != nullptr && CORE->m_Factory != nullptr ? CORE->m_Factory->FindObject("Kibbet") : nullptr;
        Transform* heroTransform = hero != nullptr ? hero->GetTransform() : nullptr;
        if (heroTransform != nullptr)
        {
            controller.m_KnockVelocity = {(self->Position.x - heroTransform->Position.x) * StillKnockFactor,
                                          (self->Position.y - heroTransform->Position.y) * StillKnockFactor};
        }
    }
    controller.m_Knocked = true;
    if (object->Name.find("Wasp") != std::string::npos)
    {
        PlaySoundOnce("SFX_Wasp_Death");
    }
}

void UpdateKnockback(Controller& controller)
{
    GameObjectComposition* object = ActorObject(controller);
    Body* body = ActorBody(controller);
    Transform* self = ActorTransform(controller);
    if (object == nullptr || body == nullptr || self == nullptr)
    {
        return;
    }
    const bool spins = object->Name != "KingWasp";
    if (controller.m_KnockTime >= KnockbackSeconds)
    {
        controller.m_KnockTime = 0.0f;
        controller.m_Behavior = controller.m_SavedBehavior;
        controller.m_Knocked = false;
        body->m_Velocity.x = 0.0f;
        body->m_Velocity.y = 0.0f;
        self->Rotation = 0.0f;
        return;
    }
    const float k = 1.0f - controller.m_KnockTime / KnockbackSeconds;
    body->m_Velocity.x = controller.m_KnockVelocity.x * k;
    body->m_Velocity.y = controller.m_KnockVelocity.y * k;
    self->Rotation = spins ? k * KnockSpin : 0.0f;
}

} // namespace Framework
