#include "graphics/Graphics.h"

#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Log.h"
#include "engine/Paths.h"
#include "graphics/Camera.h"
#include "graphics/CustomShape.h"
#include "graphics/Emitter.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"
#include "graphics/SpriteCells.h"
#include "input/Input.h"
#include "platform/FileSystem.h"
#include "platform/Image.h"
#include "platform/UserFolders.h"
#include "platform/Window.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
constexpr int kF12 = 0x7B;
constexpr int kF3 = 0x72;
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

Graphics::Graphics(Core* core, IWindow* window, std::unique_ptr<IRenderDevice> device, bool startWindowed)
    : m_Core(core), m_Window(window), m_Device(std::move(device)), m_StartWindowed(startWindowed)
{
    if (m_Device == nullptr)
    {
        m_Device = std::make_unique<RecordingRenderDevice>();
    }
}

Graphics::Graphics(Core* core) : Graphics(core, nullptr, nullptr, true) {}

// Sprites still listed belong to live objects, which the Factory deletes after this system; the lists
// are only forgotten here.
Graphics::~Graphics()
{
    if (m_Fullscreen && m_Window != nullptr)
    {
        m_Window->SetFullscreen(false);
    }
}

void Graphics::Initialize()
{
    CreateDevice();
    if (!m_StartWindowed)
    {
        m_Fullscreen = true;
        if (m_Window != nullptr)
        {
            m_Window->SetFullscreen(true);
        }
    }
    Resize(m_ResolutionWidth, m_ResolutionHeight);
}

void Graphics::CreateDevice()
{
    Resize(0, 0);
    CAMERA.InitCamera(static_cast<int>(m_BackBufferWidth), static_cast<int>(m_BackBufferHeight));
    if (!m_Device->Create(static_cast<int>(m_BackBufferWidth), static_cast<int>(m_BackBufferHeight)))
    {
        Log("graphics: no render device; the game goes on without drawing");
        return;
    }
    m_DeviceCreated = true;
    m_Device->SetViewport(
        ComputeViewport(static_cast<float>(m_BackBufferWidth), static_cast<float>(m_BackBufferHeight), m_TargetAspect));
    std::vector<std::string> textures = ListFilesSorted(ResourcePath("Textures"), ".png");
    // The layers after the first are decoded on a worker thread while this one starts up; Load takes them.
    if (textures.size() > 1)
    {
        m_Device->PrefetchTextures(std::vector<std::string>(textures.begin() + 1, textures.end()));
    }
    if (!m_Device->CompileShaders(ResourcePath("Data/FX/TextureMap.fx")))
    {
        Log("graphics: the shaders did not compile; the game goes on without drawing");
        return;
    }
    if (textures.empty())
    {
        Log("graphics: no .png texture in " + ResourcePath("Textures") + "; nothing will be drawn");
        return;
    }
    // A device that takes textures in any order loads the rest while the game runs (StreamTextures).
    m_Streaming = m_Device->ReserveTextures(textures.size());
    if (!(m_Streaming ? m_Device->LoadTextureAt(0, textures.front()) : m_Device->LoadTexture(textures.front())))
    {
        Log("graphics: the first texture failed to load; the game goes on without drawing");
        return;
    }
    if (!m_Device->CreateVertexBuffer(static_cast<size_t>(m_MaxQuads) * 6))
    {
        Log("graphics: no vertex buffer; the game goes on without drawing");
        return;
    }
    m_Batch.reserve(static_cast<size_t>(m_MaxQuads) * 6);
    m_DeviceReady = true;
}

void Graphics::Load()
{
    std::vector<std::string> textures = ListFilesSorted(ResourcePath("Textures"), ".png");
    if (m_Streaming && m_DeviceReady)
    {
        m_PendingTextures = textures;
        m_PendingTextures[0].clear();
        if (!m_LoadBehindStart)
        {
            LoadAllTextures();
        }
    }
    // A device that only appends skips a file that fails (it logs it), so every later texture moves down.
    for (size_t i = 1; i < textures.size() && m_DeviceReady && !m_Streaming; ++i)
    {
        m_Device->LoadTexture(textures[i]);
    }
    if (m_Core != nullptr && m_Core->m_ResourceManager != nullptr)
    {
        m_ParticleLayer = m_Core->m_ResourceManager->GetZOrder("Particle_1");
        // Emitters draw their sprites scaled down, and text and labels in the topmost layer are drawn at
        // any scale; other layers get mipmaps when a sprite is first drawn scaled down.
        const std::map<std::string, int>& layers = m_Core->m_ResourceManager->m_ZOrders;
        for (const char* name : {"Particle_1", "Char_0"})
        {
            auto found = layers.find(name);
            if (found != layers.end() && m_DeviceReady)
            {
                m_Device->UseMipmaps(found->second);
            }
        }
    }
}

void Graphics::Update(float dt)
{
    if (m_Core == nullptr || !m_Core->Paused)
    {
        UpdateEmitters(dt);
    }
    HandleFocus();
    m_SpriteAlpha = std::clamp(m_SpriteAlpha, 0.0f, 1.0f);
    if (CAMERA.m_Target != nullptr)
    {
        CAMERA.UpdateCamera();
        CAMERA.RebuildViewProjection();
    }
    m_Overlay.NoteFrameStart();
    if (m_Core != nullptr && m_Core->m_Input != nullptr && m_Core->m_Input->IsKeyTriggered(kF3))
    {
        m_Overlay.Toggle();
    }
    // Counted before the list restarts: the readout shows the previous frame's draw calls.
    OverlayCounts counts = m_Overlay.IsVisible() && m_Core != nullptr ? m_Overlay.Measure(*m_Core) : OverlayCounts();
    m_LastDraws.clear();
    StreamTextures();
    // A device without textures or shaders still clears and shows its black frame.
    if (m_DeviceCreated)
    {
        m_Device->BeginFrame(CAMERA.m_ViewProjection);
    }
    DrawLayers(dt);
    if (m_Overlay.IsVisible() && m_Core != nullptr)
    {
        m_Overlay.QueueLines(*m_Core);
    }
    DrawDebugLines();
    if (m_Overlay.IsVisible() && m_Core != nullptr)
    {
        int layer = -1;
        std::vector<Vertex> glyphs;
        m_Overlay.BuildReadout(*m_Core, counts, glyphs, m_Batch, layer);
        LoadPendingTexture(layer);
        Flush(PixelShader::Debug, -1, Primitive::Triangles);
        m_Batch = std::move(glyphs);
        Flush(PixelShader::Main, layer, Primitive::Triangles);
    }
    if (m_DeviceCreated)
    {
        m_Device->Present();
    }
    if (m_Core != nullptr && m_Core->m_Input != nullptr && m_Core->m_Input->IsKeyTriggered(kF12))
    {
        SaveNumberedScreenshot();
    }
}

void Graphics::StreamTextures()
{
    bool inOrder = false;
    for (size_t layer = 0; layer < m_PendingTextures.size(); ++layer)
    {
        if (m_PendingTextures[layer].empty())
        {
            continue;
        }
        const int index = static_cast<int>(layer);
        auto sprites = m_SpriteLayers.find(index);
        auto shapes = m_ShapeLayers.find(index);
        bool drawn = (sprites != m_SpriteLayers.end() && !sprites->second.empty()) ||
                     (shapes != m_ShapeLayers.end() && !shapes->second.empty()) ||
                     (index == m_ParticleLayer && !m_Emitters.empty());
        // A layer with something to draw waits for its texture; of the others, the next one is loaded
        // once its picture is decoded, one a frame, so the start-up screens keep their pace.
        if (drawn || (!inOrder && m_Device->PictureReady(m_PendingTextures[layer])))
        {
            inOrder = inOrder || !drawn;
            LoadPendingTexture(index);
        }
        else
        {
            inOrder = true;
        }
    }
}

void Graphics::LoadAllTextures()
{
    for (size_t layer = 0; layer < m_PendingTextures.size(); ++layer)
    {
        LoadPendingTexture(static_cast<int>(layer));
    }
}

void Graphics::LoadPendingTexture(int layer)
{
    if (layer < 0 || static_cast<size_t>(layer) >= m_PendingTextures.size() ||
        m_PendingTextures[static_cast<size_t>(layer)].empty())
    {
        return;
    }
    std::string path;
    path.swap(m_PendingTextures[static_cast<size_t>(layer)]);
    // A file that fails leaves its layer without a texture (the device logs it); the other layers keep theirs.
    m_Device->LoadTextureAt(static_cast<size_t>(layer), path);
}

void Graphics::DrawLayers(float dt)
{
    UpdateFade(dt);
    m_ViewCentre = CAMERA.ScreenCentre();
    CAMERA.UpdateLookAhead(dt);
    int layers = m_DeviceReady ? static_cast<int>(m_Device->TextureCount()) : 0;
    for (int i = 0; i < layers; ++i)
    {
        if (i == m_ParticleLayer)
        {
            DrawParticles();
        }
        auto sprites = m_SpriteLayers.find(i);
        if (sprites != m_SpriteLayers.end())
        {
            DrawSprites(sprites->second, i, dt);
        }
        // A layer may hold both: sprites first, then the shapes.
        auto shapes = m_ShapeLayers.find(i);
        if (shapes != m_ShapeLayers.end())
        {
            DrawShapes(shapes->second, i);
        }
    }
}

void Graphics::DrawSprites(const std::vector<GraphicsComponent*>& sprites, int layer, float dt)
{
    const float r = 0.0f;
    const float g = m_FadeValue;
    const float b = m_SpriteChannelB;
    const float a = m_SpriteAlpha;
    const size_t capacity = static_cast<size_t>(m_MaxQuads) * 6;
    const TextureCoverage* coverage = m_DeviceReady ? m_Device->Coverage(layer) : nullptr;
    bool scaledDown = false;
    for (GraphicsComponent* component : sprites)
    {
        Transform* transform =
            component->Owner != nullptr ? static_cast<Transform*>(component->Owner->GetComponent(kTransform)) : nullptr;
        if (transform == nullptr)
        {
            continue;
        }
        const Sprite& sprite = component->m_pSprite;
        float radius = std::max(sprite.HalfWidth, sprite.HalfHeight) * std::max(transform->Scale.x, transform->Scale.y);
        if (std::fabs(transform->Position.x - m_ViewCentre.x) > m_HalfViewWidth + radius ||
            std::fabs(transform->Position.y - m_ViewCentre.y) > m_HalfViewHeight + radius)
        {
            continue;
        }
        component->m_pAnimation.AdvanceAnimation(dt);
        scaledDown = scaledDown || std::fabs(transform->Scale.x) < 1.0f || std::fabs(transform->Scale.y) < 1.0f;

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
        Vertex quad[4];
        for (int k = 0; k < 4; ++k)
        {
            const Vec3& p = sprite.Corners[static_cast<size_t>(k)];
            quad[k] = {p.x * m00 + p.y * m10 + tx, p.x * m01 + p.y * m11 + ty, p.z, r, g, b, a, uv[k]->x, uv[k]->y};
        }
        if (coverage != nullptr && SplitLargeSprite(quad, *coverage, layer, transform->Scale))
        {
            continue;
        }
        if (m_Batch.size() + 6 > capacity)
        {
            // More visible sprites than the buffer holds: draw what is there and go on with a new batch.
            Flush(PixelShader::Main, layer, Primitive::Triangles);
        }
        size_t at = m_Batch.size();
        m_Batch.resize(at + 6);
        Vertex* out = &m_Batch[at];
        out[0] = quad[0];
        out[1] = quad[1];
        out[2] = quad[2];
        out[3] = quad[2];
        out[4] = quad[3];
        out[5] = quad[0];
    }
    if (scaledDown && m_DeviceReady)
    {
        m_Device->UseMipmaps(layer);
    }
    Flush(PixelShader::Main, layer, Primitive::Triangles);
}

bool Graphics::SplitLargeSprite(const Vertex (&quad)[4], const TextureCoverage& coverage, int layer, Vec2 scale)
{
    // Small sprites gain nothing from being cut up; scaled down, filtering reads past the cells.
    const float texelsWide = std::fabs(quad[0].u - quad[3].u) * static_cast<float>(coverage.Width);
    const float texelsHigh = std::fabs(quad[2].v - quad[3].v) * static_cast<float>(coverage.Height);
    if (texelsWide * texelsHigh < kLargeSpriteTexels || std::fabs(scale.x) < 1.0f || std::fabs(scale.y) < 1.0f)
    {
        return false;
    }
    m_Solid.clear();
    const size_t before = m_Batch.size();
    if (!SplitByCoverage(quad, coverage, m_Solid, m_Batch))
    {
        return false;
    }
    // The sprites before this one are drawn first, then its solid cells; its mixed cells go on in the
    // batch. Both lie in the sprite's own cells, which never overlap, so the picture is the same.
    std::vector<Vertex> mixed(m_Batch.begin() + static_cast<std::ptrdiff_t>(before), m_Batch.end());
    m_Batch.resize(before);
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
        const Sprite& ownerSprite = graphics->m_pSprite;
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

void Graphics::UpdateFade(float dt)
{
    if (m_FadeTimer < 0.0001f)
    {
        m_FadeMode = 0;
        m_FadeTimer = 0.0f;
        return;
    }
    m_FadeTimer -= dt;
    if (m_FadeMode == 0)
    {
        m_FadeValue = 1.0f;
    }
    else if (m_FadeMode == 1)
    {
        m_FadeValue = std::min(1.0f - m_FadeTimer / m_FadeDuration, 1.0f);
    }
    else if (m_FadeMode == 2)
    {
        m_FadeValue = std::max(m_FadeTimer / m_FadeDuration, 0.0f);
    }
}

void Graphics::StartFade(int mode, float seconds)
{
    m_FadeMode = mode;
    m_FadeTimer = seconds;
    m_FadeDuration = seconds;
}

void Graphics::ResetFade()
{
    m_FadeValue = 0.0f;
    m_FadeMode = 0;
    m_FadeTimer = 0.0f;
}

ViewportRect Graphics::ComputeViewport(float w, float h, float aspect)
{
    ViewportRect viewport;
    if (h <= 0.0f || w <= 0.0f)
    {
        return viewport; // a minimised window has no area to draw into
    }
    float ratio = w / h;
    if (std::fabs(ratio - aspect) < 0.0001f)
    {
        viewport = {0.0f, 0.0f, w, h};
    }
    else if (aspect < ratio)
    {
        viewport.Width = h * aspect;
        viewport.Height = h;
        viewport.Left = (w - viewport.Width) * 0.5f;
    }
    else
    {
        viewport.Width = w;
        viewport.Height = w / aspect;
        viewport.Top = (h - viewport.Height) * 0.5f;
    }
    return viewport;
}

void Graphics::Resize(unsigned width, unsigned height)
{
    if (width != 0 && height != 0)
    {
        m_BackBufferWidth = width;
        m_BackBufferHeight = height;
    }
    else
    {
        int w = 1280;
        int h = 720;
        if (m_Window != nullptr)
        {
            m_Window->ClientSize(w, h);
        }
        m_BackBufferWidth = static_cast<unsigned>(std::max(w, 0));
        m_BackBufferHeight = static_cast<unsigned>(std::max(h, 0));
    }
    if (!m_DeviceCreated)
    {
        return;
    }
    m_Device->ResizeBackBuffer(static_cast<int>(m_BackBufferWidth), static_cast<int>(m_BackBufferHeight));
    m_Device->SetViewport(
        ComputeViewport(static_cast<float>(m_BackBufferWidth), static_cast<float>(m_BackBufferHeight), m_TargetAspect));
}

void Graphics::SetResolution(unsigned width, unsigned height)
{
    m_ResolutionWidth = width;
    m_ResolutionHeight = height;
    if (m_Fullscreen)
    {
        Resize(width, height);
    }
}

void Graphics::ToggleFullscreen()
{
    m_Fullscreen = !m_Fullscreen;
    if (m_Window != nullptr)
    {
        m_Window->SetFullscreen(m_Fullscreen);
    }
    Resize(m_ResolutionWidth, m_ResolutionHeight);
}

void Graphics::HandleFocus()
{
    if (m_Window == nullptr)
    {
        return;
    }
    bool focused = m_Window->HasFocus();
    // A new window gets the focus a moment after it is shown; until it has had it once, there is no
    // focus to lose, and minimising then would hide the game as it starts.
    m_HadFocus = m_HadFocus || focused;
    if (m_Fullscreen && !focused && m_HadFocus)
    {
        // Leaving full screen keeps the desktop usable while the game is in the background.
        m_Window->SetFullscreen(false);
        m_Window->Minimize();
        m_Fullscreen = false;
        m_RestoreFullscreen = true;
    }
    else if (m_RestoreFullscreen && focused)
    {
        m_Fullscreen = true;
        m_Window->Restore();
        m_Window->SetFullscreen(true);
        m_RestoreFullscreen = false;
        Resize(m_ResolutionWidth, m_ResolutionHeight);
    }
}

bool Graphics::SaveScreenshot(const std::string& path)
{
    Image image;
    if (!m_DeviceCreated || !m_Device->ReadBackBuffer(image))
    {
        Log("screenshot: there is no picture to save (no drawing device)");
        return false;
    }
    if (!SavePng(path, image))
    {
        Log("screenshot: could not write " + path);
        return false;
    }
    return true;
}

void Graphics::SaveNumberedScreenshot()
{
    std::string path = NextScreenshotPath(PicturesFolder(), "Kibbet_");
    if (!path.empty() && SaveScreenshot(path))
    {
        Log("screenshot saved to " + path);
    }
}

size_t Graphics::RegisteredSpriteCount() const
{
    size_t count = 0;
    for (const auto& entry : m_SpriteLayers)
    {
        count += entry.second.size();
    }
    return count;
}

IComponent* Graphics::CreateComponent(int key)
{
    auto* sprite = new GraphicsComponent();
    sprite->System = this;
    sprite->m_zOrder = key;
    m_SpriteLayers[key].push_back(sprite);
    return sprite;
}

IComponent* Graphics::CreatePrototypeComponent(int key)
{
    auto* sprite = new GraphicsComponent();
    sprite->System = this;
    sprite->m_zOrder = key;
    return sprite;
}

void Graphics::DestroyComponent(IComponent* component)
{
    auto* sprite = dynamic_cast<GraphicsComponent*>(component);
    if (sprite == nullptr)
    {
        return;
    }
    auto layer = m_SpriteLayers.find(sprite->m_zOrder);
    if (layer != m_SpriteLayers.end())
    {
        std::erase(layer->second, sprite);
    }
    delete sprite;
}

CustomShape* Graphics::CreateShape(int layer)
{
    auto* shape = new CustomShape();
    shape->System = this;
    shape->SetLayer(layer);
    m_ShapeLayers[layer].push_back(shape);
    return shape;
}

void Graphics::DestroyShape(CustomShape* shape)
{
    auto layer = m_ShapeLayers.find(shape->Layer());
    if (layer != m_ShapeLayers.end())
    {
        std::erase(layer->second, shape);
    }
    delete shape;
}

void Graphics::MoveShape(CustomShape* shape, int oldLayer)
{
    auto from = m_ShapeLayers.find(oldLayer);
    if (from == m_ShapeLayers.end() || std::find(from->second.begin(), from->second.end(), shape) == from->second.end())
    {
        return; // not registered (an object type's shape)
    }
    std::erase(from->second, shape);
    m_ShapeLayers[shape->Layer()].push_back(shape);
}

Emitter* Graphics::CreateEmitter()
{
    auto* emitter = new Emitter();
    emitter->System = this;
    m_Emitters.push_back(emitter);
    return emitter;
}

void Graphics::DestroyEmitter(Emitter* emitter)
{
    std::erase(m_Emitters, emitter);
    delete emitter;
}

void Graphics::MoveToLayer(GraphicsComponent* component, int oldLayer)
{
    auto from = m_SpriteLayers.find(oldLayer);
    if (from == m_SpriteLayers.end())
    {
        return;
    }
    auto it = std::find(from->second.begin(), from->second.end(), component);
    if (it == from->second.end())
    {
        return; // not registered (an object type's sprite)
    }
    from->second.erase(it);
    m_SpriteLayers[component->m_zOrder].push_back(component);
}

} // namespace Framework
