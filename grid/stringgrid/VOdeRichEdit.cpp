#include "grid/stringgrid/VOdeRichEdit.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Keys.h"
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

VOdeRichEdit::VOdeRichEdit(RIraRevadiVizo *Grid) : TRichEdit(Grid), FGrid(Grid)
{
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (FGrid->OnRichEditSelectionChange)
            FGrid->OnRichEditSelectionChange(FGrid);
    });
}

bool VOdeRichEdit::event(QEvent *E)
{
    // Tab belongs to the editor, never to the window's focus chain.
    if (E->type() == QEvent::KeyPress) {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Tab || K->key() == Qt::Key_Backtab) {
            keyPressEvent(K);
            return true;
        }
    }
    return TRichEdit::event(E);
}

void VOdeRichEdit::keyPressEvent(QKeyEvent *E)
{
    const bool Tab = E->key() == Qt::Key_Tab || E->key() == Qt::Key_Backtab;
    const bool Vertical = (E->key() == Qt::Key_Up || E->key() == Qt::Key_Down) && !FGrid->WordWrap()
                          && !FGrid->MultilineCells();
    if (!(Tab && FGrid->Options().Contains(goTabs)) && !Vertical) {
        TRichEdit::keyPressEvent(E);
        return;
    }
    // The key moves the grid's current cell: the focus goes to the grid
    // first, which ends this edit.
    TKey Key = Virtual_Key_From_Qt(E->key(), E->modifiers());
    TShiftState Shift = Shift_State_From_Qt(E->modifiers());
    if (E->key() == Qt::Key_Backtab)
        Shift += ssShift;
    QPointer<RIraRevadiVizo> G(FGrid);
    FGrid->setFocus();
    if (!G)
        return;
    G->KeyDown(Key, Shift);
    if (G && Tab)
        G->ShowInplaceEdit();
    E->accept();
}

void VOdeRichEdit::focusOutEvent(QFocusEvent *E)
{
    if (!FGrid->InvokedFocusChange() && !FGrid->BlockKill()) {
        QWidget *Next = QApplication::focusWidget();
        if (Next == FGrid)
            FGrid->HideInplaceEdit();
    }
    TRichEdit::focusOutEvent(E);
}
