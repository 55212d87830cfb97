// The string grid's text editor: the character filters by editor kind, the
// validation before the edit leaves the cell, paste, lookup completion and
// the row growing while typing.
#include "grid/stringgrid/VOdeInplaceEdit.h"
#include "grid/model/TextRoutines.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include "toolkit/EditMask.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>

namespace {
// The line break a text uses (its first), CR LF for a text without one.
QString Break_Of(const QString &Text)
{
    const int I = int(Text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]"))));
    if (I < 0)
        return QStringLiteral("\r\n");
    if (Text[I] == u'\n')
        return QStringLiteral("\n");
    return I + 1 < Text.size() && Text[I + 1] == u'\n' ? QStringLiteral("\r\n") : QStringLiteral("\r");
}

// Whether a pasted text is taken whole by the editor kind (and how it looks then).
bool Paste_Accepted(TEditorType Kind, const QString &ValidChars, QString &Text)
{
    switch (Kind) {
    case edNumeric: return ClassifyNumberText(Text) == 0;
    case edPositiveNumeric: return ClassifyNumberText(Text) == 0 && !Text.contains(u'-');
    case edFloat: { const int K = ClassifyNumberText(Text); return K == 0 || K == 1; }
    case edPositiveFloat: { const int K = ClassifyNumberText(Text); return (K == 0 || K == 1) && !Text.contains(u'-'); }
    case edMixedCase: Text = ProperCase(Text); return true;
    case edLowerCase: Text = Text.toLower(); return true;
    // A capital editor converts what is typed; a pasted text goes in as it is.
    case edUpperCase: Text = Text.toUpper(); return true;
    case edValidChars:
        for (QChar C : Text)
            if (!ValidChars.contains(C))
                return false;
        return true;
    default: return true;
    }
}
} // namespace

VOdeInplaceEdit::VOdeInplaceEdit(RIraRevadiVizo *Grid) : TBaseInplaceEdit(Grid), FGrid(Grid) {}

void VOdeInplaceEdit::Set_VAlign(bool Value)
{
    FValign = Value;
    Set_Alignment(Value ? taRightJustify : taLeftJustify);
}

// --- filling and placing ----------------------------------------------------------------------------------

void VOdeInplaceEdit::UpdateContents()
{
    const bool Was = FGrid->FNoEditChange;
    FGrid->FNoEditChange = true;
    TBaseInplaceEdit::UpdateContents();
    FGrid->FNoEditChange = Was;
    // The grid's editor settings: Enter types a line break where the grid
    // says so, long lines wrap as the grid's cells do.
    const TEditorType Kind = FGrid->EditControl();
    const bool LineKind = Kind == edNormal || Kind == edCapital || Kind == edMixedCase || Kind == edLowerCase
                          || Kind == edUpperCase || Kind == edValidChars;
    FPassword = Kind == edPassword;
    setContextMenuPolicy(FPassword ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    Set_WantReturns(FGrid->Navigation().LineFeedOnEnter() && LineKind);
    Set_WordWrap(FGrid->WordWrap());
    Set_VAlign(FValign);
    FLengthLimit = FGrid->GetEditLimit();
    FColE = FGrid->Col();
    FRowE = FGrid->Row();
    FGrid->GetEditorProp(FGrid->RealColIndex(FColE), FRowE, nullptr);
}

QString VOdeInplaceEdit::Shown_Text() const
{
    return FPassword ? QString(displayText().size(), FGrid->PasswordChar()) : displayText();
}

void VOdeInplaceEdit::paintEvent(QPaintEvent *E)
{
    if (!FPassword) {
        TBaseInplaceEdit::paintEvent(E);
        return;
    }
    // The document keeps the real text (caret and selection count in it);
    // only the painting shows one password character for each.
    QPainter P(viewport());
    P.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    const QFontMetrics M(font());
    const int Margin = int(document()->documentMargin());
    const QString Shown = Shown_Text();
    const QTextCursor C = textCursor();
    const int X0 = Margin, Y0 = Margin;
    auto X_At = [&](int Pos) { return X0 + M.horizontalAdvance(Shown.left(Pos)); };
    if (C.hasSelection()) {
        const QRect Sel(X_At(C.selectionStart()), Y0, X_At(C.selectionEnd()) - X_At(C.selectionStart()), M.height());
        P.fillRect(Sel, palette().color(QPalette::Highlight));
    }
    P.setPen(palette().color(QPalette::Text));
    P.drawText(QPoint(X0, Y0 + M.ascent()), Shown);
    if (hasFocus())
        P.fillRect(QRect(X_At(C.position()), Y0, 1, M.height()), palette().color(QPalette::Text));
}

QMimeData *VOdeInplaceEdit::createMimeDataFromSelection() const
{
    // A password never goes to the clipboard or a drag.
    if (FPassword)
        return new QMimeData;
    return TBaseInplaceEdit::createMimeDataFromSelection();
}

void VOdeInplaceEdit::BoundsChanged(const TRect &R)
{
    // One pixel less than the cell each way: the grid lines stay visible.
    TRect E = R;
    E.Right = std::max(E.Left + 1, E.Right - 1);
    E.Bottom = std::max(E.Top + 1, E.Bottom - 1);
    TBaseInplaceEdit::BoundsChanged(E);
}

// --- focus ----------------------------------------------------------------------------------------------------

bool VOdeInplaceEdit::event(QEvent *E)
{
    if (Take_Tab_Key(E, FGrid, TEditorTabRule::EditorHandlesTab,
                     [this](QKeyEvent *K) { keyPressEvent(K); }))
        return true;
    if (E->type() == QEvent::FocusIn) {
        const bool R = TBaseInplaceEdit::event(E);
        FGotFocus = true;
        FGrid->FNoEditChange = false;
        FLengthLimit = FGrid->GetEditLimit();
        if (FGrid->LButFlg()) {
            FGrid->Set_LButFlg(false);
        } else if (!FGrid->Navigation().EditSelectAll()) {
            setCursorPosition(displayText().size());
        }
        return R;
    }
    if (E->type() == QEvent::FocusOut) {
        QPointer<VOdeInplaceEdit> Self(this);
        const bool R = TBaseInplaceEdit::event(E);
        if (Self)
            Lost_Focus(QApplication::focusWidget());
        return R;
    }
    return TBaseInplaceEdit::event(E);
}

void VOdeInplaceEdit::Lost_Focus(QWidget *Next)
{
    // The grid hides the editor only to reopen it after a refused value
    // (or is going away).
    if (FGrid->Validating() || FGrid->BlockKill())
        return;
    FGrid->Set_StartEditChar(QChar());
    if (FGrid->LookupHistory() && !text().isEmpty() && !FGrid->LookupItems().contains(text())) {
        QStringList L = FGrid->LookupItems();
        L.append(text());
        FGrid->Set_LookupItems(L);
    }
    QPointer<RIraRevadiVizo> G(FGrid);
    const bool ToGrid = Next && (Next == FGrid || FGrid->isAncestorOf(Next));
    if (!ToGrid && FGrid->EditMode()) {
        // Leaving for another window: the value is validated, and editing
        // ends whatever the validation did.
        auto End = [&] {
            if (!G)
                return;
            G->HideInplaceEdit();
            G->FEditing = false;
            G->FEditMode = false;
        };
        try {
            G->ValidateCell(Edit_Text());
        } catch (...) {
            End();
            throw;
        }
        End();
        if (!G)
            return;
        G->SelectCell(FColE, FRowE);
    }
    if (!G)
        return;
    const bool Was = G->FNoEditChange;
    G->FNoEditChange = true;
    G->FNoEditChange = Was;
    if (FGotFocus) {
        FGotFocus = false;
        G->PostEditDone(G->RealColIndex(FColE), FRowE);
    }
}

// --- keys -----------------------------------------------------------------------------------------------------

void VOdeInplaceEdit::Refused_Restore(const QString &OldText)
{
    // The refused value goes back into the editor, not into the cell.
    FGrid->FHoldCell = true;
    setText(FGrid->NewCellText());
    FGrid->FHoldCell = false;
    if (FGrid->Navigation().EditSelectAll())
        selectAll();
    else
        setCursorPosition(displayText().size());
    FGrid->FOldCellText = OldText;
}

void VOdeInplaceEdit::keyPressEvent(QKeyEvent *E)
{
    TKey Key = Virtual_Key_From_Qt(E->key(), E->modifiers());
    TShiftState Shift = Shift_State_From_Qt(E->modifiers());
    if (E->key() == Qt::Key_Backtab)
        Shift += ssShift;
    FOldSelStart = cursorPosition();
    const bool Ctrl = Shift.Contains(ssCtrl), Sh = Shift.Contains(ssShift);
    QPointer<VOdeInplaceEdit> Self(this);
    QPointer<RIraRevadiVizo> G(FGrid);

    if (FPassword && (E->matches(QKeySequence::Copy) || E->matches(QKeySequence::Cut))) {
        E->accept();   // a password is neither copied nor cut
        return;
    }
    // The grid's handlers may forbid copying or cutting from the editor too.
    if (E->matches(QKeySequence::Copy) || E->matches(QKeySequence::Cut)) {
        const auto &Ask = E->matches(QKeySequence::Copy) ? FGrid->OnClipboardCopy : FGrid->OnClipboardCut;
        bool Allow = true;
        if (Ask)
            Ask(this, Allow);
        if (!Self || !G)
            return;
        if (!Allow) {
            E->accept();
            return;
        }
    }
    if (Key == VK_ESCAPE) {
        // Back to the text before editing; editing ends.
        setText(FGrid->CellCache());
        FGrid->HideInplaceEdit();
        E->accept();
        return;
    }
    if (Key == 'A' && Ctrl && !Shift.Contains(ssAlt)) {
        selectAll();
        E->accept();
        return;
    }
    const bool CtrlEnterAllowed =
        FGrid->Navigation().AllowCtrlEnter() && (FGrid->WordWrap() || FGrid->MultilineCells());
    if (Key == VK_RETURN && Ctrl && !CtrlEnterAllowed) {
        E->accept();
        return;
    }
    const QString T = Edit_Text();
    const QString S = FGrid->OldCellText();
    if (Key == VK_TAB && FGrid->EditorHandlesTab()) {
        if (FGrid->ValidateCell(T)) {
            if (!Self || !G)
                return;
            setText(FGrid->NewCellText());
            FGrid->HideInplaceEdit();
            if (!G)
                return;
            if (G->Options().Contains(goTabs))
                G->TabToNextCell(Sh);
            else
                G->Post_Message(Grid_Key_Down_Message(), VK_TAB, Sh ? 1 : 0);
        } else if (Self && G) {
            Refused_Restore(S);
        }
        E->accept();
        return;
    }
    // Shift+Left at the start or Shift+Right at the end of the text leaves
    // the editor for the grid, the value validated first.
    const bool WalkOut = Sh && !Ctrl && !Shift.Contains(ssAlt) && FGrid->Navigation().CursorWalkEditor()
                         && ((Key == VK_LEFT && cursorPosition() == 0)
                             || (Key == VK_RIGHT && cursorPosition() == displayText().size()));
    if (WalkOut) {
        Shift_Walk_Out(T, S);
        E->accept();
        return;
    }
    const bool UpOut = Key == VK_UP && Caret_Line() == 0;
    const bool DownOut = Key == VK_DOWN && Caret_Line() >= Line_Count() - 1;
    if ((UpOut || DownOut) && !Ctrl) {
        FGrid->Set_CurrentCell(T);
        if (!FGrid->ValidateCell(T)) {
            if (Self && G)
                Refused_Restore(S);
            E->accept();
            return;
        }
        if (!Self || !G)
            return;
        setText(FGrid->NewCellText());
    }
    if (Key == VK_RETURN && !Ctrl && !FGrid->Navigation().LineFeedOnEnter()) {
        if (!FGrid->ValidateCell(T)) {
            if (Self && G)
                Refused_Restore(S);
            E->accept();
            return;
        }
        if (!Self || !G)
            return;
        setText(FGrid->NewCellText());
    }
    if ((Key == VK_HOME || Key == VK_END) && !Ctrl && !Sh) {
        setCursorPosition(Key == VK_HOME ? 0 : displayText().size());
        E->accept();
        return;
    }
    // The keypad's decimal point types the locale's separator when asked to
    // (the number filters know only the locale's separator).
    if (E->modifiers().testFlag(Qt::KeypadModifier) && E->text() == QLatin1String(".")
        && FGrid->ExcelStyleDecimalSeparator() && Format_Settings().DecimalSeparator != u'.') {
        QKeyEvent Separator(E->type(), E->key(), E->modifiers(), QString(Format_Settings().DecimalSeparator),
                            E->isAutoRepeat(), static_cast<ushort>(E->count()));
        TBaseInplaceEdit::keyPressEvent(&Separator);
        E->setAccepted(Separator.isAccepted());
    } else {
        TBaseInplaceEdit::keyPressEvent(E);
    }
    if (!Self || !G)
        return;
    // A typed character that fills the editor (its length limit, or every
    // slot of its mask) ends the entry as Enter would and moves on.
    const bool Typed = !E->text().isEmpty() && E->text().at(0).unicode() >= 32 && !Ctrl;
    if (Typed && Auto_Advance_Due()) {
        const QString Old = FGrid->OldCellText();
        if (!FGrid->ValidateCell(Edit_Text())) {
            if (Self && G)
                Refused_Restore(Old);
            return;
        }
        if (!Self || !G)
            return;
        setText(FGrid->NewCellText());
        G->DoneInplaceEdit(VK_RETURN, TShiftState());
    }
}

void VOdeInplaceEdit::Shift_Walk_Out(const QString &T, const QString &S)
{
    QPointer<VOdeInplaceEdit> Self(this);
    QPointer<RIraRevadiVizo> G(FGrid);
    // No editor reopens while the value goes into the cell.
    const bool Was = FGrid->FValidating;
    FGrid->FValidating = true;
    FGrid->Set_CurrentCell(T);
    FGrid->FValidating = Was;
    if (!FGrid->ValidateCell(T)) {
        if (Self && G)
            Refused_Restore(S);
        return;
    }
    if (!Self || !G)
        return;
    setText(G->NewCellText());
    G->HideInplaceEdit();
    if (G)
        G->setFocus();
}

bool VOdeInplaceEdit::Auto_Advance_Due() const
{
    const TNavigation &N = FGrid->Navigation();
    if (!N.AdvanceAuto() || hasSelectedText())
        return false;
    const QString Shown = displayText();
    if (cursorPosition() != Shown.size())
        return false;
    if (N.AdvanceOnEnter() && FGrid->MaxEditLength() > 0 && Shown.size() == FGrid->MaxEditLength())
        return true;
    return Masked() && !Shown.contains(Parse_Edit_Mask(EditMask, u'/', u':').Blank);
}

void VOdeInplaceEdit::KeyDown(TKey &Key, TShiftState Shift)
{
    FSelKeyDown = cursorPosition();
    Workmode = Key != VK_BACK && Key != VK_DELETE;
    // The cursor walks out of the text into the neighbouring cell.
    if (Editor_Walk_Due(*FGrid, Key, Shift, cursorPosition(), displayText().size(), hasSelectedText())) {
        Cursor_Walk(Key == VK_RIGHT);
        Key = 0;
        return;
    }
    // Up and Down inside a text of several lines move the caret there.
    if (Key == VK_UP && Caret_Line() > 0)
        return;
    if (Key == VK_DOWN && Caret_Line() < Line_Count() - 1)
        return;
    FGrid->EditKeyDown(Key, Shift);
    if (Key == 0)
        return;
    TBaseInplaceEdit::KeyDown(Key, Shift);
}

void VOdeInplaceEdit::Cursor_Walk(bool Forward)
{
    QPointer<RIraRevadiVizo> G(FGrid);
    if (!Editor_Cursor_Walk(FGrid, Edit_Text(), Forward, nullptr) && G)
        Refused_Restore(G->OldCellText());
}

void VOdeInplaceEdit::KeyPress(QChar &Key)
{
    const bool CtrlEnterAllowed =
        FGrid->Navigation().AllowCtrlEnter() && (FGrid->WordWrap() || FGrid->MultilineCells());
    if (Key == QChar(1) || (Key == QChar(10) && (!CtrlEnterAllowed || FPassword))) {
        Key = QChar();
        return;
    }
    // A full editor takes no more characters (a selection can be replaced).
    if (FLengthLimit > 0 && displayText().size() >= FLengthLimit && !hasSelectedText() && Key != QChar(8)
        && Key != QChar(27) && Key != QChar(13)) {
        Key = QChar();
        return;
    }
    if (Key == QChar(13) && !FGrid->Navigation().LineFeedOnEnter()) {
        // A value refused on Enter goes back to what the cell holds.
        if (!FGrid->ValidateCell(Edit_Text())) {
            setText(FGrid->CurrentCell());
            Key = QChar();
            return;
        }
    }
    const TEditorType Kind = FGrid->EditControl();
    const QTextCursor C = textCursor();
    const QString Selected = C.selectedText();
    bool Beep = false;
    switch (Kind) {
    case edNumeric: case edPositiveNumeric: case edFloat: case edPositiveFloat:
        Key = Filter_Number_Char(Kind, Key, displayText(), cursorPosition(), Selected,
                                 QApplication::keyboardModifiers().testFlag(Qt::ControlModifier), Beep);
        break;
    case edCapital: case edUpperCase: Key = Key.toUpper(); break;
    case edLowerCase: Key = Key.toLower(); break;
    case edValidChars: {
        const bool Control = Key == QChar(8) || Key == QChar(13);
        bool Ok = Control;
        if (!Ok)
            Ok = FGrid->ValidChars().isEmpty() ? FGrid->In_Valid_Char_Set(Key) : FGrid->ValidChars().contains(Key);
        if (!Ok) {
            Beep = true;
            Key = QChar();
        }
        break;
    }
    case edMixedCase:
        if (Key.unicode() >= 32) {
            // The character goes in, then the whole text takes the proper case.
            const int Pos = C.selectionStart();
            QString Text = displayText();
            Text.replace(Pos, C.selectionEnd() - Pos, Key);
            setText(ProperCase(Text).replace(u'\n', Break_Of(Edit_Text())));
            setCursorPosition(Pos + 1);
            Key = QChar();
            return;
        }
        break;
    default: break;
    }
    if (Beep)
        Message_Beep();
    if (Key.isNull())
        return;
    TBaseInplaceEdit::KeyPress(Key);
}

void VOdeInplaceEdit::KeyUp(TKey &Key, TShiftState Shift)
{
    TBaseInplaceEdit::KeyUp(Key, Shift);
    DoChange();
    // The row grows with the text while typing (after the key changed it).
    if (FGrid->SizeWhileTyping().Height && FGrid->WordWrap() && isVisible()) {
        const int Need = Content_Height() + 1;
        if (Need > FGrid->RowHeights(FGrid->Row())) {
            FGrid->Set_RowHeights(FGrid->Row(), Need);
            if (FGrid->OnEndRowSize)
                FGrid->OnEndRowSize(FGrid, FGrid->Row());
        }
    }
    if (FGrid->SizeWhileTyping().Width && isVisible()) {
        const int Need = fontMetrics().horizontalAdvance(displayText()) + 8;
        if (Need > FGrid->ColWidths(FGrid->Col()))
            FGrid->Set_ColWidths(FGrid->Col(), Need);
    }
}

void VOdeInplaceEdit::DoChange()
{
    if (!Workmode || hasSelectedText() || !FGrid->Lookup() || FGrid->LookupItems().isEmpty())
        return;
    const QString T = displayText();
    const int Caret = cursorPosition();
    const Qt::CaseSensitivity CS = FGrid->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString P = T.left(Caret);
    if (P.isEmpty())
        return;
    for (const QString &E : FGrid->LookupItems())
        if (E.startsWith(P, CS)) {
            const QString N = (P + E.mid(P.size())).left(255);
            if (N == T)
                return;
            setText(N);
            QTextCursor C = textCursor();
            C.setPosition(P.size());
            C.setPosition(N.size(), QTextCursor::KeepAnchor);
            setTextCursor(C);
            return;
        }
}

void VOdeInplaceEdit::Change()
{
    TBaseInplaceEdit::Change();
    if (!FGrid->FNoEditChange && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Edit_Text());
}

// --- clipboard and mouse ------------------------------------------------------------------------------------

void VOdeInplaceEdit::insertFromMimeData(const QMimeData *Source) { Paste_Text(Source->hasText() ? Source->text() : QString()); }

void VOdeInplaceEdit::Paste_Text(QString S)
{
    bool Allow = !S.isEmpty();
    if (FGrid->OnClipboardPaste)
        FGrid->OnClipboardPaste(this, Allow);
    if (FGrid->OnClipboardBeforePasteCell)
        FGrid->OnClipboardBeforePasteCell(FGrid, FGrid->Col(), FGrid->Row(), S, Allow);
    if (!Allow || (FLengthLimit >= 1 && S.size() > FLengthLimit))
        return;
    if (S.endsWith(QStringLiteral("\r\n")))
        S.chop(2);
    const QTextCursor C = textCursor();
    const int Start = C.selectionStart();
    const bool Replaced = C.hasSelection();
    QString Text = displayText();
    Text.replace(Start, C.selectionEnd() - Start, QString(S).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (FLengthLimit >= 1 && Text.size() > FLengthLimit)
        return;
    if (!Paste_Accepted(FGrid->EditControl(), FGrid->ValidChars(), Text))
        return;
    // The text keeps the line breaks of the style it had.
    setText(QString(Text).replace(u'\n', Break_Of(Edit_Text())));
    const int Pasted = int(QString(S).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).size());
    if (Replaced) {
        QTextCursor N = textCursor();
        N.setPosition(Start);
        N.setPosition(Start + Pasted, QTextCursor::KeepAnchor);
        setTextCursor(N);
    } else {
        setCursorPosition(Start + Pasted);
    }
    FGrid->SetCurrentCellEx(Edit_Text());
    if (FGrid->OnClipboardAfterPasteCell)
        FGrid->OnClipboardAfterPasteCell(FGrid, FGrid->Col(), FGrid->Row(), Edit_Text());
}

void VOdeInplaceEdit::mouseDoubleClickEvent(QMouseEvent *E)
{
    TBaseInplaceEdit::mouseDoubleClickEvent(E);
    if (FGrid->OnDblClickCell)
        FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}
