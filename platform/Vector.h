#pragma once

namespace Framework
{

// Two 32-bit floats; world units are pixels of the 1280 x 720 view, x to the right, y up.
struct Vec2
{
    float x = 0.0f;
    float y = 0.0f;
};

struct Vec3
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Row-major 4 x 4 matrix for row vectors multiplied on the left.
struct Mat4
{
    float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};

} // namespace Framework
