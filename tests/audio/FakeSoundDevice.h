#pragma once

#include "platform/SoundDevice.h"

#include <map>
#include <string>
#include <vector>

namespace Framework
{

// A mixer stand-in that remembers what it was asked: loaded files, every start and stop, the music
// stream and both volumes. Effects play until the test finishes them or they are stopped.
class FakeSoundDevice : public ISoundDevice
{
public:
    bool IsAudible() const override { return true; }
    SoundHandle LoadEffect(const std::string& path) override { return Load("effect " + path); }
    SoundHandle LoadMusic(const std::string& path) override { return Load("music " + path); }
    Voice PlayEffect(SoundHandle effect, bool loop) override
    {
        Calls.push_back("play effect " + std::to_string(effect) + (loop ? " looping" : ""));
        Voice voice{static_cast<int>(m_Playing.size() % 4), static_cast<uint32_t>(m_Playing.size() + 1)};
        m_Playing[voice.Generation] = true;
        return voice;
    }
    bool IsVoicePlaying(const Voice& voice) const override
    {
        auto it = m_Playing.find(voice.Generation);
        return it != m_Playing.end() && it->second;
    }
    void StopVoice(const Voice& voice) override
    {
        Calls.push_back("stop effect start " + std::to_string(voice.Generation));
        m_Playing[voice.Generation] = false;
    }
    void PlayMusic(SoundHandle music, bool loop) override
    {
        Calls.push_back("play music " + std::to_string(music) + (loop ? " looping" : ""));
        MusicPlaying = true;
    }
    void SetMusicLoop(bool loop) override { Calls.push_back(loop ? "music loops" : "music plays once"); }
    bool IsMusicPlaying() const override { return MusicPlaying; }
    void StopMusic() override
    {
        Calls.push_back("stop music");
        MusicPlaying = false;
    }
    void SetMusicVolume(float volume) override { MusicVolume = volume; }
    void SetEffectVolume(float volume) override { EffectVolume = volume; }

    // Every effect start still playing comes to its end.
    void FinishEffects()
    {
        for (auto& entry : m_Playing)
        {
            entry.second = false;
        }
    }

    std::vector<std::string> Loaded;
    std::vector<std::string> Calls;
    bool MusicPlaying = false;
    float MusicVolume = -1.0f;
    float EffectVolume = -1.0f;

private:
    SoundHandle Load(const std::string& what)
    {
        Loaded.push_back(what);
        return static_cast<SoundHandle>(Loaded.size());
    }
    std::map<uint32_t, bool> m_Playing; // by start number
};

} // namespace Framework
