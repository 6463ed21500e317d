#pragma once

#include <optional>
#include <string>

namespace Framework
{

// The playing time in seconds of a ".wav" file (from its format and data chunk sizes) or an ".mp3" file
// (from the frame count of its Xing/Info header, else from its size at the first frame's bit rate), read
// from the header without decoding; nothing when the file cannot be read or is neither.
std::optional<double> SoundFileSeconds(const std::string& path);

} // namespace Framework
