#include "input/Bindings.h"

#include <gtest/gtest.h>

using namespace Framework;

TEST(Bindings, ATakenKeyLeavesItsActionWhichGetsTheTakersFormerKeyWhenLeftWithNone)
{
    struct Case
    {
        const char* What;
        Action Taker;
        int32_t Key;
        ActionBinding Taker_;
        ActionBinding Loser;
        Action LoserAction;
    };
    const Case cases[] = {
        {"a free key", Action::Jump, 'J', {{'J'}, {0x1000}}, {{'M', 'S', 0x11}, {0x4000}}, Action::Roll},
        {"one of several", Action::Jump, 'S', {{'S'}, {0x1000}}, {{'M', 0x11}, {0x4000}}, Action::Roll},
        {"an only key", Action::Left, 0x1B, {{0x1B}, {0x0004}}, {{0x25}, {0x0010}}, Action::Pause},
    };
    for (const Case& c : cases)
    {
        Bindings bindings = Bindings::Defaults();
        bindings.BindKey(c.Taker, c.Key);
        EXPECT_EQ(bindings.Of(c.Taker), c.Taker_) << c.What;
        EXPECT_EQ(bindings.Of(c.LoserAction), c.Loser) << c.What;
    }
    Bindings buttons = Bindings::Defaults();
    buttons.BindButton(Action::Roll, 0x1000);
    EXPECT_EQ(buttons.Of(Action::Roll).Buttons, std::vector<int32_t>{0x1000});
    EXPECT_EQ(buttons.Of(Action::Jump).Buttons, std::vector<int32_t>{0x4000});
}
