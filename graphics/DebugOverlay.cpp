#include "graphics/DebugOverlay.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/WindowSystem.h"
#include "graphics/Camera.h"
#include "graphics/Emitter.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"
#include "physics/Body.h"
#include "physics/Physics.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
using Clock = std::chrono::steady_clock;

struct Colour
{
    float R, G, B;
};
constexpr Colour kStaticColour{0.2f, 1.0f, 0.3f};  // ground and walls
constexpr Colour kDynamicColour{1.0f, 0.6f, 0.1f}; // the hero, enemies, moving things
constexpr Colour kTriggerColour{1.0f, 0.2f, 1.0f}; // volumes with a trigger component
constexpr Colour kViewColour{1.0f, 1.0f, 1.0f};
constexpr Colour kLockColour{0.2f, 0.8f, 1.0f};
constexpr Colour kRegionColour{1.0f, 0.25f, 0.25f};

// Bodies stay active this far beyond each edge of the window (the physics rule).
constexpr float kActiveMargin = 150.0f;
// The map in the bottom-right corner shows the active region at this fraction of its size.
constexpr float kMapScale = 0.125f;
constexpr float kMapInset = 16.0f;
// Readout glyphs are the font's glyphs at this fraction of their size, on lines this far apart.
constexpr float kGlyphScale = 0.3f;
constexpr float kLineGap = 1.15f;
// A glyph advances by this share of its width (the font's glyphs carry space on both sides).
constexpr float kAdvance = 0.8f;
const char* const kFontType = "PrimaryFont";
constexpr float kPanelAlpha = 0.55f;

void Line(float x0, float y0, float x1, float y1, Colour c)
{
    DebugLineQueue.push_back({x0, y0, 0.0f, x1, y1, 0.0f, c.R, c.G, c.B, 1.0f});
}

void Rectangle(float left, float bottom, float right, float top, Colour c)
{
    Line(left, bottom, right, bottom, c);
    Line(right, bottom, right, top, c);
    Line(right, top, left, top, c);
    Line(left, top, left, bottom, c);
}

bool HasTrigger(const GameObjectComposition* object)
{
    for (const auto& [name, component] : object->Components)
    {
        if (name.size() >= 7 && name.compare(name.size() - 7, 7, "Trigger") == 0)
        {
            return true;
        }
    }
    return false;
}

Colour BodyColour(const Body& body)
{
    if (body.Owner != nullptr && HasTrigger(body.Owner))
    {
        return kTriggerColour;
    }
    return body.m_IsStatic ? kStaticColour : kDynamicColour;
}

// The half size of the active region around the view centre.
Vec2 ActiveHalf(const Core& core)
{
    float w = core.m_Windows != nullptr ? static_cast<float>(core.m_Windows->Width) : 1280.0f;
    float h = core.m_Windows != nullptr ? static_cast<float>(core.m_Windows->Height) : 720.0f;
    return {w * 0.5f + kActiveMargin, h * 0.5f + kActiveMargin};
}

bool IsActive(const Body& body, Vec2 centre, Vec2 half)
{
    const Transform* t = body.Owner != nullptr ? body.Owner->GetTransform() : nullptr;
    return t != nullptr && std::fabs(t->Position.x - centre.x) < half.x && std::fabs(t->Position.y - centre.y) < half.y;
}

// The character's glyph animation in the font, as the text component names them; empty for a blank.
std::string GlyphAnimation(char c)
{
    if (c >= '0' && c <= '9')
    {
        return std::string("Char_") + c;
    }
    if (c >= 'A' && c <= 'Z')
    {
        return std::string("Char_") + c;
    }
    if (c == '/')
    {
        return "Char_Slash";
    }
    if (c == ':')
    {
        return "Char_Colon";
    }
    return {};
}
} // namespace

void DebugOverlay::NoteFrameStart()
{
    Clock::time_point now = Clock::now();
    if (m_LastStart != Clock::time_point{})
    {
        m_Frames.emplace_back(now, std::chrono::duration<double, std::milli>(now - m_LastStart).count());
    }
    m_LastStart = now;
    while (!m_Frames.empty() && now - m_Frames.front().first > std::chrono::seconds(1))
    {
        m_Frames.pop_front();
    }
}

OverlayCounts DebugOverlay::Measure(const Core& core) const
{
    OverlayCounts counts;
    for (const auto& frame : m_Frames)
    {
        counts.MeanMs += frame.second;
        counts.WorstMs = std::max(counts.WorstMs, frame.second);
    }
    counts.MeanMs = m_Frames.empty() ? 0.0 : counts.MeanMs / static_cast<double>(m_Frames.size());
    if (core.m_Factory != nullptr)
    {
        counts.Objects = core.m_Factory->AllLiveObjects().size();
    }
    if (core.m_Physics != nullptr)
    {
        Vec2 centre = CAMERA.ScreenCentre();
        Vec2 half = ActiveHalf(core);
        counts.Bodies = core.m_Physics->m_Bodies.size();
        counts.ActiveBodies =
            static_cast<size_t>(std::count_if(core.m_Physics->m_Bodies.begin(), core.m_Physics->m_Bodies.end(),
                                              [&](const Body* b) { return IsActive(*b, centre, half); }));
    }
    if (core.m_Graphics != nullptr)
    {
        for (const Emitter* emitter : core.m_Graphics->m_Emitters)
        {
            counts.Particles += emitter->ParticleCount();
        }
        counts.DrawCalls = core.m_Graphics->LastFrameDraws().size();
    }
    return counts;
}

void DebugOverlay::QueueLines(const Core& core) const
{
    const Vec2 centre = CAMERA.ScreenCentre();
    const Vec2 half = ActiveHalf(core);
    // The half size of what the screen shows (culling uses a larger view).
    const float viewW = CAMERA.m_HalfClient.x;
    const float viewH = CAMERA.m_HalfClient.y;
    // The map: the active region scaled down into the bottom-right corner of the view.
    const float mapX = centre.x + viewW - kMapInset - half.x * kMapScale;
    const float mapY = centre.y - viewH + kMapInset + half.y * kMapScale;
    auto onMap = [&](float x, float y) {
        return Vec2{mapX + (x - centre.x) * kMapScale, mapY + (y - centre.y) * kMapScale};
    };
    auto both = [&](float x0, float y0, float x1, float y1, Colour c, bool inView)
    {
        if (inView)
        {
            Line(x0, y0, x1, y1, c);
        }
        Vec2 a = onMap(x0, y0);
        Vec2 b = onMap(x1, y1);
        Line(a.x, a.y, b.x, b.y, c);
    };

    if (core.m_Physics != nullptr)
    {
        for (const Body* body : core.m_Physics->m_Bodies)
        {
            const std::vector<Vec3>& v = body->m_Polygon.m_Vertices;
            if (v.size() < 2 || !IsActive(*body, centre, half))
            {
                continue;
            }
            Colour c = BodyColour(*body);
            for (size_t k = 0; k < v.size(); ++k)
            {
                const Vec3& a = v[k];
                const Vec3& b = v[(k + 1) % v.size()];
                both(a.x, a.y, b.x, b.y, c, true);
            }
        }
    }

    // The region in which bodies move (beyond it they freeze and the hero dies), and the view inside it.
    Vec2 lo = onMap(centre.x - half.x, centre.y - half.y);
    Vec2 hi = onMap(centre.x + half.x, centre.y + half.y);
    Rectangle(lo.x, lo.y, hi.x, hi.y, kRegionColour);
    lo = onMap(centre.x - viewW, centre.y - viewH);
    hi = onMap(centre.x + viewW, centre.y + viewH);
    Rectangle(lo.x, lo.y, hi.x, hi.y, kViewColour);

    // The camera lock: the view centre never goes left of or below it, so the view never shows the world left
    // of or below these lines; drawn across the active region where they fall inside it.
    const float lockLeft = CAMERA.m_MinX - CAMERA.m_TargetOffset.x - viewW;
    const float lockBottom = CAMERA.m_MinY - CAMERA.m_TargetOffset.y - viewH;
    const float left = centre.x - half.x;
    const float right = centre.x + half.x;
    const float bottom = centre.y - half.y;
    const float top = centre.y + half.y;
    if (CAMERA.m_LockMinX && lockLeft > left && lockLeft < right)
    {
        both(lockLeft, std::max(bottom, CAMERA.m_LockMinY ? lockBottom : bottom), lockLeft, top, kLockColour, true);
    }
    if (CAMERA.m_LockMinY && lockBottom > bottom && lockBottom < top)
    {
        both(std::max(left, CAMERA.m_LockMinX ? lockLeft : left), lockBottom, right, lockBottom, kLockColour, true);
    }
}

std::vector<std::string> DebugOverlay::ReadoutLines(const OverlayCounts& counts)
{
    auto ms = [](double value) { return std::to_string(static_cast<long>(std::lround(value))); };
    return {"FRAME " + ms(counts.MeanMs) + " MS  WORST " + ms(counts.WorstMs),
            "OBJECTS " + std::to_string(counts.Objects),
            "BODIES " + std::to_string(counts.ActiveBodies) + "/" + std::to_string(counts.Bodies),
            "PARTICLES " + std::to_string(counts.Particles), "DRAWS " + std::to_string(counts.DrawCalls)};
}

void DebugOverlay::BuildReadout(const Core& core, const OverlayCounts& counts, std::vector<Vertex>& out,
                                std::vector<Vertex>& panel, int& layer) const
{
    if (core.m_Factory == nullptr || core.m_ResourceManager == nullptr)
    {
        return;
    }
    auto type = core.m_Factory->ObjectTypes.find(kFontType);
    const GraphicsComponent* font =
        type != core.m_Factory->ObjectTypes.end() && type->second != nullptr ? type->second->GetGraphics() : nullptr;
    if (font == nullptr)
    {
        return;
    }
    layer = font->m_zOrder;
    const ResourceManager& tables = *core.m_ResourceManager;
    const auto size = tables.m_Dimensions.find(kFontType);
    const float w = (size != tables.m_Dimensions.end() ? static_cast<float>(size->second.Width) : 48.0f) * kGlyphScale;
    const float h = (size != tables.m_Dimensions.end() ? static_cast<float>(size->second.Height) : 64.0f) * kGlyphScale;
    const Vec2 centre = CAMERA.ScreenCentre();
    // The half size of what the screen shows (culling uses a larger view).
    const float viewW = CAMERA.m_HalfClient.x;
    const float viewH = CAMERA.m_HalfClient.y;
    const std::vector<std::string> lines = ReadoutLines(counts);
    size_t longest = 0;
    for (const std::string& line : lines)
    {
        longest = std::max(longest, line.size());
    }
    // A dark backing keeps the light glyphs legible over sky and clouds.
    const float left = centre.x - viewW;
    const float top = centre.y + viewH;
    const float right = left + 16.0f + w * kAdvance * static_cast<float>(longest) + w * (1.0f - kAdvance);
    const float bottom = top - 16.0f - h * kLineGap * static_cast<float>(lines.size());
    Vertex topLeft{left, top, 1.0f, 0.0f, 0.0f, 0.0f, kPanelAlpha, 0.0f, 0.0f};
    Vertex topRight = topLeft;
    topRight.x = right;
    Vertex bottomRight = topRight;
    bottomRight.y = bottom;
    Vertex bottomLeft = topLeft;
    bottomLeft.y = bottom;
    panel.insert(panel.end(), {topLeft, topRight, bottomRight, bottomRight, bottomLeft, topLeft});

    float y = centre.y + viewH - h * 0.5f - 8.0f;
    for (const std::string& line : lines)
    {
        float x = centre.x - viewW + w * 0.5f + 8.0f;
        for (char c : line)
        {
            auto frames = font->m_Animation.m_UVmap.find(GlyphAnimation(c));
            auto uv = frames != font->m_Animation.m_UVmap.end() && !frames->second.empty()
                          ? tables.m_UVMap.find(frames->second.front())
                          : tables.m_UVMap.end();
            if (uv != tables.m_UVMap.end())
            {
                const UVRect& r = uv->second;
                // Unfaded and opaque: the readout stays legible during fades.
                Vertex tr{x + w * 0.5f, y + h * 0.5f, 1.0f, 0, 1, 1, 1, r.m_UVTopRight.x, r.m_UVTopRight.y};
                Vertex br{x + w * 0.5f, y - h * 0.5f, 1.0f, 0, 1, 1, 1, r.m_UVBottomRight.x, r.m_UVBottomRight.y};
                Vertex bl{x - w * 0.5f, y - h * 0.5f, 1.0f, 0, 1, 1, 1, r.m_UVBottomLeft.x, r.m_UVBottomLeft.y};
                Vertex tl{x - w * 0.5f, y + h * 0.5f, 1.0f, 0, 1, 1, 1, r.m_UVTopLeft.x, r.m_UVTopLeft.y};
                out.insert(out.end(), {tr, br, bl, bl, tl, tr});
            }
            x += w * kAdvance;
        }
        y -= h * kLineGap;
    }
}

} // namespace Framework
