// The string grid's in-place editor and its keyboard: the editor window, opening
// and closing it, and the three key phases of the grid.
#include "toolkit/StringGrid.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>
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

namespace {
// The break style of a text: the first break it holds, CR LF when none.
QString Break_Style(const QString &Text)
{
    for (int I = 0; I < Text.size(); ++I) {
        if (Text[I] == u'\r')
            return I + 1 < Text.size() && Text[I + 1] == u'\n' ? QStringLiteral("\r\n") : QStringLiteral("\r");
        if (Text[I] == u'\n')
            return QStringLiteral("\n");
    }
    return QStringLiteral("\r\n");
}

// Line breaks of any style as the editor's one character.
QString To_Editor_Breaks(QString Text)
{
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text.replace(u'\r', u'\n');
    return Text;
}
} // namespace

TInplaceEdit::TInplaceEdit(TStringGrid *Grid) : QPlainTextEdit(Grid->viewport()), FGrid(Grid)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    document()->setDocumentMargin(1);
    hide();
    connect(this, &QPlainTextEdit::textChanged, this, &TInplaceEdit::Text_Changed);
}

void TInplaceEdit::Text_Changed()
{
    const QString Now = text();
    if (Now == FLastText)
        return;
    FLastText = Now;
    if (!FLoading)
        Change();
}

QString TInplaceEdit::text() const
{
    if (Masked())
        return FMask.Value();
    QString T = toPlainText();
    // An untouched text is handed back as it came, whatever breaks it mixed.
    if (T == FLoadedShown)
        return FLoaded;
    if (FBreak != u"\n")
        T.replace(u'\n', FBreak);
    return T;
}

QString TInplaceEdit::displayText() const { return Masked() ? FMask.Display() : toPlainText(); }

void TInplaceEdit::setText(const QString &Value)
{
    if (Masked()) {
        FMask.Set_Value(Value);
        Show_Mask(0);
        return;
    }
    FBreak = Break_Style(Value);
    FLoaded = Value;
    FLoadedShown = To_Editor_Breaks(Value);
    setPlainText(FLoadedShown);
}

int TInplaceEdit::cursorPosition() const { return textCursor().position(); }

void TInplaceEdit::setCursorPosition(int Pos)
{
    QTextCursor C = textCursor();
    C.setPosition(std::clamp(Pos, 0, int(displayText().size())));
    setTextCursor(C);
}

bool TInplaceEdit::hasSelectedText() const { return textCursor().hasSelection(); }

int TInplaceEdit::Caret_Line() const { return textCursor().blockNumber(); }

int TInplaceEdit::Line_Count() const { return document()->blockCount(); }

int TInplaceEdit::Content_Height() const
{
    // Wrapped lines count: the layout's lines, each of the font's line spacing.
    int Lines = 0;
    for (QTextBlock B = document()->begin(); B.isValid(); B = B.next())
        Lines += B.layout() && B.layout()->lineCount() > 0 ? B.layout()->lineCount() : 1;
    const int Margin = int(document()->documentMargin());
    return Lines * fontMetrics().lineSpacing() + 2 * Margin;
}

void TInplaceEdit::Set_WordWrap(bool Value)
{
    FWordWrap = Value;
    setLineWrapMode(Value && !Masked() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TInplaceEdit::Set_Alignment(TAlignment Value)
{
    FAlignment = Value;
    QTextOption O = document()->defaultTextOption();
    const Qt::Alignment A = Value == taRightJustify ? Qt::AlignRight : Value == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    O.setAlignment(A | Qt::AlignAbsolute);
    document()->setDefaultTextOption(O);
}

void TInplaceEdit::Set_Mask(const TEditMaskInfo &Mask)
{
    const QString Old = text();
    FMask = Mask.Qt_Mask.isEmpty() ? TEditMaskBuffer() : TEditMaskBuffer(Mask);
    // A masked text is one line and never wraps; drops would pass the mask.
    Set_WordWrap(FWordWrap);
    setAcceptDrops(!Masked());
    setContextMenuPolicy(Masked() ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    const bool Was = FLoading;
    FLoading = true;
    setText(Old);
    FLoading = Was;
}

void TInplaceEdit::Show_Mask(int Caret)
{
    // One change of the document: the change hook sees the new text once.
    setPlainText(FMask.Display());
    setCursorPosition(Caret);
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
    return QPlainTextEdit::event(Event);
}

bool TInplaceEdit::Hands_To_Grid(TKey Key, TShiftState Shift) const
{
    const bool Ctrl = Shift.Contains(ssCtrl);
    const bool AtStart = cursorPosition() == 0 && !hasSelectedText();
    const bool AtEnd = cursorPosition() == displayText().size() && !hasSelectedText();
    switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE: return true;
    // Ctrl+Enter types a line feed; a plain Enter is the grid's unless wanted here.
    case VK_RETURN: return !Ctrl && !FWantReturns;
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
    // A wanted Enter is the editor's own: the grid would close the editor.
    if (Key == QChar(13) && FWantReturns)
        return;
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
    setMaxLength(Limit > 0 ? Limit : 0);
    setText(FGrid->FEditOriginal);
    selectAll();
    FLastText = text();
    FLoading = false;
}

void TInplaceEdit::BoundsChanged(const TRect &R)
{
    setGeometry(R.To_QRect());
    show();
}

void TInplaceEdit::Insert_Text(const QString &Text)
{
    if (Masked()) {
        QTextCursor C = textCursor();
        int Caret = C.position();
        const int SelStart = C.selectionStart();
        int SelLength = C.selectionEnd() - C.selectionStart();
        bool Any = false;
        for (QChar Ch : Text) {
            if (Ch == u'\n' || Ch == u'\r')
                continue;   // a masked text is one line
            Any = FMask.Type(Ch, Caret, SelStart, SelLength) || Any;
            SelLength = 0;
        }
        if (Any)
            Show_Mask(Caret);
        return;
    }
    QString T = To_Editor_Breaks(Text);
    if (FMaxLength > 0) {
        const QTextCursor C = textCursor();
        const int Room = FMaxLength - int(toPlainText().size()) + (C.selectionEnd() - C.selectionStart());
        T.truncate(std::max(0, Room));
        if (T.isEmpty())
            return;
    }
    insertPlainText(T);
}

void TInplaceEdit::Type_Char(QChar C)
{
    if (C == QChar(13) || C == QChar(10)) {
        // Line breaks only where no mask holds the text to one line.
        if (!Masked())
            Insert_Text(QStringLiteral("\n"));
        return;
    }
    Insert_Text(QString(C));
}

bool TInplaceEdit::canInsertFromMimeData(const QMimeData *Source) const { return Source->hasText(); }

void TInplaceEdit::insertFromMimeData(const QMimeData *Source)
{
    if (Source->hasText())
        Insert_Text(Source->text());
}

bool TInplaceEdit::Masked_Key(QKeyEvent *Event)
{
    QTextCursor C = textCursor();
    const int SelStart = C.selectionStart();
    const int SelLength = C.selectionEnd() - SelStart;
    if (Event->matches(QKeySequence::Cut)) {
        copy();
        FMask.Erase(SelStart, SelLength);
        Show_Mask(SelStart);
        return true;
    }
    if (Event->key() == Qt::Key_Delete || Event->key() == Qt::Key_Backspace) {
        int Caret = C.position();
        if (SelLength > 0) {
            FMask.Erase(SelStart, SelLength);
            Caret = SelStart;
        } else
            Caret = Event->key() == Qt::Key_Delete ? FMask.Delete(Caret) : FMask.Backspace(Caret);
        Show_Mask(Caret);
        return true;
    }
    // Moving, selecting, copying and pasting keep the mask (pasted text is
    // typed through it); every other editing key would bypass it.
    const bool Moves = Event->matches(QKeySequence::Copy) || Event->matches(QKeySequence::SelectAll)
                       || Event->matches(QKeySequence::Paste) || Event->key() == Qt::Key_Left
                       || Event->key() == Qt::Key_Right || Event->key() == Qt::Key_Home || Event->key() == Qt::Key_End;
    if (!Moves)
        Event->accept();
    return !Moves;
}

void TInplaceEdit::keyPressEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    TShiftState Shift = Shift_State_From_Qt(Event->modifiers());
    if (Event->key() == Qt::Key_Backtab)
        Shift += ssShift;
    QChar Ch = Char_Of_Key(Event, Key, Shift);
    // Ctrl+Enter types a line feed, as in a multi-line edit.
    if (Key == VK_RETURN && Shift.Contains(ssCtrl))
        Ch = QChar(10);
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
        Event->accept();
        if (C.isNull() || Handed)
            return;
        // Typed characters (the phase may have replaced them) go in here;
        // Backspace and control shortcuts stay the edit's commands.
        if (C.unicode() >= 32 || C == QChar(13) || C == QChar(10)) {
            Type_Char(C);
            return;
        }
        if (C != Ch) {
            QKeyEvent Changed(Event->type(), 0, Event->modifiers(), QString(C));
            if (!Masked() || !Masked_Key(&Changed))
                QPlainTextEdit::keyPressEvent(&Changed);
            return;
        }
    }
    if (Handed) {
        Event->accept();
        return;
    }
    if (Masked() && Masked_Key(Event))
        return;
    if (!Masked() && FMaxLength > 0 && Event->matches(QKeySequence::Paste)) {
        paste();   // through insertFromMimeData: the limit applies
        return;
    }
    QPlainTextEdit::keyPressEvent(Event);
}

void TInplaceEdit::keyReleaseEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    QPointer<TInplaceEdit> Self(this);
    if (Key != 0)
        KeyUp(Key, Shift_State_From_Qt(Event->modifiers()));
    if (!Self)
        return;
    QPlainTextEdit::keyReleaseEvent(Event);
    Event->accept();   // the release was the grid's KeyUp already
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
    if (FInplaceEdit->Masked() && Ch != QChar(8)) {
        // Typed through the mask into its first place that takes it.
        FInplaceEdit->setText(QString());
        FInplaceEdit->setCursorPosition(0);
        FInplaceEdit->Type_Char(Ch);
        return;
    }
    FInplaceEdit->setText(Ch == QChar(8) ? QString() : QString(Ch));
    FInplaceEdit->setCursorPosition(FInplaceEdit->displayText().size());
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

