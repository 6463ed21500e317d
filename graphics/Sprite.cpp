#include "graphics/Sprite.h"

namespace Framework
{

void Sprite::BuildQuad()
{
    HalfWidth = static_cast<float>(Size.Width) * 0.5f;
    HalfHeight = static_cast<float>(Size.Height) * 0.5f;
    Corners[0] = {HalfWidth, HalfHeight, 1.0f};
    Corners[1] = {HalfWidth, -HalfHeight, 1.0f};
    Corners[2] = {-HalfWidth, -HalfHeight, 1.0f};
    Corners[3] = {-HalfWidth, HalfHeight, 1.0f};
}

} // namespace Framework
