#include "engine/Log.h"

#include "engine/ProcessState.h"

#include <cstdio>

namespace Framework
{

void Log(const std::string& message)
{
    std::fprintf(stderr, "kibbet: %s\n", message.c_str());
}

void LogOnce(const std::string& message)
{
    if (LoggedOnceMessages.insert(message).second)
    {
        Log(message);
    }
}

} // namespace Framework
