#pragma once

#include "platform/Vertex.h"

#include <vector>

namespace Framework
{

// A rectangle of the world that a later draw paints over with opaque pixels and no blending.
struct CoverRect
{
    float Left = 0.0f;
    float Right = 0.0f;
    float Bottom = 0.0f;
    float Top = 0.0f;
};

// The rectangle of a quad of six vertices (corners 0, 1, 2, 2, 3, 0 as Graphics builds them) whose sides run
// along the axes; false when it is turned or has no area.
bool QuadRect(const Vertex* quad, CoverRect& rect);

// Appends to out the quads of in (six vertices each, as Graphics builds them) less the parts that covers
// paint over, cut into rectangles with the texture coordinates and colour at the same places. Edges are
// the very numbers of the quad and the covers, so the pixels left out are the ones a cover draws. Turned
// quads are copied whole.
void CutByCovers(const std::vector<Vertex>& in, const std::vector<CoverRect>& covers, std::vector<Vertex>& out);

} // namespace Framework
