// The Graphics system's covers: the rectangles that layers paint over with opaque pixels, so that the
// layers under them leave those pixels out instead of shading them only to have them replaced.
#include "graphics/Graphics.h"

#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/CustomShape.h"
#include "graphics/SpriteCells.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// Covers smaller than this (in world units squared) save less drawing than the pieces they cut cost.
constexpr float kSmallestCover = 32.0f * 32.0f;
} // namespace

void Graphics::FindCovers()
{
    m_Covers.clear();
    std::vector<Vertex> solid;
    std::vector<Vertex> mixed;
    for (size_t layer = 0; layer < m_Placed.size(); ++layer)
    {
        const TextureCoverage* coverage = m_Device->Coverage(static_cast<int>(layer));
        if (coverage == nullptr)
        {
            continue;
        }
        for (const PlacedSprite& sprite : m_Placed[layer].Sprites)
        {
            // Drawn without blending only when fully opaque (see IRenderDevice::DrawOpaque).
            bool opaque = std::all_of(sprite.Quad, sprite.Quad + 4, [](const Vertex& v) { return v.a >= 1.0f; });
            solid.clear();
            mixed.clear();
            if (!opaque || !Splits(sprite.Quad, *coverage, sprite.Scale) ||
                !SplitByCoverage(sprite.Quad, *coverage, solid, mixed))
            {
                continue;
            }
            for (size_t at = 0; at + 6 <= solid.size(); at += 6)
            {
                CoverRect rect;
                if (QuadRect(&solid[at], rect) && (rect.Right - rect.Left) * (rect.Top - rect.Bottom) >= kSmallestCover)
                {
                    m_Covers.push_back({static_cast<int>(layer), rect});
                }
            }
        }
    }
    FindShapeCovers();
}

void Graphics::FindShapeCovers()
{
    for (const auto& [layer, shapes] : m_ShapeLayers)
    {
        if (m_SpriteAlpha < 1.0f || !m_Device->Opaque(layer))
        {
            continue;
        }
        for (const CustomShape* shape : shapes)
        {
            const std::vector<Vec3>& local = shape->m_VertexesOffset;
            const Transform* transform = shape->Owner != nullptr ? shape->Owner->GetTransform() : nullptr;
            if (local.size() != 4 || transform == nullptr)
            {
                continue;
            }
            const float radius =
                std::max(shape->m_HalfWidth, shape->m_HalfHeight) * std::max(transform->Scale.x, transform->Scale.y);
            if (std::fabs(transform->Position.x - m_ViewCentre.x) > m_HalfViewWidth + radius ||
                std::fabs(transform->Position.y - m_ViewCentre.y) > m_HalfViewHeight + radius)
            {
                continue; // not drawn (see DrawShapes)
            }
            // Placed as DrawShapes places them, so the edges are the very numbers drawn.
            const Mat4 world = transform->WorldMatrix();
            float x[4];
            float y[4];
            for (size_t k = 0; k < 4; ++k)
            {
                x[k] = local[k].x * world.m[0][0] + local[k].y * world.m[1][0] + world.m[3][0];
                y[k] = local[k].x * world.m[0][1] + local[k].y * world.m[1][1] + world.m[3][1];
            }
            // A fan of four corners covers their rectangle when each side runs along an axis.
            bool rectangle = true;
            for (size_t k = 0; k < 4; ++k)
            {
                const size_t next = (k + 1) % 4;
                rectangle = rectangle && ((x[k] == x[next]) != (y[k] == y[next]));
            }
            CoverRect rect{*std::min_element(x, x + 4), *std::max_element(x, x + 4), *std::min_element(y, y + 4),
                           *std::max_element(y, y + 4)};
            if (rectangle && (rect.Right - rect.Left) * (rect.Top - rect.Bottom) >= kSmallestCover)
            {
                m_Covers.push_back({layer, rect});
            }
        }
    }
}

void Graphics::CoversAbove(int layer)
{
    m_CoversAbove.clear();
    for (const LayerCover& cover : m_Covers)
    {
        if (cover.Layer > layer)
        {
            m_CoversAbove.push_back(cover.Rect);
        }
    }
}

} // namespace Framework
