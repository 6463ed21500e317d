#pragma once

#include "data/IComponent.h"
#include "physics/Polygon.h"
#include "platform/Vector.h"

namespace Framework
{

// The physical body of an object: velocity, its own gravity and a convex collision polygon. Made by
// the Physics system (CreateComponent or CreatePrototypeComponent), which integrates the live ones.
// Gameplay code steers a body by writing m_Velocity and m_Gravity directly. A body whose m_Mass is 0 or
// less is static: never accelerated, never moved by the collision stage; a behaviour that gives it a
// velocity moves it (a moving platform). The object's Transform is the
// authority for position; every step starts from it and writes back to it.
//
// Data block, fields in this order: "m_Gravity", "m_Position", "m_Velocity", "m_Acceleration" (vector
// blocks "x", "y", "z"), "m_Mass", "m_Restitution", "m_Friction" (numbers), "m_Polygon" (a block whose
// one field "m_Offsets" is a list of vector blocks, one per vertex in outline order).
class Body : public IComponent
{
public:
    Body();
    ~Body() override;

    // Derives the static flag and inverse mass from m_Mass and sizes the world vertices.
    void Initialize() override;
    // A copy of every member, registered with the owning Physics system when there is one.
    IComponent* Clone() const override;
    // The eight data fields; the offsets list read replaces the old one.
    void DescribeFields(FieldList& fields) override;
    // The type name objects hold it under and data files call its blocks by.
    static constexpr const char* TypeName = "Body";

    std::string GetName() const override { return TypeName; }

    // One sub-step of motion of h seconds from the Transform's position; a static body does not move.
    void Integrate(float h);
    // A static body moves by its velocity (set by a behaviour) without gravity or damping; m_PrevPosition
    // keeps where this sub-step started.
    void MoveKinematic(float h);
    // Recomputes the world vertices from the offsets and the object's Transform.
    void UpdatePolygon();

    Vec3 m_Gravity;
    float m_MaxSpeed = 1800.0f;
    float m_MaxSpeedSquared = 3240000.0f;
    Vec3 m_Position;
    Vec3 m_PrevPosition;
    Vec3 m_Velocity;
    Vec3 m_Acceleration;
    float m_Mass = 2.0f;
    float m_InverseMass = 0.0f;
    float m_Restitution = 0.0f; // kept in the data; the solver does not use it
    float m_Friction = 0.0f;    // kept in the data; the solver does not use it
    Polygon m_Polygon;
    bool m_IsStatic = false;
    // Whether the body touches anything: one that does not (a crumbled ledge) takes part in no contact until a
    // behaviour sets it again. Not read from data.
    bool m_Solid = true;
};

} // namespace Framework
