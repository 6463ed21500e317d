#include "ui/Level_Menu.h"
#include "audio/Audio.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"
#include "tests/ui/UiFixture.h"
#include "ui/OptionsPage.h"

#include <cctype>
#include <cstdio>
#include <fstream>

using namespace Framework;

namespace
{
class MenuTest : public UiTest
{
protected:
    void SetUp() override { StartLevel("Level_00_Menu"); }
    std::string Animation(const std::string& key) { return Find(key)->GetGraphics()->m_Animation.m_Current; }
    // The window size the digit objects spell, "12800720" for 1280 x 720.
    std::string Resolution()
    {
        std::string text;
        for (const char* key : {"ResL1", "ResL2", "ResL3", "ResL4", "ResR1", "ResR2", "ResR3", "ResR4"})
        {
            std::string shown = Animation(key); // "Char_7" -> "7"; blanks and the arrow are not digits
            text += shown.size() == 6 && std::isdigit(static_cast<unsigned char>(shown[5])) ? shown.substr(5) : "";
        }
        return text;
    }
    int LitBars()
    {
        int lit = 0;
        for (int i = 1; i <= 10; ++i)
        {
            lit += Animation("SoundBar" + std::to_string(i)) == "Char_Stick" ? 1 : 0;
        }
        return lit;
    }
    LevelManager& Levels() { return core.m_GameLogic->m_LevelManager; }
};
} // namespace

TEST_F(MenuTest, BeeginStartsTheFirstPlayableLevelInNameOrderWithTheKeysForgotten)
{
    for (const auto& [files, first] :
         {std::pair<std::vector<std::string>, std::string>{Levels().m_LevelFiles, "Level_01"},
          {{"L/Level_00_Load.json", "L/Level_00_Menu.json", "L/Level_02.json", "L/Level_03.json"}, "Level_02"}})
    {
        Levels().ChangeLevel("Level_00_Load");
        Levels().ChangeLevel("Level_00_Menu");
        Levels().m_LevelFiles = files;
        Frame();
        Frame({kEnter});
        EXPECT_EQ(Levels().GetCurrentLevelName(), first);
        EXPECT_EQ(core.m_Input->m_Keyboard[kEnter], 0);
    }
}

TEST_F(MenuTest, ResolutionArrowsCycleTheListAndSelectAppliesIt)
{
    Press({kDown, kDown, kEnter});
    const OptionsPage::Resolutions sizes =
        OptionsPage::ReadResolutions(SourcePath("Resources/Data/SupportedResolutions.json"));
    ASSERT_GE(sizes.size(), 3u);
    EXPECT_EQ(Resolution(), "1280720");
    EXPECT_EQ(Animation("ResR4"), "Char_Arrow") << "the arrow follows the last digit";
    EXPECT_EQ(Animation("ResX"), "Char_X");
    for (size_t step = 1; step <= sizes.size() + 1; ++step)
    {
        Press({step <= sizes.size() ? kRight : kLeft});
        auto [w, h] = sizes[step <= sizes.size() ? step % sizes.size() : sizes.size() - 1];
        EXPECT_EQ(Resolution(), std::to_string(w) + std::to_string(h));
    }
    EXPECT_EQ(core.m_Graphics->m_ResolutionWidth, 1280u); // only select changes the window
    Press({kEnter});
    EXPECT_EQ(core.m_Graphics->m_ResolutionWidth, sizes.back().first);
    EXPECT_EQ(core.m_Graphics->m_ResolutionHeight, sizes.back().second);
}

TEST_F(MenuTest, TenVolumeStepsDownAndUpReturnExactlyToEachLevel)
{
    Press({kDown, kDown, kEnter, kDown});
    for (int level = 9; level >= -1; --level)
    {
        Press({kLeft});
        int expected = level < 0 ? 0 : level;
        EXPECT_EQ(core.m_Audio->MasterVolume, static_cast<float>(expected) / 10.0f);
        EXPECT_EQ(LitBars(), expected);
    }
    for (int level = 1; level <= 11; ++level)
    {
        Press({kRight});
        int expected = level > 10 ? 10 : level;
        // Entering the page again reads back the level it was left at.
        Press({kEscape, kDown, kDown, kEnter, kDown});
        EXPECT_EQ(LitBars(), expected);
        EXPECT_EQ(core.m_Audio->MasterVolume, static_cast<float>(expected) / 10.0f);
    }
}

TEST_F(MenuTest, WithoutResolutionsTheEntryShowsNothingAndIgnoresItsKeys)
{
    Levels().ChangeLevel("Level_00_Load");
    Levels().AddLevel("Level_00_Menu", std::make_unique<Level_Menu>(SourcePath("tests/data/no-such-file.json")));
    Levels().ChangeLevel("Level_00_Menu");
    Press({kDown, kDown, kEnter});
    EXPECT_EQ(Animation("ResL1"), "default");
    EXPECT_EQ(Animation("ResX"), "default");
    Press({kLeft, kRight, kEnter});
    EXPECT_EQ(Animation("ResL1"), "default");
    EXPECT_EQ(core.m_Graphics->m_ResolutionWidth, 1280u);
    EXPECT_EQ(CAMERA.m_Target, Find("OptionsScreen"));
}

TEST(MenuProgram, ReplaysReachOptionsQuitAndTheFirstLevel)
{
    struct Case
    {
        const char* Start; // empty: the start-up screens, skipped by the first key
        const char* Keys;
        const char* Expected;
        int Frames;
    };
    const std::string idle = "F1 K- P0:0:0:0\n";
    for (const Case& c : {Case{"", "20 28 28 0D", "\"menu\":{\"screen\":2,\"selected\":0}", 40},
                          Case{"Level_00_Menu", "26 0D 0D", "\"level\":\"Level_00_Menu\"", 300},
                          Case{"Level_00_Menu", "0D", "\"level\":\"Level_01\"", 10}})
    {
        SCOPED_TRACE(c.Keys);
        std::string path = testing::TempDir() + "/menu.rep";
        std::ofstream replay(path);
        replay << "kibbet-input 1\n" << idle << idle << idle;
        std::istringstream keys(c.Keys);
        int lines = 3;
        for (std::string key; keys >> key; lines += 2)
        {
            replay << "F1 K" << key << " P0:0:0:0\n" << idle;
        }
        replay.close();
        std::string start = *c.Start != '\0' ? std::string(" --level ") + c.Start : std::string();
        RunResult run = RunGame("--headless --fixed-step --resources " + SourcePath("Resources") + start +
                                " --replay " + path + " --frames " + std::to_string(c.Frames) + " --dump-state");
        EXPECT_EQ(run.Status, 0);
        EXPECT_NE(run.Output.find(c.Expected), std::string::npos) << run.Output.substr(0, 300);
        if (c.Frames == 300)
        {
            // "Yes" ends the program in the frame it is chosen, long before the frame limit.
            EXPECT_NE(run.Output.find("\"frame\":" + std::to_string(lines - 1) + ","), std::string::npos)
                << run.Output.substr(0, 100);
        }
    }
}
