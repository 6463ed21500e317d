#include "platform/ImagePrefetch.h"

namespace Framework
{

namespace
{
// Decoded pictures waiting for the caller, besides the one being decoded.
constexpr size_t kMaxWaiting = 1;
} // namespace

ImagePrefetch::ImagePrefetch(std::vector<std::string> paths) : m_Paths(std::move(paths))
{
    m_Worker = std::thread([this] { Run(); });
}

ImagePrefetch::~ImagePrefetch()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Stop = true;
    }
    m_Changed.notify_all();
    m_Worker.join();
}

void ImagePrefetch::Run()
{
    for (size_t i = 0; i < m_Paths.size(); ++i)
    {
        {
            std::unique_lock<std::mutex> lock(m_Mutex);
            m_Changed.wait(lock, [this] { return m_Stop || m_Ready.size() < kMaxWaiting; });
            if (m_Stop)
            {
                return;
            }
        }
        bool dropped = false;
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            dropped = m_Dropped.count(m_Paths[i]) != 0;
        }
        // A dropped picture keeps its place in the queue, without pixels.
        DecodedImage image = dropped ? DecodedImage() : DecodeImageFile(m_Paths[i]);
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Ready.push_back(std::move(image));
        }
        m_Changed.notify_all();
    }
}

bool ImagePrefetch::Exhausted()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Next >= m_Paths.size();
}

void ImagePrefetch::Drop(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Dropped.insert(path);
}

bool ImagePrefetch::Ready(const std::string& path)
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    PassDropped(lock, false);
    return m_Next < m_Paths.size() && m_Paths[m_Next] == path && !m_Ready.empty();
}

void ImagePrefetch::PassDropped(std::unique_lock<std::mutex>& lock, bool wait)
{
    bool passed = false;
    while (m_Next < m_Paths.size() && m_Dropped.count(m_Paths[m_Next]) != 0)
    {
        if (m_Ready.empty() && !wait)
        {
            break;
        }
        m_Changed.wait(lock, [this] { return !m_Ready.empty(); });
        m_Ready.pop_front();
        ++m_Next;
        passed = true;
    }
    if (passed)
    {
        m_Changed.notify_all();
    }
}

std::optional<DecodedImage> ImagePrefetch::Take(const std::string& path)
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    if (m_Dropped.count(path) == 0)
    {
        PassDropped(lock, true);
    }
    if (m_Next >= m_Paths.size() || m_Paths[m_Next] != path)
    {
        return std::nullopt;
    }
    m_Changed.wait(lock, [this] { return !m_Ready.empty(); });
    DecodedImage image = std::move(m_Ready.front());
    m_Ready.pop_front();
    ++m_Next;
    lock.unlock();
    m_Changed.notify_all();
    return image;
}

} // namespace Framework
