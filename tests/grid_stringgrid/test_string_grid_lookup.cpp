// The grid's own character step: the typed row lookup of a grid without
// editing, Enter on cells that may not be edited and on cell controls.
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
// Column 1 holds sorted names from row 1 on.
std::unique_ptr<RIraRevadiVizo> Make_Names()
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(3);
    G->Set_RowCount(6);
    const char *Names[] = {"Alpha", "Abel", "Beta", "<B>Bravo</B>", "Gamma"};
    for (int R = 0; R < 5; ++R)
        G->SetCellEx(1, R + 1, Names[R]);
    G->Navigation().Set_AutoGotoWhenSorted(true);
    return G;
}

void Type(RIraRevadiVizo &G, const QString &Text)
{
    for (QChar C : Text) {
        QChar K = C;
        G.KeyPress(K);
    }
}
} // namespace

// Each typed character jumps to the first row that starts with the text
// typed so far (markup removed, letter case ignored); Backspace takes a
// character back; a text no row starts with is forgotten.
TEST(StringGridLookup, TypedLettersFindARow)
{
    struct TCase { const char *Name; bool Incremental; QString Typed; int WantRow; QString WantText; };
    const TCase Cases[] = {
        {"OneLetter", false, "b", 3, "b"},
        {"EachKeyAlone", false, "ab", 3, "b"},
        {"IncrementalWord", true, "ab", 2, "ab"},
        {"MarkupStripped", true, "br", 4, "br"},
        {"BackspaceLooksUpTheRest", true, QString("ab") + QChar(8), 1, "a"},
        {"NoMatchForgets", true, "ax", 1, ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Names();
        G->Navigation().Set_AutoGotoIncremental(C.Incremental);
        G->FocusCell(1, 5);
        Type(*G, C.Typed);
        EXPECT_EQ(G->Row(), C.WantRow);
        EXPECT_EQ(G->SearchInc(), C.WantText);
    }
    // without the option typed letters move nothing
    auto G = Make_Names();
    G->FocusCell(1, 5);
    G->Navigation().Set_AutoGotoWhenSorted(false);
    Type(*G, "b");
    EXPECT_EQ(G->Row(), 5);
    EXPECT_EQ(G->SearchInc(), "");
}

// The grid's half-second timer runs once the window is made; an incremental
// lookup's text is gone on the fourth tick after the last typed character,
// and a character typed meanwhile starts the count again.
TEST(StringGridLookup, GridTimerDropsTheLookupTextAfterAPause)
{
    auto G = Make_Names();
    G->Navigation().Set_AutoGotoIncremental(true);
    G->show();
    EXPECT_TRUE(G->GridTimer().Active());
    G->FocusCell(1, 5);
    Type(*G, "a");
    for (int T = 0; T < 3; ++T)
        G->GridTimer().Tick();
    EXPECT_EQ(G->SearchInc(), "a");
    Type(*G, "b");   // the count starts again
    for (int T = 0; T < 3; ++T)
        G->GridTimer().Tick();
    EXPECT_EQ(G->SearchInc(), "ab");
    G->GridTimer().Tick();
    EXPECT_EQ(G->SearchInc(), "");
    EXPECT_EQ(G->GridTimer().Ticks(), 7);
    // the next letter starts a new lookup
    Type(*G, "b");
    EXPECT_EQ(G->Row(), 3);
}

// Enter on a cell that may not be edited, with AdvanceOnEnter off, reaches
// OnKeyPress and goes no further; on a check box it moves on.
TEST(StringGridLookup, EnterOnReadOnlyCellsAndCellControls)
{
    auto G = Make_Names();
    G->Navigation().Set_AutoGotoWhenSorted(false);
    int Pressed = 0;
    G->OnKeyPress = [&](TStringGrid *, QChar &) { ++Pressed; };
    G->FocusCell(1, 2);
    QChar Enter(13);
    G->KeyPress(Enter);
    EXPECT_EQ(Pressed, 1);
    EXPECT_TRUE(Enter.isNull());
    EXPECT_EQ(G->Row(), 2);

    G->Set_Options(G->Options() + goEditing);
    G->AddCheckBox(1, 2, false, false);
    G->Navigation().Set_AdvanceOnEnter(true);
    G->Navigation().Set_AdvanceDirection(adTopBottom);
    Enter = QChar(13);
    G->KeyPress(Enter);
    EXPECT_EQ(G->Row(), 3);
    EXPECT_FALSE(G->GetCellGraphic(1, 2)->CellBoolean);   // moving on does not tick it
}

// After an edit the editor opens in the next cell only where editing is on
// and the cell may be edited.
TEST(StringGridLookup, AdvanceOpensTheEditorOnlyWhereAllowed)
{
    auto G = Make_Names();
    G->Navigation().Set_AdvanceOnEnter(true);
    G->Navigation().Set_AdvanceDirection(adTopBottom);
    G->NavigateAfterEdit(1, 1, false, true, true, false, true);
    EXPECT_EQ(G->Row(), 2);
    EXPECT_FALSE(G->EditorMode());   // editing is off
    G->Set_Options(G->Options() + goEditing);
    G->GetCellProperties(1, 3)->Set_ReadOnly(true);
    G->Navigation().Set_AdvanceSkipReadOnlyCells(false);
    G->NavigateAfterEdit(1, 2, false, true, true, false, true);
    EXPECT_EQ(G->Row(), 3);
    EXPECT_FALSE(G->EditorMode());   // read-only
    G->NavigateAfterEdit(1, 3, false, true, true, false, true);
    EXPECT_EQ(G->Row(), 4);
    EXPECT_TRUE(G->EditorMode());
}
