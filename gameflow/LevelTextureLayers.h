#pragma once

#include <string>
#include <vector>

namespace Framework
{

// The texture layers a level will draw, read from its file before it is loaded: the layers of the sprites,
// shapes and emitters of the object types it places and of the heads-up display's. Objects the level
// makes while it runs are not seen (their textures load when they are first drawn). Empty when the game's
// systems are not there.
std::vector<int> LevelTextureLayers(const std::string& levelName);

} // namespace Framework
