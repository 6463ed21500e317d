#include "graphics/Animation.h"

#include "data/FieldList.h"
#include "engine/Core.h"
#include "graphics/ResourceManager.h"
#include "graphics/Sprite.h"

#include <utility>

namespace Framework
{

namespace
{
UVRect LookUpFrame(const std::string& name)
{
    if (CORE != nullptr && CORE->m_ResourceManager != nullptr)
    {
        return CORE->m_ResourceManager->GetUV(name);
    }
    return UVRect{};
}

void Mirror(UVRect& frame)
{
    std::swap(frame.m_UVTopRight.x, frame.m_UVTopLeft.x);
    std::swap(frame.m_UVBottomRight.x, frame.m_UVBottomLeft.x);
}
} // namespace

void Animation::ShowFrame(const std::vector<UVRect>& frames, unsigned index)
{
    if (m_TargetSprite != nullptr && index < frames.size())
    {
        m_TargetSprite->UVs = frames[index];
    }
}

void Animation::Play(const std::string& name)
{
    if (name.empty())
    {
        if (m_IsPlaying)
        {
            return;
        }
        m_Current = m_DefaultName;
        m_Loop = false;
        m_Timer = 0.0f;
        m_Frame = 0;
        m_Finished = false;
        m_IsPlaying = true;
        return;
    }
    if (name == m_Current)
    {
        return;
    }
    m_Current = name;
    m_Timer = 0.0f;
    m_Frame = 0;
    m_IsPlaying = true;
    m_Loop = false;
    m_Finished = false;
    auto found = m_Frames.find(name);
    if (found != m_Frames.end())
    {
        ShowFrame(found->second, 0);
    }
}

void Animation::ShowFrameOf(const std::string& name, unsigned frame)
{
    auto found = m_Frames.find(name);
    if (found == m_Frames.end() || frame >= found->second.size())
    {
        return;
    }
    m_Current = name;
    m_Frame = frame;
    m_IsPlaying = false;
    m_Timer = 0.0f;
    ShowFrame(found->second, frame);
}

void Animation::PlayAsDefault(const std::string& name)
{
    m_DefaultName = name;
    Play(name);
}

void Animation::AddAnimation(const std::string& name, const std::vector<UVRect>& frames)
{
    if (m_DefaultName.empty())
    {
        m_DefaultName = name;
        m_Current = name;
    }
    m_Frames[name] = frames;
}

void Animation::AdvanceAnimation(float dt)
{
    if (!m_IsPlaying)
    {
        return;
    }
    m_Finished = false;
    m_Timer += dt;
    if (m_Timer < m_Speed)
    {
        return;
    }
    auto found = m_Frames.find(m_Current);
    // An animation without frames has nothing to show: it is treated like a missing one.
    if (found == m_Frames.end() || found->second.empty())
    {
        m_Timer = 0.0f;
        return;
    }
    const std::vector<UVRect>& frames = found->second;
    unsigned n = static_cast<unsigned>(frames.size());
    if (m_Frame < n - 1)
    {
        ++m_Frame;
        ShowFrame(frames, m_Frame);
        if (m_Frame == n - 1)
        {
            m_Finished = true;
            if (!m_Loop)
            {
                m_IsPlaying = false;
            }
        }
        m_Timer = 0.0f;
        return;
    }
    if (n == 1)
    {
        m_Finished = true;
    }
    m_Frame = 0;
    ShowFrame(frames, 0);
    m_Timer = 0.0f;
    if (!m_Loop)
    {
        m_Current = m_DefaultName;
        m_IsPlaying = false;
    }
}

void Animation::BuildFrames()
{
    for (const auto& [name, frameNames] : m_UVmap)
    {
        std::vector<UVRect> frames;
        frames.reserve(frameNames.size());
        for (const std::string& frameName : frameNames)
        {
            frames.push_back(LookUpFrame(frameName));
        }
        if (name.find("Left") != std::string::npos)
        {
            for (UVRect& frame : frames)
            {
                Mirror(frame);
            }
        }
        m_Frames[name] = std::move(frames);
    }
}

void Animation::DescribeFields(FieldList& fields)
{
    fields.Bool("m_IsPlaying", m_IsPlaying);
    fields.Bool("m_Loop", m_Loop);
    fields.Number("m_Speed", m_Speed);
    // Entered by the name "m_pAnimation", as the game has always done: a top-level block of that name is jumped to.
    fields.NameLists("m_UVmap", m_UVmap, "m_pAnimation");
}

void Animation::Serialize(TextSerializer& reader)
{
    ReadFields(reader, "m_pAnimation", [this](FieldList& fields) { DescribeFields(fields); });
    BuildFrames();
}

void Animation::Write(TextWriter& writer) const
{
    auto* self = const_cast<Animation*>(this); // the listing hands out the members; the writer only looks
    WriteFields(writer, "m_pAnimation", [self](FieldList& fields) { self->DescribeFields(fields); });
}

void Animation::CopyFrom(const Animation& other)
{
    Sprite* target = m_TargetSprite;
    *this = other;
    m_TargetSprite = target;
}

} // namespace Framework
