#include "platform/Image.h"
#include "platform/ImagePrefetch.h"
#include "platform/Log.h"
#include "platform/RenderDevice.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <malloc.h>
#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace Framework
{

namespace
{
// The vertex buffer holds this many of the largest draws before it is orphaned and filled again.
constexpr size_t kBufferDraws = 4;
const std::array<const char*, 4> kEntryPoints = {"VS_Main", "PS_Main", "PS_Degub_Main", "PS_Particle"};
// Drawn instead of PS_Main where the tint changes nothing (see Draw); optional: without it PS_Main draws all.
const char* const kPlainEntryPoint = "PS_Plain";
// The programs: one for each pixel shader, then the plain one.
constexpr size_t kPlainProgram = 3;

// What one pass over a draw's vertices tells: whether the tint leaves the texels as they are (white and
// opaque) and whether the texture is sampled only inside its picture (no coordinate outside 0..1).
struct VertexSummary
{
    bool Opaque = true;
    bool Untinted = true;
    bool Inside = true;
};

VertexSummary Summarise(const Vertex* vertices, size_t count)
{
    VertexSummary out;
    for (const Vertex* v = vertices; v != vertices + count; ++v)
    {
        out.Opaque = out.Opaque && v->a >= 1.0f;
        // The shader's tint is mix(1, g, b): white where there is no fade (g) or it does not apply (b).
        out.Untinted = out.Untinted && (v->g >= 1.0f || v->b <= 0.0f);
        out.Inside = out.Inside && v->u >= 0.0f && v->u <= 1.0f && v->v >= 0.0f && v->v <= 1.0f;
    }
    out.Untinted = out.Untinted && out.Opaque;
    return out;
}

// Splits the effect file into its "@entry NAME" sections.
std::map<std::string, std::string> SplitEffect(const std::string& text)
{
    std::map<std::string, std::string> sections;
    std::istringstream in(text);
    std::string line;
    std::string current;
    while (std::getline(in, line))
    {
        if (line.rfind("@entry ", 0) == 0)
        {
            current = line.substr(7);
            while (!current.empty() && (current.back() == '\r' || current.back() == ' '))
            {
                current.pop_back();
            }
            continue;
        }
        if (!current.empty())
        {
            sections[current] += line + "\n";
        }
    }
    return sections;
}

GLuint CompileStage(GLenum stage, const std::string& name, const std::string& source)
{
    GLuint shader = glCreateShader(stage);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE)
    {
        char log[2048] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        Log("shader " + name + " did not compile: " + log);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

class GlRenderDevice : public IRenderDevice
{
public:
    explicit GlRenderDevice(SDL_Window* window) : m_Window(window) {}

    ~GlRenderDevice() override
    {
        if (m_Context == nullptr)
        {
            return;
        }
        for (const Texture& texture : m_Textures)
        {
            glDeleteTextures(1, &texture.Name);
        }
        for (GLuint program : m_Programs)
        {
            glDeleteProgram(program);
        }
        glDeleteBuffers(1, &m_Buffer);
        glDeleteVertexArrays(1, &m_Vao);
        glDeleteFramebuffers(1, &m_Fbo);
        glDeleteTextures(1, &m_FboTexture);
        SDL_GL_DeleteContext(m_Context);
    }

    bool Create(int backBufferWidth, int backBufferHeight) override
    {
        if (m_Window == nullptr)
        {
            Log("render device: there is no window to draw into");
            return false;
        }
        m_Context = SDL_GL_CreateContext(m_Window);
        if (m_Context == nullptr)
        {
            Log(std::string("render device: no OpenGL 3.3 context: ") + SDL_GetError());
            return false;
        }
        if (epoxy_gl_version() < 33)
        {
            Log("render device: OpenGL 3.3 is needed");
            SDL_GL_DeleteContext(m_Context);
            m_Context = nullptr;
            return false;
        }
        SDL_GL_SetSwapInterval(0);
        // A software rasteriser pays for every pixel of a copy pass, and keeps the shown picture in the back
        // buffer, where ReadBackBuffer finds it; other drivers draw into m_Fbo and copy it to the window.
        const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        std::string name = renderer != nullptr ? renderer : "";
        m_Software = name.find("llvmpipe") != std::string::npos || name.find("softpipe") != std::string::npos;
        glGenVertexArrays(1, &m_Vao);
        glBindVertexArray(m_Vao);
        glGenFramebuffers(1, &m_Fbo);
        glGenTextures(1, &m_FboTexture);
        ResizeBackBuffer(backBufferWidth, backBufferHeight);
        glDisable(GL_DEPTH_TEST);
        // Sprites are wound clockwise on screen; the other side is never drawn.
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CW);
        glCullFace(GL_BACK);
        glEnable(GL_BLEND);
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }

    bool CompileShaders(const std::string& effectPath) override
    {
        if (m_Context == nullptr)
        {
            return false;
        }
        std::ifstream file(effectPath);
        if (!file)
        {
            Log("shader file " + effectPath + " could not be read");
            return false;
        }
        std::stringstream text;
        text << file.rdbuf();
        std::map<std::string, std::string> sections = SplitEffect(text.str());
        std::array<GLuint, 5> stages{};
        bool ok = true;
        for (size_t i = 0; i < stages.size() && ok; ++i)
        {
            const char* entry = i < kEntryPoints.size() ? kEntryPoints[i] : kPlainEntryPoint;
            auto found = sections.find(entry);
            if (found == sections.end() && i == kEntryPoints.size())
            {
                Log(std::string("shader ") + entry + " is missing from " + effectPath + "; PS_Main draws every sprite");
                break;
            }
            if (found == sections.end())
            {
                Log(std::string("shader ") + entry + " is missing from " + effectPath);
                ok = false;
                break;
            }
            stages[i] = CompileStage(i == 0 ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER, entry, found->second);
            ok = stages[i] != 0;
        }
        for (size_t p = 0; p < m_Programs.size() && ok && stages[p + 1] != 0; ++p)
        {
            GLuint program = glCreateProgram();
            glAttachShader(program, stages[0]);
            glAttachShader(program, stages[p + 1]);
            glLinkProgram(program);
            GLint linked = GL_FALSE;
            glGetProgramiv(program, GL_LINK_STATUS, &linked);
            if (linked != GL_TRUE)
            {
                char log[2048] = {};
                glGetProgramInfoLog(program, sizeof log, nullptr, log);
                Log(std::string("shader ") + (p < kPlainProgram ? kEntryPoints[p + 1] : kPlainEntryPoint) +
                    " did not link: " + log);
                glDeleteProgram(program);
                ok = false;
                break;
            }
            m_Programs[p] = program;
            m_MatrixSlots[p] = glGetUniformLocation(program, "ViewProjection");
            glUseProgram(program);
            GLint sampler = glGetUniformLocation(program, "Texture");
            if (sampler >= 0)
            {
                glUniform1i(sampler, 0);
            }
        }
        for (GLuint stage : stages)
        {
            if (stage != 0)
            {
                glDeleteShader(stage);
            }
        }
        return ok;
    }

    void PrefetchTextures(const std::vector<std::string>& paths) override
    {
        if (m_Prefetch == nullptr)
        {
            m_Prefetch = std::make_unique<ImagePrefetch>(paths);
            return;
        }
        m_Prefetch->Request(paths);
    }

    bool LoadTexture(const std::string& path) override
    {
        Texture texture;
        if (!Upload(path, texture))
        {
            return false;
        }
        m_Textures.push_back(std::move(texture));
        return true;
    }

    bool ReserveTextures(size_t count) override
    {
        if (m_Context == nullptr || !m_Textures.empty())
        {
            return false;
        }
        m_Textures.resize(count);
        return true;
    }

    bool LoadTextureAt(size_t slot, const std::string& path) override
    {
        if (slot >= m_Textures.size() || m_Textures[slot].Name != 0)
        {
            return false;
        }
        Texture texture;
        texture.Mipmapped = m_Textures[slot].Mipmapped;
        if (!Upload(path, texture))
        {
            return false;
        }
        m_Textures[slot] = std::move(texture);
        if (m_Textures[slot].Mipmapped)
        {
            m_Textures[slot].Mipmapped = false;
            UseMipmaps(static_cast<int>(slot));
        }
        return true;
    }

    bool PictureReady(const std::string& path) override { return m_Prefetch != nullptr && m_Prefetch->Ready(path); }

    void ReleaseTexture(size_t slot) override
    {
        if (slot >= m_Textures.size() || m_Textures[slot].Name == 0)
        {
            return;
        }
        glDeleteTextures(1, &m_Textures[slot].Name);
        Texture empty;
        empty.Mipmapped = m_Textures[slot].Mipmapped;
        m_Textures[slot] = std::move(empty);
    }

    size_t TextureBytes(int texture) const override
    {
        if (texture < 0 || static_cast<size_t>(texture) >= m_Textures.size())
        {
            return 0;
        }
        const Texture& entry = m_Textures[static_cast<size_t>(texture)];
        return entry.Name == 0 ? 0 : static_cast<size_t>(entry.Width) * static_cast<size_t>(entry.Height) * 4u;
    }

    size_t TextureCount() const override { return m_Textures.size(); }

    void DrawOpaque(int texture, const Vertex* vertices, size_t count) override
    {
        m_OpaqueTexels = true;
        Draw(PixelShader::Main, texture, Primitive::Triangles, vertices, count);
        m_OpaqueTexels = false;
    }

    const TextureCoverage* Coverage(int texture) const override
    {
        if (texture < 0 || static_cast<size_t>(texture) >= m_Textures.size())
        {
            return nullptr;
        }
        const Texture& entry = m_Textures[static_cast<size_t>(texture)];
        return entry.Mipmapped || entry.Coverage.Cells.empty() ? nullptr : &entry.Coverage;
    }

    bool Opaque(int texture) const override
    {
        if (texture < 0 || static_cast<size_t>(texture) >= m_Textures.size())
        {
            return false;
        }
        const Texture& entry = m_Textures[static_cast<size_t>(texture)];
        return entry.Name != 0 && entry.Opaque;
    }

    void UseMipmaps(int texture) override
    {
        if (m_Context == nullptr || texture < 0 || static_cast<size_t>(texture) >= m_Textures.size() ||
            m_Textures[static_cast<size_t>(texture)].Mipmapped)
        {
            return;
        }
        Texture& entry = m_Textures[static_cast<size_t>(texture)];
        entry.Mipmapped = true;
        if (entry.Name == 0)
        {
            return; // made when the texture is loaded
        }
        glBindTexture(GL_TEXTURE_2D, entry.Name);
        glGenerateMipmap(GL_TEXTURE_2D);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    }

    bool CreateVertexBuffer(size_t maxVertices) override
    {
        if (m_Context == nullptr)
        {
            return false;
        }
        m_MaxVertices = maxVertices;
        m_Capacity = maxVertices * kBufferDraws;
        m_Used = 0;
        glBindVertexArray(m_Vao);
        glGenBuffers(1, &m_Buffer);
        glBindBuffer(GL_ARRAY_BUFFER, m_Buffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(m_Capacity * sizeof(Vertex)), nullptr, GL_STREAM_DRAW);
        glEnableVertexAttribArray(0);
        glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(0));
        glEnableVertexAttribArray(1);
        glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(12));
        glEnableVertexAttribArray(2);
        glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(28));
        return glGetError() == GL_NO_ERROR;
    }

    void ResizeBackBuffer(int width, int height) override
    {
        if (m_Context == nullptr)
        {
            return;
        }
        m_Width = std::max(width, 1);
        m_Height = std::max(height, 1);
        glBindTexture(GL_TEXTURE_2D, m_FboTexture);
        // Unsized and given in blue-first order, it is stored as BGRA8: the software rasteriser's fast path
        // draws only into that.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, m_Width, m_Height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glBindFramebuffer(GL_FRAMEBUFFER, m_Fbo);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_FboTexture, 0);
    }

    void SetViewport(const ViewportRect& viewport) override { m_Viewport = viewport; }

    void BeginFrame(const Mat4& viewProjection) override
    {
        if (m_Context == nullptr)
        {
            return;
        }
        // Uploaded transposed: the shader reads it column by column and multiplies a row vector.
        for (int r = 0; r < 4; ++r)
        {
            for (int c = 0; c < 4; ++c)
            {
                m_Matrix[static_cast<size_t>(c * 4 + r)] = viewProjection.m[r][c];
            }
        }
        // With a software rasteriser, a back buffer the size of the window is the window's own: drawn
        // straight into, it needs no copy.
        int windowWidth = 0;
        int windowHeight = 0;
        SDL_GL_GetDrawableSize(m_Window, &windowWidth, &windowHeight);
        m_Direct = m_Software && windowWidth == m_Width && windowHeight == m_Height;
        glBindFramebuffer(GL_FRAMEBUFFER, m_Direct ? 0 : m_Fbo);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        // The viewport is measured from the top; OpenGL measures from the bottom.
        glViewport(static_cast<GLint>(std::lround(m_Viewport.Left)),
                   static_cast<GLint>(std::lround(static_cast<float>(m_Height) - m_Viewport.Top - m_Viewport.Height)),
                   static_cast<GLsizei>(std::lround(m_Viewport.Width)),
                   static_cast<GLsizei>(std::lround(m_Viewport.Height)));
        glBindVertexArray(m_Vao);
        glBindBuffer(GL_ARRAY_BUFFER, m_Buffer);
    }

    void Draw(PixelShader shader, int texture, Primitive primitive, const Vertex* vertices, size_t count) override
    {
        size_t index = static_cast<size_t>(shader == PixelShader::Main ? 0 : shader == PixelShader::Debug ? 1 : 2);
        if (m_Context == nullptr || m_Buffer == 0 || m_Programs[index] == 0 || count == 0)
        {
            return;
        }
        count = std::min(count, m_MaxVertices);
        Texture* bound = nullptr;
        if (texture >= 0 && static_cast<size_t>(texture) < m_Textures.size())
        {
            bound = &m_Textures[static_cast<size_t>(texture)];
            if (bound->Name == 0)
            {
                return; // not loaded: nothing to draw with
            }
            glActiveTexture(GL_TEXTURE0);
            glBindTexture(GL_TEXTURE_2D, bound->Name);
        }
        const VertexSummary summary = Summarise(vertices, count);
        if (shader == PixelShader::Main && bound != nullptr)
        {
            SetWrap(*bound, summary.Inside);
            index = summary.Untinted && m_Programs[kPlainProgram] != 0 ? kPlainProgram : index;
        }
        glUseProgram(m_Programs[index]);
        glUniformMatrix4fv(m_MatrixSlots[index], 1, GL_FALSE, m_Matrix.data());
        // An opaque picture drawn fully opaque covers what is under it: blending would give the same
        // pixels at a much higher cost in a software rasteriser.
        SetBlending(
            !(shader == PixelShader::Main && bound != nullptr && (bound->Opaque || m_OpaqueTexels) && summary.Opaque));
        // Each draw appends its vertices behind the last one's, so the driver never waits for a draw still
        // reading them. Only a full buffer is orphaned (a new store that the driver may zero-fill, which
        // per draw cost a software rasteriser more than the drawing of some layers).
        if (m_Used + count > m_Capacity)
        {
            glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(m_Capacity * sizeof(Vertex)), nullptr,
                         GL_STREAM_DRAW);
            m_Used = 0;
        }
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(m_Used * sizeof(Vertex)),
                        static_cast<GLsizeiptr>(count * sizeof(Vertex)), vertices);
        glDrawArrays(primitive == Primitive::Lines ? GL_LINES : GL_TRIANGLES, static_cast<GLint>(m_Used),
                     static_cast<GLsizei>(count));
        m_Used += count;
    }

    void Present() override
    {
        if (m_Context == nullptr)
        {
            return;
        }
        if (m_Direct)
        {
            // Showing a window without a screen (SDL's offscreen driver) flushes nothing: without this the
            // frames would pile up undrawn. Waiting for the frame also keeps a software rasteriser from
            // holding several frames' worth of drawing commands at once.
            glFinish();
            SDL_GL_SwapWindow(m_Window);
            return;
        }
        int windowWidth = 0;
        int windowHeight = 0;
        SDL_GL_GetDrawableSize(m_Window, &windowWidth, &windowHeight);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        glViewport(0, 0, windowWidth, windowHeight);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        // Scale the back buffer into the window keeping its shape; the rest stays black.
        float scale = std::min(static_cast<float>(windowWidth) / static_cast<float>(m_Width),
                               static_cast<float>(windowHeight) / static_cast<float>(m_Height));
        int w = static_cast<int>(std::lround(static_cast<float>(m_Width) * scale));
        int h = static_cast<int>(std::lround(static_cast<float>(m_Height) * scale));
        int x = (windowWidth - w) / 2;
        int y = (windowHeight - h) / 2;
        glBindFramebuffer(GL_READ_FRAMEBUFFER, m_Fbo);
        // Same size: each pixel is copied as it is, and the nearest filter costs least.
        GLenum filter = w == m_Width && h == m_Height ? GL_NEAREST : GL_LINEAR;
        glBlitFramebuffer(0, 0, m_Width, m_Height, x, y, x + w, y + h, GL_COLOR_BUFFER_BIT, filter);
        SDL_GL_SwapWindow(m_Window);
        glBindFramebuffer(GL_FRAMEBUFFER, m_Fbo);
    }

    bool ReadBackBuffer(Image& out) override
    {
        if (m_Context == nullptr)
        {
            return false;
        }
        out.Width = m_Width;
        out.Height = m_Height;
        out.Pixels.assign(static_cast<size_t>(m_Width) * static_cast<size_t>(m_Height) * 4, 0);
        std::vector<unsigned char> rows(out.Pixels.size());
        glBindFramebuffer(GL_READ_FRAMEBUFFER, m_Direct ? 0 : m_Fbo);
        if (m_Direct)
        {
            glReadBuffer(GL_BACK);
        }
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, m_Width, m_Height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
        size_t stride = static_cast<size_t>(m_Width) * 4;
        for (int y = 0; y < m_Height; ++y)
        {
            std::copy_n(&rows[static_cast<size_t>(m_Height - 1 - y) * stride], stride,
                        &out.Pixels[static_cast<size_t>(y) * stride]);
        }
        return true;
    }

    void Finish() override
    {
        if (m_Context != nullptr)
        {
            glFinish();
        }
    }

private:
    // Name 0: a reserved slot not loaded yet (or whose file failed); it draws nothing.
    struct Texture
    {
        GLuint Name = 0;
        int Width = 0;
        int Height = 0;
        bool Opaque = false;
        // Has mipmaps, or (not loaded yet) gets them when it is loaded.
        bool Mipmapped = false;
        // Clamped to its edges rather than repeated; WrapSet once either was set.
        bool Clamped = false;
        bool WrapSet = false;
        TextureCoverage Coverage;
    };

    // Decodes path (or takes it from the worker) into a new GL texture; false, and logged, on failure.
    bool Upload(const std::string& path, Texture& texture)
    {
        if (m_Context == nullptr)
        {
            return false;
        }
        // A picture the worker has not reached is decoded here, and the worker leaves it out.
        std::optional<DecodedImage> prefetched = m_Prefetch != nullptr ? m_Prefetch->Take(path) : std::nullopt;
        DecodedImage image = prefetched ? std::move(*prefetched) : DecodeImageFile(path);
        if (image.Pixels == nullptr)
        {
            Log("texture " + path + " could not be read");
            return false;
        }
        texture.Opaque = image.Opaque;
        texture.Width = image.Width;
        texture.Height = image.Height;
        texture.Coverage = std::move(image.Coverage);
        glGenTextures(1, &texture.Name);
        glBindTexture(GL_TEXTURE_2D, texture.Name);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        if (texture.Mipmapped && (epoxy_gl_version() >= 42 || epoxy_has_gl_extension("GL_ARB_texture_storage")))
        {
            // Room for every level at once: made later, the levels would move the picture to a larger
            // allocation while the old one is still held, and that peak is a whole atlas.
            int levels = 1;
            for (int size = std::max(image.Width, image.Height); size > 1; size >>= 1)
            {
                ++levels;
            }
            glTexStorage2D(GL_TEXTURE_2D, levels, GL_RGBA8, image.Width, image.Height);
            glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, image.Width, image.Height, GL_BGRA, GL_UNSIGNED_BYTE,
                            image.Pixels.get());
        }
        else
        {
            // Unsized with blue-first pixels, the texture keeps that order (BGRA8), the only one that a
            // software rasteriser's fast path samples.
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.Width, image.Height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                         image.Pixels.get());
        }
        // Plain bilinear filtering: a software rasteriser samples it at a fraction of the cost of mipmaps,
        // and it is the same picture wherever a layer is not drawn smaller than its atlas (UseMipmaps).
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        SetWrap(texture, false);
        return true;
    }

    // Shapes repeat their texture; sprites sample inside their picture, where clamping to its edge gives the
    // same texels inside and keeps a software rasteriser on its fast path at the edges.
    static void SetWrap(Texture& texture, bool clamp)
    {
        if (texture.Clamped == clamp && texture.WrapSet)
        {
            return;
        }
        GLint mode = clamp ? GL_CLAMP_TO_EDGE : GL_REPEAT;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
        texture.Clamped = clamp;
        texture.WrapSet = true;
    }

    void SetBlending(bool on)
    {
        if (on == m_Blending)
        {
            return;
        }
        if (on)
        {
            glEnable(GL_BLEND);
        }
        else
        {
            glDisable(GL_BLEND);
        }
        m_Blending = on;
    }

    SDL_Window* m_Window;
    SDL_GLContext m_Context = nullptr;
    GLuint m_Vao = 0;
    GLuint m_Buffer = 0;
    GLuint m_Fbo = 0;
    GLuint m_FboTexture = 0;
    int m_Width = 1;
    int m_Height = 1;
    size_t m_MaxVertices = 0;
    // Vertices the buffer holds, and how many of them this round of draws has used.
    size_t m_Capacity = 0;
    size_t m_Used = 0;
    // By pixel shader, then the plain program (0 when the effect file has none).
    std::array<GLuint, 4> m_Programs{};
    std::array<GLint, 4> m_MatrixSlots{-1, -1, -1, -1};
    std::array<float, 16> m_Matrix{};
    std::vector<Texture> m_Textures;
    // Decodes the textures asked for ahead on a worker thread; made by the first request, kept until the device goes.
    std::unique_ptr<ImagePrefetch> m_Prefetch;
    bool m_Blending = true;
    // The frame is drawn straight into the window (it has the back buffer's size), not into m_Fbo.
    bool m_Direct = false;
    bool m_Software = false;
    // Set while DrawOpaque draws: the caller vouches that every texel drawn is opaque.
    bool m_OpaqueTexels = false;
    ViewportRect m_Viewport;
};
} // namespace

std::unique_ptr<IRenderDevice> CreateGlRenderDevice(void* nativeWindow)
{
    // Decoded pictures are tens of megabytes and short-lived. With its default, the allocator raises the
    // size above which it maps memory to the largest block freed so far, so later pictures come from the
    // heap and stay resident after they are freed (about 50 MB more at the peak); a fixed threshold hands
    // each one back to the system as soon as its texture is made.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    // A fixed threshold also fixes the size of free memory at the top of the heap that is handed back at
    // once (128 KB). The rasteriser's per-draw vertex blocks are larger: the heap shrank and grew again at
    // every draw, each time with page faults and a flush of every core's address cache.
    mallopt(M_TRIM_THRESHOLD, 8 << 20);
    return std::make_unique<GlRenderDevice>(static_cast<SDL_Window*>(nativeWindow));
}

} // namespace Framework
