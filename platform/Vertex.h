#pragma once

namespace Framework
{

// The one vertex format: world position, colour channels (their meaning depends on the primitive)
// and texture coordinate. 36 bytes, tightly packed.
struct Vertex
{
    float x, y, z;
    float r, g, b, a;
    float u, v;
};
static_assert(sizeof(Vertex) == 36, "the vertex layout is 36 bytes");

} // namespace Framework
