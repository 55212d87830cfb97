#include "grid/base/SpinEdit.h"
#include "grid/base/GridButtons.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include "platform/TextToInt.h"
#include "platform/ThemedParts.h"
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <cmath>

// --- text conversions --------------------------------------------------------------------

bool Spin_Text_To_Float(const QString &Text, double &Value)
{
    const QString T = Text.trimmed();
    if (T.isEmpty())
        return false;
    const QChar Dec = Format_Settings().DecimalSeparator;
    QString S;
    for (QChar C : T) {
        if (C == Dec)
            S += u'.';
        else if (C == u'.' && Dec != u'.')
            return false;   // only the locale's separator counts
        else
            S += C;
    }
    bool Ok = false;
    const double V = S.toDouble(&Ok);
    if (!Ok || !std::isfinite(V))
        return false;
    Value = V;
    return true;
}

QString Spin_Float_To_Text(double Value, int Precision)
{
    QString S = Precision > 0 ? QString::number(Value, 'f', std::min(Precision, 18)) : QString::number(Value, 'g', 15);
    if (S == u"-0")
        S = QStringLiteral("0");
    S.replace(u'.', Format_Settings().DecimalSeparator);
    return S;
}

bool Spin_Text_To_Time(const QString &Text, TDateTime &Value)
{
    // h:n[:s] with an optional AM/PM marker, in the locale's time separator.
    QString T = Text.trimmed();
    if (T.isEmpty())
        return false;
    int Pm = -1;
    const TFormatSettings &F = Format_Settings();
    for (const auto &[Marker, IsPm] : {std::pair{F.TimeAMString, 0}, std::pair{F.TimePMString, 1}, std::pair{QString("AM"), 0},
                                       std::pair{QString("PM"), 1}})
        if (!Marker.isEmpty() && T.endsWith(Marker, Qt::CaseInsensitive)) {
            Pm = IsPm;
            T = T.left(T.size() - Marker.size()).trimmed();
            break;
        }
    const QStringList Parts = T.split(F.TimeSeparator);
    if (Parts.size() < 2 || Parts.size() > 3)
        return false;
    int N[3] = {0, 0, 0};
    for (int I = 0; I < Parts.size(); ++I) {
        bool Ok = false;
        N[I] = Parts[I].trimmed().toInt(&Ok);
        if (!Ok || Parts[I].trimmed().isEmpty())
            return false;
    }
    if (Pm >= 0) {
        if (N[0] < 1 || N[0] > 12)
            return false;
        N[0] = N[0] % 12 + (Pm == 1 ? 12 : 0);
    }
    return Try_Encode_Time(N[0], N[1], N[2], 0, Value);
}

TDateTime Date_Time_Now()
{
    const QDateTime Now = Clock().Now();
    const qint64 Days = QDate(1899, 12, 30).daysTo(Now.date());
    return static_cast<double>(Days) + Now.time().msecsSinceStartOfDay() / 86400000.0;
}

TDateTime Inc_Month(TDateTime D, int Months)
{
    int Y, M, Dd;
    Decode_Date(D, Y, M, Dd);
    int Total = Y * 12 + (M - 1) + Months;
    Y = Total / 12;
    M = Total % 12 + 1;
    Dd = std::min(Dd, Days_In_Month(Y, M));
    TDateTime R;
    if (!Try_Encode_Date(Y, M, Dd, R))
        return D;
    return Combine_Date_Time(R, Time_Part(D));
}

QImage Spin_Arrow_Glyph(TButtonDirection Dir)
{
    // 9 x 5 (or 5 x 9) triangle on a white background; the bottom-left pixel
    // is the transparent colour, as for every glyph of the family.
    const bool Vert = Dir == bdUp || Dir == bdDown;
    QImage G(Vert ? 9 : 5, Vert ? 5 : 9, QImage::Format_ARGB32);
    G.fill(Qt::transparent);
    QPainter P(&G);
    P.setPen(Qt::NoPen);
    P.setBrush(Qt::black);
    QPolygon T;
    switch (Dir) {
    case bdUp: T = QPolygon({{1, 4}, {8, 4}, {4, 0}}); break;
    case bdDown: T = QPolygon({{1, 0}, {8, 0}, {4, 4}}); break;
    case bdLeft: T = QPolygon({{4, 1}, {4, 8}, {0, 4}}); break;
    case bdRight: T = QPolygon({{0, 1}, {0, 8}, {4, 4}}); break;
    }
    P.drawPolygon(T);
    return G;
}

// --- VOdeTimerSpeedButton ----------------------------------------------------------------

VOdeTimerSpeedButton::VOdeTimerSpeedButton(QWidget *Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_Hover);
}

void VOdeTimerSpeedButton::Set_TimeBtnState(TTimeBtnState V)
{
    if (V == FTimeBtnState)
        return;
    FTimeBtnState = V;
    update();
}

void VOdeTimerSpeedButton::Set_ButtonDirection(TButtonDirection V)
{
    if (V == FButtonDirection)
        return;
    FButtonDirection = V;
    update();
}

void VOdeTimerSpeedButton::Set_IsWinXP(bool V)
{
    FIsWinXP = V;
    update();
}

void VOdeTimerSpeedButton::Set_Flat(bool V)
{
    FFlat = V;
    update();
}

void VOdeTimerSpeedButton::Set_Transparent(bool V)
{
    FTransparent = V;
    update();
}

void VOdeTimerSpeedButton::Click()
{
    if (OnClick)
        OnClick(this);
}

void VOdeTimerSpeedButton::Repeat_Timer_Expired()
{
    if (!FRepeatTimer)
        return;
    FRepeatTimer->setInterval(100);
    if (!FPressed)
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->stop();
        throw;
    }
}

void VOdeTimerSpeedButton::mousePressEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton || !isEnabled())
        return;
    FPressed = true;
    if (OnMouseDown)
        OnMouseDown(this);
    update();
    QPointer<VOdeTimerSpeedButton> Self(this);
    Click();
    if (!Self)
        return;
    if (FTimeBtnState.Contains(tbAllowTimer)) {
        if (!FRepeatTimer) {
            FRepeatTimer = new QTimer(this);
            connect(FRepeatTimer, &QTimer::timeout, this, &VOdeTimerSpeedButton::Repeat_Timer_Expired);
        }
        FRepeatTimer->setInterval(400);
        FRepeatTimer->start();
    }
    if (parentWidget())
        parentWidget()->update();
}

void VOdeTimerSpeedButton::mouseReleaseEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton)
        return;
    FPressed = false;
    if (FRepeatTimer)
        FRepeatTimer->stop();
    update();
    if (parentWidget())
        parentWidget()->update();
}

void VOdeTimerSpeedButton::enterEvent(QEnterEvent *)
{
    FHasMouse = true;
    update();
}

void VOdeTimerSpeedButton::leaveEvent(QEvent *)
{
    FHasMouse = false;
    update();
}

void VOdeTimerSpeedButton::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    const QRect R = rect();
    auto *Pair = qobject_cast<ROruSpinButton *>(parentWidget());
    const bool Down = FPressed;
    if (Pair && Pair->ButtonColor != clNone) {
        const TColor Fill = Down ? Pair->ButtonColorDown : FHasMouse ? Pair->ButtonColorHot : Pair->ButtonColor;
        P.fillRect(R, To_QColor(Fill == clNone ? Pair->ButtonColor : Fill));
        P.setPen(Qt::NoPen);
        P.setBrush(Qt::black);
        QPolygon T;
        switch (FButtonDirection) {
        case bdUp: T = QPolygon({{4, 4}, {8, 4}, {6, 2}}); break;
        case bdDown: T = QPolygon({{4, 2}, {8, 2}, {6, 4}}); break;
        case bdLeft: T = QPolygon({{5, 5}, {3, 7}, {5, 9}}); break;
        case bdRight: T = QPolygon({{3, 5}, {5, 7}, {3, 9}}); break;
        }
        P.drawPolygon(T);
        return;
    }
    const TThemeState St = !isEnabled() ? tsDisabled : Down ? tsPressed : FHasMouse ? tsHot : tsNormal;
    if (FIsWinXP && Themes_Available()) {
        const TThemePart Part = FButtonDirection == bdUp ? tpSpinUp
                                : FButtonDirection == bdDown ? tpSpinDown
                                : FButtonDirection == bdRight ? tpSpinUpHorz
                                                              : tpSpinDownHorz;
        Draw_Theme_Part(P, this, Part, St, R);
    } else if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        Draw_Frame_Control(P, this, FButtonDirection == bdLeft ? fcScrollLeft : fcScrollRight, R,
                           (Down ? DFCS_PUSHED : 0) | (FFlat ? DFCS_FLAT : 0) | (isEnabled() ? 0 : DFCS_INACTIVE));
    } else {
        // An ordinary speed button with its glyph.
        Draw_Frame_Control(P, this, fcPushButton, R, (Down ? DFCS_PUSHED : 0) | (FFlat ? DFCS_FLAT : 0));
        const QImage G = Glyph.isNull() ? Spin_Arrow_Glyph(FButtonDirection) : Transparent_Glyph(Glyph);
        QPoint At((R.width() - G.width() + 1) / 2, (R.height() - G.height() + 1) / 2);
        if (Down)
            At += QPoint(1, 1);
        if (!isEnabled())
            P.setOpacity(0.4);
        P.drawImage(At, G);
    }
    if (FTimeBtnState.Contains(tbFocusRect) && Pair && Pair->hasFocus())
        Draw_Focus_Rect(P, R.adjusted(2, 2, -2, -2));
}

// --- ROruSpinButton -----------------------------------------------------------------------

ROruSpinButton::ROruSpinButton(QWidget *Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FUpButton = new VOdeTimerSpeedButton(this);
    FDownButton = new VOdeTimerSpeedButton(this);
    for (VOdeTimerSpeedButton *B : {FUpButton, FDownButton}) {
        B->Set_TimeBtnState(TTimeBtnState{tbAllowTimer});
        B->OnClick = [this](VOdeTimerSpeedButton *S) { Button_Click(S); };
        B->OnMouseDown = [this](VOdeTimerSpeedButton *S) { Button_Down(S); };
    }
    FUpButton->Set_ButtonDirection(bdUp);
    FDownButton->Set_ButtonDirection(bdDown);
    FFocusedButton = FUpButton;
    FUpButton->Set_TimeBtnState(FUpButton->TimeBtnState() + tbFocusRect);
    resize(15, 25);
}

void ROruSpinButton::Adjust_Buttons()
{
    const int W = width(), H = height();
    if (FDirection == spVertical) {
        const int Half = H / 2;
        FUpButton->setGeometry(0, 0, W, Half);
        FDownButton->setGeometry(0, Half - 1, W, H - Half + 1);
    } else {
        const int Half = W / 2;
        FDownButton->setGeometry(0, 0, Half, H);
        FUpButton->setGeometry(Half + 1, 0, W - Half - 1, H);
    }
}

void ROruSpinButton::resizeEvent(QResizeEvent *)
{
    const int MinW = FDirection == spVertical ? 15 : 20;
    if (width() < MinW) {
        resize(MinW, height());
        return;
    }
    Adjust_Buttons();
}

void ROruSpinButton::Set_Direction(TSpinDirection V)
{
    if (V == FDirection)
        return;
    FDirection = V;
    if (V == spHorizontal) {
        FUpButton->Set_ButtonDirection(bdRight);
        FDownButton->Set_ButtonDirection(bdLeft);
        resize(20, height());
    } else {
        FUpButton->Set_ButtonDirection(bdUp);
        FDownButton->Set_ButtonDirection(bdDown);
        resize(15, height());
    }
    Adjust_Buttons();
}

void ROruSpinButton::Set_IsWinXP(bool V)
{
    FIsWinXP = V;
    FUpButton->Set_IsWinXP(V);
    FDownButton->Set_IsWinXP(V);
}

void ROruSpinButton::Set_UpGlyph(const QImage &G)
{
    FUpButton->Glyph = G;
    if (G.isNull())
        FUpButton->NumGlyphs = 1;
    FUpButton->update();
}

void ROruSpinButton::Set_DownGlyph(const QImage &G)
{
    FDownButton->Glyph = G;
    if (G.isNull())
        FDownButton->NumGlyphs = 1;
    FDownButton->update();
}

void ROruSpinButton::Button_Click(VOdeTimerSpeedButton *B)
{
    if (B == FUpButton && OnUpClick)
        OnUpClick(this);
    else if (B == FDownButton && OnDownClick)
        OnDownClick(this);
}

void ROruSpinButton::Button_Down(VOdeTimerSpeedButton *B)
{
    if (focusPolicy() != Qt::NoFocus)
        Set_Focus_Btn(B);
    if (FFocusControl && FFocusControl->focusPolicy() & Qt::TabFocus && FFocusControl->isEnabled()
        && !FFocusControl->hasFocus())
        FFocusControl->setFocus(Qt::MouseFocusReason);
    else if (!FFocusControl && focusPolicy() & Qt::TabFocus && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void ROruSpinButton::Set_Focus_Btn(VOdeTimerSpeedButton *B)
{
    if (B == FFocusedButton)
        return;
    FFocusedButton->Set_TimeBtnState(FFocusedButton->TimeBtnState() - tbFocusRect);
    FFocusedButton = B;
    FFocusedButton->Set_TimeBtnState(FFocusedButton->TimeBtnState() + tbFocusRect);
}

void ROruSpinButton::keyPressEvent(QKeyEvent *E)
{
    switch (E->key()) {
    case Qt::Key_Space: FFocusedButton->Click(); break;
    case Qt::Key_Up:
        Set_Focus_Btn(FUpButton);
        FUpButton->Click();
        break;
    case Qt::Key_Down:
        Set_Focus_Btn(FDownButton);
        FDownButton->Click();
        break;
    default: QWidget::keyPressEvent(E); return;
    }
    E->accept();
}

void ROruSpinButton::focusInEvent(QFocusEvent *)
{
    FFocusedButton->update();
}

void ROruSpinButton::focusOutEvent(QFocusEvent *)
{
    FFocusedButton->update();
}

// --- ROruSpinEdit -------------------------------------------------------------------------

ROruSpinEdit::ROruSpinEdit(QWidget *Parent) : TCustomMaskEdit(Parent)
{
    FButton = new ROruSpinButton(this);
    FButton->resize(15, 17);
    FButton->Set_FocusControl(this);
    FButton->OnUpClick = [this](QObject *S) { UpClick(S); };
    FButton->OnDownClick = [this](QObject *S) { DownClick(S); };
    FButton->show();
    setText(QStringLiteral("0"));
    Layout_Editor();
}

int ROruSpinEdit::Value() const
{
    const QString T = text().trimmed();
    if (T.isEmpty())
        return 0;
    int V;
    return Text_To_Int(T, V) ? V : FMinValue;
}

void ROruSpinEdit::Set_Value(int V)
{
    if (FMinValue != FMaxValue)
        V = std::clamp(V, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
    setText(QString::number(V));
    if (!FEditorEnabled)
        selectAll();
}

double ROruSpinEdit::FloatValue() const
{
    double V;
    return Spin_Text_To_Float(text(), V) ? V : FMinFloatValue;
}

void ROruSpinEdit::Set_FloatValue(double V)
{
    if (FMinFloatValue != FMaxFloatValue) {
        if (V <= FMinFloatValue)
            V = FMinFloatValue;
        else if (V >= FMaxFloatValue)
            V = FMaxFloatValue;
    }
    setText(Spin_Float_To_Text(V, FPrecision));
    if (!FEditorEnabled)
        selectAll();
}

TDateTime ROruSpinEdit::Clamp_Date(TDateTime V) const
{
    if (FMinDateValue == FMaxDateValue)
        return V;
    if (V < FMinDateValue)
        return FMinDateValue;
    if (V > FMaxDateValue)
        return FMaxDateValue;
    return V;
}

void ROruSpinEdit::Set_Text_Keep_Caret(const QString &T)
{
    const int Caret = cursorPosition();
    setText(T);
    setCursorPosition(std::min(Caret, static_cast<int>(T.size())));
    if (!FEditorEnabled)
        selectAll();
}

TDateTime ROruSpinEdit::DateValue() const
{
    const QString T = text().trimmed();
    if (T.isEmpty() || T == u"0")
        return Date_Time_Now();
    TDateTime V;
    return Try_Str_To_Date(T, V) ? V : FMinDateValue;
}

void ROruSpinEdit::Set_DateValue(TDateTime V)
{
    FDateValue = V;
    if (Loading())
        return;
    Set_Text_Keep_Caret(Format_Date_Time(Format_Settings().ShortDateFormat, Clamp_Date(V)));
}

TDateTime ROruSpinEdit::TimeValue() const
{
    TDateTime V;
    return Spin_Text_To_Time(text(), V) ? V : 0;
}

void ROruSpinEdit::Set_TimeValue(TDateTime V)
{
    FTimeValue = V;
    if (Loading())
        return;
    const QString Fmt = FShowSeconds ? Format_Settings().LongTimeFormat : QStringLiteral("h:nn");
    Set_Text_Keep_Caret(Format_Date_Time(Fmt, Clamp_Date(V)));
}

bool ROruSpinEdit::Set_IncrementHours(int V)
{
    if (V < 0 || V >= 24)
        return false;
    FIncrementHours = V;
    return true;
}

bool ROruSpinEdit::Set_IncrementMinutes(int V)
{
    if (V < 0 || V >= 60)
        return false;
    FIncrementMinutes = V;
    return true;
}

bool ROruSpinEdit::Set_IncrementSeconds(int V)
{
    if (V < 0 || V >= 60)
        return false;
    FIncrementSeconds = V;
    return true;
}

void ROruSpinEdit::Set_SpinType(ROruSpinType V)
{
    FSpinType = V;
    if (Loading())
        return;   // Loaded() writes the streamed value in the type's format
    switch (V) {
    case sptNormal: Set_Value(Value()); break;
    case sptFloat: Set_FloatValue(FloatValue()); break;
    case sptDate: Set_DateValue(DateValue()); break;
    case sptTime: Set_TimeValue(TimeValue()); break;
    }
}

void ROruSpinEdit::Set_Precision(int V)
{
    FPrecision = V;
    if (FSpinType == sptFloat)
        Set_FloatValue(FloatValue());
}

void ROruSpinEdit::Set_Direction(TSpinDirection V)
{
    FDirection = V;
    FButton->Set_Direction(V);
    Layout_Editor();
}

void ROruSpinEdit::Set_IsWinXP(bool V)
{
    FIsWinXP = V;
    FButton->Set_IsWinXP(V);
}

void ROruSpinEdit::Set_EditAlign(TEditAlign V)
{
    FEditAlign = V;
    setAlignment(V == eaRight ? Qt::AlignRight | Qt::AlignVCenter
                 : V == eaCenter ? Qt::AlignHCenter | Qt::AlignVCenter
                                 : Qt::AlignLeft | Qt::AlignVCenter);
}

void ROruSpinEdit::Set_SpinFlat(bool V)
{
    FSpinFlat = V;
    FButton->UpButton()->Set_Flat(V);
    FButton->DownButton()->Set_Flat(V);
}

void ROruSpinEdit::Set_SpinTransparent(bool V)
{
    FSpinTransparent = V;
    FButton->UpButton()->Set_Transparent(V);
    FButton->DownButton()->Set_Transparent(V);
    Layout_Editor();
}

void ROruSpinEdit::UpClick(QObject *) { IncValue(false); }
void ROruSpinEdit::DownClick(QObject *) { DecValue(false); }
void ROruSpinEdit::IncValue(bool Page) { Step(+1, Page); }
void ROruSpinEdit::DecValue(bool Page) { Step(-1, Page); }

void ROruSpinEdit::Step(int Sign, bool Page)
{
    if (ReadOnly()) {
        Message_Beep();
        return;
    }
    const TFormatSettings &F = Format_Settings();
    const int Pc = SelStart();
    switch (FSpinType) {
    case sptNormal: Set_Value(Value() + Sign * FIncrement); break;
    case sptFloat: Set_FloatValue(FloatValue() + Sign * (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: {
        const QString Fmt = F.ShortDateFormat.toUpper();
        FUsDates = Fmt.indexOf(u'M') < Fmt.indexOf(u'D');
        const QString T = text();
        const int P1 = T.indexOf(F.DateSeparator) + 1;          // 1-based, 0 when absent
        const int P2 = P1 > 0 ? T.indexOf(F.DateSeparator, P1) + 1 : 0;
        const int Part = Pc < P1 ? 1 : (P2 > 0 && Pc < P2) ? 2 : 3;
        enum { Day, Month, Year } What = Part == 3 ? Year : ((Part == 1) == FUsDates ? Month : Day);
        const TDateTime D = DateValue();
        if (What == Day)
            Set_DateValue(D + Sign);
        else if (What == Month)
            Set_DateValue(Inc_Month(D, Sign));
        else {
            int Y, M, Dd;
            Decode_Date(D, Y, M, Dd);
            Y += Sign;
            TDateTime R;
            if (Try_Encode_Date(Y, M, std::min(Dd, Days_In_Month(Y, M)), R))
                Set_DateValue(R);
        }
        break;
    }
    case sptTime: {
        const QString T = text();
        const int P1 = T.indexOf(F.TimeSeparator) + 1;
        const int P2 = P1 > 0 ? T.indexOf(F.TimeSeparator, P1) + 1 : 0;
        TDateTime Inc = 0;
        if (Pc < P1)
            Try_Encode_Time(FIncrementHours, 0, 0, 0, Inc);
        else if (FShowSeconds && (P2 == 0 || Pc >= P2))
            Try_Encode_Time(0, 0, FIncrementSeconds, 0, Inc);
        else
            Try_Encode_Time(0, FIncrementMinutes, 0, 0, Inc);
        const TDateTime V = TimeValue();
        if (Sign > 0)
            Set_TimeValue(Time_Part(V + Inc));
        else {
            // Below midnight wraps to the end of the day.
            TDateTime R = (V + 1) - Inc;
            if (R >= 1)
                R -= 1;
            Set_TimeValue(R);
        }
        break;
    }
    }
}

bool ROruSpinEdit::IsValidChar(QChar &Key)
{
    const TFormatSettings &F = Format_Settings();
    const ushort K = Key.unicode();
    if (K == 8)
        return FEditorEnabled;
    bool Result = Key == F.DecimalSeparator || Key == F.ThousandSeparator || Key == F.TimeSeparator
                  || Key == F.DateSeparator || (K >= '0' && K <= '9') || K == '-' || (K < 32 && K != 13);
    auto Sep_Allowed = [&](QChar Sep) {
        return (FSpinType == sptNormal || FSpinType == sptFloat)
               && (Sep == F.DecimalSeparator || Sep == F.ThousandSeparator || Sep == u'-' || Sep == u'+');
    };
    if (Key == F.TimeSeparator && FSpinType != sptTime && !Sep_Allowed(F.TimeSeparator))
        Result = false;
    if (Key == F.DateSeparator && FSpinType != sptDate && !Sep_Allowed(F.DateSeparator))
        Result = false;
    const QString T = text();
    if (Result && K == '-') {
        if (!T.contains(u'-'))
            Result = SelStart() == 0;
        else
            Result = selectedText().contains(u'-') && SelStart() == 0;
    }
    if (Result && FSpinType == sptNormal)
        Result = (K >= '0' && K <= '9') || K == '-';
    if (Result && FSpinType == sptFloat && K != 27 && K != 13) {
        if (Key == F.ThousandSeparator && Key != F.DecimalSeparator)
            Result = false;
        const int Dec = T.indexOf(F.DecimalSeparator);
        if (Result && Key == F.DecimalSeparator && Dec >= 0 && !selectedText().contains(F.DecimalSeparator))
            Result = false;
        if (Result && FPrecision > 0 && !hasSelectedText() && Dec >= 0 && SelStart() > Dec && K >= 32
            && T.size() - Dec - 1 >= FPrecision)
            Result = false;
    }
    if (Result && FSpinType == sptTime && Key == F.TimeSeparator && T.count(F.TimeSeparator) >= 2)
        Result = false;
    if (!FEditorEnabled && K >= 32)
        Result = false;
    return Result;
}

void ROruSpinEdit::KeyDown(TKey &Key, TShiftState Shift)
{
    switch (Key) {
    case VK_PRIOR: IncValue(true); Key = 0; return;
    case VK_NEXT: DecValue(true); Key = 0; return;
    case VK_UP: IncValue(false); Key = 0; return;
    case VK_DOWN: DecValue(false); Key = 0; return;
    default: break;
    }
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = 0;
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        return;
    }
    if (Key == VK_DELETE && !FEditorEnabled)
        Key = 0;
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void ROruSpinEdit::WMChar(QChar &Key, bool Keypad)
{
    if (FExcelStyleDecimalSeparator && Keypad && Key == u'.')
        Key = Format_Settings().DecimalSeparator;
    KeyPress(Key);
}

void ROruSpinEdit::KeyPress(QChar &Key)
{
    if (!IsValidChar(Key)) {
        Key = QChar();
        Message_Beep();
    }
}

bool ROruSpinEdit::Can_Cut_Paste() const { return FEditorEnabled && !ReadOnly(); }

void ROruSpinEdit::DoEnter(bool ByMouse)
{
    if (AutoSelect() && (!ByMouse || !FEditorEnabled))
        selectAll();
}

void ROruSpinEdit::DoExit()
{
    // A value outside its limits is written back clamped.
    switch (FSpinType) {
    case sptNormal:
        if (FMinValue != FMaxValue && (Value() < FMinValue || Value() > FMaxValue))
            Set_Value(Value());
        break;
    case sptFloat:
        if (FMinFloatValue != FMaxFloatValue && (FloatValue() < FMinFloatValue || FloatValue() > FMaxFloatValue))
            Set_FloatValue(FloatValue());
        break;
    case sptDate:
        if (Clamp_Date(DateValue()) != DateValue())
            Set_DateValue(DateValue());
        break;
    case sptTime:
        if (Clamp_Date(TimeValue()) != TimeValue())
            Set_TimeValue(TimeValue());
        break;
    }
}

void ROruSpinEdit::Loaded()
{
    if (FSpinType == sptDate)
        Set_DateValue(FDateValue);
    else if (FSpinType == sptTime)
        Set_TimeValue(FTimeValue);
    Set_SpinType(FSpinType);
}

int ROruSpinEdit::Min_Height() const
{
    const int Hf = fontMetrics().height();
    const int Hs = QFontMetrics(QApplication::font()).height();
    return Hf + std::min(Hf, Hs) / 4 + 2 + (hasFrame() ? 4 : 0);
}

QRect ROruSpinEdit::Button_Rect() const
{
    const int Bw = FButton->width();
    if (hasFrame())
        return QRect(width() - Bw - 2, 2, Bw, height() - 4);
    return QRect(width() - Bw, 0, Bw, height());
}

void ROruSpinEdit::Layout_Editor()
{
    FButton->setGeometry(Button_Rect());
    const int Inset = hasFrame() ? 0 : 3;
    Set_Text_Rect(QRect(QPoint(Inset, Inset), QPoint(width() - FButton->width() - Inset - 2 - (hasFrame() ? 2 : 0), height())));
}

void ROruSpinEdit::resizeEvent(QResizeEvent *E)
{
    TCustomMaskEdit::resizeEvent(E);
    // A lower height is raised to the minimum (a layout may still hold it
    // lower; the parts are placed for whatever height stays).
    if (height() < Min_Height())
        resize(width(), Min_Height());
    Layout_Editor();
}
