// Checks the shipped sounds in Resources/Audio: every name the game plays exists with the right extension,
// decodes through SDL2_mixer (the dummy driver, as in every test), is audible, does not clip and has a
// sensible length, and all of them fit the audio system's slots. Rendered by tools/build-sound.

#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace
{
const std::string kAudioDir = std::string(KIBBET_SOURCE_DIR) + "/Resources/Audio/";

enum class Kind
{
    Effect,   // one-shot ".wav"
    Ambience, // looping ".wav" bed started by level triggers
    Music,    // ".mp3" background track or sting
};

struct Required
{
    const char* name;
    Kind kind;
    double minSeconds, maxSeconds;
};

// Every sound the code and the level data look up by name.
const Required kRequired[] = {
    {"SFX_Kibbet_Jump", Kind::Effect, 0.05, 2.5},
    {"SFX_Kibbet_Fly", Kind::Effect, 0.05, 2.5},
    {"SFX_Kibbet_Roll", Kind::Effect, 0.05, 2.5},
    {"SFX_Kibbet_Death", Kind::Effect, 0.3, 3.0},
    {"SFX_Beaver_Run_2", Kind::Effect, 0.05, 2.5},
    {"SFX_Collect", Kind::Effect, 0.05, 1.5},
    {"SFX_Checkpoint", Kind::Effect, 0.2, 3.0},
    {"SFX_Menu_Select", Kind::Effect, 0.03, 1.0},
    {"SFX_Menu_Rollover", Kind::Effect, 0.03, 0.5},
    {"SFX_Trap_Close", Kind::Effect, 0.05, 2.0},
    {"SFX_Trap_Open", Kind::Effect, 0.05, 2.0},
    {"SFX_Wasp_Angry", Kind::Effect, 0.1, 2.5},
    {"SFX_Wasp_Death", Kind::Effect, 0.1, 2.5},
    {"SFX_Porcupine", Kind::Effect, 0.1, 2.5},
    // The marsh's frog, dragonfly and crumbling ledge.
    {"SFX_Frog_Croak", Kind::Effect, 0.1, 2.5},
    {"SFX_Dragonfly_Buzz", Kind::Effect, 0.1, 2.5},
    {"SFX_Ledge_Crumble", Kind::Effect, 0.1, 2.5},
    {"SFX_Bear_Attack_VO_01", Kind::Effect, 0.2, 3.0},
    {"SFX_Bear_Attack_VO_02", Kind::Effect, 0.2, 3.0},
    {"SFX_Bear_Attack_Swipe", Kind::Effect, 0.1, 2.0},
    {"SFX_Bear_Angry", Kind::Effect, 0.3, 3.0},
    {"SFX_Bear_Death_VO", Kind::Effect, 0.5, 4.0},
    {"SFX_Waterfall_Loop", Kind::Ambience, 3.0, 15.0},
    {"SFX_Wind", Kind::Ambience, 3.0, 15.0},
    {"SFX_Birds", Kind::Ambience, 3.0, 15.0},
    {"Level_00_Splash", Kind::Music, 8.0, 30.0},
    {"Level_00_Menu", Kind::Music, 45.0, 120.0},
    {"BGM_Meadow", Kind::Music, 45.0, 120.0},
    {"BGM_Forest", Kind::Music, 45.0, 120.0},
    {"BGM_Marsh", Kind::Music, 45.0, 120.0},
    {"BGM_Boss", Kind::Music, 45.0, 120.0},
    {"BGM_Game_Over", Kind::Music, 3.0, 8.0},
    {"BGM_Level_Complete_03", Kind::Music, 3.0, 8.0},
};

std::string PathOf(const Required& sound, bool otherExtension = false)
{
    return kAudioDir + sound.name + ((sound.kind == Kind::Music) != otherExtension ? ".mp3" : ".wav");
}

class SoundAssets : public ::testing::TestWithParam<Required>
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        Mix_Init(MIX_INIT_MP3);
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    }
    static void TearDownTestSuite()
    {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

// Names the case in gtest's output instead of dumping the struct's bytes.
void PrintTo(const Required& sound, std::ostream* out)
{
    *out << sound.name;
}
} // namespace

TEST(SoundFiles, EveryNameExistsWithItsExtensionAndAllFitTheSlots)
{
    for (const Required& sound : kRequired)
    {
        EXPECT_TRUE(std::filesystem::is_regular_file(PathOf(sound))) << PathOf(sound);
        // The other extension would put the sound in the wrong volume group.
        EXPECT_FALSE(std::filesystem::exists(PathOf(sound, true))) << PathOf(sound, true);
    }
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kAudioDir))
    {
        std::string ext = entry.path().extension().string();
        count += (ext == ".wav" || ext == ".mp3") ? 1 : 0;
    }
    EXPECT_GE(count, static_cast<int>(std::size(kRequired)));
    EXPECT_LE(count, 127) << "one slot per file; slot 0 is never used";
}

TEST_P(SoundAssets, DecodesAudiblyWithoutClippingAndWithinItsLength)
{
    const Required& sound = GetParam();
    // Decoded as the game loads chunks (WAV and, in SDL2_mixer 2.6, MP3): interleaved 16-bit stereo at 44.1 kHz.
    Mix_Chunk* chunk = Mix_LoadWAV(PathOf(sound).c_str());
    ASSERT_NE(chunk, nullptr) << PathOf(sound) << ": " << Mix_GetError();
    const auto* pcm = reinterpret_cast<const int16_t*>(chunk->abuf);
    const size_t samples = chunk->alen / sizeof(int16_t);
    double peak = 0.0, sum = 0.0, steps = 0.0;
    for (size_t i = 0; i < samples; ++i)
    {
        const double s = pcm[i] / 32768.0;
        peak = std::max(peak, std::fabs(s));
        sum += s * s;
        steps += i >= 2 ? std::fabs(s - pcm[i - 2] / 32768.0) : 0.0;
    }
    ASSERT_GE(samples, 4u);
    // A looping sound's end joins its start: the jump there is no larger than an ordinary step would be.
    const bool loops = sound.kind == Kind::Ambience || (sound.kind == Kind::Music && sound.minSeconds >= 8.0);
    const double seam = std::max(std::fabs(pcm[samples - 2] - pcm[0]), std::fabs(pcm[samples - 1] - pcm[1])) / 32768.0;
    Mix_FreeChunk(chunk);
    if (loops)
    {
        EXPECT_LT(seam, std::max(0.02, 8.0 * steps / static_cast<double>(samples))) << "a click where the loop wraps";
    }

    const double seconds = static_cast<double>(samples) / 2 / 44100;
    EXPECT_GE(seconds, sound.minSeconds);
    EXPECT_LE(seconds, sound.maxSeconds);
    EXPECT_LT(20.0 * std::log10(std::max(peak, 1e-9)), -1.0) << "peaks stay below -1 dBFS";
    // Music and ambience sit under the effects: the mixer plays music at 0.7 of the effect volume on top of this.
    const double rms = 10.0 * std::log10(std::max(sum / samples, 1e-18));
    const bool bed = sound.kind != Kind::Effect;
    EXPECT_GT(rms, bed ? -26.0 : -22.0) << "audible";
    EXPECT_LT(rms, bed ? -17.0 : -9.0) << (bed ? "under the effects" : "not harsh");
}

INSTANTIATE_TEST_SUITE_P(Shipped, SoundAssets, ::testing::ValuesIn(kRequired),
                         [](const ::testing::TestParamInfo<Required>& param) { return std::string(param.param.name); });
