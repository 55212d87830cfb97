#include "grid/print/GridPrintDevice.h"
#include "platform/Printer.h"
#include <QPainter>
#include <gtest/gtest.h>

// The printable page in 0.1 mm follows the printer's dots and resolution;
// halves round to the even unit.
TEST(GridPrintDevice, PageAreaInTenthsOfAMillimetre)
{
    struct TCase
    {
        const char *Name;
        int Dpi_X, Dpi_Y;
        QMargins Margins;
        TRect Area;
    };
    const TCase Cases[] = {
        // A4 at 96 dpi: 794 x 1123 dots
        {"A4At96", 96, 96, {}, TRect(0, 0, 2101, 2971)},
        // 508 dpi makes a dot half a unit: 4199 and 4197 dots wide end in .5
        {"HalfUpToEven", 508, 508, {1, 0, 0, 0}, TRect(0, 0, 2100, 2970)},
        {"HalfDownToEven", 508, 508, {3, 0, 0, 1}, TRect(0, 0, 2098, 2970)},
        // across and down at their own resolutions
        {"UnevenDots", 300, 600, {}, TRect(0, 0, 2100, 2970)},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakePrinter P;
        P.Dpi_X = C.Dpi_X;
        P.Dpi_Y = C.Dpi_Y;
        P.Set_Margins(C.Margins);
        EXPECT_EQ(Print_Page_Area(P), C.Area);
    }
}

// Drawn in the 0.1-mm mapping, a square of 254 units below the origin is
// one inch of paper from the page's top-left corner.
TEST(GridPrintDevice, MappingPutsAnInchOnPaper)
{
    TFakePrinter P;
    P.Dpi_X = 96;
    P.Dpi_Y = 96;
    ASSERT_TRUE(P.Begin_Doc());
    Set_Print_Mapping(*P.Painter(), P.Resolution_X(), P.Resolution_Y());
    P.Painter()->fillRect(QRectF(0, -254, 254, 254), Qt::black);
    P.End_Doc();
    ASSERT_EQ(P.Pages().size(), 1);
    const QImage &Page = P.Pages()[0];
    EXPECT_EQ(Page.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(Page.pixelColor(94, 94), QColor(Qt::black));
    EXPECT_EQ(Page.pixelColor(97, 50), QColor(Qt::white));
    EXPECT_EQ(Page.pixelColor(50, 97), QColor(Qt::white));
}
