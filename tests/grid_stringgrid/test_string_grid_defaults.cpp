// What a string grid made in code holds before anyone sets anything: every
// value of the constructor's table and of the five settings objects. The
// configurator's windows change only a handful of these, so the rest is what
// the user sees.
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>

namespace {
struct TDefault {
    const char *Name;
    long long Got, Want;
};

void Expect_All(std::initializer_list<TDefault> Cases)
{
    for (const TDefault &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Want);
    }
}
}

TEST(StringGridDefaults, EveryValueOfTheTable)
{
    RIraRevadiVizo G;
    // dimensions
    Expect_All({
        {"MinRowHeight", G.MinRowHeight(), 0},
        {"MaxRowHeight", G.MaxRowHeight(), 0},
        {"MinColWidth", G.MinColWidth(), 0},
        {"MaxColWidth", G.MaxColWidth(), 0},
        {"ScrollBars", G.ScrollBars(), ssBoth},
        {"ScrollType", G.ScrollType(), ssNormal},
        {"ScrollColor", G.ScrollColor(), clNone},
        {"FixedRowsMin", G.FixedRowsMin(), 0},   // no form was loaded
    });
    // colours
    Expect_All({
        {"HighlightColor", G.HighlightColor(), clHighlight},
        {"HighlightTextColor", G.HighlightTextColor(), clHighlightText},
        {"SelectionColorTo", G.SelectionColorTo(), clNone},
        {"SelectionMirrorColor", G.SelectionMirrorColor(), clNone},
        {"SelectionMirrorColorTo", G.SelectionMirrorColorTo(), clNone},
        {"SelectionTextColor", G.SelectionTextColor(), 0},
        {"SelectionRectangleColor", G.SelectionRectangleColor(), 0},
        {"ActiveCellColorTo", G.ActiveCellColorTo(), clNone},
        {"QelGradientFrom", G.QelGradientFrom(), 0xFFFFFF},
        {"QelGradientMirrorFrom", G.QelGradientMirrorFrom(), clNone},
        {"QelGradientMirrorTo", G.QelGradientMirrorTo(), clNone},
    });
    // looks
    Expect_All({
        {"HideFocusRect", G.HideFocusRect(), 0},
        {"FixedAsButtons", G.FixedAsButtons(), 0},
        {"HoverFixedCells", G.HoverFixedCells(), hfNone},
        {"UseDisabledFont", G.UseDisabledFont(), 1},
        {"XYOffsetY", G.XYOffset().Y, 2},
        {"VAlignment", G.VAlignment(), vtaTop},
        {"DefaultAlignment", G.DefaultAlignment(), taLeftJustify},
        {"ShowDesignHelper", G.ShowDesignHelper(), 1},
        {"ShowNullDates", G.ShowNullDates(), 1},
        {"IntelliZoom", G.IntelliZoom(), 1},
        {"FixedFontBold", G.FixedFont().Style.Contains(fsBold), 1},
        {"ActiveCellFontBold", G.ActiveCellFont().Style.Contains(fsBold), 1},
    });
    // behaviour
    Expect_All({
        {"EnhRowColMove", G.EnhRowColMove(), 1},
        {"EnableWheel", G.EnableWheel(), 1},
        {"AutoFilterUpdate", G.AutoFilterUpdate(), 1},
        {"FilterDropDownColumns", G.FilterDropDownColumns(), fdNormal},
        {"HintShowLargeTextPos", G.HintShowLargeTextPos(), hpCell},
        {"UseInternalHintClass", G.UseInternalHintClass(), 1},
        {"InvalidEntryIcon", G.InvalidEntryIcon(), ieWarning},
        {"LoadFirstRow", G.LoadFirstRow(), 1},
        {"SizeGrowOnly", G.SizeGrowOnly(), 0},
        {"ZoomFactor", G.ZoomFactor(), 0},
        {"FindBusy", G.FindBusy(), 0},
        {"PreviewPage", G.PreviewPage(), 1},
        {"PrinterDriverFix", G.PrinterDriverFix(), 0},
        {"ExcelClipboardFormat", G.ExcelClipboardFormat(), 0},
        {"FitCellsInGrid", G.FitCellsInGrid(), 1},
        {"FilterNormalCellsOnly", G.FilterNormalCellsOnly(), 1},
        {"AutoSize", G.AutoSize(), 0},
    });
    // save and text
    Expect_All({
        {"SaveFixedCols", G.SaveFixedCols(), 0},
        {"SaveHiddenCells", G.SaveHiddenCells(), 0},
        {"SaveWithRTF", G.SaveWithRTF(), 0},
        {"ClearTextOnly", G.ClearTextOnly(), 0},
        {"AlwaysQuotes", G.AlwaysQuotes(), 0},
        {"JavaCSV", G.JavaCSV(), 0},
        {"Delimiter", G.Delimiter().unicode(), 0},
        {"NoDefaultDraw", G.NoDefaultDraw(), 0},
        {"PasswordChar", G.PasswordChar().unicode(), '*'},
    });
    // internal state a caller can see
    Expect_All({
        {"FilterCol", G.FilterCol(), -1},
        {"HoverFixedX", G.HoverFixedX(), -1},
        {"HoverFixedY", G.HoverFixedY(), -1},
        {"ColClicked", G.Colclicked(), -1},
    });
}

TEST(StringGridDefaults, SettingsObjects)
{
    RIraRevadiVizo G;
    const TCellNode &N = G.CellNode();
    const TColumnSize &S = G.ColumnSize();
    const THTMLSettings &H = G.HTMLSettings();
    const TPrintSettings &P = G.PrintSettings();
    Expect_All({
        {"NodeColor", N.Color(), 0xC0C0C0},
        {"NodeType", N.NodeType(), cnXP},
        {"NodeButtonColor", N.NodeColor(), 0},
        {"ExpandOne", N.ExpandOne(), 0},
        {"ShowTree", N.ShowTree(), 1},
        {"ShowTreeFull", N.ShowTreeFull(), 1},
        {"TreeColor", N.TreeColor(), 0x808080},
        {"NoExpandGlyph", N.ExpandGlyph().isNull(), 1},
        {"SizeWhileTypingHeight", G.SizeWhileTyping().Height, 0},
        {"SizeWhileTypingWidth", G.SizeWhileTyping().Width, 0},
        {"ColumnSizeSave", S.Save(), 0},
        {"ColumnSizeStretch", S.Stretch(), 0},
        {"ColumnSizeSynch", S.SynchWithGrid(), 0},
        {"ColumnSizeSynchNormal", S.SynchNormalCellsOnly(), 0},
        {"ColumnSizeLocation", S.Location(), clRegistry},
        {"ColumnSizeRows", S.Rows(), arAll},
        {"HTMLAutoPreview", H.AutoPreview, 0},
        {"HTMLConvertSpecialChars", H.ConvertSpecialChars, 0},
        {"HTMLNonBreakingText", H.NonBreakingText, 0},
        {"HTMLSaveColor", H.SaveColor, 1},
        {"HTMLSaveFonts", H.SaveFonts, 1},
        {"HTMLCellSpacing", H.CellSpacing, 0},
        {"HTMLCellPadding", H.CellPadding, 0},
        {"HTMLWidth", H.Width, 100},
        {"HTMLXHTML", H.XHTML, 0},
        {"HTMLExportImages", H.ExportImages, 1},
        {"PrintTime", P.Time, ppNone},
        {"PrintDate", P.Date, ppNone},
        {"PrintPageNr", P.PageNr, ppNone},
        {"PrintTitle", P.Title, ppNone},
        {"PrintBorderStyle", P.BorderStyle, psSolid},
        {"PrintCentered", P.Centered, 1},
        {"PrintRepeatFixedRows", P.RepeatFixedRows, 0},
        {"PrintRepeatFixedCols", P.RepeatFixedCols, 0},
        {"PrintMargins", P.FooterSize + P.HeaderSize + P.LeftSize + P.RightSize, 0},
        {"PrintSpacings", P.ColumnSpacing + P.RowSpacing + P.TitleSpacing, 0},
        {"PrintOrientation", P.Orientation, poPortrait},
        {"PrintFixedSizes", P.FixedHeight + P.FixedWidth + P.UseFixedHeight + P.UseFixedWidth, 0},
        {"PrintFitToPage", P.FitToPage, fpNever},
        {"PrintAutoSizeSwitches", P.NoAutoSize + P.PrintGraphics + P.NoAutoSizeRow, 0},
        {"PrintOffsets", P.PageNumberOffset + P.MaxPagesOffset, 0},
        {"PrintUseDisplayFont", P.UseDisplayFont, 1},
        {"PrintUseDefaultOrientation", P.UseDefaultOrientation, 0},
        {"PrintFixedCellsAlways", P.FixedCellsAlways, 0},
        {"PrintBorderColor", P.BorderColor, 0},
    });
    EXPECT_TRUE(S.Key().isEmpty());
    EXPECT_TRUE(S.Section().isEmpty());
    for (const QString &Text : {H.FooterFile, H.HeaderFile, H.TableStyle, H.PrefixTag, H.SuffixTag, H.Summary,
                                P.TitleText, P.PagePrefix, P.PageSuffix, P.JobName})
        EXPECT_TRUE(Text.isEmpty()) << Text.toStdString();
    EXPECT_TRUE(P.TitleLines.isEmpty());
    EXPECT_EQ(P.PageNumSep, "/");
}

// The published save options and the grid's save options are one: a value
// set either way is read back both ways, and the save range follows them.
TEST(StringGridDefaults, SaveOptionsAreTheGridsOwn)
{
    RIraRevadiVizo G;
    EXPECT_EQ(G.SaveOptions(), TGridSaveOptions());
    struct TCase {
        const char *Name;
        void (*SetPublished)(RIraRevadiVizo &);
        bool (*Stored)(const TGridSaveOptions &);
    };
    const TCase Cases[] = {
        {"SaveFixedCells", [](RIraRevadiVizo &X) { X.Set_SaveFixedCells(false); },
         [](const TGridSaveOptions &O) { return !O.SaveFixedCells; }},
        {"SaveHiddenCells", [](RIraRevadiVizo &X) { X.Set_SaveHiddenCells(true); },
         [](const TGridSaveOptions &O) { return O.SaveHiddenCells; }},
        {"SaveWithRTF", [](RIraRevadiVizo &X) { X.Set_SaveWithRTF(true); },
         [](const TGridSaveOptions &O) { return O.SaveWithRTF; }},
        {"JavaCSV", [](RIraRevadiVizo &X) { X.Set_JavaCSV(true); }, [](const TGridSaveOptions &O) { return O.JavaCSV; }},
        {"Delimiter", [](RIraRevadiVizo &X) { X.Set_Delimiter(QChar(u';')); },
         [](const TGridSaveOptions &O) { return O.Delimiter == QChar(u';'); }},
        {"XMLEncoding", [](RIraRevadiVizo &X) { X.Set_XMLEncoding(QStringLiteral("UTF-8")); },
         [](const TGridSaveOptions &O) { return O.XMLEncoding == QStringLiteral("UTF-8"); }},
        {"LoadFirstRow", [](RIraRevadiVizo &X) { X.Set_LoadFirstRow(false); },
         [](const TGridSaveOptions &O) { return !O.LoadFirstRow; }},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        C.SetPublished(G);
        EXPECT_TRUE(C.Stored(G.SaveOptions()));
    }
    G.SaveOptions().AlwaysQuotes = true;
    G.SaveOptions().QuoteEmptyCells = false;
    EXPECT_TRUE(G.AlwaysQuotes());
    EXPECT_FALSE(G.QuoteEmptyCells());

    // 6 x 5 with one fixed column and row: without the fixed cells the range
    // starts after them; with SaveFixedRows the rows start at 0 again.
    G.Set_ColCount(6);
    G.Set_RowCount(5);
    EXPECT_EQ(G.GetSaveStartCol(), 1);
    EXPECT_EQ(G.GetSaveColCount(), 5);
    G.Set_SaveFixedRows(true);
    EXPECT_EQ(G.GetSaveStartRow(), 0);
    EXPECT_EQ(G.GetSaveRowCount(), 5);
}
