#include "audio/Audio.h"

#include "data/TextSerializer.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "engine/WindowSystem.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"

#include <algorithm>

namespace Framework
{

namespace
{
// The share of the master volume the music gets.
constexpr float kMusicShare = 0.7f;

float Clamp01(float value)
{
    return std::clamp(value, 0.0f, 1.0f);
}
} // namespace

Audio::Audio(Core* core, std::unique_ptr<ISoundDevice> device) : m_Core(core), m_Device(std::move(device))
{
    if (m_Device == nullptr)
    {
        m_Device = CreateSilentSoundDevice();
    }
}

// The records go first; the device then frees what it loaded and closes.
Audio::~Audio()
{
    m_CurrentBGM = nullptr;
    m_StreamRecord = nullptr;
    m_Sounds.clear();
}

void Audio::Load()
{
    LoadFolder(ResourcePath("Audio"));
}

void Audio::LoadFolder(const std::string& folder)
{
    // Tracks first: a name that exists as both keeps the ".mp3" stream.
    LoadFiles(folder, ".mp3");
    LoadFiles(folder, ".wav");
}

void Audio::LoadFiles(const std::string& folder, const std::string& extension)
{
    bool music = extension == ".mp3";
    for (const std::string& path : ListFilesSorted(folder, extension))
    {
        std::string name = PathParts(path).FileName;
        if (m_Sounds.count(name) != 0)
        {
            continue;
        }
        if (NextChannelSlot > kMaxSounds)
        {
            LogOnce("more than " + std::to_string(kMaxSounds) + " sound files: " + path + " is not loaded");
            continue;
        }
        auto record = std::make_unique<SoundRecord>();
        record->m_IsMusic = music;
        record->m_Slot = NextChannelSlot++;
        record->m_Sound = music ? m_Device->LoadMusic(path) : m_Device->LoadEffect(path);
        if (record->m_Sound == 0)
        {
            // The name stays known (and silent), so callers behave as with a sound that plays.
            LogOnce("sound file " + path + " could not be read");
        }
        m_Sounds[name] = std::move(record);
    }
}

void Audio::Update(float dt)
{
    m_Device->PassTime(dt);
    bool focused = m_Core == nullptr || m_Core->m_Windows == nullptr || m_Core->m_Windows->HasFocus();
    if (focused)
    {
        SetMasterVolume(MasterVolume);
        return;
    }
    // Silent while another window has the focus; the next focused frame restores both groups.
    BGMVolume = 0.0f;
    SFXVolume = 0.0f;
    m_Device->SetMusicVolume(MasterVolume * 0.0f);
    m_Device->SetEffectVolume(MasterVolume * 0.0f);
}

SoundRecord* Audio::FindSound(const std::string& name) const
{
    auto it = m_Sounds.find(name);
    return it == m_Sounds.end() ? nullptr : it->second.get();
}

SoundRecord* Audio::Lookup(const std::string& name) const
{
    SoundRecord* record = FindSound(name);
    if (record == nullptr && !name.empty())
    {
        LogOnce("sound \"" + name + "\" does not exist");
    }
    return record;
}

void Audio::Start(SoundRecord& record)
{
    if (record.m_Sound == 0)
    {
        // A file that could not be read starts nothing and leaves the music stream to what it plays.
        if (!record.m_IsMusic)
        {
            ChannelSlots[static_cast<size_t>(record.m_Slot)] = Voice{};
        }
        return;
    }
    ++record.m_Starts;
    if (record.m_IsMusic)
    {
        // The one stream now holds this track; whatever it played before stops.
        m_Device->PlayMusic(record.m_Sound, record.m_Loop);
        m_StreamRecord = &record;
        return;
    }
    ChannelSlots[static_cast<size_t>(record.m_Slot)] = m_Device->PlayEffect(record.m_Sound, record.m_Loop);
}

bool Audio::IsPlaying(const SoundRecord& record) const
{
    if (record.m_IsMusic)
    {
        return m_StreamRecord == &record && m_Device->IsMusicPlaying();
    }
    return m_Device->IsVoicePlaying(ChannelSlots[static_cast<size_t>(record.m_Slot)]);
}

void Audio::Stop(SoundRecord& record)
{
    if (!IsPlaying(record))
    {
        return;
    }
    if (record.m_IsMusic)
    {
        m_Device->StopMusic();
        m_StreamRecord = nullptr;
        return;
    }
    m_Device->StopVoice(ChannelSlots[static_cast<size_t>(record.m_Slot)]);
}

std::string Audio::PlayingMusicName() const
{
    if (m_StreamRecord == nullptr || !m_Device->IsMusicPlaying())
    {
        return std::string();
    }
    for (const auto& [name, record] : m_Sounds)
    {
        if (record.get() == m_StreamRecord)
        {
            return name;
        }
    }
    return std::string();
}

void Audio::PlaySound(const std::string& name)
{
    if (SoundRecord* record = Lookup(name))
    {
        Start(*record);
    }
}

bool Audio::IsSoundPlaying(const std::string& name) const
{
    SoundRecord* record = Lookup(name);
    return record != nullptr && IsPlaying(*record);
}

void Audio::StopSound(const std::string& name)
{
    if (SoundRecord* record = Lookup(name))
    {
        Stop(*record);
    }
}

void Audio::PlaySoundOnce(const std::string& name)
{
    if (!IsSoundPlaying(name))
    {
        PlaySound(name);
    }
}

void Audio::PlayBGM(const std::string& name)
{
    if (name.empty())
    {
        return;
    }
    SoundRecord* record = Lookup(name);
    if (record == nullptr || record == m_CurrentBGM)
    {
        return;
    }
    if (m_CurrentBGM != nullptr)
    {
        // The old track is cut at once, not left to finish.
        m_CurrentBGM->m_Playing = false;
        m_CurrentBGM->m_Loop = false;
        Stop(*m_CurrentBGM);
    }
    m_CurrentBGM = record;
    record->m_Loop = true;
    if (!record->m_Playing)
    {
        Start(*record);
        record->m_Playing = true;
        return;
    }
    record->m_Playing = false;
    if (m_StreamRecord == record)
    {
        m_Device->SetMusicLoop(true);
    }
}

void Audio::SetLooping(const std::string& name, bool loop)
{
    SoundRecord* record = Lookup(name);
    if (record == nullptr)
    {
        return;
    }
    record->m_Loop = loop;
    if (record->m_IsMusic && m_StreamRecord == record)
    {
        m_Device->SetMusicLoop(loop);
    }
}

void Audio::SetMasterVolume(float volume)
{
    MasterVolume = Clamp01(volume);
    BGMVolume = Clamp01(kMusicShare * volume);
    m_Device->SetMusicVolume(BGMVolume * MasterVolume * m_MusicFactor);
    SFXVolume = Clamp01(volume);
    m_Device->SetEffectVolume(SFXVolume * MasterVolume);
}

void Audio::SetBGMVolume(float volume)
{
    BGMVolume = Clamp01(volume);
    m_Device->SetMusicVolume(MasterVolume * BGMVolume * m_MusicFactor);
}

void Audio::SetMusicFactor(float factor)
{
    m_MusicFactor = Clamp01(factor);
    m_Device->SetMusicVolume(MasterVolume * BGMVolume * m_MusicFactor);
}

void Audio::ToggleMute()
{
    if (MasterVolume > -0.0001f && MasterVolume < 0.0001f)
    {
        SetMasterVolume(UnmuteVolume > 0.0001f ? UnmuteVolume : 1.0f);
    }
    else
    {
        UnmuteVolume = MasterVolume;
        SetMasterVolume(0.0f);
    }
}

void PlaySoundOnce(const std::string& name)
{
    if (CORE != nullptr && CORE->m_Audio != nullptr)
    {
        CORE->m_Audio->PlaySoundOnce(name);
    }
}

} // namespace Framework
