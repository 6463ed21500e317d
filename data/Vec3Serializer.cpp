#include "data/Vec3Serializer.h"

#include "data/TextSerializer.h"

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
    reader.SkipSeparator();
    out.y = ReadComponent(reader);
    reader.SkipSeparator();
    out.z = ReadComponent(reader);
    reader.SkipSeparator(); // the closing brace
}

// A block of three number fields "x", "y", "z" under the name.
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
} // namespace

void ReadVec3List(TextSerializer& reader, const std::string& name, std::vector<Vec3>& out)
{
    out.clear();
    // Passes the name and the colon; the current token is then the opening square bracket.
    reader.EnterBlock(name);
    if (!reader.TokenHas('['))
    {
        return;
    }
    do
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
        // Anything but a comma is the closing square bracket or the end of a truncated file.
    } while (reader.NextListItem());
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

} // namespace Framework
