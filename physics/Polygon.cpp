#include "physics/Polygon.h"

#include <cmath>

namespace Framework
{

bool IsUsablePolygon(const std::vector<Vec3>& vertices)
{
    size_t n = vertices.size();
    if (n < 3)
    {
        return false;
    }
    for (size_t k = 0; k < n; ++k)
    {
        const Vec3& a = vertices[k];
        const Vec3& b = vertices[k == 0 ? n - 1 : k - 1];
        float ex = a.x - b.x;
        float ey = a.y - b.y;
        // The axis's squared length is the divisor of the test; it must be a positive finite number.
        float lengthSq = ex * ex + ey * ey;
        if (!(lengthSq > 0.0f) || !std::isfinite(lengthSq))
        {
            return false;
        }
    }
    return true;
}

} // namespace Framework
