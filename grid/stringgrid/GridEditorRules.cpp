// The rules the grid's editor controls share: the grid they belong to, the
// number filter, and what Tab and focus loss do.
#include "grid/stringgrid/GridEditorRules.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include <QFocusEvent>
#include <QPointer>
#include <algorithm>
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

bool Editor_Keeps_Tab(const RIraRevadiVizo &G, TEditorTabRule Rule)
{
    return Rule == TEditorTabRule::TabsOption ? G.Options().Contains(goTabs) : G.EditorHandlesTab();
}

void Editor_Tab_To_Next_Cell(RIraRevadiVizo *G, bool Backward)
{
    G->HideInplaceEdit();
    G->setFocus();
    G->TabToNextCell(Backward);
}

bool Editor_Tab_Step(RIraRevadiVizo *G, TKey &Key, bool Backward)
{
    if (G->Options().Contains(goTabs)) {
        Editor_Tab_To_Next_Cell(G, Backward);
        Key = 0;
        return true;
    }
    G->Post_Message(Grid_Key_Down_Message(), VK_TAB, Backward ? 1 : 0);
    return false;
}

void Editor_Focus_Lost(RIraRevadiVizo *G)
{
    if (!G->BlockKill())
        G->HideInplaceEdit();
}

bool Editor_Focus_To_Own_Popup(const QFocusEvent *E, bool PopupOpen)
{
    return E->reason() == Qt::PopupFocusReason || PopupOpen;
}

void Editor_Leave_Step(RIraRevadiVizo *G, TKey &Key, TShiftState Shift)
{
    QPointer<RIraRevadiVizo> Guard(G);
    G->DoneInplaceEdit(Key, Shift);
    if (Guard && G->Navigation().AdvanceOnEnter() && G->Navigation().AdvanceAutoEdit())
        G->ShowInplaceEdit();
    Key = 0;
}

bool Editor_Walk_Due(RIraRevadiVizo &G, TKey Key, TShiftState Shift, int Caret, int Length, bool Selected)
{
    if (!G.Navigation().CursorWalkEditor() || Selected || Shift.Contains(ssShift) || Shift.Contains(ssCtrl)
        || Shift.Contains(ssAlt))
        return false;
    return (Key == VK_LEFT && Caret == 0) || (Key == VK_RIGHT && Caret == Length);
}

bool Editor_Cursor_Walk(RIraRevadiVizo *G, const QString &Text, bool Forward,
                        const std::function<void(const QString &)> &Show)
{
    QPointer<RIraRevadiVizo> Guard(G);
    if (!G->ValidateCell(Text))
        return !Guard;
    if (!Guard)
        return true;
    if (Show)
        Show(G->CurrentCell());
    const int C = G->Col(), R = G->Row();
    const int Span = std::max(0, G->CellSpan(G->RealColIndex(C), R).X);
    const int Next = Forward ? C + Span + 1 : C - 1;
    const bool Inside = Forward ? C < G->ColCount() - G->FixedRightCols() - 1 : C > G->FixedCols();
    G->HideInplaceEdit();
    G->HideEditor();
    if (!Guard)
        return true;
    G->setFocus();
    if (Inside && G->HasCellControl(G->RealColIndex(Next), R)) {
        // A control cell becomes current without an editor.
        G->Set_Col(Next);
        return true;
    }
    const TAdvanceDirection Dir = G->Navigation().AdvanceDirection();
    G->Navigation().Set_AdvanceDirection(adLeftRight);
    G->NavigateAfterEdit(C, R, true, G->Navigation().CursorWalkAlwaysEdit(), Forward, false, true);
    if (Guard)
        G->Navigation().Set_AdvanceDirection(Dir);
    return true;
}
