// The grid's answers to the platform's requests and notices: the mouse
// cursor, focus arriving and leaving, what it wants of the keyboard, hints,
// property changes and removed components.
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QPainter>
#include <QPixmap>
#include <map>

namespace {
// The grid's own cursors: black arrows with a white rim, drawn once.
QCursor Grid_Cursor(TGridCursorId Id)
{
    static std::map<int, QCursor> Cache;
    auto It = Cache.find(Id);
    if (It != Cache.end())
        return It->second;
    QPixmap Pm(32, 32);
    Pm.fill(Qt::transparent);
    QPainter P(&Pm);
    P.setRenderHint(QPainter::Antialiasing, false);
    P.setPen(QPen(Qt::white, 1));
    P.setBrush(Qt::black);
    QPoint Hot(0, 0);
    switch (Id) {
    case gcRowSelect:   // points right, at a row's cells
        P.drawPolygon(QPolygon({{2, 4}, {12, 9}, {2, 14}, {5, 9}}));
        Hot = QPoint(12, 9);
        break;
    case gcColumnSelect:   // points down, at a column's cells
        P.drawPolygon(QPolygon({{4, 2}, {9, 12}, {14, 2}, {9, 5}}));
        Hot = QPoint(9, 12);
        break;
    case gcAllSelect:   // points down and right, at every cell
        P.drawPolygon(QPolygon({{2, 2}, {13, 6}, {9, 9}, {13, 13}, {6, 13}, {2, 2}}));
        Hot = QPoint(13, 13);
        break;
    default:   // the cell selector: a small cross
        P.fillRect(7, 1, 3, 15, Qt::white);
        P.fillRect(1, 7, 15, 3, Qt::white);
        P.fillRect(8, 2, 1, 13, Qt::black);
        P.fillRect(2, 8, 13, 1, Qt::black);
        Hot = QPoint(8, 8);
        break;
    }
    P.end();
    const QCursor C(Pm, Hot.x(), Hot.y());
    Cache.emplace(Id, C);
    return C;
}
} // namespace

// --- the mouse cursor ---------------------------------------------------------------------------------

Qt::CursorShape RIraRevadiVizo::WMSetCursor(TPoint Pos)
{
    FCursorResource = gcNone;
    Qt::CursorShape Cursor_Shape = viewport()->cursor().shape();
    const bool Sizing = GridState() == gsRowSizing || GridState() == gsColSizing;
    if (FMouseSelectMode != msNormal && !Sizing) {
        switch (FMouseSelectMode) {
        case msColumn: FCursorResource = gcColumnSelect; break;
        case msRow: FCursorResource = gcRowSelect; break;
        case msAll:
        case msResize: FCursorResource = gcAllSelect; break;
        default: break;   // a link keeps the cursor the mouse handling set
        }
    } else if (FCellSelectorMode) {
        FCursorResource = gcCellSelector;
    } else {
        Cursor_Shape = TBaseGrid::WMSetCursor(Pos);
        int C = -1, R = -1;
        MouseToCell(Pos.X, Pos.Y, C, R);
        if (C != -1 && R != -1 && OnGetCellCursor) {
            // The hook sets the cursor it chooses on the cells.
            viewport()->setCursor(Cursor_Shape);
            GetCellCursor(C, R, Pos.X, Pos.Y);
            Cursor_Shape = viewport()->cursor().shape();
        }
    }
    if (FSizeFixed || FSizingFixed) {
        FCursorResource = gcNone;
        Cursor_Shape = Qt::SplitHCursor;
    } else if (FSizeFixedR || FSizingFixedR) {
        FCursorResource = gcNone;
        Cursor_Shape = Qt::SplitVCursor;
    }
    if (FCursorResource != gcNone) {
        // Set once per change: the pointer moves often.
        if (FCursorResource != FCursorShown || viewport()->cursor().shape() != Qt::BitmapCursor)
            viewport()->setCursor(Grid_Cursor(FCursorResource));
        FCursorShown = FCursorResource;
        return Qt::BitmapCursor;
    }
    FCursorShown = gcNone;
    return Cursor_Shape;
}

void RIraRevadiVizo::Set_Fixed_Border_State(bool SizeFixed, bool SizingFixed, bool SizeFixedR, bool SizingFixedR)
{
    FSizeFixed = SizeFixed;
    FSizingFixed = SizingFixed;
    FSizeFixedR = SizeFixedR;
    FSizingFixedR = SizingFixedR;
}

void RIraRevadiVizo::CMCursorChanged()
{
    // A cursor set from outside ends a mouse selection mode; the grid's own
    // changes announce themselves first.
    if (!FInvokedchange)
        FMouseSelectMode = msNormal;
    FInvokedchange = false;
}

// --- focus arriving and leaving ------------------------------------------------------------------------------

bool RIraRevadiVizo::Current_Visible() const
{
    return LeftCol() <= Col() && Col() < LeftCol() + VisibleColCount() && TopRow() <= Row()
           && Row() < TopRow() + VisibleRowCount();
}

void RIraRevadiVizo::Repaint_Merged_Current()
{
    if (!IsMergedCell(RealColIndex(Col()), Row()))
        return;
    const TGridRect F = FullCell(RealColIndex(Col()), Row());
    for (int R = F.Top; R <= F.Bottom; ++R)
        for (int C = F.Left; C <= F.Right; ++C)
            RepaintCell(DisplColIndex(C), R);
}

void RIraRevadiVizo::focusInEvent(QFocusEvent *Event)
{
    if (FInvokedFocusChange)
        return;
    const bool FromEditor = FFocusToEditor;
    FFocusToEditor = false;
    TBaseGrid::focusInEvent(Event);
    const int RC = RealColIndex(Col());
    if (Is_Check_Control_Cell(RC, Row()))
        return;
    if (InplaceEditor()) {
        const bool Moving = GridState() == gsRowMoving || GridState() == gsColMoving;
        TEditorType Kind = DefaultEditor();
        GetCellEditorType(RC, Row(), Kind);
        if (!FromEditor && !Moving && FNavigation.AlwaysEdit() && Kind == edNormal) {
            bool Allow = true;
            GetCellEditable(RC, Row(), Allow);
            if (Allow && Current_Visible()) {
                ShowInplaceEdit();
                return;
            }
        }
    } else if (FNavigation.AlwaysEdit()) {
        bool Allow = true;
        GetCellEditable(RC, Row(), Allow);
        if (Current_Visible() && Allow && !FMouseActions.DirectEdit() && HasComboBox(RC, Row())) {
            ShowInplaceEdit();
            return;
        }
    }
    Repaint_Merged_Current();
}

void RIraRevadiVizo::focusOutEvent(QFocusEvent *Event)
{
    // While blocked the grid keeps its state as if the focus had stayed.
    if (FBlockKill)
        return;
    FFocusToEditor = InplaceEditor() && QApplication::focusWidget() == InplaceEditor();
    TBaseGrid::focusOutEvent(Event);
    Repaint_Merged_Current();
    if (FCtrlDown) {
        FCtrlDown = false;
        RepaintCell(FCtrlXY.X, FCtrlXY.Y);
    }
}

// --- keyboard, hints, notices ---------------------------------------------------------------------------------

int RIraRevadiVizo::WMGetDlgCode()
{
    int Code = TBaseGrid::WMGetDlgCode();
    // Typed characters reach the row lookup.
    if (FNavigation.AutoGotoWhenSorted() || !Options().Contains(goEditing))
        Code |= DLGC_WANTCHARS;
    return Code;
}

void RIraRevadiVizo::CellHintShow(TPoint Pos, QString &HintStr, bool &CanShow)
{
    int C = -1, R = -1;
    MouseToCell(Pos.X, Pos.Y, C, R);
    if (C < 0 || R < 0)
        return;
    QString Wide;
    // The hint events name the shown cell (display column), as the click
    // events do; a handler that needs the real column maps it itself.
    GridHint(C, R, HintStr, Wide);
}

bool RIraRevadiVizo::CMHintShow(TPoint Pos, QString &Hint)
{
    bool CanShow = true;
    CellHintShow(Pos, Hint, CanShow);
    return CanShow;
}

void RIraRevadiVizo::CMEnabledChanged()
{
    TBaseGrid::CMEnabledChanged();
    Invalidate();
}

void RIraRevadiVizo::CMColorChanged()
{
    TBaseGrid::CMColorChanged();
    if (Floating_Footer_Visible())
        FooterPanel()->update();
}

void RIraRevadiVizo::Notification(QObject *AComponent, TOperation Operation)
{
    if (Operation == opRemove && !Destroying() && FSyncGrid.Grid() && FSyncGrid.Grid() == AComponent)
        FSyncGrid.Set_Grid(nullptr);
    TBaseGrid::Notification(AComponent, Operation);
}

void RIraRevadiVizo::ResetFixedCellHighlight()
{
    FSizeFixed = false;
    FSizeFixedR = false;
    FNoMouseLeave = false;
    if (FHoverFixedCells == hfNone || (FHoverFixedX == -1 && FHoverFixedY == -1))
        return;
    const int X = FHoverFixedX, Y = FHoverFixedY;
    FHoverFixedX = -1;
    FHoverFixedY = -1;
    RepaintCell(X, Y);
}

// --- rows by key ----------------------------------------------------------------------------------------------

namespace {
// Every node above display row D whose rows take D in (after the node's own
// row) grows or shrinks by Delta with the row inserted or removed at D, so it
// keeps exactly the rows it held.
void Follow_Row_In_Nodes(RIraRevadiVizo &G, int D, int Delta)
{
    for (int P = 0; P < D && P < G.RowCount(); ++P)
        if (G.IsNode(P)) {
            const int Span = G.GetNodeSpan(P);
            if (Span > 0 && D < P + Span)
                G.UpdateNodeSpan(P, Delta);
        }
}
} // namespace

void RIraRevadiVizo::InsertRowHook(int ARow)
{
    // The rows from D on move down with their cells, heights and flags;
    // through InsertRows, so a grid that keeps more per row follows.
    const int D = std::clamp(DisplRowIndex(ARow), 0, RowCount());
    Follow_Row_In_Nodes(*this, D, 1);
    InsertRows(D, 1);
}

void RIraRevadiVizo::DeleteRowHook(int ARow)
{
    const int D = DisplRowIndex(ARow);
    if (D < 0 || D >= RowCount())
        return;
    const int DataRows = RowCount() - FixedRows() - FFixedFooters;
    if (DataRows != 1 || FFixedRowAlways) {
        // The row goes with its cell properties; the rows below move up with
        // their cells, heights and flags (through RemoveRows, as above).
        Follow_Row_In_Nodes(*this, D, -1);
        RemoveRows(D, 1);
    } else {
        FreeCellProps(0, D, TotalColCount() - 1, D);
        ResetRowCells(D);
    }
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}
