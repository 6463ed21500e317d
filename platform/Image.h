#pragma once

#include <string>
#include <vector>

namespace Framework
{

// An RGBA8 picture, rows from the top.
struct Image
{
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Pixels;
};

// Decodes a PNG (or another format the decoder knows) into RGBA8; false, and out untouched, on failure.
bool LoadImageFile(const std::string& path, Image& out);
// Writes RGBA8 pixels as a PNG; false on failure.
bool SavePng(const std::string& path, const Image& image);

} // namespace Framework
