#pragma once

#include "platform/Vector.h"

#include <string>
#include <vector>

namespace Framework
{

class TextSerializer;
class TextWriter;

// Reads a named list of vector blocks: the name and colon, then "[" entries "]". Entries may be
// named fields or bare blocks; the list read replaces out. Stops at the end of a truncated file.
void ReadVec3List(TextSerializer& reader, const std::string& name, std::vector<Vec3>& out);
// Writes a named list of vector blocks, each entry a field named "Vertex", separated by commas.
void WriteVec3List(TextWriter& writer, const std::string& name, const std::vector<Vec3>& values);

} // namespace Framework
