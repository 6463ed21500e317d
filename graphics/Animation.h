#pragma once

#include "graphics/ResourceTypes.h"

#include <map>
#include <string>
#include <vector>

namespace Framework
{

struct Sprite;
class FieldList;
class TextSerializer;
class TextWriter;

// Named lists of atlas frames, one of them current; advancing switches the target sprite's UVs.
// Animations whose name contains "Left" show their frames mirrored left to right.
class Animation
{
public:
    // Starts an animation from its first frame without looping; playing the current one again does nothing,
    // and an empty name restarts the default animation unless something is playing.
    void Play(const std::string& name);
    // Shows one frame of an animation and holds it (a ghost replays poses this way); an unknown animation or
    // frame changes nothing.
    void ShowFrameOf(const std::string& name, unsigned frame);
    // Makes the animation the default one, then plays it.
    void PlayAsDefault(const std::string& name);
    // Adds or replaces an animation at run time; the first one added to an animation without default
    // becomes the default and current one.
    void AddAnimation(const std::string& name, const std::vector<UVRect>& frames);
    // The per-frame step; the Graphics system calls it only for sprites that are drawn.
    void AdvanceAnimation(float dt);
    // Lists the fields of the "m_pAnimation" block (data/FieldList.h).
    void DescribeFields(FieldList& fields);
    // Reads the "m_pAnimation" block and resolves its frames against the atlas table.
    void Serialize(TextSerializer& reader);
    // Writes the "m_pAnimation" block.
    void Write(TextWriter& writer) const;
    // Resolves the frame names of m_UVmap against the atlas table into m_Frames.
    void BuildFrames();
    // Copies everything except the target sprite, which stays the copy's own.
    void CopyFrom(const Animation& other);

    bool m_IsPlaying = false;
    bool m_Loop = false;
    bool m_Finished = true;
    float m_Timer = 0.0f;
    float m_Speed = 0.0f;
    std::string m_Current = "default";
    unsigned m_Frame = 0;
    std::string m_DefaultName = "default";
    Sprite* m_TargetSprite = nullptr;
    std::map<std::string, std::vector<std::string>> m_UVmap;
    std::map<std::string, std::vector<UVRect>> m_Frames;

private:
    void ShowFrame(const std::vector<UVRect>& frames, unsigned index);
};

} // namespace Framework
