// The date, time and date-time picker editors. How it turns keys, focus loss
// and clicks into the grid's editing calls.
#include "grid/stringgrid/GridDatePickerEditor.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "toolkit/StringGrid.h"
#include "grid/base/SpinEdit.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include <QCoreApplication>
#include <QCalendarWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QKeyEvent>

namespace {
const QDate Epoch(1899, 12, 30);
}

TGridDatePicker::TGridDatePicker(QWidget *Owner) : ROruDateTimePicker(Owner), FGrid(Editor_Grid_Of(Owner))
{
    hide();
    setEnabled(false);
}

TDateTime TGridDatePicker::Value() const
{
    const QDateTime D = dateTime();
    return Combine_Date_Time(Epoch.daysTo(D.date()), D.time().msecsSinceStartOfDay() / 86400000.0);
}

void TGridDatePicker::Set_Value(TDateTime Value)
{
    int Y, M, Dd, H, Mi, S, Ms;
    Decode_Date(Value, Y, M, Dd);
    Decode_Time(Value, H, Mi, S, Ms);
    setDateTime(QDateTime(QDate(Y, M, Dd), QTime(H, Mi, S, Ms)));
}

TDateTime TGridDatePicker::Clamped(TDateTime Value) const
{
    if (MaxDate != 0 && Value > MaxDate)
        Value = MaxDate;
    if (MinDate != 0 && Value < MinDate)
        Value = MinDate;
    return Value;
}

QString TGridDatePicker::Text() const
{
    return Kind() == dtkTime ? Time_To_Str(Value()) : Date_To_Str(Value());
}

void TGridDatePicker::Set_Text(const QString &Value)
{
    TDateTime V = 0;
    if (Value.isEmpty() || !Try_Str_To_Date_Time(Value, V))
        V = Date_Time_Now();
    Set_Value(V);
}

bool TGridDatePicker::event(QEvent *E)
{
    if (E->type() == Date_Picker_Shift_Focus_Message()) {
        Shift_Focus();
        return true;
    }
    if (Take_Tab_Key(E, FGrid, TEditorTabRule::EditorHandlesTab, [this](QKeyEvent *K) { keyPressEvent(K); }))
        return true;
    return ROruDateTimePicker::event(E);
}

void TGridDatePicker::Open_Calendar()
{
    if (!calendarPopup() || !isVisible())
        return;
    // The calendar opens from a press on the drop-down arrow.
    QStyleOptionComboBox Opt;
    Opt.initFrom(this);
    Opt.editable = true;
    Opt.frame = true;
    Opt.subControls = QStyle::SC_All;
    const QRect Arrow = style()->subControlRect(QStyle::CC_ComboBox, &Opt, QStyle::SC_ComboBoxArrow, this);
    const QPointF At = Arrow.center();
    QMouseEvent Press(QEvent::MouseButtonPress, At, mapToGlobal(At), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &Press);
}

void TGridDatePicker::keyPressEvent(QKeyEvent *E)
{
    if (calendarPopup()
        && (E->key() == Qt::Key_F4 || (E->key() == Qt::Key_Down && (E->modifiers() & Qt::AltModifier)))) {
        Open_Calendar();
        E->accept();
        return;
    }
    TKey Key = Virtual_Key_From_Qt(E->key(), E->modifiers());
    TShiftState Shift = Shift_State_From_Qt(E->modifiers());
    if (E->key() == Qt::Key_Backtab)
        Shift += ssShift;
    QPointer<TGridDatePicker> Self(this);
    KeyDown(Key, Shift);
    if (!Self)
        return;
    if (Key == 0) {
        E->accept();
        return;
    }
    // A typed digit may complete its field: decided once the digit is in.
    const bool Digit = E->text().size() == 1 && E->text()[0] >= u'0' && E->text()[0] <= u'9';
    if (Digit)
        FSectionBeforeDigit = currentSectionIndex();
    ROruDateTimePicker::keyPressEvent(E);
    if (Self && Digit)
        QCoreApplication::postEvent(this, new TGridMessageEvent(Date_Picker_Shift_Focus_Message(), 0, 0));
    if (Self && FGrid->OnKeyPress && E->text().size() == 1) {
        QChar C = E->text()[0];
        FGrid->OnKeyPress(FGrid, C);
    }
}

void TGridDatePicker::KeyDown(TKey &Key, TShiftState Shift)
{
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT && Key != VK_END)
        return;
    if (Key == VK_ESCAPE) {
        Set_Text(FGrid->CurrentCell());
    } else if (Key == VK_RETURN || Key == VK_TAB) {
        FGrid->Set_CurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            Set_Text(FGrid->NewCellText());
            update();
            if (Key == VK_RETURN)
                FGrid->Set_NoAutoAdvance(true);
            Key = 0;
            return;
        }
        Set_Text(FGrid->CurrentCell());
        if (Key == VK_TAB && FGrid->EditorHandlesTab() && Editor_Tab_Step(FGrid, Key, Shift.Contains(ssShift)))
            return;
    }
    if (!calendarPopup() || !calendarWidget() || !calendarWidget()->isVisible())
        FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

bool TGridDatePicker::Field_Complete() const
{
    const Section S = currentSection();
    const QString T = sectionText(S);
    bool Number = false;
    const int V = T.toInt(&Number);
    if (!Number)
        return false;
    int Digits = 2, Max = 59;
    switch (S) {
    case DaySection: Max = 31; break;
    case MonthSection: Max = 12; break;
    case HourSection: Max = 23; break;
    case MinuteSection: case SecondSection: break;
    case YearSection:
        Digits = displayFormat().contains(QStringLiteral("yyyy")) ? 4 : 2;
        Max = Digits == 4 ? 9999 : 99;
        break;
    default: return false;
    }
    // Full, or no further digit could follow.
    return T.size() >= Digits || V * 10 > Max;
}

void TGridDatePicker::Shift_Focus()
{
    // Qt's editor may have moved on by itself: never a second step.
    if (currentSectionIndex() != FSectionBeforeDigit || currentSectionIndex() + 1 >= sectionCount())
        return;
    if (Field_Complete()) {
        setCurrentSectionIndex(currentSectionIndex() + 1);
        setSelectedSection(currentSection());
    }
}

void TGridDatePicker::focusOutEvent(QFocusEvent *E)
{
    ROruDateTimePicker::focusOutEvent(E);
    if (!Editor_Focus_To_Own_Popup(E, false))
        Editor_Focus_Lost(FGrid);
}

TGridDateTimePicker::TGridDateTimePicker(QWidget *Owner) : TGridDatePicker(Owner)
{
    Set_Kind(dtkDate);
    const bool TwelveHours = Format_Settings().ShortTimeFormat.contains(QStringLiteral("AMPM"), Qt::CaseInsensitive);
    setDisplayFormat(displayFormat() + (TwelveHours ? QStringLiteral(" h:mm AP") : QStringLiteral(" HH:mm")));
    setCalendarPopup(true);
}

QString TGridDateTimePicker::Text() const
{
    return Format_Date_Time(Format_Settings().ShortDateFormat + QStringLiteral(" ") + Format_Settings().ShortTimeFormat,
                            Value());
}
