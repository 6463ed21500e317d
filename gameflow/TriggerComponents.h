#pragma once

#include "data/RawBlockComponent.h"

namespace Framework
{

// Trigger kinds whose behaviour is not built yet. A real trigger replaces its declaration here with an
// include of its own header (same class name, same TypeName); the component registry needs no change.
class HideTrigger final : public StandInComponent<HideTrigger, "HideTrigger">
{
};
class CollectTrigger final : public StandInComponent<CollectTrigger, "CollectTrigger">
{
};
class AudioTrigger final : public StandInComponent<AudioTrigger, "AudioTrigger">
{
};
class WinTrigger final : public StandInComponent<WinTrigger, "WinTrigger">
{
};
class DeathTrigger final : public StandInComponent<DeathTrigger, "DeathTrigger">
{
};
class CheckpointTrigger final : public StandInComponent<CheckpointTrigger, "CheckpointTrigger">
{
};
class GameCompleteTrigger final : public StandInComponent<GameCompleteTrigger, "GameCompleteTrigger">
{
};
class LevelStartTrigger final : public StandInComponent<LevelStartTrigger, "LevelStartTrigger">
{
};
class TrapTrigger final : public StandInComponent<TrapTrigger, "TrapTrigger">
{
};
class ReverseVelocityTrigger final : public StandInComponent<ReverseVelocityTrigger, "ReverseVelocityTrigger">
{
};
class GeyserCollideTrigger final : public StandInComponent<GeyserCollideTrigger, "GeyserCollideTrigger">
{
};
class MovingPlatformTrigger final : public StandInComponent<MovingPlatformTrigger, "MovingPlatformTrigger">
{
};
class Enemy final : public StandInComponent<Enemy, "Enemy">
{
};
class AttackTrigger final : public StandInComponent<AttackTrigger, "AttackTrigger">
{
};
class SoundTrigger final : public StandInComponent<SoundTrigger, "SoundTrigger">
{
};
class MoveRightTrigger final : public StandInComponent<MoveRightTrigger, "MoveRightTrigger">
{
};
class WaterSpawnerTrigger final : public StandInComponent<WaterSpawnerTrigger, "WaterSpawnerTrigger">
{
};
class KibbetBounceTrigger final : public StandInComponent<KibbetBounceTrigger, "KibbetBounceTrigger">
{
};

} // namespace Framework
