#include "platform/Log.h"

#include <cstdio>
#include <set>

namespace Framework
{

namespace
{
// The messages LogOnce has written this run.
std::set<std::string>& LoggedOnce()
{
    static std::set<std::string> messages;
    return messages;
}
} // namespace

void Log(const std::string& message)
{
    std::fprintf(stderr, "kibbet: %s\n", message.c_str());
}

void LogOnce(const std::string& message)
{
    if (LoggedOnce().insert(message).second)
    {
        Log(message);
    }
}

void ForgetLoggedOnce()
{
    LoggedOnce().clear();
}

} // namespace Framework
