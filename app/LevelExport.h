#pragma once

#include "app/Options.h"

#include <iosfwd>
#include <string>

namespace Framework
{

// Runs --export-map or --export-level: converts the level named by the options and returns the exit status
// (0 when written; 1 with a message on err otherwise). resourceDir is the data folder levels are found in.
int RunLevelExport(const Options& options, const std::string& resourceDir, std::ostream& err);

} // namespace Framework
