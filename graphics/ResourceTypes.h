#pragma once

#include "platform/Vector.h"

namespace Framework
{

// Texture coordinates of one sprite frame in its atlas, 0..1 across the texture.
struct UVRect
{
    Vec2 m_UVTopRight;
    Vec2 m_UVBottomRight;
    Vec2 m_UVBottomLeft;
    Vec2 m_UVTopLeft;
};

// Size of a sprite in world units.
struct SpriteSize
{
    unsigned Width = 0;
    unsigned Height = 0;
};

} // namespace Framework
