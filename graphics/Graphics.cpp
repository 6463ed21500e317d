#include "graphics/Graphics.h"

#include "engine/Core.h"
#include "engine/Paths.h"
#include "graphics/Camera.h"
#include "graphics/CustomShape.h"
#include "graphics/Emitter.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"
#include "input/Input.h"
#include "platform/FileSystem.h"
#include "platform/Image.h"
#include "platform/Log.h"
#include "platform/Window.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// F3 shows the debug overlay, F12 writes a numbered screenshot.
constexpr int kF3 = 0x72;
constexpr int kF12 = 0x7B;
// The world units the view spans, whatever the window's size.
constexpr unsigned kViewWidth = 1280;
constexpr unsigned kViewHeight = 720;
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
    // The view is the same stretch of world at every window size; the viewport scales it to the back buffer.
    // (Taking the window's size here showed more of the world, past the backdrops' edges, in a larger window.)
    CAMERA.InitCamera(static_cast<int>(kViewWidth), static_cast<int>(kViewHeight));
    if (!m_Device->Create(static_cast<int>(m_BackBufferWidth), static_cast<int>(m_BackBufferHeight)))
    {
        Log("graphics: no render device; the game goes on without drawing");
        return;
    }
    m_DeviceCreated = true;
    m_Device->SetViewport(
        ComputeViewport(static_cast<float>(m_BackBufferWidth), static_cast<float>(m_BackBufferHeight), m_TargetAspect));
    std::vector<std::string> textures = ListFilesSorted(ResourcePath("Textures"), ".png");
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
    if (m_Streaming)
    {
        m_TextureFiles = textures;
        m_PendingTextures = textures;
        m_PendingTextures[0].clear();
        m_Kept.assign(textures.size(), true);
        m_TextureBytes.assign(textures.size(), 0);
        for (size_t layer = 0; layer < textures.size(); ++layer)
        {
            int width = 0;
            int height = 0;
            if (ReadImageSize(textures[layer], width, height))
            {
                m_TextureBytes[layer] = static_cast<size_t>(width) * static_cast<size_t>(height) * 4u;
            }
        }
    }
}

void Graphics::Load()
{
    if (m_Streaming)
    {
        // Without a level to choose what it keeps, every texture is decoded on a worker while the game runs.
        m_PrefetchDue = m_PrefetchDue || !m_KeepChosen;
    }
    else if (m_DeviceReady)
    {
        // A device that only appends skips a file that fails (it logs it), so every later texture moves down.
        std::vector<std::string> textures = ListFilesSorted(ResourcePath("Textures"), ".png");
        for (size_t i = 1; i < textures.size(); ++i)
        {
            m_Device->LoadTexture(textures[i]);
        }
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
    if (m_PrefetchDue && m_DeviceReady)
    {
        PrefetchKeptTextures(m_PrefetchOrder);
        m_PrefetchDue = false;
    }
    if (m_Core != nullptr && m_Core->m_Input != nullptr && m_Core->m_Input->IsKeyTriggered(kF12))
    {
        SaveNumberedScreenshot();
    }
}

bool Graphics::LayerDrawn(int layer) const
{
    auto sprites = m_SpriteLayers.find(layer);
    auto shapes = m_ShapeLayers.find(layer);
    return (sprites != m_SpriteLayers.end() && !sprites->second.empty()) ||
           (shapes != m_ShapeLayers.end() && !shapes->second.empty()) ||
           (layer == m_ParticleLayer && !m_Emitters.empty());
}

void Graphics::StreamTextures()
{
    FreeUnkeptTextures();
    for (size_t layer = 0; layer < m_PendingTextures.size(); ++layer)
    {
        if (m_PendingTextures[layer].empty())
        {
            continue;
        }
        // One kept texture a frame is loaded once its picture is decoded, so the screens on show keep their
        // pace (a layer with something in view loads as it is drawn).
        if (m_Kept[layer] && m_Device->PictureReady(m_PendingTextures[layer]))
        {
            LoadPendingTexture(static_cast<int>(layer));
            return;
        }
    }
}

void Graphics::FreeUnkeptTextures()
{
    for (size_t layer = 0; layer < m_PendingTextures.size(); ++layer)
    {
        const int index = static_cast<int>(layer);
        if (!m_Kept[layer] && m_PendingTextures[layer].empty() && !LayerDrawn(index) &&
            m_Device->TextureBytes(index) >= m_FreeTexturesFrom)
        {
            m_Device->ReleaseTexture(layer);
            m_PendingTextures[layer] = m_TextureFiles[layer];
        }
    }
}

void Graphics::KeepTextures(const std::vector<std::set<int>>& layers, const std::set<int>& decodeOnly)
{
    m_DecodeOnly = decodeOnly;
    for (size_t layer = 0; layer < m_Kept.size(); ++layer)
    {
        const int index = static_cast<int>(layer);
        m_Kept[layer] = std::any_of(layers.begin(), layers.end(),
                                    [index](const std::set<int>& set) { return set.count(index) != 0; });
    }
    m_PrefetchOrder = layers;
    m_PrefetchDue = true;
    m_KeepChosen = true;
}

void Graphics::PrefetchKeptTextures(const std::vector<std::set<int>>& order)
{
    std::vector<std::string> paths;
    auto add = [this, &paths](size_t layer)
    {
        const std::string& path = m_PendingTextures[layer];
        if (m_Kept[layer] && !path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
        {
            paths.push_back(path);
        }
    };
    for (const std::set<int>& set : order)
    {
        for (int layer : LargestFirst(set))
        {
            add(static_cast<size_t>(layer));
        }
    }
    std::set<int> all;
    for (int layer = 0; layer < static_cast<int>(m_PendingTextures.size()); ++layer)
    {
        all.insert(layer);
    }
    for (int layer : LargestFirst(all))
    {
        add(static_cast<size_t>(layer));
    }
    for (int layer : LargestFirst(m_DecodeOnly))
    {
        const std::string& path = m_PendingTextures[static_cast<size_t>(layer)];
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
        {
            paths.push_back(path);
        }
    }
    if (m_DeviceReady)
    {
        m_Device->PrefetchTextures(paths);
    }
}

void Graphics::LoadTextures(const std::set<int>& layers)
{
    // Largest first, while the fewest textures are in memory beside its picture; the worker decodes ahead of
    // this thread, and whatever it has finished is loaded before this thread decodes another. The other kept
    // ones are asked for after the frame.
    std::vector<int> order = LargestFirst(layers);
    std::vector<std::string> paths;
    for (int layer : order)
    {
        if (!m_PendingTextures[static_cast<size_t>(layer)].empty())
        {
            paths.push_back(m_PendingTextures[static_cast<size_t>(layer)]);
        }
    }
    if (m_DeviceReady && !paths.empty())
    {
        m_Device->PrefetchTextures(paths);
        m_PrefetchDue = true;
    }
    for (int layer : order)
    {
        // A picture the worker has finished goes first, so it does not wait in memory beside the others.
        for (int ready : order)
        {
            const std::string& path = m_PendingTextures[static_cast<size_t>(ready)];
            if (!path.empty() && m_Device->PictureReady(path))
            {
                LoadPendingTexture(ready);
            }
        }
        LoadPendingTexture(layer);
    }
}

std::vector<int> Graphics::LargestFirst(const std::set<int>& layers) const
{
    std::vector<int> out;
    for (int layer : layers)
    {
        if (layer >= 0 && static_cast<size_t>(layer) < m_TextureBytes.size())
        {
            out.push_back(layer);
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [this](int a, int b)
                     { return m_TextureBytes[static_cast<size_t>(a)] > m_TextureBytes[static_cast<size_t>(b)]; });
    return out;
}

std::set<int> Graphics::LoadedTextures() const
{
    std::set<int> loaded;
    for (int layer = 0; layer < static_cast<int>(m_TextureFiles.size()); ++layer)
    {
        if (m_Device->TextureBytes(layer) > 0)
        {
            loaded.insert(layer);
        }
    }
    return loaded;
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
