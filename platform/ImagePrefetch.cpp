#include "platform/ImagePrefetch.h"

#include <algorithm>

namespace Framework
{

ImagePrefetch::ImagePrefetch(std::vector<std::string> paths, size_t ahead)
    : m_Paths(std::move(paths)), m_States(m_Paths.size(), State::Queued), m_Images(m_Paths.size()),
      m_Ahead(std::max<size_t>(ahead, 1))
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
            // The picture the caller waits for next is decoded whatever waits already; one taken or dropped
            // meanwhile is passed at once.
            m_Changed.wait(
                lock, [this, i]
                { return m_Stop || m_States[i] != State::Queued || m_WaitingCount < m_Ahead || Front() == i; });
            if (m_Stop)
            {
                return;
            }
            if (m_States[i] != State::Queued)
            {
                continue;
            }
            m_States[i] = State::Decoding;
        }
        DecodedImage image = DecodeImageFile(m_Paths[i]);
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Images[i] = std::move(image);
            m_States[i] = State::Waiting;
            ++m_WaitingCount;
        }
        m_Changed.notify_all();
    }
}

size_t ImagePrefetch::Find(const std::string& path) const
{
    for (size_t i = 0; i < m_Paths.size(); ++i)
    {
        if (m_Paths[i] == path && m_States[i] != State::Taken && m_States[i] != State::Dropped)
        {
            return i;
        }
    }
    return m_Paths.size();
}

size_t ImagePrefetch::Front() const
{
    for (size_t i = 0; i < m_Paths.size(); ++i)
    {
        if (m_States[i] != State::Taken && m_States[i] != State::Dropped)
        {
            return i;
        }
    }
    return m_Paths.size();
}

bool ImagePrefetch::Exhausted()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return Front() >= m_Paths.size();
}

void ImagePrefetch::Drop(const std::string& path)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        for (size_t i = 0; i < m_Paths.size(); ++i)
        {
            if (m_Paths[i] != path || (m_States[i] != State::Queued && m_States[i] != State::Waiting))
            {
                continue;
            }
            if (m_States[i] == State::Waiting)
            {
                m_Images[i] = DecodedImage();
                --m_WaitingCount;
            }
            m_States[i] = State::Dropped;
        }
    }
    m_Changed.notify_all();
}

bool ImagePrefetch::Ready(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    const size_t i = Find(path);
    return i < m_Paths.size() && m_States[i] == State::Waiting;
}

std::optional<DecodedImage> ImagePrefetch::Take(const std::string& path)
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    const size_t i = Find(path);
    if (i >= m_Paths.size() || (m_States[i] == State::Queued && Front() != i))
    {
        return std::nullopt;
    }
    m_Changed.notify_all();
    m_Changed.wait(lock, [this, i] { return m_States[i] == State::Waiting; });
    DecodedImage image = std::move(m_Images[i]);
    m_States[i] = State::Taken;
    --m_WaitingCount;
    lock.unlock();
    m_Changed.notify_all();
    return image;
}

} // namespace Framework
