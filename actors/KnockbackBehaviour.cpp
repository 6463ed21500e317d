#include "actors/KnockbackBehaviour.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "physics/Body.h"

#include <cmath>

namespace Framework
{

namespace
{
// Knock speed as a multiple of the enemy's own velocity, for most enemies and for one that bounces the hero.
constexpr float KnockFactor = -18.0f;
constexpr float BouncerKnockFactor = -4.0f;
// A knocked enemy that stood still flies off at this multiple of its offset from the hero.
constexpr float StillKnockFactor = 10.0f;
// Below this an enemy counts as standing still when it is hit.
constexpr float StillSpeed = 0.0001f;
// Two full turns, in radians, spun over the knock-back.
constexpr float KnockSpin = 12.566371f;

BehaviourParams KnockbackParams()
{
    BehaviourParams params;
    params.Kind = static_cast<int>(BehaviourKind::Knockback);
    return params;
}
} // namespace

std::unique_ptr<KnockbackBehaviour> KnockbackBehaviour::Start(const Behaviour& hit, const BehaviourContext& context)
{
    GameObjectComposition* object = hit.Object();
    const Body* body = hit.OwnBody();
    const Transform* self = hit.OwnTransform();
    if (object == nullptr || body == nullptr || self == nullptr)
    {
        return nullptr;
    }
    // The king wasp is the enemy that bounces the hero: it only staggers, without spinning.
    const bool bounces = object->GetKibbetBounceTrigger() != nullptr;
    if (bounces && context.Events != nullptr)
    {
        context.Events->HeroBounced(object);
    }
    const float factor = bounces ? BouncerKnockFactor : KnockFactor;
    Vec2 velocity{body->m_Velocity.x * factor, body->m_Velocity.y * factor};
    const Transform* hero = HeroTransform(context);
    if (std::fabs(velocity.x) <= StillSpeed && std::fabs(velocity.y) <= StillSpeed && hero != nullptr)
    {
        velocity = {(self->Position.x - hero->Position.x) * StillKnockFactor,
                    (self->Position.y - hero->Position.y) * StillKnockFactor};
    }
    if (const char* sound = hit.HitSound())
    {
        PlaySoundOnce(sound);
    }
    return std::make_unique<KnockbackBehaviour>(hit, velocity, !bounces);
}

KnockbackBehaviour::KnockbackBehaviour(const Behaviour& hit, Vec2 velocity, bool spins)
    : Behaviour(KnockbackParams()), m_Action(hit.Action()), m_Velocity(velocity), m_Spins(spins)
{
    m_Object = hit.Object();
    m_Home = hit.Home();
}

void KnockbackBehaviour::Update(float dt, const BehaviourContext&)
{
    Body* body = OwnBody();
    Transform* self = OwnTransform();
    m_Time += dt;
    if (body == nullptr || self == nullptr || m_Finished)
    {
        return;
    }
    if (m_Time >= KnockbackSeconds)
    {
        m_Finished = true;
        body->m_Velocity.x = 0.0f;
        body->m_Velocity.y = 0.0f;
        self->Rotation = 0.0f;
        return;
    }
    const float k = 1.0f - m_Time / KnockbackSeconds;
    body->m_Velocity.x = m_Velocity.x * k;
    body->m_Velocity.y = m_Velocity.y * k;
    self->Rotation = m_Spins ? k * KnockSpin : 0.0f;
}

} // namespace Framework
