#pragma once

#include <set>
#include <string>
#include <vector>

namespace Framework
{

struct LevelDocument;
class Factory;
class ResourceManager;

// The texture layers a level draws: those of its objects' types (sprites, ground shapes, particles, text) with
// what the level's own blocks change. What its objects make while it runs is drawn in these layers, or its
// texture is loaded when first drawn.
std::set<int> LevelTextureLayers(const LevelDocument& level, const Factory& factory, ResourceManager& resources);
// The layers these object types draw in by themselves.
std::set<int> ObjectTypeTextureLayers(const std::vector<std::string>& typeNames);
// The same for the level of that name in the level folder, with the heads-up display's when it is played;
// empty when its file does not read.
std::set<int> LevelTextureLayers(const std::string& levelName);

} // namespace Framework
