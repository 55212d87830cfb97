// The string grid's per-cell hooks: the grid's own answer without a handler,
// and the rules that decide it (cell kinds, grouping lines, control look,
// expand cells, defaults of new cell properties).
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols = 5, int Rows = 10)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    return G;
}
} // namespace

// A cell's own background applies to text-like cells only; a graphic that
// paints over the cell keeps the painter's brush, but its font settings hold.
TEST(StringGridHooks, CellColourByCellKind)
{
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Make; bool TakesBrush; };
    const TCase Cases[] = {
        {"PropertiesOnly", [](RIraRevadiVizo &) {}, true},
        {"Comment", [](RIraRevadiVizo &G) { G.AddComment(2, 3, "note"); }, true},
        {"CheckBox", [](RIraRevadiVizo &G) { G.AddCheckBox(2, 3, true, false); }, false},
        {"Progress", [](RIraRevadiVizo &G) { G.AddProgress(2, 3, clRed, clWhite); }, false},
        {"Button", [](RIraRevadiVizo &G) { G.AddButton(2, 3, 20, 16, "b", haLeft, vaTop); }, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        C.Make(*G);
        G->GetCellProperties(2, 3)->Set_BrushColor(0x00FF00);
        G->GetCellProperties(2, 3)->Set_FontColor(0x0000FF);
        G->GetCellProperties(2, 3)->Set_FontSize(14);
        TBrush B;
        B.Color = 0x111111;
        TFont F;
        G->GetCellColor(2, 3, {}, B, F);
        EXPECT_EQ(B.Color, C.TakesBrush ? TColor(0x00FF00) : TColor(0x111111));
        EXPECT_EQ(F.Color, 0x0000FF);
        EXPECT_EQ(F.Size, 14);
    }
}

// Group header rows are underlined and summary rows lined above, from column
// 1 on and only while the grouping asks for it; the event has the last word.
TEST(StringGridHooks, BordersOfGroupRows)
{
    auto G = Make_Grid(4, 8);
    G->AddNode(2, 3);
    G->SetSummaryRow(5);
    G->Grouping().HeaderLineColor = 0x0000FF;
    G->Grouping().HeaderLineWidth = 3;
    G->Grouping().SummaryLineColor = 0x00FF00;
    G->Grouping().SummaryLineWidth = 1;
    struct TCase { const char *Name; int C, R; bool Header, Summary; TCellBorders Want; TColor Pen; };
    const TCase Cases[] = {
        {"HeaderUnderlined", 1, 2, true, false, TCellBorders{cbBottom}, 0x0000FF},
        {"HeaderWithoutTheOption", 1, 2, false, true, TCellBorders{}, clBlack},
        {"NodeColumnUntouched", 0, 2, true, true, TCellBorders{}, clBlack},
        {"SummaryLinedAbove", 3, 5, false, true, TCellBorders{cbTop}, 0x00FF00},
        {"SummaryWithoutTheOption", 3, 5, true, false, TCellBorders{}, clBlack},
        {"PlainRow", 1, 4, true, true, TCellBorders{}, clBlack},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Grouping().HeaderUnderline = C.Header;
        G->Grouping().SummaryLine = C.Summary;
        TPen Pen;
        TCellBorders Borders;
        G->GetCellBorder(C.C, C.R, Pen, Borders);
        EXPECT_EQ(Borders, C.Want);
        EXPECT_EQ(Pen.Color, C.Pen);
    }
    G->OnGetCellBorder = [](QObject *, int, int, TPen &, TCellBorders &B) { B = TCellBorders{cbLeft}; };
    TPen Pen;
    TCellBorders Borders;
    G->GetCellBorder(1, 2, Pen, Borders);
    EXPECT_EQ(Borders, TCellBorders{cbLeft});
}

// Drop-down and spin buttons show in idle cells by the control look and the
// cell's editor kind; a handler's answer replaces the grid's; fixed cells
// never show spin buttons.
TEST(StringGridHooks, IdleEditorButtonsByControlLook)
{
    struct TCase { const char *Name; TEditorType Kind; bool Combo, Spin; bool WantCombo, WantSpin; };
    const TCase Cases[] = {
        {"NothingShownByDefault", edComboList, false, false, false, false},
        {"ComboListShown", edComboList, true, false, true, false},
        {"ComboEditShown", edComboEdit, true, true, true, false},
        {"TextKindNoButton", edNormal, true, true, false, false},
        {"SpinShown", edSpinEdit, false, true, false, true},
        {"FloatSpinShown", edFloatSpinEdit, true, true, false, true},
        {"DateSpinShown", edDateSpinEdit, false, true, false, true},
        {"SpinNeedsTheLook", edTimeSpinEdit, true, false, false, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        G->ControlLook().DropDownAlwaysVisible = C.Combo;
        G->ControlLook().SpinButtonsAlwaysVisible = C.Spin;
        G->Set_DefaultEditor(C.Kind);
        EXPECT_EQ(G->HasComboBox(2, 2), C.WantCombo);
        EXPECT_EQ(G->HasSpinEdit(2, 2), C.WantSpin);
        EXPECT_FALSE(G->HasSpinEdit(0, 2));
        EXPECT_FALSE(G->HasSpinEdit(2, 0));
    }
    // the editor-kind event refines the default per cell
    auto G = Make_Grid();
    G->ControlLook().DropDownAlwaysVisible = true;
    G->OnGetEditorType = [](QObject *, int ACol, int, TEditorType &E) { E = ACol == 3 ? edComboList : E; };
    EXPECT_TRUE(G->HasComboBox(3, 2));
    EXPECT_FALSE(G->HasComboBox(2, 2));
    // a handler's answer stands, whatever the look says
    G->OnHasComboBox = [](QObject *, int, int, bool &Has) { Has = false; };
    EXPECT_FALSE(G->HasComboBox(3, 2));
}

// The expand hook sets the row to the cell's height for the new state, with
// or without a handler.
TEST(StringGridHooks, ExpandClickSetsTheRowHeight)
{
    auto G = Make_Grid();
    G->AddExpand(1, 3, 60);
    std::vector<bool> Told;
    G->ExpandClick(1, 3, true);
    EXPECT_EQ(G->RowHeights(3), 60);
    G->OnExpandClick = [&](QObject *, int, int, bool Expanded) { Told.push_back(Expanded); };
    G->ExpandClick(1, 3, false);
    EXPECT_EQ(G->RowHeights(3), 22);
    EXPECT_EQ(Told, std::vector<bool>{false});
}

// New cell properties never freeze a colour the grid computes from state.
TEST(StringGridHooks, DefaultsOfNewPropertiesLeaveComputedColours)
{
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Set; int C, R; bool Cleared; };
    const TCase Cases[] = {
        {"PlainCell", [](RIraRevadiVizo &) {}, 2, 3, false},
        {"FixedCell", [](RIraRevadiVizo &) {}, 0, 3, true},
        {"Bands", [](RIraRevadiVizo &G) { G.Bands().Set_Active(true); }, 2, 3, true},
        {"GradientBackground",
         [](RIraRevadiVizo &G) {
             TBackGround B;
             B.Display = bdGradientVert;
             G.Set_BackGround(B);
         },
         2, 3, true},
        {"TiledBackground",
         [](RIraRevadiVizo &G) {
             TBackGround B;
             B.Display = bdTile;
             G.Set_BackGround(B);
         },
         2, 3, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        C.Set(*G);
        TFont F;
        TBrush B;
        TColor To = 0x123456, Mirror = clNone, MirrorTo = clNone;
        TAlignment HA = taLeftJustify;
        TVAlignment VA = vtaTop;
        bool WW = false;
        TCellGradientDirection GD{};
        G->GetCellDefaults(C.C, C.R, F, B, To, Mirror, MirrorTo, HA, VA, WW, GD);
        EXPECT_EQ(B.Color == clNone, C.Cleared);
    }
}

// A row inserted or deleted by key inside a node's rows makes the node
// grow or shrink with it; a row outside leaves the node as it was.
TEST(StringGridHooks, RowHooksKeepNodeSpans)
{
    struct TCase { const char *Name; bool Insert; int Row; int WantSpan; int WantNodeRow; };
    const TCase Cases[] = {
        {"DeleteInside", false, 3, 3, 1},
        {"InsertInside", true, 2, 5, 1},
        {"DeleteBelow", false, 6, 4, 1},
        {"InsertAboveMovesTheNode", true, 1, 4, 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        G->AddNode(1, 4);
        if (C.Insert)
            G->InsertRowHook(C.Row);
        else
            G->DeleteRowHook(C.Row);
        EXPECT_TRUE(G->IsNode(C.WantNodeRow));
        EXPECT_EQ(G->GetNodeSpan(C.WantNodeRow), C.WantSpan);
    }
}

namespace {
// A descendant that masks a whole column by overriding the hook.
class TPasswordColumnGrid : public RIraRevadiVizo {
public:
    void IsPasswordCell(int ACol, int ARow, bool &IsPassword) override
    {
        IsPassword = ACol == 3;
        RIraRevadiVizo::IsPasswordCell(ACol, ARow, IsPassword);
    }
};
} // namespace

// The password question starts from "no", reaches an override, and a
// handler sees the starting answer and has the last word.
TEST(StringGridHooks, QueryPasswordCellAsksTheHook)
{
    struct TCase {
        const char *Name;
        bool Descendant;
        bool Handler;   // handler masks (1, 2) and reports what it was handed
        int Col, Row;
        bool Want;
        int WantSeen;   // -1: handler not called
    };
    const TCase Cases[] = {
        {"NoHandlerNoMask", false, false, 1, 2, false, -1},
        {"HandlerMasksItsCell", false, true, 1, 2, true, 0},
        {"HandlerLeavesOtherCells", false, true, 2, 2, false, 0},
        {"OverrideMasksColumn", true, false, 3, 5, true, -1},
        {"HandlerSeesOverride", true, true, 3, 2, true, 1},
        {"HandlerOverrulesOverride", true, true, 3, 7, false, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<RIraRevadiVizo> G = C.Descendant ? std::make_unique<TPasswordColumnGrid>() : Make_Grid();
        G->Set_ColCount(5);
        G->Set_RowCount(10);
        int Seen = -1;
        if (C.Handler)
            G->OnIsPasswordCell = [&Seen](QObject *, int ARow, int ACol, bool &P) {
                Seen = P;
                P = (ACol == 1 && ARow == 2) || (ACol == 3 && ARow != 7 && P);
            };
        EXPECT_EQ(G->QueryPasswordCell(C.Col, C.Row), C.Want);
        EXPECT_EQ(Seen, C.WantSeen);
    }
}
