#pragma once

#include <string>

namespace Framework
{

// A key's name on a US keyboard ("Space", "Left", "J"), for sources that know no layout; "?" for a code
// no key has.
std::string DefaultKeyName(int virtualKey);

} // namespace Framework
