#include "actors/Behaviour.h"

#include "audio/Audio.h"
#include "data/Transform.h"
#include "physics/Body.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// The hover's bob: how far up and down from its place, and the seconds of one bob.
constexpr float BobHeight = 10.0f;
constexpr float BobSeconds = 1.2f;
constexpr float TwoPi = 6.2831853f;
// The hero counts as below only this far under the dragonfly's place, so one level with it is left alone.
constexpr float BelowMargin = 40.0f;
// The climb back takes at least this speed, so a dragonfly given none still comes home.
constexpr float LeastClimbSpeed = 20.0f;

// The dragonfly hovers, bobbing, at its place. When the visible hero passes below it within m_RangeOfHoming, it
// shivers with a buzz for m_Delay seconds, dives in a straight line at m_HomingSpeed to where the hero was when
// it noticed, then climbs back to its place at m_Speed and hovers again.
class DiverBehaviour final : public Behaviour
{
public:
    // The dragonfly's actions as the state dump shows them.
    enum class State : int
    {
        Hover = 0,
        Shiver = 1,
        Dive = 2,
        Climb = 3,
    };

    explicit DiverBehaviour(const BehaviourParams& params)
        : Behaviour(params), m_RangeSquared(params.RangeOfHoming * params.RangeOfHoming),
          m_DiveSpeed(std::max(params.HomingSpeed, LeastClimbSpeed)),
          m_ClimbSpeed(std::max(params.Speed, LeastClimbSpeed)), m_Delay(std::max(params.Delay, 0.0f))
    {
    }

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<DiverBehaviour>(); }
    int Action() const override { return static_cast<int>(m_State); }
    bool HeroRespawned() override;
    const char* HitSound() const override { return "SFX_Wasp_Death"; }

private:
    bool Notices(const BehaviourContext& context) const;
    void Hover(Transform& self, const BehaviourContext& context);
    // Moves towards the point at the speed; true once there.
    static bool FlyTo(Transform& self, Vec2 point, float speed, float dt);
    void Show() const;

    float m_RangeSquared;
    float m_DiveSpeed;
    float m_ClimbSpeed;
    float m_Delay;
    State m_State = State::Hover;
    float m_Timer = 0.0f;
    Vec2 m_Target;
    // Where it put itself last frame; only read in a shiver or dive, which a hover frame always precedes.
    Vec2 m_Placed;
    bool m_FacesLeft = false;
};

bool DiverBehaviour::Notices(const BehaviourContext& context) const
{
    const Transform* hero = HeroTransform(context);
    return hero != nullptr && !context.HeroHidden && hero->Position.y < m_Home.y - BelowMargin &&
           HeroWithin(context, m_Home, m_RangeSquared);
}

void DiverBehaviour::Update(float dt, const BehaviourContext& context)
{
    Transform* self = OwnTransform();
    Body* body = OwnBody();
    if (self == nullptr || body == nullptr)
    {
        return;
    }
    // The behaviour places the dragonfly itself each frame; a velocity left on the body would add to that.
    body->m_Velocity = {0.0f, 0.0f, 0.0f};
    m_Timer += dt;
    // Only a roll's tumble moves it besides itself: knocked out of a shiver or a dive, it gives up and climbs home.
    const bool knocked = std::fabs(self->Position.x - m_Placed.x) + std::fabs(self->Position.y - m_Placed.y) > 1.0f;
    if (knocked && (m_State == State::Shiver || m_State == State::Dive))
    {
        m_State = State::Climb;
        m_FacesLeft = m_Home.x < self->Position.x;
    }
    switch (m_State)
    {
    case State::Hover:
        Hover(*self, context);
        break;
    case State::Shiver:
        if (m_Timer >= m_Delay)
        {
            m_State = State::Dive;
        }
        break;
    case State::Dive:
        if (FlyTo(*self, m_Target, m_DiveSpeed, dt))
        {
            m_State = State::Climb;
            m_FacesLeft = m_Home.x < self->Position.x;
        }
        break;
    case State::Climb:
        if (FlyTo(*self, m_Home, m_ClimbSpeed, dt))
        {
            m_State = State::Hover;
            m_Timer = 0.0f;
        }
        break;
    }
    m_Placed = self->Position;
    Show();
}

void DiverBehaviour::Hover(Transform& self, const BehaviourContext& context)
{
    if (Notices(context))
    {
        const Transform* hero = HeroTransform(context);
        m_Target = hero->Position;
        m_FacesLeft = m_Target.x < self.Position.x;
        m_State = State::Shiver;
        m_Timer = 0.0f;
        PlaySoundOnce("SFX_Dragonfly_Buzz");
        return;
    }
    // Knocked away from its place, it climbs back before it bobs there again.
    if (std::fabs(self.Position.x - m_Home.x) + std::fabs(self.Position.y - m_Home.y) > 2.0f * BobHeight + 1.0f)
    {
        m_State = State::Climb;
        m_FacesLeft = m_Home.x < self.Position.x;
        return;
    }
    self.Position = {m_Home.x, m_Home.y + BobHeight * std::sin(TwoPi * m_Timer / BobSeconds)};
}

bool DiverBehaviour::FlyTo(Transform& self, Vec2 point, float speed, float dt)
{
    const Vec2 offset{point.x - self.Position.x, point.y - self.Position.y};
    const float distance = std::sqrt(offset.x * offset.x + offset.y * offset.y);
    const float step = speed * dt;
    if (distance <= step)
    {
        self.Position = point;
        return true;
    }
    self.Position.x += offset.x / distance * step;
    self.Position.y += offset.y / distance * step;
    return false;
}

void DiverBehaviour::Show() const
{
    switch (m_State)
    {
    case State::Hover:
    case State::Climb:
        SelectAnimation(m_Object, m_FacesLeft ? "Left" : "default");
        break;
    case State::Shiver:
        SelectAnimation(m_Object, m_FacesLeft ? "Shiver_Left" : "Shiver");
        break;
    case State::Dive:
        SelectAnimation(m_Object, m_FacesLeft ? "Dive_Left" : "Dive");
        break;
    }
}

bool DiverBehaviour::HeroRespawned()
{
    ReturnHome();
    m_State = State::Hover;
    m_Timer = 0.0f;
    Show();
    return true;
}
} // namespace

std::unique_ptr<Behaviour> MakeDiverBehaviour(const BehaviourParams& params)
{
    return std::make_unique<DiverBehaviour>(params);
}

} // namespace Framework
