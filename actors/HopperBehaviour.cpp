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
// A leap shorter than this, or a speed below it, would never end: the frog then only sits and croaks.
constexpr float LeastLeap = 1.0f;

// The frog sits, croaks in warning, then leaps along a fixed arc in its heading and lands at the height it left
// from. Its speed (m_Speed, negative to start leftwards) is the leap's speed along the ground; m_LeapLength and
// m_LeapHeight shape the arc; it sits m_Period seconds between leaps, croaking for the last m_Delay of them.
// Reverse volumes turn it round (mid-leap too). Like every enemy it moves only by its own path: the physics
// never lets it fall, so it must be placed standing on the flat ground it leaps along, and it keeps that height.
class HopperBehaviour final : public Behaviour
{
public:
    // The frog's actions as the state dump shows them.
    enum class State : int
    {
        Sit = 0,
        Croak = 1,
        Leap = 2,
    };

    explicit HopperBehaviour(const BehaviourParams& params)
        : Behaviour(params), m_StartDirection(params.Speed < 0.0f ? -1.0f : 1.0f), m_Heading(m_StartDirection),
          m_Speed(std::fabs(params.Speed)), m_Height(params.LeapHeight), m_Length(params.LeapLength),
          m_Period(std::max(params.Period, 0.0f)), m_Delay(std::clamp(params.Delay, 0.0f, m_Period))
    {
    }

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<HopperBehaviour>(); }
    int Action() const override { return static_cast<int>(m_State); }
    void Reverse(std::uintptr_t volume) override { m_Heading.Reverse(volume); }
    bool HeroRespawned() override;
    const char* HitSound() const override { return "SFX_Frog_Croak"; }

private:
    // The arc's height above the take-off point after the given share (0..1) of the leap.
    float ArcHeight(float share) const { return 4.0f * m_Height * share * (1.0f - share); }
    void Sit(float dt);
    void Leap(float dt, Transform& self);
    void Show() const;

    // 1 or -1; the heading's x is the direction the frog faces and leaps.
    float m_StartDirection;
    Heading m_Heading;
    float m_Speed;
    float m_Height;
    float m_Length;
    float m_Period;
    float m_Delay;
    State m_State = State::Sit;
    // Seconds since it sat down, or since the leap began.
    float m_Timer = 0.0f;
};

void HopperBehaviour::Update(float dt, const BehaviourContext&)
{
    Transform* self = OwnTransform();
    Body* body = OwnBody();
    if (self == nullptr || body == nullptr)
    {
        return;
    }
    // The behaviour places the frog itself each frame; a velocity left on the body would add to that.
    body->m_Velocity = {0.0f, 0.0f, 0.0f};
    if (m_State == State::Leap)
    {
        Leap(dt, *self);
    }
    else
    {
        self->Position.y = m_Home.y;
        Sit(dt);
    }
    Show();
}

void HopperBehaviour::Sit(float dt)
{
    m_Timer += dt;
    if (m_State == State::Sit && m_Timer >= m_Period - m_Delay)
    {
        m_State = State::Croak;
        PlaySoundOnce("SFX_Frog_Croak");
    }
    const bool canLeap = m_Speed >= LeastLeap && m_Length >= LeastLeap;
    if (m_State == State::Croak && m_Timer >= m_Period && canLeap)
    {
        m_State = State::Leap;
        m_Timer = 0.0f;
    }
    else if (m_State == State::Croak && m_Timer >= m_Period)
    {
        m_State = State::Sit;
        m_Timer = 0.0f;
    }
}

// The frog's ground is the height it was placed at: every leap leaves and lands there, and a frog knocked off it
// by a roll is back on it when it moves again.
void HopperBehaviour::Leap(float dt, Transform& self)
{
    const float duration = m_Length / m_Speed;
    const float before = std::min(m_Timer / duration, 1.0f);
    m_Timer += dt;
    const float after = std::min(m_Timer / duration, 1.0f);
    self.Position.x += m_Heading.Velocity.x * m_Length * (after - before);
    self.Position.y = m_Home.y + ArcHeight(after);
    if (after >= 1.0f)
    {
        m_State = State::Sit;
        m_Timer = 0.0f;
    }
}

void HopperBehaviour::Show() const
{
    const bool left = m_Heading.Velocity.x < 0.0f;
    switch (m_State)
    {
    case State::Sit:
        SelectAnimation(m_Object, left ? "Left" : "default");
        break;
    case State::Croak:
        SelectAnimation(m_Object, left ? "Croak_Left" : "Croak");
        break;
    case State::Leap:
        SelectAnimation(m_Object, left ? "Leap_Left" : "Leap", false);
        break;
    }
}

bool HopperBehaviour::HeroRespawned()
{
    ReturnHome();
    m_Heading = Heading(m_StartDirection);
    m_State = State::Sit;
    m_Timer = 0.0f;
    Show();
    return true;
}
} // namespace

std::unique_ptr<Behaviour> MakeHopperBehaviour(const BehaviourParams& params)
{
    return std::make_unique<HopperBehaviour>(params);
}

} // namespace Framework
