#include "tests/TestSupport.h"

#include "graphics/CoverCut.h"

#include <cmath>

using namespace Framework;

namespace
{
// A quad from (0, 0) to (100, 50) as Graphics builds it (top right, bottom right, bottom left, bottom left,
// top left, top right; y up), texture coordinates 0..1 from the top left.
std::vector<Vertex> Quad()
{
    const Vertex topRight{100, 50, 0, 0, 1, 1, 1, 1, 0};
    const Vertex bottomRight{100, 0, 0, 0, 1, 1, 1, 1, 1};
    const Vertex bottomLeft{0, 0, 0, 0, 1, 1, 1, 0, 1};
    const Vertex topLeft{0, 50, 0, 0, 1, 1, 1, 0, 0};
    return {topRight, bottomRight, bottomLeft, bottomLeft, topLeft, topRight};
}

// The area of the quads, and whether each corner's texture coordinates sit where the whole quad puts them.
float CheckedArea(const std::vector<Vertex>& quads)
{
    float area = 0.0f;
    for (size_t at = 0; at + 6 <= quads.size(); at += 6)
    {
        CoverRect rect;
        EXPECT_TRUE(QuadRect(&quads[at], rect));
        area += (rect.Right - rect.Left) * (rect.Top - rect.Bottom);
        for (size_t k = 0; k < 6; ++k)
        {
            EXPECT_FLOAT_EQ(quads[at + k].u, quads[at + k].x / 100.0f);
            EXPECT_FLOAT_EQ(quads[at + k].v, 1.0f - quads[at + k].y / 50.0f);
        }
    }
    return area;
}
} // namespace

TEST(CoverCutTest, PiecesLeaveOutWhatCoversPaintAndKeepTheTextureInPlace)
{
    struct Case
    {
        std::vector<CoverRect> Covers;
        float Area;
    };
    const Case cases[] = {
        {{}, 5000.0f},                                     // nothing over it: the quad whole
        {{{200, 300, 0, 50}}, 5000.0f},                    // a cover beside it
        {{{20, 40, 10, 30}}, 5000.0f - 400.0f},            // a hole in the middle
        {{{-10, 50, -10, 60}, {40, 70, 20, 80}}, 1900.0f}, // overlapping covers over an edge
        {{{-1, 101, -1, 51}}, 0.0f},                       // covered whole
    };
    for (const Case& c : cases)
    {
        std::vector<Vertex> out;
        CutByCovers(Quad(), c.Covers, out);
        EXPECT_FLOAT_EQ(CheckedArea(out), c.Area) << c.Covers.size() << " covers";
    }
}
