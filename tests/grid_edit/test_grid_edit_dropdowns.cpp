// The drop-down editor wrappers on the drop-down base's stand-in.
#include "DropDownStandIn.h"
#include "GridEditFixture.h"
#include "grid/stringgrid/DropDownWrappers.h"

namespace {
using TMemo = TGridDropDownWrapper<TStandInDropDown, TGridDropDownKind::Memo>;
using TCalc = TGridDropDownWrapper<TStandInDropDown, TGridDropDownKind::Calculator>;
using TColorPick = TGridDropDownWrapper<TStandInDropDown, TGridDropDownKind::Color>;
using TTrack = TGridDropDownWrapper<TStandInDropDown, TGridDropDownKind::TrackBar>;

// A grid whose drop-down kinds open the stand-in wrapper a test supplies.
struct TStandInGrid : RIraRevadiVizo {
    QWidget *Supplied = nullptr;
    QWidget *DropDownEditor(TEditorType) override { return Supplied; }
};

struct TDropFixture : TGridEditFixture {
    std::unique_ptr<RIraRevadiVizo> Make_Grid() override { return std::make_unique<TStandInGrid>(); }
    // Opens a wrapper over the current cell as the grid does for its kind.
    template <class W> W *Open(const QString &Cell)
    {
        auto *E = new W(G.get());
        static_cast<TStandInGrid *>(G.get())->Supplied = E;
        Kind(edMemoDropDown);
        G->Set_Cells(2, 2, Cell);
        Go(2, 2);
        F2();
        EXPECT_TRUE(G->EditMode());
        EXPECT_TRUE(E->hasFocus());
        EXPECT_EQ(E->Text(), Cell);
        return E;
    }
};
} // namespace

TEST_F(TDropFixture, EscapeInAnOpenMemoRestoresAndCloses)
{
    auto *E = Open<TMemo>(QStringLiteral("cell"));
    E->Open = true;
    E->SetTextDirect(QStringLiteral("typed"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(E->Text(), QStringLiteral("cell"));
    EXPECT_FALSE(G->EditMode());
    EXPECT_TRUE(G->hasFocus());
}

TEST_F(TDropFixture, CalculatorCompletesBeforeTheCommit)
{
    Log_Events();
    auto *E = Open<TCalc>(QString());
    E->SetTextDirect(QStringLiteral("2+3"));
    Key(Qt::Key_Return);
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("5"));
    ASSERT_FALSE(Log.empty());
    EXPECT_EQ(Log.front(), "validate 2,2 5");
}

TEST_F(TDropFixture, ColourPickerArrowKeys)
{
    auto *E = Open<TColorPick>(QStringLiteral("Red"));
    E->Open = true;
    E->SetTextDirect(QStringLiteral("Blue"));
    Key(Qt::Key_Down);
    // open: the picker's own handling, nothing written
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("Red"));
    EXPECT_EQ(E->BaseKeys.back(), TKey(VK_DOWN));
    EXPECT_EQ(G->Row(), 2);
    // closed: the edit ends and the grid moves
    E->Open = false;
    Key(Qt::Key_Down);
    EXPECT_FALSE(G->EditMode());
    EXPECT_EQ(G->Row(), 3);
}

TEST_F(TDropFixture, AltDownOpensWithoutCommit)
{
    Log_Events();
    auto *E = Open<TMemo>(QStringLiteral("cell"));
    E->SetTextDirect(QStringLiteral("new"));
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(E->Open);
    EXPECT_TRUE(Log.empty());
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("cell"));
}

TEST_F(TDropFixture, TabRefusedKeepsTheWrapperWithCaretAtEnd)
{
    Log_Events();
    Refuse = true;
    G->Set_Options(G->Options() + goTabs);
    auto *E = Open<TMemo>(QStringLiteral("cell"));
    E->SetTextDirect(QStringLiteral("bad"));
    QTest::keyClick(E, Qt::Key_Tab);
    EXPECT_TRUE(E->isVisible());
    EXPECT_EQ(E->Text(), QStringLiteral("bad"));
    EXPECT_EQ(E->cursorPosition(), 3);
    EXPECT_EQ(G->Col(), 2);
}

TEST_F(TDropFixture, PageUpInAClosedMemoEndsTheEdit)
{
    Log_Events();
    auto *E = Open<TMemo>(QStringLiteral("cell"));
    E->SetTextDirect(QStringLiteral("cell"));
    Key(Qt::Key_PageUp);
    // no validation of its own; the edit ends and the grid has the focus
    for (const std::string &L : Log)
        EXPECT_NE(L.rfind("validate", 0), 0u) << L;
    EXPECT_FALSE(G->EditMode());
    EXPECT_TRUE(G->hasFocus());
}

TEST_F(TDropFixture, TrackBarWritesThroughTheFormattingSetter)
{
    auto *E = Open<TTrack>(QStringLiteral("4"));
    E->Prefix = QStringLiteral("[");
    E->Suffix = QStringLiteral("]");
    E->SetTextDirect(QStringLiteral("9"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(E->text(), QStringLiteral("[4]"));
    EXPECT_EQ(E->Text(), QStringLiteral("4"));
}

TEST_F(TDropFixture, OwnerMustBeTheGrid)
{
    QWidget Other;
    EXPECT_THROW(TMemo M(&Other), std::bad_cast);
}

// A grid that supplies drop-down editors opens and commits them like its own.
TEST(GridDropDownFlow, SuppliedEditorOpensAndCommits)
{
    struct TDropGrid : RIraRevadiVizo {
        TMemo *Memo = nullptr;
        QWidget *DropDownEditor(TEditorType Kind) override
        {
            if (Kind != edMemoDropDown)
                return nullptr;
            if (!Memo)
                Memo = new TMemo(this);
            return Memo;
        }
    };
    TDropGrid G;
    G.Set_ColCount(4);
    G.Set_RowCount(4);
    G.resize(300, 150);
    G.Set_Options(G.Options() + goEditing);
    G.OnGetEditorType = [](QObject *, int, int, TEditorType &E) { E = edMemoDropDown; };
    std::vector<std::string> Log;
    G.OnEditingDone = [&](QObject *) { Log.push_back("done"); };
    G.OnEditCellDone = [&](QObject *, int C, int R) { Log.push_back("celldone " + std::to_string(C) + "," + std::to_string(R)); };
    G.show();
    QApplication::setActiveWindow(&G);
    G.setFocus();
    G.Set_Cells(1, 1, QStringLiteral("memo"));
    G.Set_Col(1);
    G.Set_Row(1);
    QTest::keyClick(&G, Qt::Key_F2);
    ASSERT_TRUE(G.Memo);
    EXPECT_TRUE(G.Memo->isVisible());
    EXPECT_EQ(G.Memo->Text(), QStringLiteral("memo"));
    G.Memo->SetTextDirect(QStringLiteral("changed"));
    QTest::keyClick(G.Memo, Qt::Key_Return);
    EXPECT_FALSE(G.Memo->isVisible());
    EXPECT_EQ(G.Cells(1, 1), QStringLiteral("changed"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Log, (std::vector<std::string>{"done", "celldone 1,1"}));
}
