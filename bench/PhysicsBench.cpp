// Cost of one physics update (1/60 s: one sub-step) with many active dynamic bodies over static ground.
// The pair test is quadratic by design; this shows where it stands at the body counts of a busy level.
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/Camera.h"
#include "physics/Body.h"
#include "physics/Physics.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace Framework;

namespace
{
std::vector<Vec3> Box(float half)
{
    return {{-half, -half, 0.0f}, {half, -half, 0.0f}, {half, half, 0.0f}, {-half, half, 0.0f}};
}

// A core with the Factory and Physics, the view centred on the origin, one wide static ground along the
// bottom of the view and a grid of falling 24-unit boxes filling the active region.
class Scene
{
public:
    explicit Scene(int bodies)
    {
        CAMERA = Camera();
        CAMERA.m_ViewOffset = CAMERA.m_HalfClient;
        CORE = &m_Core;
        auto factory = std::make_unique<Factory>(&m_Core);
        auto physics = std::make_unique<Physics>(&m_Core);
        m_Core.m_Factory = factory.get();
        m_Core.m_Physics = physics.get();
        m_Core.AddSystem(std::move(factory));
        m_Core.AddSystem(std::move(physics));

        Add("Ground", 0.0f, -340.0f, 0.0f, {{-800, -20, 0}, {800, -20, 0}, {800, 20, 0}, {-800, 20, 0}});
        int columns = 40;
        for (int i = 0; i < bodies; ++i)
        {
            float x = -760.0f + 38.0f * static_cast<float>(i % columns);
            float y = -300.0f + 45.0f * static_cast<float>(i / columns);
            Body* body = Add("Crate", x, y, 2.0f, Box(12.0f));
            body->m_Gravity = {0.0f, -1200.0f, 0.0f};
        }
        for (auto& object : m_Objects)
        {
            m_Start.push_back(object->GetTransform()->Position);
        }
    }

    ~Scene()
    {
        for (auto& object : m_Objects)
        {
            object->DestroyComponents();
        }
        m_Objects.clear();
        m_Core.DestroySystems();
        ResetProcessState();
    }

    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Puts every body back where it started, at rest, so each measured update sees the same scene.
    void Reset()
    {
        for (size_t i = 0; i < m_Objects.size(); ++i)
        {
            m_Objects[i]->GetTransform()->Position = m_Start[i];
            m_Objects[i]->GetBody()->m_Velocity = Vec3{};
        }
    }

    Physics& physics() { return *m_Core.m_Physics; }

private:
    Body* Add(const char* name, float x, float y, float mass, const std::vector<Vec3>& outline)
    {
        auto object = std::make_unique<GameObjectComposition>(name);
        object->GetTransform()->Position = {x, y};
        auto* body = static_cast<Body*>(m_Core.m_Physics->CreateComponent(0));
        body->m_Mass = mass;
        body->m_Polygon.m_Offsets = outline;
        object->AddComponent("Body", body);
        object->InitializeComponents();
        m_Objects.push_back(std::move(object));
        return body;
    }

    Core m_Core;
    std::vector<std::unique_ptr<GameObjectComposition>> m_Objects;
    std::vector<Vec2> m_Start;
};

void BM_PhysicsUpdate(benchmark::State& state)
{
    int bodies = static_cast<int>(state.range(0));
    Scene scene(bodies);
    double active = static_cast<double>(scene.physics().CollectActiveBodies().size());
    for (auto _ : state)
    {
        state.PauseTiming();
        scene.Reset();
        state.ResumeTiming();
        scene.physics().Update(1.0f / 60.0f);
    }
    state.counters["active_bodies"] = active;
    state.counters["pairs"] = active * (active - 1.0) / 2.0;
}
BENCHMARK(BM_PhysicsUpdate)->Arg(50)->Arg(200)->Arg(500)->Unit(benchmark::kMicrosecond);
} // namespace
