#include "platform/Image.h"
#include "platform/Log.h"
#include "platform/RenderDevice.h"

namespace Framework
{

bool RecordingRenderDevice::Create(int backBufferWidth, int backBufferHeight)
{
    if (FailStep == "create")
    {
        Log("render device: could not be created");
        return false;
    }
    Created = true;
    BackBufferWidth = backBufferWidth;
    BackBufferHeight = backBufferHeight;
    return true;
}

bool RecordingRenderDevice::CompileShaders(const std::string& effectPath)
{
    (void)effectPath;
    if (FailStep == "shaders")
    {
        Log("VS_Main: shader could not be compiled");
        return false;
    }
    return true;
}

bool RecordingRenderDevice::LoadTexture(const std::string& path)
{
    int width = 0;
    int height = 0;
    if (!ReadImageSize(path, width, height))
    {
        Log("texture " + path + " could not be read");
        return false;
    }
    Textures.push_back(path);
    return true;
}

bool RecordingRenderDevice::CreateVertexBuffer(size_t maxVertices)
{
    if (FailStep == "buffer")
    {
        Log("render device: the vertex buffer could not be created");
        return false;
    }
    MaxVertices = maxVertices;
    return true;
}

void RecordingRenderDevice::ResizeBackBuffer(int width, int height)
{
    BackBufferWidth = width;
    BackBufferHeight = height;
}

void RecordingRenderDevice::BeginFrame(const Mat4& viewProjection)
{
    ViewProjection = viewProjection;
    Draws.clear();
    ++Frames;
}

void RecordingRenderDevice::Draw(PixelShader shader, int texture, Primitive primitive, const Vertex* vertices,
                                 size_t count)
{
    if (MaxVertices == 0)
    {
        return; // no buffer: nothing can be drawn
    }
    RecordedDraw draw;
    draw.Shader = shader;
    draw.Texture = texture;
    draw.Kind = primitive;
    draw.Vertices.assign(vertices, vertices + count);
    Draws.push_back(std::move(draw));
}

bool RecordingRenderDevice::ReadBackBuffer(Image& out)
{
    (void)out;
    return false;
}

} // namespace Framework
