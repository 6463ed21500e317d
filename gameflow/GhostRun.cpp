#include "gameflow/GhostRun.h"

#include "gameflow/PlayerProgress.h"
#include "platform/Log.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace Framework
{

namespace
{
constexpr const char* kMagic = "kibbet-ghost";
constexpr int kVersion = 1;
// Folded repeats of the line before start with this mark.
constexpr char kRepeat = '*';
// No level is played for longer than this many samples (about two hours).
constexpr size_t kMostSamples = 100000;

// One sample's line: the whole-unit step from the sample before, the frame, and the animation's number when it
// changed.
std::string SampleLine(long dx, long dy, unsigned frame, int animation)
{
    std::string line = std::to_string(dx) + " " + std::to_string(dy) + " " + std::to_string(frame);
    return animation >= 0 ? line + " " + std::to_string(animation) : line;
}
} // namespace

void GhostRun::Record(int elapsedMs, const GhostPose& pose)
{
    while (static_cast<long long>(m_Samples.size()) * kSamplePeriodMs <= elapsedMs && m_Samples.size() < kMostSamples)
    {
        m_Samples.push_back(pose);
    }
}

bool GhostRun::PoseAt(int elapsedMs, GhostPose& pose) const
{
    if (m_Samples.empty())
    {
        return false;
    }
    size_t index = static_cast<size_t>(std::max(elapsedMs, 0) / kSamplePeriodMs);
    if (index + 1 >= m_Samples.size())
    {
        pose = m_Samples.back();
        return true;
    }
    const GhostPose& a = m_Samples[index];
    const GhostPose& b = m_Samples[index + 1];
    float share = static_cast<float>(std::max(elapsedMs, 0) % kSamplePeriodMs) / static_cast<float>(kSamplePeriodMs);
    pose = a;
    pose.X = a.X + (b.X - a.X) * share;
    pose.Y = a.Y + (b.Y - a.Y) * share;
    return true;
}

std::string GhostRun::Encode() const
{
    std::vector<std::string> names;
    std::map<std::string, int> numbers;
    for (const GhostPose& pose : m_Samples)
    {
        if (numbers.emplace(pose.Animation, static_cast<int>(names.size())).second)
        {
            names.push_back(pose.Animation);
        }
    }
    std::ostringstream out;
    out << kMagic << " " << kVersion << " " << kSamplePeriodMs << " " << m_Samples.size() << "\n";
    for (const std::string& name : names)
    {
        out << name << " ";
    }
    out << "\n";
    long x = 0;
    long y = 0;
    std::string animation;
    std::string previous;
    int repeats = 0;
    auto flush = [&]()
    {
        if (repeats > 0)
        {
            out << kRepeat << repeats << "\n";
            repeats = 0;
        }
    };
    for (const GhostPose& pose : m_Samples)
    {
        long px = std::lround(pose.X);
        long py = std::lround(pose.Y);
        int changed = pose.Animation != animation || previous.empty() ? numbers[pose.Animation] : -1;
        std::string line = SampleLine(px - x, py - y, pose.Frame, changed);
        x = px;
        y = py;
        animation = pose.Animation;
        if (line == previous)
        {
            ++repeats;
            continue;
        }
        flush();
        out << line << "\n";
        previous = line;
    }
    flush();
    out << "end\n";
    return out.str();
}

bool GhostRun::Decode(const std::string& text)
{
    m_Samples.clear();
    std::istringstream in(text);
    std::string magic;
    int version = 0;
    int period = 0;
    size_t count = 0;
    std::string line;
    if (!(in >> magic >> version >> period >> count) || magic != kMagic || version != kVersion ||
        period != kSamplePeriodMs || count > kMostSamples || !std::getline(in, line) || !std::getline(in, line))
    {
        return false;
    }
    std::vector<std::string> names;
    std::istringstream nameList(line);
    for (std::string name; nameList >> name;)
    {
        names.push_back(name);
    }
    GhostPose pose;
    std::vector<GhostPose> samples;
    long dx = 0;
    long dy = 0;
    while (std::getline(in, line) && line != "end")
    {
        std::istringstream fields(line);
        int repeats = 1;
        if (!line.empty() && line[0] == kRepeat)
        {
            fields.get();
            if (!(fields >> repeats) || repeats < 1 || samples.empty())
            {
                return false;
            }
        }
        else
        {
            std::string animation;
            if (!(fields >> dx >> dy >> pose.Frame))
            {
                return false;
            }
            if (fields >> animation)
            {
                size_t number = static_cast<size_t>(std::strtoul(animation.c_str(), nullptr, 10));
                if (number >= names.size())
                {
                    return false;
                }
                pose.Animation = names[number];
            }
        }
        for (int i = 0; i < repeats && samples.size() <= count; ++i)
        {
            pose.X += static_cast<float>(dx);
            pose.Y += static_cast<float>(dy);
            samples.push_back(pose);
        }
    }
    if (line != "end" || samples.size() != count)
    {
        return false;
    }
    m_Samples = std::move(samples);
    return true;
}

bool GhostRun::Write(const std::string& path) const
{
    return ReplaceFile(path, Encode());
}

GhostRun GhostRun::Read(const std::string& path)
{
    GhostRun run;
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        return run;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!run.Decode(text.str()))
    {
        Log("ghost: " + path + " cannot be read; this level has no ghost until a new best time");
    }
    return run;
}

} // namespace Framework
