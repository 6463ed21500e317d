#include "platform/InputRecording.h"

#include "platform/Log.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace Framework
{

namespace
{
const char* kHeader = "kibbet-input 1";
} // namespace

std::string FormatInputFrame(const InputFrame& frame)
{
    std::ostringstream out;
    out << 'F' << (frame.Focus ? 1 : 0) << " K";
    if (frame.KeysDown.empty())
    {
        out << '-';
    }
    for (size_t i = 0; i < frame.KeysDown.size(); ++i)
    {
        out << (i == 0 ? "" : ",") << std::hex << frame.KeysDown[i] << std::dec;
    }
    out << " P" << (frame.Pad.Connected ? 1 : 0) << ':' << std::hex << frame.Pad.Buttons << std::dec << ':'
        << frame.Pad.ThumbLX << ':' << frame.Pad.ThumbLY;
    return out.str();
}

bool ParseInputFrame(const std::string& line, InputFrame& frame)
{
    std::istringstream in(line);
    std::string focus, keys, pad, extra;
    if (!(in >> focus >> keys >> pad) || (in >> extra))
    {
        return false;
    }
    if (focus.size() != 2 || focus[0] != 'F' || (focus[1] != '0' && focus[1] != '1') || keys.size() < 2 ||
        keys[0] != 'K' || pad.size() < 2 || pad[0] != 'P')
    {
        return false;
    }
    InputFrame parsed;
    parsed.Focus = focus[1] == '1';
    if (keys != "K-")
    {
        std::istringstream list(keys.substr(1));
        std::string code;
        while (std::getline(list, code, ','))
        {
            char* end = nullptr;
            long value = std::strtol(code.c_str(), &end, 16);
            if (code.empty() || *end != '\0' || value < 0 || value > 255)
            {
                return false;
            }
            parsed.KeysDown.push_back(static_cast<int>(value));
        }
        std::sort(parsed.KeysDown.begin(), parsed.KeysDown.end());
    }
    unsigned connected = 0, buttons = 0;
    int x = 0, y = 0;
    char tail = 0;
    if (std::sscanf(pad.c_str(), "P%u:%x:%d:%d%c", &connected, &buttons, &x, &y, &tail) != 4 || connected > 1 ||
        buttons > 0xFFFF || x < -32768 || x > 32767 || y < -32768 || y > 32767)
    {
        return false;
    }
    parsed.Pad = {connected == 1, static_cast<uint16_t>(buttons), static_cast<int16_t>(x), static_cast<int16_t>(y)};
    frame = std::move(parsed);
    return true;
}

RecordingKeySource::RecordingKeySource(std::unique_ptr<IKeySource> inner, const std::string& path)
    : m_Inner(std::move(inner)), m_File(path, std::ios::trunc)
{
    if (!m_File)
    {
        Log("could not create the input record file " + path);
        return;
    }
    m_File << kHeader << '\n';
}

void RecordingKeySource::Poll()
{
    m_Inner->Poll();
    if (!m_File)
    {
        return;
    }
    InputFrame frame;
    frame.Focus = m_Inner->HasFocus();
    for (int code = 1; code < 256; ++code)
    {
        if (m_Inner->IsKeyDown(code))
        {
            frame.KeysDown.push_back(code);
        }
    }
    frame.Pad = m_Inner->ReadPad();
    m_File << FormatInputFrame(frame) << '\n';
    m_File.flush();
}

ReplayKeySource::ReplayKeySource(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line) || line != kHeader)
    {
        Log("input replay " + path + " is missing or not an input record; nothing will be pressed");
        return;
    }
    int number = 1;
    while (std::getline(file, line))
    {
        ++number;
        InputFrame frame;
        if (!ParseInputFrame(line, frame))
        {
            LogOnce("input replay " + path + ": line " + std::to_string(number) +
                    " is not a frame; it reads as no input");
            frame = InputFrame{};
        }
        m_Frames.push_back(std::move(frame));
    }
}

void ReplayKeySource::Poll()
{
    m_Current = m_Next < m_Frames.size() ? m_Frames[m_Next] : InputFrame{};
    ++m_Next;
}

bool ReplayKeySource::IsKeyDown(int virtualKey) const
{
    return std::binary_search(m_Current.KeysDown.begin(), m_Current.KeysDown.end(), virtualKey);
}

} // namespace Framework
