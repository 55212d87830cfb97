// The check box editor of edCheckBox. How it turns keys, focus loss
// and clicks into the grid's editing calls.
#include "grid/stringgrid/GridCheckBoxEditor.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QPointer>
#include <QKeyEvent>

TGridCheckBox::TGridCheckBox(QWidget *Owner) : QCheckBox(Owner), FGrid(Editor_Grid_Of(Owner))
{
    // The box covers the cell: its text must not show through.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    hide();
    setEnabled(false);
}

void TGridCheckBox::keyPressEvent(QKeyEvent *E)
{
    TKey Key = Virtual_Key_From_Qt(E->key(), E->modifiers());
    const TShiftState Shift = Shift_State_From_Qt(E->modifiers());
    switch (Key) {
    case VK_RETURN: case VK_PRIOR: case VK_NEXT: case VK_END:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: {
        QPointer<RIraRevadiVizo> G(FGrid);
        FGrid->HideInplaceEdit();
        if (!G)
            return;
        G->setFocus();
        if (Key == VK_RETURN)
            G->NavigateAfterEdit(G->Col(), G->Row(), false, true, true, false, true);
        if (Key == VK_UP || Key == VK_DOWN)
            G->KeyDown(Key, Shift);
        E->accept();
        return;
    }
    default:
        QCheckBox::keyPressEvent(E);
    }
}

void TGridCheckBox::focusOutEvent(QFocusEvent *E)
{
    QCheckBox::focusOutEvent(E);
    Editor_Focus_Lost(FGrid);
}
