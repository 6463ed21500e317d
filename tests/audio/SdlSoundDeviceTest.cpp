#include "audio/Audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace Framework;

namespace
{
// Waits up to a few seconds for a condition that real playback makes true.
template <typename Condition> bool WaitFor(Condition condition)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline)
    {
        if (condition())
        {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

const std::string kSounds = std::string(KIBBET_SOURCE_DIR) + "/tests/data/audio/Audio";
} // namespace

// Runs with SDL_AUDIODRIVER=dummy: the mixer really decodes and plays, only no card is reached.
TEST(SdlSound, PlaysRealFilesAndReportsWhenTheyStop)
{
    Audio audio(nullptr, CreateSdlSoundDevice());
    ASSERT_TRUE(audio.IsAudible()) << "SDL_AUDIODRIVER=dummy must be set (CMake sets it for every test)";
    audio.LoadFolder(kSounds);
    ASSERT_NE(audio.FindSound("SFX_Beep"), nullptr);
    EXPECT_NE(audio.FindSound("SFX_Beep")->m_Sound, 0) << "the WAV file loads";
    EXPECT_NE(audio.FindSound("BGM_Hum")->m_Sound, 0) << "the MP3 file opens";

    audio.PlaySound("SFX_Beep");
    EXPECT_TRUE(audio.IsSoundPlaying("SFX_Beep"));
    audio.StopSound("SFX_Beep");
    EXPECT_FALSE(audio.IsSoundPlaying("SFX_Beep"));

    // A quarter-second effect ends by itself.
    audio.PlaySound("SFX_Beep");
    EXPECT_TRUE(audio.IsSoundPlaying("SFX_Beep"));
    EXPECT_TRUE(WaitFor([&] { return !audio.IsSoundPlaying("SFX_Beep"); }));

    audio.PlayBGM("BGM_Hum");
    EXPECT_TRUE(audio.IsSoundPlaying("BGM_Hum"));
    audio.SetMasterVolume(0.5f);
    audio.StopSound("BGM_Hum");
    EXPECT_FALSE(audio.IsSoundPlaying("BGM_Hum"));
}

TEST(SdlSound, UnreadableFilesAndReusedChannelsDoNotConfuseOtherSounds)
{
    auto folder = std::filesystem::temp_directory_path() / ("kibbet-sdl-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(kSounds + "/SFX_Beep.wav", folder / "SFX_A.wav");
    std::filesystem::copy_file(kSounds + "/SFX_Beep.wav", folder / "SFX_B.wav");
    std::ofstream(folder / "SFX_Broken.wav") << "not a sound";
    std::ofstream(folder / "BGM_Broken.mp3") << "not a track";
    std::filesystem::copy_file(kSounds + "/BGM_Hum.mp3", folder / "BGM_Hum.mp3");
    {
        Audio audio(nullptr, CreateSdlSoundDevice());
        EXPECT_TRUE(audio.IsAudible()) << "SDL_AUDIODRIVER=dummy must be set (CMake sets it for every test)";
        testing::internal::CaptureStderr();
        audio.LoadFolder(folder.string());
        std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find("SFX_Broken.wav could not be read"), std::string::npos);
        audio.PlaySound("SFX_Broken");
        EXPECT_FALSE(audio.IsSoundPlaying("SFX_Broken"));

        // A track that cannot be read does not take the music stream from the one that plays.
        audio.PlaySound("BGM_Hum");
        audio.PlaySound("BGM_Broken");
        EXPECT_FALSE(audio.IsSoundPlaying("BGM_Broken"));
        EXPECT_TRUE(audio.IsSoundPlaying("BGM_Hum"));
        audio.StopSound("BGM_Hum");

        audio.PlaySound("SFX_A");
        int channel = audio.ChannelSlots[static_cast<size_t>(audio.FindSound("SFX_A")->m_Slot)].Channel;
        audio.StopSound("SFX_A");
        // The freed channel is the first free one again: B starts there.
        audio.PlaySound("SFX_B");
        EXPECT_EQ(audio.ChannelSlots[static_cast<size_t>(audio.FindSound("SFX_B")->m_Slot)].Channel, channel);
        EXPECT_TRUE(audio.IsSoundPlaying("SFX_B"));
        EXPECT_FALSE(audio.IsSoundPlaying("SFX_A"));
        audio.StopSound("SFX_A");
        EXPECT_TRUE(audio.IsSoundPlaying("SFX_B")) << "stopping A must not cut B";
    }
    std::filesystem::remove_all(folder);
}
