#pragma once

#include "graphics/ResourceTypes.h"
#include "platform/Vector.h"

#include <array>
#include <string>

namespace Framework
{

// One textured quad centred on its owner, y up, at z = 1. Corners and UVs run top right, bottom right,
// bottom left, top left, so the two triangles 0-1-2 and 2-3-0 are clockwise on screen.
struct Sprite
{
    // Sets the half sizes and the corners from the size.
    void BuildQuad();

    SpriteSize Size;
    float HalfWidth = 0.0f;
    float HalfHeight = 0.0f;
    std::array<Vec3, 4> Corners{};
    UVRect UVs;
    std::string Name;
};

} // namespace Framework
