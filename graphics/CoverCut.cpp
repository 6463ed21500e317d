#include "graphics/CoverCut.h"

#include <algorithm>

namespace Framework
{

namespace
{
// The corners of a quad of six vertices: top right, bottom right, bottom left, top left.
struct Corners
{
    const Vertex& TopRight;
    const Vertex& BottomLeft;
    const Vertex& TopLeft;
};

// The vertex at world point (x, y) of the quad, its texture coordinates and colour interpolated.
Vertex At(const Corners& c, float x, float y)
{
    Vertex out = c.TopLeft;
    const float s = (x - c.TopLeft.x) / (c.TopRight.x - c.TopLeft.x);
    const float t = (y - c.TopLeft.y) / (c.BottomLeft.y - c.TopLeft.y);
    out.x = x;
    out.y = y;
    out.u = c.TopLeft.u + s * (c.TopRight.u - c.TopLeft.u) + t * (c.BottomLeft.u - c.TopLeft.u);
    out.v = c.TopLeft.v + s * (c.TopRight.v - c.TopLeft.v) + t * (c.BottomLeft.v - c.TopLeft.v);
    return out;
}

// Appends the piece [x0, x1] x [y0, y1] of the quad, wound like the quad.
void Piece(const Corners& c, float x0, float x1, float y0, float y1, std::vector<Vertex>& out)
{
    const bool rightward = c.TopRight.x > c.TopLeft.x;
    const bool downward = c.BottomLeft.y > c.TopLeft.y;
    const float left = rightward ? x0 : x1;
    const float right = rightward ? x1 : x0;
    const float top = downward ? y0 : y1;
    const float bottom = downward ? y1 : y0;
    const Vertex topRight = At(c, right, top);
    const Vertex bottomRight = At(c, right, bottom);
    const Vertex bottomLeft = At(c, left, bottom);
    const Vertex topLeft = At(c, left, top);
    out.insert(out.end(), {topRight, bottomRight, bottomLeft, bottomLeft, topLeft, topRight});
}

// The edges of the covers inside [low, high], with both ends.
std::vector<float> Edges(float low, float high, const std::vector<const CoverRect*>& hits, bool across)
{
    std::vector<float> edges{low, high};
    for (const CoverRect* cover : hits)
    {
        const float pair[2] = {across ? cover->Left : cover->Bottom, across ? cover->Right : cover->Top};
        for (float edge : pair)
        {
            if (edge > low && edge < high)
            {
                edges.push_back(edge);
            }
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

// The index of the cell of edges that starts at value (value is one of the edges, or outside them).
size_t CellOf(const std::vector<float>& edges, float value)
{
    auto at = std::lower_bound(edges.begin(), edges.end(), value);
    return static_cast<size_t>(std::min(at - edges.begin(), static_cast<std::ptrdiff_t>(edges.size() - 1)));
}

// Cuts one axis-aligned quad by the covers that overlap it.
void CutQuad(const Vertex* quad, const CoverRect& rect, const std::vector<const CoverRect*>& hits,
             std::vector<Vertex>& out)
{
    const Corners corners{quad[0], quad[2], quad[4]};
    const std::vector<float> xs = Edges(rect.Left, rect.Right, hits, true);
    const std::vector<float> ys = Edges(rect.Bottom, rect.Top, hits, false);
    const size_t columns = xs.size() - 1;
    const size_t rows = ys.size() - 1;
    std::vector<unsigned char> covered(columns * rows, 0);
    for (const CoverRect* cover : hits)
    {
        const size_t c0 = CellOf(xs, std::max(cover->Left, rect.Left));
        const size_t c1 = CellOf(xs, std::min(cover->Right, rect.Right));
        const size_t r0 = CellOf(ys, std::max(cover->Bottom, rect.Bottom));
        const size_t r1 = CellOf(ys, std::min(cover->Top, rect.Top));
        for (size_t r = r0; r < r1; ++r)
        {
            std::fill(covered.begin() + static_cast<std::ptrdiff_t>(r * columns + c0),
                      covered.begin() + static_cast<std::ptrdiff_t>(r * columns + c1), 1);
        }
    }
    // Rows whose open cells match the row below grow its pieces, so large open areas stay few triangles.
    size_t from = 0;
    for (size_t r = 1; r <= rows; ++r)
    {
        if (r < rows && std::equal(covered.begin() + static_cast<std::ptrdiff_t>(r * columns),
                                   covered.begin() + static_cast<std::ptrdiff_t>((r + 1) * columns),
                                   covered.begin() + static_cast<std::ptrdiff_t>(from * columns)))
        {
            continue;
        }
        const unsigned char* row = &covered[from * columns];
        for (size_t c = 0; c < columns;)
        {
            size_t end = c;
            while (end < columns && row[end] == row[c])
            {
                ++end;
            }
            if (row[c] == 0)
            {
                Piece(corners, xs[c], xs[end], ys[from], ys[r], out);
            }
            c = end;
        }
        from = r;
    }
}
} // namespace

bool QuadRect(const Vertex* quad, CoverRect& rect)
{
    const Vertex& topRight = quad[0];
    const Vertex& bottomLeft = quad[2];
    const Vertex& topLeft = quad[4];
    const Vertex& bottomRight = quad[1];
    if (topRight.y != topLeft.y || bottomLeft.x != topLeft.x || bottomRight.x != topRight.x ||
        bottomRight.y != bottomLeft.y || topRight.x == topLeft.x || bottomLeft.y == topLeft.y)
    {
        return false;
    }
    rect = {std::min(topLeft.x, topRight.x), std::max(topLeft.x, topRight.x), std::min(topLeft.y, bottomLeft.y),
            std::max(topLeft.y, bottomLeft.y)};
    return true;
}

void CutByCovers(const std::vector<Vertex>& in, const std::vector<CoverRect>& covers, std::vector<Vertex>& out)
{
    std::vector<const CoverRect*> hits;
    for (size_t at = 0; at + 6 <= in.size(); at += 6)
    {
        const Vertex* quad = &in[at];
        CoverRect rect;
        hits.clear();
        if (QuadRect(quad, rect))
        {
            for (const CoverRect& cover : covers)
            {
                if (cover.Left < rect.Right && cover.Right > rect.Left && cover.Bottom < rect.Top &&
                    cover.Top > rect.Bottom)
                {
                    hits.push_back(&cover);
                }
            }
        }
        if (hits.empty())
        {
            out.insert(out.end(), quad, quad + 6);
            continue;
        }
        CutQuad(quad, rect, hits, out);
    }
}

} // namespace Framework
