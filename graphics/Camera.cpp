#include "graphics/Camera.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/Parallax.h"
#include "physics/Body.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

Camera CAMERA;

namespace
{
void ResetCamera()
{
    CAMERA = Camera{};
}

// Defined after CAMERA, so the camera exists before its reset can run.
[[maybe_unused]] const bool g_CameraResetAdded = (AddProcessStateReset(&ResetCamera), true);
} // namespace

Mat4 Multiply(const Mat4& a, const Mat4& b)
{
    Mat4 out;
    for (int r = 0; r < 4; ++r)
    {
        for (int c = 0; c < 4; ++c)
        {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
            {
                sum += a.m[r][k] * b.m[k][c];
            }
            out.m[r][c] = sum;
        }
    }
    return out;
}

bool Camera::IsHero(const GameObjectComposition* object)
{
    if (object == nullptr)
    {
        return false;
    }
    if (CORE != nullptr && CORE->m_Factory != nullptr)
    {
        return CORE->m_Factory->FindObject("Kibbet") == object;
    }
    return object->Key == "Kibbet";
}

void Camera::InitCamera(int clientWidth, int clientHeight)
{
    m_ClientWidth = clientWidth;
    m_ClientHeight = clientHeight;
    m_HalfClient = {static_cast<float>(clientWidth) * 0.5f, static_cast<float>(clientHeight) * 0.5f};
    m_ViewOffset = m_HalfClient;

    // Left-handed look-at from (0, 0, -5) toward the origin with y up: a move of +5 along z.
    m_ViewBase = Mat4{};
    m_ViewBase.m[3][2] = 5.0f;

    // Left-handed orthographic off-centre projection: x 0..width, y 0..height, depth 0.1..100 to 0..1.
    const float nearZ = 0.1f;
    const float farZ = 100.0f;
    float w = static_cast<float>(clientWidth);
    float h = static_cast<float>(clientHeight);
    m_Projection = Mat4{};
    m_Projection.m[0][0] = w != 0.0f ? 2.0f / w : 0.0f;
    m_Projection.m[1][1] = h != 0.0f ? 2.0f / h : 0.0f;
    m_Projection.m[2][2] = 1.0f / (farZ - nearZ);
    m_Projection.m[3][0] = -1.0f;
    m_Projection.m[3][1] = -1.0f;
    m_Projection.m[3][2] = nearZ / (nearZ - farZ);
    RebuildViewProjection();
}

void Camera::SetCameraTarget(GameObjectComposition* object, bool carryParallax)
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
    m_TargetOffset = {0.0f, IsHero(object) ? -200.0f : 0.0f};
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
    Vec2 next{m_HalfClient.x - x + m_TargetOffset.x, m_HalfClient.y - y + m_TargetOffset.y};
    if (carryParallax)
    {
        UpdateParallax(m_ViewOffset.x - next.x, m_ViewOffset.y - next.y);
    }
    m_ViewOffset = next;
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
    Vec2 next{m_HalfClient.x - x + m_TargetOffset.x, m_HalfClient.y - y + m_TargetOffset.y};
    UpdateParallax(m_ViewOffset.x - next.x, m_ViewOffset.y - next.y);
    m_ViewOffset = next;
}

void Camera::UpdateLookAhead(float dt)
{
    if (!IsHero(m_Target) || (CORE != nullptr && CORE->Paused))
    {
        return;
    }
    bool moved =
        std::fabs(m_ViewOffset.x - m_PrevViewOffset.x) > 1.0f || std::fabs(m_ViewOffset.y - m_PrevViewOffset.y) > 1.0f;
    m_PrevViewOffset = m_ViewOffset;
    if (moved)
    {
        if (m_LookAheadTimer > 1.0f)
        {
            const Body* body = m_Target->GetBody();
            float velocityX = body != nullptr ? body->m_Velocity.x : 0.0f;
            if (velocityX > 0.0001f)
            {
                m_LookAhead += 0.5f;
            }
            else if (velocityX < -0.0001f)
            {
                m_LookAhead -= 0.5f;
            }
            m_LookAhead = std::clamp(m_LookAhead, -100.0f, 100.0f);
        }
        else
        {
            m_LookAheadTimer += dt;
        }
        return;
    }
    if (m_LookAheadTimer <= 0.0001f)
    {
        if (m_LookAhead > 1.0001f)
        {
            m_LookAhead -= 1.0f;
        }
        else if (m_LookAhead < -1.0001f)
        {
            m_LookAhead += 1.0f;
        }
        m_LookAheadTimer = 0.0f;
    }
    else
    {
        m_LookAheadTimer -= 2.0f * dt;
    }
}

void Camera::RebuildViewProjection()
{
    Mat4 translation;
    translation.m[3][0] = m_ViewOffset.x;
    translation.m[3][1] = m_ViewOffset.y;
    m_ViewProjection = Multiply(Multiply(translation, m_ViewBase), m_Projection);
}

void Camera::UpdateParallax(float dx, float dy)
{
    for (GameObjectComposition* object : m_ParallaxObjects)
    {
        auto* parallax = dynamic_cast<Parallax*>(object->GetComponent("Parallax"));
        Transform* transform = object->GetTransform();
        if (parallax == nullptr || transform == nullptr || !parallax->m_Parallax)
        {
            continue;
        }
        transform->Position.x += parallax->m_OffsetX * dx;
        transform->Position.y += parallax->m_OffsetY * dy;
    }
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
    m_ParallaxObjects.clear();
}

} // namespace Framework
