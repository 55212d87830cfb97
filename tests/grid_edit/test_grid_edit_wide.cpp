// Validation of an edit of a cell that holds wide (escaped) text.
#include "GridEditFixture.h"
#include "grid/model/TextRoutines.h"

TEST_F(TGridEditFixture, WideCellTextRoundTrips)
{
    G->SetWideCells(1, 1, QStringLiteral("\u65e5\u672c a"));
    EXPECT_TRUE(G->Cells(1, 1).startsWith(QStringLiteral("|\\")));
    EXPECT_EQ(G->GetWideCells(1, 1), QStringLiteral("\u65e5\u672c a"));
    G->Set_Cells(2, 1, QStringLiteral("plain"));
    EXPECT_EQ(G->GetWideCells(2, 1), QStringLiteral("plain"));
}

TEST_F(TGridEditFixture, ValidateCellWideAcceptsRefusesAndReplaces)
{
    struct TCase {
        const char *Name;
        bool Refuse;
        QString Replace;
        QString Expected;      // the cell's wide text afterwards
        bool Result;
        bool Modified;
    } Cases[] = {
        {"accepted", false, {}, QStringLiteral("\u00e9t\u00e9"), true, true},
        {"replaced", false, QStringLiteral("fixed"), QStringLiteral("fixed"), true, true},
        {"refused keeps the old text", true, {}, QStringLiteral("\u03a9 old"), false, false},
        {"refused with a replacement", true, QStringLiteral("corr"), QStringLiteral("corr"), false, false},
    };
    for (const TCase &T : Cases) {
        SCOPED_TRACE(T.Name);
        SetUp();
        QString Seen;
        int Calls = 0;
        G->OnCellValidateWide = [&](QObject *, int C, int R, QString &V, bool &Valid) {
            ++Calls;
            Seen = V;
            EXPECT_EQ(C, 2);
            EXPECT_EQ(R, 3);
            if (!T.Replace.isEmpty())
                V = T.Replace;
            Valid = !T.Refuse;
        };
        bool Plain = false;
        G->OnCellValidate = [&](QObject *, int, int, QString &, bool &) { Plain = true; };
        G->SetWideCells(2, 3, QStringLiteral("\u03a9 old"));
        Go(2, 3);
        F2();
        Type(QStringLiteral("x"));
        EXPECT_EQ(G->OldCellTextWide(), QStringLiteral("\u03a9 old"));
        EXPECT_EQ(G->ValidateCellWide(QStringLiteral("\u00e9t\u00e9")), T.Result);
        EXPECT_EQ(Calls, 1);
        EXPECT_FALSE(Plain);
        EXPECT_EQ(Seen, QStringLiteral("\u00e9t\u00e9"));
        EXPECT_EQ(G->GetWideCells(2, 3), T.Expected);
        EXPECT_EQ(G->GridModified(), T.Modified);
        EXPECT_EQ(G->LastValidation(), T.Result);
        EXPECT_EQ(G->Col(), 2);
        EXPECT_EQ(G->Row(), 3);
        // An unchanged value asks nobody.
        Calls = 0;
        EXPECT_TRUE(G->ValidateCellWide(G->OldCellTextWide()));
        EXPECT_EQ(Calls, 0);
        G->HideInplaceEdit();
    }
}
