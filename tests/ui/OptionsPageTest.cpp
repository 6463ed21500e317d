#include "ui/OptionsPage.h"

#include <gtest/gtest.h>

using namespace Framework;

TEST(OptionsPage, OnlySizesThatFitTheDisplayAreOfferedWithTheCurrentOne)
{
    const OptionsPage::Resolutions all = {{1280, 720}, {1366, 768}, {1600, 900}, {1920, 1080}};
    struct Case
    {
        std::pair<unsigned, unsigned> Display;
        std::pair<unsigned, unsigned> Current;
        OptionsPage::Resolutions Offered;
    };
    const Case cases[] = {
        {{1280, 720}, {1280, 720}, {{1280, 720}}},
        {{1280, 720}, {1920, 1080}, {{1280, 720}, {1920, 1080}}},
        {{1600, 900}, {1280, 720}, {{1280, 720}, {1366, 768}, {1600, 900}}},
        {{0, 0}, {1280, 720}, all},
        {{1024, 600}, {800, 600}, {{800, 600}}},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(OptionsPage::FittingResolutions(all, c.Display, c.Current), c.Offered)
            << c.Display.first << "x" << c.Display.second;
    }
}
