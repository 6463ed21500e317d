#pragma once

#include <string>

namespace Framework
{

// Sets the folder every data, texture and sound path is resolved against ("Resources" by default).
void SetResourceRoot(const std::string& dir);
// The current resource folder, without a trailing separator.
const std::string& ResourceRoot();
// The resource folder joined with a relative path such as "Data/UV.json".
std::string ResourcePath(const std::string& relative);
// Finds a "Resources" folder holding "Data" beside the executable or in a folder above it;
// empty when there is none.
std::string FindResourceRootNear(const std::string& executablePath);
// Turns backslashes into slashes so paths written for either separator work.
std::string NormalizeSeparators(const std::string& path);

} // namespace Framework
