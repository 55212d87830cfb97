#include "StripTestSupport.h"
#include <QTest>
#include <gtest/gtest.h>

namespace {

class GlideTabsInput : public ::testing::Test
{
protected:
    TDrivenClock Clock;
    TClockGuard Guard{&Clock};
    QWidget Window;
    std::unique_ptr<TCountingStrip> S;
    std::vector<TGlideTabsMenuItem> Menu;

    void SetUp() override
    {
        Clock.Ticks = 1000;
        Window.resize(800, 100);
        S = std::make_unique<TCountingStrip>(&Window);
        S->setGeometry(0, 0, 700, 30);
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        Set_GlideTabs_Menu_Presenter(
            [this](TCustomGlideTabs &, const TGlideTabsPopupMenu &M, QPoint) { Menu = M.Items; });
    }
    void TearDown() override
    {
        Set_GlideTabs_Menu_Presenter(nullptr);
        S.reset();
    }
    void Make(const QStringList &Captions)
    {
        Add_Tabs(*S, Captions);
        S->SetActiveTabIndex(0);
        Settle(*S, Clock);
    }
    void Click(Qt::MouseButton Button, QPoint P)
    {
        S->MouseMove(P.x(), P.y());
        S->MouseDown(Button, P.x(), P.y());
        S->MouseUp(Button, P.x(), P.y());
    }
    QStringList Menu_Text() const
    {
        QStringList L;
        for (const TGlideTabsMenuItem &I : Menu)
            L << QString("%1:%2%3%4").arg(I.Caption).arg(I.Tag).arg(I.Radio ? "r" : "").arg(I.Checked ? "*" : "");
        return L;
    }
    int Tag_Of(const QString &Caption) const
    {
        for (const TGlideTabsMenuItem &I : Menu)
            if (I.Caption == Caption)
                return I.Tag;
        return -1000;
    }
};

// Redraws inside BeginUpdate/EndUpdate collapse into one, at the outermost EndUpdate.
TEST_F(GlideTabsInput, NestedUpdatesRepaintOnce)
{
    Make({"A", "B"});
    const int Before = S->Paints;
    S->BeginUpdate();
    S->BeginUpdate();
    S->Redraw();
    S->Redraw();
    S->Redraw();
    S->EndUpdate();
    EXPECT_EQ(S->Paints, Before);
    EXPECT_TRUE(S->HasState(stsPendingUpdates));
    S->EndUpdate();
    EXPECT_EQ(S->Paints, Before + 1);
    EXPECT_FALSE(S->HasState(stsPendingUpdates));
    EXPECT_EQ(S->PausedUpdateCount(), 0);
    // an EndUpdate without BeginUpdate does nothing, and the next redraw is immediate
    S->EndUpdate();
    EXPECT_EQ(S->Paints, Before + 1);
    S->Redraw();
    EXPECT_EQ(S->Paints, Before + 2);
    // nothing requested inside a batch: no repaint at its end
    S->BeginUpdate();
    S->EndUpdate();
    EXPECT_EQ(S->Paints, Before + 2);
}

// A left press activates the tab under the mouse; a right press too while right-click selection is on.
TEST_F(GlideTabsInput, MouseDownActivatesAndRightClickSelects)
{
    Make({"A", "B", "C"});
    ASSERT_EQ(S->ActiveTabIndex(), 0);
    Click(Qt::LeftButton, Tab_Point(*S, 2));
    EXPECT_EQ(S->ActiveTabIndex(), 2);
    Click(Qt::RightButton, Tab_Point(*S, 1));
    EXPECT_EQ(S->ActiveTabIndex(), 1);
    S->Options().Behaviour().SetTabRightClickSelect(false);
    Click(Qt::RightButton, Tab_Point(*S, 0));
    EXPECT_EQ(S->ActiveTabIndex(), 1);
    // a middle button never selects
    Click(Qt::MiddleButton, Tab_Point(*S, 0));
    EXPECT_EQ(S->ActiveTabIndex(), 1);
}

// A left press on a close button does not activate; releasing over the same button closes the tab.
TEST_F(GlideTabsInput, CloseButtonClosesWithoutActivating)
{
    S->Options().Display().CloseButton().SetVisibility(bvAll);
    Make({"A", "B", "C"});
    const TGlideRect R = S->GetTabControl(1)->ControlRect();
    const TGlideRect CB = S->GetTabControl(1)->GetCloseButonRect();
    const QPoint P((CB.Left + CB.Right) / 2, (CB.Top + CB.Bottom) / 2);
    ASSERT_EQ(S->HitTest(P).HitTestArea, htCloseButton) << R.Left;
    S->MouseMove(P.x(), P.y());
    S->MouseDown(Qt::LeftButton, P.x(), P.y());
    EXPECT_EQ(S->ActiveTabIndex(), 0);
    QStringList Asked;
    S->OnButtonCloseTabClick = [&](QObject *, TGlideTab *T, bool &) { Asked << T->Caption(); };
    S->MouseUp(Qt::LeftButton, P.x(), P.y());
    EXPECT_EQ(Asked, QStringList({"B"}));
    EXPECT_TRUE(S->Tabs()[1]->MarkedForDeletion());
    EXPECT_TRUE(S->HasState(stsDeletingUnPinnedTabs));
    Settle(*S, Clock);
    ASSERT_EQ(S->Tabs().Count(), 2);
    EXPECT_EQ(S->Tabs()[1]->Caption(), "C");
    EXPECT_EQ(S->ActiveTabIndex(), 0);
}

// Releasing over another tab's close button does nothing; a handler may refuse the close.
TEST_F(GlideTabsInput, CloseNeedsSameButtonAndConsent)
{
    S->Options().Display().CloseButton().SetVisibility(bvAll);
    Make({"A", "B", "C"});
    auto Centre = [this](int I) {
        const TGlideRect CB = S->GetTabControl(I)->GetCloseButonRect();
        return QPoint((CB.Left + CB.Right) / 2 - S->ScrollOffset(), (CB.Top + CB.Bottom) / 2);
    };
    S->MouseDown(Qt::LeftButton, Centre(1).x(), Centre(1).y());
    S->MouseUp(Qt::LeftButton, Centre(2).x(), Centre(2).y());
    EXPECT_EQ(S->Tabs().Count(), 3);
    EXPECT_FALSE(S->Tabs()[2]->MarkedForDeletion());
    S->OnButtonCloseTabClick = [](QObject *, TGlideTab *, bool &Close) { Close = false; };
    S->MouseDown(Qt::LeftButton, Centre(2).x(), Centre(2).y());
    S->MouseUp(Qt::LeftButton, Centre(2).x(), Centre(2).y());
    EXPECT_FALSE(S->Tabs()[2]->MarkedForDeletion());
}

// The add button adds a tab on a click with either button unless the handler takes it.
TEST_F(GlideTabsInput, AddButtonAddsTab)
{
    Make({"A"});
    const TGlideRect R = S->AddButtonControl()->ControlRect();
    const QPoint P((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    ASSERT_EQ(S->HitTest(P).HitTestArea, htAddButton);
    Click(Qt::RightButton, P);
    EXPECT_EQ(S->Tabs().Count(), 2);
    EXPECT_EQ(S->ActiveTabIndex(), 1);
    Settle(*S, Clock);
    const TGlideRect R2 = S->AddButtonControl()->ControlRect();
    const QPoint P2((R2.Left + R2.Right) / 2, (R2.Top + R2.Bottom) / 2);
    ASSERT_EQ(S->HitTest(P2).HitTestArea, htAddButton);
    S->OnButtonAddClick = [](QObject *, bool &Handled) { Handled = true; };
    Click(Qt::LeftButton, P2);
    EXPECT_EQ(S->Tabs().Count(), 2);
}

// The hit test skips the add button where it is not shown.
TEST_F(GlideTabsInput, HiddenAddButtonIsNoTarget)
{
    Make({"A"});
    const TGlideRect R = S->AddButtonControl()->ControlRect();
    const QPoint P((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    ASSERT_EQ(S->HitTest(P).HitTestArea, htAddButton);
    S->Options().Display().AddButton().SetVisibility(avNone);
    EXPECT_NE(S->HitTest(P).HitTestArea, htAddButton);
    Click(Qt::LeftButton, P);
    EXPECT_EQ(S->Tabs().Count(), 1);
}

// Hovering an inactive tab makes it hot; leaving returns it and forgets the mouse.
TEST_F(GlideTabsInput, HoverMakesTabHot)
{
    Make({"A", "B"});
    const QPoint P = Tab_Point(*S, 1);
    S->MouseMove(P.x(), P.y());
    EXPECT_EQ(S->GetTabControl(1)->DrawState(), dsHot);
    EXPECT_EQ(S->GetTabUnderMouse(), S->Tabs()[1]);
    S->MouseLeave();
    EXPECT_EQ(S->GetTabControl(1)->DrawState(), dsNotActive);
    EXPECT_EQ(S->LastMouseX(), -1);
    EXPECT_TRUE(S->CancelTabSmartResizeTimer()->isActive());
    S->MouseEnter();
    EXPECT_FALSE(S->CancelTabSmartResizeTimer()->isActive());
}

// Hints name the tab under the mouse; an empty caption reads "<No Caption>".
TEST_F(GlideTabsInput, HintNamesTab)
{
    Make({"A", ""});
    int Timeout = 0;
    EXPECT_EQ(S->HintText(Tab_Point(*S, 0), &Timeout), "A");
    EXPECT_EQ(Timeout, 5000);
    EXPECT_EQ(S->HintText(Tab_Point(*S, 1)), "<No Caption>");
    EXPECT_EQ(S->HintText(QPoint(690, 2)), "");
    EXPECT_EQ(S->GetTabDescription(7), "");
}

// The menu lists every tab, hidden ones included, with New tab always and
// Delete Tab and pinning when the last press hit a tab, also on a strip that
// shows no add or close button (the network editor's): a hidden page is
// reached through it.
TEST_F(GlideTabsInput, MenuListsEveryTabAndItsEntries)
{
    Configurator_Options(*S, 100, 160);
    Make({"Unidirectional", "Ruzor AVI", "Remote"});
    S->Tabs()[2]->SetVisible(false);
    S->Tabs()[1]->SetVisible(false);
    Settle(*S, Clock);
    const QPoint P = Tab_Point(*S, 0);
    struct TCase
    {
        const char *Name;
        QPoint Press;
        QStringList Items;
    };
    const TCase Cases[] = {
        {"OnTab", P,
         {"New tab:3r", "-:-1", "Delete Tab:2r", "-:-1", "Pin this tab:0r", "-:-1", "Unidirectional:10r*",
          "Ruzor AVI:11r", "Remote:12r"}},
        {"OnBackground", QPoint(600, 20),
         {"New tab:3r", "-:-1", "Unidirectional:10r*", "Ruzor AVI:11r", "Remote:12r"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        S->MouseMove(C.Press.x(), C.Press.y());
        S->MouseDown(Qt::RightButton, C.Press.x(), C.Press.y());
        S->MouseUp(Qt::RightButton, C.Press.x(), C.Press.y());
        S->ContextMenu();
        EXPECT_EQ(Menu_Text(), C.Items) << Menu_Text().join(" | ").toStdString();
    }
    // the hidden page becomes the active one
    S->PopupMenuItemClick(Tag_Of("Ruzor AVI"));
    EXPECT_EQ(S->ActiveTabIndex(), 1);
}

// With the add and close buttons shown the menu holds every action, and each item does its part.
TEST_F(GlideTabsInput, MenuItemsAndActions)
{
    S->Options().Display().CloseButton().SetVisibility(bvAll);
    Make({"A", "B", ""});
    const QPoint P = Tab_Point(*S, 1);
    S->MouseMove(P.x(), P.y());
    S->MouseDown(Qt::RightButton, P.x(), P.y());
    S->MouseUp(Qt::RightButton, P.x(), P.y());
    ASSERT_EQ(S->ActiveTabIndex(), 1);
    S->ContextMenu();
    EXPECT_EQ(Menu_Text(), QStringList({"New tab:3r", "-:-1", "Delete Tab:2r", "-:-1", "Pin this tab:0r", "-:-1",
                                        "A:10r", "B:11r*", "<No Caption>:12r"}))
        << Menu_Text().join(" | ").toStdString();
    S->PopupMenuItemClick(Tag_Of("A"));
    EXPECT_EQ(S->ActiveTabIndex(), 0);
    S->PopupMenuItemClick(Tag_Of("Pin this tab"));
    EXPECT_TRUE(S->Tabs()[0]->Pinned());
    EXPECT_EQ(S->Tabs()[0]->Caption(), "B");
    S->PopupMenuItemClick(Tag_Of("New tab"));
    EXPECT_EQ(S->Tabs().Count(), 4);
    // a pinned tab offers unpinning, and its delete as every tab does
    S->MouseDown(Qt::RightButton, Tab_Point(*S, 0).x(), Tab_Point(*S, 0).y());
    S->MouseUp(Qt::RightButton, 0, 0);
    Settle(*S, Clock);
    S->ContextMenu();
    EXPECT_EQ(Tag_Of("Delete Tab"), 2);
    EXPECT_EQ(Tag_Of("Pin this tab"), -1000);
    EXPECT_EQ(Tag_Of("Unpin this tab"), 1);
    // delete removes the tab under the last press
    S->MouseDown(Qt::RightButton, Tab_Point(*S, 2).x(), Tab_Point(*S, 2).y());
    S->MouseUp(Qt::RightButton, 0, 0);
    S->ContextMenu();
    S->PopupMenuItemClick(Tag_Of("Delete Tab"));
    Settle(*S, Clock);
    EXPECT_EQ(S->Tabs().Count(), 3);
}

// Tab items from index 85 on are plain items; with no active tab nothing is checked.
TEST_F(GlideTabsInput, MenuRadioLimit)
{
    S->Options().Behaviour().SetActivateNewTab(false);
    for (int I = 0; I < 100; ++I)
        S->Tabs().Add()->SetCaption(QString::number(I));
    Settle(*S, Clock);
    S->ContextMenu();
    ASSERT_EQ(Menu.size(), 102u);
    EXPECT_TRUE(Menu[2 + 84].Radio);
    EXPECT_FALSE(Menu[2 + 85].Radio);
    for (const TGlideTabsMenuItem &I : Menu)
        EXPECT_FALSE(I.Checked) << I.Caption.toStdString();
}

// Activation order: changing, then changed with the new index already readable, then the change report.
TEST_F(GlideTabsInput, ActiveTabChangedOrderAndIndex)
{
    Make({"A", "B", "C"});
    QStringList Log;
    S->OnActiveTabChanging = [&](QObject *, TGlideTab *Old, TGlideTab *New, bool &) {
        Log << "changing " + (Old ? Old->Caption() : "-") + ">" + New->Caption();
    };
    S->OnActiveTabChanged = [&](QObject *, TGlideTab *T) {
        Log << QString("changed %1 index %2").arg(T->Caption()).arg(S->ActiveTabIndex());
    };
    S->OnChange = [&](QObject *, TGlideTab *T, TTabChangeType Type) {
        if (Type == tcActivated)
            Log << "change activated " + T->Caption();
    };
    S->SetActiveTabIndex(1);
    EXPECT_EQ(Log, QStringList({"changing A>B", "changed B index 1", "change activated B"}));
    // beyond the list, and -1: nothing changes
    Log.clear();
    S->SetActiveTabIndex(3);
    S->SetActiveTabIndex(-1);
    EXPECT_TRUE(Log.isEmpty());
    EXPECT_EQ(S->ActiveTabIndex(), 1);
    // a refused change keeps the old tab
    S->OnActiveTabChanging = [](QObject *, TGlideTab *, TGlideTab *, bool &Allow) { Allow = false; };
    S->SetActiveTabIndex(2);
    EXPECT_EQ(S->ActiveTabIndex(), 1);
    S->OnActiveTabChanging = nullptr;
    // hiding the active tab activates the next visible one, or the previous one at the end
    Log.clear();
    S->Tabs()[1]->SetVisible(false);
    EXPECT_EQ(S->ActiveTabIndex(), 2);
    EXPECT_EQ(Log, QStringList({"changed C index 2", "change activated C"}));
    S->Tabs()[2]->SetVisible(false);
    EXPECT_EQ(S->ActiveTabIndex(), 0);
}

// While a window's stored properties load, the first tab activates (and reports) and later ones do not.
TEST_F(GlideTabsInput, ActiveTabChangedWhileLoading)
{
    TCountingStrip L(&Window);
    QStringList Log;
    L.OnActiveTabChanged = [&](QObject *, TGlideTab *) { Log << QString::number(L.ActiveTabIndex()); };
    L.BeginLoading();
    Add_Tabs(L, {"One", "Two", "Three"});
    EXPECT_EQ(Log, QStringList({"0"}));
    L.EndLoading();
    EXPECT_EQ(L.ActiveTabIndex(), 0);
    // once loaded, a new tab takes the activation
    L.Tabs().Add();
    EXPECT_EQ(L.ActiveTabIndex(), 3);
    EXPECT_EQ(Log, QStringList({"0", "3"}));
}

// Debug lines are formatted and sent only in debug mode.
TEST_F(GlideTabsInput, DebugLogOnlyInDebugMode)
{
    QStringList Log;
    S->OnDebugLog = [&](QObject *, const QString &T) { Log << T; };
    S->DoOnDebugLog("X: %d, %s", {5, "ab"});
    EXPECT_TRUE(Log.isEmpty());
    S->Options().Behaviour().SetDebugMode(true);
    S->DoOnDebugLog("X: %d, %s", {5, "ab"});
    EXPECT_EQ(Log, QStringList({"X: 5, ab"}));
}

// States report every real change, with the set before and after.
TEST_F(GlideTabsInput, StateChangesAreReported)
{
    QList<std::pair<TGlideTabStates, TGlideTabStates>> Seen;
    S->OnStateChange = [&](QObject *, TGlideTabStates A, TGlideTabStates B) { Seen.append({A, B}); };
    S->RemoveState(stsDebug);
    EXPECT_TRUE(Seen.isEmpty());
    const TGlideTabStates Before = S->State();
    EXPECT_TRUE(S->AddState(stsDebug));
    EXPECT_FALSE(S->AddState(stsDebug));
    ASSERT_EQ(Seen.size(), 1);
    EXPECT_EQ(Seen[0].first, Before);
    EXPECT_EQ(Seen[0].second, Before | State_Bit(stsDebug));
}

} // namespace
