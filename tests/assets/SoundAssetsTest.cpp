// Checks the shipped sounds in Resources/Audio: every name the game plays exists with the right extension,
// decodes through SDL2_mixer (the dummy driver, as in every test), is audible, does not clip, has a
// sensible length, and the looping ones join end to start without a jump. Rendered by tools/build-sound.

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
constexpr int kRate = 44100;
constexpr int kChannels = 2;

enum class Kind
{
    Effect,   // one-shot ".wav"
    Ambience, // looping ".wav" bed started by level triggers
    Song,     // looping ".mp3" background track
    Sting,    // ".mp3" played once
};

struct Required
{
    const char* name;
    Kind kind;
    double minSeconds;
    double maxSeconds;
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
    {"SFX_Bear_Attack_VO_01", Kind::Effect, 0.2, 3.0},
    {"SFX_Bear_Attack_VO_02", Kind::Effect, 0.2, 3.0},
    {"SFX_Bear_Attack_Swipe", Kind::Effect, 0.1, 2.0},
    {"SFX_Bear_Angry", Kind::Effect, 0.3, 3.0},
    {"SFX_Bear_Death_VO", Kind::Effect, 0.5, 4.0},
    {"SFX_Waterfall_Loop", Kind::Ambience, 3.0, 15.0},
    {"SFX_Wind", Kind::Ambience, 3.0, 15.0},
    {"SFX_Birds", Kind::Ambience, 3.0, 15.0},
    {"Level_00_Splash", Kind::Song, 8.0, 30.0},
    {"Level_00_Menu", Kind::Song, 45.0, 120.0},
    {"BGM_Meadow", Kind::Song, 45.0, 120.0},
    {"BGM_Forest", Kind::Song, 45.0, 120.0},
    {"BGM_Boss", Kind::Song, 45.0, 120.0},
    {"BGM_Game_Over", Kind::Sting, 3.0, 8.0},
    {"BGM_Level_Complete_03", Kind::Sting, 3.0, 8.0},
};

bool IsMusic(Kind kind)
{
    return kind == Kind::Song || kind == Kind::Sting;
}

std::string PathOf(const Required& sound)
{
    return kAudioDir + sound.name + (IsMusic(sound.kind) ? ".mp3" : ".wav");
}

double ToDb(double amplitude)
{
    return 20.0 * std::log10(std::max(amplitude, 1e-9));
}

// A sound as the mixer plays it: interleaved stereo at 44.1 kHz, full scale 1.0.
struct Decoded
{
    std::vector<float> samples;

    size_t Frames() const { return samples.size() / kChannels; }
    double Seconds() const { return static_cast<double>(Frames()) / kRate; }
    double Sample(size_t frame, int channel) const { return samples[frame * kChannels + channel]; }

    double PeakDb() const
    {
        float peak = 0.0f;
        for (float s : samples)
        {
            peak = std::max(peak, std::fabs(s));
        }
        return ToDb(peak);
    }

    double RmsDb(size_t firstFrame = 0, size_t frameCount = SIZE_MAX) const
    {
        size_t end = std::min(Frames(), firstFrame + std::min(frameCount, Frames()));
        double sum = 0.0;
        for (size_t i = firstFrame * kChannels; i < end * kChannels; ++i)
        {
            sum += static_cast<double>(samples[i]) * samples[i];
        }
        size_t n = (end - firstFrame) * kChannels;
        return n ? 10.0 * std::log10(std::max(sum / n, 1e-18)) : -180.0;
    }

    // The largest change between neighbouring frames on either channel, from frame i to i + 1.
    double Step(size_t from, size_t to) const
    {
        return std::max(std::fabs(Sample(to, 0) - Sample(from, 0)), std::fabs(Sample(to, 1) - Sample(from, 1)));
    }

    // The step size that only a tenth of a percent of the steps inside the sound exceed.
    double BusyStep() const
    {
        std::vector<double> steps;
        steps.reserve(Frames());
        for (size_t i = 0; i + 1 < Frames(); ++i)
        {
            steps.push_back(Step(i, i + 1));
        }
        size_t k = steps.size() * 999 / 1000;
        std::nth_element(steps.begin(), steps.begin() + k, steps.end());
        return steps[k];
    }
};

class SoundAssets : public ::testing::TestWithParam<Required>
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        Mix_Init(MIX_INIT_MP3);
        ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, 1024), 0) << Mix_GetError();
    }

    static void TearDownTestSuite()
    {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    // Decodes through the same loader the game uses for chunks (WAV and, in SDL2_mixer 2.6, MP3).
    static bool Decode(const std::string& path, Decoded& out)
    {
        int rate = 0;
        int channels = 0;
        Uint16 format = 0;
        if (!Mix_QuerySpec(&rate, &format, &channels) || rate != kRate || channels != kChannels ||
            format != AUDIO_S16SYS)
        {
            return false;
        }
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (!chunk)
        {
            return false;
        }
        const auto* pcm = reinterpret_cast<const int16_t*>(chunk->abuf);
        out.samples.resize(chunk->alen / sizeof(int16_t));
        for (size_t i = 0; i < out.samples.size(); ++i)
        {
            out.samples[i] = pcm[i] / 32768.0f;
        }
        Mix_FreeChunk(chunk);
        return true;
    }
};

// Names the case in gtest's output instead of dumping the struct's bytes.
void PrintTo(const Required& sound, std::ostream* out)
{
    *out << sound.name;
}

std::string ParamName(const ::testing::TestParamInfo<Required>& info)
{
    return info.param.name;
}
} // namespace

TEST(SoundFiles, EveryNameThePlayLooksUpExistsWithItsExtension)
{
    for (const Required& sound : kRequired)
    {
        EXPECT_TRUE(std::filesystem::is_regular_file(PathOf(sound))) << PathOf(sound);
        // The other extension would put the sound in the wrong volume group.
        std::string other = kAudioDir + sound.name + (IsMusic(sound.kind) ? ".wav" : ".mp3");
        EXPECT_FALSE(std::filesystem::exists(other)) << other;
    }
}

TEST(SoundFiles, FitTheAudioSystemsSlots)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kAudioDir))
    {
        std::string ext = entry.path().extension().string();
        count += (ext == ".wav" || ext == ".mp3") ? 1 : 0;
    }
    EXPECT_GE(count, static_cast<int>(std::size(kRequired)));
    EXPECT_LE(count, 127) << "one slot per file; slot 0 is never used";
}

TEST(SoundFiles, EffectsAreStoredAs16BitAt44100Hz)
{
    for (const Required& sound : kRequired)
    {
        if (IsMusic(sound.kind))
        {
            continue;
        }
        SDL_AudioSpec wavFormat{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(PathOf(sound).c_str(), &wavFormat, &buffer, &length), nullptr) << sound.name;
        EXPECT_EQ(wavFormat.freq, kRate) << sound.name;
        EXPECT_EQ(wavFormat.format, AUDIO_S16LSB) << sound.name;
        SDL_FreeWAV(buffer);
    }
}

TEST_P(SoundAssets, DecodesAudiblyWithoutClippingAndWithinItsLength)
{
    const Required& sound = GetParam();
    Decoded decoded;
    ASSERT_TRUE(Decode(PathOf(sound), decoded)) << PathOf(sound) << ": " << Mix_GetError();

    EXPECT_GE(decoded.Seconds(), sound.minSeconds);
    EXPECT_LE(decoded.Seconds(), sound.maxSeconds);
    EXPECT_LT(decoded.PeakDb(), -1.0) << "peaks stay below -1 dBFS";

    // Music sits under the effects: the mixer plays music at 0.7 of the effect volume on top of this.
    double rms = decoded.RmsDb();
    if (IsMusic(sound.kind) || sound.kind == Kind::Ambience)
    {
        EXPECT_GT(rms, -26.0) << "audible";
        EXPECT_LT(rms, -17.0) << "under the effects";
    }
    else
    {
        EXPECT_GT(rms, -22.0) << "audible";
        EXPECT_LT(rms, -9.0) << "not harsh";
    }
}

TEST_P(SoundAssets, JoinsItsStartOrEndsInSilence)
{
    const Required& sound = GetParam();
    Decoded decoded;
    ASSERT_TRUE(Decode(PathOf(sound), decoded)) << PathOf(sound);
    ASSERT_GT(decoded.Frames(), 2u);
    size_t last = decoded.Frames() - 1;

    if (sound.kind == Kind::Effect || sound.kind == Kind::Sting)
    {
        // Played once: starts and stops at rest.
        EXPECT_LT(std::fabs(decoded.Sample(0, 0)), 0.01);
        EXPECT_LT(std::fabs(decoded.Sample(last, 0)), 0.01);
        EXPECT_LT(std::fabs(decoded.Sample(last, 1)), 0.01);
        return;
    }
    // Looping: going from the last frame back to the first is an ordinary step, not a click.
    EXPECT_LE(decoded.Step(last, 0), decoded.BusyStep()) << "seam at the loop point";
    if (sound.kind == Kind::Song)
    {
        EXPECT_GT(decoded.RmsDb(last - kRate / 20, kRate / 20) - decoded.RmsDb(0, kRate / 20), -40.0)
            << "the loop does not fade out before it starts again";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, SoundAssets, ::testing::ValuesIn(kRequired), ParamName);
