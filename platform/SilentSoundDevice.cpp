#include "platform/SoundDevice.h"
#include "platform/SoundFileLength.h"

#include <optional>
#include <vector>

namespace Framework
{

namespace
{
// Used with --headless and whenever no sound card answers. It reads each file's length from its header and
// reports a started sound as playing for that long in game time (PassTime), so "play if not playing" and
// the game's bookkeeping behave as with a sound card; nothing is ever heard.
class SilentSoundDevice : public ISoundDevice
{
public:
    bool IsAudible() const override { return false; }
    SoundHandle LoadEffect(const std::string& path) override { return Load(path); }
    SoundHandle LoadMusic(const std::string& path) override { return Load(path); }

    Voice PlayEffect(SoundHandle effect, bool loop) override
    {
        if (!IsHandle(effect))
        {
            return Voice{};
        }
        size_t channel = 0;
        while (channel < m_Channels.size() && IsPlaying(m_Channels[channel]))
        {
            ++channel;
        }
        if (channel == m_Channels.size())
        {
            m_Channels.emplace_back();
        }
        m_Channels[channel] = Start(effect, loop);
        m_Channels[channel].Generation = ++m_LastGeneration;
        return Voice{static_cast<int>(channel), m_LastGeneration};
    }
    bool IsVoicePlaying(const Voice& voice) const override
    {
        int channel = ChannelOf(voice);
        return channel >= 0 && IsPlaying(m_Channels[static_cast<size_t>(channel)]);
    }
    void StopVoice(const Voice& voice) override
    {
        int channel = ChannelOf(voice);
        if (channel >= 0)
        {
            m_Channels[static_cast<size_t>(channel)] = Play{};
        }
    }

    void PlayMusic(SoundHandle music, bool loop) override { m_Music = IsHandle(music) ? Start(music, loop) : Play{}; }
    void SetMusicLoop(bool loop) override
    {
        if (m_Music.Loop && !loop && m_Music.Seconds > 0.0)
        {
            // The pass now heard plays to its end.
            double passes = static_cast<double>(static_cast<long long>((m_Now - m_Music.Start) / m_Music.Seconds));
            m_Music.Start += passes * m_Music.Seconds;
        }
        m_Music.Loop = loop;
    }
    bool IsMusicPlaying() const override { return IsPlaying(m_Music); }
    void StopMusic() override { m_Music = Play{}; }
    void SetMusicVolume(float) override {}
    void SetEffectVolume(float) override {}
    void PassTime(float seconds) override { m_Now += seconds; }

private:
    struct Play
    {
        bool Active = false;
        bool Loop = false;
        double Start = 0.0;
        double Seconds = 0.0;
        uint32_t Generation = 0;
    };

    SoundHandle Load(const std::string& path)
    {
        std::optional<double> seconds = SoundFileSeconds(path);
        if (!seconds)
        {
            return 0;
        }
        m_Lengths.push_back(*seconds);
        return static_cast<SoundHandle>(m_Lengths.size());
    }
    bool IsHandle(SoundHandle handle) const { return handle > 0 && static_cast<size_t>(handle) <= m_Lengths.size(); }
    Play Start(SoundHandle handle, bool loop) const
    {
        return Play{true, loop, m_Now, m_Lengths[static_cast<size_t>(handle - 1)], 0};
    }
    bool IsPlaying(const Play& play) const
    {
        return play.Active && (play.Loop ? play.Seconds > 0.0 : m_Now - play.Start < play.Seconds);
    }
    // The channel still holding that start, or -1.
    int ChannelOf(const Voice& voice) const
    {
        if (voice.Channel < 0 || static_cast<size_t>(voice.Channel) >= m_Channels.size())
        {
            return -1;
        }
        return m_Channels[static_cast<size_t>(voice.Channel)].Generation == voice.Generation ? voice.Channel : -1;
    }

    std::vector<double> m_Lengths; // by handle - 1
    std::vector<Play> m_Channels;
    Play m_Music;
    double m_Now = 0.0; // game time passed, in seconds
    uint32_t m_LastGeneration = 0;
};
} // namespace

std::unique_ptr<ISoundDevice> CreateSilentSoundDevice()
{
    return std::make_unique<SilentSoundDevice>();
}

} // namespace Framework
