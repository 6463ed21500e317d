#pragma once

#include "physics/ContactRecord.h"
#include "platform/Vector.h"

#include <vector>

namespace Framework
{

// Projects both polygons on an axis (not normalised) and reports whether it separates them. On overlap
// (touching counts) the candidate separation along the axis replaces the record's when it is strictly
// shorter, or when the record has none yet (negative squared length).
bool AxisSeparates(const std::vector<Vec3>& a, const Vec3& axis, const std::vector<Vec3>& b, ContactRecord& record);

// Separating-axis test of two convex polygons given as world vertices in outline order. Tries the
// normal of every edge of A, then of B, and stops at the first separating axis. On overlap the record
// holds the smallest separation found, oriented so that moving B by its negative separates them. Both
// polygons must pass IsUsablePolygon.
bool PolygonsOverlap(const std::vector<Vec3>& a, const std::vector<Vec3>& b, ContactRecord& record);

} // namespace Framework
