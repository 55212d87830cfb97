// Lines one wheel notch moves the string grid.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <climits>
#include <gtest/gtest.h>

TEST(StringGridWheel, LinesPerNotchFollowTheSystemSetting)
{
    struct Case {
        const char *Name;
        int Setting, Visible, Expected;
    } const Cases[] = {
        {"plain lines", 3, 10, 3},
        {"no scrolling", 0, 10, 0},
        {"large line count kept", 50, 10, 50},
        {"page as -1", -1, 12, 12},
        {"page as the largest value", INT_MAX, 7, 7},
        {"page on an empty view", -1, 0, 1},
    };
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(RIraRevadiVizo::WheelLinesFor(C.Setting, C.Visible), C.Expected);
    }
}

TEST(StringGridWheel, WindowCreationTakesTheSystemSetting)
{
    const int Saved = QApplication::wheelScrollLines();
    QApplication::setWheelScrollLines(5);
    RIraRevadiVizo G;
    G.Set_RowCount(30);
    G.resize(200, 200);
    G.CreateWnd();
    EXPECT_EQ(G.WheelScrollLines(), 5);
    QApplication::setWheelScrollLines(Saved);
}
