#include "actors/WaspFlight.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "physics/Body.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// Follows a closed path of points relative to home at the data's initial velocity. An enemy (an object with an
// Enemy component) chases the visible hero that comes within its homing range and takes up its path again from
// wherever the chase left it; a path-follower that is no enemy (the cloud platform) never turns on the hero.
class PathWaspBehaviour final : public Behaviour
{
public:
    // The path wasp's actions, numbered as the data files give them.
    enum class State : int
    {
        Chase = 5,
        FollowPath = 13,
    };

    explicit PathWaspBehaviour(const BehaviourParams& params)
        : Behaviour(params), m_Flight(params), m_Heading(params.InitialVelocity),
          m_State(static_cast<State>(params.Action)), m_Path(params.Path)
    {
    }

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<PathWaspBehaviour>(); }
    int Action() const override { return static_cast<int>(m_State); }
    void Reverse(std::uintptr_t volume) override { m_Heading.Reverse(volume); }
    const char* HitSound() const override { return "SFX_Wasp_Death"; }

private:
    void FollowPath(float dt);

    WaspFlight m_Flight;
    // Only the speed along the path is used; a reverse volume turns it round.
    Heading m_Heading;
    State m_State;
    std::vector<Vec3> m_Path;
    // The next point; the path's size stands for the leg home that closes it.
    unsigned m_PathIndex = 0;
    // Until its first chase it watches over its home; afterwards it measures from where it flies.
    bool m_Provoked = false;
};

void PathWaspBehaviour::Update(float dt, const BehaviourContext& context)
{
    const Transform* self = OwnTransform();
    if (self == nullptr || OwnBody() == nullptr)
    {
        return;
    }
    const bool notices =
        m_Object->GetEnemy() != nullptr && m_Flight.Notices(m_Provoked ? self->Position : m_Home, context);
    if (!notices && m_State == State::Chase)
    {
        m_State = State::FollowPath;
    }
    else if (notices && m_State != State::Chase)
    {
        PlaySoundOnce("SFX_Wasp_Angry");
        m_Provoked = true;
        m_State = State::Chase;
    }
    if (m_State == State::Chase)
    {
        m_Flight.Chase(*this, context);
    }
    else if (m_State == State::FollowPath)
    {
        FollowPath(dt);
    }
}

// After its last point the actor flies back home before taking the first point again, so a path of one point is
// a there-and-back track (a cloud platform) instead of a stop at its far end.
void PathWaspBehaviour::FollowPath(float dt)
{
    Transform& self = *OwnTransform();
    const float speed = m_Heading.Initial;
    // Arrive when this frame's step reaches the point, so a fast actor does not circle it for ever.
    const float reach = std::max(std::fabs(speed) * dt, 1.0f);
    const auto arrived = [&](Vec2 point)
    {
        const float dx = point.x - self.Position.x;
        const float dy = point.y - self.Position.y;
        return std::sqrt(dx * dx + dy * dy) <= reach;
    };
    Vec2 target = m_Home;
    const auto count = static_cast<unsigned>(m_Path.size());
    // At most one point is reached a frame: reaching one hands over to the next target at once.
    for (int step = 0; step < 2 && count > 0; ++step)
    {
        target =
            m_PathIndex < count ? Vec2{m_Home.x + m_Path[m_PathIndex].x, m_Home.y + m_Path[m_PathIndex].y} : m_Home;
        if (step == 1 || !arrived(target))
        {
            break;
        }
        self.Position = target;
        m_PathIndex = m_PathIndex < count ? m_PathIndex + 1 : 0;
    }
    const Vec2 direction = UnitVector({target.x - self.Position.x, target.y - self.Position.y});
    OwnBody()->m_Velocity = {direction.x * speed, direction.y * speed, 0.0f};
    SelectAnimation(m_Object, direction.x > 0.0f ? "moveRight" : "moveLeft");
}
} // namespace

std::unique_ptr<Behaviour> MakePathWaspBehaviour(const BehaviourParams& params)
{
    return std::make_unique<PathWaspBehaviour>(params);
}

} // namespace Framework
