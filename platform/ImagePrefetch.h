#pragma once

#include "platform/Image.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace Framework
{

// Decodes a list of picture files, in order, on a worker thread while the caller does other work. The
// worker stays at most `ahead` decoded pictures ahead of the caller (one is being decoded besides), so
// the caller chooses how much memory waiting pictures may take.
class ImagePrefetch
{
public:
    // Starts decoding paths in order at once.
    explicit ImagePrefetch(std::vector<std::string> paths, size_t ahead = 1);
    // Stops the worker after the picture it is decoding.
    ~ImagePrefetch();
    ImagePrefetch(const ImagePrefetch&) = delete;
    ImagePrefetch& operator=(const ImagePrefetch&) = delete;

    // The decoded picture of path (null pixels when it did not decode) when the worker has decoded it, is
    // decoding it or will decode it next (waits for it); nothing otherwise, and the caller decodes it itself.
    std::optional<DecodedImage> Take(const std::string& path);
    // Every picture of the list has been taken or dropped.
    bool Exhausted();
    // The caller decodes path itself (it was needed before its turn): the worker leaves it out.
    void Drop(const std::string& path);
    // Take(path) would hand over a decoded picture at once.
    bool Ready(const std::string& path);

private:
    enum class State
    {
        Queued,
        Decoding,
        Waiting,
        Taken,
        Dropped,
    };

    void Run();
    // The index of path's first entry that is neither taken nor dropped, or the list's size.
    size_t Find(const std::string& path) const;
    // The first entry that is neither taken nor dropped, or the list's size.
    size_t Front() const;

    std::vector<std::string> m_Paths;
    std::vector<State> m_States;
    std::vector<DecodedImage> m_Images;
    size_t m_Ahead;
    size_t m_WaitingCount = 0;
    bool m_Stop = false;
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::thread m_Worker;
};

} // namespace Framework
