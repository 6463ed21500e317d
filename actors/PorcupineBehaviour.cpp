#include "actors/Behaviour.h"

#include "audio/Audio.h"
#include "data/Transform.h"
#include "physics/Body.h"

namespace Framework
{

namespace
{
// The porcupine walks at its speed (turned round by reverse volumes) and stops to bristle, with one hiss, while the
// hero is within its homing range; hiding does not fool it.
class PorcupineBehaviour final : public Behaviour
{
public:
    enum class State
    {
        Walk,
        Bristle,
    };
    // The dump shows this one action number whatever the porcupine does.
    static constexpr int ActionNumber = 7;

    explicit PorcupineBehaviour(const BehaviourParams& params)
        : Behaviour(params), m_RangeSquared(params.RangeOfHoming * params.RangeOfHoming),
          m_Heading(params.InitialVelocity)
    {
        m_Heading.Velocity.x = params.Speed;
    }

    void Update(float dt, const BehaviourContext& context) override;
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<PorcupineBehaviour>(); }
    int Action() const override { return ActionNumber; }
    void Reverse(std::uintptr_t volume) override { m_Heading.Reverse(volume); }

private:
    bool HeroNear(const BehaviourContext& context) const;

    float m_RangeSquared;
    Heading m_Heading;
    State m_State = State::Walk;
};

bool PorcupineBehaviour::HeroNear(const BehaviourContext& context) const
{
    const Transform* self = OwnTransform();
    return self != nullptr && HeroWithin(context, self->Position, m_RangeSquared);
}

void PorcupineBehaviour::Update(float, const BehaviourContext& context)
{
    Body* body = OwnBody();
    if (body == nullptr)
    {
        return;
    }
    // The pictures face left: "default" walks left and "Left" is the mirrored walk right.
    const float velocity = m_Heading.Velocity.x;
    if (!HeroNear(context))
    {
        m_State = State::Walk;
        body->m_Velocity.x = velocity;
        SelectAnimation(m_Object, velocity < 0.0f ? "default" : "Left");
        return;
    }
    body->m_Velocity.x = 0.0f;
    if (m_State == State::Walk)
    {
        PlaySoundOnce("SFX_Porcupine");
        m_State = State::Bristle;
    }
    SelectAnimation(m_Object, velocity >= 0.0f ? "Left_Idle" : "Idle");
}
} // namespace

std::unique_ptr<Behaviour> MakePorcupineBehaviour(const BehaviourParams& params)
{
    return std::make_unique<PorcupineBehaviour>(params);
}

} // namespace Framework
