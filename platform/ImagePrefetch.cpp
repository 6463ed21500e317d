#include "platform/ImagePrefetch.h"

#include <algorithm>

namespace Framework
{

namespace
{
// Decoded pictures waiting for the caller, besides the one being decoded.
constexpr size_t kMaxWaiting = 1;
} // namespace

ImagePrefetch::ImagePrefetch(std::vector<std::string> paths) : m_Queue(paths.begin(), paths.end())
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
    std::unique_lock<std::mutex> lock(m_Mutex);
    for (;;)
    {
        m_Changed.wait(lock, [this] { return m_Stop || (!m_Queue.empty() && m_Ready.size() < kMaxWaiting); });
        if (m_Stop)
        {
            return;
        }
        m_Decoding = m_Queue.front();
        m_Queue.pop_front();
        m_DecodingUnwanted = false;
        const std::string path = m_Decoding;
        lock.unlock();
        DecodedImage image = DecodeImageFile(path);
        lock.lock();
        if (!m_DecodingUnwanted)
        {
            m_Ready[path] = std::move(image);
        }
        m_Decoding.clear();
        m_Changed.notify_all();
    }
}

void ImagePrefetch::Request(const std::vector<std::string>& paths)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        auto listed = [&paths](const std::string& path)
        { return std::find(paths.begin(), paths.end(), path) != paths.end(); };
        for (auto it = m_Ready.begin(); it != m_Ready.end();)
        {
            it = listed(it->first) ? std::next(it) : m_Ready.erase(it);
        }
        m_DecodingUnwanted = !m_Decoding.empty() && !listed(m_Decoding);
        m_Queue.clear();
        for (const std::string& path : paths)
        {
            if (path != m_Decoding && m_Ready.count(path) == 0)
            {
                m_Queue.push_back(path);
            }
        }
    }
    m_Changed.notify_all();
}

std::optional<DecodedImage> ImagePrefetch::Take(const std::string& path)
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    if (m_Decoding == path && !m_DecodingUnwanted)
    {
        m_Changed.wait(lock, [this, &path] { return m_Decoding != path; });
    }
    auto found = m_Ready.find(path);
    if (found == m_Ready.end())
    {
        m_Queue.erase(std::remove(m_Queue.begin(), m_Queue.end(), path), m_Queue.end());
        return std::nullopt;
    }
    DecodedImage image = std::move(found->second);
    m_Ready.erase(found);
    lock.unlock();
    m_Changed.notify_all();
    return image;
}

bool ImagePrefetch::Ready(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Ready.count(path) != 0;
}

bool ImagePrefetch::Idle()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Queue.empty() && m_Decoding.empty() && m_Ready.empty();
}

} // namespace Framework
