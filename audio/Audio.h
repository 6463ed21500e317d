#pragma once

#include "engine/ISystem.h"
#include "platform/SoundDevice.h"

#include <array>
#include <memory>
#include <string>
#include <unordered_map>

namespace Framework
{

// One sound file, loaded once at start-up and kept until shutdown.
struct SoundRecord
{
    SoundHandle m_Sound = 0; // the device's effect or track; 0 when the file could not be read
    int m_Slot = 0;          // index into Audio::ChannelSlots, from 1
    bool m_Playing = false;  // the playing mark: set while the record is the looping current track
    bool m_IsMusic = false;  // an ".mp3" track, streamed through the one music stream
    bool m_Loop = false;     // whether the sound loops when it plays
    int m_Starts = 0;        // how often it was started since the program began
};

// Loads every sound of "Audio/" at start-up and plays them by file name without extension: ".wav" files
// are effects, ".mp3" files streamed music. Keeps one current background track and the player's volume.
// Without a sound device everything but the sound itself goes on: records, marks, current track and
// volumes are kept, and a started sound reports playing for its file's length in game time.
class Audio : public ISystem
{
public:
    // The device plays the sounds; the system owns it. The default plays nothing.
    explicit Audio(Core* core, std::unique_ptr<ISoundDevice> device = CreateSilentSoundDevice());
    ~Audio() override;

    // Loads the ".mp3" files of "Audio/", then its ".wav" files.
    void Load() override;
    // With the game window focused re-applies the volumes; otherwise silences both groups.
    void Update(float dt) override;
    std::string GetName() const override { return "Audio"; }
    Core* GetCore() const override { return m_Core; }

    // Loads the ".mp3" and then the ".wav" files of a folder; a name already known keeps its first file.
    void LoadFolder(const std::string& folder);
    // Starts the named sound again, on a free channel (an effect) or in the music stream (a track).
    void PlaySound(const std::string& name);
    // True while the named sound's last start still plays; false for a name that is not loaded.
    bool IsSoundPlaying(const std::string& name) const;
    // Stops the named sound's last start if it still plays.
    void StopSound(const std::string& name);
    // Starts the named sound only if it is not playing already, so asking every frame plays it once.
    void PlaySoundOnce(const std::string& name);
    // Makes the named sound the looping background track; the current one is not restarted.
    void PlayBGM(const std::string& name);
    // Sets whether the named sound loops; a playing music track changes at once (game over plays once).
    void SetLooping(const std::string& name, bool loop);
    // Master volume 0 to 1: music plays at 0.7 v squared, effects at v squared.
    void SetMasterVolume(float volume);
    // Music level before the master factor, 0 to 1.
    void SetBGMVolume(float volume);
    // A passing factor 0 to 1 on the music (a fade-in, a duck behind a menu) that the per-frame volume
    // refresh keeps; a level start sets it back to 1.
    void SetMusicFactor(float factor);
    // The passing music factor, 0 to 1.
    float GetMusicFactor() const { return m_MusicFactor; }
    // Drops the passing music factor.
    void ResetForLevel() override { SetMusicFactor(1.0f); }
    // Silences the game, or from silence returns to the level it had before (UnmuteVolume).
    void ToggleMute();
    // The record of a loaded sound, or null.
    SoundRecord* FindSound(const std::string& name) const;
    // True when sound reaches a speaker.
    bool IsAudible() const { return m_Device->IsAudible(); }
    // The name of the track the music stream plays now, or empty.
    std::string PlayingMusicName() const;

    // The most sound files loaded; slot 0 stays unused.
    static constexpr int kMaxSounds = 127;

    std::unordered_map<std::string, std::unique_ptr<SoundRecord>> m_Sounds;
    SoundRecord* m_CurrentBGM = nullptr;
    // The effect start each record made last, by slot. A track's slot is not used: a track plays in
    // the music stream, and is playing only while it is the record in the stream.
    std::array<Voice, kMaxSounds + 1> ChannelSlots{};
    int NextChannelSlot = 1;
    float MasterVolume = 1.0f;
    // The master volume ToggleMute turns sound back on at: the level it had when muted.
    float UnmuteVolume = 1.0f;
    float BGMVolume = 1.0f;
    float SFXVolume = 1.0f;

private:
    // Finds a record, logging a missing name once.
    SoundRecord* Lookup(const std::string& name) const;
    void Start(SoundRecord& record);
    bool IsPlaying(const SoundRecord& record) const;
    void Stop(SoundRecord& record);
    void LoadFiles(const std::string& folder, const std::string& extension);

    Core* m_Core;
    std::unique_ptr<ISoundDevice> m_Device;
    // The record whose track the music stream holds, or null once it was stopped.
    SoundRecord* m_StreamRecord = nullptr;
    float m_MusicFactor = 1.0f;
};

// Plays the named sound through the game's Audio system unless it is already playing.
void PlaySoundOnce(const std::string& name);

} // namespace Framework
