#include "platform/SoundFileLength.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace Framework
{

namespace
{
uint32_t LittleEndian(const unsigned char* p, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
    {
        value = (value << 8) | p[i];
    }
    return value;
}

uint32_t BigEndian32(const unsigned char* p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

std::optional<double> WavSeconds(const std::vector<unsigned char>& data)
{
    if (data.size() < 12 || std::memcmp(data.data(), "RIFF", 4) != 0 || std::memcmp(&data[8], "WAVE", 4) != 0)
    {
        return std::nullopt;
    }
    uint32_t bytesPerSecond = 0;
    for (size_t at = 12; at + 8 <= data.size();)
    {
        const unsigned char* chunk = &data[at];
        uint32_t size = LittleEndian(chunk + 4, 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && at + 8 + 12 <= data.size())
        {
            bytesPerSecond = LittleEndian(chunk + 8 + 8, 4);
        }
        else if (std::memcmp(chunk, "data", 4) == 0)
        {
            if (bytesPerSecond == 0)
            {
                return std::nullopt;
            }
            // A data chunk cut short by the end of the file plays only what is there.
            uint64_t present = std::min<uint64_t>(size, data.size() - at - 8);
            return static_cast<double>(present) / bytesPerSecond;
        }
        at += 8 + static_cast<size_t>(size) + (size & 1u);
    }
    return std::nullopt;
}

std::optional<double> Mp3Seconds(const std::vector<unsigned char>& data)
{
    size_t at = 0;
    if (data.size() >= 10 && std::memcmp(data.data(), "ID3", 3) == 0)
    {
        // The tag's size is stored in four 7-bit bytes and excludes its 10-byte header.
        at = 10 + ((size_t{data[6]} & 0x7f) << 21 | (size_t{data[7]} & 0x7f) << 14 | (size_t{data[8]} & 0x7f) << 7 |
                   (size_t{data[9]} & 0x7f));
    }
    static constexpr std::array<int, 16> kBitrateMpeg1 = {0,   32,  40,  48,  56,  64,  80,  96,
                                                          112, 128, 160, 192, 224, 256, 320, 0};
    static constexpr std::array<int, 16> kBitrateMpeg2 = {0,  8,  16, 24,  32,  40,  48,  56,
                                                          64, 80, 96, 112, 128, 144, 160, 0};
    static constexpr std::array<int, 4> kRateMpeg1 = {44100, 48000, 32000, 0};
    for (; at + 4 <= data.size(); ++at)
    {
        const unsigned char* h = &data[at];
        if (h[0] != 0xff || (h[1] & 0xe0) != 0xe0)
        {
            continue;
        }
        int version = (h[1] >> 3) & 3; // 3: MPEG 1, 2: MPEG 2, 0: MPEG 2.5
        int layer = (h[1] >> 1) & 3;   // 1: layer III
        int bitrateIndex = h[2] >> 4;
        int rateIndex = (h[2] >> 2) & 3;
        if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        {
            continue;
        }
        bool mpeg1 = version == 3;
        int sampleRate = kRateMpeg1[static_cast<size_t>(rateIndex)] / (mpeg1 ? 1 : (version == 2 ? 2 : 4));
        int bitrate = (mpeg1 ? kBitrateMpeg1 : kBitrateMpeg2)[static_cast<size_t>(bitrateIndex)] * 1000;
        int samplesPerFrame = mpeg1 ? 1152 : 576;
        bool mono = (h[3] >> 6) == 3;
        size_t sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
        size_t tag = at + 4 + sideInfo;
        if (tag + 12 <= data.size() &&
            (std::memcmp(&data[tag], "Xing", 4) == 0 || std::memcmp(&data[tag], "Info", 4) == 0) &&
            (data[tag + 7] & 1) != 0)
        {
            return static_cast<double>(BigEndian32(&data[tag + 8])) * samplesPerFrame / sampleRate;
        }
        return static_cast<double>(data.size() - at) * 8.0 / bitrate;
    }
    return std::nullopt;
}
} // namespace

std::optional<double> SoundFileSeconds(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        return std::nullopt;
    }
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (std::optional<double> seconds = WavSeconds(data))
    {
        return seconds;
    }
    return Mp3Seconds(data);
}

} // namespace Framework
