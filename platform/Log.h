#pragma once

#include <string>

namespace Framework
{

// Writes one line to standard error, prefixed with the program's name.
void Log(const std::string& message);
// Like Log, but each distinct message is written only once per run, so a level designer
// sees a missing name without a flood of repeats.
void LogOnce(const std::string& message);
// Forgets the messages LogOnce has written, so each is written once again (between runs in one process).
void ForgetLoggedOnce();

} // namespace Framework
