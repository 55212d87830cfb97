// The custom editor kind: a program's own control plugged in through an edit
// link, in place over the cell or in a pop-up window at the cell.
#include "GridEditFixture.h"
#include "TestSupport.h"
#include "grid/stringgrid/EditLink.h"
#include <QKeyEvent>
#include <QLineEdit>

namespace {
// A link with a line edit whose key presses go through EditKeyDown.
class TLineLink : public TEditLink {
public:
    QPointer<QLineEdit> Edit;
    int Created = 0;
    TColor CellColor = clNone;

    QWidget *GetEditControl() override { return Edit; }
    void CreateEditor(QWidget *AParent) override
    {
        ++Created;
        if (Edit && Edit->parentWidget() == AParent)
            return;
        delete Edit.data();
        Edit = new QLineEdit(AParent);
        Edit->setFrame(false);
        Edit->installEventFilter(this);
    }
    void DestroyEditor() override { Edit->hide(); }
    void SetCellProps(TColor AColor, const TFont &) override { CellColor = AColor; }
    QString GetEditorValue() override { return Edit ? Edit->text() : QString(); }
    void SetEditorValue(const QString &S) override
    {
        Edit->setText(S);
        Edit->selectAll();
    }

protected:
    bool eventFilter(QObject *W, QEvent *E) override
    {
        if (W == Edit && E->type() == QEvent::KeyPress) {
            auto *K = static_cast<QKeyEvent *>(E);
            TKey Key = Virtual_Key_From_Qt(K->key(), K->modifiers());
            if (Key != 0) {
                EditKeyDown(W, Key, Shift_State_From_Qt(K->modifiers()));
                if (Key == 0)
                    return true;
            }
        }
        return TEditLink::eventFilter(W, E);
    }
};

struct TLinkFixture : TGridEditFixture {
    TLineLink Link;
    void SetUp() override
    {
        TGridEditFixture::SetUp();
        Kind(edCustom);
        G->Set_EditLink(&Link);
        G->Set_Cells(2, 2, QStringLiteral("old"));
        Go(2, 2);
    }
    void Retype(const QString &S)
    {
        Link.Edit->selectAll();
        Type(S);
    }
};
} // namespace

TEST_F(TLinkFixture, OpensInPlaceOverTheCell)
{
    QObject *HookLink = nullptr;
    G->OnGetEditorProp = [&](QObject *, int, int, QObject *L) { HookLink = L; };
    G->SetColors(2, 2, clYellow);
    F2();
    ASSERT_TRUE(Link.Edit);
    EXPECT_TRUE(G->EditMode());
    EXPECT_EQ(Link.Grid(), G.get());
    EXPECT_EQ(Link.EditCell(), (TPoint{2, 2}));
    EXPECT_EQ(Link.Edit->parentWidget(), G.get());
    EXPECT_TRUE(Link.Edit->isVisible());
    EXPECT_TRUE(Link.Edit->hasFocus());
    EXPECT_EQ(Link.Edit->text(), QStringLiteral("old"));
    EXPECT_EQ(G->EditCtrl(), Link.Edit.data());
    EXPECT_EQ(HookLink, &Link);
    EXPECT_EQ(Link.CellColor, clYellow);
    // one pixel less than the cell each way, so the grid lines stay visible
    const TRect R = G->CellRect(2, 2);
    EXPECT_EQ(Link.Edit->geometry(), QRect(R.Left, R.Top, R.Right - R.Left - 1, R.Bottom - R.Top - 1));
    EXPECT_TRUE(Link.SubClassed());
}

// Which keys end the edit, where the current cell goes and what the cell keeps.
TEST_F(TLinkFixture, KeysThatEndTheEdit)
{
    struct TCase {
        const char *Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Mods;
        bool Want;        // the link wants the cursor keys
        bool Open;        // the editor is still open afterwards
        const char *Cell; // the cell's text afterwards
        int Row;
    };
    const TCase Cases[] = {
        {"EnterCommits", Qt::Key_Return, Qt::NoModifier, false, false, "new", 2},
        {"EscapeRestores", Qt::Key_Escape, Qt::NoModifier, false, false, "old", 2},
        {"DownCommitsAndMoves", Qt::Key_Down, Qt::NoModifier, false, false, "new", 3},
        {"LeftWantedStays", Qt::Key_Left, Qt::NoModifier, true, true, "old", 2},
        {"HomeStays", Qt::Key_Home, Qt::NoModifier, false, true, "old", 2},
        {"AltHomeEnds", Qt::Key_Home, Qt::AltModifier, false, false, "new", 2},
        {"PageDownEnds", Qt::Key_PageDown, Qt::NoModifier, false, false, "new", 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_Cells(2, 2, QStringLiteral("old"));
        Go(2, 2);
        Link.WantKeyUpDown = Link.WantKeyLeftRight = C.Want;
        F2();
        ASSERT_TRUE(G->EditMode());
        Retype(QStringLiteral("new"));
        Key(C.Key, C.Mods);
        Flush();
        EXPECT_EQ(G->EditMode(), C.Open);
        EXPECT_EQ(Link.Edit->isVisible(), C.Open);
        if (!C.Open) {
            EXPECT_FALSE(Link.SubClassed());
        }
        EXPECT_EQ(G->Cells(2, 2), QString::fromLatin1(C.Cell));
        EXPECT_EQ(G->Row(), C.Row);
        EXPECT_EQ(G->Col(), 2);
        if (C.Open)
            G->HideInplaceEdit();
        Flush();
    }
}

TEST_F(TLinkFixture, EndOfEditEventsInOrder)
{
    Log_Events();
    F2();
    Retype(QStringLiteral("v"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Log, (std::vector<std::string>{"done", "validate 2,2 v"}));
    Flush();
    EXPECT_EQ(Log, (std::vector<std::string>{"done", "validate 2,2 v", "celldone 2,2"}));
}

TEST_F(TLinkFixture, EnterRefusedKeepsTheEditorOnTheCell)
{
    Log_Events();
    Refuse = true;
    F2();
    Retype(QStringLiteral("bad"));
    Key(Qt::Key_Return);
    Flush();
    EXPECT_TRUE(G->EditMode());
    EXPECT_TRUE(Link.Edit->isVisible());
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("old"));
    EXPECT_EQ(Link.Edit->text(), QStringLiteral("old"));
    EXPECT_EQ(G->Col(), 2);
    EXPECT_EQ(G->Row(), 2);
    EXPECT_FALSE(G->GridModified());
    EXPECT_EQ(Link.Created, 2);   // made once, placed again once
    Refuse = false;
    Retype(QStringLiteral("good"));
    Key(Qt::Key_Return);
    Flush();
    EXPECT_FALSE(G->EditMode());
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("good"));
}

// Tab moves on and opens the next cell's editor with goTabs or TabToNextAtEnd;
// otherwise the edit only ends.
TEST_F(TLinkFixture, TabMovesToTheNextCell)
{
    struct TCase {
        const char *Name;
        bool Tabs, TabToNextAtEnd;
        Qt::KeyboardModifiers Mods;
        int Col;
        bool Open;
    };
    const TCase Cases[] = {
        {"GoTabs", true, false, Qt::NoModifier, 3, true},
        {"GoTabsBackward", true, false, Qt::ShiftModifier, 1, true},
        {"TabToNextAtEnd", false, true, Qt::NoModifier, 3, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_Options(C.Tabs ? G->Options() + goTabs : G->Options() - goTabs);
        G->Navigation().Set_TabToNextAtEnd(C.TabToNextAtEnd);
        G->Set_Cells(2, 2, QStringLiteral("old"));
        Go(2, 2);
        F2();
        Retype(QStringLiteral("t"));
        Key(Qt::Key_Tab, C.Mods);
        Flush();
        EXPECT_EQ(G->Cells(2, 2), QStringLiteral("t"));
        EXPECT_EQ(G->Col(), C.Col);
        EXPECT_EQ(G->Row(), 2);
        EXPECT_EQ(G->EditMode(), C.Open);
        if (C.Open) {
            EXPECT_EQ(Link.EditCell(), (TPoint{C.Col, 2}));
            G->HideInplaceEdit();
        }
        Flush();
    }
}

TEST_F(TLinkFixture, TypedCharacterIsTheFirstKey)
{
    G->setFocus();
    QTest::keyClicks(G.get(), QStringLiteral("7"));
    Flush();
    ASSERT_TRUE(G->EditMode());
    EXPECT_EQ(Link.Edit->text(), QStringLiteral("7"));
}

TEST_F(TGridEditFixture, CustomKindWithoutLinkOpensNothing)
{
    Kind(edCustom);
    G->Set_Cells(2, 2, QStringLiteral("old"));
    Go(2, 2);
    F2();
    EXPECT_EQ(G->EditCtrl(), nullptr);
    Key(Qt::Key_Return);
    G->HideInplaceEdit();
    EXPECT_FALSE(G->EditMode());
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("old"));
}

TEST_F(TLinkFixture, PopupOpensAtTheCellOrWhereItIsTold)
{
    Link.Set_EditStyle(esPopup);
    Link.Set_PopupHeight(60);
    Link.Set_AutoPopupWidth(true);
    F2();
    ASSERT_TRUE(Link.PopupForm());
    QWidget *Form = Link.PopupForm();
    EXPECT_EQ(Form->objectName(), QStringLiteral("gridform"));
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Link.Edit->parentWidget(), Form);
    const TRect R = G->CellRect(2, 2);
    EXPECT_EQ(Form->pos(), G->mapToGlobal(QPoint(R.Left, R.Top)));
    EXPECT_EQ(Form->size(), QSize(R.Right - R.Left, 60));
    EXPECT_EQ(Link.PopupWidth(), R.Right - R.Left);
    EXPECT_FALSE(Link.SubClassed());
    // keys go to the pop-up's control (the pop-up is a window of its own)
    Link.Edit->selectAll();
    QTest::keyClicks(Link.Edit, QStringLiteral("pop"));
    QTest::keyClick(Link.Edit, Qt::Key_Return);
    Flush();
    EXPECT_FALSE(G->EditMode());
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("pop"));
    // a fixed place, and the same window the next time
    Link.Set_PopupLeft(40);
    Link.Set_PopupTop(50);
    F2();
    EXPECT_EQ(Link.PopupForm(), Form);
    EXPECT_EQ(Form->pos(), QPoint(40, 50));
    QTest::keyClick(Link.Edit, Qt::Key_Escape);
    Flush();
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("pop"));
}

TEST_F(TLinkFixture, Screenshot)
{
    G->Set_ColWidths(2, 120);
    G->Set_Cells(1, 2, QStringLiteral("custom"));
    G->Set_Cells(2, 2, QStringLiteral("own control"));
    F2();
    ASSERT_TRUE(G->EditMode());
    Flush();
    Grab_Open_Editor(QStringLiteral("edit_custom_link"));
}
