#pragma once

#include "platform/Vector.h"

#include <vector>

namespace Framework
{

class Body;

// A body's convex collision outline: the vertices in the object's local space as read from the data,
// and the same vertices in world space, recomputed after every integration step.
struct Polygon
{
    // World-space vertices; as many as m_Offsets once UpdatePolygon has run.
    std::vector<Vec3> m_Vertices;
    // Local-space vertices in outline order (either direction).
    std::vector<Vec3> m_Offsets;
    // The body that holds this polygon; re-pointed whenever a body is copied.
    Body* m_Body = nullptr;
};

// True when the outline can take part in the separating-axis test: at least three vertices and no
// edge of zero length (a zero edge gives a zero axis, and the test would divide by its length).
bool IsUsablePolygon(const std::vector<Vec3>& vertices);

} // namespace Framework
