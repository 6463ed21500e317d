#include "app/Options.h"
#include "app/ProgramEntry.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/Camera.h"
#include "graphics/Emitter.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleSpawners.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

using namespace Framework;

namespace
{
// Draws nothing, so only the CPU side of a frame is measured.
class NullDevice : public RecordingRenderDevice
{
public:
    void Draw(PixelShader, int, Primitive, const Vertex*, size_t) override {}
};

// The ground fixture level with extra ground shapes and endless particles, all in view.
struct GroundScene
{
    GroundScene(int shapes, int particles, bool realGl)
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        CAMERA = Camera{};
        std::srand(7);
        RegisterParticleKinds();
        Options options;
        options.Headless = !realGl;
        options.Windowed = true;
        options.ResourceDir = std::string(KIBBET_SOURCE_DIR) + "/tests/data/ground";
        options.Level = "Level_Ground";
        CORE = &core;
        BuildSystems(core, options, std::string());
        if (!realGl)
        {
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
        std::mt19937 random(7);
        std::uniform_real_distribution<float> x(-500.0f, 500.0f);
        std::uniform_real_distribution<float> y(-300.0f, 300.0f);
        const char* kinds[] = {"Earth", "Grass", "Hill"};
        for (int i = 0; i < shapes; ++i)
        {
            GameObjectComposition* object = core.m_Factory->CreateObject(kinds[i % 3], "");
            object->GetTransform()->Position = {x(random), y(random)};
            object->GetTransform()->Scale = {0.2f, 0.2f};
        }
        GameObjectComposition* hive = core.m_Factory->FindObject("Hive");
        ParticleType* type = hive != nullptr ? FindParticleType(*hive->GetEmitter(), "Pollen") : nullptr;
        if (type != nullptr)
        {
            while (static_cast<int>(type->m_Particles.size()) < particles)
            {
                type->m_Origin = {x(random), y(random) * 0.5f};
                EmitBurst(*type);
            }
            type->m_Particles.resize(static_cast<size_t>(particles));
            for (Particle& particle : type->m_Particles)
            {
                particle.m_Life = kEndlessLife; // the count stays the same in every frame
            }
        }
    }
    ~GroundScene()
    {
        core.DestroySystems();
        CORE = nullptr;
        CAMERA = Camera{};
    }
    Core core;
};

// CPU time of a frame that steps and writes 5,000 particles and triangulates 200 ground shapes.
void BM_ShapesAndParticlesCpu(benchmark::State& state)
{
    GroundScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), false);
    Graphics& graphics = *scene.core.m_Graphics;
    for (auto _ : state)
    {
        graphics.Update(0.017f);
    }
}

// Whole frames of the same scene with real OpenGL (llvmpipe under the offscreen driver).
void BM_ShapesAndParticlesGl(benchmark::State& state)
{
    GroundScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), true);
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
} // namespace

BENCHMARK(BM_ShapesAndParticlesCpu)->Args({200, 5000})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShapesAndParticlesGl)->Args({200, 5000})->Unit(benchmark::kMillisecond)->UseRealTime();
