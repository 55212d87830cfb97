#pragma once
// What the string grid's mouse and scroll handling leave behind for the
// grid's other code and for descendants: plain settings and flags with
// their published getters and setters, in a class the grid inherits
// publicly, so callers use the same names and the grid's sources name the
// fields directly. The handling itself lives in RIraRevadiVizo_Scroll.cpp
// and RIraRevadiVizo_Messages.cpp.
#include "grid/stringgrid/GridScrollSettings.h"
#include "grid/stringgrid/GridTimer.h"
#include "platform/Rect.h"

class RIraRevadiVizo_MouseState {
public:
    // --- scrolling settings
    bool ScrollSynch() const { return FScrollSynch; }
    void Set_ScrollSynch(bool Value) { FScrollSynch = Value; }
    TScrollHintType ScrollHints() const { return FScrollHints; }
    void Set_ScrollHints(TScrollHintType Value) { FScrollHints = Value; }
    // The platform's flat bars do not exist here: the grid keeps standard bars.
    bool IsFlat() const { return FIsFlat; }
    void InitFlatScrollBars() { FIsFlat = false; }
    void DoneFlatScrollBars() { FIsFlat = false; }
    bool ScrollLock() const { return FScrollLock; }
    void Set_ScrollLock(bool Value) { FScrollLock = Value; }
    // The grid grows and shrinks with its window.
    bool SizeWithForm() const { return FSizeWithForm; }
    void Set_SizeWithForm(bool Value) { FSizeWithForm = Value; }

    // --- the state the mouse handling leaves when the user sized a column or row
    void Set_User_Column_Sizing(int ACol, int StartWidth) { FColclicked = ACol; FColclickedsize = StartWidth; }
    void Set_User_Row_Sizing(int ARow, int StartHeight) { FRowclicked = ARow; FRowclickedsize = StartHeight; }
    void Set_ColSized(bool Value) { FColSized = Value; }
    void Set_RowSized(bool Value) { FRowsized = Value; }
    bool ColSized() const { return FColSized; }
    bool ColSizeFlg() const { return FColSizeFlg; }
    void Set_ColSizeFlg(bool Value) { FColSizeFlg = Value; }
    int Colclicked() const { return FColclicked; }
    int Rowclicked() const { return FRowclicked; }

    // --- cursor, mouse modes and the fixed cell under the pointer
    // The grid cursor chosen at the last cursor request (gcNone: a standard one).
    TGridCursorId CursorResource() const { return FCursorResource; }
    TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
    void Set_MouseSelectMode(TMouseSelectMode Value) { FMouseSelectMode = Value; }
    bool CellSelectorMode() const { return FCellSelectorMode; }
    void Set_CellSelectorMode(bool Value) { FCellSelectorMode = Value; }
    // Set while the grid changes its own cursor: the change keeps the mouse mode.
    void Set_InvokedChange(bool Value) { FInvokedchange = Value; }
    bool InvokedFocusChange() const { return FInvokedFocusChange; }
    void Set_InvokedFocusChange(bool Value) { FInvokedFocusChange = Value; }
    // Ctrl held over a cell: the cell repainted when the focus goes.
    void Set_CtrlDown(bool Value, TPoint XY) { FCtrlDown = Value; FCtrlXY = XY; }
    bool CtrlDown() const { return FCtrlDown; }
    int HoverFixedX() const { return FHoverFixedX; }
    int HoverFixedY() const { return FHoverFixedY; }
    void Set_Hover_Fixed_Cell(int X, int Y) { FHoverFixedX = X; FHoverFixedY = Y; }

    // --- the markup link under the pointer: with URLUnderlineOnHover only
    // that link of that cell is drawn underlined (mouse movement sets it)
    bool URLUnderlineOnHover() const { return FURLUnderlineOnHover; }
    void Set_URLUnderlineOnHover(bool Value) { FURLUnderlineOnHover = Value; }
    TPoint HoverCell() const { return FHoverCell; }
    int HoverLink() const { return FHoverlink; }
    void Set_Hover_Link(TPoint Cell, int Link) { FHoverCell = Cell; FHoverlink = Link; }

    // --- the grid's half-second timer (ticks and the lookup's pause)
    TGridTimer &GridTimer() { return FGridTimer; }

protected:
    bool FScrollSynch = false;
    TScrollHintType FScrollHints = shNone;
    bool FIsFlat = false;
    bool FScrollLock = false;
    bool FSizeWithForm = false;
    bool FColSized = false;
    bool FRowsized = false;
    int FColclicked = -1;
    int FRowclicked = -1;
    int FColclickedsize = 0;
    int FRowclickedsize = 0;
    bool FColSizeFlg = false;
    TMouseSelectMode FMouseSelectMode = msNormal;
    TGridCursorId FCursorResource = gcNone;
    bool FCellSelectorMode = false;
    bool FInvokedchange = false;
    bool FInvokedFocusChange = false;
    bool FCtrlDown = false;
    TPoint FCtrlXY;
    int FHoverFixedX = -1;
    int FHoverFixedY = -1;
    bool FURLUnderlineOnHover = false;
    TPoint FHoverCell{-1, -1};
    int FHoverlink = -1;
    TGridTimer FGridTimer;
};
