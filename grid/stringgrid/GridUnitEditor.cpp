// The unit editor: a value followed by a unit. How it turns keys, focus loss
// and clicks into the grid's editing calls.
#include "grid/stringgrid/GridUnitEditor.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/SystemInfo.h"
#include <QApplication>
#include <QKeyEvent>

TGridUnitEditBtn::TGridUnitEditBtn(QWidget *Owner) : ROruUnitEditBtn(Owner), FGrid(Editor_Grid_Of(Owner))
{
    // In a cell the grid lines are the frame.
    setFrame(false);
    OnClickBtn = [this](QObject *) {
        Set_Text(FGrid->EllipsClick(Text()));
        selectAll();
        update();
    };
    OnUnitChanged = [this](QObject *, const QString &U) {
        if (FGrid->OnUnitChanged)
            FGrid->OnUnitChanged(FGrid, FGrid->Col(), FGrid->Row(), U);
    };
    hide();
    setEnabled(false);
}

bool TGridUnitEditBtn::event(QEvent *E)
{
    if (Take_Tab_Key(E, FGrid, TEditorTabRule::TabsOption, [this](QKeyEvent *K) { keyPressEvent(K); }))
        return true;
    return ROruUnitEditBtn::event(E);
}

void TGridUnitEditBtn::KeyDown(TKey &Key, TShiftState Shift)
{
    const bool Special = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR
                         || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!Special) {
        ROruUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        FGrid->Set_CurrentCell(TextAndUnit());
        if (!FGrid->ValidateCell(TextAndUnit())) {
            Set_Text(FGrid->CurrentCell());
            return;
        }
        Set_TextAndUnit(FGrid->CurrentCell());
    }
    if (Key == VK_RETURN && FGrid->Navigation().AdvanceOnEnter()) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus();
        Key = 0;
        FGrid->NavigateAfterEdit(FGrid->Col(), FGrid->Row(), false, true, true, false, true);
        return;
    }
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
        Editor_Tab_To_Next_Cell(FGrid, Shift.Contains(ssShift));
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        Set_UnitID(QString());
        Set_Text(FGrid->CurrentCell());
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridUnitEditBtn::WMChar(QChar &Key, bool Keypad)
{
    if (Key == QChar(13)) {
        Key = QChar();
        return;
    }
    const TEditorType Kind = FGrid->EditControl();
    if (Kind == edNumericUnitEditBtn || Kind == edFloatUnitEditBtn) {
        bool Beep = false;
        const bool Ctrl = QApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
        Key = Filter_Number_Char(Kind, Key, Text(), cursorPosition(), selectedText(), Ctrl, Beep);
        if (Beep)
            Message_Beep();
    } else if (Kind != edUnitEditBtn) {
        Key = QChar();
    }
    if (!Key.isNull())
        ROruUnitEditBtn::WMChar(Key, Keypad);
}

void TGridUnitEditBtn::DoExit()
{
    Editor_Focus_Lost(FGrid);
    ROruUnitEditBtn::DoExit();
}
