#include "physics/Polygon.h"

#include "data/TextSerializer.h"

#include <cmath>

namespace Framework
{

namespace
{
// One number field of a vector block: name, colon and value tokens.
float ReadComponent(TextSerializer& reader)
{
    float value = 0.0f;
    reader.ReadFieldValue(value);
    return value;
}

// The three fields of a vector block after its opening brace, then the closing brace.
void ReadVec3Fields(TextSerializer& reader, Vec3& out)
{
    out.x = ReadComponent(reader);
    if (reader.IsGood())
    {
        reader.ReadToken();
    }
    out.y = ReadComponent(reader);
    if (reader.IsGood())
    {
        reader.ReadToken();
    }
    out.z = ReadComponent(reader);
    if (reader.IsGood())
    {
        reader.ReadToken();
    }
}
} // namespace

void ReadVec3(TextSerializer& reader, const std::string& name, Vec3& out)
{
    reader.EnterBlock(name);
    ReadVec3Fields(reader, out);
}

void WriteVec3(TextWriter& writer, const std::string& name, const Vec3& value)
{
    writer.BeginBlock(name);
    writer.WriteNumber("x", value.x);
    writer.WriteSeparator();
    writer.WriteNumber("y", value.y);
    writer.WriteSeparator();
    writer.WriteNumber("z", value.z);
    writer.EndBlock();
}

void ReadVec3List(TextSerializer& reader, const std::string& name, std::vector<Vec3>& out)
{
    out.clear();
    // Passes the name and the colon; the current token is then the opening square bracket.
    reader.EnterBlock(name);
    if (!reader.TokenHas('['))
    {
        return;
    }
    for (;;)
    {
        if (!reader.ReadToken() || reader.TokenHas(']'))
        {
            return;
        }
        if (reader.TokenHas('"'))
        {
            reader.ReadToken(); // the colon
            reader.ReadToken(); // the entry's opening brace
        }
        if (!reader.TokenHas('{'))
        {
            return; // not a vector block: the list is malformed, keep what was read
        }
        Vec3 vertex;
        ReadVec3Fields(reader, vertex);
        out.push_back(vertex);
        if (!reader.IsGood() || !reader.ReadToken() || !reader.TokenHas(','))
        {
            return; // the closing square bracket, or the end of a truncated file
        }
    }
}

void WriteVec3List(TextWriter& writer, const std::string& name, const std::vector<Vec3>& values)
{
    writer.WriteRaw("\"" + name + "\" : [ ");
    for (size_t i = 0; i < values.size(); ++i)
    {
        if (i != 0)
        {
            writer.WriteSeparator();
        }
        WriteVec3(writer, "Vertex", values[i]);
    }
    writer.WriteRaw(" ]");
}

bool IsUsablePolygon(const std::vector<Vec3>& vertices)
{
    size_t n = vertices.size();
    if (n < 3)
    {
        return false;
    }
    for (size_t k = 0; k < n; ++k)
    {
        const Vec3& a = vertices[k];
        const Vec3& b = vertices[k == 0 ? n - 1 : k - 1];
        float ex = a.x - b.x;
        float ey = a.y - b.y;
        // The axis's squared length is the divisor of the test; it must be a positive finite number.
        float lengthSq = ex * ex + ey * ey;
        if (!(lengthSq > 0.0f) || !std::isfinite(lengthSq))
        {
            return false;
        }
    }
    return true;
}

} // namespace Framework
