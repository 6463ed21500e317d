#include "platform/LargePages.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace Framework
{

namespace
{
constexpr const char* kSetting = "glibc.malloc.hugetlb";

bool SanitizerBuild()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

// The kernel hands out large pages to memory that asks for them ("always" or "madvise").
bool LargePagesOffered()
{
    std::ifstream file("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(file, modes);
    return modes.find("[always]") != std::string::npos || modes.find("[madvise]") != std::string::npos;
}
} // namespace

void RestartWithLargePages(char** argv)
{
    const char* current = std::getenv("GLIBC_TUNABLES");
    std::string tunables = current != nullptr ? current : "";
    if (tunables.find(kSetting) != std::string::npos || std::getenv("KIBBET_SMALL_PAGES") != nullptr ||
        SanitizerBuild() || !LargePagesOffered())
    {
        return;
    }
    // Named in the environment, the setting also stops the restarted program from restarting again.
    tunables += (tunables.empty() ? "" : ":") + std::string(kSetting) + "=1";
    if (setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0)
    {
        return;
    }
    execv("/proc/self/exe", argv);
    // Still here: the program goes on with ordinary pages.
    unsetenv("GLIBC_TUNABLES");
    if (current != nullptr)
    {
        setenv("GLIBC_TUNABLES", current, 1);
    }
}

} // namespace Framework
