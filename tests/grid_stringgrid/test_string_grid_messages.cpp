// The string grid's answers to the platform: the cursor per mouse mode and
// per cell, focus arriving and leaving, hints, the fixed-cell highlight and
// cursor-change notices.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCoreApplication>
#include <QFocusEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A grid whose check-box cells and hint decision a test chooses.
class TTestGrid : public RIraRevadiVizo {
public:
    int CheckBoxCol = -1;
    bool RefuseHints = false;
    bool Is_Check_Control_Cell(int ACol, int) override { return ACol == CheckBoxCol; }
    void CellHintShow(TPoint Pos, QString &HintStr, bool &CanShow) override
    {
        RIraRevadiVizo::CellHintShow(Pos, HintStr, CanShow);
        if (RefuseHints)
            CanShow = false;
    }
};

std::unique_ptr<TTestGrid> Make_Grid()
{
    auto G = std::make_unique<TTestGrid>();
    G->Set_ColCount(5);
    G->Set_RowCount(10);
    G->resize(400, 250);
    return G;
}

// A point in the middle of a cell.
TPoint Mid(const RIraRevadiVizo &G, int C, int R)
{
    const TRect Rc = G.CellRect(C, R);
    return TPoint{(Rc.Left + Rc.Right) / 2, (Rc.Top + Rc.Bottom) / 2};
}

void Focus_In(QWidget *W, Qt::FocusReason Reason = Qt::TabFocusReason)
{
    QFocusEvent E(QEvent::FocusIn, Reason);
    QCoreApplication::sendEvent(W, &E);
}
} // namespace

// --- the mouse cursor -----------------------------------------------------------------------------------

TEST(StringGridMessages, CursorPerModeAndCell)
{
    struct TCase {
        const char *Name;
        TMouseSelectMode Mode;
        bool CellSelector;
        bool SizeFixedCol, SizeFixedRow;
        bool CellHandler;
        TGridCursorId WantId;
        Qt::CursorShape WantShape;
    };
    const TCase Cases[] = {
        {"ColumnSelection", msColumn, false, false, false, false, gcColumnSelect, Qt::BitmapCursor},
        {"RowSelection", msRow, false, false, false, false, gcRowSelect, Qt::BitmapCursor},
        {"AllSelection", msAll, false, false, false, false, gcAllSelect, Qt::BitmapCursor},
        {"SelectionResizing", msResize, true, false, false, false, gcAllSelect, Qt::BitmapCursor},
        {"CellSelector", msNormal, true, false, false, true, gcCellSelector, Qt::BitmapCursor},
        {"PlainCell", msNormal, false, false, false, false, gcNone, Qt::ArrowCursor},
        {"CellHookChooses", msNormal, false, false, false, true, gcNone, Qt::PointingHandCursor},
        // the fixed borders win over everything before
        {"FixedColumnBorder", msRow, false, true, false, false, gcNone, Qt::SplitHCursor},
        {"FixedRowBorder", msNormal, false, false, true, true, gcNone, Qt::SplitVCursor},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        G->Set_MouseSelectMode(C.Mode);
        G->Set_CellSelectorMode(C.CellSelector);
        G->Set_Fixed_Border_State(C.SizeFixedCol, false, C.SizeFixedRow, false);
        int AskedC = -1, AskedR = -1;
        if (C.CellHandler)
            G->OnGetCellCursor = [&](QObject *, int ACol, int ARow, int, int, Qt::CursorShape &Cur) {
                AskedC = ACol;
                AskedR = ARow;
                Cur = Qt::PointingHandCursor;
            };
        const TPoint P = Mid(*G, 2, 3);
        EXPECT_EQ(G->WMSetCursor(P), C.WantShape);
        EXPECT_EQ(G->CursorResource(), C.WantId);
        if (C.WantShape == Qt::BitmapCursor) {
            EXPECT_EQ(G->viewport()->cursor().shape(), Qt::BitmapCursor);
        }
        // the cell hook is asked only on the plain path, with the cell under the pointer
        const bool Asked = C.CellHandler && C.Mode == msNormal && !C.CellSelector;
        EXPECT_EQ(AskedC, Asked ? 2 : -1);
        EXPECT_EQ(AskedR, Asked ? 3 : -1);
    }
}

TEST(StringGridMessages, CursorChangeEndsTheMouseMode)
{
    auto G = Make_Grid();
    G->Set_MouseSelectMode(msRow);
    G->setCursor(Qt::IBeamCursor);   // a cursor set from outside
    EXPECT_EQ(G->MouseSelectMode(), msNormal);
    G->Set_MouseSelectMode(msColumn);
    G->Set_InvokedChange(true);      // the grid's own change keeps it, once
    G->setCursor(Qt::ArrowCursor);
    EXPECT_EQ(G->MouseSelectMode(), msColumn);
    G->setCursor(Qt::IBeamCursor);
    EXPECT_EQ(G->MouseSelectMode(), msNormal);
}

// --- focus arriving and leaving ---------------------------------------------------------------------------

// With AlwaysEdit, focus arriving opens the text editor on a visible,
// editable current cell that is no check box.
TEST(StringGridMessages, FocusArrivalOpensTheEditor)
{
    struct TCase {
        const char *Name;
        bool AlwaysEdit;
        bool Editable;
        bool CheckBox;
        bool Invoked;      // the grid is moving the focus itself
        bool ScrolledAway; // the current cell is out of view
        bool WantEditor;
    };
    const TCase Cases[] = {
        {"OpensOnEditableCell", true, true, false, false, false, true},
        {"NotWithoutAlwaysEdit", false, true, false, false, false, false},
        {"NotOnReadOnlyCell", true, false, false, false, false, false},
        {"NotOnCheckBoxCell", true, true, true, false, false, false},
        {"IgnoredWhileInvoked", true, true, false, true, false, false},
        {"NotOnCellOutOfView", true, true, false, false, true, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        G->Set_RowCount(100);
        G->Set_Options(G->Options() + goEditing);
        // the text editor exists once it has been shown
        G->ShowInplaceEdit();
        G->HideInplaceEdit();
        ASSERT_NE(G->InplaceEditor(), nullptr);
        G->Navigation().Set_AlwaysEdit(C.AlwaysEdit);
        if (!C.Editable)
            G->OnCanEditCell = [](QObject *, int, int, bool &CanEdit) { CanEdit = false; };
        if (C.CheckBox)
            G->CheckBoxCol = G->Col();
        G->Set_InvokedFocusChange(C.Invoked);
        if (C.ScrolledAway)
            G->TBaseGrid::Set_TopRow(50);
        Focus_In(G.get());
        EXPECT_EQ(G->EditorMode(), C.WantEditor);
    }
}

TEST(StringGridMessages, FocusLeavingClearsCtrlAndBlockKillKeepsState)
{
    auto G = Make_Grid();
    G->Set_CtrlDown(true, TPoint{2, 2});
    QFocusEvent Out(QEvent::FocusOut, Qt::TabFocusReason);
    G->Set_BlockKill(true);
    QCoreApplication::sendEvent(G.get(), &Out);
    EXPECT_TRUE(G->CtrlDown());   // blocked: nothing happens
    G->Set_BlockKill(false);
    QCoreApplication::sendEvent(G.get(), &Out);
    EXPECT_FALSE(G->CtrlDown());
}

// --- keyboard and hints --------------------------------------------------------------------------------------

TEST(StringGridMessages, DialogCodeWantsCharactersForTheRowLookup)
{
    auto G = Make_Grid();
    EXPECT_TRUE(G->WMGetDlgCode() & DLGC_WANTCHARS);   // no editing
    G->Set_Options(G->Options() + goTabs + goEditing);
    G->Navigation().Set_AutoGotoWhenSorted(true);
    const int Code = G->WMGetDlgCode();
    EXPECT_TRUE(Code & DLGC_WANTCHARS);
    EXPECT_TRUE(Code & DLGC_WANTTAB);
    EXPECT_TRUE(Code & DLGC_WANTARROWS);
}

TEST(StringGridMessages, CellHints)
{
    auto G = Make_Grid();
    G->OnGridHint = [](QObject *, int ARow, int ACol, QString &Hint) { Hint = QStringLiteral("cell %1,%2").arg(ACol).arg(ARow); };
    QString Hint;
    EXPECT_TRUE(G->CMHintShow(Mid(*G, 2, 3), Hint));
    EXPECT_EQ(Hint, "cell 2,3");
    // a hint handler that clears CanShow suppresses the hint
    G->RefuseHints = true;
    Hint.clear();
    EXPECT_FALSE(G->CMHintShow(Mid(*G, 2, 3), Hint));
    // outside the cells no cell is asked
    G->RefuseHints = false;
    Hint.clear();
    EXPECT_TRUE(G->CMHintShow(TPoint{395, 245}, Hint));
    EXPECT_TRUE(Hint.isEmpty());
    // behind a hidden column the handler gets the shown column
    G->HideColumn(1);
    Hint.clear();
    EXPECT_TRUE(G->CMHintShow(Mid(*G, 2, 3), Hint));
    EXPECT_EQ(Hint, "cell 2,3");
}

// --- the fixed-cell highlight -------------------------------------------------------------------------------

TEST(StringGridMessages, ResetFixedCellHighlight)
{
    struct TCase { const char *Name; THoverFixedCells Hover; int WantX, WantY; };
    const TCase Cases[] = {
        {"HoverOnClears", hfAll, -1, -1},
        {"HoverOffKeeps", hfNone, 0, 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        G->Set_HoverFixedCells(C.Hover);
        G->Set_Hover_Fixed_Cell(0, 2);
        G->Set_Fixed_Border_State(true, false, true, false);
        G->ResetFixedCellHighlight();
        EXPECT_EQ(G->HoverFixedX(), C.WantX);
        EXPECT_EQ(G->HoverFixedY(), C.WantY);
        // the border flags are cleared either way
        EXPECT_EQ(G->WMSetCursor(Mid(*G, 2, 3)), Qt::ArrowCursor);
    }
}

// --- rows by key ---------------------------------------------------------------------------------------------

TEST(StringGridMessages, InsertAndDeleteRowHooks)
{
    auto Texts = [](RIraRevadiVizo &G) {
        QString S;
        for (int R = 0; R < G.RowCount(); ++R)
            S += G.Cells(1, R).isEmpty() ? QStringLiteral("-") : G.Cells(1, R);
        return S;
    };
    auto G = Make_Grid();
    G->Set_RowCount(4);
    for (int R = 0; R < 4; ++R)
        G->Set_Cells(1, R, QString::number(R));
    // a row beyond the count keeps its text: the inserted row still starts empty
    G->Set_Cells(1, 4, QStringLiteral("x"));
    G->InsertRowHook(2);
    EXPECT_EQ(Texts(*G), "01-23");
    int Deleted = -1;
    G->OnAutoDeleteRow = [&](QObject *, int ARow) { Deleted = ARow; };
    G->DeleteRowHook(1);
    EXPECT_EQ(Texts(*G), "0-23");
    EXPECT_EQ(Deleted, 1);
    // the rows' flags move with them
    G->SetRowModified(3, true);
    G->InsertRowHook(1);
    EXPECT_TRUE(G->GetRowModified(4));
    EXPECT_FALSE(G->GetRowModified(3));
    G->DeleteRowHook(2);
    EXPECT_TRUE(G->GetRowModified(3));
    EXPECT_EQ(G->ModifiedRowCount(), 1);

    // The Delete key on the only data row clears it instead of removing it.
    struct TCase { const char *Name; bool FixedRowAlways; int WantRows; const char *Want; };
    const TCase Cases[] = {
        {"OnlyDataRowIsCleared", false, 2, "0-"},
        {"FixedRowAlwaysRemovesIt", true, 1, "0"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto H = Make_Grid();
        H->Set_RowCount(2);
        H->Set_FixedRowAlways(C.FixedRowAlways);
        H->Set_Cells(1, 0, QStringLiteral("0"));
        H->Set_Cells(1, 1, QStringLiteral("1"));
        Deleted = -1;
        H->OnAutoDeleteRow = [&](QObject *, int ARow) { Deleted = ARow; };
        H->DeleteRowHook(1);
        EXPECT_EQ(H->RowCount(), C.WantRows);
        EXPECT_EQ(Texts(*H), C.Want);
        EXPECT_EQ(Deleted, 1);
    }
}
