// The grid's special editor controls: how each turns keys, focus loss and
// clicks into the grid's editing calls.
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Locale.h"
#include "platform/TextToInt.h"
#include <QCalendarWidget>
#include "platform/SystemInfo.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <typeinfo>

int Grid_Key_Down_Message()
{
    static const int Message = Register_Window_Message(QStringLiteral("GridEditKeyDown"));
    return Message;
}

RIraRevadiVizo *Editor_Grid_Of(QWidget *Owner)
{
    auto *G = qobject_cast<RIraRevadiVizo *>(Owner);
    if (!G)
        throw std::bad_cast();
    return G;
}

QChar Filter_Number_Char(TEditorType Kind, QChar Key, const QString &Text, int Caret, const QString &Selected,
                         bool Ctrl, bool &Beep)
{
    Beep = false;
    const bool Control = Key == QChar(8) || Key == QChar(9) || Key == QChar(13) || Key == QChar(27);
    if (Control)
        return Key;
    const bool Digit = Key >= u'0' && Key <= u'9';
    const bool MinusOk = (Caret == 0 && !Text.contains(u'-')) || Selected.contains(u'-');
    switch (Kind) {
    case edNumeric:
    case edNumericEditBtn:
    case edNumericUnitEditBtn:
        if (Digit || (Key == u'-' && Caret == 0 && !Text.contains(u'-')))
            return Key;
        Beep = true;
        return QChar();
    case edPositiveNumeric:
        if (Digit)
            return Key;
        Beep = true;
        return QChar();
    case edFloat:
    case edPositiveFloat:
    case edFloatEditBtn:
    case edFloatUnitEditBtn: {
        const QChar Dec = Format_Settings().DecimalSeparator;
        const QChar Thou = Format_Settings().ThousandSeparator;
        if (Digit)
            return Key;
        if (Key == Dec)
            return Text.contains(Dec) && !Selected.contains(Dec) ? QChar() : Key;
        if (Key == Thou)
            return QChar();
        if (Key == u'-') {
            if (Kind != edPositiveFloat && MinusOk)
                return Key;
            Beep = true;
            return QChar();
        }
        if (Key == u',' || Key == u'.')
            return QChar();   // the other separator: dropped silently
        return Ctrl ? Key : QChar();
    }
    default:
        return Key;
    }
}

namespace {
bool Shift_Held(TShiftState Shift) { return Shift.Contains(ssShift); }

// The Tab step: true when handling stops here.
bool Tab_Step(RIraRevadiVizo *G, TKey &Key, TShiftState Shift)
{
    if (G->Options().Contains(goTabs)) {
        G->HideInplaceEdit();
        G->setFocus();
        G->TabToNextCell(Shift_Held(Shift));
        Key = 0;
        return true;
    }
    G->Post_Message(Grid_Key_Down_Message(), VK_TAB, Shift_Held(Shift) ? 1 : 0);
    return false;
}

// The leave step.
void Leave_Step(RIraRevadiVizo *G, TKey &Key, TShiftState Shift)
{
    QPointer<RIraRevadiVizo> Guard(G);
    G->DoneInplaceEdit(Key, Shift);
    if (Guard && G->Navigation().AdvanceOnEnter() && G->Navigation().AdvanceAutoEdit())
        G->ShowInplaceEdit();
    Key = 0;
}
} // namespace

// --- spin ----------------------------------------------------------------------------------------------------

TGridSpin::TGridSpin(QWidget *Owner) : ROruSpinEdit(Owner), FGrid(Editor_Grid_Of(Owner))
{
    // In a cell the grid lines are the frame.
    setFrame(false);
    Set_MaxValue(100);
    Set_MinValue(0);
    Set_Increment(1);
    hide();
    setEnabled(false);
    connect(this, &QLineEdit::textChanged, this, &TGridSpin::Change);
}

void TGridSpin::Change() { FGrid->Editor_Text_Edited(Text()); }

bool TGridSpin::event(QEvent *E)
{
    if (E->type() == QEvent::KeyPress) {
        auto *K = static_cast<QKeyEvent *>(E);
        if ((K->key() == Qt::Key_Tab || K->key() == Qt::Key_Backtab) && FGrid->Options().Contains(goTabs)) {
            keyPressEvent(K);
            return true;
        }
    }
    return ROruSpinEdit::event(E);
}

void TGridSpin::KeyDown(TKey &Key, TShiftState Shift)
{
    const bool Float = SpinType() == sptFloat, Int = SpinType() == sptNormal;
    if (Int || Float) {
        switch (Key) {
        case VK_PRIOR:
            if (Int && Value() + Increment() <= MaxValue())
                Set_Value(Value() + Increment());
            if (Float && FloatValue() + IncrementFloat() <= MaxFloatValue())
                Set_FloatValue(FloatValue() + IncrementFloat());
            break;
        case VK_NEXT:
            if (Int && Value() - Increment() >= MinValue())
                Set_Value(Value() - Increment());
            if (Float && FloatValue() - IncrementFloat() >= MinFloatValue())
                Set_FloatValue(FloatValue() - IncrementFloat());
            break;
        case VK_END: Int ? Set_Value(MinValue()) : Set_FloatValue(MinFloatValue()); break;
        case VK_HOME: Int ? Set_Value(MaxValue()) : Set_FloatValue(MaxFloatValue()); break;
        default: break;
        }
        if (Key == VK_PRIOR || Key == VK_HOME || Key == VK_NEXT || Key == VK_END) {
            if (FGrid->OnSpinClick)
                FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
            // The step is taken here: a page beyond the limit leaves the value.
            Key = 0;
            return;
        }
    }
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN) {
        ROruSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        Set_Text(FGrid->CellCache());
        int V = 0;
        double F = 0;
        if (SpinType() == sptNormal && Text_To_Int(FGrid->CellCache(), V))
            Set_Value(V);
        else if (SpinType() == sptFloat && Spin_Text_To_Float(FGrid->CellCache(), F))
            Set_FloatValue(F);
    } else {
        FGrid->Set_CurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            Set_Text(FGrid->CurrentCell());
            setCursorPosition(Text().size());
            FGrid->Set_NoAutoAdvance(true);
            Key = 0;
            return;
        }
        Set_Text(FGrid->CurrentCell());
        if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
            FGrid->HideInplaceEdit();
            FGrid->setFocus();
            FGrid->TabToNextCell(Shift.Contains(ssShift));
            Key = 0;
            return;
        }
    }
    Leave_Step(FGrid, Key, Shift);
}

void TGridSpin::KeyPress(QChar &Key)
{
    if (Key == QChar(27) || Key == QChar(13) || Key == QChar(9)) {
        Key = QChar();
        return;
    }
    ROruSpinEdit::KeyPress(Key);
}

void TGridSpin::DoExit()
{
    if (!FGrid->BlockKill())
        FGrid->HideInplaceEdit();
    ROruSpinEdit::DoExit();
}

void TGridSpin::UpClick(QObject *Sender)
{
    ROruSpinEdit::UpClick(Sender);
    switch (SpinType()) {
    case sptNormal: if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), true); break;
    case sptFloat: if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, FGrid->Col(), FGrid->Row(), FloatValue(), true); break;
    case sptDate: if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, FGrid->Col(), FGrid->Row(), DateValue(), true); break;
    case sptTime: if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, FGrid->Col(), FGrid->Row(), TimeValue(), true); break;
    }
}

void TGridSpin::DownClick(QObject *Sender)
{
    ROruSpinEdit::DownClick(Sender);
    switch (SpinType()) {
    case sptNormal: if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), false); break;
    case sptFloat: if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, FGrid->Col(), FGrid->Row(), FloatValue(), false); break;
    case sptDate: if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, FGrid->Col(), FGrid->Row(), DateValue(), false); break;
    case sptTime: if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, FGrid->Col(), FGrid->Row(), TimeValue(), false); break;
    }
}

// --- combo ------------------------------------------------------------------------------------------------------

TGridCombo::TGridCombo(QWidget *Owner) : ROruComboBox(Owner), FGrid(Editor_Grid_Of(Owner))
{
    Set_ButtonWidth(16);
    hide();
    setEnabled(false);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int) {
        if (FGrid->EditMode())
            Fire_Combo_Change();
    });
    connect(this, &QComboBox::editTextChanged, this, &TGridCombo::Text_Edited);
}

void TGridCombo::Text_Edited(const QString &Text)
{
    if (signalsBlocked() || !isVisible())
        return;
    // A typed change reports the item (real column), then the text alone
    // (display column).
    // Only a change made while the combo is the open editor is the user's:
    // refilling or putting the combo away reports nothing.
    if (!FGrid->EditMode())
        return;
    Fire_Combo_Change();
    if (FGrid->OnComboChange)
        FGrid->OnComboChange(FGrid, FGrid->Col(), FGrid->Row(), -1, Text);
    if (FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text);
}

void TGridCombo::showPopup()
{
    ROruComboBox::showPopup();
    FGrid->ComboDropDown(FGrid->Row(), FGrid->RealColIndex(FGrid->Col()));
}

void TGridCombo::hidePopup()
{
    const bool Was = List_Open();
    ROruComboBox::hidePopup();
    if (!Was)
        return;
    QPointer<RIraRevadiVizo> G(FGrid);
    if (FGrid->MouseActions().DirectComboClose() && FGrid->EditMode() && currentIndex() >= 0) {
        // The chosen item is committed at once.
        if (isEditable())
            setEditText(itemText(currentIndex()));
        Fire_Combo_Change();
        const bool Direct = FGrid->MouseActions().DirectEdit();
        FGrid->MouseActions().Set_DirectEdit(false);
        FGrid->HideInplaceEdit();
        if (!G)
            return;
        G->setFocus();
        G->MouseActions().Set_DirectEdit(Direct);
    }
    if (G)
        G->ComboCloseUp(G->Row(), G->RealColIndex(G->Col()));
}

bool TGridCombo::event(QEvent *E)
{
    if (E->type() == QEvent::KeyPress && FGrid->EditorHandlesTab()) {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Tab || K->key() == Qt::Key_Backtab) {
            keyPressEvent(K);
            return true;
        }
    }
    return ROruComboBox::event(E);
}

void TGridCombo::Fire_Combo_Change()
{
    // An edit combo's item is the one its text names (Qt keeps a current
    // index while the typed text differs from it).
    const int I = isEditable() ? findText(currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive) : currentIndex();
    const QString T = I < 0 ? currentText() : itemText(I);
    if (FGrid->OnComboChange)
        FGrid->OnComboChange(FGrid, FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), I, T);
    if (FGrid->OnComboObjectChange)
        FGrid->OnComboObjectChange(FGrid, FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), I, T,
                                   I < 0 ? nullptr : reinterpret_cast<TObject *>(itemData(I).value<quintptr>()));
}

void TGridCombo::keyPressEvent(QKeyEvent *E)
{
    TKey Key = Virtual_Key_From_Qt(E->key(), E->modifiers());
    TShiftState Shift = Shift_State_From_Qt(E->modifiers());
    if (E->key() == Qt::Key_Backtab)
        Shift += ssShift;
    QPointer<TGridCombo> Self(this);
    if (Key != 0) {
        KeyDown(Key, Shift);
        if (!Self)
            return;
        if (Key == 0) {
            // Enter's key-down commits and leaves the cell; its character
            // phase is gone, but OnReturnKey is still told (once).
            if ((E->key() == Qt::Key_Return || E->key() == Qt::Key_Enter) && OnReturnKey)
                OnReturnKey(this);
            E->accept();
            return;
        }
    }
    QChar C = E->text().size() == 1 ? E->text()[0] : QChar();
    if (!C.isNull()) {
        KeyPress(C);
        if (!Self)
            return;
        if (C.isNull()) {
            E->accept();
            return;
        }
    }
    ROruComboBox::keyPressEvent(E);
}

void TGridCombo::keyReleaseEvent(QKeyEvent *E)
{
    TKey Key = Virtual_Key_From_Qt(E->key(), E->modifiers());
    if (Key != 0)
        KeyUp(Key, Shift_State_From_Qt(E->modifiers()));
    ROruComboBox::keyReleaseEvent(E);
}

void TGridCombo::KeyDown(TKey &Key, TShiftState Shift)
{
    const bool ListStyle = Style() == csDropDownList;
    const bool Open = List_Open();
    const bool AltDown = Key == VK_DOWN && Shift.Contains(ssAlt);
    bool Special;
    if (Open || ListStyle)
        Special = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT;
    else
        Special = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT
                  || Key == VK_END || Key == VK_UP || Key == VK_DOWN;
    if (AltDown)
        Special = false;
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    if ((Key == VK_UP || Key == VK_DOWN) && !Open && !AltDown && !FGrid->Navigation().ComboGetUpDown()) {
        FGrid->HideInplaceEdit();
        const bool Always = FGrid->Navigation().AlwaysEdit();
        FGrid->Navigation().Set_AlwaysEdit(false);
        FGrid->setFocus();
        FGrid->Navigation().Set_AlwaysEdit(Always);
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    if (!Special)
        return;   // the combo's own handling
    if (Key == VK_ESCAPE) {
        const QString C = FGrid->CurrentCell();
        if (ListStyle) {
            const int I = findText(C, Qt::MatchFixedString | Qt::MatchCaseSensitive);
            if (I >= 0)
                setCurrentIndex(I);
        } else {
            setEditText(C);
        }
        FGrid->HideInplaceEdit();
        FGrid->setFocus();
        Key = 0;
        return;
    }
    auto Accepted_Show = [this, ListStyle] {
        const QString C = FGrid->CurrentCell();
        if (ListStyle) {
            const int I = findText(C, Qt::MatchFixedString | Qt::MatchCaseSensitive);
            if (I >= 0)
                setCurrentIndex(I);
        } else {
            setEditText(C);
        }
    };
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN || Key == VK_TAB) {
        FGrid->Set_CurrentCell(currentText());
        if (!FGrid->ValidateCell(currentText())) {
            if (!ListStyle) {
                setEditText(FGrid->NewCellText());
                if (lineEdit()) {
                    if (Key == VK_TAB)
                        lineEdit()->setCursorPosition(FGrid->NewCellText().size());
                    else
                        lineEdit()->selectAll();
                }
            }
            if (Key != VK_TAB)
                FGrid->Set_NoAutoAdvance(true);
            update();
            Key = 0;
            return;
        }
        Accepted_Show();
        if (Key == VK_TAB && FGrid->EditorHandlesTab() && Tab_Step(FGrid, Key, Shift))
            return;
    }
    if (Open || ListStyle) {
        const bool Close = FGrid->MouseActions().DirectComboClose();
        FGrid->MouseActions().Set_DirectComboClose(false);
        FGrid->HideInplaceEdit();
        FGrid->MouseActions().Set_DirectComboClose(Close);
        if (Key == VK_LEFT || Key == VK_RIGHT) {
            FGrid->setFocus();
            FGrid->KeyDown(Key, Shift);
        }
        if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN))
            Key = 0;
    } else if (Key == VK_END) {
        if (lineEdit())
            lineEdit()->end(false);
        Key = 0;
        return;
    }
    if (Key == 0)
        return;
    Leave_Step(FGrid, Key, Shift);
}

void TGridCombo::KeyPress(QChar &Key)
{
    if (FGrid->OnKeyPress)
        FGrid->OnKeyPress(FGrid, Key);
    if (Key == QChar(27))
        Key = QChar();
    if (Key == QChar(13) && OnReturnKey)
        OnReturnKey(this);
    if (Key == QChar(13) || Key == QChar(9))
        Key = QChar();
}

void TGridCombo::KeyUp(TKey &Key, TShiftState Shift)
{
    FGrid->Set_NoAutoAdvance(false);
    if (Key != VK_RETURN && Key != VK_BACK && Key != VK_DELETE)
        DoChange();
}

void TGridCombo::DoChange()
{
    if (!WorkMode || !lineEdit() || lineEdit()->hasSelectedText())
        return;
    const QString T = lineEdit()->text();
    const int Caret = lineEdit()->cursorPosition();
    QString P = T.left(Caret);
    if (P.isEmpty())
        return;
    const Qt::CaseSensitivity CS = FGrid->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // The completion is the combo's own doing, not a change the user made:
    // it fires no change events (the typed key has reported its text).
    const QSignalBlocker Quiet(this);
    for (int I = 0; I < count(); ++I)
        if (itemText(I).startsWith(P, CS)) {
            setCurrentIndex(I);
            lineEdit()->setText(itemText(I));
            lineEdit()->setSelection(P.size(), itemText(I).size() - P.size());
            return;
        }
    if (!FGrid->Lookup())
        return;
    for (const QString &E : FGrid->LookupItems())
        if (E.startsWith(P, CS)) {
            const QString N = (P + E.mid(P.size())).left(255);
            lineEdit()->setText(N);
            lineEdit()->setSelection(P.size(), N.size() - P.size());
            return;
        }
}

void TGridCombo::focusOutEvent(QFocusEvent *E)
{
    ROruComboBox::focusOutEvent(E);
    if (E->reason() == Qt::PopupFocusReason || List_Open())
        return;
    if (FGrid->LookupHistory() && !currentText().isEmpty()
        && findText(currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0)
        addItem(currentText());
    if (!FGrid->BlockKill())
        FGrid->HideInplaceEdit();
}

void TGridCombo::wheelEvent(QWheelEvent *E)
{
    const int I = currentIndex();
    if (E->angleDelta().y() < 0 && I + 1 < count())
        setCurrentIndex(I + 1);
    else if (E->angleDelta().y() > 0 && I > 0)
        setCurrentIndex(I - 1);
    if (currentIndex() >= 0 && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), currentText());
    E->accept();
}

// --- edit with button --------------------------------------------------------------------------------------------

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
    if (E->type() == QEvent::KeyPress && FGrid->EditorHandlesTab()) {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Tab || K->key() == Qt::Key_Backtab) {
            keyPressEvent(K);
            return true;
        }
    }
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
    if (Key == VK_TAB && FGrid->EditorHandlesTab() && Tab_Step(FGrid, Key, Shift))
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
    if (!FGrid->BlockKill())
        FGrid->HideInplaceEdit();
    ROruEditBtn::DoExit();
}

void TGridEditBtn::mouseDoubleClickEvent(QMouseEvent *E)
{
    ROruEditBtn::mouseDoubleClickEvent(E);
    if (FGrid->OnDblClickCell)
        FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

// --- unit edit with button --------------------------------------------------------------------------------------

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
    if (E->type() == QEvent::KeyPress && FGrid->Options().Contains(goTabs)) {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Tab || K->key() == Qt::Key_Backtab) {
            keyPressEvent(K);
            return true;
        }
    }
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
        FGrid->HideInplaceEdit();
        FGrid->setFocus();
        FGrid->TabToNextCell(Shift.Contains(ssShift));
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
    if (!FGrid->BlockKill())
        FGrid->HideInplaceEdit();
    ROruUnitEditBtn::DoExit();
}

// --- check box ---------------------------------------------------------------------------------------------------

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
    if (!FGrid->BlockKill())
        FGrid->HideInplaceEdit();
}

// --- button ------------------------------------------------------------------------------------------------------

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
    if (!FGrid->BlockKill())
        FGrid->HideInplaceEdit();
}

// --- date picker ------------------------------------------------------------------------------------------------

namespace {
const QDate Epoch(1899, 12, 30);
}

TGridDatePicker::TGridDatePicker(QWidget *Owner) : ROruDateTimePicker(Owner), FGrid(Editor_Grid_Of(Owner))
{
    hide();
    setEnabled(false);
}

TDateTime TGridDatePicker::Value() const
{
    const QDateTime D = dateTime();
    return Combine_Date_Time(Epoch.daysTo(D.date()), D.time().msecsSinceStartOfDay() / 86400000.0);
}

void TGridDatePicker::Set_Value(TDateTime Value)
{
    int Y, M, Dd, H, Mi, S, Ms;
    Decode_Date(Value, Y, M, Dd);
    Decode_Time(Value, H, Mi, S, Ms);
    setDateTime(QDateTime(QDate(Y, M, Dd), QTime(H, Mi, S, Ms)));
}

TDateTime TGridDatePicker::Clamped(TDateTime Value) const
{
    if (MaxDate != 0 && Value > MaxDate)
        Value = MaxDate;
    if (MinDate != 0 && Value < MinDate)
        Value = MinDate;
    return Value;
}

QString TGridDatePicker::Text() const
{
    return Kind() == dtkTime ? Time_To_Str(Value()) : Date_To_Str(Value());
}

void TGridDatePicker::Set_Text(const QString &Value)
{
    TDateTime V = 0;
    if (Value.isEmpty() || !Try_Str_To_Date_Time(Value, V))
        V = Date_Time_Now();
    Set_Value(V);
}

bool TGridDatePicker::event(QEvent *E)
{
    if (E->type() == QEvent::KeyPress && FGrid->EditorHandlesTab()) {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Tab || K->key() == Qt::Key_Backtab) {
            keyPressEvent(K);
            return true;
        }
    }
    return ROruDateTimePicker::event(E);
}

void TGridDatePicker::Open_Calendar()
{
    if (!calendarPopup() || !isVisible())
        return;
    // The calendar opens from a press on the drop-down arrow.
    QStyleOptionComboBox Opt;
    Opt.initFrom(this);
    Opt.editable = true;
    Opt.frame = true;
    Opt.subControls = QStyle::SC_All;
    const QRect Arrow = style()->subControlRect(QStyle::CC_ComboBox, &Opt, QStyle::SC_ComboBoxArrow, this);
    const QPointF At = Arrow.center();
    QMouseEvent Press(QEvent::MouseButtonPress, At, mapToGlobal(At), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &Press);
}

void TGridDatePicker::keyPressEvent(QKeyEvent *E)
{
    if (calendarPopup()
        && (E->key() == Qt::Key_F4 || (E->key() == Qt::Key_Down && (E->modifiers() & Qt::AltModifier)))) {
        Open_Calendar();
        E->accept();
        return;
    }
    TKey Key = Virtual_Key_From_Qt(E->key(), E->modifiers());
    TShiftState Shift = Shift_State_From_Qt(E->modifiers());
    if (E->key() == Qt::Key_Backtab)
        Shift += ssShift;
    QPointer<TGridDatePicker> Self(this);
    KeyDown(Key, Shift);
    if (!Self)
        return;
    if (Key == 0) {
        E->accept();
        return;
    }
    ROruDateTimePicker::keyPressEvent(E);
    if (Self && FGrid->OnKeyPress && E->text().size() == 1) {
        QChar C = E->text()[0];
        FGrid->OnKeyPress(FGrid, C);
    }
}

void TGridDatePicker::KeyDown(TKey &Key, TShiftState Shift)
{
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT && Key != VK_END)
        return;
    if (Key == VK_ESCAPE) {
        Set_Text(FGrid->CurrentCell());
    } else if (Key == VK_RETURN || Key == VK_TAB) {
        FGrid->Set_CurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            Set_Text(FGrid->NewCellText());
            update();
            if (Key == VK_RETURN)
                FGrid->Set_NoAutoAdvance(true);
            Key = 0;
            return;
        }
        Set_Text(FGrid->CurrentCell());
        if (Key == VK_TAB && FGrid->EditorHandlesTab() && Tab_Step(FGrid, Key, Shift))
            return;
    }
    if (!calendarPopup() || !calendarWidget() || !calendarWidget()->isVisible())
        FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridDatePicker::focusOutEvent(QFocusEvent *E)
{
    ROruDateTimePicker::focusOutEvent(E);
    if (E->reason() == Qt::PopupFocusReason)
        return;
    if (!FGrid->BlockKill())
        FGrid->HideInplaceEdit();
}

TGridDateTimePicker::TGridDateTimePicker(QWidget *Owner) : TGridDatePicker(Owner)
{
    Set_Kind(dtkDate);
    const bool TwelveHours = Format_Settings().ShortTimeFormat.contains(QStringLiteral("AMPM"), Qt::CaseInsensitive);
    setDisplayFormat(displayFormat() + (TwelveHours ? QStringLiteral(" h:mm AP") : QStringLiteral(" HH:mm")));
    setCalendarPopup(true);
}

QString TGridDateTimePicker::Text() const
{
    return Format_Date_Time(Format_Settings().ShortDateFormat + QStringLiteral(" ") + Format_Settings().ShortTimeFormat,
                            Value());
}
