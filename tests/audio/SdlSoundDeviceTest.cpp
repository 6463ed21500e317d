#include "audio/Audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace Framework;

// Runs with SDL_AUDIODRIVER=dummy: the mixer really decodes and plays real files, only no card is reached.
TEST(SdlSound, PlaysRealFilesReportsWhenTheyStopAndKeepsBrokenFilesApart)
{
    const std::string sounds = std::string(KIBBET_SOURCE_DIR) + "/tests/data/audio/Audio/";
    auto folder = std::filesystem::temp_directory_path() / ("kibbet-sdl-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(sounds + "SFX_Beep.wav", folder / "SFX_A.wav");
    std::filesystem::copy_file(sounds + "SFX_Beep.wav", folder / "SFX_B.wav");
    std::filesystem::copy_file(sounds + "BGM_Hum.mp3", folder / "BGM_Hum.mp3");
    std::ofstream(folder / "SFX_Broken.wav") << "not a sound";
    std::ofstream(folder / "BGM_Broken.mp3") << "not a track";
    {
        Audio audio(nullptr, CreateSdlSoundDevice());
        ASSERT_TRUE(audio.IsAudible()) << "SDL_AUDIODRIVER=dummy must be set (CMake sets it for every test)";
        testing::internal::CaptureStderr();
        audio.LoadFolder(folder.string());
        std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find("SFX_Broken.wav could not be read"), std::string::npos);
        audio.PlaySound("SFX_Broken");
        EXPECT_FALSE(audio.IsSoundPlaying("SFX_Broken"));

        // A quarter-second effect ends by itself.
        audio.PlaySound("SFX_A");
        EXPECT_TRUE(audio.IsSoundPlaying("SFX_A"));
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (audio.IsSoundPlaying("SFX_A") && std::chrono::steady_clock::now() < deadline)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_FALSE(audio.IsSoundPlaying("SFX_A"));

        // A track that cannot be read does not take the music stream from the one that plays.
        audio.PlayBGM("BGM_Hum");
        audio.PlaySound("BGM_Broken");
        EXPECT_FALSE(audio.IsSoundPlaying("BGM_Broken"));
        EXPECT_TRUE(audio.IsSoundPlaying("BGM_Hum"));
        audio.SetMasterVolume(0.5f);
        audio.StopSound("BGM_Hum");
        EXPECT_FALSE(audio.IsSoundPlaying("BGM_Hum"));

        audio.PlaySound("SFX_A");
        int channel = audio.ChannelSlots[static_cast<size_t>(audio.FindSound("SFX_A")->m_Slot)].Channel;
        audio.StopSound("SFX_A");
        EXPECT_FALSE(audio.IsSoundPlaying("SFX_A"));
        // The freed channel is the first free one again: B starts there.
        audio.PlaySound("SFX_B");
        EXPECT_EQ(audio.ChannelSlots[static_cast<size_t>(audio.FindSound("SFX_B")->m_Slot)].Channel, channel);
        audio.StopSound("SFX_A");
        EXPECT_TRUE(audio.IsSoundPlaying("SFX_B")) << "stopping A must not cut B";
    }
    std::filesystem::remove_all(folder);
}
