// The fixed-cell editors (a plain edit, an editable combo, a list combo) made
// and laid over a header or a row label by the test: how they end an edit,
// leave, take Return and report their text changes.
#include "GridEditFixture.h"
#include "grid/stringgrid/GridTransEditors.h"
#include <QComboBox>

namespace {

enum TTransKind { tkEdit, tkComboEdit, tkComboList };

struct TTransCase {
    const char *Name;
    TTransKind Kind;
};

const TTransCase Trans_Cases[] = {
    {"Edit", tkEdit},
    {"ComboEdit", tkComboEdit},
    {"ComboList", tkComboList},
};

struct TFixedEditFixture : TGridEditFixture {
    std::vector<std::string> Changes;   // "col,row text" per OnEditChange

    // A new grid and nothing recorded (for each case of a table).
    void Fresh()
    {
        SetUp();
        Log.clear();
        Changes.clear();
        Refuse = false;
        Replace.clear();
    }

    // Makes the control of Kind over the fixed cell (ACol real, ARow), filled
    // with the cell's text, shown and focused, as the grid's fixed-cell edit
    // start does.
    TGridTransEditor *Open(TTransKind Kind, int ACol, int ARow)
    {
        QWidget *W;
        if (Kind == tkEdit) {
            auto *E = new TGridTransEdit(G.get());
            E->Set_Cell(ACol, ARow);
            E->setText(G->Cells(ACol, ARow));
            W = E;
        } else {
            auto *C = new TGridTransCombo(G.get());
            C->Set_Editable_Style(Kind == tkComboEdit);
            C->addItems({QStringLiteral("Head"), QStringLiteral("New"), QStringLiteral("Other")});
            C->Set_Cell(ACol, ARow);
            C->Set_Text(G->Cells(ACol, ARow));
            W = C;
        }
        W->setGeometry(G->CellRect(G->DisplColIndex(ACol), ARow).To_QRect());
        W->show();
        W->setFocus();
        return dynamic_cast<TGridTransEditor *>(W);
    }
    // Puts Value in the way a user would: typed into an edit, chosen in a list.
    static void Enter_Text(TGridTransEditor *E, const QString &Value)
    {
        auto *W = dynamic_cast<QWidget *>(E);
        if (auto *C = qobject_cast<TGridTransCombo *>(W); C && !C->isEditable()) {
            C->setCurrentIndex(C->findText(Value));
            return;
        }
        QTest::keyClick(W, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(W, Value);
    }
    static QWidget *Widget(TGridTransEditor *E) { return dynamic_cast<QWidget *>(E); }
    void Log_Changes()
    {
        G->OnEditChange = [this](QObject *S, int C, int R, const QString &V) {
            EXPECT_EQ(S, G.get());
            Changes.push_back(std::to_string(C) + "," + std::to_string(R) + " " + V.toStdString());
        };
    }
};

}   // namespace

// A refused value keeps the control open with the focus and the fixed cell as
// it was; the current cell goes to the edited cell's column (a header) or row
// (a row label). Accepted afterwards, the value is written and the control hides.
TEST_F(TFixedEditFixture, RefusedValueKeepsTheEditorOpenAndTheCell)
{
    struct TCell {
        const char *Name;
        int Col, Row;       // the edited cell (real column)
        int Hide;           // a column hidden first (-1: none)
        int ExpCol, ExpRow; // the current cell after the refusal
    };
    const TCell Cells[] = {
        {"Header", 3, 0, -1, 3, 2},
        {"RowLabel", 0, 4, -1, 1, 4},
        // the control knows the real column; the current cell is a display one
        {"HeaderRightOfAHiddenColumn", 3, 0, 2, 2, 2},
    };
    for (const TTransCase &K : Trans_Cases) {
        for (const TCell &C : Cells) {
            SCOPED_TRACE(std::string(K.Name) + " " + C.Name);
            Fresh();
            Log_Events();
            if (C.Hide >= 0)
                G->HideColumn(C.Hide);
            Go(1, 2);
            G->Set_Cells(C.Col, C.Row, QStringLiteral("Head"));
            TGridTransEditor *E = Open(K.Kind, C.Col, C.Row);
            Enter_Text(E, QStringLiteral("New"));
            Refuse = true;
            EXPECT_FALSE(E->StopEdit());
            EXPECT_TRUE(Widget(E)->isVisible());
            EXPECT_TRUE(Widget(E)->hasFocus());
            EXPECT_EQ(E->Editor_Text(), QStringLiteral("New"));
            EXPECT_EQ(G->Cells(C.Col, C.Row), QStringLiteral("Head"));
            EXPECT_EQ(G->Col(), C.ExpCol);
            EXPECT_EQ(G->Row(), C.ExpRow);
            const std::string Validate = "validate " + std::to_string(C.Col) + "," + std::to_string(C.Row) + " New";
            EXPECT_EQ(Log, (std::vector<std::string>{Validate}));
            Refuse = false;
            EXPECT_TRUE(E->StopEdit());
            EXPECT_FALSE(Widget(E)->isVisible());
            EXPECT_EQ(G->Cells(C.Col, C.Row), QStringLiteral("New"));
            EXPECT_EQ(Log, (std::vector<std::string>{Validate, Validate, "done"}));
        }
    }
}

// A validation handler's replacement is what goes into the cell, after
// OnEditingDone (which still sees the old text).
TEST_F(TFixedEditFixture, ReplacedValueIsWrittenAfterEditingDone)
{
    for (const TTransCase &K : Trans_Cases) {
        SCOPED_TRACE(K.Name);
        Fresh();
        Log_Events();
        QString AtDone;
        G->OnEditingDone = [&](QObject *) { AtDone = G->Cells(2, 0); };
        G->Set_Cells(2, 0, QStringLiteral("Head"));
        TGridTransEditor *E = Open(K.Kind, 2, 0);
        Enter_Text(E, QStringLiteral("Other"));
        Replace = QStringLiteral("Checked");
        EXPECT_TRUE(E->StopEdit());
        EXPECT_EQ(AtDone, QStringLiteral("Head"));
        EXPECT_EQ(G->Cells(2, 0), QStringLiteral("Checked"));
        EXPECT_FALSE(Widget(E)->isVisible());
    }
}

// Leaving the control ends the edit; a refusal takes the focus back.
TEST_F(TFixedEditFixture, LeavingEndsTheEdit)
{
    for (const TTransCase &K : Trans_Cases) {
        SCOPED_TRACE(K.Name);
        Fresh();
        Log_Events();
        G->Set_Cells(1, 0, QStringLiteral("Head"));
        TGridTransEditor *E = Open(K.Kind, 1, 0);
        Enter_Text(E, QStringLiteral("New"));
        Refuse = true;
        G->setFocus();
        EXPECT_TRUE(Widget(E)->hasFocus());
        EXPECT_TRUE(Widget(E)->isVisible());
        EXPECT_EQ(G->Cells(1, 0), QStringLiteral("Head"));
        Refuse = false;
        G->setFocus();
        EXPECT_TRUE(G->hasFocus());
        EXPECT_FALSE(Widget(E)->isVisible());
        EXPECT_EQ(G->Cells(1, 0), QStringLiteral("New"));
        // validated once per leave: the hiding's own focus change ends nothing again
        EXPECT_EQ(Log, (std::vector<std::string>{"validate 1,0 New", "validate 1,0 New", "done"}));
    }
}

// Return inserts nothing, adds no item and reaches neither the grid nor its
// window; the edit goes on.
TEST_F(TFixedEditFixture, ReturnIsSwallowed)
{
    for (const TTransCase &K : Trans_Cases) {
        SCOPED_TRACE(K.Name);
        Fresh();
        Log_Events();
        int GridKeys = 0;
        G->Set_Cells(1, 0, QStringLiteral("Head"));
        TGridTransEditor *E = Open(K.Kind, 1, 0);
        Enter_Text(E, QStringLiteral("New"));
        G->OnKeyDown = [&](TStringGrid *, TKey &, TShiftState) { ++GridKeys; };
        G->OnKeyPress = [&](TStringGrid *, QChar &) { ++GridKeys; };
        QTest::keyClick(Widget(E), Qt::Key_Return);
        QTest::keyClick(Widget(E), Qt::Key_Enter);
        EXPECT_EQ(E->Editor_Text(), QStringLiteral("New"));
        if (auto *C = qobject_cast<QComboBox *>(Widget(E))) {
            EXPECT_EQ(C->count(), 3);
        }
        EXPECT_EQ(GridKeys, 0);
        EXPECT_TRUE(Log.empty());
        EXPECT_TRUE(Widget(E)->isVisible());
        EXPECT_TRUE(Widget(E)->hasFocus());
    }
}

// Every change of the shown control's text reaches OnEditChange with the
// edited cell; filling it before it shows reports nothing.
TEST_F(TFixedEditFixture, TextChangesReachOnEditChange)
{
    struct TChangeCase {
        const char *Name;
        TTransKind Kind;
        const char *Entered;
        std::vector<std::string> Expected;
    };
    const TChangeCase Change_Cases[] = {
        // Ctrl+A selects, then each typed character is a change (no item
        // begins with the text, so the combo completes nothing)
        {"Edit", tkEdit, "Xy", {"3,0 X", "3,0 Xy"}},
        {"ComboEdit", tkComboEdit, "Xy", {"3,0 X", "3,0 Xy"}},
        {"ComboList", tkComboList, "New", {"3,0 New"}},
    };
    for (const TChangeCase &K : Change_Cases) {
        SCOPED_TRACE(K.Name);
        Fresh();
        Log_Changes();
        G->Set_Cells(3, 0, QStringLiteral("Head"));
        TGridTransEditor *E = Open(K.Kind, 3, 0);
        EXPECT_TRUE(Changes.empty());
        Enter_Text(E, QString::fromLatin1(K.Entered));
        EXPECT_EQ(Changes, K.Expected);
    }
}

// Without a grid the control only hides; an owner that is not a grid is refused.
TEST_F(TFixedEditFixture, WithoutAGridStopEditOnlyHides)
{
    TGridTransEdit E(nullptr);
    TGridTransCombo C(nullptr);
    for (TGridTransEditor *T : {static_cast<TGridTransEditor *>(&E), static_cast<TGridTransEditor *>(&C)}) {
        Widget(T)->show();
        EXPECT_TRUE(T->StopEdit());
        EXPECT_FALSE(Widget(T)->isVisible());
    }
    QWidget NotAGrid;
    EXPECT_THROW(TGridTransEdit{&NotAGrid}, std::bad_cast);
    EXPECT_THROW(TGridTransCombo{&NotAGrid}, std::bad_cast);
}

// A grid going away while its fixed-cell editor has the focus ends no edit.
TEST_F(TFixedEditFixture, GridGoingAwayEndsNoEdit)
{
    Log_Events();
    G->Set_Cells(1, 0, QStringLiteral("Head"));
    TGridTransEditor *E = Open(tkEdit, 1, 0);
    Enter_Text(E, QStringLiteral("New"));
    ASSERT_TRUE(Widget(E)->hasFocus());
    G.reset();
    EXPECT_TRUE(Log.empty());
}
