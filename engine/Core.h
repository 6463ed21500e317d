#pragma once

#include "engine/ISystem.h"
#include "engine/ProcessState.h"
#include "platform/Vector.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace Framework
{

class ISystem;
class IMessage;
class IClock;
class WindowSystem;
class Graphics;
class Physics;
class GameLogic;
class Audio;
class ResourceManager;
class Factory;
class Input;

// One queued debug line: start x, y, z; end x, y, z; colour r, g, b, a.
struct DebugLine
{
    float StartX, StartY, StartZ;
    float EndX, EndY, EndZ;
    float R, G, B, A;
};

// Queues one debug line per edge of the closed polygon; colour is r, g, b, a or null for (255, 0, 0, 1).
void DrawDebugPolygon(const std::vector<Vec3>& points, const float* colour);

// The single engine object: owns the systems, runs the fixed-rate loop and delivers broadcasts.
class Core
{
public:
    Core();
    ~Core();
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    // Appends a system to the registration order; the Core takes ownership.
    void AddSystem(std::unique_ptr<ISystem> system);
    // Runs every system's BeforeFirstFrame, then frames until Quit is found set at the end of one: waits out the
    // frame gate, then Steps by the time passed.
    void GameLoop();
    // Runs one frame of dt seconds: every system's Update in registration order (Physics skipped while Paused),
    // then every system's LateUpdate (where the game logic runs the level manager); counts the frame and sets
    // Quit once the frame limit is reached. Tests drive the engine through this too, so they see the frames the
    // game runs.
    void Step(float dt);
    // Calls SendMessage on every system in registration order.
    void BroadcastMessage(IMessage* message);
    // Deletes the systems from the last registered to the first, then empties the list.
    void DestroySystems();

    // The clock the frame gate reads; not owned. Must be set before GameLoop.
    void SetClock(IClock* clock) { m_Clock = clock; }
    // Sets Quit after this many frames (0: no limit).
    void SetFrameLimit(uint64_t frames) { m_FrameLimit = frames; }
    // Frames Stepped so far.
    uint64_t FrameCount() const { return m_FrameCount; }

    std::vector<std::unique_ptr<ISystem>> Systems;
    bool Paused = false;
    bool Quit = false;

    WindowSystem* m_Windows = nullptr;
    Graphics* m_Graphics = nullptr;
    Physics* m_Physics = nullptr;
    GameLogic* m_GameLogic = nullptr;
    Audio* m_Audio = nullptr;
    ResourceManager* m_ResourceManager = nullptr;
    Factory* m_Factory = nullptr;
    Input* m_Input = nullptr;

private:
    IClock* m_Clock = nullptr;
    uint64_t m_FrameLimit = 0;
    uint64_t m_FrameCount = 0;
};

} // namespace Framework
