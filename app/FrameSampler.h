#pragma once

#include "engine/ISystem.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace Framework
{

// The developer flags --dump-every and --screenshot-every: a system registered before all others, so its
// update at the start of frame N+1 sees the game exactly as it stood after frame N (as the dump and the picture
// after the last frame do). Only a run with one of those flags has it.
class FrameSampler : public ISystem
{
public:
    // dumpEvery and shotEvery are frame periods (0: never); pictures are named after screenshotPath.
    FrameSampler(Core* core, std::ostream& out, uint64_t dumpEvery, uint64_t shotEvery, std::string screenshotPath);

    // Dumps the state and writes the picture when the frames run so far are a multiple of their period.
    void Update(float dt) override;
    std::string GetName() const override { return "FrameSampler"; }
    Core* GetCore() const override { return m_Core; }

    // The picture of frame N beside path: "shots/x.png" gives "shots/x-000300.png" for frame 300.
    static std::string NumberedPath(const std::string& path, uint64_t frame);

private:
    Core* m_Core;
    std::ostream& m_Out;
    uint64_t m_DumpEvery;
    uint64_t m_ShotEvery;
    std::string m_ScreenshotPath;
};

} // namespace Framework
