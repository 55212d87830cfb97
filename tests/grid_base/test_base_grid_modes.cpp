#include "GridTestSupport.h"
#include "platform/Locale.h"
#include "TestSupport.h"
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Runs a test as on a right-to-left platform.
struct TRightToLeftPlatform {
    bool Saved = Platform_Right_To_Left();
    TRightToLeftPlatform() { Set_Platform_Right_To_Left(true); }
    ~TRightToLeftPlatform() { Set_Platform_Right_To_Left(Saved); }
};
} // namespace

// The base grid's in-place editor mask, screen density and right-to-left mode.

// The editor enforces the mask the grid asks for, in the grid's mask syntax.
TEST(BaseGridEditor, EditorEnforcesTheEditMask)
{
    struct TCase { const char *Name; const char *Mask; QChar DateSeparator; const char *Typed; const char *Cell; };
    const TCase Cases[] = {
        // literals are part of the text with save-literals 1
        {"LiteralsKept", "00/00;1;_", u'/', "1234", "12/34"},
        // and left out with save-literals 0
        {"LiteralsLeftOut", "00/00;0;_", u'/', "1234", "1234"},
        // a letter is refused where a digit is required
        {"LettersRefusedInDigits", "000;1;_", u'/', "1a23", "123"},
        // '/' stands for the current date separator
        {"DateSeparatorFromLocale", "00/00;1;_", u'.', "1234", "12.34"},
        // '>' turns letters to upper case
        {"UpperCase", ">LLL;1;_", u'/', "abc", "ABC"},
        // no mask: any text
        {"NoMask", "", u'/', "a-1", "a-1"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFormatSettingsGuard Locale;
        Format_Settings().DateSeparator = C.DateSeparator;
        TDemoGrid Grid;
        Grid.Set_Options(Grid.Options() + goEditing);
        const QString Mask = QString::fromUtf8(C.Mask);
        Grid.OnGetEditMask = [Mask](TStringGrid *, int, int, QString &V) { V = Mask; };
        Grid.show();
        Grid.setFocus();
        QTest::keyClick(&Grid, Qt::Key_F2);
        ASSERT_TRUE(Grid.EditorMode());
        QTest::keyClicks(Grid.InplaceEditor(), QString::fromUtf8(C.Typed));
        QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Return);
        EXPECT_FALSE(Grid.EditorMode());
        EXPECT_EQ(Grid.Cells(1, 1), QString::fromUtf8(C.Cell));
    }
}

// A masked editor opens with the stored text in the mask and Escape leaves the cell as it was.
TEST(BaseGridEditor, MaskedEditorOpensWithTheStoredText)
{
    struct TCase { const char *Name; const char *Mask; const char *Stored; const char *Shown; };
    const TCase Cases[] = {
        {"LiteralsStored", "00/00;1;_", "12/34", "12/34"},
        {"LiteralsNotStored", "00/00;0;_", "1234", "12/34"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDemoGrid Grid;
        Grid.Set_Options(Grid.Options() + goEditing);
        const QString Mask = QString::fromUtf8(C.Mask);
        Grid.OnGetEditMask = [Mask](TStringGrid *, int, int, QString &V) { V = Mask; };
        Grid.Set_Cells(1, 1, QString::fromUtf8(C.Stored));
        std::vector<QString> Written;
        Grid.OnSetEditText = [&](TStringGrid *, int, int, const QString &V) { Written.push_back(V); };
        Grid.show();
        Grid.setFocus();
        QTest::keyClick(&Grid, Qt::Key_F2);
        ASSERT_TRUE(Grid.EditorMode());
        EXPECT_EQ(Grid.InplaceEditor()->displayText(), QString::fromUtf8(C.Shown));
        EXPECT_EQ(Grid.InplaceEditor()->Edit_Text(), QString::fromUtf8(C.Stored));
        QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Escape);
        EXPECT_FALSE(Grid.EditorMode());
        EXPECT_EQ(Grid.Cells(1, 1), QString::fromUtf8(C.Stored));
        for (const QString &V : Written)
            EXPECT_EQ(V, QString::fromUtf8(C.Stored));
    }
}

// The editor aligns its text right exactly where the cell (in a merged block, its base
// cell) is right-justified; centred cells edit left-aligned.
TEST(BaseGridEditor, EditorAlignsAsTheCell)
{
    struct TCase { const char *Name; int Col; TAlignment Cell; bool Merged; TAlignment Editor; };
    const TCase Cases[] = {
        {"RightCell", 1, taRightJustify, false, taRightJustify},
        {"LeftCell", 1, taLeftJustify, false, taLeftJustify},
        {"CentredCellEditsLeft", 1, taCenter, false, taLeftJustify},
        {"MergedBlock", 1, taRightJustify, true, taRightJustify},
        {"NoPropertiesLeft", 3, taRightJustify, false, taLeftJustify},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDemoGrid Grid;
        Grid.Set_Options(Grid.Options() + goEditing);
        Grid.GetCellProperties(1, 1)->Set_Alignment(C.Cell);
        if (C.Merged)
            Grid.MergeCells(1, 1, 2, 1);
        Grid.show();
        Grid.setFocus();
        Grid.Set_Col(C.Col);
        QTest::keyClick(&Grid, Qt::Key_F2);
        ASSERT_TRUE(Grid.EditorMode());
        EXPECT_EQ(Grid.InplaceEditor()->Alignment(), C.Editor);
        QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Escape);
    }
}

// The base grid rescales as a plain control: font and size, not its cells.
TEST(BaseGridScale, ChangeScaleKeepsCellSizes)
{
    TDemoGrid Grid;
    Grid.Set_ColWidths(2, 45);
    Grid.ChangeScale(2, 1);
    EXPECT_EQ(Grid.ColWidths(2), 45);
    EXPECT_EQ(Grid.DefaultColWidth(), 60);
    EXPECT_EQ(Grid.RowHeights(1), 20);
    EXPECT_EQ(Grid.Font().Size, 16);
    EXPECT_EQ(Grid.width(), 720);
}

// Right to left: merged areas and cell rectangles are mirrored exactly; each cell keeps
// its grid line inside its own rectangle.
TEST(BaseGridRightToLeft, MirroredGeometryAndLines)
{
    TRightToLeftPlatform Platform;
    TDemoGrid Grid;
    Grid.show();
    const int W = Grid.viewport()->width();
    Grid.MergeCells(1, 1, 2, 2);
    Grid.Set_BiDiMode(bdRightToLeft);
    struct TCase { const char *Name; int Col, Row; TRect Rect; };
    const TCase Cases[] = {
        {"PlainCell", 3, 1, TRect(W - 240, 20, W - 180, 40)},
        {"MergedBase", 1, 1, TRect(W - 180, 20, W - 60, 60)},
        {"MergedMember", 2, 2, TRect(W - 180, 20, W - 60, 60)},
        {"FixedCell", 0, 0, TRect(W - 60, 0, W, 20)},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Grid.CellRect(C.Col, C.Row), C.Rect);
        int MC = -1, MR = -1;
        Grid.MouseToCell(C.Rect.Right - 2, C.Rect.Top + 2, MC, MR);
        EXPECT_EQ(Grid.BaseCell(MC, MR), Grid.BaseCell(C.Col, C.Row));
    }
    // The vertical line of a normal cell: at Right - o (o = 1 for width 1), as left to right.
    TRecordingCanvas Canvas(W, 300);
    const TRect R = Grid.CellRect(3, 1);
    Grid.PaintCell(Canvas, 3, 1, R, TGridDrawState());
    bool Found = false;
    for (const TCanvasOp &Op : Canvas.Ops())
        if (Op.Kind == TCanvasOp::LineTo && Op.Rect.Left == Op.Rect.Right) {
            EXPECT_EQ(Op.Rect.Left, R.Right - 1);
            Found = true;
        }
    EXPECT_TRUE(Found);
    // A picture for the eye: fixed column at the right, the merged block left of it.
    for (int Rw = 0; Rw < Grid.RowCount(); ++Rw)
        for (int C = 0; C < Grid.ColCount(); ++C)
            Grid.SetCellEx(C, Rw, QStringLiteral("%1.%2").arg(C).arg(Rw));
    Grid.SetCellEx(1, 1, QStringLiteral("merged"));
    {
        const QImage Shot(Save_Screenshot(&Grid, QStringLiteral("base_grid_rtl")));
        ASSERT_EQ(Shot.size(), Grid.size());
        const QPoint O = Grid.viewport()->mapTo(&Grid, QPoint(0, 0));
        // the merged block is one face: no grid line where its two columns meet
        const QColor Block = Shot.pixelColor(O + QPoint(W - 175, 25));
        EXPECT_EQ(Shot.pixelColor(O + QPoint(W - 120, 25)), Block);
        EXPECT_EQ(Shot.pixelColor(O + QPoint(W - 65, 55)), Block);
        // the fixed column on the right has another face than the plain cells left of it
        EXPECT_NE(Shot.pixelColor(O + QPoint(W - 55, 25)), Shot.pixelColor(O + QPoint(W - 235, 25)));
    }
    // The key that points left moves to the next column, past the merged block.
    Grid.Set_Col(1);
    Grid.setFocus();
    QTest::keyClick(&Grid, Qt::Key_Left);
    EXPECT_EQ(Grid.Col(), 3);
    QTest::keyClick(&Grid, Qt::Key_Right);
    EXPECT_EQ(Grid.Col(), 1);
}

// Assign copies the stored values of another properties object, but not the owner
// grid, the graphic object, the gradient end, the paint pass, the calculation or the
// gradient direction.
TEST(BaseGridProperties, AssignCopiesTheStoredValuesOnly)
{
    TDemoGrid Grid;
    TObject Graphic, Calc, OtherGraphic, OtherCalc;
    TCellProperties Src(nullptr, 4, 5);
    Src.Set_IsBaseCell(false);
    Src.Set_CellSpanX(2);
    Src.Set_CellSpanY(3);
    Src.Set_CellObject(77);
    Src.Set_Alignment(taRightJustify);
    Src.Set_BorderColor(clRed);
    Src.Set_BorderWidth(2);
    Src.Set_BrushColor(clYellow);
    Src.Set_BrushStyle(bsClear);
    Src.Set_FontColor(clBlue);
    Src.Set_FontStyle({fsBold});
    Src.Set_FontName(QStringLiteral("Courier"));
    Src.Set_FontSize(14);
    Src.Set_ReadOnly(true);
    Src.Set_Editor(edComboList);
    Src.Set_VAlignment(vtaBottom);
    Src.Set_WordWrap(false);
    Src.Set_NodeLevel(3);
    Src.Set_BrushColorTo(clLime);
    Src.Set_PaintID(9);
    Src.Set_CalcType(acSUM);
    Src.Set_CalcObject(&Calc);
    Src.Set_GradientDirection(GradientHorizontal);
    Src.Set_GraphicObject(&Graphic);

    TCellProperties Dst(&Grid, 1, 1);
    Dst.Set_BrushColorTo(clAqua);
    Dst.Set_PaintID(2);
    Dst.Set_CalcType(acAVG);
    Dst.Set_CalcObject(&OtherCalc);
    Dst.Set_GradientDirection(GradientVertical);
    Dst.Set_GraphicObject(&OtherGraphic);
    Dst.Assign(Src);

    // copied
    EXPECT_FALSE(Dst.IsBaseCell());
    EXPECT_EQ(Dst.CellSpanX(), 2);
    EXPECT_EQ(Dst.CellSpanY(), 3);
    EXPECT_EQ(Dst.OwnerCol(), 4);
    EXPECT_EQ(Dst.OwnerRow(), 5);
    EXPECT_EQ(Dst.CellObject(), 77u);
    EXPECT_EQ(Dst.Alignment(), taRightJustify);
    EXPECT_EQ(Dst.BorderColor(), clRed);
    EXPECT_EQ(Dst.BorderWidth(), 2);
    EXPECT_EQ(Dst.BrushColor(), clYellow);
    EXPECT_EQ(Dst.BrushStyle(), bsClear);
    EXPECT_EQ(Dst.FontColor(), clBlue);
    EXPECT_EQ(Dst.FontStyle(), TFontStyles({fsBold}));
    EXPECT_EQ(Dst.FontName(), "Courier");
    EXPECT_EQ(Dst.FontSize(), 14);
    EXPECT_TRUE(Dst.ReadOnly());
    EXPECT_EQ(Dst.Editor(), edComboList);
    EXPECT_EQ(Dst.VAlignment(), vtaBottom);
    EXPECT_FALSE(Dst.WordWrap());
    EXPECT_EQ(Dst.NodeLevel(), 3);
    // kept
    EXPECT_EQ(Dst.OwnerGrid(), &Grid);
    EXPECT_EQ(Dst.BrushColorTo(), clAqua);
    EXPECT_EQ(Dst.PaintID(), 2);
    EXPECT_EQ(Dst.CalcType(), acAVG);
    EXPECT_EQ(Dst.CalcObject(), &OtherCalc);
    EXPECT_EQ(Dst.GradientDirection(), GradientVertical);
    EXPECT_EQ(Dst.GraphicObject(), &OtherGraphic);
}

namespace {
struct TLastRowGrid : TDemoGrid {
    int LastRowCalls = 0;
    void LastRowChanged() override { ++LastRowCalls; }
};
} // namespace

// The reset operations empty cells without freeing their properties (they belong
// elsewhere then); a member of a merged block clears its base cell's text. Writing
// the hidden last row tells LastRowChanged.
TEST(BaseGridReset, ResetClearsTextAndSlotWithoutFreeing)
{
    TLastRowGrid Grid;
    Grid.MergeCells(1, 1, 2, 1);
    Grid.SetCellEx(1, 1, QStringLiteral("base"));
    TCellProperties *Member = Grid.Find_Cell_Props(2, 1);
    ASSERT_NE(Member, nullptr);
    Grid.ResetCell(2, 1);
    EXPECT_EQ(Grid.Cells(1, 1), QString());
    EXPECT_EQ(Grid.Objects(2, 1), nullptr);
    delete Member;   // still alive: the reset did not free it

    Grid.SetCellEx(3, 2, QStringLiteral("x"));
    TCellProperties *P = Grid.GetCellProperties(3, 4);
    Grid.ResetColCells(3);
    EXPECT_EQ(Grid.Cells(3, 2), QString());
    EXPECT_EQ(Grid.Objects(3, 4), nullptr);
    delete P;

    Grid.SetCellEx(2, 5, QStringLiteral("y"));
    TCellProperties *Q = Grid.GetCellProperties(4, 5);
    Grid.ResetRowCells(5);
    EXPECT_EQ(Grid.Cells(2, 5), QString());
    EXPECT_EQ(Grid.Objects(4, 5), nullptr);
    delete Q;

    Grid.Set_HideLastRow(true);
    Grid.SetCellEx(1, 3, QStringLiteral("a"));
    EXPECT_EQ(Grid.LastRowCalls, 0);
    Grid.SetCellEx(1, Grid.RowCount() - 1, QStringLiteral("b"));
    EXPECT_EQ(Grid.LastRowCalls, 1);
}

// Right to left the selection band keeps its rounded ends at its outer edges on screen
// (the first selected column, at the right, takes the right end), and no grid line of a
// neighbour covers its edges.
TEST(BaseGridRightToLeft, SelectionBandEnds)
{
    TRightToLeftPlatform Platform;
    TDemoGrid Grid;
    Grid.Set_BiDiMode(bdRightToLeft);
    Grid.Set_SelectionStyle(ssVista);
    Grid.Set_Options(Grid.Options() + goDrawFocusSelected);
    Grid.Set_Selection(TGridRect{1, 2, 3, 2});   // columns 1..3: x 120..300 on screen
    const QImage Img = Grid.grab().toImage();
    struct TCase { const char *Name; int X, Y; TColor Want; };
    const TCase Cases[] = {
        {"LeftEndOuterCorner", 120, 40, Color_To_RGB(clWindow)},
        {"LeftEndCornerPixel", 121, 40, 0xFCEDCB},
        {"LeftEndEdge", 120, 50, 0xFDDE99},
        {"TopEdge", 200, 40, 0xFDDE99},
        {"RightEndEdge", 298, 50, 0xFDDE99},
        {"OwnGridLineBesideIt", 299, 50, 0xC0C0C0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(From_QColor(QColor(Img.pixel(C.X, C.Y))), C.Want);
    }
}

// Properties of cells beyond a reduced count survive (and return with the cells), and
// are freed with the grid; objects of other owners in such slots are left alone.
TEST(BaseGridLifetime, PropertiesBeyondTheCountsFreedWithTheGrid)
{
    struct TTraced : TCellProperties {
        TTraced(TBaseGrid *G, int C, int R, bool *Freed) : TCellProperties(G, C, R), FFreed(Freed) {}
        ~TTraced() override { *FFreed = true; }
        bool *FFreed;
    };
    bool OwnFreed = false, ForeignFreed = false, InsideFreed = false;
    auto Foreign = std::make_unique<TTraced>(nullptr, 5, 15, &ForeignFreed);
    {
        TDemoGrid Grid;
        Grid.SetCellProperties(5, 18, new TTraced(&Grid, 5, 18, &OwnFreed));
        Grid.SetCellProperties(2, 3, new TTraced(&Grid, 2, 3, &InsideFreed));
        Grid.Set_Objects(5, 15, Foreign.get());
        Grid.Set_RowCount(10);
        Grid.Set_ColCount(4);
        EXPECT_FALSE(OwnFreed);
        Grid.Set_RowCount(20);
        Grid.Set_ColCount(6);
        EXPECT_NE(Grid.Find_Cell_Props(5, 18), nullptr);   // back with the cell
        Grid.Set_RowCount(10);
    }
    EXPECT_TRUE(OwnFreed);
    EXPECT_TRUE(InsideFreed);
    EXPECT_FALSE(ForeignFreed);
}

// The grid's cells, properties and blocks live in its model: counts reduced and
// grown back, moves and merges keep the model consistent, and properties changed
// in place repaint through the model's notice.
TEST(BaseGridModel, OperationsKeepTheModelConsistent)
{
    TDemoGrid Grid;
    struct TStep { const char *Name; std::function<void()> Do; };
    const TStep Steps[] = {
        {"Merge", [&] { Grid.MergeCells(1, 1, 2, 2); Grid.SetCellEx(2, 2, QStringLiteral("m")); }},
        {"Props", [&] { Grid.GetCellProperties(3, 4)->Set_BrushColor(clRed); }},
        {"ReduceCounts", [&] { Grid.Set_RowCount(2); Grid.Set_ColCount(2); }},
        {"GrowBack", [&] { Grid.Set_RowCount(10); Grid.Set_ColCount(6); }},
        {"MoveRowThroughBlock", [&] { Grid.MoveRow(2, 5); }},
        {"MoveColumn", [&] { Grid.MoveColumn(3, 1); }},
        {"FreeAll", [&] { Grid.FreeAllCellProps(); }},
    };
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Name);
        S.Do();
        EXPECT_EQ(Grid.Model().Check_Consistency(), QString());
    }
    EXPECT_EQ(Grid.Cells(2, 1), "m");   // the block's base text, moved one column on
    EXPECT_FALSE(Grid.IsMergedCell(1, 5));   // the moved row left the block, which was split
    EXPECT_FALSE(Grid.HasAnyCellProps() && Grid.HasCellProps(1, 3));
}
