#pragma once

#include "platform/Image.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace Framework
{

// Decodes a list of picture files, in order, on a worker thread while the caller does other work. The
// worker stays at most one picture ahead of the caller, so at most two decoded pictures wait in memory.
class ImagePrefetch
{
public:
    // Starts decoding paths in order at once.
    explicit ImagePrefetch(std::vector<std::string> paths);
    // Stops the worker after the picture it is decoding.
    ~ImagePrefetch();
    ImagePrefetch(const ImagePrefetch&) = delete;
    ImagePrefetch& operator=(const ImagePrefetch&) = delete;

    // The decoded picture of path when path is the next file of the list (waits for it; null pixels when
    // it did not decode); nothing when it is not, and the caller decodes it itself.
    std::optional<DecodedImage> Take(const std::string& path);
    // Every picture of the list has been taken.
    bool Exhausted();
    // The caller decodes path itself (it was needed before its turn): the worker leaves it out, and Take
    // goes past it.
    void Drop(const std::string& path);
    // Take(path) would hand over a decoded picture at once.
    bool Ready(const std::string& path);

private:
    void Run();
    // Goes past the dropped pictures at the front of the list; with wait, also past those not yet passed by
    // the worker. Called with the lock held.
    void PassDropped(std::unique_lock<std::mutex>& lock, bool wait);

    std::vector<std::string> m_Paths;
    // Index in m_Paths of the next picture Take hands out.
    size_t m_Next = 0;
    std::deque<DecodedImage> m_Ready;
    std::set<std::string> m_Dropped;
    bool m_Stop = false;
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::thread m_Worker;
};

} // namespace Framework
