#pragma once

#include "data/IComponent.h"
#include "platform/Vector.h"

namespace Framework
{

// Places an object in the world: position of its centre, rotation in radians about the axis out
// of the screen, and scale. Every object has exactly one; no system owns it.
class Transform : public IComponent
{
public:
    IComponent* Clone() const override;
    void Destroy() override {}
    // "Position", "Rotation" and "Scale".
    void DescribeFields(FieldList& fields) override;
    // The type name objects hold it under and data files call its blocks by.
    static constexpr const char* TypeName = "Transform";

    std::string GetName() const override { return TypeName; }

    // Scale, then rotation about z, then translation; rows for row vectors multiplied on the left.
    Mat4 WorldMatrix() const;

    Vec2 Position{0.0f, 0.0f};
    float Rotation = 0.0f;
    Vec2 Scale{1.0f, 1.0f};
};

} // namespace Framework
