// The date-and-time editor kind: opens on the cell's value, commits the short
// date, one blank and the short time; an unchecked picker clears the cell.
#include "GridEditFixture.h"
#include "TestSupport.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"
#include <QCalendarWidget>

TEST_F(TGridEditFixture, DateTimeEditorCommitsDateAndTime)
{
    const TDateTime Value = Encode_Date(2026, 3, 14) + Encode_Time(9, 26, 0, 0);
    const QString Expected = Format_Date_Time(
        Format_Settings().ShortDateFormat + QStringLiteral(" ") + Format_Settings().ShortTimeFormat, Value);
    struct TCase {
        const char *Name;
        bool Checked;
        QString Cell;
    } Cases[] = {
        {"checked", true, Expected},
        {"unchecked", false, QString()},
    };
    for (const TCase &T : Cases) {
        SCOPED_TRACE(T.Name);
        SetUp();
        Kind(edDateTimeEdit);
        G->Set_ColWidths(1, 170);
        G->Set_Cells(1, 1, Expected);
        Go(1, 1);
        F2();
        TGridDateTimePicker *P = G->DateAndTimePicker();
        ASSERT_TRUE(P->isVisible());
        EXPECT_EQ(P->Text(), Expected);
        if (T.Checked)
            Grab_Open_Editor(QStringLiteral("grid_edit_datetime"));
        P->Checked = T.Checked;
        Key(Qt::Key_Return);
        Flush();
        EXPECT_FALSE(P->isVisible());
        EXPECT_EQ(G->Cells(1, 1), T.Cell);
    }
}

// Opening fills the picker silently; a change by the user reaches OnEditChange
// (and the date-and-time picker's OnDateTimeChange).
TEST_F(TGridEditFixture, DatePickerChangesReachTheGrid)
{
    TFormatSettingsGuard Locale;
    struct TCase {
        const char *Name;
        TEditorType Kind;
        bool DateTimeEvent;
    } Cases[] = {
        {"Date", edDateEdit, false},
        {"DateAndTime", edDateTimeEdit, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        std::vector<std::string> Seen;
        G->OnEditChange = [&](QObject *, int Col, int Row, const QString &V) {
            Seen.push_back("edit " + std::to_string(Col) + "," + std::to_string(Row) + " " + V.toStdString());
        };
        G->OnDateTimeChange = [&](QObject *, int Col, int Row, TDateTime) {
            Seen.push_back("datetime " + std::to_string(Col) + "," + std::to_string(Row));
        };
        Kind(C.Kind);
        G->Set_Cells(2, 2, QStringLiteral("3/4/2026"));
        Go(2, 2);
        F2();
        ASSERT_TRUE(G->EditMode());
        EXPECT_TRUE(Seen.empty());
        auto *P = qobject_cast<TGridDatePicker *>(G->EditCtrl());
        ASSERT_TRUE(P);
        P->setDate(QDate(2026, 3, 5));
        ASSERT_FALSE(Seen.empty());
        EXPECT_EQ(Seen[0], "edit 2,2 " + P->Text().toStdString());
        EXPECT_EQ(Seen.size(), C.DateTimeEvent ? 2u : 1u);
        G->HideInplaceEdit();
    }
}

// DirectDateDrop opens the calendar with the editor; its drop-down and
// close-up are reported, and with DirectDateClose the close-up commits.
TEST_F(TGridEditFixture, DatePickerCalendarDropAndClose)
{
    TFormatSettingsGuard Locale;
    std::vector<std::string> Seen;
    G->OnDatePickerDropDown = [&](QObject *, int Row, int Col) {
        Seen.push_back("drop " + std::to_string(Row) + "," + std::to_string(Col));
    };
    G->OnDatePickerCloseUp = [&](QObject *, int Row, int Col) {
        Seen.push_back("closeup " + std::to_string(Row) + "," + std::to_string(Col));
    };
    G->MouseActions().Set_DirectDateDrop(true);
    G->MouseActions().Set_DirectDateClose(true);
    G->DateTimePicker()->Weeknumbers = true;
    Kind(edDateEdit);
    G->Set_Cells(2, 3, QStringLiteral("3/4/2026"));
    Go(2, 3);
    F2();
    QCalendarWidget *Cal = G->DateTimePicker()->calendarWidget();
    ASSERT_TRUE(Cal);
    EXPECT_TRUE(Cal->isVisible());
    EXPECT_EQ(Cal->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
    EXPECT_EQ(Seen, (std::vector<std::string>{"drop 3,2"}));
    Cal->window()->hide();
    EXPECT_EQ(Seen, (std::vector<std::string>{"drop 3,2", "closeup 3,2"}));
    EXPECT_FALSE(G->EditMode());
    EXPECT_EQ(G->Cells(2, 3), QStringLiteral("3/4/2026"));
}

// Typed digits that complete a field move the picker to the next field, once
// (Qt's editor or the posted "DTPShiftFocus", whichever comes first); a digit
// that may still grow and the format's last field keep the field.
TEST_F(TGridEditFixture, DatePickerTypedDigitsMoveToTheNextField)
{
    TFormatSettingsGuard Locale;
    struct TCase {
        const char *Name;
        TEditorType Kind;
        const char *Cell;
        int Section;          // the field typed into
        const char *Typed;
        int WantSection;
    } Cases[] = {
        {"FirstFieldMovesOn", edDateEdit, "3/4/2026", 0, "12", 1},
        {"MiddleFieldMovesOn", edDateEdit, "3/4/2026", 1, "25", 2},
        {"LastFieldStays", edDateEdit, "3/4/2026", 2, "2027", 2},
        {"DigitThatCannotGrowMovesOn", edDateEdit, "3/4/2026", 0, "5", 1},
        {"DigitThatMayGrowStays", edDateEdit, "3/4/2026", 0, "1", 0},
        {"TimeFieldMovesOn", edTimeEdit, "10:30:00 AM", 0, "11", 1},
        {"TimeMinutesMoveOn", edTimeEdit, "10:30:00 AM", 1, "45", 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Kind(C.Kind);
        G->Set_Cells(2, 2, QString::fromLatin1(C.Cell));
        Go(2, 2);
        F2();
        auto *P = qobject_cast<TGridDatePicker *>(G->EditCtrl());
        ASSERT_TRUE(P);
        ASSERT_TRUE(P->hasFocus());
        P->setCurrentSectionIndex(C.Section);
        P->setSelectedSection(P->currentSection());
        // each digit's posted message arrives before the next key
        for (const char *D = C.Typed; *D; ++D) {
            Type(QString(QLatin1Char(*D)));
            Flush();
        }
        EXPECT_EQ(P->currentSectionIndex(), C.WantSection);
        G->HideInplaceEdit();
    }
}
