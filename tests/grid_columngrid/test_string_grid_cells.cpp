// The string grid's cell accessors, editor text, rich-text cells, rotated
// text, control look, and auto-size.
#include "TestSupport.h"
#include "grid/model/TextRoutines.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "toolkit/RichEdit.h"
#include <gtest/gtest.h>
#include <memory>
#include <cmath>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &S, std::ostream *Os) { *Os << '"' << S.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols = 5, int Rows = 6)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    return G;
}
} // namespace

// --- cell accessors ------------------------------------------------------------------------------

// Reading a look creates no properties (word wrap excepted); writing creates them.
TEST(CellAccessors, ReadCreatesNothingWriteStores)
{
    auto G = Make_Grid();
    struct TCase { const char *Name; std::function<long long()> Read; long long Unset; };
    const TCase Cases[] = {
        {"Colors", [&] { return (long long)G->GetColors(2, 2); }, clNone},
        {"ColorsTo", [&] { return (long long)G->GetColorsTo(2, 2); }, clNone},
        {"FontColors", [&] { return (long long)G->GetFontColors(2, 2); }, clNone},
        {"FontSizes", [&] { return (long long)G->GetFontSizes(2, 2); }, 0},
        {"Alignments", [&] { return (long long)G->GetAlignments(2, 2); }, taLeftJustify},
        {"ReadOnly", [&] { return (long long)G->GetReadOnly(2, 2); }, 0},
        {"GradientDir", [&] { return (long long)G->GetGradientDir(2, 2); }, GradientVertical},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Read(), C.Unset);
        EXPECT_FALSE(G->HasCellProps(2, 2));
    }
    EXPECT_TRUE(G->GetFontNames(2, 2).isEmpty());
    EXPECT_TRUE(G->GetWordWraps(2, 2));
    EXPECT_TRUE(G->HasCellProps(2, 2));

    G->SetColors(3, 3, 0x112233);
    G->SetFontColors(3, 3, 0x445566);
    G->SetAlignments(3, 3, taCenter);
    G->SetReadOnly(3, 3, true);
    G->SetFontSizes(3, 3, 12);
    EXPECT_EQ(G->GetColors(3, 3), 0x112233);
    EXPECT_EQ(G->GetFontColors(3, 3), 0x445566);
    EXPECT_EQ(G->GetAlignments(3, 3), taCenter);
    EXPECT_TRUE(G->GetReadOnly(3, 3));
    EXPECT_EQ(G->GetFontSizes(3, 3), 12);
}

// Row colouring; clNone gives plain cells' properties up.
TEST(CellAccessors, RowColours)
{
    auto G = Make_Grid();
    G->SetRowColor(2, 0x00FF00);
    for (int C = 1; C < 5; ++C)
        EXPECT_EQ(G->GetColors(C, 2), 0x00FF00);
    EXPECT_FALSE(G->HasCellProps(0, 2));   // fixed column left alone
    G->AddCheckBox(3, 2, true, false);
    G->SetRowColor(2, clNone);
    for (int C = 1; C < 5; ++C)
        EXPECT_EQ(G->HasCellProps(C, 2), C == 3);
    // the cell with a graphic keeps it and loses only its colour
    EXPECT_EQ(G->GetCellType(3, 2), ctCheckBox);
    EXPECT_EQ(G->GetCellProperties(3, 2)->BrushColor(), clNone);
    G->SetRowFontColor(3, 0x0000FF);
    EXPECT_EQ(G->GetFontColors(4, 3), 0x0000FF);
    G->SetRowFontColor(3, clNone);   // a cell with its own background keeps its properties
    EXPECT_TRUE(G->HasCellProps(4, 3));
    G->SetColors(4, 3, clNone);
    G->SetRowFontColor(3, clNone);
    EXPECT_FALSE(G->HasCellProps(4, 3));
}

// Cells of hidden rows are written where they wait, growing their saved texts.
// Cells as they stood before a sort (the cross-reference a sort leaves) and
// before columns were moved.
TEST(CellAccessors, UnsortedAndOriginalAddressing)
{
    auto G = Make_Grid(4, 6);
    for (int R = 0; R < 6; ++R)
        for (int C = 0; C < 4; ++C)
            G->Set_Cells(C, R, QStringLiteral("%1/%2").arg(C).arg(R));
    // Never sorted: every row is where it was.
    EXPECT_EQ(G->SortedRowIndex(3), 3);
    EXPECT_EQ(G->UnSortedRowIndex(3), 3);
    EXPECT_EQ(G->GetUnSortedCell(1, 3), QStringLiteral("1/3"));

    // Rows 1..3 were 3, 1, 2 before the sort (the texts stay where they are).
    G->SortRowXRef() = {0, 3, 1, 2, 4, 5};
    struct TCase { const char *Name; int Row, Sorted, Unsorted; };
    const TCase Cases[] = {
        {"Moved", 1, 3, 2},
        {"MovedBack", 3, 2, 1},
        {"Stayed", 4, 4, 4},
        {"NotInList", 9, 9, 6},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(G->SortedRowIndex(C.Row), C.Sorted);
        EXPECT_EQ(G->UnSortedRowIndex(C.Row), C.Unsorted);
    }
    EXPECT_EQ(G->GetUnSortedCell(2, 3), QStringLiteral("2/1"));
    G->SetUnSortedCell(2, 1, QStringLiteral("was row 1"));
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("was row 1"));
    EXPECT_TRUE(G->GetUnSortedCell(2, 7).isEmpty());   // beyond the list and the rows

    // Column 0 moved to position 2: its cells are still reached as column 0.
    EXPECT_EQ(G->ColumnPosition(0), 0);
    G->MoveColumn(0, 2);
    EXPECT_EQ(G->ColumnPosition(0), 2);
    EXPECT_EQ(G->ColumnPosition(1), 0);
    EXPECT_EQ(G->GetOriginalCells(0, 4), QStringLiteral("0/4"));
    G->SetOriginalCells(1, 4, QStringLiteral("one"));
    EXPECT_EQ(G->Cells(0, 4), QStringLiteral("one"));
}

TEST(CellAccessors, HiddenRowWritesGrowSavedTexts)
{
    auto G = Make_Grid(3, 6);
    G->Set_Cells(1, 3, QStringLiteral("kept"));
    G->HideRow(3);
    G->Set_ColCount(6);   // the saved texts are shorter than the new columns
    G->SetGridCellsEx(5, 3, QStringLiteral("raw"));
    G->SetCellsEx(4, 3, QStringLiteral("typed"));
    EXPECT_EQ(G->GetGridCellsEx(5, 3), QStringLiteral("raw"));
    EXPECT_EQ(G->GetCellsEx(4, 3), QStringLiteral("typed"));
    // The saved row as a whole: its texts (grown to the new columns) and objects.
    const std::optional<TGridRowData> Saved = G->HiddenRowStrings(3);
    ASSERT_TRUE(Saved.has_value());
    ASSERT_EQ(Saved->size(), 6u);
    EXPECT_EQ((*Saved)[1].Text, QStringLiteral("kept"));
    EXPECT_EQ((*Saved)[4].Text, QStringLiteral("typed"));
    EXPECT_FALSE(G->HiddenRowStrings(2).has_value());
    G->UnHideRow(3);
    EXPECT_FALSE(G->HiddenRowStrings(3).has_value());
    EXPECT_EQ(G->Cells(1, 3), QStringLiteral("kept"));
    EXPECT_EQ(G->Cells(4, 3), QStringLiteral("typed"));
    EXPECT_EQ(G->Cells(5, 3), QStringLiteral("raw"));
    EXPECT_TRUE(G->GetGridCellsEx(-1, 3).isEmpty());
}

TEST(CellAccessors, WidthsCurrentCellAndZoom)
{
    auto G = Make_Grid(5, 6);
    G->Set_ColWidths(2, 70);
    G->HideColumn(2);
    EXPECT_EQ(G->GetAllColWidths(2), 70);
    EXPECT_EQ(G->GetAllColWidths(3), G->ColWidths(2));
    G->SetAllColWidths(2, 55);
    G->UnHideColumn(2);
    EXPECT_EQ(G->ColWidths(2), 55);

    G->Set_Cells(3, 2, QStringLiteral("<b>bold</b>"));
    G->FocusCell(3, 2);
    EXPECT_EQ(G->GetCurrentCell(), QStringLiteral("<b>bold</b>"));
    G->SetCurrentCell(QStringLiteral("new"));
    EXPECT_EQ(G->Cells(3, 2), QStringLiteral("new"));

    const int W = G->ColWidths(1);
    G->Zoom(5);
    G->Zoom(5);
    EXPECT_EQ(G->ZoomFactor(), 10);
    EXPECT_EQ(G->ColWidths(1), W + 10);
    G->Zoom(5);
    EXPECT_EQ(G->ZoomFactor(), 10);
    EXPECT_EQ(G->ColWidths(1), W + 10);
}

// --- editor text ---------------------------------------------------------------------------------

// Only markup loses its tags when an edit starts; a plain text with angle
// brackets opens as stored.
TEST(EditorText, StartTextStripsOnlyMarkup)
{
    auto G = Make_Grid();
    struct TCase { const char *Name; const char *Stored; bool WithTags; const char *Want; };
    const TCase Cases[] = {
        {"BoldWordIsBare", "<b>word</b>", false, "word"},
        {"BoldWordWithTags", "<b>word</b>", true, "<b>word</b>"},
        {"TopicPathUnchanged", "topic/<id>/t", false, "topic/<id>/t"},
        {"LessThanUnchanged", "a < b", false, "a < b"},
        {"PlainUnchanged", "plain", false, "plain"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_EditWithTags(C.WithTags);
        G->Set_Cells(2, 2, QString::fromLatin1(C.Stored));
        EXPECT_EQ(G->GetEditText(2, 2), QString::fromLatin1(C.Want));
    }
}

// The editor's text is written back only when it changed, so a markup cell
// closed untouched keeps its tags.
TEST(EditorText, WrittenBackOnlyWhenChanged)
{
    auto G = Make_Grid();
    G->Set_Options(G->Options() + goEditing);
    G->show();
    G->Set_Cells(2, 2, QStringLiteral("<b>word</b>"));
    G->FocusCell(2, 2);
    G->ShowEditor();
    ASSERT_TRUE(G->EditorMode());
    EXPECT_EQ(G->InplaceEditor()->text(), QStringLiteral("word"));
    G->HideEditor();
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("<b>word</b>"));
    G->ShowEditor();
    G->InplaceEditor()->setText(QStringLiteral("words"));
    G->HideEditor();
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("words"));
    // Back to the very text it opened with, after a change: written too.
    G->Set_Cells(2, 3, QStringLiteral("<i>x</i>"));
    G->FocusCell(2, 3);
    G->ShowEditor();
    G->InplaceEditor()->setText(QStringLiteral("xy"));
    G->InplaceEditor()->setText(QStringLiteral("x"));
    G->HideEditor();
    EXPECT_EQ(G->Cells(2, 3), QStringLiteral("x"));
}

TEST(EditorText, LayoutHelpers)
{
    auto G = Make_Grid(3, 4);
    G->Set_XYOffset(TPoint(2, 3));
    EXPECT_EQ(G->TotalXOffset(), 4);
    EXPECT_EQ(G->TotalYOffset(), 6);
    G->Set_XYOffsetTopLeftOnly(true);
    EXPECT_EQ(G->TotalXOffset(), 2);
    EXPECT_EQ(G->TotalYOffset(), 3);

    G->Set_Cells(1, 2, QStringLiteral("ab\r\nabcd"));
    G->Set_MultilineCells(true);
    EXPECT_EQ(G->MaxColLineLength(1), 4);
    EXPECT_EQ(G->MaxLinesInRow(2), 2);
    G->Set_MultilineCells(false);
    EXPECT_EQ(G->MaxColLineLength(1), 2);
    EXPECT_EQ(G->MaxLinesInRow(2), 1);
    EXPECT_EQ(G->MaxColLineLength(2), 0);
}

// A rich-text cell in the rich edit's own form survives a trip through the editor.
TEST(EditorText, RichTextCellsRoundTrip)
{
    auto G = Make_Grid();
    TRichEdit Source;
    Source.Set_Text(QStringLiteral("Hello rich cell"));
    const QString Rtf = G->RichToString(Source);
    ASSERT_TRUE(Rtf.startsWith(QStringLiteral("{\\rtf")));
    G->Set_Cells(2, 2, Rtf);
    TRichEdit Edit;
    G->CellToRich(2, 2, Edit);
    EXPECT_EQ(Edit.Text(), QStringLiteral("Hello rich cell"));
    G->RichToCell(3, 3, Edit);
    EXPECT_EQ(G->Cells(3, 3), Rtf);
    // An empty cell empties the rich edit.
    G->CellToRich(4, 4, Edit);
    EXPECT_TRUE(Edit.Text().isEmpty());
}

// Rotated text starts where its quadrant's rule puts it.
TEST(EditorText, RotatedTextRect)
{
    struct TCase { const char *Name; int HA, VA, Angle; TPoint Want; };
    // Rect (10, 20)-(110, 70); HC 5, WS 40, HS 6, WC 30.
    const TCase Cases[] = {
        {"Q1LeftTop", 0, 0, 45, TPoint(10, 60)},
        {"Q1RightBottom", 1, 2, 90, TPoint(74, 65)},
        {"Q1CentreCentre", 2, 1, 30, TPoint(42, 62)},
        {"Q2LeftTop", 0, 0, 180, TPoint(40, 65)},
        {"Q3RightBottom", 1, 2, 270, TPoint(110, 30)},
        {"Q4LeftTop", 0, 0, 300, TPoint(16, 20)},
        {"Q4CentreCentre", 2, 1, 359, TPoint(48, 22)},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TRect R(10, 20, 110, 70);
        RotatedTextRect(R, C.HA, C.VA, C.Angle, 5, 40, 6, 30);
        EXPECT_EQ(TPoint(R.Left, R.Top), C.Want);
        EXPECT_EQ(TPoint(R.Right, R.Bottom), TPoint(110, 70));
    }
    // At 90 degrees, left and top, the text starts its width below the inset top.
    auto G = Make_Grid();
    TRect R(0, 0, 200, 100);
    G->PlaceRotatedText(R, 90, QStringLiteral("Up"), 0, 0);
    EXPECT_EQ(TPoint(R.Left, R.Top), TPoint(2, 2 + G->Canvas().TextWidth(QStringLiteral("Up"))));
}

// --- control look --------------------------------------------------------------------------------

TEST(ControlLook, ProgressAppearanceChangesOnlyOnNewValues)
{
    TGridProgressAppearance P;
    int Changes = 0;
    P.OnChange = [&](QObject *) { ++Changes; };
    EXPECT_EQ(P.CompleteColor(), 0x0000FF);
    EXPECT_EQ(P.Level1Perc(), 70);
    EXPECT_EQ(P.Steps(), 11);
    EXPECT_TRUE(P.ShowGradient());
    P.Set_CompleteColor(0x0000FF);
    EXPECT_EQ(Changes, 0);
    P.Set_CompleteColor(0x00FF00);
    EXPECT_EQ(Changes, 1);
    TGridProgressAppearance Q;
    Q.Set_Steps(3);
    P.Assign(Q);
    EXPECT_EQ(Changes, 2);
    EXPECT_EQ(P.Steps(), 3);
    EXPECT_EQ(P.CompleteColor(), 0x0000FF);
}

// A new grid's fixed-cell looks: hover grey to white with a silver frame,
// pressed grey to silver with a grey frame, in the look and in the colours
// painting reads; clNone reaches the grid only for the mirror colours.
TEST(ControlLook, InitialLooksAndWriteThrough)
{
    auto G = Make_Grid();
    const TControlLook &L = G->ControlLook();
    struct TCase { const char *Name; TColor Own, Effective, Want; };
    const TCase Cases[] = {
        {"HoverFrom", L.Fixed().HoverFrom, G->FixedGradient().HoverFrom, 0x808080},
        {"HoverTo", L.Fixed().HoverTo, G->FixedGradient().HoverTo, 0xFFFFFF},
        {"HoverBorder", L.Fixed().HoverBorder, G->FixedGradient().HoverBorder, 0xC0C0C0},
        {"DownFrom", L.Fixed().DownFrom, G->FixedGradient().DownFrom, 0x808080},
        {"DownTo", L.Fixed().DownTo, G->FixedGradient().DownTo, 0xC0C0C0},
        {"DownBorder", L.Fixed().DownBorder, G->FixedGradient().DownBorder, 0x808080},
        {"From", L.Fixed().From, L.Fixed().From, clNone},
        {"HoverMirrorFrom", L.Fixed().HoverMirrorFrom, G->FixedGradient().HoverMirrorFrom, clNone},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Own, C.Want);
        EXPECT_EQ(C.Effective, C.Want);
    }
    EXPECT_EQ(L.CheckSize, 15);
    EXPECT_EQ(L.RadioSize, 10);
    EXPECT_EQ(L.ControlStyle, csTheme);
    EXPECT_EQ(L.DropDownCount, 8);
    EXPECT_EQ(L.HintMaxWidth, 0);
    EXPECT_EQ(L.CommentColor, 0x0000FF);
    EXPECT_EQ(L.ProgressBorderColor, 0x808080);

    TControlLook &W = G->ControlLook();
    W.Set_FixedGradientFrom(0x112233);
    W.Set_FixedGradientFrom(clNone);   // the grid keeps its colour
    EXPECT_EQ(G->FixedGradient().From, 0x112233);
    EXPECT_EQ(W.Fixed().From, clNone);
    W.Set_FixedGradientMirrorTo(0x445566);
    W.Set_FixedGradientMirrorTo(clNone);   // a mirror colour always goes through
    EXPECT_EQ(G->FixedGradient().MirrorTo, clNone);
}

// Assign copies each setting into the same setting, leaves the grid's colours
// and the settings it does not copy alone.
TEST(ControlLook, AssignCopiesSettingsNotGridColours)
{
    auto Source = Make_Grid();
    auto Target = Make_Grid();
    TControlLook &S = Source->ControlLook();
    S.Set_FixedGradientFrom(0x010203);
    S.Set_FixedGradientTo(0x040506);
    S.Set_CheckSize(20);
    S.DropDownCount = 12;
    S.CheckAlwaysActive = true;
    S.Set_FlatButton(true);
    S.Set_ProgressXP(true);
    const TColor GridFrom = Target->FixedGradient().From;
    Target->ControlLook().Assign(S);
    const TControlLook &T = Target->ControlLook();
    EXPECT_EQ(T.Fixed().From, 0x010203);
    EXPECT_EQ(T.Fixed().To, 0x040506);
    EXPECT_EQ(T.CheckSize, 20);
    EXPECT_EQ(T.DropDownCount, 12);
    EXPECT_TRUE(T.CheckAlwaysActive);
    EXPECT_FALSE(T.FlatButton);
    EXPECT_FALSE(T.ProgressXP);
    EXPECT_EQ(Target->FixedGradient().From, GridFrom);
}

// --- auto-size -----------------------------------------------------------------------------------

TEST(AutoSize, ColumnsRowsAndLimits)
{
    auto G = Make_Grid(4, 5);
    TCanvas &Cv = G->Canvas();
    const int Inset = G->TotalXOffset() + 2 * G->GridLineWidth() + 2;
    G->Set_Cells(1, 0, QStringLiteral("Header text that is wide"));
    G->Set_Cells(1, 2, QStringLiteral("short"));
    G->Set_FixedFooters(1);
    G->Set_Cells(1, 4, QStringLiteral("footer text wider than anything else"));
    // Header cells are measured with the fixed font.
    struct TCase { const char *Name; TAutoSizeRows Rows; const char *Widest; bool Fixed; };
    const TCase Cases[] = {
        {"AllRows", arAll, "footer text wider than anything else", false},
        {"NormalRowsOnly", arNormal, "short", false},
        {"FixedRowsOnly", arFixed, "Header text that is wide", true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->ColumnSize().Set_Rows(C.Rows);
        G->AutoSizeCol(1, 0);
        Cv.Font = C.Fixed ? G->FixedFont() : G->Font();
        EXPECT_EQ(G->ColWidths(1), Cv.TextWidth(QString::fromLatin1(C.Widest)) + Inset);
    }
    Cv.Font = G->Font();
    // Grow-only keeps a wider column; limits clamp, equal limits do not.
    G->ColumnSize().Set_Rows(arNormal);
    G->Set_ColWidths(1, 300);
    G->Set_SizeGrowOnly(true);
    G->AutoSizeCol(1, 0);
    EXPECT_EQ(G->ColWidths(1), 300);
    G->Set_SizeGrowOnly(false);
    G->Set_MinColWidth(100);
    G->AutoSizeCol(1, 0);
    EXPECT_EQ(G->ColWidths(1), 100);
    G->Set_MaxColWidth(100);
    G->AutoSizeCol(1, 0);
    EXPECT_EQ(G->ColWidths(1), Cv.TextWidth(QStringLiteral("short")) + Inset);
    G->Set_MinColWidth(0);
    G->Set_MaxColWidth(0);
    G->AutoSizeCol(1, 5);
    EXPECT_EQ(G->ColWidths(1), Cv.TextWidth(QStringLiteral("short")) + Inset + 5);

    // Rows: two lines of text are twice as high as one.
    G->Set_WordWrap(false);
    G->Set_Cells(2, 1, QStringLiteral("one\r\ntwo"));
    G->AutoSizeRow(1, 0);
    const int Line = Cv.TextHeight(QStringLiteral("gh"));
    EXPECT_EQ(G->RowHeights(1), G->TotalYOffset() + 2 * Line + 2 * G->GridLineWidth());
}

// The sort glyph's and the filter glyph's room: only in the sorted column's
// sort row, and only for a column that offers a filter list.
TEST(AutoSize, GlyphRoomInHeaderCells)
{
    auto G = Make_Grid(4, 5);
    TCanvas &Cv = G->Canvas();
    Cv.Font = G->FixedFont();
    const int Inset = G->TotalXOffset() + 2 * G->GridLineWidth() + 2;
    const QString Title = QStringLiteral("A rather wide title");
    G->ColumnSize().Set_Rows(arFixed);
    G->Set_Cells(1, 0, Title);
    G->Set_Cells(1, 2, QStringLiteral("x"));
    G->SortSettings().Set_Show(true);
    struct TCase { const char *Name; int SortColumn; bool Filter; int Extra; };
    const TCase Cases[] = {
        {"Neither", -1, false, 0},
        {"SortedColumn", 1, false, 10},
        {"OtherColumnSorted", 2, false, 0},
        {"FilterList", -1, true, 12},
        {"Both", 1, true, 22},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->SortSettings().Column = C.SortColumn;
        G->Set_FilterDropDownAuto(C.Filter);
        G->AutoSizeCol(1, 0);
        EXPECT_EQ(G->ColWidths(1), Cv.TextWidth(Title) + Inset + C.Extra);
    }
}

// A cell's graphic counts with its text: a button beside the text widens the
// column by the button; a full-width button with an empty cell sets the width
// alone (its caption plus a little room); a full-height graphic in an empty
// cell gives the row the default height, in a cell with text no extra height.
TEST(AutoSize, GraphicsCountWithTheText)
{
    auto G = Make_Grid(4, 4);
    TCanvas &Cv = G->Canvas();
    Cv.Font = G->Font();
    const int Inset = G->TotalXOffset() + 2 * G->GridLineWidth() + 2;
    G->ColumnSize().Set_Rows(arNormal);
    const QString Text = QStringLiteral("text beside");
    const QString Caption = QStringLiteral("A wide button caption, wider than the text");
    struct TCase { const char *Name; const char *Cell; TCellHAlign Align; int Expected; };
    const TCase Cases[] = {
        {"ButtonBesideText", "text beside", haBeforeText, 40 + Cv.TextWidth(Text) + Inset},
        {"FullWidthButtonAlone", "", haFull,
         Cv.TextWidth(Caption) + 4 - (2 * G->GridLineWidth() + 2 + G->XYOffset().X) + Inset},
        {"NoGraphic", "text beside", haLeft, Cv.TextWidth(Text) + Inset},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_Cells(1, 1, QString::fromLatin1(C.Cell));
        G->RemoveCellGraphic(1, 1);
        if (C.Align != haLeft)
            G->AddButton(1, 1, 40, 18, Caption, C.Align, vaCenter);
        G->AutoSizeCol(1, 0);
        EXPECT_EQ(G->ColWidths(1), C.Expected);
    }

    const int Line = Cv.TextHeight(QStringLiteral("gh"));
    G->RemoveCellGraphic(1, 1);
    G->Set_Cells(1, 1, QString());
    G->AddButton(1, 1, 40, 18, Caption, haLeft, vaFull);
    G->Set_RowHeights(1, 80);
    G->AutoSizeRow(1, 0);
    EXPECT_EQ(G->RowHeights(1), G->TotalYOffset() + G->DefaultRowHeight() + 2 * G->GridLineWidth());
    G->Set_Cells(1, 1, Text);
    G->AutoSizeRow(1, 0);
    EXPECT_EQ(G->RowHeights(1), G->TotalYOffset() + Line + 2 * G->GridLineWidth());
}

TEST(AutoSize, FitToWidthAndSizeToCells)
{
    auto G = Make_Grid(4, 3);
    G->resize(400, 200);
    G->Set_ScrollBars(ssNone);
    G->AutoFitColumns(true);
    int Sum = 0;
    for (int C = 0; C < 4; ++C)
        Sum += G->ColWidths(C);
    EXPECT_EQ(Sum, 400 - 4);   // the frame deducted, no scroll bar
    std::vector<int> Before;
    for (int C = 0; C < 4; ++C)
        Before.push_back(G->ColWidths(C));
    G->AutoFitColumns(true);   // already filling the room: nothing changes
    for (int C = 0; C < 4; ++C)
        EXPECT_EQ(G->ColWidths(C), Before[static_cast<size_t>(C)]);

    auto One = Make_Grid(1, 3);
    One->resize(300, 100);
    One->Set_ScrollBars(ssNone);
    One->AutoFitColumns(true);
    EXPECT_EQ(One->ColWidths(0), 300 - 5);

    // halves round to even: 100 x 401 / 200 is 200.5, so both columns take
    // 200 and the pixel left over goes to the first widest column
    auto Two = Make_Grid(2, 3);
    Two->resize(405, 100);
    Two->Set_ScrollBars(ssNone);
    Two->Set_Options(Two->Options() - goVertLine - goFixedVertLine);
    ASSERT_EQ(Two->BorderStyle(), bsSingle);
    Two->Set_ColWidths(0, 100);
    Two->Set_ColWidths(1, 100);
    Two->AutoFitColumns(true);
    EXPECT_EQ(Two->ColWidths(0), 201);
    EXPECT_EQ(Two->ColWidths(1), 200);

    G->Set_ScrollBars(ssBoth);
    G->SizeToCells();
    EXPECT_EQ(G->ScrollBars(), ssBoth);
}

// A data check box cell's row is the default height.
TEST(AutoSize, CheckBoxRowIsDefaultHeight)
{
    VIdiDidireDedu G;
    G.Set_ColCount(3);
    G.Columns().Items(2)->Set_Editor(edDataCheckBox);
    G.Set_RowHeights(1, 60);
    G.AutoSizeRow(1, 0);
    EXPECT_EQ(G.RowHeights(1), G.TotalYOffset() + G.DefaultRowHeight() + 2 * G.GridLineWidth());
}

// Objects inside properties, controls over cells, scaling, sizing refusals.
TEST(CellAccessors, ObjectsControlsScaleAndSizing)
{
    auto G = Make_Grid(4, 5);
    G->resize(400, 200);
    G->show();
    TObject Tag;
    G->SetObjectsEx(1, 2, &Tag);
    EXPECT_EQ(G->GetObjectsEx(1, 2), &Tag);
    G->SetColors(1, 2, 0x010203);   // the slot now holds properties (the object moves in)
    G->SetObjectsEx(1, 2, &Tag);
    EXPECT_EQ(G->GetObjectsEx(1, 2), &Tag);

    QWidget Box;
    G->SetCellControls(2, 2, &Box);
    EXPECT_EQ(G->GetCellControls(2, 2), &Box);
    EXPECT_EQ(G->NumCellControls(), 1);
    const TRect R = G->CellRect(2, 2);
    EXPECT_EQ(Box.geometry(), QRect(R.Left - 1, R.Top - 1, R.Right - R.Left + 1, R.Bottom - R.Top + 1));
    G->SetCellControls(2, 2, nullptr);
    EXPECT_EQ(G->GetCellControls(2, 2), nullptr);
    EXPECT_EQ(G->NumCellControls(), 0);

    const int Fixed = G->FixedFont().Size;
    G->ChangeScale(3, 2);
    EXPECT_EQ(G->FixedFont().Size, static_cast<int>(std::lround(Fixed * 1.5)));

    G->Set_Options(G->Options() + goColSizing);
    int Asked = -1;
    G->OnColumnSize = [&](QObject *, int C, bool &Allow) {
        Asked = C;
        Allow = false;
    };
    TGridState State = gsNormal;
    int Index = -1, Pos = 0, Ofs = 0;
    TGridDrawInfo Info;
    const TRect H = G->CellRect(1, 0);
    G->CalcSizingState(H.Right, (H.Top + H.Bottom) / 2, State, Index, Pos, Ofs, Info);
    EXPECT_EQ(Asked, 1);
    EXPECT_EQ(State, gsNormal);
}

// A drop-down column whose button always shows is 16 pixels wider than its text.
TEST(AutoSize, AlwaysVisibleDropDownAddsButtonRoom)
{
    VIdiDidireDedu G;
    G.Set_ColCount(3);
    G.ColumnSize().Set_Rows(arNormal);
    G.Columns().Items(1)->Set_Editor(edComboList);
    G.Set_Cells(1, 2, QStringLiteral("choice"));
    const int Plain = G.Canvas().TextWidth(QStringLiteral("choice")) + G.TotalXOffset() + 2 * G.GridLineWidth() + 2;
    G.AutoSizeCol(1, 0);
    EXPECT_EQ(G.ColWidths(1), Plain);
    G.ControlLook().DropDownAlwaysVisible = true;
    G.AutoSizeCol(1, 0);
    EXPECT_EQ(G.ColWidths(1), Plain + 16);
}
