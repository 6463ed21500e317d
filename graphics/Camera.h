#pragma once

#include "engine/Vector.h"

namespace Framework
{

class GameObjectComposition;

// The one camera: follows a target object (by default the hero "Kibbet", held 200 units below the
// view centre) and can be kept from going left of or below the level's lock.
class Camera
{
public:
    // Follows the object, or the hero when it is null; the view jumps to it at once.
    void SetCameraTarget(GameObjectComposition* object);
    // Moves the view so the target (plus the look-ahead) sits at the target offset.
    void UpdateCamera();
    // The followed x never goes below minX and y never below minY until the locks are cleared.
    void SetCameraLocks(float minX, float minY);
    // Drops both locks and the look-ahead; called when a level is unloaded.
    void ClearCameraLocks();
    // The world point at the centre of the view.
    Vec2 ScreenCentre() const { return {m_HalfClient.x - m_ViewOffset.x, m_HalfClient.y - m_ViewOffset.y}; }

    int m_ClientWidth = 1280;
    int m_ClientHeight = 720;
    Vec2 m_HalfClient{640.0f, 360.0f};
    Vec2 m_ViewOffset{0.0f, 0.0f};
    GameObjectComposition* m_Target = nullptr;
    Vec2 m_TargetOffset{0.0f, -200.0f};
    float m_LookAhead = 0.0f;
    float m_LookAheadTimer = 0.0f;
    Vec2 m_PrevViewOffset{0.0f, 0.0f};
    bool m_LockMinX = false;
    float m_MinX = 0.0f;
    bool m_LockMinY = false;
    float m_MinY = 0.0f;
};

// The global camera.
extern Camera CAMERA;

} // namespace Framework
