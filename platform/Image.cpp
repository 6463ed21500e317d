#include "platform/Image.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace Framework
{

bool LoadImageFile(const std::string& path, Image& out)
{
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &width, &height, &channels, 4);
    if (data == nullptr)
    {
        return false;
    }
    out.Width = width;
    out.Height = height;
    out.Pixels.assign(data, data + static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    stbi_image_free(data);
    return true;
}

void FreeDecodedPixels(unsigned char* pixels)
{
    stbi_image_free(pixels);
}

DecodedImage DecodeImageFile(const std::string& path)
{
    DecodedImage out;
    int channels = 0;
    out.Pixels.reset(stbi_load(path.c_str(), &out.Width, &out.Height, &channels, 4));
    if (out.Pixels == nullptr)
    {
        out.Width = 0;
        out.Height = 0;
        return out;
    }
    unsigned char* pixel = out.Pixels.get();
    unsigned char* end = pixel + static_cast<size_t>(out.Width) * static_cast<size_t>(out.Height) * 4;
    // A picture without an alpha channel is opaque; otherwise any translucent pixel decides.
    unsigned char alpha = 255;
    for (; pixel < end; pixel += 4)
    {
        std::swap(pixel[0], pixel[2]);
        alpha &= pixel[3];
    }
    out.Opaque = alpha == 255;
    out.Coverage = MeasureCoverage(out.Pixels.get(), out.Width, out.Height);
    return out;
}

TextureCoverage MeasureCoverage(const unsigned char* pixels, int width, int height)
{
    constexpr int kSize = TextureCoverage::kCellSize;
    TextureCoverage coverage;
    coverage.Width = width;
    coverage.Height = height;
    coverage.Columns = (width + kSize - 1) / kSize;
    coverage.Rows = (height + kSize - 1) / kSize;
    coverage.Cells.assign(static_cast<size_t>(coverage.Columns) * static_cast<size_t>(coverage.Rows),
                          TextureCoverage::Mixed);
    for (int row = 0; row < coverage.Rows; ++row)
    {
        for (int column = 0; column < coverage.Columns; ++column)
        {
            const int left = column * kSize - 1;
            const int top = row * kSize - 1;
            const int right = std::min(column * kSize + kSize, width - 1) + 1;
            const int bottom = std::min(row * kSize + kSize, height - 1) + 1;
            if (left < 0 || top < 0 || right > width || bottom > height || right - left < kSize + 2 ||
                bottom - top < kSize + 2)
            {
                continue; // at the edge: stays mixed
            }
            bool any = false;
            bool all = true;
            for (int y = top; y < bottom && (all || !any); ++y)
            {
                const unsigned char* alpha =
                    pixels + (static_cast<size_t>(y) * static_cast<size_t>(width) + left) * 4 + 3;
                for (int x = left; x < right; ++x, alpha += 4)
                {
                    any = any || *alpha != 0;
                    all = all && *alpha == 255;
                }
            }
            coverage
                .Cells[static_cast<size_t>(row) * static_cast<size_t>(coverage.Columns) + static_cast<size_t>(column)] =
                all   ? TextureCoverage::Solid
                : any ? TextureCoverage::Mixed
                      : TextureCoverage::Clear;
        }
    }
    return coverage;
}

namespace
{
uint32_t Read32(const std::vector<unsigned char>& data, size_t at)
{
    return static_cast<uint32_t>(data[at]) | (static_cast<uint32_t>(data[at + 1]) << 8) |
           (static_cast<uint32_t>(data[at + 2]) << 16) | (static_cast<uint32_t>(data[at + 3]) << 24);
}

uint16_t Read16(const std::vector<unsigned char>& data, size_t at)
{
    return static_cast<uint16_t>(data[at] | (data[at + 1] << 8));
}

// A 32-bit bitmap entry: an info header, then rows bottom-up in BGRA (the height counts the mask too).
bool DecodeIcoBitmap(const std::vector<unsigned char>& data, size_t offset, size_t size, Image& out)
{
    if (size < 40 || Read32(data, offset) < 40)
    {
        return false;
    }
    int32_t width = static_cast<int32_t>(Read32(data, offset + 4));
    int32_t height = static_cast<int32_t>(Read32(data, offset + 8)) / 2;
    uint16_t bits = Read16(data, offset + 14);
    size_t header = Read32(data, offset);
    if (bits != 32 || width <= 0 || height <= 0 || width > 1024 || height > 1024)
    {
        return false;
    }
    size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    if (header + pixels > size)
    {
        return false;
    }
    out.Width = width;
    out.Height = height;
    out.Pixels.resize(pixels);
    for (int32_t row = 0; row < height; ++row)
    {
        const unsigned char* src = &data[offset + header + static_cast<size_t>(height - 1 - row) * width * 4];
        unsigned char* dst = &out.Pixels[static_cast<size_t>(row) * width * 4];
        for (int32_t x = 0; x < width; ++x)
        {
            dst[x * 4 + 0] = src[x * 4 + 2];
            dst[x * 4 + 1] = src[x * 4 + 1];
            dst[x * 4 + 2] = src[x * 4 + 0];
            dst[x * 4 + 3] = src[x * 4 + 3];
        }
    }
    return true;
}
} // namespace

bool LoadIcoFile(const std::string& path, Image& out)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (data.size() < 6 || Read16(data, 0) != 0 || Read16(data, 2) != 1)
    {
        return false;
    }
    size_t count = Read16(data, 4);
    size_t best = count;
    unsigned bestArea = 0;
    for (size_t i = 0; i < count && 6 + i * 16 + 16 <= data.size(); ++i)
    {
        size_t entry = 6 + i * 16;
        unsigned w = data[entry] == 0 ? 256u : data[entry];
        unsigned h = data[entry + 1] == 0 ? 256u : data[entry + 1];
        if (w * h > bestArea)
        {
            bestArea = w * h;
            best = i;
        }
    }
    if (best == count)
    {
        return false;
    }
    size_t entry = 6 + best * 16;
    size_t size = Read32(data, entry + 8);
    size_t offset = Read32(data, entry + 12);
    if (offset > data.size() || size > data.size() - offset || size < 8)
    {
        return false;
    }
    static const unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (std::equal(kPngSignature, kPngSignature + 8, data.begin() + static_cast<std::ptrdiff_t>(offset)))
    {
        int width = 0;
        int height = 0;
        int channels = 0;
        unsigned char* pixels =
            stbi_load_from_memory(&data[offset], static_cast<int>(size), &width, &height, &channels, 4);
        if (pixels == nullptr)
        {
            return false;
        }
        out.Width = width;
        out.Height = height;
        out.Pixels.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
        stbi_image_free(pixels);
        return true;
    }
    return DecodeIcoBitmap(data, offset, size, out);
}

bool ReadImageSize(const std::string& path, int& width, int& height)
{
    int channels = 0;
    return stbi_info(path.c_str(), &width, &height, &channels) != 0;
}

bool SavePng(const std::string& path, const Image& image)
{
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Pixels.size() < static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height) * 4)
    {
        return false;
    }
    return stbi_write_png(path.c_str(), image.Width, image.Height, 4, image.Pixels.data(), image.Width * 4) != 0;
}

} // namespace Framework
