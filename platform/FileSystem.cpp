#include "platform/FileSystem.h"

#include <algorithm>
#include <filesystem>

namespace Framework
{

namespace
{
// From the last dot of the file name on, with the dot; empty if none.
std::string ExtensionOf(const std::string& fileName)
{
    size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : fileName.substr(dot);
}
} // namespace

std::vector<std::string> ListFilesSorted(const std::string& folder, const std::string& ext)
{
    namespace fs = std::filesystem;
    std::string dir = folder;
    std::replace(dir.begin(), dir.end(), '\\', '/');
    while (dir.size() > 1 && dir.back() == '/')
    {
        dir.pop_back();
    }
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? std::string(".") : dir, ec);
    if (ec)
    {
        return {};
    }
    for (; it != fs::directory_iterator(); it.increment(ec))
    {
        if (ec)
        {
            break;
        }
        std::error_code statError;
        if (it->is_directory(statError))
        {
            continue;
        }
        std::string name = it->path().filename().string();
        if (ext.empty() || ExtensionOf(name) == ext)
        {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const auto& name : names)
    {
        paths.push_back(dir + "/" + name);
    }
    return paths;
}

} // namespace Framework
