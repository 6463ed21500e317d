#include "data/GameObjectComposition.h"

#include "actors/GameLogicComponent.h"
#include "data/IComponent.h"
#include "data/Transform.h"
#include "gameflow/TriggerComponents.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/GraphicsStandIns.h"
#include "physics/Body.h"
#include "ui/UiComponents.h"

namespace Framework
{

uint32_t ObjectIdCounter = 0;

GameObjectComposition::GameObjectComposition(const std::string& typeName) : Name(typeName), ObjectId(ObjectIdCounter)
{
    AddComponent("Transform", new Transform());
}

GameObjectComposition::GameObjectComposition(CloneTag, const GameObjectComposition& source) : Name(source.Name)
{
    ObjectId = ++ObjectIdCounter;
    for (const auto& [typeName, component] : source.Components)
    {
        AddComponent(typeName, component->Clone());
    }
    InitializeComponents();
}

GameObjectComposition::~GameObjectComposition() = default;

void GameObjectComposition::AddComponent(const std::string& typeName, IComponent* component)
{
    if (component == nullptr)
    {
        return;
    }
    component->SetOwner(this);
    Components[typeName].reset(component);
}

void GameObjectComposition::InitializeComponents()
{
    for (auto& entry : Components)
    {
        entry.second->Initialize();
    }
}

void GameObjectComposition::DestroyComponents()
{
    for (auto& entry : Components)
    {
        if (entry.second->System != nullptr)
        {
            // The system (or the component itself) deletes it.
            entry.second.release()->Destroy();
        }
        else
        {
            entry.second->Destroy();
            entry.second.reset();
        }
    }
    Components.clear();
}

void GameObjectComposition::SendMessage(IMessage* message)
{
    for (auto& entry : Components)
    {
        entry.second->SendMessage(message);
    }
}

IComponent* GameObjectComposition::GetComponent(const std::string& typeName) const
{
    auto it = Components.find(typeName);
    return it == Components.end() ? nullptr : it->second.get();
}

#define KIBBET_TYPED_ACCESSOR(Method, ClassName, TypeName)                                                             \
    ClassName* GameObjectComposition::Method() const                                                                   \
    {                                                                                                                  \
        return static_cast<ClassName*>(GetComponent(TypeName));                                                        \
    }

KIBBET_TYPED_ACCESSOR(GetTransform, Transform, "Transform")
KIBBET_TYPED_ACCESSOR(GetBody, Body, "Body")
KIBBET_TYPED_ACCESSOR(GetGraphics, GraphicsComponent, "Graphics")
KIBBET_TYPED_ACCESSOR(GetGameLogic, GameLogicComponent, "GameLogic")
KIBBET_TYPED_ACCESSOR(GetParallax, Parallax, "Parallax")
KIBBET_TYPED_ACCESSOR(GetHideTrigger, HideTrigger, "HideTrigger")
KIBBET_TYPED_ACCESSOR(GetCollectTrigger, CollectTrigger, "CollectTrigger")
KIBBET_TYPED_ACCESSOR(GetAudioTrigger, AudioTrigger, "AudioTrigger")
KIBBET_TYPED_ACCESSOR(GetWinTrigger, WinTrigger, "WinTrigger")
KIBBET_TYPED_ACCESSOR(GetDeathTrigger, DeathTrigger, "DeathTrigger")
KIBBET_TYPED_ACCESSOR(GetCheckpointTrigger, CheckpointTrigger, "CheckpointTrigger")
KIBBET_TYPED_ACCESSOR(GetScrollComponent, ScrollComponent, "ScrollComponent")
KIBBET_TYPED_ACCESSOR(GetPauseComponent, PauseComponent, "PauseComponent")
KIBBET_TYPED_ACCESSOR(GetGameCompleteTrigger, GameCompleteTrigger, "GameCompleteTrigger")
KIBBET_TYPED_ACCESSOR(GetEmitter, Emitter, "Emitter")
KIBBET_TYPED_ACCESSOR(GetSetDefaultAnimation, SetDefaultAnimation, "SetDefaultAnimation")
KIBBET_TYPED_ACCESSOR(GetLevelStartTrigger, LevelStartTrigger, "LevelStartTrigger")
KIBBET_TYPED_ACCESSOR(GetTrapTrigger, TrapTrigger, "TrapTrigger")
KIBBET_TYPED_ACCESSOR(GetReverseVelocityTrigger, ReverseVelocityTrigger, "ReverseVelocityTrigger")
KIBBET_TYPED_ACCESSOR(GetGeyserCollideTrigger, GeyserCollideTrigger, "GeyserCollideTrigger")
KIBBET_TYPED_ACCESSOR(GetMovingPlatformTrigger, MovingPlatformTrigger, "MovingPlatformTrigger")
KIBBET_TYPED_ACCESSOR(GetFontComponent, FontComponent, "FontComponent")
KIBBET_TYPED_ACCESSOR(GetEnemy, Enemy, "Enemy")
KIBBET_TYPED_ACCESSOR(GetAttackTrigger, AttackTrigger, "AttackTrigger")
KIBBET_TYPED_ACCESSOR(GetSoundTrigger, SoundTrigger, "SoundTrigger")
KIBBET_TYPED_ACCESSOR(GetMoveRightTrigger, MoveRightTrigger, "MoveRightTrigger")
KIBBET_TYPED_ACCESSOR(GetWaterSpawnerTrigger, WaterSpawnerTrigger, "WaterSpawnerTrigger")
KIBBET_TYPED_ACCESSOR(GetKibbetBounceTrigger, KibbetBounceTrigger, "KibbetBounceTrigger")

#undef KIBBET_TYPED_ACCESSOR

} // namespace Framework
