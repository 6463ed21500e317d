#include "platform/UserFolders.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace Framework
{

namespace
{
std::string Home()
{
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) : std::string();
}

// The XDG variable if set, else the fallback under the home folder; empty without either.
std::string XdgBase(const char* variable, const std::string& home, const char* fallback)
{
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0')
    {
        return value;
    }
    return home.empty() ? std::string() : home + fallback;
}

std::string ConfigBase(const std::string& home)
{
    return XdgBase("XDG_CONFIG_HOME", home, "/.config");
}

// Reads XDG_PICTURES_DIR="$HOME/..." from the user-dirs file.
std::string FromUserDirs(const std::string& home)
{
    std::ifstream file(ConfigBase(home) + "/user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_PICTURES_DIR=";
    while (std::getline(file, line))
    {
        if (line.rfind(key, 0) != 0)
        {
            continue;
        }
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        {
            value = value.substr(1, value.size() - 2);
        }
        if (value.rfind("$HOME", 0) == 0)
        {
            value = home + value.substr(5);
        }
        return value;
    }
    return {};
}
} // namespace

std::string PicturesFolder()
{
    std::string home = Home();
    std::string folder;
    if (const char* env = std::getenv("XDG_PICTURES_DIR"); env != nullptr && *env != '\0')
    {
        folder = env;
    }
    else if (!home.empty())
    {
        folder = FromUserDirs(home);
        if (folder.empty())
        {
            folder = home + "/Pictures";
        }
    }
    if (!folder.empty())
    {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
    }
    return folder;
}

std::string ConfigFolder(const std::string& program)
{
    std::string base = ConfigBase(Home());
    return base.empty() ? std::string() : base + "/" + program;
}

std::string DataFolder(const std::string& program)
{
    std::string base = XdgBase("XDG_DATA_HOME", Home(), "/.local/share");
    return base.empty() ? std::string() : base + "/" + program;
}

std::string NextScreenshotPath(const std::string& folder, const std::string& prefix)
{
    if (folder.empty())
    {
        return {};
    }
    for (int n = 1; n < 100000; ++n)
    {
        char name[32];
        std::snprintf(name, sizeof name, "%04d.png", n);
        std::string path = folder + "/" + prefix + name;
        std::error_code ec;
        if (!std::filesystem::exists(path, ec))
        {
            return path;
        }
    }
    return {};
}

} // namespace Framework
