#include "GridTestSupport.h"
#include "TestSupport.h"
#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
TColor Pixel(const QImage &Img, int X, int Y) { return From_QColor(QColor(Img.pixel(X, Y))); }

struct TBaseGridFixture : ::testing::Test {
    TDemoGrid Grid;
};

// Records the cells CellTextChanged was called for.
struct TNotifyGrid : TDemoGrid {
    std::vector<TPoint> Changed;
    void CellTextChanged(int C, int R) override { Changed.push_back({C, R}); }
};

// Properties that report their own destruction.
struct TTracedProps : TCellProperties {
    TTracedProps(TBaseGrid *G, int C, int R, bool *Freed) : TCellProperties(G, C, R), FFreed(Freed) {}
    ~TTracedProps() override { *FFreed = true; }
    bool *FFreed;
};

struct TFakeGraphic : TObject {
    TFakeGraphic(const char *Name, bool *Freed) : FName(Name), FFreed(Freed) {}
    ~TFakeGraphic() override { *FFreed = true; }
    const char *ClassName() const override { return FName; }
    const char *FName;
    bool *FFreed;
};
} // namespace

// --- merged blocks ---------------------------------------------------------------------

// A vertical block of three: spans, base cell and the merge queries.
TEST_F(TBaseGridFixture, MergeRecordsSpansAndOffsets)
{
    Grid.MergeCells(1, 1, 1, 3);
    const TCellProperties *Base = Grid.Find_Cell_Props(1, 1);
    ASSERT_NE(Base, nullptr);
    EXPECT_TRUE(Base->IsBaseCell());
    EXPECT_EQ(Base->CellSpanX(), 0);
    EXPECT_EQ(Base->CellSpanY(), 2);
    EXPECT_EQ(Grid.Find_Cell_Props(1, 2)->CellSpanY(), 1);
    EXPECT_EQ(Grid.Find_Cell_Props(1, 3)->CellSpanY(), 2);
    EXPECT_FALSE(Grid.Find_Cell_Props(1, 3)->IsBaseCell());
    struct TCase { const char *Name; bool Got; bool Want; };
    const TCase Cases[] = {
        {"BaseIsMerged", Grid.IsMergedCell(1, 1), true},
        {"MemberIsMerged", Grid.IsMergedCell(1, 2), true},
        {"MemberNotXMerged", Grid.IsXMergedCell(1, 2), false},
        {"MemberYMerged", Grid.IsYMergedCell(1, 2), true},
        {"MemberIsMergedNonBase", Grid.IsMergedNonBaseCell(1, 3), true},
        {"BaseIsNotNonBase", Grid.IsMergedNonBaseCell(1, 1), false},
        {"PlainNotMerged", Grid.IsMergedCell(2, 2), false},
        {"PlainIsBase", Grid.IsBaseCell(2, 2), true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Want);
    }
    EXPECT_EQ(Grid.CellSpan(1, 3), TPoint(0, 2));
    EXPECT_EQ(Grid.CellExt(1, 2), TPoint(0, 1));
    EXPECT_EQ(Grid.BaseCell(1, 3), TPoint(1, 1));
    EXPECT_EQ(Grid.FullCell(1, 2), (TGridRect{1, 1, 1, 3}));
    int BC = -1, BR = -1;
    EXPECT_FALSE(Grid.ResolveBaseCell(1, 3, BC, BR));
    EXPECT_EQ(TPoint(BC, BR), TPoint(1, 1));
    EXPECT_TRUE(Grid.ResolveBaseCell(4, 4, BC, BR));
    EXPECT_EQ(TPoint(BC, BR), TPoint(4, 4));
    EXPECT_EQ(Grid.MergeCount(), 1);
    // Reading never creates properties.
    EXPECT_FALSE(Grid.HasCellProps(2, 2));
}

// A 1 x 1 block is not "merged" but takes the merged rectangle path.
TEST_F(TBaseGridFixture, OneCellBlock)
{
    Grid.MergeCells(2, 2, 1, 1);
    EXPECT_FALSE(Grid.IsMergedCell(2, 2));
    EXPECT_EQ(Grid.CellSpan(2, 2), TPoint(0, 0));
    EXPECT_EQ(Grid.CellRect(2, 2), TRect(120, 40, 180, 60));
}

// Text of a block: every member reads the base text and writes the base cell.
TEST(BaseGridText, MergedCellsShareTheBaseText)
{
    TNotifyGrid Grid;
    Grid.Set_Cells(3, 2, QStringLiteral("hidden member text"));
    Grid.MergeCells(2, 2, 2, 2);
    Grid.SetCellEx(3, 3, QStringLiteral("block"));
    EXPECT_EQ(Grid.GetGridCell(2, 2), QStringLiteral("block"));
    EXPECT_EQ(Grid.GetCellEx(3, 2), QStringLiteral("block"));
    EXPECT_EQ(Grid.GetGridCell(3, 2), QStringLiteral("hidden member text"));
    ASSERT_EQ(Grid.Changed.size(), 1u);
    EXPECT_EQ(Grid.Changed[0], TPoint(2, 2));
    // A cell without properties is written without notification.
    Grid.SetCellEx(5, 5, QStringLiteral("plain"));
    EXPECT_EQ(Grid.Changed.size(), 1u);
    EXPECT_EQ(Grid.GetCellEx(5, 5), QStringLiteral("plain"));
}

// Display hooks run for rows below the normal row count only; the wide hook returns the encoded form.
TEST(BaseGridText, DisplayHooksBelowNormalRowCount)
{
    TDemoGrid Grid;
    Grid.Set_Cells(1, 1, QStringLiteral("a"));
    Grid.Set_Cells(1, 5, QStringLiteral("b"));
    Grid.OnGetDisplText = [](TBaseGrid *, int, int, QString &V) { V += QStringLiteral("!"); };
    Grid.Set_NormalRowCount(3);
    EXPECT_EQ(Grid.GetCellEx(1, 1), QStringLiteral("a!"));
    EXPECT_EQ(Grid.GetCellEx(1, 5), QStringLiteral("b"));
    Grid.OnGetDisplWideText = [](TBaseGrid *, int, int, QString &) {};
    EXPECT_TRUE(Grid.GetCellEx(1, 1).startsWith(QStringLiteral("|\\")));
}

// Splitting restores every member; splitting an unmerged cell changes nothing and the count stays >= 0.
TEST_F(TBaseGridFixture, SplitRestoresCellsAndCountNeverDropsBelowZero)
{
    Grid.MergeCells(1, 1, 3, 2);
    Grid.SplitCells(2, 2);
    for (int R = 1; R <= 2; ++R)
        for (int C = 1; C <= 3; ++C) {
            SCOPED_TRACE(C * 10 + R);
            EXPECT_TRUE(Grid.IsBaseCell(C, R));
            EXPECT_FALSE(Grid.IsMergedCell(C, R));
            EXPECT_EQ(Grid.Find_Cell_Props(C, R)->CellSpanX(), -1);
        }
    EXPECT_EQ(Grid.MergeCount(), 0);
    Grid.SplitCells(4, 4);
    EXPECT_TRUE(Grid.HasCellProps(4, 4));
    EXPECT_EQ(Grid.MergeCount(), 0);
}

// Merging over an existing block splits that block first: its other cells become plain.
TEST_F(TBaseGridFixture, MergeOverBlockSplitsItFirst)
{
    Grid.MergeCells(1, 1, 3, 3);
    Grid.MergeCells(3, 3, 2, 2);
    EXPECT_EQ(Grid.BaseCell(1, 2), TPoint(1, 2));
    EXPECT_FALSE(Grid.IsMergedCell(2, 2));
    EXPECT_EQ(Grid.BaseCell(4, 4), TPoint(3, 3));
    EXPECT_EQ(Grid.CellSpan(3, 3), TPoint(1, 1));
    EXPECT_EQ(Grid.MergeCount(), 1);
}

// Cells outside the grid: property access raises, merges are cut at the grid's edge or ignored.
TEST_F(TBaseGridFixture, CellsOutsideTheGrid)
{
    EXPECT_THROW(Grid.GetCellProperties(6, 1), EGridError);
    EXPECT_THROW(Grid.GetCellProperties(1, -1), EGridError);
    EXPECT_THROW(Grid.SetCellProperties(1, 20, nullptr), EGridError);
    Grid.MergeCells(7, 1, 2, 2);
    EXPECT_EQ(Grid.MergeCount(), 0);
    Grid.MergeCells(4, 18, 5, 5);
    EXPECT_EQ(Grid.CellSpan(4, 18), TPoint(1, 1));
    EXPECT_FALSE(Grid.HasCellProps(4, 20));
    EXPECT_FALSE(Grid.IsMergedCell(9, 9));
}

// Setting a cell's own properties object again keeps it; another object frees the old one.
TEST_F(TBaseGridFixture, SetCellPropertiesKeepsTheSameObject)
{
    bool Freed = false;
    auto *P = new TTracedProps(&Grid, 2, 2, &Freed);
    Grid.SetCellProperties(2, 2, P);
    Grid.SetCellProperties(2, 2, P);
    EXPECT_FALSE(Freed);
    EXPECT_EQ(Grid.GetCellProperties(2, 2), P);
    Grid.SetCellProperties(2, 2, nullptr);
    EXPECT_TRUE(Freed);
    EXPECT_FALSE(Grid.HasCellProps(2, 2));
}

// FreeCellProps frees a graphic of class TCellGraphic, not one of another class.
TEST_F(TBaseGridFixture, FreeCellPropsFreesOnlyCellGraphics)
{
    bool OwnFreed = false, OtherFreed = false;
    TFakeGraphic *Other = new TFakeGraphic("TCellGraphicEx", &OtherFreed);
    Grid.SetGraphicObjectEx(1, 1, new TFakeGraphic("TCellGraphic", &OwnFreed));
    Grid.SetGraphicObjectEx(2, 1, Other);
    Grid.FreeCellProps(0, 0, 5, 5);
    EXPECT_TRUE(OwnFreed);
    EXPECT_FALSE(OtherFreed);
    EXPECT_FALSE(Grid.HasCellProps(1, 1));
    delete Other;
}

// New properties take the defaults hook's values; the user object needs no text detour.
TEST_F(TBaseGridFixture, PropertiesCreatedWithDefaults)
{
    Grid.Set_WordWrap(false);
    TCellProperties *P = Grid.GetCellProperties(1, 1);
    EXPECT_EQ(P->BrushColor(), Grid.Color());
    EXPECT_EQ(P->FontName(), Grid.Font().Name);
    EXPECT_FALSE(P->WordWrap());
    EXPECT_EQ(P->CellSpanX(), -1);
    EXPECT_TRUE(Grid.HasAnyCellProps());
    Grid.SetObjectEx(3, 3, 42);
    EXPECT_EQ(Grid.GetObjectEx(3, 3), 42u);
    EXPECT_EQ(Grid.GetCellEx(3, 3), QString());
}

// Span comparisons of rows and columns.
TEST_F(TBaseGridFixture, SpanComparisons)
{
    EXPECT_FALSE(Grid.RowSpanIdentical(1, 2));   // nothing merged vertically: nothing found
    Grid.MergeCells(1, 1, 1, 3);
    Grid.MergeCells(2, 1, 1, 3);
    EXPECT_TRUE(Grid.RowSpanIdentical(1, 2));
    EXPECT_EQ(Grid.MinRowSpan(1), 2);
    EXPECT_EQ(Grid.MaxRowSpan(2), 2);
    EXPECT_EQ(Grid.MinRowSpan(8), Grid.RowCount());
    Grid.MergeCells(3, 5, 2, 1);
    EXPECT_FALSE(Grid.ColSpanIdentical(3, 5));   // row 5 merged across in one column only
    EXPECT_TRUE(Grid.ColSpanIdentical(3, 4));
}

// Rectangles: a merged area is the union of its first and last cell, also when scrolled.
TEST_F(TBaseGridFixture, MergedCellRect)
{
    Grid.MergeCells(1, 2, 3, 2);
    EXPECT_EQ(Grid.CellRect(2, 3), TRect(60, 40, 240, 80));
    EXPECT_EQ(Grid.CellSize(3, 3), TPoint(180, 40));
    Grid.Set_TopRow(3);
    EXPECT_EQ(Grid.CellRect(1, 2), TRect(60, 0, 240, 40));
    EXPECT_EQ(Grid.GetUnclippedCellRect(1, 1), TRect(60, -20, 120, 0));
    EXPECT_TRUE(Grid.CellRect(4, 1).Is_Empty());
}

// --- keyboard and selection ----------------------------------------------------------------

// The arrows leave a block on the side they point to; the current cell is always a base cell.
TEST_F(TBaseGridFixture, KeyboardCrossesMergedBlocks)
{
    Grid.show();
    Grid.setFocus();
    Grid.MergeCells(2, 2, 2, 2);   // block 2..3 x 2..3
    Grid.MergeCells(1, 6, 3, 1);   // block 1..3 x 6
    Grid.Set_Col(1);
    Grid.Set_Row(2);
    struct TStep { const char *Name; Qt::Key Key; int Col, Row; };
    const TStep Steps[] = {
        {"IntoBlock", Qt::Key_Right, 2, 2},
        {"OutRight", Qt::Key_Right, 4, 2},
        {"BackIntoBase", Qt::Key_Left, 2, 2},
        {"OutBelow", Qt::Key_Down, 2, 4},
        {"UpIntoBase", Qt::Key_Up, 2, 2},
        {"OutLeft", Qt::Key_Left, 1, 2},
        {"DownToRow5", Qt::Key_Down, 1, 3},
        {"Down", Qt::Key_Down, 1, 4},
        {"Down", Qt::Key_Down, 1, 5},
        {"RightToCol2", Qt::Key_Right, 2, 5},
        {"DownIntoWideBlock", Qt::Key_Down, 1, 6},
        {"OutOfWideBlock", Qt::Key_Right, 4, 6},
        {"UpIntoTallBlockBottom", Qt::Key_Up, 4, 5},
    };
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Name);
        QTest::keyClick(&Grid, S.Key);
        EXPECT_EQ(Grid.Col(), S.Col);
        EXPECT_EQ(Grid.Row(), S.Row);
    }
}

// SelectCell still vetoes through the base grid, and the setters clamp.
TEST_F(TBaseGridFixture, SelectCellVetoAndClamp)
{
    Grid.OnSelectCell = [](TStringGrid *, int C, int, bool &Can) { Can = C != 3; };
    Grid.Set_Col(3);
    EXPECT_EQ(Grid.Col(), 1);
    Grid.Set_Col(99);
    EXPECT_EQ(Grid.Col(), 5);
    Grid.Set_Row(-4);
    EXPECT_EQ(Grid.Row(), 1);
}

// --- painting --------------------------------------------------------------------------------

// Each merged area is painted once per pass, by whichever of its cells comes first.
TEST_F(TBaseGridFixture, MergedAreaPaintedOncePerPass)
{
    Grid.MergeCells(1, 2, 3, 2);
    Grid.Set_Cells(1, 2, QStringLiteral("M"));
    auto Count_M = [](const TRecordingCanvas &C) {
        int N = 0;
        for (const TCanvasOp &Op : C.Ops())
            N += Op.Kind == TCanvasOp::DrawText && Op.Text == QStringLiteral("M");
        return N;
    };
    for (int Pass = 0; Pass < 2; ++Pass) {
        SCOPED_TRACE(Pass);
        TRecordingCanvas C(360, 220);
        Grid.Paint_On(C);
        EXPECT_EQ(Count_M(C), 1);
        int Fills = 0;
        for (const TCanvasOp &Op : C.Ops())
            Fills += Op.Kind == TCanvasOp::Rectangle && Op.Rect == TRect(60, 40, 240, 80);
        EXPECT_EQ(Fills, 1);
    }
    // Scrolled so that the base row is out of view: a member paints it, clipped below the fixed row.
    Grid.Set_TopRow(3);
    TRecordingCanvas C(360, 220);
    Grid.Paint_On(C);
    EXPECT_EQ(Count_M(C), 1);
    bool Clipped = false;
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::DrawText && Op.Text == QStringLiteral("M"))
            Clipped = Op.Clipped && Op.Clip.Top == 20 && Op.Clip.Left == 60;
    EXPECT_TRUE(Clipped);
}

// Wide lines: width 3 at offset 2, content shrunk by 3; fixed cells keep 1-pixel lines.
TEST_F(TBaseGridFixture, GridLineWidthShapesLinesAndContent)
{
    Grid.Set_GridLineWidth(3);
    Grid.Set_Cells(2, 2, QStringLiteral("x"));
    Grid.Set_Cells(2, 0, QStringLiteral("h"));
    TRecordingCanvas C(360, 220);
    Grid.Paint_On(C);
    bool Bottom = false, FixedLine = false;
    TRect Content, FixedContent;
    for (const TCanvasOp &Op : C.Ops()) {
        if (Op.Kind == TCanvasOp::LineTo && Op.Rect == TRect(119, 58, 179, 58))
            Bottom = Op.Pen.Width == 3 && Op.Pen.Color == 0xC0C0C0;
        if (Op.Kind == TCanvasOp::LineTo && Op.Rect == TRect(120, 19, 180, 19))
            FixedLine = Op.Pen.Width == 1 && Op.Pen.Color == 0x808080;
        if (Op.Kind == TCanvasOp::DrawText && Op.Text == "x")
            Content = Op.Rect;
        if (Op.Kind == TCanvasOp::DrawText && Op.Text == "h")
            FixedContent = Op.Rect;
    }
    EXPECT_TRUE(Bottom);
    EXPECT_TRUE(FixedLine);
    EXPECT_EQ(Content, TRect(123, 43, 177, 57));
    EXPECT_EQ(FixedContent, TRect(120, 0, 179, 18));
}

// The selection frame in the Vista style and the grey unfocused set, on grabbed pixels.
TEST_F(TBaseGridFixture, SelectionFramePixels)
{
    Grid.Set_SelectionStyle(ssVista);
    Grid.Set_Options(Grid.Options() + goDrawFocusSelected);
    Grid.Set_Selection(TGridRect{1, 2, 3, 2});
    QImage Img = Grid.grab().toImage();
    struct TCase { const char *Name; int X, Y; TColor Want; };
    const TCase Cases[] = {
        {"OuterCornerInGridColour", 60, 40, Color_To_RGB(clWindow)},
        {"CornerPixel", 61, 40, 0xFCEDCB},
        {"TopEdge", 80, 40, 0xFDDE99},
        {"InnerTopLine", 80, 41, 0xFDFBF6},
        {"MiddlePieceOpenEnd", 120, 40, 0xFDDE99},
        {"RightEndEdge", 238, 50, 0xFDDE99},
        {"GridLineBelow", 80, 59, 0xC0C0C0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Pixel(Img, C.X, C.Y), C.Want);
    }
    // Without focus (and goDrawFocusSelected) the grey set.
    Grid.Set_Options(Grid.Options() - goDrawFocusSelected);
    Img = Grid.grab().toImage();
    EXPECT_EQ(Pixel(Img, 80, 40), 0xD9D9D9);
}

// A control laid over a cell belongs to the cell's properties: it moves with
// them, goes when they are freed (new properties in the same place start
// without one, even at the same address), is forgotten once destroyed, and
// Assign copies it.
TEST_F(TBaseGridFixture, CellControlsGoWithTheirProperties)
{
    auto *W = new QWidget;
    Grid.GetCellProperties(2, 3)->Set_Control(W);
    EXPECT_EQ(Grid.Find_Cell_Props(2, 3)->Control(), W);

    Grid.Model().Move_Row(3, 5);
    ASSERT_NE(Grid.Find_Cell_Props(2, 5), nullptr);
    EXPECT_EQ(Grid.Find_Cell_Props(2, 5)->Control(), W);

    TCellProperties *Other = Grid.GetCellProperties(1, 1);
    Other->Assign(*Grid.Find_Cell_Props(2, 5));
    EXPECT_EQ(Other->Control(), W);
    Grid.FreeCellPropsAt(1, 1);

    Grid.FreeCellPropsAt(2, 5);
    EXPECT_EQ(Grid.GetCellProperties(2, 5)->Control(), nullptr);

    Grid.GetCellProperties(2, 5)->Set_Control(W);
    delete W;
    EXPECT_EQ(Grid.Find_Cell_Props(2, 5)->Control(), nullptr);

    // Properties of no grid have nowhere to keep a control.
    TCellProperties Loose(nullptr, 0, 0);
    QWidget V;
    Loose.Set_Control(&V);
    EXPECT_EQ(Loose.Control(), nullptr);
}

// A gradient cell runs from its colour at the top to the end colour at the bottom.
TEST_F(TBaseGridFixture, GradientCellPixels)
{
    TCellProperties *P = Grid.GetCellProperties(2, 3);
    P->Set_BrushColor(clWhite);
    P->Set_BrushColorTo(clBlack);
    const QImage Img = Grid.grab().toImage();
    const int X = 125;
    EXPECT_EQ(Pixel(Img, X, 60), clWhite);
    int Last = 256;
    for (int Y = 60; Y < 79; ++Y) {
        const int V = Get_R_Value(Pixel(Img, X, Y));
        EXPECT_LE(V, Last);
        Last = V;
    }
    EXPECT_LT(Last, 30);
}

// Hover row: the default set colours normal cells; without hcNormal they keep their colour.
TEST_F(TBaseGridFixture, HoverRowHonoursCellKinds)
{
    Grid.Set_HoverRow(true);
    Grid.Set_HoverRowIdx(4);
    Grid.Set_HoverRowColor(clYellow);
    Grid.Set_Selection(TGridRect{2, 4, 2, 4});
    Grid.Set_Options(Grid.Options() + goDrawFocusSelected);
    struct TCase { const char *Name; THoverRowCells Cells; TColor Normal, Selected; };
    const TCase Cases[] = {
        {"Default", {hcNormal, hcSelected}, clYellow, clYellow},
        {"NormalOnly", {hcNormal}, clYellow, Color_To_RGB(clHighlight)},
        {"SelectedOnly", {hcSelected}, Color_To_RGB(clWindow), clYellow},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Set_HoverRowCells(C.Cells);
        const QImage Img = Grid.grab().toImage();
        EXPECT_EQ(Pixel(Img, 70, 85), C.Normal);
        EXPECT_EQ(Pixel(Img, 130, 85), C.Selected);
    }
}

// PaintCellExt paints a selected cell in the active-row colours; the hidden last row is background.
TEST_F(TBaseGridFixture, PaintCellExtAndHiddenLastRow)
{
    Grid.Set_ActiveRowColor(clAqua);
    TRecordingCanvas C(100, 40);
    Grid.PaintCellExt(C, 2, 2, TRect(0, 0, 60, 20), TGridDrawState({gdSelected}));
    EXPECT_EQ(Pixel(C.Image(), 10, 10), clAqua);
    Grid.Set_HideLastRow(true);
    TRecordingCanvas L(100, 40);
    Grid.PaintCell(L, 2, Grid.RowCount() - 1, TRect(0, 0, 60, 20), TGridDrawState());
    ASSERT_EQ(L.Ops().size(), 1u);
    EXPECT_EQ(L.Ops()[0].Kind, TCanvasOp::FillRect);
}

// The demo: fixed row and column, a merged block, a selected range.
TEST(BaseGridDemo, Screenshot)
{
    TDemoGrid Grid;
    Grid.Set_ColCount(6);
    Grid.Set_RowCount(12);
    for (int C = 1; C < 6; ++C)
        Grid.SetCellEx(C, 0, QStringLiteral("Col %1").arg(C));
    for (int R = 1; R < 12; ++R) {
        Grid.SetCellEx(0, R, QString::number(R));
        for (int C = 1; C < 6; ++C)
            Grid.SetCellEx(C, R, QStringLiteral("%1.%2").arg(C).arg(R));
    }
    Grid.MergeCells(2, 2, 2, 3);
    Grid.SetCellEx(2, 2, QStringLiteral("merged 2 x 3"));
    Grid.GetCellProperties(2, 2)->Set_BrushColor(clCream);
    Grid.GetCellProperties(5, 6)->Set_BrushColor(clWhite);
    Grid.GetCellProperties(5, 6)->Set_BrushColorTo(clSkyBlue);
    Grid.Set_SelectionStyle(ssWin7);
    Grid.Set_Options(Grid.Options() + goDrawFocusSelected);
    Grid.Set_Selection(TGridRect{1, 7, 4, 8});
    const QString Path = Save_Screenshot(&Grid, QStringLiteral("base_grid_demo"));
    const QImage Img(Path);
    ASSERT_FALSE(Img.isNull());
    EXPECT_EQ(Pixel(Img, 150, 70), clCream);   // inside the merged block, clear of its text
    EXPECT_EQ(Pixel(Img, 10, 10), Color_To_RGB(clBtnFace));
}

// The wheel snaps to the base of a block it lands in.
TEST_F(TBaseGridFixture, WheelFocusesBaseCell)
{
    Grid.show();
    Grid.MergeCells(2, 2, 1, 3);   // rows 2..4
    Grid.Set_Col(2);
    Grid.Set_Row(5);
    QWheelEvent E(QPointF(60, 60), QPointF(60, 60), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(Grid.viewport(), &E);
    EXPECT_EQ(TPoint(Grid.Col(), Grid.Row()), TPoint(2, 2));
}

// An integer kept in a cell's object slot is never taken for properties, freed or dereferenced.
TEST_F(TBaseGridFixture, IntegerInObjectSlotIsNoProperties)
{
    Grid.SetGridObject(1, 1, Object_From_Int(5));
    Grid.SetGridObject(2, 1, Object_From_Int(-3));
    EXPECT_FALSE(Grid.HasCellProps(1, 1));
    EXPECT_FALSE(Grid.IsMergedCell(1, 1));
    EXPECT_EQ(Grid.BaseCell(2, 1), TPoint(2, 1));
    Grid.Set_HasAnyCellProps(true);
    Grid.FreeCellProps(0, 0, 5, 5);
    EXPECT_EQ(Int_From_Object(Grid.GetGridObject(1, 1)), 5);
    EXPECT_EQ(Int_From_Object(Grid.GetGridObject(2, 1)), -3);
}
