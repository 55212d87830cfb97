// The custom editor kind (edCustom): the grid's EditLink makes, places and
// fills its control over the cell or in a pop-up window at the cell, and its
// value is written back when the edit ends.
#include "grid/stringgrid/EditLink.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCoreApplication>
#include <QKeyEvent>

void RIraRevadiVizo::Setup_Link_Editor(int ACol, int ARow, const TRect &R)
{
    TEditLink *L = FEditLink;
    if (!L)
        return;
    FEditMode = true;
    L->FOwner = this;
    L->FEditCell = TPoint{ACol, ARow};
    if (L->EditStyle() == esPopup) {
        if (L->AutoPopupWidth())
            L->Set_PopupWidth(R.Right - R.Left);
        // Each link keeps a pop-up window of its own: a window another link
        // made holds that link's control and is never taken from it.
        if (!L->FPopupForm) {
            QWidget *F = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
            F->setObjectName(QStringLiteral("gridform"));
            F->installEventFilter(L);
            L->FPopupForm = F;
        }
        QWidget *F = L->FPopupForm;
        const QPoint At = L->PopupLeft() == -1 || L->PopupTop() == -1 ? mapToGlobal(QPoint(R.Left, R.Top))
                                                                       : QPoint(L->PopupLeft(), L->PopupTop());
        F->move(At);
        F->show();
        F->move(At);
        F->resize(L->PopupWidth(), L->PopupHeight());
        F->activateWindow();
        L->CreateEditor(F);
        L->SetRect(TRect{0, 0, L->PopupWidth(), L->PopupHeight()});
    } else {
        L->CreateEditor(this);
        L->SetRect(R);
    }
    L->SetVisible(true);
    TFont Fnt = Font();
    const TColor Clr = Editor_Color(ACol, ARow, &Fnt);
    L->SetCellProps(Clr, Fnt);
    L->SetProperties();
    GetEditorProp(RealColIndex(ACol), ARow, L);
    L->SetEditorValue(GetEditText(ACol, ARow));
    L->SetFocus(true);
    QWidget *C = L->GetEditControl();
    if (C && !FStartEditChar.isNull()) {
        // The character typed on the grid arrives as the control's first key.
        const QChar Ch = FStartEditChar;
        QCoreApplication::postEvent(C, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(Ch)));
    }
    FEditCtrl = C;
}

void RIraRevadiVizo::Commit_Link_Editor(int ACol, int ARow)
{
    if (FControlLook.DropDownAlwaysVisible) {
        const TPoint B = BaseCell(RealColIndex(ACol), ARow);
        TEditorType E = FEditControl;
        GetCellEditorType(B.X, B.Y, E);
    }
    if (TEditLink *L = FEditLink) {
        AssignEditValue(ACol, ARow, L->GetEditorValue());
        if (L->EditStyle() != esPopup)
            L->SetVisible(false);
        L->RestoreWinProc();
    }
    FEditMode = false;
}
