// Lines one wheel notch moves the grid.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <algorithm>

int RIraRevadiVizo::WheelLinesFor(int SystemSetting, int VisibleRows)
{
    // The system reports "one page per notch" as an out-of-range value.
    constexpr int PageSetting = 10000;
    if (SystemSetting < 0 || SystemSetting >= PageSetting)
        return std::max(1, VisibleRows);
    return SystemSetting;
}

void RIraRevadiVizo::Update_Wheel_Lines()
{
    FWheelScrollLines = WheelLinesFor(QApplication::wheelScrollLines(), VisibleRowCount());
}
