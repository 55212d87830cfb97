#include "toolkit/MaskEdit.h"
#include <QMimeData>
#include <QMouseEvent>
#include <QDropEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

TCustomMaskEdit::TCustomMaskEdit(QWidget *Parent) : QLineEdit(Parent) {}

void TCustomMaskEdit::Set_EditMask(const QString &Mask)
{
    FEditMask = Mask;
    FMask = Parse_Edit_Mask(Mask, u'/', u':');
    setInputMask(FMask.Qt_Mask);
}

QString TCustomMaskEdit::Text() const
{
    return Masked_Edit_Text(FMask, text(), displayText());
}

void TCustomMaskEdit::Set_Text(const QString &Value) { setText(Value); }

int TCustomMaskEdit::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TCustomMaskEdit::Set_SelStart(int V)
{
    deselect();
    setCursorPosition(V);
}

void TCustomMaskEdit::Set_SelLength(int V)
{
    const int S = SelStart();
    setSelection(S, V);
}

void TCustomMaskEdit::End_Loading()
{
    FLoading = false;
    Loaded();
}

void TCustomMaskEdit::KeyDown(TKey &, TShiftState) {}
void TCustomMaskEdit::KeyUp(TKey &, TShiftState) {}
void TCustomMaskEdit::KeyPress(QChar &) {}

void TCustomMaskEdit::DoEnter(bool ByMouse)
{
    if (FAutoSelect && !ByMouse)
        selectAll();
}

void TCustomMaskEdit::Cut_To_Clipboard()
{
    if (Can_Cut_Paste())
        cut();
}

void TCustomMaskEdit::Paste_From_Clipboard()
{
    if (Can_Cut_Paste())
        paste();
}

void TCustomMaskEdit::Set_Text_Rect(const QRect &R)
{
    FTextRect = R;
    const int L = std::max(0, R.left());
    const int T = std::max(0, R.top() - 1);
    const int Rt = std::max(0, width() - R.right() - 1);
    setTextMargins(L, T, Rt, 0);
}

void TCustomMaskEdit::keyPressEvent(QKeyEvent *E)
{
    if (E->matches(QKeySequence::Paste) || E->matches(QKeySequence::Cut)) {
        if (!Can_Cut_Paste()) {
            E->accept();
            return;
        }
        QLineEdit::keyPressEvent(E);
        return;
    }
    TKey K = Virtual_Key_From_Qt(E->key(), E->modifiers());
    if (K != 0) {
        KeyDown(K, Shift_State_From_Qt(E->modifiers()));
        if (K == 0) {
            E->accept();
            return;
        }
    }
    QString Typed = E->text();
    // Keys that also reach the character filter, as control characters.
    if (Typed.isEmpty()) {
        switch (E->key()) {
        case Qt::Key_Backspace: Typed = QStringLiteral("\b"); break;
        case Qt::Key_Return:
        case Qt::Key_Enter: Typed = QStringLiteral("\r"); break;
        case Qt::Key_Escape: Typed = QStringLiteral("\x1b"); break;
        default: break;
        }
    }
    // Deleting a word or a line goes through the character filter as the
    // character #127 (the code Ctrl+Backspace types), so an editor that
    // refuses typing keeps its text.
    if (E->matches(QKeySequence::DeleteStartOfWord) || E->matches(QKeySequence::DeleteEndOfWord)
        || E->matches(QKeySequence::DeleteEndOfLine) || E->matches(QKeySequence::DeleteCompleteLine)) {
        QChar Del(0x7F);
        WMChar(Del, false);
        if (Del.isNull()) {
            E->accept();
            return;
        }
        QLineEdit::keyPressEvent(E);
        return;
    }
    // Control shortcuts (copy, select all, undo ...) are commands here, not characters.
    const bool Command = E->modifiers().testFlag(Qt::ControlModifier) && !E->modifiers().testFlag(Qt::AltModifier);
    if (Typed.size() != 1 || Command) {
        QLineEdit::keyPressEvent(E);
        return;
    }
    QChar C = Typed[0];
    WMChar(C, E->modifiers().testFlag(Qt::KeypadModifier));
    if (C.isNull()) {
        E->accept();
        return;
    }
    if (C == Typed[0]) {
        QLineEdit::keyPressEvent(E);
        return;
    }
    // A changed character is typed in place of the one the key gave.
    if (C.unicode() >= 32) {
        insert(QString(C));
        E->accept();
        return;
    }
    QKeyEvent Changed(E->type(), E->key(), E->modifiers(), QString(C));
    QLineEdit::keyPressEvent(&Changed);
}

void TCustomMaskEdit::keyReleaseEvent(QKeyEvent *E)
{
    TKey K = Virtual_Key_From_Qt(E->key(), E->modifiers());
    if (K != 0) {
        KeyUp(K, Shift_State_From_Qt(E->modifiers()));
        if (K == 0) {
            E->accept();
            return;
        }
    }
    QLineEdit::keyReleaseEvent(E);
}

void TCustomMaskEdit::focusInEvent(QFocusEvent *E)
{
    QLineEdit::focusInEvent(E);
    DoEnter(E->reason() == Qt::MouseFocusReason);
}

void TCustomMaskEdit::focusOutEvent(QFocusEvent *E)
{
    QLineEdit::focusOutEvent(E);
    DoExit();
}

void TCustomMaskEdit::Restrict_Standard_Menu(QMenu *Menu) const
{
    if (!Menu || Can_Cut_Paste())
        return;
    for (QAction *A : Menu->actions())
        if (Is_Text_Changing_Action(A))
            A->setEnabled(false);
}

bool TCustomMaskEdit::Is_Text_Changing_Action(const QAction *A)
{
    // Newer Qt names the standard actions; older Qt is matched by the very
    // texts (translated the same way) that QLineEdit gives them.
    const QString Name = A->objectName();
    if (!Name.isEmpty())
        return Name == u"edit-cut" || Name == u"edit-paste" || Name == u"edit-delete";
    const QString Text = A->text().section(u'\t', 0, 0);
    return Text == QLineEdit::tr("Cu&t") || Text == QLineEdit::tr("&Paste") || Text == QLineEdit::tr("Delete");
}

void TCustomMaskEdit::contextMenuEvent(QContextMenuEvent *E)
{
    QMenu *Menu = createStandardContextMenu();
    if (!Menu)
        return;
    Restrict_Standard_Menu(Menu);
    Menu->setAttribute(Qt::WA_DeleteOnClose);
    Menu->popup(E->globalPos());
}

void TCustomMaskEdit::mouseReleaseEvent(QMouseEvent *E)
{
    if (E->button() == Qt::MiddleButton && !Can_Cut_Paste()) {
        E->accept();   // no paste of the selection clipboard
        return;
    }
    QLineEdit::mouseReleaseEvent(E);
}

void TCustomMaskEdit::dragEnterEvent(QDragEnterEvent *E)
{
    if (!Can_Cut_Paste()) {
        E->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(E);
}

void TCustomMaskEdit::dragMoveEvent(QDragMoveEvent *E)
{
    if (!Can_Cut_Paste()) {
        E->ignore();
        return;
    }
    QLineEdit::dragMoveEvent(E);
}

void TCustomMaskEdit::dropEvent(QDropEvent *E)
{
    if (!Can_Cut_Paste()) {
        E->ignore();
        return;
    }
    QLineEdit::dropEvent(E);
}
