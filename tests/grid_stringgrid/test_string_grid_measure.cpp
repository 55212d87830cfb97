// The room a cell's text needs (markup laid out by the renderer, rich text
// by its document), the group count shown in a node row, and what the
// colour tones give the editors and check boxes.
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols = 4, int Rows = 8)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    G->Set_DefaultColWidth(120);
    G->resize(500, 300);
    return G;
}
}

// Markup is measured as laid out: bold text is wider than the same text
// plain, and each line break adds a line.
TEST(StringGridMeasure, MarkupAndRichText)
{
    auto G = Make_Grid();
    G->Set_Cells(1, 1, QStringLiteral("wide wide wide"));
    G->Set_Cells(1, 2, QStringLiteral("<b>wide wide wide</b>"));
    G->Set_Cells(1, 3, QStringLiteral("a<BR>b<BR>c"));
    G->Set_Cells(1, 4, QStringLiteral("{\\rtf1 a\\par b\\par c\\par d}"));
    const TPoint Plain = G->GetCellTextSize(1, 1, false, false);
    const TPoint Bold = G->GetCellTextSize(1, 2, false, false);
    const TPoint Lines = G->GetCellTextSize(1, 3, false, false);
    const TPoint Rich = G->GetCellTextSize(1, 4, false, false);
    EXPECT_GT(Bold.X, Plain.X);
    EXPECT_GE(Lines.Y, 3 * (Plain.Y - 2));
    EXPECT_GE(Rich.Y, 4 * (Plain.Y - 2));
    EXPECT_GT(Rich.X, 0);
    EXPECT_LT(Rich.X, Plain.X);
}

// A group's node row shows the number of its items after the text of
// column 1, in the grid's count format (a plain " (n)" without one).
TEST(StringGridMeasure, GroupCount)
{
    struct TCase { const char *Name; bool Show; QString Format; QString Want; };
    const TCase Cases[] = {
        {"Off", false, QStringLiteral("(%d)"), QStringLiteral("group")},
        {"DefaultFormat", true, QStringLiteral("(%d)"), QStringLiteral("group(3)")},
        {"OwnFormat", true, QStringLiteral(" [%d items]"), QStringLiteral("group [3 items]")},
        {"NoFormat", true, QString(), QStringLiteral("group (3)")},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto G = Make_Grid();
        G->Set_Cells(1, 1, QStringLiteral("group"));
        G->Set_Cells(1, 2, QStringLiteral("item"));
        G->AddNode(1, 4);
        G->Grouping().ShowGroupCount = K.Show;
        G->Grouping().GroupCountFormat = K.Format;
        EXPECT_EQ(G->GetCellEx(1, 1), K.Want);
        // other columns and item rows keep their text
        EXPECT_EQ(G->GetCellEx(1, 2), QStringLiteral("item"));
        EXPECT_EQ(G->GetCellEx(2, 1), QString());
    }
}

TEST(StringGridMeasure, ColorTonesReachEditorsAndBoxes)
{
    auto G = Make_Grid();
    TColorTones T;
    T.Background = {clWhite, clSilver, clBlack};
    T.Foreground = {RGB_Color(0, 114, 198), clNone, clWhite};
    T.Selected = {RGB_Color(205, 230, 247), clNone, clBlack};
    T.Hover = {RGB_Color(230, 240, 250), clNone, clBlack};
    G->SetColorTones(T);
    const TControlLook &L = G->ControlLook();
    EXPECT_EQ(L.ControlStyle, csGlyph);
    for (const QImage *I : {&L.CheckedGlyph, &L.UnCheckedGlyph, &L.RadioOnGlyph, &L.RadioOffGlyph})
        EXPECT_EQ(I->size(), QSize(16, 16));
    EXPECT_NE(L.CheckedGlyph, L.UnCheckedGlyph);
    EXPECT_NE(L.RadioOnGlyph, L.RadioOffGlyph);
    EXPECT_EQ(G->SpinEdit()->Button()->ButtonColor, clWhite);
    EXPECT_EQ(G->SpinEdit()->Button()->ButtonColorHot, T.Hover.BrushColor);
    EXPECT_EQ(G->BtnEdit()->Button()->ButtonColorDown, T.Selected.BrushColor);
    EXPECT_EQ(G->Combobox()->ButtonBorderColor, clSilver);
    EXPECT_TRUE(G->Combobox()->Flat());
    EXPECT_EQ(G->Combobox()->BorderColor(), G->Color());
    EXPECT_TRUE(G->DateTimePicker()->MetroStyle());
    EXPECT_EQ(G->DateTimePicker()->BorderColor(), clWhite);
    EXPECT_EQ(G->FloatingFooter().Color, T.Foreground.BrushColor);
}
