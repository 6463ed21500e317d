#pragma once

#include "engine/ISystem.h"
#include "graphics/CoverCut.h"
#include "graphics/DebugOverlay.h"
#include "platform/RenderDevice.h"
#include "platform/Vertex.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Framework
{

class GraphicsComponent;
class CustomShape;
class Emitter;
class IWindow;
struct TextureCoverage;

// One draw call Graphics submitted: the layer (texture) drawn, -1 for none, and the vertex count.
struct DrawRecord
{
    int Layer = -1;
    PixelShader Shader = PixelShader::Main;
    size_t Vertices = 0;
};

// Draws every frame: the layers of registered sprites and custom shapes (a layer is both the drawing order and the
// index of the one texture drawn with it), the particle layer, debug lines and the fade, in a 16:9 viewport with bars.
// Owns the render device and the per-layer lists of the sprites it made.
class Graphics : public ISystem
{
public:
    // window is not owned and may be null (no window: the client size is 1280 x 720). With startWindowed
    // the game stays in its window instead of going full screen.
    Graphics(Core* core, IWindow* window, std::unique_ptr<IRenderDevice> device, bool startWindowed = false);
    // A headless Graphics with a recording device and no window.
    explicit Graphics(Core* core);
    ~Graphics() override;

    // Creates the device, then goes full screen (unless started windowed) at the chosen resolution.
    void Initialize() override;
    // Starts decoding the textures still missing ahead (unless KeepTextures chose some) and finds the particle
    // layer.
    void Load() override;
    // From now on keeps the textures of these layers loaded and decodes the missing ones ahead on a worker.
    // Another layer's texture is freed once nothing is drawn in it (small ones stay) and is loaded again
    // when something is. Until the first call every texture is kept.
    // The missing ones are decoded in the order of the sets (the level on show, then those to come), each
    // set largest first.
    // The pictures of decodeOnly are decoded after them and wait, not loaded, until a level asks for them.
    void KeepTextures(const std::vector<std::set<int>>& layers, const std::set<int>& decodeOnly = {});
    // Loads the missing textures of these layers now (a level about to start waits for them).
    void LoadTextures(const std::set<int>& layers);
    // Frees the large textures of the layers neither kept nor drawn in (also done before every frame).
    void FreeUnkeptTextures();
    // The layers whose textures are loaded now.
    std::set<int> LoadedTextures() const;
    // Applies the window's focus to the display before the first frame.
    void BeforeFirstFrame() override;
    // Draws and presents one frame.
    void Update(float dt) override;
    // A new size of the window resizes the back buffer, unless in full screen (the picture is scaled there).
    void SendMessage(IMessage* message) override;
    // A new sprite registered in the list of layer key.
    IComponent* CreateComponent(int key) override;
    // A new sprite for an object type: never registered, never drawn.
    IComponent* CreatePrototypeComponent(int key) override;
    // Unregisters the sprite from the list of its current layer and deletes it.
    void DestroyComponent(IComponent* component) override;
    std::string GetName() const override { return "Graphics"; }
    Core* GetCore() const override { return m_Core; }

    // A new emitter registered for updating and drawing; owned by the object that holds it.
    Emitter* CreateEmitter();
    // Forgets the emitter and deletes it.
    void DestroyEmitter(Emitter* emitter);
    // A new shape registered in the list of layer; owned by the object that holds it.
    CustomShape* CreateShape(int layer);
    // Takes the shape out of its layer's list and deletes it.
    void DestroyShape(CustomShape* shape);
    // Moves a registered shape from the list of oldLayer to the list of its current layer.
    void MoveShape(CustomShape* shape, int oldLayer);
    // Draw calls handed to the device in the last frame, in order.
    const std::vector<DrawRecord>& LastFrameDraws() const { return m_LastDraws; }
    // The developer overlay that F3 shows and hides.
    DebugOverlay& Overlay() { return m_Overlay; }

    // Moves a registered sprite from the list of oldLayer to the list of its current m_zOrder.
    void MoveToLayer(GraphicsComponent* component, int oldLayer);
    // Starts a fade: mode 1 fades in, 2 fades out, over seconds.
    void StartFade(int mode, float seconds);
    // Fully faded (value 0) with no fade running.
    void ResetFade();
    // Advances the running fade by dt.
    void UpdateFade(float dt);
    // New back-buffer size; zeros take the window's client size.
    void Resize(unsigned width, unsigned height);
    // The resolution used in full screen; applied at once when in full screen.
    void SetResolution(unsigned width, unsigned height);
    // Switches between borderless full screen and a window.
    void ToggleFullscreen();
    // Minimises a full-screen game that lost the focus and restores it when the focus returns.
    void HandleFocus();
    // Writes the back buffer as a PNG; false (and a logged reason) when there is no picture.
    bool SaveScreenshot(const std::string& path);
    // Number of sprites registered in all layers.
    size_t RegisteredSpriteCount() const;
    // The device drawn with; not owned by the caller.
    IRenderDevice& Device() { return *m_Device; }

    // The viewport for a back buffer of w x h that keeps the aspect ratio, with bars on two sides.
    static ViewportRect ComputeViewport(float w, float h, float aspect);

    // Textures smaller than this stay loaded once loaded (the grounds, the particles, the hero): freeing them
    // saves little, and whatever a level spawns in them would wait for them to be decoded again.
    size_t m_FreeTexturesFrom = 2u << 20;
    float m_SpriteAlpha = 1.0f;
    float m_SpriteChannelB = 1.0f;
    unsigned m_BackBufferWidth = 0;
    unsigned m_BackBufferHeight = 0;
    unsigned m_ResolutionWidth = 1280;
    unsigned m_ResolutionHeight = 720;
    float m_HalfViewWidth = 640.0f;
    float m_HalfViewHeight = 384.0f;
    float m_TargetAspect = 1.7777f;
    float m_FadeDuration = 0.0f;
    float m_FadeTimer = 0.0f;
    float m_FadeValue = 1.0f;
    int m_FadeMode = 0;
    int m_ParticleLayer = 0;
    std::map<int, std::vector<GraphicsComponent*>> m_SpriteLayers;
    std::map<int, std::vector<CustomShape*>> m_ShapeLayers;
    std::vector<Emitter*> m_Emitters;
    unsigned m_MaxQuads = 2000;
    bool m_Fullscreen = false;
    bool m_RestoreFullscreen = false;

private:
    void CreateDevice();
    // Loads at most one missing kept texture whose picture is decoded; frees the textures no longer kept.
    void StreamTextures();
    // The layers largest picture first.
    std::vector<int> LargestFirst(const std::set<int>& layers) const;
    // Something is registered to be drawn in layer.
    bool LayerDrawn(int layer) const;
    // Has the device decode the missing textures of the kept layers ahead: those of the sets in their order,
    // then the other kept ones, each largest first.
    void PrefetchKeptTextures(const std::vector<std::set<int>>& order);
    // Loads the texture of layer if it is still missing.
    void LoadPendingTexture(int layer);
    void DrawLayers(float dt);
    // Advances the visible sprites' animations and places their quads in m_Placed.
    void PlaceSprites(const std::vector<GraphicsComponent*>& sprites, int layer, float dt);
    // Draws the quads placed on layer.
    void DrawSprites(int layer);
    // The placed sprites' solid cells that are drawn opaque, into m_Covers.
    void FindCovers();
    // The opaque rectangular shapes, added to m_Covers.
    void FindShapeCovers();
    // The covers of the layers drawn after layer, into m_CoversAbove.
    void CoversAbove(int layer);
    // Whether a sprite's quad is large and unshrunk enough to be drawn cell by cell.
    static bool Splits(const Vertex (&quad)[4], const TextureCoverage& coverage, Vec2 scale);
    // Draws a large sprite's quad cell by cell (see SplitByCoverage): solid cells without blending at once,
    // mixed cells left in the batch. False, and nothing done, when it is small, scaled down or not split.
    bool SplitLargeSprite(const Vertex (&quad)[4], const TextureCoverage& coverage, int layer, Vec2 scale);
    void DrawShapes(const std::vector<CustomShape*>& shapes, int layer);
    void UpdateEmitters(float dt);
    void DrawParticles();
    void DrawDebugLines();
    // Hands the batch to the device and empties it.
    void Flush(PixelShader shader, int texture, Primitive primitive);
    void SaveNumberedScreenshot();

    Core* m_Core;
    IWindow* m_Window;
    std::unique_ptr<IRenderDevice> m_Device;
    bool m_StartWindowed;
    // Set once the device exists: frames are cleared and shown.
    bool m_DeviceCreated = false;
    // Set once every device step has succeeded; without it nothing is drawn.
    bool m_DeviceReady = false;
    bool m_HadFocus = false;
    // The device takes textures in any order: those after the first are loaded while the game runs.
    bool m_Streaming = false;
    // By layer, the picture file still to load into it (empty when loaded or tried), and its picture file.
    std::vector<std::string> m_PendingTextures;
    std::vector<std::string> m_TextureFiles;
    // By layer, whether its texture is kept loaded (KeepTextures).
    std::vector<bool> m_Kept;
    // By layer, the bytes of its decoded picture (read from the file's header), which orders loading: the
    // largest first, while the fewest textures are in memory beside it.
    std::vector<size_t> m_TextureBytes;
    // The order KeepTextures asked for, handed to the device once the frame on show is presented (so decoding
    // ahead does not slow it), and whether it still has to be.
    std::vector<std::set<int>> m_PrefetchOrder;
    std::set<int> m_DecodeOnly;
    bool m_PrefetchDue = false;
    bool m_KeepChosen = false;
    std::vector<Vertex> m_Batch;
    // The solid cells of the large sprite being drawn, and its cells before the covers cut them.
    std::vector<Vertex> m_Solid;
    std::vector<Vertex> m_Cells;
    // A sprite placed for this frame: its corners as SplitByCoverage takes them, and its scale.
    struct PlacedSprite
    {
        Vertex Quad[4];
        Vec2 Scale;
    };
    struct PlacedLayer
    {
        std::vector<PlacedSprite> Sprites;
        bool ScaledDown = false;
    };
    // By layer, the sprites to draw this frame.
    std::vector<PlacedLayer> m_Placed;
    struct LayerCover
    {
        int Layer;
        CoverRect Rect;
    };
    std::vector<LayerCover> m_Covers;
    std::vector<CoverRect> m_CoversAbove;
    std::vector<DrawRecord> m_LastDraws;
    DebugOverlay m_Overlay;
    Vec2 m_ViewCentre;
};

} // namespace Framework
