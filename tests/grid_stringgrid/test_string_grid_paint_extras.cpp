// What the painter draws besides a cell's content: cell scroll bars (and the
// automatic range that follows the text), the row indicator, the filter
// row's glyphs, the list-view header face and the sizing lines.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols = 4, int Rows = 5)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    G->Set_DefaultColWidth(100);
    G->resize(500, 200);
    return G;
}

std::vector<TCanvasOp> Ops_Of(const TRecordingCanvas &C, TCanvasOp::TKind Kind, const TRect &Within)
{
    std::vector<TCanvasOp> L;
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == Kind && Op.Rect.Left >= Within.Left && Op.Rect.Left < Within.Right
            && Op.Rect.Top >= Within.Top && Op.Rect.Top < Within.Bottom)
            L.push_back(Op);
    return L;
}

const TCanvasOp *Text_Op(const TRecordingCanvas &C, const QString &Text)
{
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::DrawText && !(Op.Format & DT_CALCRECT) && Op.Text == Text)
            return &Op;
    return nullptr;
}

// A glyph of one colour with a white bottom-left corner (the colour a
// transparently drawn bitmap leaves out).
QImage Square(int Size, QColor Fill)
{
    QImage I(Size, Size, QImage::Format_ARGB32);
    I.fill(Fill);
    I.setPixelColor(0, Size - 1, Qt::white);
    return I;
}

// The rectangle the painter hands a cell's content: inside the grid lines.
TRect Inner(const RIraRevadiVizo &G, int ACol, int ARow)
{
    const TRect R = G.CellRect(ACol, ARow);
    return ACol < G.FixedCols() || ARow < G.FixedRows() ? TRect(R.Left, R.Top, R.Right - 1, R.Bottom - 2)
                                                        : R.Inflate(-1, -1);
}
}

// The automatic range follows the text: the page is the row, the range the
// height the text needs; a scrolled cell shows its text moved up inside the
// cell, beside a bar at its right edge.
TEST(StringGridPaintExtras, CellScrollBar)
{
    auto G = Make_Grid();
    G->Set_RowHeights(1, 30);
    G->Set_Cells(1, 1, QStringLiteral("one"));
    G->AddScrollBar(1, 1, true);
    const TScrollProp Short = G->GetScrollProp(1, 1);
    EXPECT_EQ(Short.PageSize, 30);
    EXPECT_LT(Short.Range, 30);
    // more lines of text give a larger range, at once
    G->Set_MultilineCells(true);
    G->SetCellEx(1, 1, QStringLiteral("a\nb\nc\nd\ne\nf"));
    const TScrollProp Long = G->GetScrollProp(1, 1);
    EXPECT_EQ(Long.PageSize, 30);
    EXPECT_GT(Long.Range, 60);
    // a bar without automatic range keeps what it was given
    G->AddScrollBar(2, 1, false);
    G->SetCellEx(2, 1, QStringLiteral("x\ny\nz\nw"));
    EXPECT_EQ(G->GetScrollProp(2, 1), (TScrollProp{0, 100}));

    G->SetScrollPosition(1, 1, 12);
    TRecordingCanvas C(500, 200);
    G->Paint_On(C);
    const TRect Cell = Inner(*G, 1, 1);
    const auto Fills = Ops_Of(C, TCanvasOp::FillRect, Cell);
    const bool Bar = std::any_of(Fills.begin(), Fills.end(), [&](const TCanvasOp &Op) {
        return Op.Brush.Color == clBtnFace && Op.Rect.Right == Cell.Right && Op.Rect.Width() == 17;
    });
    EXPECT_TRUE(Bar);
    const TCanvasOp *T = Text_Op(C, G->Cells(1, 1));
    ASSERT_NE(T, nullptr);
    EXPECT_EQ(T->Rect.Top, Cell.Top + G->XYOffset().Y - 12);
    EXPECT_LE(T->Rect.Right, Cell.Right - 17);
    EXPECT_TRUE(T->Clipped);
    EXPECT_TRUE(Cell.Contains(T->Clip.Left, T->Clip.Top));

    // a page as large as the range shows no bar and no shift
    G->SetScrollProp(1, 1, {200, 100});
    C.Clear_Ops();
    G->Paint_On(C);
    T = Text_Op(C, G->Cells(1, 1));
    ASSERT_NE(T, nullptr);
    EXPECT_EQ(T->Rect.Top, Cell.Top + G->XYOffset().Y);
    EXPECT_FALSE(T->Clipped);
}

// The row indicator stands in the fixed column of the current row only, and
// pushes that cell's text to the right.
TEST(StringGridPaintExtras, RowIndicator)
{
    auto G = Make_Grid();
    for (int R = 1; R < 5; ++R)
        G->Set_Cells(0, R, QStringLiteral("r%1").arg(R));
    G->Set_Row(2);
    G->Set_RowIndicator(Square(10, Qt::blue));
    TRecordingCanvas C(500, 200);
    G->Paint_On(C);
    for (int R = 1; R < 5; ++R) {
        SCOPED_TRACE(R);
        const TRect Cell = Inner(*G, 0, R);
        const auto Draws = Ops_Of(C, TCanvasOp::Draw, Cell);
        const TCanvasOp *T = Text_Op(C, QStringLiteral("r%1").arg(R));
        ASSERT_NE(T, nullptr);
        if (R == 2) {
            ASSERT_EQ(Draws.size(), 1u);
            EXPECT_EQ(Draws[0].Rect.Left, Cell.Left + 2);
            EXPECT_EQ(T->Rect.Left, Cell.Left + G->GridLineWidth() + G->XYOffset().X + 12);
        } else {
            EXPECT_TRUE(Draws.empty());
            EXPECT_EQ(T->Rect.Left, Cell.Left + G->GridLineWidth() + G->XYOffset().X);
        }
    }
    // without fixed columns there is nowhere to show it
    G->Set_FixedCols(0);
    C.Clear_Ops();
    G->Paint_On(C);
    EXPECT_TRUE(Ops_Of(C, TCanvasOp::Draw, G->CellRect(0, 2)).empty());
}

// A column offering filter entries shows a glyph at the right of its filter
// row cell: the grid's funnel on the fixed colour, the given glyph, or the
// active glyph while the column is filtered; the text room ends before it.
TEST(StringGridPaintExtras, FilterGlyph)
{
    auto G = Make_Grid();
    for (int C = 0; C < 4; ++C)
        G->Set_Cells(C, 0, QStringLiteral("head%1").arg(C));
    G->OnGetColumnFilter = [](QObject *, int Column, QStringList &L) {
        if (Column == 2)
            L << QStringLiteral("a") << QStringLiteral("b");
    };
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Setup; QColor Want; };
    const TCase Cases[] = {
        {"OwnFunnel", [](RIraRevadiVizo &) {}, QColor()},
        {"Glyph", [](RIraRevadiVizo &Gr) { Gr.FilterDropDown().Glyph = Square(16, Qt::green); }, QColor(Qt::green)},
        {"ActiveGlyph",
         [](RIraRevadiVizo &Gr) {
             Gr.FilterDropDown().Glyph = Square(16, Qt::green);
             Gr.FilterDropDown().GlyphActive = Square(16, Qt::red);
             Gr.Filter().GetColFilter(2).Condition = QStringLiteral("a");
         },
         QColor(Qt::red)},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto H = Make_Grid();
        for (int C = 0; C < 4; ++C)
            H->Set_Cells(C, 0, QStringLiteral("head%1").arg(C));
        H->OnGetColumnFilter = G->OnGetColumnFilter;
        K.Setup(*H);
        TRecordingCanvas C(500, 200);
        H->Paint_On(C);
        const TRect Cell = Inner(*H, 2, 0);
        const auto Draws = Ops_Of(C, TCanvasOp::Draw, Cell);
        ASSERT_EQ(Draws.size(), 1u);
        EXPECT_EQ(Draws[0].Rect.Right, Cell.Right);
        EXPECT_EQ(Draws[0].Rect.Width(), 16);
        if (K.Want.isValid()) {
            EXPECT_EQ(C.Image().pixelColor(Draws[0].Rect.Left + 8, Draws[0].Rect.Top + 8), K.Want);
        }
        const TCanvasOp *T = Text_Op(C, QStringLiteral("head2"));
        ASSERT_NE(T, nullptr);
        EXPECT_LE(T->Rect.Right, Draws[0].Rect.Left);
        // columns without entries show none
        EXPECT_TRUE(Ops_Of(C, TCanvasOp::Draw, H->CellRect(1, 0)).empty());
        // the filter row moved away: no glyph
        H->Set_FixedRows(2);
        H->Set_FilterDropDownRow(1);
        C.Clear_Ops();
        H->Paint_On(C);
        EXPECT_TRUE(Ops_Of(C, TCanvasOp::Draw, Cell).empty());
    }
}

// Under the list-view look fixed cells get the header face (a white line
// along their top); normal cells do not.
TEST(StringGridPaintExtras, ListViewHeader)
{
    auto G = Make_Grid();
    G->Set_Look(glListView);
    TRecordingCanvas C(500, 200);
    G->Paint_On(C);
    auto White_Top = [&](const TRect &Cell) {
        for (const TCanvasOp &Op : C.Ops())
            if (Op.Kind == TCanvasOp::LineTo && Op.Pen.Color == clWhite && Op.Rect.Top == Cell.Top
                && Op.Rect.Bottom == Cell.Top && Op.Rect.Left == Cell.Left && Op.Rect.Right == Cell.Right)
                return true;
        return false;
    };
    EXPECT_TRUE(White_Top(Inner(*G, 1, 0)));
    EXPECT_TRUE(White_Top(Inner(*G, 0, 2)));
    EXPECT_FALSE(White_Top(Inner(*G, 1, 2)));
    // a flat grid keeps plain fixed cells
    G->Set_Flat(true);
    C.Clear_Ops();
    G->Paint_On(C);
    EXPECT_FALSE(White_Top(Inner(*G, 1, 0)));
}

// A sizing line is shown by drawing it and gone by drawing it again; it
// inverts every other pixel it crosses, down the whole control.
TEST(StringGridPaintExtras, SizingLines)
{
    auto G = Make_Grid();
    G->show();
    QApplication::processEvents();
    const QImage Before = G->viewport()->grab().toImage();
    G->DrawColSizingLine(50);
    EXPECT_TRUE(G->ColSizingLineShown(50));
    G->DrawRowSizingLine(70);
    QImage With = G->viewport()->grab().toImage();
    const int H = With.height();
    auto Inverted = [&](int X, int Y) { return With.pixel(X, Y) == (Before.pixel(X, Y) ^ 0x00FFFFFFu); };
    EXPECT_TRUE(Inverted(50, 0));
    EXPECT_FALSE(Inverted(50, 1));
    EXPECT_TRUE(Inverted(50, H - 2 + (H % 2)));
    EXPECT_TRUE(Inverted(10, 70));
    EXPECT_EQ(With.pixel(51, 10), Before.pixel(51, 10));
    // moved: the old place is restored, the new one inverted
    G->DrawColSizingLine(50, 60);
    EXPECT_FALSE(G->ColSizingLineShown(50));
    EXPECT_TRUE(G->ColSizingLineShown(60));
    G->DrawColSizingLine(60);
    G->DrawRowSizingLine(70);
    EXPECT_FALSE(G->ColSizingLineShown(60));
    EXPECT_FALSE(G->RowSizingLineShown(70));
    EXPECT_EQ(G->viewport()->grab().toImage(), Before);
}
