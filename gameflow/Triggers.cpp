#include "gameflow/Triggers.h"

#include "actors/GameLogicComponent.h"
#include "actors/HeroController.h"
#include "actors/TrapBehaviour.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "gameflow/GameLogic.h"
#include "gameflow/HUD.h"
#include "gameflow/ILevel.h"
#include "gameflow/TriggerSupport.h"
#include "graphics/Emitter.h"
#include "physics/Body.h"
#include "physics/ContactRecord.h"
#include "physics/Polygon.h"
#include "platform/Log.h"

namespace Framework
{

namespace
{
// A trap object whose jaws are shut is harmless until it opens again.
bool IsClosedTrap(const GameObjectComposition* object)
{
    const GameLogicComponent* logic = object != nullptr ? object->GetGameLogic() : nullptr;
    const TrapBehaviour* trap = logic != nullptr ? logic->As<TrapBehaviour>() : nullptr;
    return trap != nullptr && trap->IsShut();
}

// Rolling, the hero passes through death volumes unharmed.
bool HeroIsRolling()
{
    GameLogic* logic = TheGameLogic();
    return logic != nullptr && logic->PlayerController().State() == HeroRoll;
}
} // namespace

void Trigger::SendMessage(IMessage* message)
{
    if (message == nullptr || message->MessageId != Contact)
    {
        return;
    }
    OnContact(static_cast<ContactMessage*>(message)->Record);
}

void Trigger::DescribeFields(FieldList& fields)
{
    fields.EmptyBlockMayBeOneToken();
}

void Trigger::DestroyOwnObject() const
{
    if (CORE != nullptr && CORE->m_Factory != nullptr && Owner != nullptr)
    {
        CORE->m_Factory->DestroyObject(Owner);
    }
}

IComponent* AudioTrigger::Clone() const
{
    auto* copy = new AudioTrigger();
    copy->Owner = Owner;
    copy->System = System;
    copy->m_TrackName = m_TrackName;
    copy->m_IsBGM = m_IsBGM;
    return copy;
}

void AudioTrigger::DescribeFields(FieldList& fields)
{
    fields.String("m_TrackName", m_TrackName);
    fields.Bool("m_IsBGM", m_IsBGM);
}

void AudioTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    Audio* audio = TheAudio();
    SoundRecord* sound = audio != nullptr ? audio->FindSound(m_TrackName) : nullptr;
    if (sound != nullptr && sound->m_IsMusic)
    {
        // A plain play would take the one music stream without making the track current; music
        // changes belong to a SoundTrigger with m_IsBGM.
        LogOnce("AudioTrigger names the music track \"" + m_TrackName + "\"; use a SoundTrigger with m_IsBGM");
    }
    else if (audio != nullptr)
    {
        audio->PlaySound(m_TrackName);
    }
    DestroyOwnObject();
}

IComponent* CheckpointTrigger::Clone() const
{
    auto* copy = new CheckpointTrigger();
    copy->Owner = Owner;
    copy->System = System;
    copy->m_Active = m_Active;
    return copy;
}

void CheckpointTrigger::OnContact(const ContactRecord& record)
{
    if (!m_Active || !IsHeroContact(record))
    {
        return;
    }
    ILevel* level = CurrentLevel();
    const Transform* own = Owner != nullptr ? Owner->GetTransform() : nullptr;
    if (level != nullptr && own != nullptr)
    {
        level->m_Checkpoint = own->Position;
    }
    GameObjectComposition* a = OwnerOf(record.m_BodyA);
    GameObjectComposition* b = OwnerOf(record.m_BodyB);
    GameObjectComposition* hive = a != nullptr && a->Name == "BeeHive_1"   ? a
                                  : b != nullptr && b->Name == "BeeHive_1" ? b
                                                                           : nullptr;
    if (hive != nullptr && hive->GetTransform() != nullptr)
    {
        PlayEffect(hive, "CheckPoint", hive->GetTransform()->Position);
        ShowAnimation(hive, "active");
    }
    if (Audio* audio = TheAudio())
    {
        audio->PlaySoundOnce("SFX_Checkpoint");
    }
    m_Active = false;
}

void CollectTrigger::OnContact(const ContactRecord& record)
{
    // The pollen's guard is its own destruction: once marked it counts no further contact, however many
    // arrive before the Factory deletes it.
    bool marked =
        CORE != nullptr && CORE->m_Factory != nullptr && CORE->m_Factory->PendingDestruction.count(Owner) != 0;
    if (!IsHeroContact(record) || marked)
    {
        return;
    }
    GameObjectComposition* a = OwnerOf(record.m_BodyA);
    GameObjectComposition* b = OwnerOf(record.m_BodyB);
    if (a != nullptr && b != nullptr)
    {
        GameObjectComposition* hero = IsHero(a) ? a : b;
        GameObjectComposition* pollen = hero == a ? b : a;
        if (pollen->GetTransform() != nullptr)
        {
            PlayEffect(hero, "Pollen", pollen->GetTransform()->Position);
        }
    }
    if (GameLogic* logic = TheGameLogic())
    {
        CollectPollen(logic->Session());
    }
    if (Audio* audio = TheAudio())
    {
        audio->PlaySound("SFX_Collect");
    }
    DestroyOwnObject();
}

void DeathTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record) || IsClosedTrap(Owner) || HeroIsRolling())
    {
        return;
    }
    if (GameLogic* logic = TheGameLogic())
    {
        logic->HeroDied();
    }
}

void HideTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    if (GameLogic* logic = TheGameLogic())
    {
        logic->m_HeroHidden = true;
    }
}

void GameCompleteTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    if (GameLogic* logic = TheGameLogic())
    {
        logic->GameCompleteReached();
    }
    DestroyOwnObject();
}

IComponent* GeyserCollideTrigger::Clone() const
{
    auto* copy = new GeyserCollideTrigger();
    copy->Owner = Owner;
    copy->System = System;
    copy->m_Velocity = m_Velocity;
    return copy;
}

void GeyserCollideTrigger::DescribeFields(FieldList& fields)
{
    fields.Vector3("m_Velocity", m_Velocity);
}

void GeyserCollideTrigger::OnContact(const ContactRecord& record)
{
    GameObjectComposition* hero = FindHeroObject();
    if (!IsHeroContact(record) || hero == nullptr)
    {
        return;
    }
    if (Body* body = hero->GetBody())
    {
        body->m_Velocity.x += m_Velocity.x;
        body->m_Velocity.y += m_Velocity.y;
        body->m_Velocity.z += m_Velocity.z;
    }
    if (const Transform* t = hero->GetTransform())
    {
        PlayEffect(Owner, "Water", {t->Position.x, t->Position.y - 10.0f});
    }
    if (GameLogic* logic = TheGameLogic())
    {
        logic->PlayerController().LaunchIntoFall();
    }
}

void MovingPlatformTrigger::OnContact(const ContactRecord& record)
{
    GameObjectComposition* hero = FindHeroObject();
    Body* heroBody = hero != nullptr ? hero->GetBody() : nullptr;
    Body* platform = Owner != nullptr ? Owner->GetBody() : nullptr;
    Transform* heroT = hero != nullptr ? hero->GetTransform() : nullptr;
    if (!IsHeroContact(record) || heroBody == nullptr || platform == nullptr || heroT == nullptr)
    {
        return;
    }
    // A contact arrives once per physics sub-step, so moving the hero by the platform's movement in that
    // sub-step carries it exactly as far as the platform went in the frame. Adding the platform's
    // velocity instead would pile up over the sub-steps. Upwards the ground correction already lifts it.
    float dx = platform->m_Position.x - platform->m_PrevPosition.x;
    float dy = platform->m_Position.y - platform->m_PrevPosition.y;
    heroT->Position.x += dx;
    if (dy < 0.0f)
    {
        heroT->Position.y += dy;
    }
    heroBody->m_Velocity.z = 0.0f;
}

IComponent* SoundTrigger::Clone() const
{
    auto* copy = new SoundTrigger();
    copy->Owner = Owner;
    copy->System = System;
    copy->m_EffectGate = m_EffectGate;
    copy->m_ShouldLoop = m_ShouldLoop;
    copy->m_PlayedOnce = m_PlayedOnce;
    copy->m_IsBGM = m_IsBGM;
    copy->m_TrackName = m_TrackName;
    return copy;
}

void SoundTrigger::DescribeFields(FieldList& fields)
{
    fields.Bool("m_ShouldLoop", m_ShouldLoop);
    fields.Bool("m_IsBGM", m_IsBGM);
    fields.String("m_TrackName", m_TrackName);
}

void SoundTrigger::OnContact(const ContactRecord& record)
{
    Audio* audio = TheAudio();
    if (!IsHeroContact(record) || audio == nullptr)
    {
        return;
    }
    if (m_IsBGM)
    {
        audio->PlayBGM(m_TrackName);
    }
    if (!m_EffectGate || audio->IsSoundPlaying(m_TrackName))
    {
        return;
    }
    if (m_ShouldLoop)
    {
        audio->PlaySound(m_TrackName);
    }
    else if (!m_PlayedOnce)
    {
        m_PlayedOnce = true;
        audio->PlaySound(m_TrackName);
    }
}

void WaterSpawnerTrigger::OnContact(const ContactRecord& record)
{
    auto isWater = [](const GameObjectComposition* object)
    {
        return object != nullptr &&
               (object->Name == "WaterBase" || object->Name == "WaterBase_Flip" || object->Name == "Clouds_Rain");
    };
    GameObjectComposition* a = OwnerOf(record.m_BodyA);
    GameObjectComposition* b = OwnerOf(record.m_BodyB);
    GameObjectComposition* source = isWater(a) ? a : isWater(b) ? b : nullptr;
    const Transform* own = Owner != nullptr ? Owner->GetTransform() : nullptr;
    if (source == nullptr || own == nullptr)
    {
        return;
    }
    if (source->Name != "Clouds_Rain")
    {
        PlayEffect(source, "WaterBase", own->Position);
        return;
    }
    // Rain stops where it meets the ground or a platform instead of falling on over the earth.
    Emitter* emitter = source->GetEmitter();
    ParticleType* rain = emitter != nullptr ? FindParticleType(*emitter, "Rain") : nullptr;
    const size_t before = rain != nullptr ? rain->m_Particles.size() : 0;
    PlayEffect(source, "Rain", own->Position);
    for (size_t i = before; rain != nullptr && i < rain->m_Particles.size(); ++i)
    {
        rain->m_Particles[i].m_Floor = GroundTopBelow(rain->m_Particles[i].Position);
    }
}

void KibbetBounceTrigger::OnContact(const ContactRecord& record)
{
    if (!IsHeroContact(record))
    {
        return;
    }
    if (GameLogic* logic = TheGameLogic())
    {
        logic->HeroBounced(Owner);
    }
}

} // namespace Framework
