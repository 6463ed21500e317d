#include "platform/Log.h"
#include "platform/SoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <vector>

namespace Framework
{

namespace
{
// Mixer channels for effects. The game keeps at most 127 sounds, each remembering the channel it last
// started on; twice that many channels means a sound played again while its last start still runs
// finds a free channel instead of failing.
constexpr int kEffectChannels = 256;

int MixerVolume(float volume)
{
    if (!(volume > 0.0f))
    {
        return 0;
    }
    if (volume >= 1.0f)
    {
        return MIX_MAX_VOLUME;
    }
    return static_cast<int>(std::lround(volume * MIX_MAX_VOLUME));
}

// SDL2_mixer has one music stream: every ".mp3" track plays there, so starting one replaces another.
// Effects are whole samples mixed on channels. The two groups of the game are the music volume and the
// volume of every effect channel.
class SdlSoundDevice : public ISoundDevice
{
public:
    SdlSoundDevice()
    {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        {
            m_Error = SDL_GetError();
            return;
        }
        m_AudioStarted = true;
        // MP3 may be built into the mixer; a failure here shows later as a track that does not load.
        Mix_Init(MIX_INIT_MP3);
        m_MixerStarted = true;
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0)
        {
            m_Error = Mix_GetError();
            return;
        }
        m_Open = true;
        Mix_AllocateChannels(kEffectChannels);
        m_Generations.assign(kEffectChannels, 0);
    }

    ~SdlSoundDevice() override
    {
        if (m_Open)
        {
            Mix_HaltChannel(-1);
            Mix_HaltMusic();
            for (Mix_Chunk* chunk : m_Effects)
            {
                Mix_FreeChunk(chunk);
            }
            for (Mix_Music* music : m_Music)
            {
                Mix_FreeMusic(music);
            }
            Mix_CloseAudio();
        }
        if (m_MixerStarted)
        {
            Mix_Quit();
        }
        if (m_AudioStarted)
        {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }

    bool IsOpen() const { return m_Open; }
    const std::string& Error() const { return m_Error; }

    bool IsAudible() const override { return m_Open; }

    SoundHandle LoadEffect(const std::string& path) override
    {
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (chunk == nullptr)
        {
            return 0;
        }
        m_Effects.push_back(chunk);
        return static_cast<SoundHandle>(m_Effects.size());
    }

    SoundHandle LoadMusic(const std::string& path) override
    {
        Mix_Music* music = Mix_LoadMUS(path.c_str());
        if (music == nullptr)
        {
            return 0;
        }
        m_Music.push_back(music);
        return static_cast<SoundHandle>(m_Music.size());
    }

    Voice PlayEffect(SoundHandle effect, bool loop) override
    {
        if (effect <= 0 || effect > static_cast<SoundHandle>(m_Effects.size()))
        {
            return Voice{};
        }
        int channel = Mix_PlayChannel(-1, m_Effects[static_cast<size_t>(effect - 1)], loop ? -1 : 0);
        if (channel < 0 || channel >= kEffectChannels)
        {
            LogOnce("every sound channel is busy: an effect was not played");
            return Voice{};
        }
        return Voice{channel, ++m_Generations[static_cast<size_t>(channel)]};
    }

    bool IsVoicePlaying(const Voice& voice) const override
    {
        return IsCurrent(voice) && Mix_Playing(voice.Channel) != 0;
    }

    void StopVoice(const Voice& voice) override
    {
        if (IsVoicePlaying(voice))
        {
            Mix_HaltChannel(voice.Channel);
        }
    }

    void PlayMusic(SoundHandle music, bool loop) override
    {
        if (music <= 0 || music > static_cast<SoundHandle>(m_Music.size()))
        {
            return;
        }
        m_CurrentMusic = m_Music[static_cast<size_t>(music - 1)];
        m_MusicLoops = loop;
        Mix_PlayMusic(m_CurrentMusic, loop ? -1 : 1);
    }

    void SetMusicLoop(bool loop) override
    {
        if (loop == m_MusicLoops || m_CurrentMusic == nullptr)
        {
            return;
        }
        m_MusicLoops = loop;
        if (Mix_PlayingMusic() == 0)
        {
            return;
        }
        // The mixer fixes the number of passes when a track starts; start it again with the new count
        // from where it is, so the listener hears no jump.
        double position = Mix_GetMusicPosition(m_CurrentMusic);
        Mix_PlayMusic(m_CurrentMusic, loop ? -1 : 1);
        if (position > 0.0)
        {
            Mix_SetMusicPosition(position);
        }
    }

    bool IsMusicPlaying() const override { return m_Open && Mix_PlayingMusic() != 0; }

    void StopMusic() override
    {
        if (m_Open)
        {
            Mix_HaltMusic();
        }
    }

    void SetMusicVolume(float volume) override
    {
        if (m_Open)
        {
            Mix_VolumeMusic(MixerVolume(volume));
        }
    }

    void SetEffectVolume(float volume) override
    {
        if (m_Open)
        {
            Mix_Volume(-1, MixerVolume(volume));
        }
    }

private:
    bool IsCurrent(const Voice& voice) const
    {
        return m_Open && voice.Channel >= 0 && voice.Channel < kEffectChannels &&
               m_Generations[static_cast<size_t>(voice.Channel)] == voice.Generation;
    }

    bool m_AudioStarted = false;
    bool m_MixerStarted = false;
    bool m_Open = false;
    std::string m_Error;
    std::vector<Mix_Chunk*> m_Effects;
    std::vector<Mix_Music*> m_Music;
    std::vector<uint32_t> m_Generations;
    Mix_Music* m_CurrentMusic = nullptr;
    bool m_MusicLoops = false;
};
} // namespace

std::unique_ptr<ISoundDevice> CreateSdlSoundDevice()
{
    auto device = std::make_unique<SdlSoundDevice>();
    if (device->IsOpen())
    {
        return device;
    }
    Log("no sound device (" + device->Error() + "): the game runs silently");
    device.reset();
    return CreateSilentSoundDevice();
}

} // namespace Framework
