#pragma once

#include "engine/Vector.h"

#include <string>
#include <vector>

namespace Framework
{

class Body;
class TextSerializer;
class TextWriter;

// A body's convex collision outline: the vertices in the object's local space as read from the data,
// and the same vertices in world space, recomputed after every integration step.
struct Polygon
{
    // World-space vertices; as many as m_Offsets once UpdatePolygon has run.
    std::vector<Vec3> m_Vertices;
    // Local-space vertices in outline order (either direction).
    std::vector<Vec3> m_Offsets;
    // The body that holds this polygon; re-pointed whenever a body is copied.
    Body* m_Body = nullptr;
};

// Reads a block of three number fields ("x", "y", "z"; names are not compared) up to and including
// its closing brace. With a name, the name and colon tokens are passed first.
void ReadVec3(TextSerializer& reader, const std::string& name, Vec3& out);
// Writes a block of three number fields "x", "y", "z" under the name.
void WriteVec3(TextWriter& writer, const std::string& name, const Vec3& value);
// Reads a named list of vector blocks: the name and colon, then "[" entries "]". Entries may be
// named fields or bare blocks; the list read replaces out. Stops at the end of a truncated file.
void ReadVec3List(TextSerializer& reader, const std::string& name, std::vector<Vec3>& out);
// Writes a named list of vector blocks, each entry a field named "Vertex", separated by commas.
void WriteVec3List(TextWriter& writer, const std::string& name, const std::vector<Vec3>& values);

// True when the outline can take part in the separating-axis test: at least three vertices and no
// edge of zero length (a zero edge gives a zero axis, and the test would divide by its length).
bool IsUsablePolygon(const std::vector<Vec3>& vertices);

} // namespace Framework
