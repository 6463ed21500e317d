#include "app/Options.h"
#include "app/ProgramEntry.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "gameflow/GameLogic.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <random>

using namespace Framework;

namespace
{
// Draws nothing and keeps nothing, so only the CPU side of a frame is measured.
class NullDevice : public RecordingRenderDevice
{
public:
    void Draw(PixelShader, int, Primitive, const Vertex*, size_t) override {}
};

// The test level's engine with n extra sprites, all visible, in one layer.
struct Scene
{
    Scene(int sprites, bool realGl)
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ResetProcessState();
        Options options;
        options.Headless = !realGl;
        options.Windowed = true;
        options.ResourceDir = std::string(KIBBET_SOURCE_DIR) + "/tests/data/gfx";
        options.Level = "Level_Render";
        CORE = &core;
        BuildSystems(core, options, std::string());
        if (!realGl)
        {
            // Swap in a device that skips the copy the recording device would make.
            core.Systems[2].reset();
            auto graphics = std::make_unique<Graphics>(&core, nullptr, std::make_unique<NullDevice>(), true);
            core.m_Graphics = graphics.get();
            core.Systems[2] = std::move(graphics);
        }
        for (auto& system : core.Systems)
        {
            system->Initialize();
        }
        for (auto& system : core.Systems)
        {
            system->Load();
        }
        core.m_GameLogic->m_LevelManager.UpdateLevel(0.0f);
        std::mt19937 random(7);
        std::uniform_real_distribution<float> x(-600.0f, 600.0f);
        std::uniform_real_distribution<float> y(-330.0f, 330.0f);
        for (int i = 0; i < sprites; ++i)
        {
            GameObjectComposition* object = core.m_Factory->CreateObject("Glass", "");
            object->GetTransform()->Position = {x(random), y(random)};
            object->GetTransform()->Scale = {0.08f, 0.08f};
        }
    }
    ~Scene()
    {
        core.DestroySystems();
        ResetProcessState();
    }
    Core core;
};

// Frames per second of whole frames with real OpenGL (llvmpipe under the offscreen driver).
void BM_DrawSpritesGl(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)), true);
    Graphics& graphics = *scene.core.m_Graphics;
    if (graphics.Device().TextureCount() == 0)
    {
        state.SkipWithError("no OpenGL context under the offscreen driver");
        return;
    }
    for (auto _ : state)
    {
        graphics.Update(0.017f);
        graphics.Device().Finish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// CPU time of culling, animating and writing the vertex stream of a frame.
void BM_BuildVertexStream(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)), false);
    Graphics& graphics = *scene.core.m_Graphics;
    for (auto _ : state)
    {
        graphics.Update(0.017f);
    }
    state.counters["sprites"] = static_cast<double>(state.range(0));
}
} // namespace

BENCHMARK(BM_DrawSpritesGl)->Arg(2000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildVertexStream)->Arg(2000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMicrosecond);
