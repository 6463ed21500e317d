#pragma once

namespace Framework
{

// Starts the program again, once, with the C library told to back its large blocks with 2 MB pages: the
// textures and decoded pictures, a few hundred megabytes written once while the game starts, then cost a
// few hundred page faults instead of tens of thousands (each slow, above all in a virtual machine). Returns
// only when it does not restart: already restarted or set by the user (GLIBC_TUNABLES names the setting),
// turned off (KIBBET_SMALL_PAGES set), no large pages on this system, a sanitizer build, or exec failed.
void RestartWithLargePages(char** argv);

} // namespace Framework
