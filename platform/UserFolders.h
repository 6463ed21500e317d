#pragma once

#include <string>

namespace Framework
{

// The user's pictures folder: XDG_PICTURES_DIR from the environment or from the user's
// "user-dirs.dirs", else ~/Pictures; created if missing. Empty when there is no home folder.
std::string PicturesFolder();
// The program's folder in the user's config folder: XDG_CONFIG_HOME or ~/.config, then the program
// name. Not created here; empty when there is neither variable nor home folder.
std::string ConfigFolder(const std::string& program);
// The program's folder in the user's data folder: XDG_DATA_HOME or ~/.local/share, then the program
// name. Not created here; empty when there is neither variable nor home folder.
std::string DataFolder(const std::string& program);
// The first "<folder>/<prefix>NNNN.png" that does not exist yet, counting from 0001; empty if folder is.
std::string NextScreenshotPath(const std::string& folder, const std::string& prefix);

} // namespace Framework
