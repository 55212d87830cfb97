// The focus frame around an edited cell (glowing where windows may be
// translucent, a plain band otherwise) and the empty area's background.
#include "TestSupport.h"
#include "grid/base/GridAuxWindows.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Translucency.h"
#include <QCoreApplication>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The frame's colour as Qt pixels: red 0x97, green 0xD3, blue 0xFD.
const QRgb Frame_Rgb = qRgb(0x97, 0xD3, 0xFD);

// A shown window holding one grid.
struct TWindowGrid {
    QWidget Window;
    RIraRevadiVizo *G = nullptr;
    TWindowGrid()
    {
        Window.resize(420, 280);
        G = new RIraRevadiVizo(&Window);
        G->setGeometry(10, 10, 400, 250);
        G->Set_ColCount(4);
        G->Set_RowCount(6);
        for (int R = 0; R < 6; ++R)
            for (int C = 0; C < 4; ++C)
                G->Set_Cells(C, R, R == 0 ? QStringLiteral("Head %1").arg(C) : QStringLiteral("%1.%2").arg(C).arg(R));
        Window.show();
        QCoreApplication::processEvents();
    }
};

// Forces the platform's translucency answer for one test.
struct TTranslucencyGuard {
    explicit TTranslucencyGuard(bool Value) { Set_Translucent_Windows_Override(&Value); }
    ~TTranslucencyGuard() { Set_Translucent_Windows_Override(nullptr); }
};
} // namespace

// --- the focus frame ------------------------------------------------------------------------------------

TEST(StringGridFocusFrame, PlatformWithoutCompositorShowsAPlainBand)
{
    // The offscreen platform composites nothing.
    ASSERT_FALSE(Translucent_Windows());
    TWindowGrid W;
    RIraRevadiVizo &G = *W.G;
    G.Set_Col(2);
    G.Set_Row(3);
    const TRect R = G.CellRect(2, 3);
    G.ShowFocusWindow(R);
    TGridFocusWindow *F = G.FocusWindow();
    ASSERT_NE(F, nullptr);
    EXPECT_TRUE(F->isVisible());
    EXPECT_EQ(RIraRevadiVizo::Focus_Window_Grid(), &G);
    EXPECT_EQ(F->size(), QSize(R.Width() + 9, R.Height() + 9));
    EXPECT_EQ(F->pos(), G.viewport()->mapToGlobal(QPoint(R.Left, R.Top)) - QPoint(4, 4));
    // Opaque colour in the band; the cell itself is cut out of the window.
    EXPECT_EQ(F->Opacity(), 255);
    EXPECT_EQ(F->Image().pixel(1, 1), Frame_Rgb);
    EXPECT_EQ(F->Image().pixel(R.Width() / 2, 2), Frame_Rgb);
    EXPECT_TRUE(F->mask().contains(QPoint(1, 1)));
    EXPECT_TRUE(F->mask().contains(QPoint(R.Width() + 6, R.Height() + 6)));
    EXPECT_FALSE(F->mask().contains(QPoint(4 + R.Width() / 2, 4 + R.Height() / 2)));

    // The frame follows its window.
    const QPoint Before = F->pos();
    W.Window.move(W.Window.pos() + QPoint(30, 20));
    QCoreApplication::processEvents();
    EXPECT_EQ(F->pos(), Before + QPoint(30, 20));

    // ... and its cell when the cell moves in the grid (a wider column before it).
    G.Set_ColWidths(0, 200);
    const TRect Moved = G.CellRect(2, 3);
    EXPECT_EQ(F->pos(), G.viewport()->mapToGlobal(QPoint(Moved.Left, Moved.Top)) - QPoint(4, 4));

    // A cell of another size gets a frame of its size.
    G.Set_ColWidths(2, 90);
    const TRect Wider = G.CellRect(2, 3);
    EXPECT_EQ(F->size(), QSize(Wider.Width() + 9, Wider.Height() + 9));
    EXPECT_FALSE(F->mask().contains(QPoint(4 + Wider.Width() - 2, 4 + Wider.Height() / 2)));
    // Scrolled out of view the frame hides; back in view it shows again.
    G.Set_RowCount(60);
    G.Set_TopRow(20);
    EXPECT_FALSE(F->isVisible());
    EXPECT_EQ(RIraRevadiVizo::Focus_Window_Grid(), &G);
    G.Set_TopRow(1);
    EXPECT_TRUE(F->isVisible());

    G.HideFocusWindow();
    EXPECT_FALSE(F->isVisible());
    EXPECT_EQ(RIraRevadiVizo::Focus_Window_Grid(), nullptr);
}

TEST(StringGridFocusFrame, TranslucentPlatformShowsAGlow)
{
    TTranslucencyGuard Guard(true);
    TWindowGrid W;
    RIraRevadiVizo &G = *W.G;
    const TRect R = G.CellRect(1, 1);
    G.ShowFocusWindow(R);
    TGridFocusWindow *F = G.FocusWindow();
    EXPECT_EQ(F->Opacity(), 230);
    // The glow is soft: transparent at the corner, strong on the band.
    const int CornerA = qAlpha(F->Image().pixel(0, 0));
    const int BandA = qAlpha(F->Image().pixel(R.Width() / 2, 4));
    EXPECT_LT(CornerA, 40);
    EXPECT_GT(BandA, 100);
    EXPECT_LT(BandA, 255);
    // premultiplied: the colour scales with the alpha
    EXPECT_NEAR(qBlue(F->Image().pixel(R.Width() / 2, 4)), 0xFD * BandA / 255, 2);
    // one frame at a time: another grid's frame takes over the reference
    RIraRevadiVizo Other;
    Other.ShowFocusWindow(Other.CellRect(1, 1));
    EXPECT_EQ(RIraRevadiVizo::Focus_Window_Grid(), &Other);
    G.HideFocusWindow();   // not the showing grid: the reference stays
    EXPECT_EQ(RIraRevadiVizo::Focus_Window_Grid(), &Other);
    Other.HideFocusWindow();
}

// --- the empty area ---------------------------------------------------------------------------------------

TEST(StringGridFocusFrame, EmptyAreaBackground)
{
    struct TCase {
        const char *Name;
        int Cols, Rows;
        TBackGroundDisplay Display;
        TColor ColorTo;
        bool WantGradient;
        TBackGroundCells Cells = bcNormal;
    };
    const TCase Cases[] = {
        {"VerticalGradient", 3, 4, bdGradientVert, clBlue, true},
        {"HorizontalGradient", 3, 4, bdGradientHorz, clBlue, true},
        {"NoEndColourKeepsThePlatformFill", 3, 4, bdGradientVert, clNone, false},
        // only the fixed cells take the background, so the corner shows what the empty-area painter did
        {"GridFillingTheClientPaintsNone", 30, 60, bdGradientVert, clBlue, false, bcFixed},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TWindowGrid W;
        RIraRevadiVizo &G = *W.G;
        G.Set_ColCount(C.Cols);
        G.Set_RowCount(C.Rows);
        TBackGround B;
        B.Display = C.Display;
        B.Color = clWhite;
        B.ColorTo = C.ColorTo;
        B.Cells = C.Cells;
        G.Set_BackGround(B);
        QCoreApplication::processEvents();
        const QImage Img = G.viewport()->grab().toImage();
        // the bottom-right corner of the client area
        const QRgb Corner = Img.pixel(Img.width() - 2, Img.height() - 2);
        if (C.WantGradient) {
            EXPECT_GT(qBlue(Corner), 200);
            EXPECT_LT(qRed(Corner), 60);   // near the blue end
        } else if (C.Cols == 3) {
            EXPECT_EQ(Corner, qRgb(255, 255, 255));   // the platform's window colour
        } else {
            EXPECT_NE(qRed(Corner) + 10 < qBlue(Corner), true);   // no blue gradient under cells
        }
    }
}

// A grid with its empty area in a gradient and a focus frame, as a window
// shows it (the frame is a window of its own, drawn over the grab).
TEST(StringGridFocusFrame, Screenshot)
{
    TWindowGrid W;
    RIraRevadiVizo &G = *W.G;
    G.Set_ColCount(4);
    G.Set_RowCount(6);
    TBackGround B;
    B.Display = bdGradientVert;
    B.Color = clWhite;
    B.ColorTo = 0xE0A060;
    G.Set_BackGround(B);
    G.Set_Col(2);
    G.Set_Row(2);
    G.ShowFocusWindow(G.CellRect(2, 2));
    QCoreApplication::processEvents();
    QImage Shot = W.Window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage Unframed = Shot;
    {
        QPainter P(&Shot);
        const QPoint At = W.Window.mapFromGlobal(G.FocusWindow()->pos());
        P.setClipRegion(G.FocusWindow()->mask().translated(At));
        P.setOpacity(G.FocusWindow()->Opacity() / 255.0);
        P.drawImage(At, G.FocusWindow()->Image());
    }
    const QString Path = Test_Output_Dir() + QStringLiteral("/string_grid_focus_frame.png");
    ASSERT_TRUE(Shot.save(Path));
    // the frame shows over the grid, and the empty area below the rows ends
    // in the gradient's blue
    EXPECT_NE(Shot, Unframed);
    const QColor Low = Shot.pixelColor(G.viewport()->mapTo(&W.Window, QPoint(5, G.viewport()->height() - 3)));
    EXPECT_GT(Low.blue(), Low.red() + 40);
    G.HideFocusWindow();
}

// With the focus helper on, opening the editor frames the cell and a
// validated value (here on leaving the cell) takes the frame away.
TEST(StringGridFocusFrame, EditorStartAndValidationShowAndHideTheFrame)
{
    struct TCase { const char *Name; bool Enabled; bool WantFrame; };
    const TCase Cases[] = {
        {"HelperOn", true, true},
        {"HelperOff", false, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TWindowGrid W;
        RIraRevadiVizo &G = *W.G;
        G.Set_Options(G.Options() + goEditing);
        G.FocusHelper().Set_Enabled(C.Enabled);
        G.Set_Col(1);
        G.Set_Row(2);
        G.ShowInplaceEdit();
        ASSERT_TRUE(G.EditorMode());
        EXPECT_EQ(RIraRevadiVizo::Focus_Window_Grid() == &G, C.WantFrame);
        EXPECT_EQ(G.FocusWindow() != nullptr && G.FocusWindow()->isVisible(), C.WantFrame);
        G.InplaceEditor()->setText(QStringLiteral("new"));
        G.Set_Row(3);   // leaving the cell validates the value
        EXPECT_EQ(G.Cells(1, 2), "new");
        EXPECT_EQ(RIraRevadiVizo::Focus_Window_Grid(), nullptr);
        EXPECT_TRUE(G.FocusWindow() == nullptr || !G.FocusWindow()->isVisible());
    }
}
