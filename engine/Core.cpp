#include "engine/Core.h"

#include "engine/ISystem.h"
#include "engine/Message.h"
#include "platform/Clock.h"

namespace Framework
{

namespace
{
// 1/60 s as a float: a frame runs once dt is no longer below it.
constexpr float kFrameTime = 1.0f / 60.0f;
// With whole-millisecond readings the first passing reading is 17 ms after the frame start.
constexpr uint32_t kFrameMs = 17;
} // namespace

Core::Core() = default;

Core::~Core()
{
    DestroySystems();
}

void Core::AddSystem(std::unique_ptr<ISystem> system)
{
    Systems.push_back(std::move(system));
}

void Core::GameLoop()
{
    for (auto& system : Systems)
    {
        system->BeforeFirstFrame();
    }
    uint32_t last = m_Clock->NowMs();
    if (Quit)
    {
        return;
    }
    for (;;)
    {
        uint32_t now = 0;
        float dt = 0.0f;
        for (;;)
        {
            now = m_Clock->NowMs();
            uint32_t elapsed = now - last; // unsigned: a wrap of the clock still gives the small difference
            dt = static_cast<float>(elapsed) / 1000.0f;
            if (!(kFrameTime > dt))
            {
                break;
            }
            m_Clock->WaitUntilNear(last + kFrameMs);
        }
        last = now;
        Step(dt);
        if (Quit)
        {
            return;
        }
    }
}

void Core::Step(float dt)
{
    // Read once: a system that pauses or resumes the game mid-frame changes only the next frame's physics.
    bool paused = Paused;
    for (auto& system : Systems)
    {
        if (paused && system->GetName() == "Physics")
        {
            continue;
        }
        system->Update(dt);
    }
    for (auto& system : Systems)
    {
        system->LateUpdate(dt);
    }
    ++m_FrameCount;
    if (m_FrameLimit != 0 && m_FrameCount >= m_FrameLimit)
    {
        Quit = true;
    }
}

void Core::BroadcastMessage(IMessage* message)
{
    for (auto& system : Systems)
    {
        system->SendMessage(message);
    }
}

void Core::DestroySystems()
{
    // Reverse registration order: the Factory, registered first, goes last.
    while (!Systems.empty())
    {
        Systems.back().reset();
        Systems.pop_back();
    }
    m_Windows = nullptr;
    m_Graphics = nullptr;
    m_Physics = nullptr;
    m_GameLogic = nullptr;
    m_Audio = nullptr;
    m_ResourceManager = nullptr;
    m_Factory = nullptr;
    m_Input = nullptr;
}

void DrawDebugPolygon(const std::vector<Vec3>& points, const float* colour)
{
    size_t n = points.size();
    if (n < 2)
    {
        return;
    }
    const float red[4] = {255.0f, 0.0f, 0.0f, 1.0f};
    const float* c = colour != nullptr ? colour : red;
    for (size_t i = 1; i <= n; ++i)
    {
        const Vec3& a = points[i - 1];
        const Vec3& b = i == n ? points[0] : points[i];
        DebugLineQueue.push_back({a.x, a.y, a.z, b.x, b.y, b.z, c[0], c[1], c[2], c[3]});
    }
}

} // namespace Framework
