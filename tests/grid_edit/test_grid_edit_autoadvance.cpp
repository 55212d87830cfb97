// A typed entry that fills the text editor moves on as Enter would.
#include "GridEditFixture.h"

TEST_F(TGridEditFixture, FullEntryAdvancesAutomatically)
{
    struct TCase {
        const char *Name;
        bool AdvanceAuto;
        int MaxLength;
        QString Mask;
        QString Typed;
        bool Moved;   // the cursor went on to (2, 1) and the cell holds the entry
        bool Refused = false;
    } Cases[] = {
        {"refused entry stays", true, 3, {}, QStringLiteral("abc"), false, true},
        {"length reached", true, 3, {}, QStringLiteral("abc"), true},
        {"length not reached", true, 3, {}, QStringLiteral("ab"), false},
        {"no length limit", true, 0, {}, QStringLiteral("abcdef"), false},
        {"auto advance off", false, 3, {}, QStringLiteral("abc"), false},
        {"mask filled", true, 0, QStringLiteral("000;1;_"), QStringLiteral("123"), true},
        {"mask partly filled", true, 0, QStringLiteral("000;1;_"), QStringLiteral("12"), false},
    };
    for (const TCase &T : Cases) {
        SCOPED_TRACE(T.Name);
        SetUp();
        Log_Events();
        Refuse = T.Refused;
        G->Navigation().Set_AdvanceOnEnter(true);
        G->Navigation().Set_AdvanceAuto(T.AdvanceAuto);
        G->Set_MaxEditLength(T.MaxLength);
        const QString Mask = T.Mask;
        G->OnGetEditMask = [Mask](QObject *, int, int, QString &V) { V = Mask; };
        Go(1, 1);
        F2();
        ASSERT_TRUE(Editor() && Editor()->isVisible());
        Type(T.Typed);
        Flush();
        EXPECT_EQ(G->Col(), T.Moved ? 2 : 1);
        EXPECT_EQ(G->Row(), 1);
        if (T.Moved)
            EXPECT_EQ(G->Cells(1, 1), T.Typed);
        else
            EXPECT_TRUE(Editor()->isVisible()) << Editor()->displayText().toStdString() << "|" << Editor()->Masked();
    }
}
