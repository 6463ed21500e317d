#pragma once

#include "platform/Image.h"
#include "platform/Vertex.h"

#include <vector>

namespace Framework
{

// Splits a sprite's quad (corners top right, bottom right, bottom left, top left, as Graphics builds them)
// along the coverage cells of its texture: runs of solid cells go to solid and runs of mixed cells to
// blended, six vertices a quad wound like the sprite, with the sprite's colour and its texture coordinates
// at the same places; clear cells are left out. False, and nothing written, when the quad's texture
// coordinates do not run along the texture's axes or leave the texture.
bool SplitByCoverage(const Vertex (&quad)[4], const TextureCoverage& coverage, std::vector<Vertex>& solid,
                     std::vector<Vertex>& blended);

} // namespace Framework
