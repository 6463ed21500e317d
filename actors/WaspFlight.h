#pragma once

#include "actors/Behaviour.h"

namespace Framework
{

// The homing the two wasp kinds share: noticing the hero, the chase and the flight home.
class WaspFlight
{
public:
    explicit WaspFlight(const BehaviourParams& params);

    // Whether the hero is visible (not hiding) and within homing range of the point.
    bool Notices(Vec2 from, const BehaviourContext& context) const;
    // Flies the actor at the hero at the homing speed, facing its way; standing on the hero it holds still.
    void Chase(const Behaviour& actor, const BehaviourContext& context) const;
    // Flies the actor towards home at the return speed; true on the frame it lands exactly there and stops.
    bool FlyHome(const Behaviour& actor, Vec2 home, float dt) const;

private:
    float m_RangeSquared;
    float m_HomingSpeed;
    float m_Speed;
};

} // namespace Framework
