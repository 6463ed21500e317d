#include "physics/Body.h"

#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/ISystem.h"

#include <cmath>

namespace Framework
{

namespace
{
// Per second, horizontal speed keeps a ten-thousandth of itself and vertical speed a fifth; raised to
// the step length so the damping does not depend on the frame rate.
constexpr float kHorizontalDampingBase = 0.0001f;
constexpr float kVerticalDampingBase = 0.2f;
} // namespace

Body::Body()
{
    m_Polygon.m_Body = this;
}

Body::~Body() = default;

void Body::Initialize()
{
    if (m_Mass > 0.0f)
    {
        m_IsStatic = false;
        m_InverseMass = 1.0f / m_Mass;
    }
    else
    {
        m_IsStatic = true;
        m_InverseMass = 0.0f;
    }
    m_Polygon.m_Vertices.clear();
    m_Polygon.m_Vertices.resize(m_Polygon.m_Offsets.size());
}

IComponent* Body::Clone() const
{
    Body* copy = System != nullptr ? static_cast<Body*>(System->CreateComponent(0)) : new Body();
    copy->m_Gravity = m_Gravity;
    copy->m_MaxSpeed = m_MaxSpeed;
    copy->m_MaxSpeedSquared = m_MaxSpeedSquared;
    copy->m_Position = m_Position;
    copy->m_PrevPosition = m_PrevPosition;
    copy->m_Velocity = m_Velocity;
    copy->m_Acceleration = m_Acceleration;
    copy->m_Mass = m_Mass;
    copy->m_InverseMass = m_InverseMass;
    copy->m_Restitution = m_Restitution;
    copy->m_Friction = m_Friction;
    copy->m_Solid = m_Solid;
    copy->m_Polygon.m_Vertices = m_Polygon.m_Vertices;
    copy->m_Polygon.m_Offsets = m_Polygon.m_Offsets;
    copy->m_Polygon.m_Body = copy;
    copy->m_IsStatic = m_IsStatic;
    return copy;
}

void Body::DescribeFields(FieldList& fields)
{
    fields.Vector3("m_Gravity", m_Gravity);
    fields.Vector3("m_Position", m_Position);
    fields.Vector3("m_Velocity", m_Velocity);
    fields.Vector3("m_Acceleration", m_Acceleration);
    fields.Number("m_Mass", m_Mass);
    fields.Number("m_Restitution", m_Restitution);
    fields.Number("m_Friction", m_Friction);
    fields.Block("m_Polygon", [this](FieldList& polygon) { polygon.Vec3List("m_Offsets", m_Polygon.m_Offsets); });
}

void Body::Integrate(float h)
{
    if (m_IsStatic)
    {
        MoveKinematic(h);
        return;
    }
    m_PrevPosition = m_Position;
    m_Acceleration = m_Gravity;
    Transform* transform = Owner != nullptr ? Owner->GetTransform() : nullptr;
    if (transform != nullptr)
    {
        m_Position.x = transform->Position.x;
        m_Position.y = transform->Position.y;
    }
    // The velocity of the previous step moves the body; the new velocity acts from the next step.
    m_Position.x += m_Velocity.x * h;
    m_Position.y += m_Velocity.y * h;
    if (transform != nullptr)
    {
        transform->Position.x = m_Position.x;
        transform->Position.y = m_Position.y;
    }
    m_Velocity.x = (m_Velocity.x + m_Acceleration.x * h) * std::pow(kHorizontalDampingBase, h);
    m_Velocity.y = (m_Velocity.y + m_Acceleration.y * h) * std::pow(kVerticalDampingBase, h);
    if (m_Velocity.x * m_Velocity.x + m_Velocity.y * m_Velocity.y > m_MaxSpeedSquared)
    {
        // The whole vector is normalised but only x and y are scaled back up: z keeps its unit value.
        float length =
            std::sqrt(m_Velocity.x * m_Velocity.x + m_Velocity.y * m_Velocity.y + m_Velocity.z * m_Velocity.z);
        m_Velocity.x = m_Velocity.x / length * m_MaxSpeed;
        m_Velocity.y = m_Velocity.y / length * m_MaxSpeed;
        m_Velocity.z = m_Velocity.z / length;
    }
}

void Body::MoveKinematic(float h)
{
    // A static body that a behaviour gives a velocity (a moving platform) moves by it without gravity or
    // damping, and still holds the hero up like the ground.
    Transform* transform = Owner != nullptr ? Owner->GetTransform() : nullptr;
    if (transform != nullptr)
    {
        m_Position.x = transform->Position.x;
        m_Position.y = transform->Position.y;
    }
    m_PrevPosition = m_Position;
    if (m_Velocity.x == 0.0f && m_Velocity.y == 0.0f)
    {
        return;
    }
    m_Position.x += m_Velocity.x * h;
    m_Position.y += m_Velocity.y * h;
    if (transform != nullptr)
    {
        transform->Position.x = m_Position.x;
        transform->Position.y = m_Position.y;
    }
}

void Body::UpdatePolygon()
{
    std::vector<Vec3>& vertices = m_Polygon.m_Vertices;
    const std::vector<Vec3>& offsets = m_Polygon.m_Offsets;
    if (vertices.size() != offsets.size())
    {
        vertices.clear();
        vertices.resize(offsets.size());
    }
    Transform* transform = Owner != nullptr ? Owner->GetTransform() : nullptr;
    Mat4 m = transform != nullptr ? transform->WorldMatrix() : Mat4();
    for (size_t i = 0; i < offsets.size(); ++i)
    {
        const Vec3& o = offsets[i];
        vertices[i].x = o.x * m.m[0][0] + o.y * m.m[1][0] + o.z * m.m[2][0] + m.m[3][0];
        vertices[i].y = o.x * m.m[0][1] + o.y * m.m[1][1] + o.z * m.m[2][1] + m.m[3][1];
        vertices[i].z = o.x * m.m[0][2] + o.y * m.m[1][2] + o.z * m.m[2][2] + m.m[3][2];
    }
}

} // namespace Framework
