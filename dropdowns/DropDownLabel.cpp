// The caption label of a drop-down edit: created with the first caption,
// placed beside the edit on its parent, following the edit's visibility,
// enabled state and (with the parent-font rule) its font.
#include "dropdowns/DropDownLabel.h"
#include "dropdowns/DropDownEdit.h"
#include <QMouseEvent>

TDropDownLabel::TDropDownLabel(QWidget *Parent) : QLabel(Parent) {}

int TDropDownLabel::Caption_Width() const
{
    // The mnemonic marks are not shown: "&&" is one ampersand, a single one none.
    QString Shown;
    const QString T = text();
    for (int I = 0; I < T.size(); ++I) {
        if (T[I] == u'&' && I + 1 < T.size())
            ++I;
        else if (T[I] == u'&')
            continue;
        Shown += T[I];
    }
    // Measured on one line within 1000 x 255 pixels.
    return fontMetrics().boundingRect(QRect(0, 0, 1000, 255), Qt::AlignLeft | Qt::TextSingleLine, Shown).width();
}

void TDropDownLabel::mouseReleaseEvent(QMouseEvent *E)
{
    QLabel::mouseReleaseEvent(E);
    if (E->button() == Qt::LeftButton && rect().contains(E->position().toPoint()) && OnClick)
        OnClick();
}

void TDropDownLabel::mouseDoubleClickEvent(QMouseEvent *E)
{
    QLabel::mouseDoubleClickEvent(E);
    if (E->button() == Qt::LeftButton && OnDblClick)
        OnDblClick();
}

// --- the edit's label ----------------------------------------------------------------------

QString VOdeCustomDropDown::LabelCaption() const { return FLabel ? FLabel->text() : QString(); }

void VOdeCustomDropDown::Set_LabelCaption(const QString &V)
{
    if (!FLabel) {
        FLabel = new TDropDownLabel(parentWidget());
        FLabel->setBuddy(this);
        FLabel->setFont(FLabelS.Font);
        FLabel->OnClick = [this] {
            if (OnLabelClick)
                OnLabelClick(this);
        };
        FLabel->OnDblClick = [this] {
            if (OnLabelDblClick)
                OnLabelDblClick(this);
        };
    }
    FLabel->setText(V);
    UpdateLabel();
}

void VOdeCustomDropDown::Set_LabelPosition(TLabelPosition V)
{
    FLabelS.Position = V;
    UpdateLabel();
}

void VOdeCustomDropDown::Set_LabelMargin(int V)
{
    FLabelS.Margin = V;
    UpdateLabel();
}

void VOdeCustomDropDown::Set_LabelTransparent(bool V)
{
    FLabelS.Transparent = V;
    UpdateLabel();
}

void VOdeCustomDropDown::Set_LabelAlwaysEnabled(bool V)
{
    FLabelS.AlwaysEnabled = V;
    if (FLabel && V)
        FLabel->setEnabled(true);
    else if (FLabel)
        FLabel->setEnabled(isEnabled());
}

void VOdeCustomDropDown::Set_LabelFont(const QFont &V)
{
    FLabelS.Font = V;
    UpdateLabel();
}

void VOdeCustomDropDown::Set_ParentFnt(bool V)
{
    FLabelS.ParentFnt = V;
    UpdateLabel();
}

void VOdeCustomDropDown::UpdateLabel()
{
    if (!FLabel)
        return;
    // The label stays on the edit's parent when the edit moves to another.
    if (FLabel->parentWidget() != parentWidget())
        FLabel->setParent(parentWidget());
    FLabel->setAutoFillBackground(!FLabelS.Transparent);
    FLabel->setFont(FLabelS.ParentFnt ? font() : FLabelS.Font);
    const int W = FLabel->Caption_Width();
    const QSize Size(W, FLabel->fontMetrics().height());
    FLabel->resize(Size);
    FLabel->move(Place_Label(FLabelS.Position, geometry(), Size, W, FLabelS.Margin));
    Label_Visibility();
}

void VOdeCustomDropDown::Label_Visibility()
{
    // Without a parent the label would be a window of its own: it waits.
    if (QWidget *P = parentWidget())
        FLabel->setVisible(isVisibleTo(P));
}

void VOdeCustomDropDown::Label_Follow(QEvent *E)
{
    if (!FLabel)
        return;
    switch (E->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (!FLabel->text().isEmpty())
            Label_Visibility();
        break;
    case QEvent::EnabledChange:
        if (!FLabelS.AlwaysEnabled)
            FLabel->setEnabled(isEnabled());
        break;
    case QEvent::FontChange:
        if (FLabelS.ParentFnt)
            UpdateLabel();
        break;
    case QEvent::ParentChange:
        UpdateLabel();
        break;
    default: break;
    }
}

void VOdeCustomDropDown::moveEvent(QMoveEvent *E)
{
    TCustomMaskEdit::moveEvent(E);
    UpdateLabel();
}

void VOdeCustomDropDown::Loaded()
{
    TCustomMaskEdit::Loaded();
    // An edit whose font was never set explicitly follows its parent's.
    FLabelS.ParentFnt = !testAttribute(Qt::WA_SetFont);
    SetEditRect();
    UpdateButtonBounds();
    FButton->setEnabled(isEnabled());
    if (FLabel && !FLabelS.AlwaysEnabled)
        FLabel->setEnabled(isEnabled());
    UpdateLabel();
}
