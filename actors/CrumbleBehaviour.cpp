#include "actors/Behaviour.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/GraphicsComponent.h"
#include "physics/Body.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// The hero stands on the ledge when its feet are this close to the ledge's top (the physics leaves a landed hero
// sunk a hair into it) and it is not moving up or down faster than this.
constexpr float FootTolerance = 6.0f;
constexpr float StandingSpeed = 1.0f;
// The fall: seconds the pieces take to drop away and fade, and how fast they drop (units per second per second).
constexpr float FallSeconds = 0.6f;
constexpr float FallAcceleration = 900.0f;
// Seconds the ledge takes to fade back in at its place.
constexpr float ReturnFadeSeconds = 0.25f;

// The lowest and highest x and y of a polygon's world vertices.
struct Extent
{
    float Left = 0.0f;
    float Right = 0.0f;
    float Bottom = 0.0f;
    float Top = 0.0f;
};

bool ExtentOf(const Body* body, Extent& out)
{
    if (body == nullptr || body->m_Polygon.m_Vertices.empty())
    {
        return false;
    }
    const Vec3& first = body->m_Polygon.m_Vertices.front();
    out = {first.x, first.x, first.y, first.y};
    for (const Vec3& v : body->m_Polygon.m_Vertices)
    {
        out.Left = std::min(out.Left, v.x);
        out.Right = std::max(out.Right, v.x);
        out.Bottom = std::min(out.Bottom, v.y);
        out.Top = std::max(out.Top, v.y);
    }
    return true;
}

// A ledge (a static body, like a platform) that holds until the hero stands on it, then shakes with a crackle for
// m_Delay seconds, crumbles away (no longer solid) and comes back whole at its place m_ReturnTime seconds after it
// began to fall, or once the hero is out of that place. The hero back at a checkpoint puts it back at once.
class CrumbleBehaviour final : public Behaviour
{
public:
    // The ledge's actions as the state dump shows them.
    enum class State : int
    {
        Whole = 0,
        Shake = 1,
        Fall = 2,
        Gone = 3,
    };

    explicit CrumbleBehaviour(const BehaviourParams& params)
        : Behaviour(params), m_Delay(std::max(params.Delay, 0.0f)),
          m_ReturnTime(std::max(params.ReturnTime, FallSeconds))
    {
    }

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<CrumbleBehaviour>(); }
    int Action() const override { return static_cast<int>(m_State); }
    bool HeroRespawned() override;
    // The hero's roll does not knock a ledge about.
    bool Knockable() const override { return false; }

private:
    bool HeroStandsOn(const BehaviourContext& context) const;
    bool HeroInPlace(const BehaviourContext& context) const;
    void Fall(float dt, const BehaviourContext& context);
    void Restore();
    void SetAlpha(float alpha) const;

    float m_Delay;
    float m_ReturnTime;
    State m_State = State::Whole;
    // Seconds in the state; a whole ledge fades in over its first ReturnFadeSeconds, so it starts past them.
    float m_Timer = ReturnFadeSeconds;
};

bool CrumbleBehaviour::HeroStandsOn(const BehaviourContext& context) const
{
    const Body* heroBody = context.Hero != nullptr ? context.Hero->GetBody() : nullptr;
    Extent hero;
    Extent ledge;
    if (!ExtentOf(heroBody, hero) || !ExtentOf(OwnBody(), ledge))
    {
        return false;
    }
    return hero.Right > ledge.Left && hero.Left < ledge.Right && std::fabs(hero.Bottom - ledge.Top) <= FootTolerance &&
           std::fabs(heroBody->m_Velocity.y) <= StandingSpeed;
}

void CrumbleBehaviour::Update(float dt, const BehaviourContext& context)
{
    if (OwnBody() == nullptr || OwnTransform() == nullptr)
    {
        return;
    }
    m_Timer += dt;
    switch (m_State)
    {
    case State::Whole:
        SetAlpha(std::min(1.0f, m_Timer / ReturnFadeSeconds));
        if (HeroStandsOn(context))
        {
            m_State = State::Shake;
            m_Timer = 0.0f;
            SetAlpha(1.0f);
            SelectAnimation(m_Object, "Shake");
            PlaySoundOnce("SFX_Ledge_Crumble");
        }
        break;
    case State::Shake:
        if (m_Timer >= m_Delay)
        {
            m_State = State::Fall;
            m_Timer = 0.0f;
            OwnBody()->m_Solid = false;
            SelectAnimation(m_Object, "Crumble", false);
        }
        break;
    case State::Fall:
    case State::Gone:
        Fall(dt, context);
        break;
    }
}

// The pieces drop and fade; the body stays where it fell, invisible and not solid, until the ledge returns.
void CrumbleBehaviour::Fall(float dt, const BehaviourContext& context)
{
    Body* body = OwnBody();
    if (m_State == State::Fall)
    {
        body->m_Velocity.y -= FallAcceleration * dt;
        SetAlpha(std::max(0.0f, 1.0f - m_Timer / FallSeconds));
        if (m_Timer >= FallSeconds)
        {
            m_State = State::Gone;
            body->m_Velocity = {0.0f, 0.0f, 0.0f};
            SetAlpha(0.0f);
        }
    }
    if (m_Timer >= m_ReturnTime && !HeroInPlace(context))
    {
        Restore();
    }
}

// Whether the hero overlaps the ledge's place: it waits to return until the hero is out of it, rather than
// appear around the hero and throw it out.
bool CrumbleBehaviour::HeroInPlace(const BehaviourContext& context) const
{
    const Transform* self = OwnTransform();
    Extent hero;
    Extent ledge;
    if (self == nullptr || !ExtentOf(context.Hero != nullptr ? context.Hero->GetBody() : nullptr, hero) ||
        !ExtentOf(OwnBody(), ledge))
    {
        return false;
    }
    const float dx = m_Home.x - self->Position.x;
    const float dy = m_Home.y - self->Position.y;
    return hero.Right > ledge.Left + dx && hero.Left < ledge.Right + dx && hero.Top > ledge.Bottom + dy &&
           hero.Bottom < ledge.Top + dy;
}

void CrumbleBehaviour::Restore()
{
    ReturnHome();
    OwnBody()->m_Solid = true;
    m_State = State::Whole;
    m_Timer = 0.0f;
    SetAlpha(0.0f);
    SelectAnimation(m_Object, "default");
}

void CrumbleBehaviour::SetAlpha(float alpha) const
{
    if (GraphicsComponent* graphics = m_Object != nullptr ? m_Object->GetGraphics() : nullptr)
    {
        graphics->m_Alpha = alpha;
    }
}

bool CrumbleBehaviour::HeroRespawned()
{
    if (m_State != State::Whole && OwnBody() != nullptr)
    {
        Restore();
        SetAlpha(1.0f);
        m_Timer = ReturnFadeSeconds;
    }
    return true;
}
} // namespace

std::unique_ptr<Behaviour> MakeCrumbleBehaviour(const BehaviourParams& params)
{
    return std::make_unique<CrumbleBehaviour>(params);
}

} // namespace Framework
