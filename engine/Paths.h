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
// The running program's file (from the system), or argv0 when the system cannot say.
std::string RunningProgramPath(const std::string& argv0);
// Finds a "Resources" folder holding "Data" beside the executable, in the installed layout
// (share/kibbet/Resources of the program's prefix) or in a folder above it; empty when there is none.
std::string FindResourceRootNear(const std::string& executablePath);
// Turns backslashes into slashes so paths written for either separator work.
std::string NormalizeSeparators(const std::string& path);

} // namespace Framework
