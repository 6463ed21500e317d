#pragma once

#include "platform/KeySource.h"

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace Framework
{

// One frame of raw input as a record file stores it.
struct InputFrame
{
    bool Focus = true;
    std::vector<int> KeysDown; // virtual-key codes, ascending
    PadState Pad;
};

// Formats one frame as a line of the record file: "F<0|1> K<hex codes joined by ',' or -> P<0|1>:<buttons
// hex>:<x>:<y>", for example "F1 K20,57 P1:1000:-120:32767".
std::string FormatInputFrame(const InputFrame& frame);
// Parses a line written by FormatInputFrame; false for anything else.
bool ParseInputFrame(const std::string& line, InputFrame& frame);

// Passes another source through and writes every polled frame to a file.
class RecordingKeySource : public IKeySource
{
public:
    // inner is owned; the file is created (or emptied) at once.
    RecordingKeySource(std::unique_ptr<IKeySource> inner, const std::string& path);
    void Poll() override;
    bool HasFocus() const override { return m_Inner->HasFocus(); }
    bool IsKeyDown(int virtualKey) const override { return m_Inner->IsKeyDown(virtualKey); }
    PadState ReadPad() const override { return m_Inner->ReadPad(); }
    std::string KeyName(int virtualKey) const override { return m_Inner->KeyName(virtualKey); }

private:
    std::unique_ptr<IKeySource> m_Inner;
    std::ofstream m_File;
};

// Feeds the frames of a record file, one per poll; past the end (or for a bad line) nothing is pressed.
class ReplayKeySource : public IKeySource
{
public:
    explicit ReplayKeySource(const std::string& path);
    void Poll() override;
    bool HasFocus() const override { return m_Current.Focus; }
    bool IsKeyDown(int virtualKey) const override;
    PadState ReadPad() const override { return m_Current.Pad; }

private:
    std::vector<InputFrame> m_Frames;
    size_t m_Next = 0;
    InputFrame m_Current;
};

} // namespace Framework
