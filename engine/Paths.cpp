#include "engine/Paths.h"

#include "engine/ProcessState.h"

#include <filesystem>

// Where an installed program's data lies, seen from the folder of the program (set by the build).
#ifndef KIBBET_DATA_FROM_BIN
#define KIBBET_DATA_FROM_BIN "../share/kibbet"
#endif

namespace Framework
{

std::string NormalizeSeparators(const std::string& path)
{
    std::string out = path;
    for (char& c : out)
    {
        if (c == '\\')
        {
            c = '/';
        }
    }
    return out;
}

void SetResourceRoot(const std::string& dir)
{
    std::string root = NormalizeSeparators(dir);
    while (root.size() > 1 && root.back() == '/')
    {
        root.pop_back();
    }
    ResourceRootFolder = root.empty() ? std::string("Resources") : root;
}

const std::string& ResourceRoot()
{
    return ResourceRootFolder;
}

std::string ResourcePath(const std::string& relative)
{
    std::string rel = NormalizeSeparators(relative);
    while (!rel.empty() && rel.front() == '/')
    {
        rel.erase(rel.begin());
    }
    return ResourceRootFolder + "/" + rel;
}

std::string RunningProgramPath(const std::string& argv0)
{
    // argv[0] holds no folder when the program was found through PATH, as an installed game is.
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec || self.empty() ? argv0 : self.string();
}

std::string FindResourceRootNear(const std::string& executablePath)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path dir = fs::weakly_canonical(fs::path(executablePath), ec).parent_path();
    for (int depth = 0; depth < 4 && !dir.empty(); ++depth)
    {
        fs::path candidate = dir / "Resources";
        if (fs::is_directory(candidate / "Data", ec))
        {
            return candidate.string();
        }
        if (depth == 0)
        {
            fs::path installed = (dir / KIBBET_DATA_FROM_BIN / "Resources").lexically_normal();
            if (fs::is_directory(installed / "Data", ec))
            {
                return installed.string();
            }
        }
        if (dir == dir.parent_path())
        {
            break;
        }
        dir = dir.parent_path();
    }
    return {};
}

} // namespace Framework
