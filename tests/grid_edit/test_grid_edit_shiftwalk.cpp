// Shift+Left at the start or Shift+Right at the end of the text leaves the
// text editor for the grid once the value is accepted.
#include "GridEditFixture.h"

TEST_F(TGridEditFixture, ShiftArrowWalksOutOfTheEditor)
{
    struct TCase {
        const char *Name;
        bool Walk;          // Navigation.CursorWalkEditor
        Qt::Key Arrow;
        bool Home;          // caret put at the start before the key
        bool Refused;
        bool Left;          // the editor closed and the grid holds the focus
        QString Cell;       // cell (1, 1) afterwards
    } Cases[] = {
        {"right at the end", true, Qt::Key_Right, false, false, true, QStringLiteral("ab")},
        {"left at the start", true, Qt::Key_Left, true, false, true, QStringLiteral("ab")},
        {"left inside the text", true, Qt::Key_Left, false, false, false, QStringLiteral("ab")},
        {"refused", true, Qt::Key_Right, false, true, false, QStringLiteral("old")},
    };
    for (const TCase &T : Cases) {
        SCOPED_TRACE(T.Name);
        SetUp();
        Log_Events();
        Refuse = T.Refused;
        G->Navigation().Set_CursorWalkEditor(T.Walk);
        G->Set_Cells(1, 1, QStringLiteral("old"));
        Go(1, 1);
        F2();
        ASSERT_TRUE(Editor() && Editor()->isVisible());
        Editor()->selectAll();
        Type(QStringLiteral("ab"));
        if (T.Home)
            Key(Qt::Key_Home);
        Key(T.Arrow, Qt::ShiftModifier);
        Flush();
        EXPECT_EQ(Editor()->isVisible(), !T.Left);
        EXPECT_EQ(QApplication::focusWidget() == G.get(), T.Left);
        EXPECT_EQ(G->Col(), 1);
        if (T.Left || T.Refused) {
            EXPECT_EQ(G->Cells(1, 1), T.Cell);
        }
        if (T.Refused) {
            EXPECT_EQ(Editor()->displayText(), QStringLiteral("ab"));
        }
    }
}
