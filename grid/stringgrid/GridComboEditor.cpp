// The combo editor of the edComboEdit and edComboList kinds. How it turns keys, focus loss
// and clicks into the grid's editing calls.
#include "grid/stringgrid/GridComboEditor.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QKeyEvent>

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
    if (Take_Tab_Key(E, FGrid, TEditorTabRule::EditorHandlesTab, [this](QKeyEvent *K) { keyPressEvent(K); }))
        return true;
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
    // The cursor walks out of the typed text into the neighbouring cell.
    if (Style() == csDropDown && !Open && lineEdit()
        && Editor_Walk_Due(*FGrid, Key, Shift, lineEdit()->cursorPosition(), lineEdit()->text().size(),
                           lineEdit()->hasSelectedText())) {
        const bool Forward = Key == VK_RIGHT;
        Key = 0;
        QPointer<TGridCombo> Self(this);
        const bool Left = Editor_Cursor_Walk(FGrid, currentText(), Forward, [this](const QString &T) { setEditText(T); });
        if (!Left && Self && lineEdit()) {
            setEditText(FGrid->NewCellText());
            lineEdit()->selectAll();
            FGrid->Set_NoAutoAdvance(true);
        }
        return;
    }
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
    // A list showing no chosen item (the cell holds a value that is none of
    // its items) has nothing to commit: its empty text must not reach the cell.
    const bool NoChoice = ListStyle && currentIndex() < 0;
    if (!NoChoice && (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN || Key == VK_TAB)) {
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
        if (Key == VK_TAB && FGrid->EditorHandlesTab() && Editor_Tab_Step(FGrid, Key, Shift.Contains(ssShift)))
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
    Editor_Leave_Step(FGrid, Key, Shift);
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

void TGridCombo::SizeDropDownWidth()
{
    const QFontMetrics M(FGrid->font());
    const bool Scrolls = count() > maxVisibleItems();
    int W = width();
    for (int I = 0; I < count(); ++I) {
        const int T = M.horizontalAdvance(itemText(I));
        if (Scrolls && W - 25 < T)
            W = T + 25;
        else if (!Scrolls && W - 5 < T)
            W = T + 8;
    }
    view()->setMinimumWidth(W);
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
    if (Editor_Focus_To_Own_Popup(E, List_Open()))
        return;
    if (FGrid->LookupHistory() && !currentText().isEmpty()
        && findText(currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0)
        addItem(currentText());
    Editor_Focus_Lost(FGrid);
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
