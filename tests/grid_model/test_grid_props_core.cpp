// The cell property values, the save options and the HTML and print settings
// as plain Core values: their defaults are the grid's, values travel with
// their cell through the model, and the save range follows the options.
#include "grid/model/CellPropValues.h"
#include "grid/model/GridOutputSettings.h"
#include "grid/model/GridSaveOptions.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
struct TRangeListener : IGridModelListener {
    std::vector<TCellRange> Ranges;
    void Model_Cells_Changed(const TCellRange &Range) override { Ranges.push_back(Range); }
    void Model_Structure_Changed() override {}
};
} // namespace

// Every default, as the grid had them when they were fields of its widgets.
TEST(GridCoreValues, DefaultsAreTheGrids)
{
    const TCellPropValues P(nullptr, 0, 0);
    const TCellPropValues NoWrap(nullptr, 0, 0, false);
    const TGridSaveOptions S;
    const THTMLSettings H;
    const TPrintSettings Pr;
    struct TCase {
        const char *Name;
        long long Actual;
        long long Expected;
    };
    const TCase Cases[] = {
        {"CellObject", static_cast<long long>(P.CellObject()), 0},
        {"GraphicObject", P.GraphicObject() != nullptr, 0},
        {"BrushStyle", P.BrushStyle(), bsSolid},
        {"BrushColor", P.BrushColor(), clNone},
        {"BrushColorTo", P.BrushColorTo(), clNone},
        {"FontSize", P.FontSize(), 8},
        {"FontColor", P.FontColor(), clNone},
        {"FontStyle", P.FontStyle().Bits(), 0},
        {"FontName", P.FontName().isEmpty(), 1},
        {"BorderWidth", P.BorderWidth(), 0},
        {"BorderColor", P.BorderColor(), clBlack},
        {"Alignment", P.Alignment(), taLeftJustify},
        {"VAlignment", P.VAlignment(), vtaTop},
        {"PaintID", P.PaintID(), 0},
        {"WordWrap", P.WordWrap(), 1},
        {"WordWrapFromGrid", NoWrap.WordWrap(), 0},
        {"CalcType", P.CalcType(), acNONE},
        {"CalcObject", P.CalcObject() != nullptr, 0},
        {"NodeLevel", P.NodeLevel(), 0},
        {"Editor", P.Editor(), edNormal},
        {"ReadOnly", P.ReadOnly(), 0},
        {"GradientDirection", P.GradientDirection(), GradientVertical},
        {"SpanX", P.CellSpanX(), -1},
        {"SpanY", P.CellSpanY(), -1},
        {"IsBaseCell", P.IsBaseCell(), 1},
        {"SaveFixedCells", S.SaveFixedCells, 1},
        {"SaveFixedRows", S.SaveFixedRows, 0},
        {"SaveFixedCols", S.SaveFixedCols, 0},
        {"SaveHiddenCells", S.SaveHiddenCells, 0},
        {"SaveVirtCells", S.SaveVirtCells, 1},
        {"SaveWithHTML", S.SaveWithHTML, 1},
        {"SaveWithRTF", S.SaveWithRTF, 0},
        {"QuoteEmptyCells", S.QuoteEmptyCells, 1},
        {"AlwaysQuotes", S.AlwaysQuotes, 0},
        {"JavaCSV", S.JavaCSV, 0},
        {"Delimiter", S.Delimiter.unicode(), 0},
        {"XMLEncoding", S.XMLEncoding == QStringLiteral("ISO-8859-1"), 1},
        {"LoadFirstRow", S.LoadFirstRow, 1},
        {"ExcelClipboardFormat", S.ExcelClipboardFormat, 0},
        {"HTMLSaveColor", H.SaveColor, 1},
        {"HTMLSaveFonts", H.SaveFonts, 1},
        {"HTMLBorderSize", H.BorderSize, 1},
        {"HTMLWidth", H.Width, 100},
        {"HTMLExportImages", H.ExportImages, 1},
        {"HTMLXHTML", H.XHTML, 0},
        {"PrintBorders", Pr.Borders, pbSingle},
        {"PrintBorderStyle", Pr.BorderStyle, psSolid},
        {"PrintBorderColor", Pr.BorderColor, clBlack},
        {"PrintCentered", Pr.Centered, 1},
        {"PrintOrientation", Pr.Orientation, poPortrait},
        {"PrintFitToPage", Pr.FitToPage, fpNever},
        {"PrintUseDisplayFont", Pr.UseDisplayFont, 1},
        {"PrintPageNumSep", Pr.PageNumSep == QStringLiteral("/"), 1},
        {"PrintDateFormat", Pr.DateFormat == QStringLiteral("dd/mm/yyyy"), 1},
        {"PrintFont", Pr.Font == TFont(), 1},
        {"PrintFixedFont", Pr.FixedFont == TFont(), 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Actual, C.Expected);
    }
}

// Values set on a cell's properties are read back through the model, also
// after the cell's row and column moved; the setters that change the cell's
// look tell the model's listeners which cell to repaint, the others only store.
TEST(GridCoreValues, CellValuesTravelWithTheirCellAndLookChangesAreAnnounced)
{
    TGridModel M;
    auto *P = new TCellPropValues(&M, 2, 3);
    M.Adopt_Object(2, 3, P);
    TObject Graphic, Calc;
    P->Set_CellObject(77);
    P->Set_GraphicObject(&Graphic);
    P->Set_BrushStyle(bsCross);
    P->Set_FontSize(14);
    P->Set_FontColor(clBlue);
    P->Set_FontStyle({fsBold, fsItalic});
    P->Set_FontName(QStringLiteral("Courier"));
    P->Set_BorderWidth(2);
    P->Set_BorderColor(clRed);
    P->Set_Alignment(taCenter);
    P->Set_PaintID(9);
    P->Set_CalcType(acSTDDEV);
    P->Set_CalcObject(&Calc);
    P->Set_NodeLevel(3);
    P->Set_Editor(edComboList);
    P->Set_ReadOnly(true);
    P->Set_GradientDirection(GradientHorizontal);

    struct TLookCase {
        const char *Name;
        void (*Set)(TCellPropValues &);
    };
    const TLookCase Look[] = {
        {"BrushColor", [](TCellPropValues &V) { V.Set_BrushColor(clYellow); }},
        {"BrushColorTo", [](TCellPropValues &V) { V.Set_BrushColorTo(clLime); }},
        {"VAlignment", [](TCellPropValues &V) { V.Set_VAlignment(vtaBottom); }},
        {"WordWrap", [](TCellPropValues &V) { V.Set_WordWrap(false); }},
    };
    TRangeListener L;
    M.Add_Listener(&L);
    for (const TLookCase &C : Look) {
        SCOPED_TRACE(C.Name);
        L.Ranges.clear();
        C.Set(*P);
        ASSERT_EQ(L.Ranges.size(), 1u);
        EXPECT_EQ(L.Ranges[0], (TCellRange{2, 3, 2, 3}));
    }
    L.Ranges.clear();
    P->Set_FontSize(15);
    EXPECT_TRUE(L.Ranges.empty());
    M.Remove_Listener(&L);

    M.Move_Row(3, 0);
    M.Move_Col(2, 5);
    EXPECT_EQ(Cell_Prop_Values(M, 2, 3), nullptr);
    const TCellPropValues *V = Cell_Prop_Values(M, 5, 0);
    ASSERT_EQ(V, P);
    EXPECT_EQ(V->OwnerCol(), 5);
    EXPECT_EQ(V->OwnerRow(), 0);
    EXPECT_EQ(V->CellObject(), 77u);
    EXPECT_EQ(V->GraphicObject(), &Graphic);
    EXPECT_EQ(V->BrushStyle(), bsCross);
    EXPECT_EQ(V->BrushColor(), clYellow);
    EXPECT_EQ(V->BrushColorTo(), clLime);
    EXPECT_EQ(V->FontSize(), 15);
    EXPECT_EQ(V->FontColor(), clBlue);
    EXPECT_EQ(V->FontStyle(), TFontStyles({fsBold, fsItalic}));
    EXPECT_EQ(V->FontName(), "Courier");
    EXPECT_EQ(V->BorderWidth(), 2);
    EXPECT_EQ(V->BorderColor(), clRed);
    EXPECT_EQ(V->Alignment(), taCenter);
    EXPECT_EQ(V->VAlignment(), vtaBottom);
    EXPECT_EQ(V->PaintID(), 9);
    EXPECT_FALSE(V->WordWrap());
    EXPECT_EQ(V->CalcType(), acSTDDEV);
    EXPECT_EQ(V->CalcObject(), &Calc);
    EXPECT_EQ(V->NodeLevel(), 3);
    EXPECT_EQ(V->Editor(), edComboList);
    EXPECT_TRUE(V->ReadOnly());
    EXPECT_EQ(V->GradientDirection(), GradientHorizontal);

    // Properties that are only the model's spans are not property values.
    M.Adopt_Object(1, 1, new TModelCellProps(&M, 1, 1));
    EXPECT_EQ(Cell_Prop_Values(M, 1, 1), nullptr);
    EXPECT_EQ(Cell_Prop_Values(M, 9, 9), nullptr);
    M.Check_Consistency();
}

// The save range: everything with the fixed cells, else the normal cells
// between the fixed ones; fixed columns and rows can be asked for apart.
TEST(GridCoreValues, SaveRangeFollowsTheOptions)
{
    // 10 columns, 8 rows; 1 fixed column left and 2 right, 2 fixed rows on top and 1 below.
    const TGridFrame Frame{10, 8, 1, 2, 2, 1};
    struct TCase {
        const char *Name;
        bool Fixed, FixedCols, FixedRows;
        TGridFrame F;
        TCellRange Expected;
    };
    const TCase Cases[] = {
        {"AllCells", true, false, false, Frame, {0, 0, 9, 7}},
        {"NormalCellsOnly", false, false, false, Frame, {1, 2, 7, 6}},
        {"FixedColumnsOnly", false, true, false, Frame, {0, 2, 9, 6}},
        {"FixedRowsOnly", false, false, true, Frame, {1, 0, 7, 7}},
        {"NoNormalCellLeft", false, false, false, {3, 3, 1, 2, 2, 1}, {1, 2, 0, 1}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TGridSaveOptions O;
        O.SaveFixedCells = C.Fixed;
        O.SaveFixedCols = C.FixedCols;
        O.SaveFixedRows = C.FixedRows;
        EXPECT_EQ(Save_Range(O, C.F), C.Expected);
    }
    TGridSaveOptions O;
    O.SaveFixedCells = false;
    EXPECT_TRUE(Save_Range(O, {3, 3, 1, 2, 2, 1}).Empty());
}
