#pragma once

#include "engine/ISystem.h"

#include <cstdint>
#include <string>

namespace Framework
{

// The developer flag --watch: while a level is played, saving its file starts that level again from the new
// file, so a level designer sees an edit at once. A system registered after all others: it looks at the current
// level's file every kCheckInterval seconds of frame time and reloads at the end of a frame, where level changes
// happen. A file that cannot be read leaves the running level as it is and says why on standard error.
class LevelWatcher : public ISystem
{
public:
    explicit LevelWatcher(Core* core) : m_Core(core) {}

    void Update(float dt) override { (void)dt; }
    // Notes the file of a level started in this frame; every kCheckInterval seconds after, compares it with what
    // was last read and reloads on a change.
    void LateUpdate(float dt) override;
    std::string GetName() const override { return "LevelWatcher"; }
    Core* GetCore() const override { return m_Core; }

    // Seconds of frame time between two looks at the file (with --fixed-step, every 15 frames).
    static constexpr float kCheckInterval = 0.25f;

    // What is wrong with the level file at path so that the game would misread it, as
    // "file:line:column: error: message", or empty when it reads. Text levels (".json") are parsed strictly;
    // of a file in another format only whether it opens is known here.
    static std::string LevelFileProblem(const std::string& path);

private:
    // Enough of a file's state to see that it was written: its time of change and size, or that it is missing.
    struct Stamp
    {
        bool Exists = false;
        int64_t Time = 0;
        uintmax_t Size = 0;

        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const std::string& path);

    Core* m_Core;
    float m_SinceCheck = 0.0f;
    // The file being watched, its state when the level was last read from it, and at the last look (a change is
    // acted on once two looks agree, so a file still being written is not read half way).
    std::string m_File;
    Stamp m_Read;
    Stamp m_Seen;
};

} // namespace Framework
