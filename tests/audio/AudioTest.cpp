#include "tests/TestSupport.h"
#include "tests/audio/FakeSoundDevice.h"

#include "audio/Audio.h"
#include "engine/Core.h"
#include "engine/WindowSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace Framework;

namespace
{
// Audio over the fake mixer, loading a folder of empty sound files made for the test.
class AudioTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Folder = std::filesystem::temp_directory_path() / ("kibbet-audio-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_Folder);
        auto device = std::make_unique<FakeSoundDevice>();
        fake = device.get();
        audio = std::make_unique<Audio>(nullptr, std::move(device));
    }

    void TearDown() override
    {
        audio.reset();
        std::filesystem::remove_all(m_Folder);
    }

    void MakeFiles(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
        {
            std::ofstream(m_Folder / name) << "x";
        }
    }

    void LoadGameSounds()
    {
        MakeFiles({"BGM_A.mp3", "BGM_B.mp3", "SFX_Jump.wav", "SFX_Hit.wav", "BGM_A.wav", "notes.txt"});
        audio->LoadFolder(m_Folder.string());
    }

    std::filesystem::path m_Folder;
    FakeSoundDevice* fake = nullptr;
    std::unique_ptr<Audio> audio;
};

size_t Count(const std::vector<std::string>& calls, const std::string& call)
{
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
}
} // namespace

TEST_F(AudioTest, FilesBeyondOneHundredAndTwentySevenAreSkippedWithAWarning)
{
    std::vector<std::string> names;
    for (int i = 1000; i < 1130; ++i)
    {
        names.push_back("SFX_" + std::to_string(i).substr(1) + ".wav");
    }
    MakeFiles(names);
    testing::internal::CaptureStderr();
    audio->LoadFolder(m_Folder.string());
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(audio->m_Sounds.size(), 127u);
    EXPECT_EQ(audio->FindSound("SFX_126")->m_Slot, 127);
    EXPECT_EQ(audio->FindSound("SFX_127"), nullptr);
    EXPECT_NE(errors.find("SFX_127.wav is not loaded"), std::string::npos);
    EXPECT_NE(errors.find("SFX_129.wav is not loaded"), std::string::npos);
    EXPECT_EQ(audio->ChannelSlots[0].Channel, -1) << "slot 0 is never used";
}

TEST_F(AudioTest, EffectsStartOnNewChannelsAndTheSlotFollowsTheLastStart)
{
    LoadGameSounds();
    audio->PlaySound("SFX_Jump");
    Voice first = audio->ChannelSlots[4];
    audio->PlaySound("SFX_Jump");
    Voice second = audio->ChannelSlots[4];
    EXPECT_NE(first.Generation, second.Generation) << "a playing sound is started again on another channel";
    EXPECT_TRUE(audio->IsSoundPlaying("SFX_Jump"));
    EXPECT_FALSE(audio->IsSoundPlaying("SFX_Hit"));

    audio->StopSound("SFX_Jump");
    EXPECT_FALSE(audio->IsSoundPlaying("SFX_Jump"));
    EXPECT_TRUE(fake->IsVoicePlaying(first)) << "only the last start is stopped";
    EXPECT_EQ(Count(fake->Calls, "stop effect start " + std::to_string(second.Generation)), 1u);

    // Stopping what no longer plays asks nothing of the mixer.
    size_t calls = fake->Calls.size();
    audio->StopSound("SFX_Jump");
    EXPECT_EQ(fake->Calls.size(), calls);
}

TEST_F(AudioTest, PlaySoundOnceDoesNotRestartASoundThatStillPlays)
{
    LoadGameSounds();
    audio->PlaySoundOnce("SFX_Hit");
    audio->PlaySoundOnce("SFX_Hit");
    audio->PlaySoundOnce("SFX_Hit");
    EXPECT_EQ(Count(fake->Calls, "play effect 3"), 1u);
    fake->FinishEffects();
    audio->PlaySoundOnce("SFX_Hit");
    EXPECT_EQ(Count(fake->Calls, "play effect 3"), 2u);
}

TEST_F(AudioTest, MissingNamesDoNothingAndAreReportedOnce)
{
    LoadGameSounds();
    testing::internal::CaptureStderr();
    audio->PlaySound("SFX_Nowhere");
    audio->PlaySound("SFX_Nowhere");
    audio->StopSound("SFX_Nowhere");
    audio->PlayBGM("SFX_Nowhere");
    EXPECT_FALSE(audio->IsSoundPlaying("SFX_Nowhere"));
    audio->SetLooping("SFX_Nowhere", true);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(fake->Calls.empty());
    EXPECT_EQ(audio->m_CurrentBGM, nullptr);
    size_t first = errors.find("SFX_Nowhere");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(errors.find("SFX_Nowhere", first + 1), std::string::npos);
}

TEST_F(AudioTest, PlayBGMLoopsTheTrackDoesNotRestartItAndStopsThePreviousOneAtOnce)
{
    LoadGameSounds();
    audio->PlayBGM("");
    EXPECT_TRUE(fake->Calls.empty());
    audio->PlayBGM("BGM_A");
    audio->PlayBGM("BGM_A");
    SoundRecord* a = audio->FindSound("BGM_A");
    EXPECT_EQ(audio->m_CurrentBGM, a);
    EXPECT_TRUE(a->m_Playing && a->m_Loop);
    EXPECT_EQ(fake->Calls, (std::vector<std::string>{"play music 1 looping"}))
        << "the current track is not restarted; of BGM_A.mp3 and BGM_A.wav the stream is kept";

    audio->PlayBGM("BGM_B");
    EXPECT_EQ(fake->Calls, (std::vector<std::string>{"play music 1 looping", "stop music", "play music 2 looping"}));
    EXPECT_FALSE(a->m_Playing || a->m_Loop);
    EXPECT_EQ(audio->m_CurrentBGM, audio->FindSound("BGM_B"));

    // An effect can be the background track too; switching away stops its channel.
    audio->PlayBGM("SFX_Hit");
    EXPECT_EQ(fake->Calls.back(), "play effect 3 looping");
    EXPECT_FALSE(fake->MusicPlaying);
    audio->PlayBGM("BGM_A");
    EXPECT_FALSE(audio->IsSoundPlaying("SFX_Hit"));
    EXPECT_TRUE(audio->IsSoundPlaying("BGM_A"));
}

TEST_F(AudioTest, VolumesFollowTheMasterLevelAndMute)
{
    audio->SetMasterVolume(0.5f);
    EXPECT_FLOAT_EQ(audio->MasterVolume, 0.5f);
    EXPECT_FLOAT_EQ(audio->BGMVolume, 0.35f);
    EXPECT_FLOAT_EQ(fake->MusicVolume, 0.175f) << "music at 0.7 v squared";
    EXPECT_FLOAT_EQ(fake->EffectVolume, 0.25f) << "effects at v squared";

    audio->SetMasterVolume(2.0f);
    EXPECT_FLOAT_EQ(audio->MasterVolume, 1.0f);
    EXPECT_FLOAT_EQ(fake->MusicVolume, 1.0f) << "0.7 x 2 is clamped to 1 before the master factor";
    EXPECT_FLOAT_EQ(fake->EffectVolume, 1.0f);
    audio->SetMasterVolume(-1.0f);
    EXPECT_FLOAT_EQ(fake->MusicVolume, 0.0f);

    audio->SetMasterVolume(0.8f);
    audio->SetBGMVolume(0.25f);
    EXPECT_FLOAT_EQ(fake->MusicVolume, 0.2f);
    EXPECT_FLOAT_EQ(fake->EffectVolume, 0.64f) << "the effects keep their level";

    // The options screen's levels 0 to 10.
    audio->SetMasterVolume(7 / 10.0f);
    EXPECT_FLOAT_EQ(fake->EffectVolume, 0.49f);

    // Unmute returns to the level sound had when it was muted.
    audio->SetMasterVolume(0.5f);
    audio->ToggleMute();
    EXPECT_EQ(fake->EffectVolume, 0.0f);
    audio->ToggleMute();
    EXPECT_EQ(audio->MasterVolume, 0.5f);
    EXPECT_FLOAT_EQ(fake->MusicVolume, 0.175f);
    // A level this close to zero counts as muted.
    audio->SetMasterVolume(0.00005f);
    audio->ToggleMute();
    EXPECT_EQ(audio->MasterVolume, 0.5f);
}

TEST_F(AudioTest, TheGameIsSilentWhileAnotherWindowHasTheFocus)
{
    Core core;
    auto owned = std::make_unique<FakeWindow>();
    FakeWindow* window = owned.get();
    WindowSystem windows(&core, "A Kibbet", std::move(owned));
    core.m_Windows = &windows;
    auto device = std::make_unique<FakeSoundDevice>();
    FakeSoundDevice* mixer = device.get();
    Audio system(&core, std::move(device));
    system.SetMasterVolume(0.5f);

    window->Focus = false;
    system.Update(0.017f);
    EXPECT_EQ(mixer->MusicVolume, 0.0f);
    EXPECT_EQ(mixer->EffectVolume, 0.0f);
    EXPECT_EQ(system.BGMVolume, 0.0f);
    EXPECT_EQ(system.MasterVolume, 0.5f) << "the player's level is kept";

    // A level lowering the music must do it every frame: the next focused update restores it.
    window->Focus = true;
    system.SetBGMVolume(0.1f);
    system.Update(0.017f);
    EXPECT_FLOAT_EQ(mixer->MusicVolume, 0.175f);
    EXPECT_FLOAT_EQ(mixer->EffectVolume, 0.25f);
}

// Without a sound card a sound plays for its file's length in game time, so asking every frame to play it
// once starts it again only when it has ended, as with a card.
TEST(AudioWithoutDevice, PlaysEachSoundForItsFileLengthInGameTime)
{
    Audio audio(nullptr, CreateSilentSoundDevice());
    EXPECT_FALSE(audio.IsAudible());
    audio.LoadFolder(SourcePath("tests/data/audio/Audio"));
    audio.LoadFolder(SourcePath("Resources/Audio"));
    struct Case
    {
        const char* Name;
        int FramesPlaying; // the last 17 ms frame after its start that still reports it playing
        int StartsIn30Frames;
    };
    for (const Case& c : {Case{"SFX_Beep", 14, 2}, Case{"SFX_Birds", 470, 1}})
    {
        for (int frame = 0; frame < 30; ++frame)
        {
            audio.PlaySoundOnce(c.Name);
            audio.Update(0.017f);
        }
        EXPECT_EQ(audio.FindSound(c.Name)->m_Starts, c.StartsIn30Frames) << c.Name;
        audio.StopSound(c.Name);
        audio.PlaySound(c.Name);
        for (int frame = 0; frame < c.FramesPlaying; ++frame)
        {
            audio.Update(0.017f);
        }
        EXPECT_TRUE(audio.IsSoundPlaying(c.Name)) << c.Name;
        audio.Update(0.017f);
        EXPECT_FALSE(audio.IsSoundPlaying(c.Name)) << c.Name;
    }

    // The background track loops until it is changed; made to play once it ends with the pass now heard.
    audio.PlayBGM("BGM_Hum");
    for (int frame = 0; frame < 100; ++frame)
    {
        audio.Update(0.017f);
    }
    EXPECT_EQ(audio.PlayingMusicName(), "BGM_Hum") << "still looping after 1.7 s of a 1.57 s track";
    audio.SetLooping("BGM_Hum", false);
    int frames = 0;
    for (; frames < 1000 && audio.IsSoundPlaying("BGM_Hum"); ++frames)
    {
        audio.Update(0.017f);
    }
    EXPECT_EQ(frames, 85) << "the second pass ends at 3.13 s";
    EXPECT_EQ(audio.PlayingMusicName(), "");
    EXPECT_EQ(audio.FindSound("BGM_Hum")->m_Starts, 1);
    EXPECT_EQ(audio.FindSound("NoSuchFile"), nullptr);
}
