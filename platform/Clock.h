#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace Framework
{

// The millisecond clock of the main loop. Readings wrap around like a 32-bit counter.
class IClock
{
public:
    IClock() = default;
    virtual ~IClock() = default;
    IClock(const IClock&) = delete;
    IClock& operator=(const IClock&) = delete;

    // The current reading in whole milliseconds.
    virtual uint32_t NowMs() = 0;
    // Blocks until shortly before the clock reads deadlineMs; the caller polls NowMs afterwards.
    // Clocks that do not follow real time return at once.
    virtual void WaitUntilNear(uint32_t deadlineMs) { (void)deadlineMs; }
};

// Real time from a monotonic clock, counted from the clock's construction.
class RealClock : public IClock
{
public:
    RealClock();
    uint32_t NowMs() override;
    // Sleeps until 300 microseconds before the deadline so the final poll spins only briefly.
    void WaitUntilNear(uint32_t deadlineMs) override;

private:
    std::chrono::steady_clock::time_point m_Start;
};

// Advances exactly 17 ms on every reading, so each frame of the loop gets dt = 0.017 without waiting.
class FixedStepClock : public IClock
{
public:
    uint32_t NowMs() override;

private:
    uint32_t m_Time = 0;
};

// Returns the given readings in order and repeats the last one; for tests of the frame gate.
class ScriptedClock : public IClock
{
public:
    explicit ScriptedClock(std::vector<uint32_t> readings);
    uint32_t NowMs() override;
    // Number of readings taken so far.
    size_t Reads() const { return m_Next; }

private:
    std::vector<uint32_t> m_Readings;
    size_t m_Next = 0;
};

} // namespace Framework
