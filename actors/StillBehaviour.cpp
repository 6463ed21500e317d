#include "actors/Behaviour.h"

#include "physics/Body.h"

namespace Framework
{

namespace
{
// Holds the actor where it stands: whatever the physics step added (gravity included) is taken away every frame.
class StillBehaviour final : public Behaviour
{
public:
    explicit StillBehaviour(const BehaviourParams& params) : Behaviour(params), m_Action(params.Action) {}

    void Update(float, const BehaviourContext&) override
    {
        if (Body* body = OwnBody())
        {
            body->m_Velocity = {0.0f, 0.0f, 0.0f};
        }
    }
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<StillBehaviour>(); }
    // The still actor keeps the action the data gave it.
    int Action() const override { return m_Action; }

private:
    int m_Action;
};
} // namespace

std::unique_ptr<Behaviour> MakeStillBehaviour(const BehaviourParams& params)
{
    return std::make_unique<StillBehaviour>(params);
}

} // namespace Framework
