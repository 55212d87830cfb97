// The button editor of edButton. How it turns keys, focus loss
// and clicks into the grid's editing calls.
#include "grid/stringgrid/GridButtonEditor.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QMouseEvent>
#include <QPointer>
#include <QKeyEvent>

TGridButton::TGridButton(QWidget *Owner) : QPushButton(Owner), FGrid(Editor_Grid_Of(Owner))
{
    hide();
    setEnabled(false);
    connect(this, &QPushButton::clicked, this, [this] { FGrid->ButtonClick(FGrid->Col(), FGrid->Row()); });
}

void TGridButton::Press()
{
    setText(FGrid->EllipsClick(text()));
    FGrid->Set_CurrentCell(text());
}

void TGridButton::mouseReleaseEvent(QMouseEvent *E)
{
    if (E->button() == Qt::LeftButton)
        Press();
    QPushButton::mouseReleaseEvent(E);
}

void TGridButton::keyReleaseEvent(QKeyEvent *E)
{
    if (E->key() == Qt::Key_Space && !E->isAutoRepeat()) {
        Press();
        setFocus();
        update();
    }
    QPushButton::keyReleaseEvent(E);
}

void TGridButton::keyPressEvent(QKeyEvent *E)
{
    TKey Key = Virtual_Key_From_Qt(E->key(), E->modifiers());
    const TShiftState Shift = Shift_State_From_Qt(E->modifiers());
    if (Key >= VK_LEFT && Key <= VK_DOWN) {
        QPointer<RIraRevadiVizo> G(FGrid);
        hide();
        setEnabled(false);
        G->HideInplaceEdit();
        if (!G)
            return;
        G->setFocus();
        G->KeyDown(Key, Shift);
        E->accept();
        return;
    }
    if (Key == VK_ESCAPE) {
        QPointer<RIraRevadiVizo> G(FGrid);
        hide();
        setEnabled(false);
        G->HideInplaceEdit();
        if (!G)
            return;
        G->setFocus();
        G->ApplyCellCache();
        E->accept();
        return;
    }
    QPushButton::keyPressEvent(E);
}

void TGridButton::focusOutEvent(QFocusEvent *E)
{
    QPushButton::focusOutEvent(E);
    Editor_Focus_Lost(FGrid);
}
