#pragma once

#include <string>
#include <vector>

namespace Framework
{

class IComponent;

// Where the Factory gets a component of a kind when it reads an object type.
enum class ComponentSource
{
    Physics,   // CreatePrototypeComponent of the Physics system (the colon is passed first)
    Graphics,  // CreatePrototypeComponent of the Graphics system (the colon is passed first)
    GameLogic, // CreatePrototypeComponent of the GameLogic system (the colon is passed first)
    Transform, // the object's own Transform, read under the block name "Transform"
    Direct,    // constructed directly
};

// How the Factory enters a kind's override block in a level file.
enum class LevelBlock
{
    AfterColon, // the Factory passes the colon, then the component reads the block
    Plain,      // the component reads from its quoted name on
};

// Every component kind, one line each, in the order the Factory tests the names of an object type's blocks:
//     X(class, typed accessor GameObjectComposition::Get<accessor>, ComponentSource, LevelBlock)
// The type name is the class's own `static constexpr const char* TypeName`; nothing else lists the kinds.
// To add a kind: write its class, include its header in app/ComponentRegistry.cpp, add your class here.
#define KIBBET_COMPONENT_KINDS(X)                                                                                      \
    X(Body, Body, Physics, AfterColon)                                                                                 \
    X(GraphicsComponent, Graphics, Graphics, AfterColon)                                                               \
    X(CustomShape, CustomShape, Direct, AfterColon)                                                                    \
    X(GameLogicComponent, GameLogic, GameLogic, Plain)                                                                 \
    X(Transform, Transform, Transform, Plain)                                                                          \
    X(Parallax, Parallax, Direct, Plain)                                                                               \
    X(HideTrigger, HideTrigger, Direct, Plain)                                                                         \
    X(CollectTrigger, CollectTrigger, Direct, Plain)                                                                   \
    X(AudioTrigger, AudioTrigger, Direct, Plain)                                                                       \
    X(WinTrigger, WinTrigger, Direct, Plain)                                                                           \
    X(DeathTrigger, DeathTrigger, Direct, Plain)                                                                       \
    X(CheckpointTrigger, CheckpointTrigger, Direct, Plain)                                                             \
    X(ScrollComponent, ScrollComponent, Direct, Plain)                                                                 \
    X(PauseComponent, PauseComponent, Direct, Plain)                                                                   \
    X(GameCompleteTrigger, GameCompleteTrigger, Direct, Plain)                                                         \
    X(Emitter, Emitter, Direct, Plain)                                                                                 \
    X(SetDefaultAnimation, SetDefaultAnimation, Direct, Plain)                                                         \
    X(LevelStartTrigger, LevelStartTrigger, Direct, Plain)                                                             \
    X(TrapTrigger, TrapTrigger, Direct, Plain)                                                                         \
    X(ReverseVelocityTrigger, ReverseVelocityTrigger, Direct, Plain)                                                   \
    X(GeyserCollideTrigger, GeyserCollideTrigger, Direct, Plain)                                                       \
    X(MovingPlatformTrigger, MovingPlatformTrigger, Direct, Plain)                                                     \
    X(FontComponent, FontComponent, Direct, Plain)                                                                     \
    X(Enemy, Enemy, Direct, Plain)                                                                                     \
    X(AttackTrigger, AttackTrigger, Direct, Plain)                                                                     \
    X(SoundTrigger, SoundTrigger, Direct, Plain)                                                                       \
    X(MoveRightTrigger, MoveRightTrigger, Direct, Plain)                                                               \
    X(WaterSpawnerTrigger, WaterSpawnerTrigger, Direct, Plain)                                                         \
    X(KibbetBounceTrigger, KibbetBounceTrigger, Direct, Plain)

// One line of the registry as the Factory uses it.
struct ComponentKind
{
    const char* Name;
    ComponentSource Source;
    LevelBlock Level;
    IComponent* (*Construct)(); // Direct kinds only; null otherwise
};

// The component kinds in registry order.
const std::vector<ComponentKind>& ComponentKinds();
// The kind with this type name, or null.
const ComponentKind* FindComponentKind(const std::string& name);

} // namespace Framework
