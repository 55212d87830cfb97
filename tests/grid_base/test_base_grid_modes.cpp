#include "GridTestSupport.h"
#include "platform/Locale.h"
#include "TestSupport.h"
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

// The base grid's in-place editor mask, screen density and right-to-left mode.

// The editor enforces the mask the grid asks for, in the original mask syntax.
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

// Right to left: merged areas and cell rectangles are mirrored, and the right grid
// line moves one pixel further right.
TEST(BaseGridRightToLeft, MirroredGeometryAndLines)
{
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
    // The vertical line of a normal cell: at Right - o + 1 (o = 1 for width 1).
    TRecordingCanvas Canvas(W, 300);
    const TRect R = Grid.CellRect(3, 1);
    Grid.PaintCell(Canvas, 3, 1, R, TGridDrawState());
    bool Found = false;
    for (const TCanvasOp &Op : Canvas.Ops())
        if (Op.Kind == TCanvasOp::LineTo && Op.Rect.Left == Op.Rect.Right) {
            EXPECT_EQ(Op.Rect.Left, R.Right);
            Found = true;
        }
    EXPECT_TRUE(Found);
    // A picture for the eye: fixed column at the right, the merged block left of it.
    for (int R = 0; R < Grid.RowCount(); ++R)
        for (int C = 0; C < Grid.ColCount(); ++C)
            Grid.SetCellEx(C, R, QStringLiteral("%1.%2").arg(C).arg(R));
    Grid.SetCellEx(1, 1, QStringLiteral("merged"));
    Save_Screenshot(&Grid, QStringLiteral("base_grid_rtl"));
    // The key that points left moves to the next column, past the merged block.
    Grid.Set_Col(1);
    Grid.setFocus();
    QTest::keyClick(&Grid, Qt::Key_Left);
    EXPECT_EQ(Grid.Col(), 3);
    QTest::keyClick(&Grid, Qt::Key_Right);
    EXPECT_EQ(Grid.Col(), 1);
}
