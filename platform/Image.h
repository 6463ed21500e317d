#pragma once

#include <memory>
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

// Frees pixels made by DecodeImageFile.
void FreeDecodedPixels(unsigned char* pixels);

// Where a picture is see-through, in square cells of texels: a large sprite leaves out the cells where it
// draws nothing and draws without blending the cells where it hides what is under it. Each cell is judged
// with the texels one step around it, which bilinear filtering also reads (not so with mipmaps).
struct TextureCoverage
{
    static constexpr int kCellSize = 32;
    enum Cell : unsigned char
    {
        Clear = 0, // every alpha 0
        Mixed = 1, // anything else, and cells at the picture's edge (sampling wraps around there)
        Solid = 2, // every alpha 255
    };
    int Width = 0;
    int Height = 0;
    int Columns = 0;
    int Rows = 0;
    // Row by row, from the top.
    std::vector<unsigned char> Cells;

    // The cell in this column and row.
    Cell At(int column, int row) const
    {
        return static_cast<Cell>(
            Cells[static_cast<size_t>(row) * static_cast<size_t>(Columns) + static_cast<size_t>(column)]);
    }
};

// Sorts the cells of an RGBA8 picture into clear, mixed and solid ones.
TextureCoverage MeasureCoverage(const unsigned char* pixels, int width, int height);

// A BGRA8 picture (blue first: the order a software rasteriser's fast path reads), rows from the top, in
// the decoder's own buffer: handed on without a copy.
struct DecodedImage
{
    int Width = 0;
    int Height = 0;
    // Every alpha value is 255 (the picture covers whatever is drawn under it).
    bool Opaque = false;
    std::unique_ptr<unsigned char, void (*)(unsigned char*)> Pixels{nullptr, &FreeDecodedPixels};
    TextureCoverage Coverage;
};

// Decodes a PNG (or another format the decoder knows) into RGBA8; false, and out untouched, on failure.
bool LoadImageFile(const std::string& path, Image& out);
// Decodes a picture file into BGRA8 and notes whether it is opaque; null pixels on failure.
DecodedImage DecodeImageFile(const std::string& path);
// Reads the largest picture of a Windows icon (".ico") file, stored as PNG or as a 32-bit bitmap.
bool LoadIcoFile(const std::string& path, Image& out);
// Reads only the size of a picture file; false when it is not a picture the decoder knows.
bool ReadImageSize(const std::string& path, int& width, int& height);
// Writes RGBA8 pixels as a PNG; false on failure.
bool SavePng(const std::string& path, const Image& image);

} // namespace Framework
