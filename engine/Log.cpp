#include "engine/Log.h"

#include <cstdio>
#include <set>

namespace Framework
{

void Log(const std::string& message)
{
    std::fprintf(stderr, "kibbet: %s\n", message.c_str());
}

void LogOnce(const std::string& message)
{
    static std::set<std::string> seen;
    if (seen.insert(message).second)
    {
        Log(message);
    }
}

} // namespace Framework
