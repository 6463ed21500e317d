#include "graphics/SpriteCells.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// A stretch of the quad, as a fraction of its width or height, that lies in one column or row of cells.
struct Span
{
    float From = 0.0f;
    float To = 0.0f;
    int Cell = 0;
};

// The spans of the quad's side whose texture coordinate runs from first to last (in 0..1, either way
// round) over a texture side of size texels, cut into cells; empty when it leaves the texture.
std::vector<Span> Spans(float first, float last, int size, int cells)
{
    std::vector<Span> spans;
    const float a = first * static_cast<float>(size);
    const float b = last * static_cast<float>(size);
    const float low = std::min(a, b);
    const float high = std::max(a, b);
    if (low < 0.0f || high > static_cast<float>(size) || high - low <= 0.0f)
    {
        return spans;
    }
    const int firstCell = std::clamp(static_cast<int>(std::floor(low / TextureCoverage::kCellSize)), 0, cells - 1);
    const int lastCell = std::clamp(static_cast<int>(std::ceil(high / TextureCoverage::kCellSize)) - 1, 0, cells - 1);
    // Fractions come from texel positions, so the boundary two neighbouring spans share is one number.
    auto fraction = [&](float texel) {
        return texel <= low ? (a < b ? 0.0f : 1.0f) : texel >= high ? (a < b ? 1.0f : 0.0f) : (texel - a) / (b - a);
    };
    for (int cell = firstCell; cell <= lastCell; ++cell)
    {
        float from = fraction(std::max(low, static_cast<float>(cell * TextureCoverage::kCellSize)));
        float to = fraction(std::min(high, static_cast<float>((cell + 1) * TextureCoverage::kCellSize)));
        spans.push_back({std::min(from, to), std::max(from, to), cell});
    }
    std::sort(spans.begin(), spans.end(), [](const Span& x, const Span& y) { return x.From < y.From; });
    return spans;
}

// Runs of one kind in a row of cells: first and last column span and the kind.
struct Run
{
    size_t First;
    size_t Last;
    TextureCoverage::Cell Kind;
    bool operator==(const Run&) const = default;
};

// Cuts a parallelogram quad into quads of runs of cells: a point is the top left corner plus s of the top side
// and t of the left.
class QuadCutter
{
public:
    QuadCutter(const Vertex (&quad)[4], std::vector<Vertex>& solid, std::vector<Vertex>& blended)
        : m_TopRight(quad[0]), m_BottomLeft(quad[2]), m_TopLeft(quad[3]), m_Solid(solid), m_Blended(blended)
    {
    }

    // Emits the runs' quads between the row fractions t0 and t1; clear runs are left out.
    void Emit(const std::vector<Run>& runs, const std::vector<Span>& columns, float t0, float t1)
    {
        for (const Run& run : runs)
        {
            if (run.Kind != TextureCoverage::Clear)
            {
                Quad(run.Kind == TextureCoverage::Solid ? m_Solid : m_Blended, columns[run.First].From,
                     columns[run.Last].To, t0, t1);
            }
        }
    }

private:
    Vertex At(float s, float t) const
    {
        Vertex out = m_TopLeft;
        out.x = m_TopLeft.x + s * (m_TopRight.x - m_TopLeft.x) + t * (m_BottomLeft.x - m_TopLeft.x);
        out.y = m_TopLeft.y + s * (m_TopRight.y - m_TopLeft.y) + t * (m_BottomLeft.y - m_TopLeft.y);
        out.u = m_TopLeft.u + s * (m_TopRight.u - m_TopLeft.u);
        out.v = m_TopLeft.v + t * (m_BottomLeft.v - m_TopLeft.v);
        return out;
    }

    void Quad(std::vector<Vertex>& to, float s0, float s1, float t0, float t1) const
    {
        const Vertex corners[4] = {At(s1, t0), At(s1, t1), At(s0, t1), At(s0, t0)};
        to.insert(to.end(), {corners[0], corners[1], corners[2], corners[2], corners[3], corners[0]});
    }

    const Vertex& m_TopRight;
    const Vertex& m_BottomLeft;
    const Vertex& m_TopLeft;
    std::vector<Vertex>& m_Solid;
    std::vector<Vertex>& m_Blended;
};

// The runs of equal cells along one row.
void RowRuns(const TextureCoverage& coverage, const std::vector<Span>& columns, int row, std::vector<Run>& runs)
{
    runs.clear();
    for (size_t column = 0; column < columns.size(); ++column)
    {
        const TextureCoverage::Cell kind = coverage.At(columns[column].Cell, row);
        if (!runs.empty() && runs.back().Kind == kind)
        {
            runs.back().Last = column;
        }
        else
        {
            runs.push_back({column, column, kind});
        }
    }
}
} // namespace

bool SplitByCoverage(const Vertex (&quad)[4], const TextureCoverage& coverage, std::vector<Vertex>& solid,
                     std::vector<Vertex>& blended)
{
    const Vertex& topRight = quad[0];
    const Vertex& bottomRight = quad[1];
    const Vertex& bottomLeft = quad[2];
    const Vertex& topLeft = quad[3];
    if (topRight.v != topLeft.v || bottomRight.v != bottomLeft.v || topRight.u != bottomRight.u ||
        topLeft.u != bottomLeft.u || coverage.Columns <= 0 || coverage.Rows <= 0)
    {
        return false;
    }
    const std::vector<Span> columns = Spans(topLeft.u, topRight.u, coverage.Width, coverage.Columns);
    const std::vector<Span> rows = Spans(topLeft.v, bottomLeft.v, coverage.Height, coverage.Rows);
    if (columns.empty() || rows.empty())
    {
        return false;
    }
    // Rows with the same runs as the row above extend its quads downwards, so a solid backdrop stays a few large
    // triangles.
    QuadCutter cutter(quad, solid, blended);
    std::vector<Run> open;
    std::vector<Run> runs;
    float openFrom = 0.0f;
    float openTo = 0.0f;
    for (const Span& row : rows)
    {
        RowRuns(coverage, columns, row.Cell, runs);
        if (runs == open)
        {
            openTo = row.To;
            continue;
        }
        cutter.Emit(open, columns, openFrom, openTo);
        open.swap(runs);
        openFrom = row.From;
        openTo = row.To;
    }
    cutter.Emit(open, columns, openFrom, openTo);
    return true;
}

} // namespace Framework
