#include "data/ComponentTable.h"

#include "gameflow/TriggerComponents.h"
#include "graphics/GraphicsStandIns.h"
#include "ui/UiComponents.h"

namespace Framework
{

namespace
{
template <typename T> IComponent* Make()
{
    return new T();
}
} // namespace

const std::vector<ComponentKind>& ComponentKinds()
{
    static const std::vector<ComponentKind> kinds = {
        {"Body", ComponentSource::Physics, nullptr},
        {"Graphics", ComponentSource::Graphics, nullptr},
        {"CustomShape", ComponentSource::Direct, &Make<CustomShape>},
        {"GameLogic", ComponentSource::GameLogic, nullptr},
        {"Transform", ComponentSource::Transform, nullptr},
        {"Parallax", ComponentSource::Direct, &Make<Parallax>},
        {"HideTrigger", ComponentSource::Direct, &Make<HideTrigger>},
        {"CollectTrigger", ComponentSource::Direct, &Make<CollectTrigger>},
        {"AudioTrigger", ComponentSource::Direct, &Make<AudioTrigger>},
        {"WinTrigger", ComponentSource::Direct, &Make<WinTrigger>},
        {"DeathTrigger", ComponentSource::Direct, &Make<DeathTrigger>},
        {"CheckpointTrigger", ComponentSource::Direct, &Make<CheckpointTrigger>},
        {"ScrollComponent", ComponentSource::Direct, &Make<ScrollComponent>},
        {"PauseComponent", ComponentSource::Direct, &Make<PauseComponent>},
        {"GameCompleteTrigger", ComponentSource::Direct, &Make<GameCompleteTrigger>},
        {"Emitter", ComponentSource::Direct, &Make<Emitter>},
        {"SetDefaultAnimation", ComponentSource::Direct, &Make<SetDefaultAnimation>},
        {"LevelStartTrigger", ComponentSource::Direct, &Make<LevelStartTrigger>},
        {"TrapTrigger", ComponentSource::Direct, &Make<TrapTrigger>},
        {"ReverseVelocityTrigger", ComponentSource::Direct, &Make<ReverseVelocityTrigger>},
        {"GeyserCollideTrigger", ComponentSource::Direct, &Make<GeyserCollideTrigger>},
        {"MovingPlatformTrigger", ComponentSource::Direct, &Make<MovingPlatformTrigger>},
        {"FontComponent", ComponentSource::Direct, &Make<FontComponent>},
        {"Enemy", ComponentSource::Direct, &Make<Enemy>},
        {"AttackTrigger", ComponentSource::Direct, &Make<AttackTrigger>},
        {"SoundTrigger", ComponentSource::Direct, &Make<SoundTrigger>},
        {"MoveRightTrigger", ComponentSource::Direct, &Make<MoveRightTrigger>},
        {"WaterSpawnerTrigger", ComponentSource::Direct, &Make<WaterSpawnerTrigger>},
        {"KibbetBounceTrigger", ComponentSource::Direct, &Make<KibbetBounceTrigger>},
    };
    return kinds;
}

const ComponentKind* FindComponentKind(const std::string& name)
{
    for (const auto& kind : ComponentKinds())
    {
        if (name == kind.Name)
        {
            return &kind;
        }
    }
    return nullptr;
}

} // namespace Framework
