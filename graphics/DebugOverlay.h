#pragma once

#include "platform/Vertex.h"

#include <chrono>
#include <deque>
#include <string>
#include <vector>

namespace Framework
{

class Core;

// What the debug overlay (F3) shows of one frame besides the outlines.
struct OverlayCounts
{
    double MeanMs = 0.0;  // mean frame time over the last second
    double WorstMs = 0.0; // longest frame of the last second
    size_t Objects = 0;   // live objects
    size_t Bodies = 0;    // registered bodies
    size_t ActiveBodies = 0;
    size_t Particles = 0; // live particles of every emitter
    size_t DrawCalls = 0; // draw calls of the previous frame
};

// The developer overlay toggled with F3: outlines of the active bodies (static, dynamic and trigger volumes in
// three colours) through the debug lines, the camera lock and the active region, a small map of the region around
// the view, and a readout in the game's own font. It only reads the game: toggling it changes nothing in play.
class DebugOverlay
{
public:
    // Shows or hides the overlay; hidden at start.
    void Toggle() { m_Visible = !m_Visible; }
    bool IsVisible() const { return m_Visible; }
    // Notes the start of a frame on the real clock, for the frame times of the last second.
    void NoteFrameStart();
    // Frame time mean and worst over the last second, and the counts, from the live systems.
    OverlayCounts Measure(const Core& core) const;
    // Queues the outlines, the camera lock, the active region and the map as debug lines for this frame.
    void QueueLines(const Core& core) const;
    // The readout as glyph quads of the font object type "PrimaryFont" at the top left of the view, and the dark
    // panel behind it (debug triangles); layer is the font's texture. Nothing when the font is missing.
    void BuildReadout(const Core& core, const OverlayCounts& counts, std::vector<Vertex>& out,
                      std::vector<Vertex>& panel, int& layer) const;
    // The readout's lines, in the characters the font has.
    static std::vector<std::string> ReadoutLines(const OverlayCounts& counts);

private:
    bool m_Visible = false;
    std::chrono::steady_clock::time_point m_LastStart{};
    // (end of a frame, its length in milliseconds) for the frames of the last second.
    std::deque<std::pair<std::chrono::steady_clock::time_point, double>> m_Frames;
};

} // namespace Framework
