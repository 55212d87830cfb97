// What a cell is saved as (check boxes, rich text), and the settings whose
// setters switch further settings or size columns.
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid()
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(4);
    G->Set_RowCount(4);
    return G;
}
} // namespace

// An empty check box is saved as its state's check text; a data check box
// as the text it holds; rich text as its plain text unless kept as RTF.
TEST(StringGridSavedText, CheckBoxesAndRichText)
{
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Make; bool WithRTF; QString Want; };
    const QString Rtf = "{\\rtf1\\ansi hello \\b world\\b0\\par\r\n}";
    const TCase Cases[] = {
        {"CheckedBox", [](RIraRevadiVizo &G) { G.AddCheckBox(1, 1, true, false); }, false, "Y"},
        {"UncheckedBox", [](RIraRevadiVizo &G) { G.AddCheckBox(1, 1, false, false); }, false, "N"},
        {"CheckedBoxWithText",
         [](RIraRevadiVizo &G) {
             G.AddCheckBox(1, 1, true, false);
             G.SetCellEx(1, 1, "label");
         },
         false, "label"},
        {"TriStateGrayedIsNotChecked", [](RIraRevadiVizo &G) { G.AddCheckBox(1, 1, cbGrayed); }, false, "N"},
        {"TriStateChecked", [](RIraRevadiVizo &G) { G.AddCheckBox(1, 1, cbChecked); }, false, "Y"},
        // below a hidden row the box shown at the row is the one saved
        {"BoxBelowAHiddenRow",
         [](RIraRevadiVizo &G) {
             G.AddCheckBox(1, 1, false, false);
             G.AddCheckBox(1, 2, true, false);
             G.HideRow(1);
         },
         false, "Y"},
        {"DataCheckBoxKeepsItsText",
         [](RIraRevadiVizo &G) {
             G.AddCheckBox(1, 1, false, true);
             G.SetCellEx(1, 1, "N");
         },
         false, "N"},
        {"CheckTextsFromTheHook",
         [](RIraRevadiVizo &G) {
             G.AddCheckBox(1, 1, true, false);
             G.OnGetCheckTrue = [](QObject *, int, int, QString &V) { V = "1"; };
         },
         false, "1"},
        {"RichTextAsPlainText", [Rtf](RIraRevadiVizo &G) { G.SetCellEx(1, 1, Rtf); }, false, "hello world"},
        {"RichTextKeptOnOneLine", [Rtf](RIraRevadiVizo &G) { G.SetCellEx(1, 1, Rtf); }, true,
         "{\\rtf1\\ansi hello \\b world\\b0\\par}"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        C.Make(*G);
        G->Set_SaveWithRTF(C.WithRTF);
        QString V;
        G->GetSaveCellText(1, 1, V);
        EXPECT_EQ(V.trimmed(), C.Want);
    }
}

// SpreadSheet switches the spreadsheet behaviour on (and nothing off);
// AutoSize sizes the columns to their texts when it is switched on.
TEST(StringGridSavedText, SettingsThatSwitchOthers)
{
    auto G = Make_Grid();
    G->Set_SpreadSheet(true);
    EXPECT_TRUE(G->SelectionRectangle());
    EXPECT_TRUE(G->SelectionResizer());
    EXPECT_TRUE(G->Navigation().AllowSmartClipboard());
    EXPECT_TRUE(G->Options().Contains(goRangeSelect));
    G->Set_SpreadSheet(false);
    EXPECT_TRUE(G->SelectionRectangle());

    G->SetCellEx(2, 1, QString(40, u'W'));
    const int Before = G->ColWidths(2);
    G->Set_AutoSize(true);
    EXPECT_TRUE(G->AutoSize());
    EXPECT_GT(G->ColWidths(2), Before);
}
