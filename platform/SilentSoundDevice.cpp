#include "platform/SoundDevice.h"

namespace Framework
{

namespace
{
// Used with --headless and whenever no sound card answers. Handles are handed out so the Audio system
// keeps its whole bookkeeping (records, current track, marks, volumes); nothing is ever heard.
class SilentSoundDevice : public ISoundDevice
{
public:
    bool IsAudible() const override { return false; }
    SoundHandle LoadEffect(const std::string&) override { return ++m_LastHandle; }
    SoundHandle LoadMusic(const std::string&) override { return ++m_LastHandle; }
    Voice PlayEffect(SoundHandle, bool) override { return Voice{}; }
    bool IsVoicePlaying(const Voice&) const override { return false; }
    void StopVoice(const Voice&) override {}
    void PlayMusic(SoundHandle, bool) override {}
    void SetMusicLoop(bool) override {}
    bool IsMusicPlaying() const override { return false; }
    void StopMusic() override {}
    void SetMusicVolume(float) override {}
    void SetEffectVolume(float) override {}

private:
    SoundHandle m_LastHandle = 0;
};
} // namespace

std::unique_ptr<ISoundDevice> CreateSilentSoundDevice()
{
    return std::make_unique<SilentSoundDevice>();
}

} // namespace Framework
