#pragma once

#include "engine/ProcessState.h"
#include "platform/Vector.h"

#include <vector>

namespace Framework
{

class GameObjectComposition;

// The one camera: follows a target object (by default the hero "Kibbet", held 200 units below the
// view centre, with a horizontal lead in the direction it moves), can be kept from going left of or
// below the level's lock, and moves the parallax objects by a fraction of its own movement.
class Camera
{
public:
    // Measures the client area (world units are its pixels), puts the world origin at the view centre
    // and builds the matrices.
    void InitCamera(int clientWidth, int clientHeight);
    // Follows the object, or the hero when it is null; the view jumps to it at once. Within a level pass
    // carryParallax: the parallax objects (the sky, the HUD) jump with the view and keep their place on screen.
    // A level start leaves them where the level placed them.
    void SetCameraTarget(GameObjectComposition* object, bool carryParallax = false);
    // Moves the view so the target (plus the look-ahead) sits at the target offset; moves the parallax objects.
    void UpdateCamera();
    // Builds the lead toward the hero's direction of motion after a second of movement, and lets it fall
    // back once the hero has stood still; only while the hero is the target and the game is not paused.
    void UpdateLookAhead(float dt);
    // Recomputes the matrix the vertex shader gets from the view offset.
    void RebuildViewProjection();
    // Moves every active parallax object by its factors times (dx, dy).
    void UpdateParallax(float dx, float dy);
    // The followed x never goes below minX and y never below minY until the locks are cleared.
    void SetCameraLocks(float minX, float minY);
    // Drops both locks, the look-ahead and the parallax list; called when a level is unloaded.
    void ClearCameraLocks();
    // The world point at the centre of the view.
    Vec2 ScreenCentre() const { return {m_HalfClient.x - m_ViewOffset.x, m_HalfClient.y - m_ViewOffset.y}; }
    // True when the object is the hero, the live object stored under the key "Kibbet".
    static bool IsHero(const GameObjectComposition* object);

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
    Mat4 m_ViewBase;
    Mat4 m_Projection;
    Mat4 m_ViewProjection;
    std::vector<GameObjectComposition*> m_ParallaxObjects;
};

// The one camera; ResetProcessState (engine/ProcessState.h) puts it back to its start value.
extern Camera CAMERA;

// The product a x b of two row-major matrices (row vectors: v * a * b).
Mat4 Multiply(const Mat4& a, const Mat4& b);

} // namespace Framework
