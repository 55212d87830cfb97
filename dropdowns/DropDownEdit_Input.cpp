// The drop-down edit's clipboard commands (each asks its event first, and a
// paste goes through the typed-input rules), its focus and its mouse.
#include "dropdowns/DropDownEdit.h"
#include "dropdowns/DropDownText.h"
#include "platform/Clipboard.h"
#include <QMouseEvent>
#include <algorithm>

// --- clipboard --------------------------------------------------------------------------------------------

void VOdeCustomDropDown::Cut_Value()
{
    if (!FEditorEnabled || isReadOnly())
        return;
    Pull();
    bool Allow = true;
    FBlockCopy = true;
    if (OnClipboardCut)
        OnClipboardCut(this, FV.Selected_Value(), Allow);
    if (Allow && FV.E.SelLength > 0) {
        Clipboard().Put_Text(FV.E.Text.mid(FV.E.SelStart, FV.E.SelLength));
        FV.Insert_Char(QChar(8));
        Push();
    }
    FBlockCopy = false;
}

void VOdeCustomDropDown::Copy_Value()
{
    Pull();
    bool Allow = true;
    if (OnClipboardCopy && !FBlockCopy)
        OnClipboardCopy(this, FV.Selected_Value(), Allow);
    FBlockCopy = false;
    // A password is never copied out.
    if (Allow && FV.E.SelLength > 0 && echoMode() == QLineEdit::Normal)
        Clipboard().Put_Text(FV.E.Text.mid(FV.E.SelStart, FV.E.SelLength));
}

void VOdeCustomDropDown::Paste_Value()
{
    if (isReadOnly() || !Clipboard().Has_Text())
        return;
    const QString Clip = Clipboard().Text();
    Pull();
    const QString Value = FV.GetText();
    const int K = std::clamp(FV.E.SelStart - FV.P(), 0, int(Value.size()));
    QString New = Value;
    New.replace(K, std::min(FV.E.SelLength, int(Value.size()) - K), Clip);
    bool Allow = true;
    if (OnClipboardPaste)
        OnClipboardPaste(this, New, Allow);
    if (!Allow)
        return;
    FV.Paste(Clip);
    Push();
}

// --- focus and mouse ------------------------------------------------------------------------------------

void VOdeCustomDropDown::focusInEvent(QFocusEvent *E)
{
    // Back from the own popup: the edit kept the focus all along.
    if (E->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusInEvent(E);
        return;
    }
    TCustomMaskEdit::focusInEvent(E);
}

void VOdeCustomDropDown::focusOutEvent(QFocusEvent *E)
{
    // The own popup opening takes the keyboard, not the focus.
    if (E->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(E);
        return;
    }
    TCustomMaskEdit::focusOutEvent(E);
}

void VOdeCustomDropDown::DoEnter(bool ByMouse)
{
    if (Loading())
        return;
    SetEditRect();
    if (!FEditorEnabled) {
        deselect();
        update();
        return;
    }
    FOldString = Text();
    if (ByMouse)
        return;
    if (AutoSelect())
        SelectAll();
    else if (EditType() == etFloat || EditType() == etMoney)
        SelectBeforeDecimal();
}

void VOdeCustomDropDown::DoExit()
{
    if (Loading())
        return;
    Pull();
    const TDropDownEditType T = FV.S.EditType;
    const bool Empty = FV.GetText().isEmpty();
    if ((T == etFloat || T == etMoney) && FV.S.Precision > 0 && (!Empty || !FAllowNumericNullValue)) {
        const bool Was = FV.Modified;
        if (T == etMoney) {
            FV.SetText(StripThousandSeparators(FV.GetText()));
            FV.AutoSeparators();
        } else {
            FV.SetFloatValue(FV.GetFloatValue());
        }
        FV.Modified = Was;
    } else if (T == etNumeric && Empty && !FAllowNumericNullValue) {
        FV.SetText(QStringLiteral("0"));
    } else if ((T == etFloat || T == etMoney) && Empty && !FAllowNumericNullValue) {
        FV.SetFloatValue(0);
    }
    Push();
    if (!FEditorEnabled)
        update();
}

void VOdeCustomDropDown::mousePressEvent(QMouseEvent *E)
{
    // A press on the selection keeps it (the edit does not see the press);
    // the release then puts the caret where it happens.
    if (E->button() == Qt::LeftButton && FEditorEnabled && hasFocus() && hasSelectedText()) {
        const int At = cursorPositionAt(E->position().toPoint());
        const int From = selectionStart();
        if (At >= From && At <= From + int(selectedText().size())) {
            FButtonDown = true;
            E->accept();
            return;
        }
    }
    TCustomMaskEdit::mousePressEvent(E);
    if (E->button() == Qt::LeftButton && !FEditorEnabled)
        Button_Click();
}

void VOdeCustomDropDown::mouseMoveEvent(QMouseEvent *E)
{
    // The edit never saw the press, so a move does not select.
    if (FButtonDown) {
        E->accept();
        return;
    }
    TCustomMaskEdit::mouseMoveEvent(E);
}

void VOdeCustomDropDown::mouseReleaseEvent(QMouseEvent *E)
{
    if (FButtonDown && E->button() == Qt::LeftButton) {
        FButtonDown = false;
        deselect();
        setCursorPosition(cursorPositionAt(E->position().toPoint()));
    }
    TCustomMaskEdit::mouseReleaseEvent(E);
    if (E->button() != Qt::LeftButton)
        return;
    Pull();
    FV.Mouse_Released();
    Push();
}
