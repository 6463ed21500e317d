#pragma once

#include <string>
#include <vector>

namespace Framework
{

// Regular files directly in a folder whose extension equals ext exactly (case-sensitive, with the dot),
// or every file when ext is empty; full paths joined with '/', sorted by file name in byte order so the
// listing is the same on every machine. A missing folder gives an empty list.
std::vector<std::string> ListFilesSorted(const std::string& folder, const std::string& ext);

} // namespace Framework
