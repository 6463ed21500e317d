#include "graphics/Camera.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"

#include <algorithm>

namespace Framework
{

Camera CAMERA;

void Camera::SetCameraTarget(GameObjectComposition* object)
{
    if (object == nullptr && CORE != nullptr && CORE->m_Factory != nullptr)
    {
        object = CORE->m_Factory->FindObject("Kibbet");
    }
    m_Target = object;
    if (object == nullptr)
    {
        return;
    }
    m_TargetOffset = {0.0f, object->Name == "Kibbet" ? -200.0f : 0.0f};
    Transform* transform = object->GetTransform();
    if (transform == nullptr)
    {
        return;
    }
    float x = transform->Position.x;
    float y = transform->Position.y;
    if (m_LockMinX)
    {
        x = std::max(x, m_MinX);
    }
    if (m_LockMinY)
    {
        y = std::max(y, m_MinY);
    }
    m_ViewOffset = {m_HalfClient.x - x + m_TargetOffset.x, m_HalfClient.y - y + m_TargetOffset.y};
    UpdateCamera();
}

void Camera::UpdateCamera()
{
    if (m_Target == nullptr || m_Target->GetTransform() == nullptr)
    {
        return;
    }
    float x = m_Target->GetTransform()->Position.x + m_LookAhead;
    float y = m_Target->GetTransform()->Position.y;
    if (m_LockMinY)
    {
        y = std::max(y, m_MinY);
    }
    if (m_LockMinX)
    {
        x = std::max(x, m_MinX);
    }
    m_ViewOffset = {m_HalfClient.x - x + m_TargetOffset.x, m_HalfClient.y - y + m_TargetOffset.y};
}

void Camera::SetCameraLocks(float minX, float minY)
{
    m_MinX = minX;
    m_LockMinX = true;
    m_MinY = minY;
    m_LockMinY = true;
}

void Camera::ClearCameraLocks()
{
    m_LockMinX = false;
    m_LockMinY = false;
    m_LookAhead = 0.0f;
}

} // namespace Framework
