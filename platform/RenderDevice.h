#pragma once

#include "platform/Vector.h"
#include "platform/Vertex.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Framework
{

struct Image;
struct TextureCoverage;

// Which pixel shader of the effect file a draw uses.
enum class PixelShader
{
    Main,     // sprites and shapes: "PS_Main"
    Debug,    // debug lines: "PS_Degub_Main"
    Particle, // particles: "PS_Particle"
};

enum class Primitive
{
    Triangles,
    Lines,
};

// A viewport in back-buffer pixels, measured from the top-left corner.
struct ViewportRect
{
    float Left = 0.0f;
    float Top = 0.0f;
    float Width = 0.0f;
    float Height = 0.0f;
};

// What the Graphics system draws with: an OpenGL device, or a recording one that draws nothing and keeps
// the last frame's draw calls so tests can see exactly what would be drawn. A failed step is logged by the
// device and leaves it drawing nothing; the game goes on.
class IRenderDevice
{
public:
    IRenderDevice() = default;
    virtual ~IRenderDevice() = default;
    IRenderDevice(const IRenderDevice&) = delete;
    IRenderDevice& operator=(const IRenderDevice&) = delete;

    // Creates the context and a back buffer of this size; false on failure.
    virtual bool Create(int backBufferWidth, int backBufferHeight) = 0;
    // Compiles the four entry points of the effect file; false (errors on standard error) on failure.
    virtual bool CompileShaders(const std::string& effectPath) = 0;
    // Names the files LoadTexture or LoadTextureAt will be asked for next, in this order, so the device may
    // decode them ahead on another thread; replaces the files named before.
    virtual void PrefetchTextures(const std::vector<std::string>& paths) { (void)paths; }
    // Appends a texture read from a picture file; false, and nothing appended, on failure. Textures have no
    // mipmaps until UseMipmaps asks for them.
    virtual bool LoadTexture(const std::string& path) = 0;
    virtual size_t TextureCount() const = 0;
    // Makes count empty textures, which LoadTextureAt fills in any order and which draw nothing until then;
    // false when the device can only append (LoadTexture).
    virtual bool ReserveTextures(size_t count)
    {
        (void)count;
        return false;
    }
    // Reads a picture file into the empty texture slot; false (logged), and the slot left empty, on failure.
    virtual bool LoadTextureAt(size_t slot, const std::string& path)
    {
        (void)slot;
        (void)path;
        return false;
    }
    // Frees the texture in a slot that ReserveTextures made; it draws nothing until LoadTextureAt fills it
    // again, with the mipmaps it had.
    virtual void ReleaseTexture(size_t slot) { (void)slot; }
    // Bytes of a loaded texture's picture (0 when it is not loaded or the device does not know).
    virtual size_t TextureBytes(int texture) const
    {
        (void)texture;
        return 0;
    }
    // LoadTexture(path) would not wait for the picture to be decoded.
    virtual bool PictureReady(const std::string& path)
    {
        (void)path;
        return true;
    }
    // Gives a texture mipmaps, once, for a layer drawn smaller than its picture (no-op when it has them).
    virtual void UseMipmaps(int texture) = 0;
    // Creates the dynamic vertex buffer that every draw goes through; false on failure.
    virtual bool CreateVertexBuffer(size_t maxVertices) = 0;
    // Gives the back buffer a new size.
    virtual void ResizeBackBuffer(int width, int height) = 0;
    virtual void SetViewport(const ViewportRect& viewport) = 0;
    // Clears the back buffer to opaque black and sets the camera matrix (row-major, row vectors).
    virtual void BeginFrame(const Mat4& viewProjection) = 0;
    // Draws count vertices (at most the buffer's size) with a texture (-1: none).
    virtual void Draw(PixelShader shader, int texture, Primitive primitive, const Vertex* vertices, size_t count) = 0;
    // Draws sprite triangles that show only opaque texels (see Coverage); where their colour is opaque too,
    // nothing under them shows and the device may skip blending.
    virtual void DrawOpaque(int texture, const Vertex* vertices, size_t count)
    {
        Draw(PixelShader::Main, texture, Primitive::Triangles, vertices, count);
    }
    // Where a texture is see-through, while it is sampled without mipmaps; null when the device does not know.
    virtual const TextureCoverage* Coverage(int texture) const
    {
        (void)texture;
        return nullptr;
    }
    // Whether every texel of a loaded texture is opaque; false when it is not loaded or the device does not know.
    virtual bool Opaque(int texture) const
    {
        (void)texture;
        return false;
    }
    // Shows the back buffer in the window, scaled to fit with bars if the shapes differ.
    virtual void Present() = 0;
    // Copies the back buffer, rows from the top; false when there is none.
    virtual bool ReadBackBuffer(Image& out) = 0;
    // Waits until everything sent so far is drawn (for measurements).
    virtual void Finish() {}
};

// One draw call as the recording device kept it.
struct RecordedDraw
{
    PixelShader Shader = PixelShader::Main;
    int Texture = -1;
    Primitive Kind = Primitive::Triangles;
    std::vector<Vertex> Vertices;
};

// Draws nothing; keeps the draw calls since the last BeginFrame and the device state.
class RecordingRenderDevice : public IRenderDevice
{
public:
    bool Create(int backBufferWidth, int backBufferHeight) override;
    bool CompileShaders(const std::string& effectPath) override;
    // Accepts any file whose picture size can be read, as the real device would load it.
    bool LoadTexture(const std::string& path) override;
    size_t TextureCount() const override { return Textures.size(); }
    void UseMipmaps(int texture) override { Mipmapped.insert(texture); }
    bool CreateVertexBuffer(size_t maxVertices) override;
    void ResizeBackBuffer(int width, int height) override;
    void SetViewport(const ViewportRect& viewport) override { Viewport = viewport; }
    void BeginFrame(const Mat4& viewProjection) override;
    void Draw(PixelShader shader, int texture, Primitive primitive, const Vertex* vertices, size_t count) override;
    void Present() override { ++Presents; }
    bool ReadBackBuffer(Image& out) override;

    bool Created = false;
    int BackBufferWidth = 0;
    int BackBufferHeight = 0;
    size_t MaxVertices = 0;
    std::vector<std::string> Textures;
    std::set<int> Mipmapped;
    ViewportRect Viewport;
    Mat4 ViewProjection;
    std::vector<RecordedDraw> Draws;
    int Frames = 0;
    int Presents = 0;
    // Makes the named step fail, to test how the game copes: "create", "shaders", "buffer".
    std::string FailStep;
};

// An OpenGL 3.3 core device drawing into the SDL window (an SDL_Window*, not owned).
std::unique_ptr<IRenderDevice> CreateGlRenderDevice(void* nativeWindow);

} // namespace Framework
