#include "physics/Collision.h"

#include <cstddef>

namespace Framework
{

namespace
{
void Project(const std::vector<Vec3>& polygon, const Vec3& axis, float& min, float& max)
{
    min = max = polygon[0].x * axis.x + polygon[0].y * axis.y;
    for (std::size_t i = 1; i < polygon.size(); ++i)
    {
        float p = polygon[i].x * axis.x + polygon[i].y * axis.y;
        if (p < min)
        {
            min = p;
        }
        if (p > max)
        {
            max = p;
        }
    }
}

// Runs the axis test on the normal of every edge of the outline; true as soon as one separates.
bool AnyEdgeSeparates(const std::vector<Vec3>& edges, const std::vector<Vec3>& a, const std::vector<Vec3>& b,
                      ContactRecord& record)
{
    std::size_t n = edges.size();
    for (std::size_t k = 0; k < n; ++k)
    {
        const Vec3& current = edges[k];
        const Vec3& previous = edges[k == 0 ? n - 1 : k - 1];
        Vec3 axis{-(current.y - previous.y), current.x - previous.x, 0.0f};
        if (AxisSeparates(a, axis, b, record))
        {
            return true;
        }
    }
    return false;
}
} // namespace

bool AxisSeparates(const std::vector<Vec3>& a, const Vec3& axis, const std::vector<Vec3>& b, ContactRecord& record)
{
    float minA = 0.0f;
    float maxA = 0.0f;
    float minB = 0.0f;
    float maxB = 0.0f;
    Project(a, axis, minA, maxA);
    Project(b, axis, minB, maxB);
    float d1 = maxB - minA;
    float d2 = minB - maxA;
    if (d1 < 0.0f || d2 > 0.0f)
    {
        return true;
    }
    // On a tie the negative d2 is taken.
    float pen = -d2 > d1 ? d1 : d2;
    float scale = pen / (axis.x * axis.x + axis.y * axis.y);
    float sx = axis.x * scale;
    float sy = axis.y * scale;
    float lengthSq = sx * sx + sy * sy;
    // An equal later candidate does not replace an earlier one.
    if (record.m_SeparationLengthSq > lengthSq || record.m_SeparationLengthSq < 0.0f)
    {
        record.m_Separation.x = sx;
        record.m_Separation.y = sy;
        record.m_SeparationLengthSq = lengthSq;
    }
    return false;
}

bool PolygonsOverlap(const std::vector<Vec3>& a, const std::vector<Vec3>& b, ContactRecord& record)
{
    record.m_SeparationLengthSq = -1.0f;
    if (AnyEdgeSeparates(a, a, b, record))
    {
        return false;
    }
    // B's edges give the axes, but the projection still takes A first and B second.
    return !AnyEdgeSeparates(b, a, b, record);
}

} // namespace Framework
