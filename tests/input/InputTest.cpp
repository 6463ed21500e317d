#include "input/Input.h"

#include <gtest/gtest.h>

using namespace Framework;

namespace
{
constexpr int kSpace = 0x20, kRight = 0x27, kControl = 0x11, kEscape = 0x1B;

class InputTest : public ::testing::Test
{
protected:
    InputTest()
    {
        auto owned = std::make_unique<ScriptedKeySource>();
        source = owned.get();
        input = std::make_unique<Input>(nullptr, std::move(owned));
    }
    void Frame() { input->Update(0.017f); }
    void Stick(int x, int y)
    {
        source->Pad.Connected = true;
        source->Pad.ThumbLX = static_cast<int16_t>(x);
        source->Pad.ThumbLY = static_cast<int16_t>(y);
    }
    KeyState Key(int code) { return input->m_Keyboard[code]; }
    KeyState Button(int code) { return input->m_Pad.Buttons[code]; }

    ScriptedKeySource* source = nullptr;
    std::unique_ptr<Input> input;
};
} // namespace

TEST_F(InputTest, AKeyGoesTriggeredThenHeldThenUp)
{
    EXPECT_FALSE(input->IsJumpTriggered()); // starts tracking Space, W and the up arrow
    source->Down = {kSpace};
    Frame();
    EXPECT_EQ(Key(kSpace), 3);
    EXPECT_TRUE(input->IsJumpTriggered());
    EXPECT_TRUE(input->IsJumpHeld());
    Frame();
    Frame();
    EXPECT_EQ(Key(kSpace), 2);
    EXPECT_FALSE(input->IsJumpTriggered());
    EXPECT_TRUE(input->IsJumpHeld());
    source->Down.clear();
    Frame();
    EXPECT_EQ(Key(kSpace), 0);
    EXPECT_FALSE(input->IsJumpHeld());

    // Any key of an action triggers it, also while another of its keys is held.
    source->Down = {'W'};
    Frame();
    Frame();
    source->Down = {'W', kSpace};
    Frame();
    EXPECT_TRUE(input->IsJumpTriggered());
}

TEST_F(InputTest, AnUntrackedKeyIsSeenFromTheNextUpdate)
{
    source->Down = {kRight};
    Frame();
    EXPECT_EQ(input->m_Keyboard.count(kRight), 0u) << "nothing asked for it yet";
    EXPECT_FALSE(input->IsRightHeld());
    Frame();
    EXPECT_TRUE(input->IsRightTriggered()) << "a press before the first query counts as new";
}

TEST_F(InputTest, ActionTableCombinesKeysAndButtons)
{
    input->IsAttackTriggered();
    input->IsSelectTriggered();
    input->IsBackTriggered();
    input->IsPauseTriggered();
    source->Down = {kControl};
    Frame();
    EXPECT_TRUE(input->IsAttackTriggered());
    EXPECT_FALSE(input->IsSelectTriggered());

    source->Down.clear();
    source->Pad.Connected = true;
    source->Pad.Buttons = PadB;
    Frame();
    EXPECT_TRUE(input->IsBackTriggered());
    EXPECT_FALSE(input->IsPauseTriggered()) << "B goes back but does not pause";
    source->Pad.Buttons = PadStart;
    Frame();
    EXPECT_TRUE(input->IsPauseTriggered());
    source->Pad.Buttons = PadA;
    Frame();
    EXPECT_TRUE(input->IsSelectTriggered());
    EXPECT_TRUE(input->IsJumpTriggered());
    EXPECT_TRUE(input->IsAnyButtonTriggered());
    EXPECT_FALSE(input->IsAnyKeyTriggered());
}

TEST_F(InputTest, ResetsClearTheResetListButNotControlOrTheStick)
{
    input->IsAttackTriggered();
    input->IsAnyKeyTriggered();
    source->Down = {kControl, 'M', kEscape};
    Frame();
    EXPECT_TRUE(input->IsAnyKeyTriggered());
    input->ResetKeyboard();
    EXPECT_EQ(Key('M'), 0);
    EXPECT_EQ(Key(kEscape), 0);
    EXPECT_EQ(Key(kControl), 3) << "Control is outside the reset list";
    EXPECT_FALSE(input->IsAnyKeyTriggered());
    EXPECT_TRUE(input->IsAttackTriggered());

    Stick(-20000, 0);
    source->Pad.Buttons = PadLeft;
    Frame();
    EXPECT_EQ(Button(StickLeft), 3);
    input->ResetPad();
    EXPECT_EQ(Button(PadLeft), 0);
    EXPECT_EQ(Button(StickLeft), 3) << "the stick codes keep their states";
}

TEST_F(InputTest, StickFoldsIntoTheDpadPastTheDeadZone)
{
    input->IsLeftHeld();
    Stick(-30000, 0);
    Frame();
    EXPECT_TRUE(Button(StickLeft) == 3 && Button(PadLeft) == 3);
    Frame();
    Frame();
    EXPECT_TRUE(Button(StickLeft) == 2 && Button(PadLeft) == 2);
    EXPECT_TRUE(input->IsLeftHeld());

    Stick(0, 0);
    Frame();
    EXPECT_EQ(Button(StickLeft), 0);
    EXPECT_EQ(Button(PadLeft), 0) << "the d-pad follows the real button again";

    // Without a controller every button reads up, but a stick code is kept until one returns to the dead zone.
    Stick(-30000, 0);
    Frame();
    source->Pad = PadState{};
    Frame();
    EXPECT_EQ(Button(PadLeft), 0);
    EXPECT_EQ(Button(StickLeft), 3);
}

TEST_F(InputTest, DeadZoneEdgesAndDiagonals)
{
    input->IsRightHeld();
    input->IsUpTriggered();
    Stick(7848, -7848);
    Frame();
    EXPECT_EQ(Button(StickRight), 0);
    EXPECT_EQ(Button(StickDown), 0);
    Stick(7849, 0);
    Frame();
    EXPECT_EQ(Button(StickRight), 3);
    EXPECT_TRUE(input->IsRightHeld());

    Stick(0, 0);
    Frame();
    Stick(2000, 8000); // past the dead zone on y, so x = 2000 also counts
    Frame();
    EXPECT_TRUE(input->IsUpTriggered());
    EXPECT_TRUE(input->IsRightTriggered());
}

TEST_F(InputTest, UnfocusedOrDisabledInputChangesNothing)
{
    input->IsRightHeld();
    source->Down = {kRight};
    Frame();
    source->Focus = false;
    source->Down.clear();
    Frame();
    Frame();
    EXPECT_TRUE(input->IsRightHeld()) << "held when focus was lost, held until focus returns";
    source->Focus = true;
    Frame();
    EXPECT_FALSE(input->IsRightHeld());

    input->InputEnabled = false;
    input->ResetKeyboard();
    input->ResetPad();
    source->Down = {kRight, kSpace};
    source->Pad = {true, PadA, 0, 0};
    Frame();
    EXPECT_FALSE(input->IsRightHeld());
    EXPECT_FALSE(input->IsAnyKeyTriggered());
    EXPECT_FALSE(input->IsAnyButtonTriggered());
    input->InputEnabled = true;
    input->ResetKeyboard();
    input->ResetPad();
    Frame();
    EXPECT_EQ(Key(kRight), 3) << "a key held through the sequence is seen as a new press";
    EXPECT_EQ(source->Polls, 6) << "the source is polled every frame, even when ignored";
}
