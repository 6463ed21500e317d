#include "gameflow/EnemyTriggers.h"
#include "physics/ContactRecord.h"

#include "actors/EnemyBehaviours.h"
#include "actors/GameLogicComponent.h"
#include "actors/HeroController.h"
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

Controller* ControllerOf(const GameObjectComposition* object)
{
    GameLogicComponent* logic = object != nullptr ? object->GetGameLogic() : nullptr;
    return logic != nullptr ? &logic->m_Controller : nullptr;
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
    Controller* controller = ControllerOf(target);
    if (controller != nullptr && CORE != nullptr && CORE->m_GameLogic != nullptr &&
        CORE->m_GameLogic->PlayerController().State() == HeroRoll)
    {
        HitEnemy(*controller);
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
    Controller* trap = ControllerOf(Owner);
    if (contact == nullptr || trap == nullptr || trap->m_TrapClosed)
    {
        return;
    }
    if (IsHeroContact(*contact))
    {
        CloseTrap(*trap, m_TrapTimer, m_TrapAnimation);
    }
    GameObjectComposition* a = OwnerOf(contact->m_BodyA);
    GameObjectComposition* b = OwnerOf(contact->m_BodyB);
    GameObjectComposition* bear = a != nullptr && a->Name == "Bear"   ? a
                                  : b != nullptr && b->Name == "Bear" ? b
                                                                      : nullptr;
    if (bear == nullptr || m_Triggered)
    {
        return;
    }
    m_TrapTimer = BearTrapSeconds;
    m_Triggered = true;
    CloseTrap(*trap, BearTrapSeconds, m_TrapAnimation);
    if (Controller* controller = ControllerOf(bear))
    {
        controller->m_BearTimer = 0.0f;
        controller->m_Action = BearCaught;
        controller->m_PreviousAction = BearCaught;
    }
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
        Controller* controller = ControllerOf(object);
        if (controller != nullptr && object->Name != "Wasp_Attack_Red")
        {
            ReverseDirection(*controller, id);
        }
    }
}

} // namespace Framework
