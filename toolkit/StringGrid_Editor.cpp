// The string grid's in-place editor and its keyboard: the editor window, opening
// and closing it, and the three key phases of the grid.
#include "toolkit/StringGrid.h"
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace {
QChar Char_Of_Key(const QKeyEvent *Event, TKey Key, TShiftState Shift)
{
    // Control characters the platform delivered as characters even where the
    // window system gives no text.
    switch (Key) {
    case VK_RETURN: return QChar(13);
    case VK_BACK: return QChar(8);
    case VK_TAB: return QChar(9);
    case VK_ESCAPE: return QChar(27);
    default: break;
    }
    if (Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt) && Key >= 'A' && Key <= 'Z')
        return QChar(Key - 'A' + 1);
    const QString Text = Event->text();
    return Text.size() == 1 ? Text[0] : QChar();
}
} // namespace

// --- in-place editor ------------------------------------------------------------

TInplaceEdit::TInplaceEdit(TStringGrid *Grid) : QLineEdit(Grid->viewport()), FGrid(Grid)
{
    setFrame(false);
    hide();
    connect(this, &QLineEdit::textChanged, this, [this](const QString &Text) {
        if (!FLoading)
            Change();
        (void)Text;
    });
}

bool TInplaceEdit::event(QEvent *Event)
{
    // Tab belongs to the grid when it takes tabs, not to focus traversal.
    if (Event->type() == QEvent::KeyPress) {
        auto *Key = static_cast<QKeyEvent *>(Event);
        if ((Key->key() == Qt::Key_Tab || Key->key() == Qt::Key_Backtab) && FGrid->Options().Contains(goTabs)) {
            keyPressEvent(Key);
            return true;
        }
    }
    if (Event->type() == QEvent::FocusIn && !FGrid->FFocusInside) {
        FGrid->FFocusInside = true;
        FGrid->DoEnter();
    }
    if (Event->type() == QEvent::FocusOut) {
        QWidget *Next = QApplication::focusWidget();
        if (Next != FGrid && Next != FGrid->viewport() && FGrid->FFocusInside) {
            FGrid->FFocusInside = false;
            FGrid->DoExit();
        }
    }
    return QLineEdit::event(Event);
}

bool TInplaceEdit::Hands_To_Grid(TKey Key, TShiftState Shift) const
{
    const bool Ctrl = Shift.Contains(ssCtrl);
    const bool AtStart = cursorPosition() == 0 && !hasSelectedText();
    const bool AtEnd = cursorPosition() == text().size() && !hasSelectedText();
    switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE: case VK_RETURN: return true;
    case VK_LEFT: case VK_HOME: return Ctrl || AtStart;
    case VK_RIGHT: case VK_END: return Ctrl || AtEnd;
    case VK_TAB: return !Shift.Contains(ssAlt);
    default: return false;
    }
}

void TInplaceEdit::KeyDown(TKey &Key, TShiftState Shift)
{
    if (Hands_To_Grid(Key, Shift)) {
        FGrid->KeyDown(Key, Shift);
        FHandedToGrid = true;
        return;
    }
    // Keys the editor keeps still reach the grid's key-down event.
    if (FGrid->OnKeyDown)
        FGrid->OnKeyDown(FGrid, Key, Shift);
}

void TInplaceEdit::KeyPress(QChar &Key)
{
    QPointer<TInplaceEdit> Self(this);
    FGrid->KeyPress(Key);
    if (!Self)
        return;
    // Tab, Escape and Enter are never typed into the text.
    if (Key == QChar(9) || Key == QChar(27) || Key == QChar(13))
        Key = QChar();
}

void TInplaceEdit::KeyUp(TKey &Key, TShiftState Shift) { FGrid->KeyUp(Key, Shift); }

void TInplaceEdit::Change() { FGrid->Editor_Text_Changed(Edit_Text()); }

void TInplaceEdit::UpdateContents()
{
    FLoading = true;
    FGrid->FEditOriginal = FGrid->GetEditText(FGrid->Col(), FGrid->Row());
    Apply_Edit_Mask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
    const int Limit = FGrid->GetEditLimit();
    setMaxLength(Limit > 0 ? Limit : 32767);
    setText(FGrid->FEditOriginal);
    selectAll();
    FLoading = false;
}

void TInplaceEdit::BoundsChanged(const TRect &R)
{
    setGeometry(R.To_QRect());
    show();
}

void TInplaceEdit::keyPressEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    TShiftState Shift = Shift_State_From_Qt(Event->modifiers());
    if (Event->key() == Qt::Key_Backtab)
        Shift += ssShift;
    const QChar Ch = Char_Of_Key(Event, Key, Shift);
    QPointer<TInplaceEdit> Self(this);
    QPointer<TStringGrid> Grid(FGrid);
    FHandedToGrid = false;
    if (Key != 0) {
        KeyDown(Key, Shift);
        if (!Self || !Grid)
            return;
        if (Key == 0) {
            Event->accept();   // swallowed: no character phase
            return;
        }
    }
    const bool Handed = FHandedToGrid;
    if (!Ch.isNull()) {
        QChar C = Ch;
        KeyPress(C);
        if (!Self || !Grid)
            return;
        if (C.isNull() || Handed) {
            Event->accept();
            return;
        }
        if (C != Ch) {
            // The character phase replaced the character: type that one instead.
            QKeyEvent Changed(Event->type(), 0, Event->modifiers(), QString(C));
            QLineEdit::keyPressEvent(&Changed);
            return;
        }
    }
    if (Handed) {
        Event->accept();
        return;
    }
    QLineEdit::keyPressEvent(Event);
}

void TInplaceEdit::keyReleaseEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    QPointer<TInplaceEdit> Self(this);
    if (Key != 0)
        KeyUp(Key, Shift_State_From_Qt(Event->modifiers()));
    if (Self)
        QLineEdit::keyReleaseEvent(Event);
}

// --- editor -------------------------------------------------------------------------

bool TStringGrid::CanEditShow()
{
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode;
}

QString TStringGrid::GetEditText(int ACol, int ARow)
{
    QString Value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, Value);
    return Value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString &Value)
{
    if (Value != Cells(ACol, ARow)) {
        FStore.Set_Cell(ACol, ARow, Value);
        InvalidateCell(ACol, ARow);
    }
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

QString TStringGrid::GetEditMask(int ACol, int ARow)
{
    QString Value;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, Value);
    return Value;
}

int TStringGrid::GetEditLimit() { return 0; }

TInplaceEdit *TStringGrid::CreateEditor() { return new TInplaceEdit(this); }

void TStringGrid::Update_Editor_Text()
{
    if (FInplaceEdit)
        FInplaceEdit->UpdateContents();
}

void TStringGrid::Editor_Text_Changed(const QString &Text)
{
    if (FEditorMode)
        SetEditText(Col(), Row(), Text);
}

void TStringGrid::Place_Editor()
{
    if (!FInplaceEdit || !FEditorMode)
        return;
    const TRect R = CellRect(Col(), Row());
    if (R.Is_Empty()) {
        FInplaceEdit->hide();
        return;
    }
    FInplaceEdit->BoundsChanged(R);
}

void TStringGrid::ShowEditor()
{
    if (FEditorMode && FInplaceEdit && FInplaceEdit->isVisible())
        return;
    FEditorMode = true;
    if (!CanEditShow()) {
        FEditorMode = false;
        return;
    }
    if (!FInplaceEdit)
        FInplaceEdit = CreateEditor();
    Scroll_Into_View(Col(), Row());
    Update_Editor_Text();
    Place_Editor();
    FInplaceEdit->setFont(FFont.To_QFont());
    FInplaceEdit->setFocus();
}

void TStringGrid::ShowEditorChar(QChar Ch)
{
    ShowEditor();
    if (!FEditorMode || !FInplaceEdit)
        return;
    // The typed character replaces the selected text, as in any edit.
    FInplaceEdit->setText(Ch == QChar(8) ? QString() : QString(Ch));
    FInplaceEdit->setCursorPosition(FInplaceEdit->text().size());
}

void TStringGrid::HideEditor()
{
    if (!FEditorMode)
        return;
    FEditorMode = false;
    if (FInplaceEdit && FInplaceEdit->isVisible()) {
        const bool HadFocus = FInplaceEdit->hasFocus();
        const QString Text = FInplaceEdit->Edit_Text();
        if (Text != Cells(Col(), Row()))
            SetEditText(Col(), Row(), Text);
        FInplaceEdit->hide();
        if (HadFocus)
            setFocus();
    }
    InvalidateCell(Col(), Row());
}

void TStringGrid::Set_EditorMode(bool Value)
{
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

// --- keyboard --------------------------------------------------------------------------

bool TStringGrid::focusNextPrevChild(bool Next)
{
    if (WMGetDlgCode() & DLGC_WANTTAB)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(Next);
}

void TStringGrid::keyPressEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    TShiftState Shift = Shift_State_From_Qt(Event->modifiers());
    if (Event->key() == Qt::Key_Backtab)
        Shift += ssShift;
    const QChar Ch = Char_Of_Key(Event, Key, Shift);
    QPointer<TStringGrid> Self(this);
    if (Key != 0)
        KeyDown(Key, Shift);
    if (!Self)
        return;
    if ((Key != 0 || Virtual_Key_From_Qt(Event->key(), Event->modifiers()) == 0) && !Ch.isNull()) {
        // One character phase per typed character.
        const QString Text = Event->text();
        if (Text.size() > 1 && Key == 0) {
            for (QChar C : Text) {
                KeyPress(C);
                if (!Self)
                    return;
            }
        } else {
            QChar C = Ch;
            KeyPress(C);
        }
    }
    Event->accept();
}

void TStringGrid::keyReleaseEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    if (Key != 0)
        KeyUp(Key, Shift_State_From_Qt(Event->modifiers()));
    Event->accept();
}

void TStringGrid::KeyDown(TKey &Key, TShiftState Shift)
{
    if (OnKeyDown) {
        OnKeyDown(this, Key, Shift);
        if (Key == 0)
            return;
    }
    TPoint NewCur = FCurrent;
    TPoint NewTop = FTopLeft;
    const bool RowSel = FOptions.Contains(goRowSelect);
    const int Page = VisibleRowCount();
    // Right to left, the arrow keys move the way they point on screen.
    const TKey Step = Mirrored_Arrow(Key);
    if (Shift.Contains(ssCtrl)) {
        switch (Step) {
        case VK_UP: --NewTop.Y; break;
        case VK_DOWN: ++NewTop.Y; break;
        case VK_LEFT: if (RowSel) --NewTop.X; else NewCur.X = FixedCols(); break;
        case VK_RIGHT: if (RowSel) ++NewTop.X; else NewCur.X = ColCount() - 1; break;
        case VK_PRIOR: NewCur.Y = TopRow(); break;
        case VK_NEXT: NewCur.Y = std::min(RowCount() - 1, TopRow() + Page - 1); break;
        case VK_HOME: NewCur = {FixedCols(), FixedRows()}; break;
        case VK_END: NewCur = {ColCount() - 1, RowCount() - 1}; break;
        default: break;
        }
    } else {
        switch (Step) {
        case VK_UP: --NewCur.Y; break;
        case VK_DOWN: ++NewCur.Y; break;
        case VK_LEFT: if (RowSel) --NewTop.X; else --NewCur.X; break;
        case VK_RIGHT: if (RowSel) ++NewTop.X; else ++NewCur.X; break;
        case VK_NEXT: NewCur.Y += Page; NewTop.Y += Page; break;
        case VK_PRIOR: NewCur.Y -= Page; NewTop.Y -= Page; break;
        case VK_HOME: if (RowSel) NewCur.Y = FixedRows(); else NewCur.X = FixedCols(); break;
        case VK_END: if (RowSel) NewCur.Y = RowCount() - 1; else NewCur.X = ColCount() - 1; break;
        case VK_TAB:
            if (!Shift.Contains(ssAlt) && FOptions.Contains(goTabs)) {
                if (Shift.Contains(ssShift)) {
                    if (--NewCur.X < FixedCols()) {
                        NewCur.X = ColCount() - 1;
                        if (--NewCur.Y < FixedRows())
                            NewCur.Y = RowCount() - 1;
                    }
                    Shift -= ssShift;
                } else if (++NewCur.X >= ColCount()) {
                    NewCur.X = FixedCols();
                    if (++NewCur.Y >= RowCount())
                        NewCur.Y = FixedRows();
                }
            }
            break;
        case VK_F2:
            if (FOptions.Contains(goEditing))
                Set_EditorMode(true);
            break;
        case VK_ESCAPE:
            // Leaves the editor with the text it opened with.
            if (FEditorMode && FInplaceEdit) {
                FInplaceEdit->setText(FEditOriginal);
                HideEditor();
            }
            break;
        default: break;
        }
    }
    NewTop.X = std::clamp(NewTop.X, FixedCols(), Max_LeftCol());
    NewTop.Y = std::clamp(NewTop.Y, FixedRows(), Max_TopRow());
    if (NewTop != FTopLeft) {
        Set_LeftCol(NewTop.X);
        Set_TopRow(NewTop.Y);
    }
    NewCur.X = std::clamp(NewCur.X, FixedCols(), ColCount() - 1);
    NewCur.Y = std::clamp(NewCur.Y, FixedRows(), RowCount() - 1);
    if (NewCur != FCurrent)
        Focus_Cell(NewCur.X, NewCur.Y, !(Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)));
}

TKey TStringGrid::Mirrored_Arrow(TKey Key) const
{
    if (!UseRightToLeftAlignment())
        return Key;
    return Key == VK_LEFT ? TKey(VK_RIGHT) : Key == VK_RIGHT ? TKey(VK_LEFT) : Key;
}

void TStringGrid::KeyPress(QChar &Key)
{
    if (OnKeyPress) {
        OnKeyPress(this, Key);
        if (Key.isNull())
            return;
    }
    if (Key == QChar(13) && !FOptions.Contains(goAlwaysShowEditor)) {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        Key = QChar();
        return;
    }
    if (FOptions.Contains(goEditing) && !FEditorMode && (Key == QChar(8) || Key.unicode() >= 32)) {
        ShowEditorChar(Key);
        if (FEditorMode)
            Key = QChar();
    }
}

void TStringGrid::KeyUp(TKey &Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

