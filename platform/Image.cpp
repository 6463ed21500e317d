#include "platform/Image.h"

#include <stb_image.h>
#include <stb_image_write.h>

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
