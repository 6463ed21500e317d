#include "graphics/Animation.h"

#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "graphics/ResourceManager.h"
#include "graphics/Sprite.h"

#include <sstream>
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

void Animation::Serialize(TextSerializer& reader)
{
    reader.EnterBlock("m_pAnimation");
    reader.ReadBool("m_IsPlaying", m_IsPlaying);
    reader.SkipSeparator();
    reader.ReadBool("m_Loop", m_Loop);
    reader.SkipSeparator();
    reader.ReadFieldValue(m_Speed);
    reader.SkipSeparator();

    m_UVmap.clear();
    reader.EnterBlock("m_pAnimation"); // not indexed: passes the "m_UVmap" name, its colon and its brace
    do
    {
        if (!reader.ReadToken() || reader.TokenHas('}'))
        {
            break; // an empty map, or the end of the file
        }
        std::string key = reader.TokenHas('"') ? StripQuotes(reader.CurrentToken) : reader.CurrentToken;
        reader.ReadToken();    // the colon
        reader.EnterBlock(""); // stops on the opening bracket
        std::vector<std::string> frames;
        do
        {
            if (!reader.ReadToken() || (reader.TokenHas(']') && !reader.TokenHas('"')))
            {
                break; // an empty list ends at once
            }
            frames.push_back(reader.TokenHas('"') ? StripQuotes(reader.CurrentToken) : reader.CurrentToken);
        } while (reader.NextListItem());
        m_UVmap[key] = std::move(frames);
    } while (reader.NextListItem());
    BuildFrames();
    reader.SkipSeparator();
}

void Animation::Write(TextWriter& writer) const
{
    writer.BeginBlock("m_pAnimation");
    writer.WriteBool("m_IsPlaying", m_IsPlaying);
    writer.WriteSeparator();
    writer.WriteBool("m_Loop", m_Loop);
    writer.WriteSeparator();
    writer.WriteNumber("m_Speed", m_Speed);
    writer.WriteSeparator();
    writer.BeginBlock("m_UVmap");
    bool first = true;
    for (const auto& [name, frames] : m_UVmap)
    {
        if (!first)
        {
            writer.WriteSeparator();
        }
        first = false;
        std::ostringstream entry;
        entry << '"' << name << "\" : [ ";
        for (size_t i = 0; i < frames.size(); ++i)
        {
            entry << (i == 0 ? "" : " , ") << '"' << frames[i] << '"';
        }
        entry << " ]";
        writer.WriteRaw(entry.str());
    }
    writer.EndBlock();
    writer.EndBlock();
}

void Animation::CopyFrom(const Animation& other)
{
    Sprite* target = m_TargetSprite;
    *this = other;
    m_TargetSprite = target;
}

} // namespace Framework
