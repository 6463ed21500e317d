#include "gameflow/EnemyTriggers.h"
#include "physics/ContactRecord.h"

#include "actors/BearBehaviour.h"
#include "actors/GameLogicComponent.h"
#include "actors/HeroController.h"
#include "actors/TrapBehaviour.h"
#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "gameflow/GameLogic.h"
#include "physics/Body.h"

namespace Framework
{

namespace
{
GameObjectComposition* OwnerOf(const Body* body)
{
    return body != nullptr ? body->Owner : nullptr;
}

GameLogicComponent* LogicOf(const GameObjectComposition* object)
{
    return object != nullptr ? object->GetGameLogic() : nullptr;
}

BearBehaviour* BearOf(const GameObjectComposition* object)
{
    GameLogicComponent* logic = LogicOf(object);
    return logic != nullptr ? logic->As<BearBehaviour>() : nullptr;
}

const ContactRecord* ContactOf(IMessage* message)
{
    if (message == nullptr || message->MessageId != Contact)
    {
        return nullptr;
    }
    return &static_cast<ContactMessage*>(message)->Record;
}
} // namespace

void AttackTrigger::Initialize()
{
    if (GameLogic* logic = CORE != nullptr ? CORE->m_GameLogic : nullptr)
    {
        logic->PlayerController().SetAttackObject(Owner);
    }
}

void AttackTrigger::SendMessage(IMessage* message)
{
    const ContactRecord* contact = ContactOf(message);
    if (contact == nullptr)
    {
        return;
    }
    GameObjectComposition* a = OwnerOf(contact->m_BodyA);
    GameObjectComposition* b = OwnerOf(contact->m_BodyB);
    GameObjectComposition* target = a != nullptr && a->GetEnemy() != nullptr   ? a
                                    : b != nullptr && b->GetEnemy() != nullptr ? b
                                                                               : nullptr;
    GameLogicComponent* logic = LogicOf(target);
    GameLogic* flow = CORE != nullptr ? CORE->m_GameLogic : nullptr;
    if (logic != nullptr && flow != nullptr && flow->PlayerController().State() == HeroRoll)
    {
        logic->Hit(flow->MakeBehaviourContext());
    }
}

IComponent* TrapTrigger::Clone() const
{
    auto* copy = new TrapTrigger();
    copy->m_TrapTimer = m_TrapTimer;
    copy->m_Triggered = m_Triggered;
    copy->m_TrapAnimation = m_TrapAnimation;
    return copy;
}

void TrapTrigger::SendMessage(IMessage* message)
{
    const ContactRecord* contact = ContactOf(message);
    GameLogicComponent* logic = LogicOf(Owner);
    TrapBehaviour* trap = logic != nullptr ? logic->As<TrapBehaviour>() : nullptr;
    if (contact == nullptr || trap == nullptr || trap->IsShut())
    {
        return;
    }
    if (IsHeroContact(*contact))
    {
        trap->Close(m_TrapTimer, m_TrapAnimation);
    }
    BearBehaviour* bear = BearOf(OwnerOf(contact->m_BodyA));
    bear = bear != nullptr ? bear : BearOf(OwnerOf(contact->m_BodyB));
    if (bear == nullptr || m_Triggered)
    {
        return;
    }
    m_TrapTimer = BearTrapSeconds;
    m_Triggered = true;
    trap->Close(BearTrapSeconds, m_TrapAnimation);
    bear->Catch();
}

void TrapTrigger::DescribeFields(FieldList& fields)
{
    fields.Number("m_TrapTimer", m_TrapTimer);
    fields.String("m_TrapAnimation", m_TrapAnimation);
}

void ReverseVelocityTrigger::SendMessage(IMessage* message)
{
    const ContactRecord* contact = ContactOf(message);
    if (contact == nullptr || IsHeroContact(*contact))
    {
        return;
    }
    const auto id = reinterpret_cast<std::uintptr_t>(Owner);
    for (GameObjectComposition* object : {OwnerOf(contact->m_BodyA), OwnerOf(contact->m_BodyB)})
    {
        if (GameLogicComponent* logic = LogicOf(object))
        {
            logic->Reverse(id);
        }
    }
}

} // namespace Framework
