// The date pickers' notifications: a changed value reaches OnEditChange (and
// the date-and-time picker's OnDateTimeChange); the calendar's drop-down takes
// the picker's week-number setting and fires OnDatePickerDropDown; its
// close-up fires OnDatePickerCloseUp and, with DirectDateClose, commits.
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCalendarWidget>
#include <QEvent>

namespace {
// Tells when a window is shown and hidden.
class TShowWatch : public QObject {
public:
    TShowWatch(QObject *Owner, std::function<void(bool Shown)> On) : QObject(Owner), FOn(std::move(On)) {}

protected:
    bool eventFilter(QObject *W, QEvent *E) override
    {
        if (E->type() == QEvent::Show)
            FOn(true);
        else if (E->type() == QEvent::Hide)
            FOn(false);
        return QObject::eventFilter(W, E);
    }

private:
    std::function<void(bool)> FOn;
};
} // namespace

void RIraRevadiVizo::Watch_Date_Picker(TGridDatePicker *P)
{
    const bool DateAndTime = qobject_cast<TGridDateTimePicker *>(P) != nullptr;
    connect(P, &QDateTimeEdit::dateTimeChanged, this, [this, P, DateAndTime] {
        // Filling the picker is no change by the user.
        if (!FEditMode || FNoEditChange || !P->isVisible())
            return;
        if (OnEditChange)
            OnEditChange(this, Col(), Row(), P->Text());
        if (DateAndTime && OnDateTimeChange)
            OnDateTimeChange(this, Col(), Row(), P->Value());
    });
    if (!P->calendarPopup())
        P->setCalendarPopup(true);
    QCalendarWidget *Cal = P->calendarWidget();
    if (!Cal)
        return;
    QPointer<TGridDatePicker> Picker(P);
    Cal->window()->installEventFilter(new TShowWatch(P, [this, Picker, Cal](bool Shown) {
        if (!Picker)
            return;
        if (Shown) {
            Cal->setVerticalHeaderFormat(Picker->Weeknumbers ? QCalendarWidget::ISOWeekNumbers
                                                             : QCalendarWidget::NoVerticalHeader);
            if (OnDatePickerDropDown)
                OnDatePickerDropDown(this, Row(), Col());
            return;
        }
        if (OnDatePickerCloseUp)
            OnDatePickerCloseUp(this, Row(), Col());
        if (FMouseActions.DirectDateClose() && FEditMode && Picker->isVisible())
            HideInplaceEdit();
    }));
}
