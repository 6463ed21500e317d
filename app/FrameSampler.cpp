#include "app/FrameSampler.h"

#include "app/StateDump.h"
#include "engine/Core.h"
#include "graphics/Graphics.h"

#include <cstdio>
#include <utility>

namespace Framework
{

FrameSampler::FrameSampler(Core* core, std::ostream& out, uint64_t dumpEvery, uint64_t shotEvery,
                           std::string screenshotPath)
    : m_Core(core), m_Out(out), m_DumpEvery(dumpEvery), m_ShotEvery(shotEvery),
      m_ScreenshotPath(std::move(screenshotPath))
{
}

void FrameSampler::Update(float dt)
{
    (void)dt;
    uint64_t done = m_Core->FrameCount();
    if (done == 0)
    {
        return;
    }
    if (m_DumpEvery != 0 && done % m_DumpEvery == 0)
    {
        DumpState(*m_Core, m_Out);
        m_Out.flush();
    }
    if (m_ShotEvery != 0 && done % m_ShotEvery == 0 && m_Core->m_Graphics != nullptr)
    {
        m_Core->m_Graphics->SaveScreenshot(NumberedPath(m_ScreenshotPath, done));
    }
}

std::string FrameSampler::NumberedPath(const std::string& path, uint64_t frame)
{
    char number[32];
    std::snprintf(number, sizeof number, "-%06llu", static_cast<unsigned long long>(frame));
    size_t slash = path.find_last_of('/');
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    {
        return path + number;
    }
    return path.substr(0, dot) + number + path.substr(dot);
}

} // namespace Framework
