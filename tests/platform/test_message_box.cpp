#include "platform/MessageBox.h"
#include "platform/Clock.h"
#include <gtest/gtest.h>

TEST(MessageBox, FakeRecordsAndAnswers)
{
    TFakeMessageBoxes Fake;
    TMessageBoxGuard Guard(&Fake);
    Fake.Answers = {TMsgResult::mrNo};
    Msg_Error("bad");
    EXPECT_FALSE(Msg_Yes_No("sure?"));
    EXPECT_TRUE(Msg_Yes_No("again?"));
    EXPECT_EQ(Msg_Yes_No_Cancel("save?"), TMsgResult::mrYes);
    ASSERT_EQ(Fake.Shown.size(), 4);
    EXPECT_EQ(Fake.Shown[0].Kind, TMsgKind::mkError);
    EXPECT_EQ(Fake.Shown[0].Buttons, TMsgButtons::mbOK);
    EXPECT_EQ(Fake.Shown[3].Buttons, TMsgButtons::mbYesNoCancel);
    EXPECT_EQ(Fake.Texts(), (QStringList{"bad", "sure?", "again?", "save?"}));
}

TEST(Clock, DrivenClockWrapsAt32Bits)
{
    TDrivenClock C;
    TClockGuard Guard(&C);
    C.Ticks = 0xFFFFFFF0u;
    const std::uint32_t Start = Tick_Count();
    C.Advance(0x20);
    EXPECT_EQ(Tick_Count() - Start, 0x20u);
}
