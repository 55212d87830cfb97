#include "grid/base/BaseGrid.h"
#include "grid/base/GridUndoRedo.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class TUndoGrid : public TBaseGrid {
public:
    TUndoGrid()
    {
        Set_ColCount(5);
        Set_RowCount(6);
    }
};

// Runs a script of ';'-separated steps against a grid and its history:
//   set C R TEXT   register the change, then write the cell
//   undo, redo, start, stop, reset, max N
void Run_Script(VOdeGridUndoRedo &U, TBaseGrid &G, const QString &Script)
{
    for (const QString &Step : Script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList W = Step.trimmed().split(u' ');
        if (W[0] == u"set") {
            const int C = W[1].toInt(), R = W[2].toInt();
            U.RegisterChange(C, R, G.GetCellEx(C, R), W[3]);
            G.SetCellEx(C, R, W[3]);
        } else if (W[0] == u"undo")
            U.Undo();
        else if (W[0] == u"redo")
            U.Redo();
        else if (W[0] == u"start")
            U.StartSequence();
        else if (W[0] == u"stop")
            U.StopSequence();
        else if (W[0] == u"reset")
            U.Reset();
        else if (W[0] == u"max")
            U.Set_MaxLevel(W[1].toInt());
        ASSERT_EQ(U.Check_Consistency(), QString()) << "after " << Step.toStdString();
    }
}

struct TUndoCase {
    const char *Name;
    const char *Script;
    int Level;
    int Count;
    const char *Cells;   // "C,R=text" pairs joined by ';' (cells of columns 1..3, rows 1..3 not listed are empty)
};

const TUndoCase Undo_Cases[] = {
    // registering appends and applies
    {"RegisterAppends", "set 1 1 a;set 2 1 b", 2, 2, "1,1=a;2,1=b"},
    {"UndoRestoresOldText", "set 1 1 a;set 1 1 b;undo", 1, 2, "1,1=a"},
    {"RedoWritesNewTextAgain", "set 1 1 a;set 1 1 b;undo;redo", 2, 2, "1,1=b"},
    // nothing to undo or redo: no change, level stays in range
    {"UndoOnEmptyHistory", "undo;undo", 0, 0, ""},
    {"RedoAtEnd", "set 1 1 a;redo", 1, 1, "1,1=a"},
    {"UndoPastStartKeepsLevelZero", "set 1 1 a;undo;undo;undo", 0, 1, ""},
    // a new change after an undo drops the undone items
    {"NewChangeAfterUndoDropsUndone", "set 1 1 a;set 1 1 b;undo;set 1 1 c", 2, 2, "1,1=c"},
    {"UndoAfterDropRestoresStraightLine", "set 1 1 a;set 1 1 b;undo;set 1 1 c;undo", 1, 2, "1,1=a"},
    {"RedoAfterNewChangeDoesNothing", "set 1 1 a;undo;set 2 2 x;redo", 1, 1, "2,2=x"},
    // MaxLevel trims from the front
    {"MaxLevelKeepsLastTwo", "max 2;set 1 1 a;set 1 2 b;set 1 3 c", 2, 2, "1,1=a;1,2=b;1,3=c"},
    {"MaxLevelTrimmedItemCannotBeUndone", "max 2;set 1 1 a;set 1 2 b;set 1 3 c;undo;undo;undo", 0, 2, "1,1=a"},
    // sequences undo and redo as one step
    {"SequenceUndoesAsOne", "start;set 1 1 a;set 2 1 b;stop;undo", 0, 4, ""},
    {"SequenceRedoesAsOne", "start;set 1 1 a;set 2 1 b;stop;undo;redo", 4, 4, "1,1=a;2,1=b"},
    {"SequenceThenSingle", "set 3 3 z;start;set 1 1 a;set 2 1 b;stop;undo", 1, 5, "3,3=z"},
    {"StopWithoutStartIgnored", "stop;set 1 1 a;stop", 1, 1, "1,1=a"},
    {"NestedStartDeepensOpenSequence", "start;set 1 1 a;start;set 2 1 b;stop;set 3 1 c;stop;undo", 0, 5, ""},
    {"EmptySequenceUndoesToNothing", "set 1 1 a;start;stop;undo", 1, 3, "1,1=a"},
    // an open sequence undoes item by item and redoes to its end
    {"UndoInsideOpenSequence", "start;set 1 1 a;set 2 1 b;undo", 2, 3, "1,1=a"},
    {"RedoOpenSequenceAppliesAll", "start;set 1 1 a;set 2 1 b;undo;undo;undo;redo", 3, 3, "1,1=a;2,1=b"},
    {"UndoneOpenStartEndsSequence", "start;set 1 1 a;undo;undo;set 2 2 x;stop", 1, 1, "2,2=x"},
    // trimming removes whole sequences, never a start marker alone
    {"TrimRemovesWholeSequence", "max 4;start;set 1 1 a;set 2 1 b;stop;set 3 1 c", 1, 1, "1,1=a;2,1=b;3,1=c"},
    {"TrimKeepsOpenSequence", "max 2;start;set 1 1 a;set 2 1 b;set 3 1 c", 4, 4, "1,1=a;2,1=b;3,1=c"},
    // Reset empties the history and sets the level to 0
    {"ResetSetsLevelZero", "set 1 1 a;set 1 1 b;set 1 1 c;reset;undo", 0, 0, "1,1=c"},
    {"ResetEndsOpenSequence", "start;set 1 1 a;reset;stop;set 2 1 b", 1, 1, "1,1=a;2,1=b"},
};

TEST(UndoRedo, Sequences)
{
    for (const TUndoCase &C : Undo_Cases) {
        SCOPED_TRACE(C.Name);
        TUndoGrid G;
        VOdeGridUndoRedo U;
        U.Set_Grid(&G);
        Run_Script(U, G, QString::fromUtf8(C.Script));
        EXPECT_EQ(U.Level(), C.Level);
        EXPECT_EQ(static_cast<int>(U.Items().size()), C.Count);
        EXPECT_EQ(U.CanUndo(), C.Level > 0);
        EXPECT_EQ(U.CanRedo(), C.Level < C.Count);
        QMap<QString, QString> Want;
        for (const QString &P : QString::fromUtf8(C.Cells).split(u';', Qt::SkipEmptyParts))
            Want[P.section(u'=', 0, 0)] = P.section(u'=', 1);
        for (int Col = 1; Col <= 3; ++Col)
            for (int Row = 1; Row <= 3; ++Row) {
                const QString Key = QStringLiteral("%1,%2").arg(Col).arg(Row);
                EXPECT_EQ(G.GetCellEx(Col, Row), Want.value(Key)) << Key.toStdString();
            }
    }
}

TEST(UndoRedo, DefaultsAndLinking)
{
    VOdeGridUndoRedo U;
    EXPECT_EQ(U.Level(), 0);
    EXPECT_EQ(U.MaxLevel(), 0);
    EXPECT_FALSE(U.CanUndo());
    EXPECT_FALSE(U.CanRedo());
    auto G = std::make_unique<TUndoGrid>();
    U.Set_Grid(G.get());
    EXPECT_EQ(G->UndoRedo(), &U);
    // a removed grid is forgotten; undo without a grid does nothing
    U.RegisterChange(1, 1, "", "a");
    G.reset();
    EXPECT_EQ(U.Grid(), nullptr);
    U.Undo();
    EXPECT_EQ(U.Level(), 1);
}

TEST(UndoRedo, LinkedFromEitherSide)
{
    TUndoGrid G;
    VOdeGridUndoRedo U;
    G.Set_UndoRedo(&U);   // the grid's setter links the history back
    EXPECT_EQ(U.Grid(), &G);
    TUndoGrid H;
    U.Set_Grid(&H);       // moving to another grid unlinks the first
    EXPECT_EQ(G.UndoRedo(), nullptr);
    EXPECT_EQ(H.UndoRedo(), &U);
    U.Set_Grid(nullptr);
    EXPECT_EQ(H.UndoRedo(), nullptr);
}

TEST(UndoRedo, DestroyedHistoryUnlinksGrid)
{
    TUndoGrid G;
    {
        VOdeGridUndoRedo U;
        U.Set_Grid(&G);
    }
    EXPECT_EQ(G.UndoRedo(), nullptr);
}

TEST(UndoRedo, EventsSeeCurrentAndTargetTextAndCursorMoves)
{
    TUndoGrid G;
    VOdeGridUndoRedo U;
    U.Set_Grid(&G);
    Run_Script(U, G, "set 3 4 old;set 3 4 new;set 1 1 x");
    QStringList Seen;
    U.OnUndo = [&](VOdeGridUndoRedo *S, TBaseGrid *Grid, int Col, int Row, const QString &Orig, const QString &New) {
        EXPECT_EQ(S, &U);
        EXPECT_EQ(Grid, &G);
        Seen << QStringLiteral("undo %1,%2 %3->%4").arg(Col).arg(Row).arg(Orig, New);
    };
    U.OnRedo = [&](VOdeGridUndoRedo *, TBaseGrid *, int Col, int Row, const QString &Orig, const QString &New) {
        Seen << QStringLiteral("redo %1,%2 %3->%4").arg(Col).arg(Row).arg(Orig, New);
    };
    U.Undo();
    U.Undo();
    EXPECT_EQ(G.Col(), 3);
    EXPECT_EQ(G.Row(), 4);
    U.Redo();
    EXPECT_EQ(Seen, QStringList({"undo 1,1 x->", "undo 3,4 new->old", "redo 3,4 old->new"}));
}
} // namespace
