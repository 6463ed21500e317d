#pragma once

#include <string>
#include <vector>

namespace Framework
{

// Where the hero was and what it showed at one moment of a run; the animation name carries the facing
// ("...Left" animations are drawn mirrored).
struct GhostPose
{
    float X = 0.0f;
    float Y = 0.0f;
    std::string Animation;
    unsigned Frame = 0;
};

// A run of the hero through a level, sampled every kSamplePeriodMs of game time: recorded while the level is
// played, kept as a level's best run, and played back beside the hero as its ghost. Stored as whole-unit
// differences between samples with repeated lines folded, so the longest level's ghost stays a few kilobytes.
class GhostRun
{
public:
    // Game time between two samples; playback moves smoothly between them.
    static constexpr int kSamplePeriodMs = 68;

    // Takes the pose for every sample due by this game time (the first at 0).
    void Record(int elapsedMs, const GhostPose& pose);
    // The pose at this game time: the position between the two samples around it, the animation of the earlier;
    // after the end, the last pose. False for an empty run.
    bool PoseAt(int elapsedMs, GhostPose& pose) const;
    // Whether the run holds no sample.
    bool Empty() const { return m_Samples.empty(); }
    // The number of samples.
    size_t SampleCount() const { return m_Samples.size(); }

    // The run as the text of a ghost file.
    std::string Encode() const;
    // Reads the text of a ghost file; false (and the run left empty) when it is not one.
    bool Decode(const std::string& text);
    // Writes the run through a temporary file and a rename; false (and a log line) on failure.
    bool Write(const std::string& path) const;
    // Reads a ghost file; a missing file gives an empty run silently, a broken one an empty run and a log line.
    static GhostRun Read(const std::string& path);

private:
    std::vector<GhostPose> m_Samples;
};

} // namespace Framework
