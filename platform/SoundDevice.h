#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace Framework
{

// A loaded effect or music track of a sound device; 0 means nothing was loaded.
using SoundHandle = int;

// One start of an effect: the mixer channel it plays on and which start on that channel it was, so a
// channel that has since been given to another sound is not mistaken for this one.
struct Voice
{
    int Channel = -1;
    uint32_t Generation = 0;
};

// What the Audio system needs of a sound library: effects played on channels (any number at once),
// one music stream, a volume for each group, and whether a started sound still plays.
class ISoundDevice
{
public:
    ISoundDevice() = default;
    virtual ~ISoundDevice() = default;
    ISoundDevice(const ISoundDevice&) = delete;
    ISoundDevice& operator=(const ISoundDevice&) = delete;

    // True when sound reaches a speaker; false for the silent device.
    virtual bool IsAudible() const = 0;
    // Loads a whole file as an effect; 0 when it cannot be read.
    virtual SoundHandle LoadEffect(const std::string& path) = 0;
    // Opens a file as a music track, streamed while it plays; 0 when it cannot be read.
    virtual SoundHandle LoadMusic(const std::string& path) = 0;
    // Starts an effect on a free channel, once or looping until stopped; an invalid voice on failure.
    virtual Voice PlayEffect(SoundHandle effect, bool loop) = 0;
    // True while that start of an effect is still playing.
    virtual bool IsVoicePlaying(const Voice& voice) const = 0;
    // Stops that start of an effect if it still plays.
    virtual void StopVoice(const Voice& voice) = 0;
    // Puts a track in the music stream, replacing what played there, once or looping.
    virtual void PlayMusic(SoundHandle music, bool loop) = 0;
    // Changes whether the track in the stream loops, without restarting what is heard.
    virtual void SetMusicLoop(bool loop) = 0;
    // True while the music stream plays.
    virtual bool IsMusicPlaying() const = 0;
    // Stops the music stream.
    virtual void StopMusic() = 0;
    // Volume of the music stream, 0 to 1.
    virtual void SetMusicVolume(float volume) = 0;
    // Volume of every effect channel, 0 to 1.
    virtual void SetEffectVolume(float volume) = 0;
    // Game time passed since the last call; a device that plays nothing measures its sounds by it, a real
    // one ignores it.
    virtual void PassTime(float seconds) { (void)seconds; }
};

// A device that plays nothing: a file loads when its header gives its length, and a started sound reports
// playing for that long in the game time passed to PassTime (a looping one until stopped).
std::unique_ptr<ISoundDevice> CreateSilentSoundDevice();
// The SDL2_mixer device; when no sound device can be opened it logs once and returns a silent one.
std::unique_ptr<ISoundDevice> CreateSdlSoundDevice();

} // namespace Framework
