// The date-and-time editor kind: opens on the cell's value, commits the short
// date, one blank and the short time; an unchecked picker clears the cell.
#include "GridEditFixture.h"
#include "TestSupport.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"

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
            Save_Screenshot(G.get(), QStringLiteral("grid_edit_datetime"));
        P->Checked = T.Checked;
        Key(Qt::Key_Return);
        Flush();
        EXPECT_FALSE(P->isVisible());
        EXPECT_EQ(G->Cells(1, 1), T.Cell);
    }
}
