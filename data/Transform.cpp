#include "data/Transform.h"

#include "data/FieldList.h"

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

void Transform::DescribeFields(FieldList& fields)
{
    fields.Vector2("Position", Position);
    fields.Number("Rotation", Rotation);
    fields.Vector2("Scale", Scale);
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
