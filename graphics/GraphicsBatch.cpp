// The Graphics system's drawing: sprites batched per layer and texture, custom shapes, particles and debug lines.
#include "graphics/Graphics.h"

#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/Camera.h"
#include "graphics/CoverCut.h"
#include "graphics/CustomShape.h"
#include "graphics/Emitter.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/SpriteCells.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// Looked up once per drawn sprite; kept as a string so the look-up does not build one each time.
const std::string kTransform = "Transform";
// Sprites covering at least this many texels (64 coverage cells, 256 x 256) are drawn cell by cell.
constexpr float kLargeSpriteTexels = 64.0f * TextureCoverage::kCellSize * TextureCoverage::kCellSize;

// Writes the six vertices (corners 0, 1, 2, 2, 3, 0) of a sprite placed by position, rotation and scale.
void WriteQuad(Vertex* out, const Sprite& sprite, Vec2 position, float rotation, Vec2 scale, const float colour[4])
{
    float c = 1.0f;
    float s = 0.0f;
    if (rotation != 0.0f)
    {
        c = std::cos(rotation);
        s = std::sin(rotation);
    }
    const float m00 = scale.x * c;
    const float m01 = scale.x * s;
    const float m10 = -scale.y * s;
    const float m11 = scale.y * c;
    const Vec2* uv[4] = {&sprite.UVs.m_UVTopRight, &sprite.UVs.m_UVBottomRight, &sprite.UVs.m_UVBottomLeft,
                         &sprite.UVs.m_UVTopLeft};
    Vertex quad[4];
    for (int k = 0; k < 4; ++k)
    {
        const Vec3& p = sprite.Corners[static_cast<size_t>(k)];
        quad[k] = {p.x * m00 + p.y * m10 + position.x,
                   p.x * m01 + p.y * m11 + position.y,
                   p.z,
                   colour[0],
                   colour[1],
                   colour[2],
                   colour[3],
                   uv[k]->x,
                   uv[k]->y};
    }
    out[0] = quad[0];
    out[1] = quad[1];
    out[2] = quad[2];
    out[3] = quad[2];
    out[4] = quad[3];
    out[5] = quad[0];
}
} // namespace

void Graphics::DrawLayers(float dt)
{
    UpdateFade(dt);
    m_ViewCentre = CAMERA.ScreenCentre();
    CAMERA.UpdateLookAhead(dt);
    int layers = m_DeviceReady ? static_cast<int>(m_Device->TextureCount()) : 0;
    m_Placed.resize(static_cast<size_t>(std::max(layers, 0)));
    for (int i = 0; i < layers; ++i)
    {
        m_Placed[static_cast<size_t>(i)].Sprites.clear();
        auto sprites = m_SpriteLayers.find(i);
        if (sprites != m_SpriteLayers.end())
        {
            PlaceSprites(sprites->second, i, dt);
        }
        // A layer with something in view waits for its texture.
        auto shapes = m_ShapeLayers.find(i);
        if (!m_Placed[static_cast<size_t>(i)].Sprites.empty() ||
            (shapes != m_ShapeLayers.end() && !shapes->second.empty()) || (i == m_ParticleLayer && !m_Emitters.empty()))
        {
            LoadPendingTexture(i);
        }
    }
    FindCovers();
    for (int i = 0; i < layers; ++i)
    {
        if (i == m_ParticleLayer)
        {
            DrawParticles();
        }
        CoversAbove(i);
        DrawSprites(i);
        // A layer may hold both: sprites first, then the shapes.
        auto shapes = m_ShapeLayers.find(i);
        if (shapes != m_ShapeLayers.end())
        {
            DrawShapes(shapes->second, i);
        }
    }
}

void Graphics::PlaceSprites(const std::vector<GraphicsComponent*>& sprites, int layer, float dt)
{
    const float r = 0.0f;
    const float g = m_FadeValue;
    const float b = m_SpriteChannelB;
    const float a = m_SpriteAlpha;
    PlacedLayer& placed = m_Placed[static_cast<size_t>(layer)];
    for (GraphicsComponent* component : sprites)
    {
        Transform* transform =
            component->Owner != nullptr ? static_cast<Transform*>(component->Owner->GetComponent(kTransform)) : nullptr;
        if (transform == nullptr)
        {
            continue;
        }
        const Sprite& sprite = component->m_Sprite;
        float radius = std::max(sprite.HalfWidth, sprite.HalfHeight) * std::max(transform->Scale.x, transform->Scale.y);
        if (std::fabs(transform->Position.x - m_ViewCentre.x) > m_HalfViewWidth + radius ||
            std::fabs(transform->Position.y - m_ViewCentre.y) > m_HalfViewHeight + radius)
        {
            continue;
        }
        component->m_Animation.AdvanceAnimation(dt);
        placed.ScaledDown =
            placed.ScaledDown || std::fabs(transform->Scale.x) < 1.0f || std::fabs(transform->Scale.y) < 1.0f;

        // The world matrix of the transform (scale, rotation, translation), applied to x and y only.
        float c = 1.0f;
        float s = 0.0f;
        if (transform->Rotation != 0.0f)
        {
            c = std::cos(transform->Rotation);
            s = std::sin(transform->Rotation);
        }
        const float m00 = transform->Scale.x * c;
        const float m01 = transform->Scale.x * s;
        const float m10 = -transform->Scale.y * s;
        const float m11 = transform->Scale.y * c;
        const float tx = transform->Position.x;
        const float ty = transform->Position.y;
        const Vec2* uv[4] = {&sprite.UVs.m_UVTopRight, &sprite.UVs.m_UVBottomRight, &sprite.UVs.m_UVBottomLeft,
                             &sprite.UVs.m_UVTopLeft};
        PlacedSprite& out = placed.Sprites.emplace_back();
        out.Scale = transform->Scale;
        for (int k = 0; k < 4; ++k)
        {
            const Vec3& p = sprite.Corners[static_cast<size_t>(k)];
            out.Quad[k] = {p.x * m00 + p.y * m10 + tx,
                           p.x * m01 + p.y * m11 + ty,
                           p.z,
                           r,
                           g,
                           b,
                           a * component->m_Alpha,
                           uv[k]->x,
                           uv[k]->y};
        }
    }
}

void Graphics::DrawSprites(int layer)
{
    const size_t capacity = static_cast<size_t>(m_MaxQuads) * 6;
    const TextureCoverage* coverage = m_DeviceReady ? m_Device->Coverage(layer) : nullptr;
    PlacedLayer& placed = m_Placed[static_cast<size_t>(layer)];
    for (const PlacedSprite& sprite : placed.Sprites)
    {
        if (coverage != nullptr && SplitLargeSprite(sprite.Quad, *coverage, layer, sprite.Scale))
        {
            continue;
        }
        if (m_Batch.size() + 6 > capacity)
        {
            // More visible sprites than the buffer holds: draw what is there and go on with a new batch.
            Flush(PixelShader::Main, layer, Primitive::Triangles);
        }
        const Vertex(&quad)[4] = sprite.Quad;
        m_Batch.insert(m_Batch.end(), {quad[0], quad[1], quad[2], quad[2], quad[3], quad[0]});
    }
    if (placed.ScaledDown && m_DeviceReady)
    {
        m_Device->UseMipmaps(layer);
    }
    placed.ScaledDown = false;
    Flush(PixelShader::Main, layer, Primitive::Triangles);
}

bool Graphics::Splits(const Vertex (&quad)[4], const TextureCoverage& coverage, Vec2 scale)
{
    // Small sprites gain nothing from being cut up; scaled down, filtering reads past the cells.
    const float texelsWide = std::fabs(quad[0].u - quad[3].u) * static_cast<float>(coverage.Width);
    const float texelsHigh = std::fabs(quad[2].v - quad[3].v) * static_cast<float>(coverage.Height);
    return texelsWide * texelsHigh >= kLargeSpriteTexels && std::fabs(scale.x) >= 1.0f && std::fabs(scale.y) >= 1.0f;
}

bool Graphics::SplitLargeSprite(const Vertex (&quad)[4], const TextureCoverage& coverage, int layer, Vec2 scale)
{
    if (!Splits(quad, coverage, scale))
    {
        return false;
    }
    m_Solid.clear();
    m_Cells.clear();
    const size_t before = m_Batch.size();
    if (!SplitByCoverage(quad, coverage, m_Cells, m_Batch))
    {
        return false;
    }
    // What the layers above paint over is left out: those pixels would be drawn only to be replaced.
    CutByCovers(m_Cells, m_CoversAbove, m_Solid);
    m_Cells.assign(m_Batch.begin() + static_cast<std::ptrdiff_t>(before), m_Batch.end());
    m_Batch.resize(before);
    std::vector<Vertex> mixed;
    CutByCovers(m_Cells, m_CoversAbove, mixed);
    // The sprites before this one are drawn first, then its solid cells; its mixed cells go on in the
    // batch. Both lie in the sprite's own cells, which never overlap, so the picture is the same.
    Flush(PixelShader::Main, layer, Primitive::Triangles);
    const size_t capacity = static_cast<size_t>(m_MaxQuads) * 6;
    for (size_t from = 0; from < m_Solid.size(); from += capacity)
    {
        size_t count = std::min(capacity, m_Solid.size() - from);
        m_Device->DrawOpaque(layer, m_Solid.data() + from, count);
        m_LastDraws.push_back({layer, PixelShader::Main, count});
    }
    for (size_t from = 0; from < mixed.size(); from += capacity)
    {
        size_t count = std::min(capacity, mixed.size() - from);
        m_Batch.assign(mixed.begin() + static_cast<std::ptrdiff_t>(from),
                       mixed.begin() + static_cast<std::ptrdiff_t>(from + count));
        if (from + count < mixed.size())
        {
            Flush(PixelShader::Main, layer, Primitive::Triangles);
        }
    }
    return true;
}

void Graphics::DrawShapes(const std::vector<CustomShape*>& shapes, int layer)
{
    const size_t capacity = static_cast<size_t>(m_MaxQuads) * 6;
    // Shapes take the fade like sprites, so a level's ground fades in with the rest of it.
    const float r = 0.0f;
    const float g = m_FadeValue;
    const float b = m_SpriteChannelB;
    const float a = m_SpriteAlpha;
    for (const CustomShape* shape : shapes)
    {
        const std::vector<Vec3>& local = shape->m_VertexesOffset;
        const Transform* transform = shape->Owner != nullptr ? shape->Owner->GetTransform() : nullptr;
        if (local.size() < 3 || transform == nullptr)
        {
            continue;
        }
        float radius =
            std::max(shape->m_HalfWidth, shape->m_HalfHeight) * std::max(transform->Scale.x, transform->Scale.y);
        if (std::fabs(transform->Position.x - m_ViewCentre.x) > m_HalfViewWidth + radius ||
            std::fabs(transform->Position.y - m_ViewCentre.y) > m_HalfViewHeight + radius)
        {
            continue;
        }
        const Mat4 world = transform->WorldMatrix();
        const float scale = shape->m_ScaleFactor;
        auto place = [&](const Vec3& p) -> Vertex
        {
            return {p.x * world.m[0][0] + p.y * world.m[1][0] + world.m[3][0],
                    p.x * world.m[0][1] + p.y * world.m[1][1] + world.m[3][1],
                    p.z,
                    r,
                    g,
                    b,
                    a,
                    p.x / scale,
                    p.y / scale};
        };
        // A fan around the first vertex: the outline must be convex, or at least seen whole from it.
        const Vertex first = place(local[0]);
        Vertex previous = place(local[1]);
        for (size_t k = 2; k < local.size(); ++k)
        {
            if (m_Batch.size() + 3 > capacity)
            {
                Flush(PixelShader::Main, layer, Primitive::Triangles);
            }
            Vertex next = place(local[k]);
            m_Batch.push_back(first);
            m_Batch.push_back(previous);
            m_Batch.push_back(next);
            previous = next;
        }
    }
    Flush(PixelShader::Main, layer, Primitive::Triangles);
}

void Graphics::UpdateEmitters(float dt)
{
    for (Emitter* emitter : m_Emitters)
    {
        for (ParticleType& type : emitter->m_ParticleTypes)
        {
            UpdateParticles(type, dt);
        }
    }
}

void Graphics::DrawParticles()
{
    const size_t capacity = static_cast<size_t>(m_MaxQuads) * 6;
    float colour[4] = {0.0f, m_FadeValue, 0.0f, 1.0f};
    for (const Emitter* emitter : m_Emitters)
    {
        // Culled by the emitter's owner and the size of its sprite: an effect far from its object may
        // vanish early, but a level full of geysers and rain costs nothing off screen.
        const GameObjectComposition* owner = emitter->Owner;
        const Transform* transform = owner != nullptr ? owner->GetTransform() : nullptr;
        const GraphicsComponent* graphics = owner != nullptr ? owner->GetGraphics() : nullptr;
        if (transform == nullptr || graphics == nullptr)
        {
            continue;
        }
        const Sprite& ownerSprite = graphics->m_Sprite;
        float radius =
            std::max(ownerSprite.HalfWidth, ownerSprite.HalfHeight) * std::max(transform->Scale.x, transform->Scale.y);
        if (std::fabs(transform->Position.x - m_ViewCentre.x) > m_HalfViewWidth + radius ||
            std::fabs(transform->Position.y - m_ViewCentre.y) > m_HalfViewHeight + radius)
        {
            continue;
        }
        for (const ParticleType& type : emitter->m_ParticleTypes)
        {
            for (const Particle& particle : type.m_Particles)
            {
                if (m_Batch.size() + 6 > capacity)
                {
                    // Long-lived rain outgrows the buffer: draw in batches like the sprites.
                    Flush(PixelShader::Particle, m_ParticleLayer, Primitive::Triangles);
                }
                // A particle that never expires has no life left to fade with: it is drawn opaque.
                colour[3] = particle.m_Life == kEndlessLife ? 1.0f : particle.m_Life;
                size_t at = m_Batch.size();
                m_Batch.resize(at + 6);
                WriteQuad(&m_Batch[at], type.m_Sprite, particle.Position, particle.Rotation, particle.Scale, colour);
            }
        }
    }
    Flush(PixelShader::Particle, m_ParticleLayer, Primitive::Triangles);
}

void Graphics::DrawDebugLines()
{
    const size_t capacity = static_cast<size_t>(m_MaxQuads) * 6;
    while (!DebugLineQueue.empty())
    {
        const DebugLine& line = DebugLineQueue.front();
        if (m_Batch.size() + 2 > capacity)
        {
            Flush(PixelShader::Debug, -1, Primitive::Lines);
        }
        m_Batch.push_back({line.StartX, line.StartY, line.StartZ, line.R, line.G, line.B, line.A, 0.0f, 0.0f});
        m_Batch.push_back({line.EndX, line.EndY, line.EndZ, line.R, line.G, line.B, line.A, 0.0f, 0.0f});
        DebugLineQueue.pop_front();
    }
    Flush(PixelShader::Debug, -1, Primitive::Lines);
}

void Graphics::Flush(PixelShader shader, int texture, Primitive primitive)
{
    if (!m_Batch.empty() && m_DeviceReady)
    {
        m_Device->Draw(shader, texture, primitive, m_Batch.data(), m_Batch.size());
        m_LastDraws.push_back({texture, shader, m_Batch.size()});
    }
    m_Batch.clear();
}

} // namespace Framework
