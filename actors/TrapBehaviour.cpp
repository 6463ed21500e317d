#include "actors/TrapBehaviour.h"

#include "audio/Audio.h"
#include "data/GameObjectComposition.h"
#include "gameflow/EnemyTriggers.h"

namespace Framework
{

namespace
{
// The reopen timer counts down to this rather than to zero, so float rounding cannot keep a trap shut.
constexpr float ReopenThreshold = 0.0001f;
} // namespace

std::unique_ptr<Behaviour> MakeTrapBehaviour(const BehaviourParams& params)
{
    return std::make_unique<TrapBehaviour>(params);
}

void TrapBehaviour::Close(float delay, const std::string& animation)
{
    if (m_State == State::Shut)
    {
        return;
    }
    m_State = State::Shut;
    m_ReopenTimer = delay;
    SelectAnimation(m_Object, animation, false);
    PlaySoundOnce("SFX_Trap_Close");
}

void TrapBehaviour::Update(float dt, const BehaviourContext&)
{
    if (m_State == State::Open)
    {
        return;
    }
    m_ReopenTimer -= dt;
    if (m_ReopenTimer >= ReopenThreshold)
    {
        return;
    }
    SelectAnimation(m_Object, "default");
    if (TrapTrigger* trigger = m_Object != nullptr ? m_Object->GetTrapTrigger() : nullptr)
    {
        trigger->m_Triggered = false;
    }
    PlaySoundOnce("SFX_Trap_Open");
    m_State = State::Open;
}

} // namespace Framework
