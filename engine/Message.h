#pragma once

#include <cstdint>
#include <string>

namespace Framework
{

// Ids of the engine's message kinds; no other ids are sent.
enum MessageIdType : int32_t
{
    Contact = 2,
    CharacterKey = 4,
    MouseMove = 6,
    FileDropped = 7,
    WindowResized = 8,
    FullscreenToggleRequested = 9,
};

// A notification delivered synchronously to systems or to the components of one object.
// Senders build messages as locals; a receiver that needs data from one copies it.
class IMessage
{
public:
    explicit IMessage(int32_t id) : MessageId(id) {}
    virtual ~IMessage() = default;
    IMessage(const IMessage&) = default;
    IMessage& operator=(const IMessage&) = default;

    int32_t MessageId;
};

// A character typed in the window (id 4).
class MessageCharacterKey : public IMessage
{
public:
    explicit MessageCharacterKey(uint32_t character) : IMessage(CharacterKey), Character(character) {}

    uint32_t Character;
};

// The first file dropped on the window (id 7); the path is at most 511 bytes long.
class FileDrop : public IMessage
{
public:
    explicit FileDrop(std::string fileName) : IMessage(FileDropped), FileName(std::move(fileName)) {}

    std::string FileName;
};

// The window's client area took a new size (id 8), in pixels.
class MessageWindowResize : public IMessage
{
public:
    MessageWindowResize(unsigned width, unsigned height) : IMessage(WindowResized), Width(width), Height(height) {}

    unsigned Width;
    unsigned Height;
};

} // namespace Framework
