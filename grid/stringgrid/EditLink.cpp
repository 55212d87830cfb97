// The custom editor link's base: placing its control, the grid's hold on the
// control's keys while it edits, and the keys that end the edit.
#include "grid/stringgrid/EditLink.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/VOdeInplaceEdit.h"
#include <QEvent>
#include <QKeyEvent>

TEditLink::TEditLink(QObject *Owner) : QObject(Owner) {}

RIraRevadiVizo *TEditLink::Grid() const { return FOwner; }

TEditLink::~TEditLink()
{
    if (FSubClassedControl)
        FSubClassedControl->removeEventFilter(this);
    // The pop-up window stays with the link and goes with it.
    delete FPopupForm.data();
}

// --- placing the control -----------------------------------------------------------------------------------

void TEditLink::SetFocus(bool Value)
{
    QWidget *C = GetEditControl();
    if (Value && C) {
        C->setVisible(true);
        C->setEnabled(true);
        if (FEditStyle == esInplace && !FSubClassed) {
            C->installEventFilter(this);
            FSubClassedControl = C;
            FSubClassed = true;
        }
    }
    if (Value) {
        if (C)
            C->setFocus();
    } else if (FOwner) {
        FOwner->setFocus();
    }
}

void TEditLink::SetRect(TRect R)
{
    QWidget *C = GetEditControl();
    if (!C)
        return;
    const int Line = FOwner ? FOwner->GridLineWidth() : 1;
    C->setGeometry(R.Left, R.Top, R.Right - R.Left - Line, R.Bottom - R.Top - Line);
}

void TEditLink::SetVisible(bool Value)
{
    if (QWidget *C = GetEditControl())
        C->setVisible(Value);
}

// The pop-up window's deactivation ends a pop-up edit. The grid's hold on an in-place control: with goTabs the Tab key stays in
// the control (it reaches the control's own key handling and EditKeyDown)
// instead of moving the focus to the next window.
bool TEditLink::eventFilter(QObject *Watched, QEvent *E)
{
    if (Watched == FPopupForm && E->type() == QEvent::WindowDeactivate && FPopupForm->isVisible())
        FormExit(Watched);
    if (Watched == FSubClassedControl && E->type() == QEvent::KeyPress && FOwner
        && FOwner->Options().Contains(goTabs)) {
        auto *K = static_cast<QKeyEvent *>(E);
        if ((K->key() == Qt::Key_Tab || K->key() == Qt::Key_Backtab)
            && !(K->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            TKey Key = VK_TAB;
            EditKeyDown(Watched, Key, Shift_State_From_Qt(K->modifiers()));
            return true;
        }
    }
    return QObject::eventFilter(Watched, E);
}

// --- values ------------------------------------------------------------------------------------------------

QWidget *TEditLink::GetParent() const
{
    if (FEditStyle == esPopup)
        return FPopupForm;
    return FOwner;
}

QString TEditLink::GetCellValue() const
{
    if (!FOwner)
        return QString();
    return FOwner->Cells(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const QString &S)
{
    if (FOwner)
        FOwner->AssignEditValue(FOwner->Col(), FOwner->Row(), S);
}

void TEditLink::RestoreWinProc()
{
    if (FEditStyle != esInplace)
        return;
    QWidget *C = GetEditControl();
    if (!C)
        return;
    C->removeEventFilter(this);
    FSubClassedControl = nullptr;
    FSubClassed = false;
    C->hide();
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (FOwner)
        FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(QObject *)
{
    HideEditor();
    if (FEditStyle == esPopup && FPopupForm) {
        DestroyEditor();
        FPopupForm->hide();
    }
}

void TEditLink::FormExit(QObject *Sender)
{
    if (!FOwner)
        return;
    if (auto *E = FOwner->GetNormalEdit())
        E->setText(GetEditorValue());
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
}

void TEditLink::Focus_Grid()
{
    FForcedExit = true;
    if (FOwner)
        FOwner->setFocus();
    FForcedExit = false;
}

// --- the keys that end the edit ----------------------------------------------------------------------------

void TEditLink::EditKeyDown(QObject *Sender, TKey &Key, TShiftState Shift)
{
    Q_UNUSED(Sender);
    bool Ends = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT
                || Key == VK_END || (Key >= VK_LEFT && Key <= VK_DOWN)
                || (Shift.Contains(ssAlt) && Key != VK_MENU && Key != VK_SHIFT && Key != VK_CONTROL);
    if ((WantKeyUpDown && (Key == VK_UP || Key == VK_DOWN)) || (WantKeyLeftRight && (Key == VK_LEFT || Key == VK_RIGHT))
        || (WantKeyHomeEnd && (Key == VK_HOME || Key == VK_END)) || (WantKeyPriorNext && (Key == VK_PRIOR || Key == VK_NEXT))
        || (WantKeyReturn && Key == VK_RETURN) || (WantKeyEscape && Key == VK_ESCAPE) || (WantTabs && Key == VK_TAB))
        Ends = false;
    if (!Ends || !FOwner)
        return;
    QPointer<RIraRevadiVizo> G(FOwner);
    QPointer<TEditLink> Self(this);
    const TKey Pressed = Key;
    auto Control_Cell = [&G] {
        const TPoint B = G->BaseCell(G->RealColIndex(G->Col()), G->Row());
        return G->HasCellControl(B.X, B.Y);
    };

    if (Pressed == VK_TAB && G->Navigation().TabToNextAtEnd()) {
        Focus_Grid();
        G->CommitInplaceEditor(G->Col(), G->Row());
        if (!G)
            return;
        G->TabToNextCell(Shift.Contains(ssShift));
        if (G && !Control_Cell())
            G->Post_Message(Grid_Key_Down_Message(), VK_F2, 0);
        Key = 0;
        return;
    }
    if (Pressed == VK_TAB)
        Key = 0;
    if (Pressed == VK_ESCAPE)
        SetEditorValue(G->CellCache());

    Focus_Grid();
    if (!G || !Self)
        return;
    G->CommitInplaceEditor(G->Col(), G->Row());
    if (!G || !Self)
        return;
    if (FEditStyle == esPopup)
        EditExit(Sender);
    if (!G)
        return;
    G->FEditMode = false;
    G->SelectCell(G->Col(), G->Row());
    // The cell stays current, so the value the commit left pending is
    // validated here.
    if (G && G->Editing())
        G->ValidateCell(G->CurrentCell());
    if (!G)
        return;

    if (Pressed == VK_RETURN && G->LastValidation()) {
        G->NavigateAfterEdit(G->Col(), G->Row(), false, true, !Shift.Contains(ssShift), false, true);
        Key = 0;
        return;
    }
    if (!G->LastValidation()) {
        // The refusal has put the user back on the cell; the editor opens
        // again there unless the validation reopened it already.
        G->FLastValidation = true;
        if (!G->EditMode())
            G->SetupInplaceEditor(G->Col(), G->Row());
        Key = 0;
        return;
    }
    if (Pressed == VK_ESCAPE) {
        Key = 0;
        return;
    }
    if (Pressed == VK_TAB || (Pressed >= VK_LEFT && Pressed <= VK_DOWN)) {
        TKey K = Pressed;
        G->KeyDown(K, Shift);
        if (!G)
            return;
    }
    if (Self)
        if (QWidget *C = GetEditControl())
            C->setEnabled(false);
    G->setFocus();
    if (G->Options().Contains(goTabs) && Pressed == VK_TAB && !Control_Cell())
        G->Post_Message(Grid_Key_Down_Message(), VK_F2, 0);
    Key = 0;
}
