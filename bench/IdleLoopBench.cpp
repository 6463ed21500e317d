// CPU cost of the main loop while the game has nothing to do: the frame gate must sleep, not spin.
#include "engine/Core.h"
#include "engine/ISystem.h"
#include "platform/Clock.h"

#include <benchmark/benchmark.h>

#include <ctime>

using namespace Framework;

namespace
{
class IdleSystem : public ISystem
{
public:
    explicit IdleSystem(Core* core) : m_Core(core) {}
    void Update(float) override {}
    std::string GetName() const override { return "Idle"; }
    Core* GetCore() const override { return m_Core; }

private:
    Core* m_Core;
};

double Seconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Runs 60 real-time frames (about one second) and reports the share of one core the process used.
void BM_IdleLoopCpuShare(benchmark::State& state)
{
    double cpuShare = 0.0;
    double fps = 0.0;
    for (auto _ : state)
    {
        Core core;
        core.AddSystem(std::make_unique<IdleSystem>(&core));
        RealClock clock;
        core.SetClock(&clock);
        core.SetFrameLimit(60);
        double wall0 = Seconds(CLOCK_MONOTONIC);
        double cpu0 = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        core.GameLoop();
        double wall = Seconds(CLOCK_MONOTONIC) - wall0;
        double cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
        cpuShare = 100.0 * cpu / wall;
        fps = 60.0 / wall;
    }
    state.counters["cpu_percent_of_core"] = cpuShare;
    state.counters["frames_per_second"] = fps;
}
BENCHMARK(BM_IdleLoopCpuShare)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
