#include "data/Transform.h"

#include "data/TextSerializer.h"

#include <cmath>

namespace Framework
{

IComponent* Transform::Clone() const
{
    auto* copy = new Transform();
    copy->Position = Position;
    copy->Rotation = Rotation;
    copy->Scale = Scale;
    return copy;
}

void Transform::Serialize(TextSerializer& reader, const std::string& blockName)
{
    reader.EnterBlock(blockName);
    reader.ReadVec2("Position", Position.x, Position.y);
    reader.ReadScalarField(Rotation);
    reader.SkipSeparator();
    reader.ReadVec2("Scale", Scale.x, Scale.y);
    reader.SkipSeparator();
}

void Transform::Write(TextWriter& writer, const std::string& blockName) const
{
    writer.BeginBlock(blockName);
    writer.WriteVec2("Position", Position.x, Position.y);
    writer.WriteSeparator();
    writer.WriteNumber("Rotation", Rotation);
    writer.WriteSeparator();
    writer.WriteVec2("Scale", Scale.x, Scale.y);
    writer.EndBlock();
}

Mat4 Transform::WorldMatrix() const
{
    float c = std::cos(Rotation);
    float s = std::sin(Rotation);
    Mat4 m;
    m.m[0][0] = Scale.x * c;
    m.m[0][1] = Scale.x * s;
    m.m[1][0] = -Scale.y * s;
    m.m[1][1] = Scale.y * c;
    m.m[3][0] = Position.x;
    m.m[3][1] = Position.y;
    return m;
}

} // namespace Framework
