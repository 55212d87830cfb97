#include "dropdowns/DropDownEdit.h"
#include "dropdowns/DropDownForm.h"
#include "dropdowns/DropDownText.h"
#include "platform/Colors.h"
#include "platform/Locale.h"
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <cmath>

namespace {
constexpr int Button_Width = 17;
} // namespace

VOdeCustomDropDown::VOdeCustomDropDown(QWidget *Owner) : TCustomMaskEdit(Owner), FHeader(this), FFooter(this)
{
    setTextMargins(0, 0, Button_Width, 0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        // A change the change handler makes itself is not reported again.
        if (FInChange)
            return;
        FInChange = true;
        Change();
        FInChange = false;
    });
}

VOdeCustomDropDown::~VOdeCustomDropDown()
{
    if (FPopup)
        delete FPopup;
}

QString VOdeCustomDropDown::Text() const
{
    QString T = text();
    if (!FPrefix.isEmpty() && T.startsWith(FPrefix))
        T.remove(0, FPrefix.size());
    if (!FSuffix.isEmpty() && T.endsWith(FSuffix))
        T.chop(FSuffix.size());
    return T;
}

void VOdeCustomDropDown::Set_Text(const QString &Value)
{
    QString V = Value;
    if (FEditType == etNumeric)
        V = QString::number(static_cast<long long>(std::trunc(Leading_Float(Value))));
    else if (FEditType == etFloat)
        V = DropDown_Float_Text(Leading_Float(Value), FPrecision);
    SetTextDirect(FPrefix + V + FSuffix);
}

void VOdeCustomDropDown::SetTextDirect(const QString &Value) { setText(Value); }

void VOdeCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    update();
}

void VOdeCustomDropDown::Set_Border(bool Value)
{
    FBorder = Value;
    setFrame(Value);
}

void VOdeCustomDropDown::Set_Color(TColor Value)
{
    FColor = Value;
    QPalette P = palette();
    P.setColor(QPalette::Base, To_QColor(Value));
    setPalette(P);
}

QRect VOdeCustomDropDown::Button_Rect() const { return {width() - Button_Width, 0, Button_Width, height()}; }

void VOdeCustomDropDown::Build_Popup()
{
    if (FPopup)
        delete FPopup;
    FPopup = Make_DropDown_Form(this);
}

void VOdeCustomDropDown::ShowDropDown()
{
    if (FDroppedDown || !isEnabled() || isReadOnly())
        return;
    Build_Popup();
    FPopup->move(mapToGlobal(QPoint(0, height())));
    FPopup->show();
    FDroppedDown = true;
    update();
}

void VOdeCustomDropDown::HideDropDown(bool Cancelled)
{
    if (!FDroppedDown)
        return;
    FDroppedDown = false;
    if (FPopup)
        FPopup->hide();
    Popup_Closed(Cancelled);
    update();
}

void VOdeCustomDropDown::KeyDown(TKey &Key, TShiftState Shift)
{
    TCustomMaskEdit::KeyDown(Key, Shift);
    if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
        if (FDroppedDown)
            HideDropDown(false);
        else
            ShowDropDown();
        Key = 0;
    }
}

void VOdeCustomDropDown::KeyPress(QChar &Key)
{
    if (Key == QChar(13)) {
        Key = QChar();
        return;
    }
    // With the editor disabled only the popup changes the value.
    if (!FEditorEnabled && (Key.unicode() >= 32 || Key == QChar(8))) {
        Key = QChar();
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

void VOdeCustomDropDown::Change()
{
    if (OnChange)
        OnChange(this);
}

void VOdeCustomDropDown::DoEnter(bool ByMouse)
{
    FUndoText = text();
    if (!FEditorEnabled) {
        deselect();
        return;
    }
    if (FEditType == etFloat && !ByMouse) {
        // The whole part of a number, ready to be typed over.
        const int Dec = int(text().indexOf(Format_Settings().DecimalSeparator));
        if (Dec >= 0) {
            setSelection(0, Dec);
            return;
        }
    }
    TCustomMaskEdit::DoEnter(ByMouse);
}

bool VOdeCustomDropDown::event(QEvent *E)
{
    // Escape belongs to the open popup, not to the window's dialog keys.
    if (E->type() == QEvent::ShortcutOverride && FDroppedDown) {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Escape) {
            E->accept();
            return true;
        }
    }
    if (E->type() == QEvent::Hide)
        HideDropDown(true);
    return TCustomMaskEdit::event(E);
}

void VOdeCustomDropDown::paintEvent(QPaintEvent *E)
{
    TCustomMaskEdit::paintEvent(E);
    QPainter P(this);
    QStyleOptionButton O;
    O.initFrom(this);
    O.rect = Button_Rect();
    O.state |= FDroppedDown ? QStyle::State_Sunken : QStyle::State_Raised;
    if (!isEnabled())
        O.state &= ~QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_PushButtonBevel, &O, &P, this);
    QStyleOption A = O;
    A.rect = O.rect.adjusted(4, 4, -4, -4);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &A, &P, this);
}

void VOdeCustomDropDown::mousePressEvent(QMouseEvent *E)
{
    if (E->button() == Qt::LeftButton && Button_Rect().contains(E->position().toPoint())) {
        setFocus(Qt::MouseFocusReason);
        if (FDroppedDown)
            HideDropDown(false);
        else
            ShowDropDown();
        E->accept();
        return;
    }
    TCustomMaskEdit::mousePressEvent(E);
}

void VOdeCustomDropDown::resizeEvent(QResizeEvent *E)
{
    TCustomMaskEdit::resizeEvent(E);
    update();
}
