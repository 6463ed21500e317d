#include "platform/Clock.h"

#include <thread>

namespace Framework
{

RealClock::RealClock() : m_Start(std::chrono::steady_clock::now()) {}

uint32_t RealClock::NowMs()
{
    auto elapsed = std::chrono::steady_clock::now() - m_Start;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void RealClock::WaitUntilNear(uint32_t deadlineMs)
{
    uint32_t now = NowMs();
    uint32_t remaining = deadlineMs - now;
    // A deadline already passed (or a wrapped one far away) means no sleep at all.
    if (remaining == 0 || remaining > 1000)
    {
        return;
    }
    auto target = m_Start + std::chrono::milliseconds(deadlineMs) - std::chrono::microseconds(300);
    std::this_thread::sleep_until(target);
}

uint32_t FixedStepClock::NowMs()
{
    uint32_t reading = m_Time;
    m_Time += 17;
    return reading;
}

ScriptedClock::ScriptedClock(std::vector<uint32_t> readings) : m_Readings(std::move(readings)) {}

uint32_t ScriptedClock::NowMs()
{
    if (m_Readings.empty())
    {
        return 0;
    }
    size_t index = m_Next < m_Readings.size() ? m_Next : m_Readings.size() - 1;
    ++m_Next;
    return m_Readings[index];
}

} // namespace Framework
