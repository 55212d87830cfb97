// The edit-with-button editor of the plain, numeric, float and masked kinds. How it turns keys, focus loss
// and clicks into the grid's editing calls.
#include "grid/stringgrid/GridEditBtnEditor.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/SystemInfo.h"
#include <QApplication>
#include <QMouseEvent>
#include <QKeyEvent>
#include <QPointer>

TGridEditBtn::TGridEditBtn(QWidget *Owner) : ROruEditBtn(Owner), FGrid(Editor_Grid_Of(Owner))
{
    // In a cell the grid lines are the frame.
    setFrame(false);
    OnClickBtn = [this](QObject *) { Button_Click(); };
    hide();
    setEnabled(false);
    connect(this, &QLineEdit::textChanged, this, &TGridEditBtn::Change);
}

void TGridEditBtn::Change() { FGrid->Editor_Text_Edited(Text()); }

bool TGridEditBtn::event(QEvent *E)
{
    if (Take_Tab_Key(E, FGrid, TEditorTabRule::EditorHandlesTab, [this](QKeyEvent *K) { keyPressEvent(K); }))
        return true;
    return ROruEditBtn::event(E);
}

void TGridEditBtn::Button_Click()
{
    Set_Text(FGrid->EllipsClick(Text()));
    selectAll();
    update();
    if (StopEditAfterClick) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus();
    }
}

void TGridEditBtn::KeyDown(TKey &Key, TShiftState Shift)
{
    const bool Special = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR
                         || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!Special && FGrid->OnKeyDown)
        FGrid->OnKeyDown(FGrid, Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = cursorPosition();
    // The cursor walks out of the text into the neighbouring cell.
    if (Editor_Walk_Due(*FGrid, Key, Shift, FSelKeyDown, Text().size(), hasSelectedText())) {
        const bool Forward = Key == VK_RIGHT;
        Key = 0;
        QPointer<TGridEditBtn> Self(this);
        if (!Editor_Cursor_Walk(FGrid, Text(), Forward, [this](const QString &T) { Set_Text(T); }) && Self) {
            Set_Text(FGrid->NewCellText());
            selectAll();
        }
        return;
    }
    if (Shift.Contains(ssCtrl) || !Special) {
        ROruEditBtn::KeyDown(Key, Shift);
        return;
    }
    const TEditorType Kind = FGrid->EditControl();
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        FGrid->Set_CurrentCell(Text());
        const bool Ok = FGrid->ValidateCell(Text());
        Set_Text(FGrid->NewCellText());
        if (!Ok) {
            selectAll();
            update();
            Key = 0;
            FGrid->Set_EditControl(Kind);
            return;
        }
    }
    if (Key == VK_TAB && FGrid->EditorHandlesTab() && Editor_Tab_Step(FGrid, Key, Shift.Contains(ssShift)))
        return;
    if (Key == VK_ESCAPE)
        Set_Text(FGrid->CellCache());
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridEditBtn::KeyUp(TKey &Key, TShiftState Shift)
{
    if (FGrid->OnKeyUp)
        FGrid->OnKeyUp(FGrid, Key, Shift);
    if (Key == VK_RETURN || Key == 0)
        return;
    ROruEditBtn::KeyUp(Key, Shift);
    if (!WorkMode || !FGrid->Lookup() || FGrid->LookupItems().isEmpty() || hasSelectedText())
        return;
    const QString P = Text().left(cursorPosition());
    if (P.isEmpty())
        return;
    const Qt::CaseSensitivity CS = FGrid->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (const QString &E : FGrid->LookupItems())
        if (E.startsWith(P, CS)) {
            const QString N = (Text().left(P.size()) + E.mid(P.size())).left(255);
            Set_Text(N);
            setSelection(P.size(), N.size() - P.size());
            return;
        }
}

void TGridEditBtn::KeyPress(QChar &Key)
{
    if (FGrid->OnKeyPress)
        FGrid->OnKeyPress(FGrid, Key);
    if (Key == QChar(9))
        Key = QChar();
    if (!Key.isNull())
        ROruEditBtn::KeyPress(Key);
}

void TGridEditBtn::WMChar(QChar &Key, bool Keypad)
{
    if (Key == QChar(13) || Key == QChar(9)) {
        Key = QChar();
        return;
    }
    const TEditorType Kind = FGrid->EditControl();
    switch (Kind) {
    case edEditBtn:
    case edMaskEditBtn:
        break;
    case edNumericEditBtn:
    case edFloatEditBtn: {
        bool Beep = false;
        const bool Ctrl = QApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
        Key = Filter_Number_Char(Kind, Key, Text(), cursorPosition(), selectedText(), Ctrl, Beep);
        if (Beep)
            Message_Beep();
        break;
    }
    default:
        Key = QChar();
        break;
    }
    if (!Key.isNull())
        ROruEditBtn::WMChar(Key, Keypad);
}

void TGridEditBtn::Paste_Text(QString S)
{
    bool Allow = !S.isEmpty();
    if (FGrid->OnClipboardPaste)
        FGrid->OnClipboardPaste(this, Allow);
    if (Allow && FGrid->OnClipboardBeforePasteCell)
        FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->Row(), S, Allow);
    if (!Allow)
        return;
    if (S.endsWith(QStringLiteral("\r\n")) && S.indexOf(QStringLiteral("\r\n")) == S.size() - 2)
        S.chop(2);
    const bool Replaced = hasSelectedText();
    const int Start = Replaced ? selectionStart() : cursorPosition();
    QString T = Text();
    T.replace(Start, Replaced ? selectedText().size() : 0, S);
    Set_Text(T);
    FGrid->SetCurrentCellEx(T);
    if (Replaced)
        setSelection(Start, S.size());
    else
        setCursorPosition(Start + S.size());
}

void TGridEditBtn::DoExit()
{
    Editor_Focus_Lost(FGrid);
    ROruEditBtn::DoExit();
}

void TGridEditBtn::mouseDoubleClickEvent(QMouseEvent *E)
{
    ROruEditBtn::mouseDoubleClickEvent(E);
    if (FGrid->OnDblClickCell)
        FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}
