#pragma once

#include "platform/Image.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace Framework
{

// Decodes picture files on a worker thread, in the order asked, while the caller does other work. The worker
// stays at most one picture ahead of the caller, so at most two decoded pictures wait in memory.
class ImagePrefetch
{
public:
    // Starts decoding paths in order at once.
    explicit ImagePrefetch(std::vector<std::string> paths = {});
    // Stops the worker after the picture it is decoding.
    ~ImagePrefetch();
    ImagePrefetch(const ImagePrefetch&) = delete;
    ImagePrefetch& operator=(const ImagePrefetch&) = delete;

    // From now on decodes these, in order, instead of what was asked before: a picture being decoded or
    // decoded already stays if it is listed and is forgotten if not. Never waits for the worker.
    void Request(const std::vector<std::string>& paths);
    // The decoded picture of path (null pixels when it did not decode): at once when it is decoded, after a
    // wait while the worker decodes it. Nothing when it is only queued or not asked for: the caller decodes it
    // itself, and the worker leaves it out.
    std::optional<DecodedImage> Take(const std::string& path);
    // Take(path) would hand over a decoded picture at once.
    bool Ready(const std::string& path);
    // Nothing is queued, being decoded or waiting to be taken.
    bool Idle();

private:
    void Run();

    std::deque<std::string> m_Queue;
    // The picture the worker decodes now (empty when none).
    std::string m_Decoding;
    // Set when the picture being decoded was taken off the list meanwhile: it is thrown away when done.
    bool m_DecodingUnwanted = false;
    std::map<std::string, DecodedImage> m_Ready;
    bool m_Stop = false;
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::thread m_Worker;
};

} // namespace Framework
