#include "actors/WaspFlight.h"

#include "data/Transform.h"
#include "physics/Body.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

WaspFlight::WaspFlight(const BehaviourParams& params)
    : m_RangeSquared(params.RangeOfHoming * params.RangeOfHoming), m_HomingSpeed(params.HomingSpeed),
      m_Speed(params.Speed)
{
}

bool WaspFlight::Notices(Vec2 from, const BehaviourContext& context) const
{
    return !context.HeroHidden && HeroWithin(context, from, m_RangeSquared);
}

void WaspFlight::Chase(const Behaviour& actor, const BehaviourContext& context) const
{
    const Transform* self = actor.OwnTransform();
    const Transform* hero = HeroTransform(context);
    Body* body = actor.OwnBody();
    if (self == nullptr || hero == nullptr || body == nullptr)
    {
        return;
    }
    // Standing on the hero gives no direction: the actor holds still instead of flying off as NaN.
    const Vec2 direction = UnitVector({hero->Position.x - self->Position.x, hero->Position.y - self->Position.y});
    const Vec2 velocity{direction.x * m_HomingSpeed, direction.y * m_HomingSpeed};
    SelectAnimation(actor.Object(), velocity.x > 0.0f ? "default" : "Left");
    body->m_Velocity = {velocity.x, velocity.y, 0.0f};
}

bool WaspFlight::FlyHome(const Behaviour& actor, Vec2 home, float dt) const
{
    Transform* self = actor.OwnTransform();
    Body* body = actor.OwnBody();
    if (self == nullptr || body == nullptr)
    {
        return false;
    }
    const float dx = home.x - self->Position.x;
    const float dy = home.y - self->Position.y;
    // A fast actor covers more than a unit a frame: it arrives when this frame's step would reach home,
    // and lands exactly there instead of swinging around it.
    const float step = std::fabs(m_Speed) * dt;
    if (std::sqrt(dx * dx + dy * dy) <= std::max(step, 1.0f))
    {
        self->Position = home;
        body->m_Velocity = {0.0f, 0.0f, 0.0f};
        return true;
    }
    const Vec2 direction = UnitVector({dx, dy});
    SelectAnimation(actor.Object(), direction.x > 0.0f ? "default" : "Left");
    body->m_Velocity = {direction.x * m_Speed, direction.y * m_Speed, 0.0f};
    return false;
}

} // namespace Framework
