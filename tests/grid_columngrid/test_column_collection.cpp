// The column grid's items: defaults, the count kept in step with the real
// columns, the update rule, headers, moves, copies, and the per-cell hooks
// answered from the items before the string grid's own hook and event.
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/Locale.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {
std::unique_ptr<VIdiDidireDedu> Make_Grid(int Cols = 5, int Rows = 6)
{
    auto G = std::make_unique<VIdiDidireDedu>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    return G;
}

void Expect_Sound(const VIdiDidireDedu &G)
{
    EXPECT_EQ(G.Columns().Check_Consistency(), QString());
}
} // namespace

// A new item's values, and the grid's colour and font taken at creation.
TEST(ColumnItemDefaults, NewItem)
{
    auto G = Make_Grid();
    TGridColumnItem *I = G->Columns().Items(2);
    struct TCase { const char *Name; long long Got, Want; };
    const TCase Cases[] = {
        {"AutoMinSize", I->AutoMinSize(), 0},
        {"AutoMaxSize", I->AutoMaxSize(), 0},
        {"Alignment", I->Alignment(), taLeftJustify},
        {"BordersEmpty", I->Borders().Empty(), 1},
        {"BorderPenColor", I->BorderPen().Color, 0xC0C0C0},
        {"BorderPenWidth", I->BorderPen().Width, 1},
        {"Color", I->Color(), G->Color()},
        {"ColumnPopupType", I->ColumnPopupType(), cpFixedCellsRClick},
        {"DropDownCount", I->DropDownCount(), 8},
        {"EditLength", I->EditLength(), 0},
        {"Editor", I->Editor(), edNormal},
        {"FilterCaseSensitive", I->FilterCaseSensitive(), 0},
        {"Fixed", I->Fixed(), 0},
        {"HeaderAlignment", I->HeaderAlignment(), taLeftJustify},
        {"MinSize", I->MinSize(), 0},
        {"MaxSize", I->MaxSize(), 0},
        {"Password", I->Password(), 0},
        {"PrintBorderCustom", I->PrintBorderCustom(), 1},
        {"PrintBordersAll", I->PrintBorders() == TCellBorders({cbTop, cbLeft, cbRight, cbBottom}), 1},
        {"PrintBorderPenColor", I->PrintBorderPen().Color, 0},
        {"PrintColor", I->PrintColor(), 0xFFFFFF},
        {"PrintFontCustom", I->PrintFontCustom(), 1},
        {"ReadOnly", I->ReadOnly(), 0},
        {"ShowBands", I->ShowBands(), 0},
        {"SortStyle", I->SortStyle(), ssAutomatic},
        {"SpinMax", I->SpinMax(), 0},
        {"SpinMin", I->SpinMin(), 0},
        {"SpinStep", I->SpinStep(), 1},
        {"Tag", I->Tag(), 0},
        {"Width", I->Width(), G->ColWidths(2)},
        {"FontIsGrids", I->Font() == G->Font(), 1},
        {"HeaderFontIsGrids", I->HeaderFont() == G->Font(), 1},
        {"PrintFontIsGrids", I->PrintFont() == G->Font(), 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Want);
    }
    EXPECT_EQ(I->CheckTrue(), QStringLiteral("Y"));
    EXPECT_EQ(I->CheckFalse(), QStringLiteral("N"));
    EXPECT_TRUE(I->Header().isEmpty());
    EXPECT_TRUE(I->ComboItems().isEmpty());
    // An item outside a collection keeps platform defaults and reaches no grid.
    TGridColumnItem Loose;
    EXPECT_EQ(Loose.Color(), 0);
    EXPECT_EQ(Loose.Width(), 0);
    EXPECT_EQ(Loose.Width_Field(), 50);
    EXPECT_EQ(Loose.GetDisplayName(), QStringLiteral("Column -1"));
}

// The item count follows the real columns; new trailing items look like the last one.
TEST(ColumnCollectionSync, CountFollowsRealColumns)
{
    auto G = Make_Grid(5);
    EXPECT_EQ(G->Columns().Count(), 5);
    G->Set_ColCount(7);
    G->HideColumns(5, 6);
    EXPECT_EQ(G->ColCount(), 5);
    EXPECT_EQ(G->Columns().Count(), 7);
    Expect_Sound(*G);

    G->UnHideColumnsAll();
    G->Columns().Items(4)->Set_ComboItems({QStringLiteral("a")});
    G->Columns().Items(4)->Set_Header(QStringLiteral("Last"));
    G->Columns().Items(4)->Set_Alignment(taRightJustify);
    G->Columns().Items(4)->Set_Editor(edComboList);
    G->Columns().Items(4)->Set_DropDownCount(3);
    G->Set_ColCount(3);
    EXPECT_EQ(G->Columns().Count(), 3);
    Expect_Sound(*G);
    G->Columns().Items(2)->Set_Alignment(taCenter);
    G->Columns().Items(2)->Set_ComboItems({QStringLiteral("x")});
    G->Columns().Items(2)->Set_Header(QStringLiteral("Third"));
    G->Set_ColCount(5);
    ASSERT_EQ(G->Columns().Count(), 5);
    TGridColumnItem *New = G->Columns().Items(4);
    EXPECT_EQ(New->Alignment(), taCenter);   // visuals of the then-last item
    EXPECT_EQ(New->Color(), G->Color());
    EXPECT_TRUE(New->Header().isEmpty());
    EXPECT_TRUE(New->ComboItems().isEmpty());
    EXPECT_EQ(New->DropDownCount(), 8);
    Expect_Sound(*G);
}

// The update rule: an item added through the collection adds a column;
// inside BeginUpdate nothing happens until the bracket closes.
TEST(ColumnCollectionSync, AddRunsUpdateRule)
{
    auto G = Make_Grid(4);
    G->Columns().Add();
    EXPECT_EQ(G->ColCount(), 5);
    Expect_Sound(*G);
    G->Columns().BeginUpdate();
    G->Columns().Add();
    G->Columns().Add();
    EXPECT_EQ(G->ColCount(), 5);
    G->Columns().EndUpdate();
    EXPECT_EQ(G->ColCount(), 7);
    Expect_Sound(*G);
    G->Columns().Delete(6);
    EXPECT_EQ(G->ColCount(), 6);
    Expect_Sound(*G);
    EXPECT_THROW(G->Columns().Items(6), EListError);
    EXPECT_THROW(G->Columns().Items(-1), EListError);
}

// Headers: written into row 0 with fixed rows, the header list rebuilt in every case.
TEST(ColumnItemHeader, WritesRowZeroAndRebuildsList)
{
    struct TCase { const char *Name; int FixedRows; bool CellWritten; };
    const TCase Cases[] = {{"WithFixedRow", 1, true}, {"WithoutFixedRows", 0, false}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid(3);
        G->Set_FixedRows(C.FixedRows);
        G->Columns().Items(1)->Set_Header(QStringLiteral("Device"));
        G->Columns().Items(2)->Set_Header(QStringLiteral("Address"));
        EXPECT_EQ(G->Cells(1, 0) == QStringLiteral("Device"), C.CellWritten);
        EXPECT_EQ(G->ColumnHeaders(), (QStringList{QString(), QStringLiteral("Device"), QStringLiteral("Address")}));
    }
    // A header list set on the grid reaches the items (field only).
    auto G = Make_Grid(3);
    G->Set_ColumnHeaders({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(G->Columns().Items(1)->Header(), QStringLiteral("b"));
}

TEST(ColumnItemCopy, AssignAndVisuals)
{
    auto G = Make_Grid(3);
    TGridColumnItem *S = G->Columns().Items(1);
    S->Set_Header(QStringLiteral("H"));
    S->Set_Name(QStringLiteral("N"));
    S->Set_Tag(7);
    S->Set_ComboItems({QStringLiteral("one")});
    S->Set_Color(0x123456);
    S->Set_Editor(edDataCheckBox);
    S->Set_ColumnPopupType(cpAllCellsLClick);
    S->Set_PrintFontCustom(false);
    S->Set_MinSize(9);
    TGridColumnItem A;
    A.Assign(S);
    EXPECT_EQ(A.Header(), QStringLiteral("H"));
    EXPECT_EQ(A.Tag(), 7);
    EXPECT_EQ(A.Color(), 0x123456);
    EXPECT_EQ(A.Editor(), edDataCheckBox);
    EXPECT_EQ(A.MinSize(), 9);
    EXPECT_EQ(A.ColumnPopupType(), cpFixedCellsRClick);   // not copied
    EXPECT_TRUE(A.PrintFontCustom());                     // not copied
    TGridColumnItem *V = G->Columns().Items(2);
    V->AssignVisuals(S);
    EXPECT_EQ(V->Editor(), edDataCheckBox);
    EXPECT_EQ(V->Color(), G->Color());   // the grid's, not the source's
    EXPECT_TRUE(V->Header().isEmpty());
    EXPECT_TRUE(V->ComboItems().isEmpty());
    EXPECT_EQ(V->Tag(), 0);
    // Anything but a column item is ignored.
    TObject Other;
    A.Assign(&Other);
    EXPECT_EQ(A.Tag(), 7);
    EXPECT_EQ(S->GetDisplayName(), QStringLiteral("Col 1: N"));
    EXPECT_EQ(V->GetDisplayName(), QStringLiteral("Column 2"));
    EXPECT_EQ(G->GetColumnByName(QStringLiteral("N")), S);
    EXPECT_EQ(G->GetColumnByName(QStringLiteral("n")), nullptr);
}

// Moving column 1 to 3 moves its item with everything Assign copies.
TEST(ColumnMove, ItemTravelsWithColumn)
{
    auto G = Make_Grid(5);
    TGridColumnItem *I = G->Columns().Items(1);
    I->Set_Header(QStringLiteral("Moved"));
    I->Set_Editor(edComboEdit);
    I->Set_ColumnPopupType(cpAllCellsLClick);
    I->Set_PrintBorderCustom(false);
    int From = -1, To = -1;
    G->OnAfterColumnMoved = [&](QObject *, int F, int T) { From = F; To = T; };
    G->MoveColumn(1, 3);
    TGridColumnItem *M = G->Columns().Items(3);
    EXPECT_EQ(M->Header(), QStringLiteral("Moved"));
    EXPECT_EQ(M->Editor(), edComboEdit);
    EXPECT_EQ(M->ColumnPopupType(), cpFixedCellsRClick);
    EXPECT_TRUE(M->PrintBorderCustom());
    EXPECT_EQ(From, 1);
    EXPECT_EQ(To, 3);
    EXPECT_EQ(G->Cells(3, 0), QStringLiteral("Moved"));
    Expect_Sound(*G);
}

// Behind a hidden column the move is reported in real columns, and the item
// of the real column moved travels.
TEST(ColumnMove, AfterMovedReportsRealColumnsPastAHiddenOne)
{
    auto G = Make_Grid(6);
    G->Columns().Items(3)->Set_Header(QStringLiteral("Moved"));
    G->HideColumn(1);   // display column 2 is real column 3 now
    int From = -1, To = -1;
    G->OnAfterColumnMoved = [&](QObject *, int F, int T) { From = F; To = T; };
    G->MoveColumn(2, 3);
    EXPECT_EQ(From, 3);
    EXPECT_EQ(To, 4);
    EXPECT_EQ(G->Columns().Items(4)->Header(), QStringLiteral("Moved"));
}

// Widths go through the grid; hidden columns keep theirs.
TEST(ColumnWidth, ThroughGridAndHiddenColumns)
{
    auto G = Make_Grid(5);
    G->Columns().Items(2)->Set_Width(90);
    EXPECT_EQ(G->ColWidths(2), 90);
    G->HideColumn(2);
    EXPECT_EQ(G->Columns().Items(2)->Width(), 90);
    G->Columns().Items(2)->Set_Width(40);
    EXPECT_EQ(G->Columns().Items(3)->Width(), G->ColWidths(2));
    G->UnHideColumn(2);
    EXPECT_EQ(G->ColWidths(2), 40);
    G->Set_ColWidths(4, 33);
    EXPECT_EQ(G->Columns().Items(4)->Width_Field(), 33);
}

// The hooks: the item answers first, the string grid's hook and event after.
TEST(ColumnHooks, ItemFirstThenEvent)
{
    auto G = Make_Grid(4);
    TGridColumnItem *I = G->Columns().Items(2);
    I->Set_Alignment(taRightJustify);
    I->Set_HeaderAlignment(taCenter);
    I->Set_Editor(edComboList);
    I->Set_Password(true);
    I->Set_CheckTrue(QStringLiteral("on"));
    I->Set_CheckFalse(QStringLiteral("off"));
    I->Set_SortStyle(ssNumeric);

    TAlignment H = taLeftJustify;
    TVAlignment V = vtaTop;
    G->GetCellAlignment(2, 1, H, V);
    EXPECT_EQ(H, taRightJustify);
    G->GetCellAlignment(2, 0, H, V);
    EXPECT_EQ(H, taCenter);
    TAlignment Seen = taLeftJustify;
    G->OnGetAlignment = [&](QObject *, int, int, TAlignment &A, TVAlignment &) { Seen = A; A = taLeftJustify; };
    G->GetCellAlignment(2, 1, H, V);
    EXPECT_EQ(Seen, taRightJustify);
    EXPECT_EQ(H, taLeftJustify);

    TEditorType E = edNormal;
    G->GetCellEditorType(2, 1, E);
    EXPECT_EQ(E, edComboList);
    EXPECT_TRUE(G->HasComboBox(2, 1));
    EXPECT_FALSE(G->HasComboBox(2, 0));
    bool Pw = false;
    G->IsPasswordCell(2, 1, Pw);
    EXPECT_TRUE(Pw);
    TSortStyle S = ssAutomatic;
    QString P, X;
    G->GetColFormat(2, S, P, X);
    EXPECT_EQ(S, ssNumeric);
    // The column's check texts win over the event's.
    G->OnGetCheckTrue = [](QObject *, int, int, QString &Text) { Text = QStringLiteral("event"); };
    EXPECT_EQ(G->GetCheckTrue(2, 1), QStringLiteral("on"));
    EXPECT_EQ(G->GetCheckTrue(2, 0), QStringLiteral("event"));   // header rows are no data cells
    EXPECT_EQ(G->GetCheckFalse(2, 1), QStringLiteral("off"));
    // Beyond the items the string grid answers alone.
    EXPECT_EQ(G->Item_Of(9), nullptr);
}

// Editing permission: any data cell of a column neither ReadOnly nor Fixed,
// whatever the caller starts from; OnCanEditCell has the last word.
TEST(ColumnHooks, EditingPermission)
{
    auto G = Make_Grid(4);
    G->Columns().Items(1)->Set_ReadOnly(true);
    G->Columns().Items(3)->Set_Fixed(true);
    struct TCase { const char *Name; int Col, Row; bool Start, Want; };
    const TCase Cases[] = {
        {"PlainColumnFromFalse", 2, 2, false, true},
        {"ReadOnlyColumn", 1, 2, true, false},
        {"FixedColumn", 3, 2, true, false},
        {"HeaderRow", 2, 0, true, false},
        {"FixedColumnZero", 0, 2, true, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        bool Can = C.Start;
        G->QueryCanEdit(C.Col, C.Row, Can);
        EXPECT_EQ(Can, C.Want);
    }
    G->OnCanEditCell = [](QObject *, int, int ACol, bool &Can) { Can = ACol == 1; };
    bool Can = false;
    G->QueryCanEdit(1, 2, Can);
    EXPECT_TRUE(Can);
    // A fixed column item makes its cells fixed.
    bool Fixed = false;
    G->IsFixedCell(3, 2, Fixed);
    EXPECT_TRUE(Fixed);
}

TEST(ColumnHooks, FormattedTextAndSizeLimits)
{
    TFormatSettingsGuard Guard;
    auto G = Make_Grid(3);
    G->Columns().Items(1)->Set_FloatFormat(QStringLiteral("%.3f"));
    struct TCase { const char *Name; const char *Text, *Want; };
    const TCase Cases[] = {
        {"IntegerGetsDecimals", "2", "2.000"},
        {"DecimalGetsDecimals", "1.5", "1.500"},
        {"ExponentStays", "1e3", "1e3"},
        {"TextStays", "abc", "abc"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_Cells(1, 1, QString::fromLatin1(C.Text));
        EXPECT_EQ(G->GetFormattedCell(1, 1), QString::fromLatin1(C.Want));
    }
    G->Columns().Items(1)->Set_MinSize(30);
    int W = 10;
    G->UpdateColumnSize(1, W);
    EXPECT_EQ(W, 30);
    W = 10;
    G->UpdateColumnSize(2, W);
    EXPECT_EQ(W, 10);
}

TEST(ColumnGrid, ScaleAndVersion)
{
    auto G = Make_Grid(3);
    const int Size = G->Columns().Items(1)->Font().Size;
    G->ChangeScale(1, 1);
    EXPECT_EQ(G->Columns().Items(1)->Font().Size, Size);
    G->ChangeScale(2, 1);
    EXPECT_EQ(G->Columns().Items(1)->Font().Size, 2 * Size);
    EXPECT_EQ(G->Columns().Items(1)->HeaderFont().Size, 2 * Size);
    EXPECT_EQ(G->GetVersionString(), QStringLiteral("3.1.3.1 Aug, 2012"));
}

// Hidden columns: items stay by real index; hooks that take display indexes
// map them first.
TEST(ColumnHiddenColumns, RealAndDisplayIndexesThroughItems)
{
    auto G = Make_Grid(6);
    for (int I = 0; I < 6; ++I)
        G->Columns().Items(I)->Set_Header(QStringLiteral("c%1").arg(I));
    G->Columns().Items(3)->Set_EditMask(QStringLiteral("999;1;_"));
    G->Columns().Items(3)->Set_EditLength(7);
    G->Columns().Items(5)->Set_Fixed(true);
    G->HideColumn(2);
    G->HideColumn(4);
    ASSERT_EQ(G->ColCount(), 4);
    ASSERT_EQ(G->Columns().Count(), 6);
    Expect_Sound(*G);
    struct TCase { const char *Name; int Displ; int Real; };
    const TCase Cases[] = {{"Fixed", 0, 0}, {"BeforeHidden", 1, 1}, {"AfterFirstHidden", 2, 3}, {"AfterBoth", 3, 5}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(G->RealColIndex(C.Displ), C.Real);
        EXPECT_EQ(G->Columns().Items(G->RealColIndex(C.Displ))->Header(), QStringLiteral("c%1").arg(C.Real));
    }
    // Display column 2 is real column 3: its mask and length.
    EXPECT_EQ(G->GetEditMask(2, 1), QStringLiteral("999;1;_"));
    G->FocusCell(2, 1);
    EXPECT_EQ(G->GetEditLimit(), 7);
    // Display column 3 is the fixed item 5 (a mapped hook).
    bool Fixed = false;
    G->IsFixedCell(3, 1, Fixed);
    EXPECT_TRUE(Fixed);
    // A hidden column's item keeps its header and shows it again.
    G->UnHideColumn(2);
    EXPECT_EQ(G->Cells(2, 0), QStringLiteral("c2"));
    EXPECT_EQ(G->Columns().Items(2)->Header(), QStringLiteral("c2"));
    Expect_Sound(*G);
}

// Colours and defaults: the item, then the cell's own properties, then the event.
TEST(ColumnHooks, ColoursAndDefaults)
{
    auto G = Make_Grid(4);
    TGridColumnItem *I = G->Columns().Items(2);
    I->Set_Color(0x00AA00);
    TFont HF = G->Font();
    HF.Size = 12;
    I->Set_HeaderFont(HF);
    I->Set_HeaderAlignment(taRightJustify);
    TBrush B;
    TFont F;
    G->GetCellColor(2, 1, TGridDrawState(), B, F);
    EXPECT_EQ(B.Color, 0x00AA00);
    G->GetCellColor(2, 0, TGridDrawState(), B, F);
    EXPECT_EQ(F.Size, 12);
    G->SetColors(2, 3, 0x0000CC);
    TColor Seen = clNone;
    G->OnGetCellColor = [&](QObject *, int, int, TGridDrawState, TBrush &Br, TFont &) { Seen = Br.Color; };
    G->GetCellColor(2, 3, TGridDrawState(), B, F);
    EXPECT_EQ(Seen, 0x0000CC);
    I->Set_Fixed(true);
    G->OnGetCellColor = nullptr;
    G->GetCellColor(2, 1, TGridDrawState(), B, F);
    EXPECT_EQ(B.Color, G->FixedColor());

    TFont DF;
    TBrush DB;
    TColor To = 0, M = 0, MT = 0;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    TCellGradientDirection GD = GradientHorizontal;
    G->GetCellDefaults(1, 0, DF, DB, To, M, MT, HA, VA, WW, GD);
    EXPECT_EQ(HA, taLeftJustify);
    G->GetCellDefaults(2, 0, DF, DB, To, M, MT, HA, VA, WW, GD);
    EXPECT_EQ(HA, taRightJustify);
    EXPECT_EQ(DB.Color, clNone);   // a fixed cell's colour is never frozen
    EXPECT_EQ(GD, GradientVertical);

    // The editor kind: the item's, which the event sees and may change.
    G->Columns().Items(1)->Set_Editor(edComboList);
    TEditorType SeenE = edNormal;
    G->OnGetEditorType = [&](QObject *, int, int, TEditorType &E) {
        SeenE = E;
        E = edComboEdit;
    };
    TEditorType E = edNormal;
    G->GetCellEditorType(1, 2, E);
    EXPECT_EQ(SeenE, edComboList);
    EXPECT_EQ(E, edComboEdit);
}

// The column pop-up: the event fires for every matching click; the menu shows
// only for the row kind its type names.
TEST(ColumnPopup, EventFirstMenuByRowKind)
{
    auto G = Make_Grid(3);
    G->resize(300, 200);
    G->show();
    QMenu Menu;
    Menu.addAction(QStringLiteral("Sort"));
    G->Columns().Items(1)->Set_ColumnPopup(&Menu);
    G->Columns().Items(1)->Set_ColumnPopupType(cpNormalCellsLClick);
    int Fired = 0;
    G->OnColumnPopup = [&](QObject *, int C, int, QMenu *M) {
        EXPECT_EQ(C, 1);
        EXPECT_EQ(M, &Menu);
        ++Fired;
    };
    auto Press = [&](int C, int R, TMouseButton B) {
        const TRect Rc = G->CellRect(C, R);
        G->MouseDown(B, TShiftState(), (Rc.Left + Rc.Right) / 2, (Rc.Top + Rc.Bottom) / 2);
        G->MouseUp(B, TShiftState(), (Rc.Left + Rc.Right) / 2, (Rc.Top + Rc.Bottom) / 2);
    };
    Press(1, 0, mbLeft);
    EXPECT_EQ(Fired, 1);
    EXPECT_FALSE(Menu.isVisible());
    Press(1, 0, mbRight);   // a right click is not this type's
    EXPECT_EQ(Fired, 1);
    Press(1, 2, mbLeft);
    EXPECT_EQ(Fired, 2);
    EXPECT_TRUE(Menu.isVisible());
    Menu.hide();
    // A menu that goes away is forgotten by the item.
    auto *Gone = new QMenu;
    G->Columns().Items(2)->Set_ColumnPopup(Gone);
    delete Gone;
    EXPECT_EQ(G->Columns().Items(2)->ColumnPopup(), nullptr);
}

// Hook order, one row per hook: what the event saw (the item's answer, or the
// string grid's where the item comes last) and what the hook answers in the end.
TEST(ColumnHooks, HookOrderTable)
{
    auto G = Make_Grid(4);
    TGridColumnItem *I = G->Columns().Items(2);
    I->Set_Password(true);
    I->Set_Editor(edComboEdit);
    I->Set_SortStyle(ssDate);
    I->Set_Borders(TCellBorders{cbTop});
    I->Set_CheckTrue(QStringLiteral("item"));
    struct TCase {
        const char *Name;
        std::function<void(int &Seen)> Hook_Event;   // installs an event recording what it saw
        std::function<int()> Answer;                 // runs the hook, gives its final answer
        int WantSeen, WantAnswer;
    };
    const TCase Cases[] = {
        {"PasswordItemThenEvent",
         [&](int &S) { G->OnIsPasswordCell = [&S](QObject *, int, int, bool &P) { S = P; P = false; }; },
         [&] { bool P = false; G->IsPasswordCell(2, 1, P); return int(P); }, 1, 0},
        {"ComboItemThenEvent",
         [&](int &S) { G->OnHasComboBox = [&S](QObject *, int, int, bool &H) { S = H; H = false; }; },
         [&] { return int(G->HasComboBox(2, 1)); }, 1, 0},
        {"CanEditItemThenEvent",
         [&](int &S) { G->OnCanEditCell = [&S](QObject *, int, int, bool &C) { S = C; C = false; }; },
         [&] { bool C = false; G->QueryCanEdit(2, 1, C); return int(C); }, 1, 0},
        {"SortFormatItemThenEvent",
         [&](int &S) { G->OnGetFormat = [&S](QObject *, int, TSortStyle &St, QString &, QString &) { S = St; St = ssRaw; }; },
         [&] { TSortStyle St = ssAutomatic; QString P, X; G->GetColFormat(2, St, P, X); return int(St); }, ssDate, ssRaw},
        {"BorderItemThenEvent",
         [&](int &S) { G->OnGetCellBorder = [&S](QObject *, int, int, TPen &, TCellBorders &B) { S = B.Contains(cbTop); B = TCellBorders(); }; },
         [&] { TPen P; TCellBorders B; G->GetCellBorder(2, 1, P, B); return int(B.Contains(cbTop)); }, 1, 0},
        // The exception: the string grid's check text (and its event) first, the item's replaces it.
        {"CheckTrueEventThenItem",
         [&](int &S) { G->OnGetCheckTrue = [&S](QObject *, int, int, QString &V) { S = V == QStringLiteral("Y"); V = QStringLiteral("event"); }; },
         [&] { return int(G->GetCheckTrue(2, 1) == QStringLiteral("item")); }, 1, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        int Seen = -1;
        C.Hook_Event(Seen);
        EXPECT_EQ(C.Answer(), C.WantAnswer);
        EXPECT_EQ(Seen, C.WantSeen);
    }
}

// An item reaches its column's cells by row through the grid's accessors;
// after loading each item's place is its default place.
TEST(ColumnItemCells, AccessorsAndLoadedPlaces)
{
    TFormatSettingsGuard Guard;
    auto G = Make_Grid(4, 5);
    TGridColumnItem *I = G->Columns().Items(2);
    I->SetRows(1, QStringLiteral("text"));
    I->SetInts(2, 42);
    I->SetFloats(3, 2.5);
    EXPECT_EQ(G->Cells(2, 1), QStringLiteral("text"));
    EXPECT_EQ(I->GetRows(1), QStringLiteral("text"));
    EXPECT_EQ(I->GetInts(2), 42);
    EXPECT_DOUBLE_EQ(I->GetFloats(3), 2.5);
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("42"));
    G->MoveColumn(1, 3);
    G->Loaded();
    for (int C = 0; C < G->Columns().Count(); ++C)
        EXPECT_EQ(G->Columns().Items(C)->DefIdx(), C);
    Expect_Sound(*G);
}

// A column offers a filter drop-down only from its item's Filter entries: a
// name, or a name, "=" and a condition; picking one applies the condition.
TEST(ColumnFilter, EntriesFromTheItem)
{
    auto G = Make_Grid(3, 6);
    const char *Values[] = {"50", "150", "200", "90", "120"};
    for (int R = 1; R < 6; ++R)
        G->Set_Cells(1, R, QString::fromLatin1(Values[R - 1]));
    G->Set_FilterDropDownAuto(true);
    // The grid would build a list of the texts; the column has no entries.
    EXPECT_FALSE(G->BuildFilterList(1));
    TGridColumnItem *I = G->Columns().Items(1);
    I->Set_Filter({QStringLiteral("High=>100"), QStringLiteral("90")});
    I->Set_FilterCaseSensitive(false);
    ASSERT_TRUE(G->BuildFilterList(1));
    EXPECT_EQ(G->FilterList(), (QStringList{QStringLiteral("High"), QStringLiteral("90")}));

    G->Set_AutoFilterDisplay(true);
    QString SeenName, SeenCondition;
    G->OnFilterSelect = [&](QObject *, int, int, const QString &Name, QString &Condition) {
        SeenName = Name;
        SeenCondition = Condition;
    };
    struct TCase { const char *Name; int Item; const char *Condition; int Rows; };
    const TCase Cases[] = {
        // the condition after "=" filters, the name before it shows
        {"NameAndCondition", 0, ">100", 4},
        // an entry without "=" is name and condition at once
        {"EntryIsBoth", 1, "90", 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_FilterCol(1);
        G->FilterSelect(C.Item);
        EXPECT_EQ(SeenCondition, QString::fromLatin1(C.Condition));
        EXPECT_EQ(G->Filter().GetColFilter(1).Condition, QString::fromLatin1(C.Condition));
        EXPECT_FALSE(G->Filter().GetColFilter(1).CaseSensitive);
        EXPECT_EQ(G->Columns().Items(1)->Header(), SeenName);
        EXPECT_EQ(G->Cells(1, 0), SeenName);
        EXPECT_EQ(G->RowCount(), C.Rows);
        EXPECT_EQ(G->FilterCol(), -1);
    }
    // An index outside the entries changes nothing but ends the choice.
    SeenName.clear();
    G->Set_FilterCol(1);
    G->FilterSelect(5);
    EXPECT_TRUE(SeenName.isEmpty());
    EXPECT_EQ(G->FilterCol(), -1);
    EXPECT_EQ(G->RowCount(), 2);
    Expect_Sound(*G);
}

// Grouping takes the grouped column's item aside, so the other columns keep
// theirs; ungrouping puts it back in its place.
TEST(ColumnGroup, ItemAsideAndBack)
{
    auto G = Make_Grid(4, 6);
    for (int C = 0; C < 4; ++C)
        G->Columns().Items(C)->Set_Header(QStringLiteral("c%1").arg(C));
    G->Columns().Items(2)->Set_Editor(edComboList);
    G->Columns().Items(3)->Set_Editor(edDataCheckBox);
    for (int R = 1; R < 6; ++R) {
        G->Set_Cells(2, R, R < 3 ? QStringLiteral("a") : QStringLiteral("b"));
        G->Set_Cells(3, R, QStringLiteral("Y"));
    }
    G->Group(2);
    ASSERT_EQ(G->GroupColumn(), 2);
    Expect_Sound(*G);
    EXPECT_EQ(G->SaveCol().Header(), QStringLiteral("c2"));
    // The check-box column now shows at 2 and keeps its own item.
    EXPECT_EQ(G->Columns().Items(2)->Header(), QStringLiteral("c3"));
    EXPECT_EQ(G->Columns().Items(2)->Editor(), edDataCheckBox);
    G->UnGroup();
    Expect_Sound(*G);
    ASSERT_EQ(G->Columns().Count(), 4);
    EXPECT_EQ(G->Columns().Items(2)->Header(), QStringLiteral("c2"));
    EXPECT_EQ(G->Columns().Items(2)->Editor(), edComboList);
    EXPECT_EQ(G->Columns().Items(3)->Header(), QStringLiteral("c3"));
    EXPECT_EQ(G->Columns().Items(3)->Editor(), edDataCheckBox);
    EXPECT_EQ(G->Cells(2, 0), QStringLiteral("c2"));
}

// Inserting and removing columns puts new items at the columns' place and
// takes the removed columns' items away; the others stay with their columns.
TEST(ColumnItems, InsertAndRemoveColumns)
{
    auto G = Make_Grid(4, 3);
    for (int C = 0; C < 4; ++C)
        G->Columns().Items(C)->Set_Header(QStringLiteral("h%1").arg(C));
    G->Set_Cells(2, 1, QStringLiteral("two"));
    G->InsertCols(1, 2);
    ASSERT_EQ(G->Columns().Count(), 6);
    EXPECT_EQ(G->Columns().Items(0)->Header(), QStringLiteral("h0"));
    EXPECT_EQ(G->Columns().Items(1)->Header(), QString());
    EXPECT_EQ(G->Columns().Items(4)->Header(), QStringLiteral("h2"));
    EXPECT_EQ(G->Cells(4, 1), QStringLiteral("two"));
    Expect_Sound(*G);
    G->RemoveCols(0, 3);
    ASSERT_EQ(G->Columns().Count(), 3);
    EXPECT_EQ(G->Columns().Items(0)->Header(), QStringLiteral("h1"));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("two"));
    Expect_Sound(*G);
    EXPECT_EQ(G->Model().Check_Consistency(), QString());
}
