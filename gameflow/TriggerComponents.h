#pragma once

#include "data/RawBlockComponent.h"
#include "gameflow/EnemyTriggers.h"

namespace Framework
{

KIBBET_STANDIN_COMPONENT(HideTrigger, "HideTrigger")
KIBBET_STANDIN_COMPONENT(CollectTrigger, "CollectTrigger")
KIBBET_STANDIN_COMPONENT(AudioTrigger, "AudioTrigger")
KIBBET_STANDIN_COMPONENT(WinTrigger, "WinTrigger")
KIBBET_STANDIN_COMPONENT(DeathTrigger, "DeathTrigger")
KIBBET_STANDIN_COMPONENT(CheckpointTrigger, "CheckpointTrigger")
KIBBET_STANDIN_COMPONENT(GameCompleteTrigger, "GameCompleteTrigger")
KIBBET_STANDIN_COMPONENT(LevelStartTrigger, "LevelStartTrigger")
KIBBET_STANDIN_COMPONENT(GeyserCollideTrigger, "GeyserCollideTrigger")
KIBBET_STANDIN_COMPONENT(MovingPlatformTrigger, "MovingPlatformTrigger")
KIBBET_STANDIN_COMPONENT(SoundTrigger, "SoundTrigger")
KIBBET_STANDIN_COMPONENT(MoveRightTrigger, "MoveRightTrigger")
KIBBET_STANDIN_COMPONENT(WaterSpawnerTrigger, "WaterSpawnerTrigger")
KIBBET_STANDIN_COMPONENT(KibbetBounceTrigger, "KibbetBounceTrigger")

} // namespace Framework
