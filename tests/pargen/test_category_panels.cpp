#include "toolkit/CategoryPanels.h"
#include "TestSupport.h"
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CategoryPanelsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Group.resize(300, 200);
        for (const char *N : {"A", "B", "C"})
            Panels.append(new TCategoryPanel(&Group, QLatin1String(N), QLatin1String(N)));
        Panels[0]->Set_Panel_Height(100);
        Panels[1]->Set_Panel_Height(60);
        Panels[2]->Set_Panel_Height(80);
    }
    QStringList Order() const
    {
        QStringList L;
        for (const TCategoryPanel *P : Group.Stacked_Panels())
            L << P->objectName();
        return L;
    }
    QList<int> Tops() const
    {
        QList<int> L;
        for (const TCategoryPanel *P : Group.Stacked_Panels())
            L << P->Position();
        return L;
    }
    TCategoryPanelGroup Group;
    QList<TCategoryPanel *> Panels;
};

// New panels go to the bottom; the stack closes up over hidden panels.
TEST_F(CategoryPanelsTest, StacksShownPanelsTopDown)
{
    EXPECT_EQ(Order(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(Tops(), QList<int>({0, 100, 160}));
    EXPECT_EQ(Group.Stack_Height(), 240);
    Panels[1]->Set_Panel_Visible(false);
    EXPECT_EQ(Order(), QStringList({"A", "C"}));
    EXPECT_EQ(Tops(), QList<int>({0, 100}));
    EXPECT_TRUE(Panels[1]->isHidden());
}

// Positions order the stack: a panel placed at another's top goes above it,
// one placed at another's bottom right below it.
TEST_F(CategoryPanelsTest, PositionsReorder)
{
    Panels[2]->Set_Position(0);
    EXPECT_EQ(Order(), QStringList({"C", "A", "B"}));
    EXPECT_EQ(Tops(), QList<int>({0, 80, 180}));
    Panels[1]->Set_Position(Panels[2]->Position() + Panels[2]->Panel_Height());
    EXPECT_EQ(Order(), QStringList({"C", "B", "A"}));
    EXPECT_EQ(Tops(), QList<int>({0, 80, 140}));
}

// Collapsing leaves the header (24) in the stack and keeps the panel's height;
// a click on the header toggles.
TEST_F(CategoryPanelsTest, CollapseAndExpand)
{
    EXPECT_EQ(Group.Header_Height(), 24);
    Panels[0]->Collapse();
    EXPECT_EQ(Tops(), QList<int>({0, 24, 84}));
    EXPECT_EQ(Panels[0]->Panel_Height(), 100);
    EXPECT_EQ(Panels[0]->height(), 24);
    Group.show();
    QTest::mouseClick(Panels[0], Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_FALSE(Panels[0]->Collapsed());
    EXPECT_EQ(Tops(), QList<int>({0, 100, 160}));
    // A click below the header does nothing.
    QTest::mouseClick(Panels[0], Qt::LeftButton, Qt::NoModifier, QPoint(20, 50));
    EXPECT_FALSE(Panels[0]->Collapsed());
    // The chevron is hot while the pointer is over the header only.
    QTest::mouseMove(Panels[0], QPoint(20, 10));
    EXPECT_TRUE(Panels[0]->Header_Hot());
    QTest::mouseMove(Panels[0], QPoint(20, 50));
    EXPECT_FALSE(Panels[0]->Header_Hot());
    // The surface starts right below the header.
    EXPECT_EQ(Panels[0]->Surface()->geometry().top(), 24);
}

// The scroll bar covers the stack; a line is one step of it.
TEST_F(CategoryPanelsTest, ScrollLines)
{
    Group.show();
    QApplication::processEvents();
    const int Step = Group.verticalScrollBar()->singleStep();
    EXPECT_EQ(Step, TCategoryPanelGroup::Default_Line_Step);
    EXPECT_GT(Group.verticalScrollBar()->maximum(), 0);
    Group.Scroll_Line(false);
    Group.Scroll_Line(false);
    EXPECT_EQ(Group.Scroll_Pos(), 2 * Step);
    Group.Scroll_Line(true);
    EXPECT_EQ(Group.Scroll_Pos(), Step);
    Group.Scroll_Line(true);
    Group.Scroll_Line(true);
    EXPECT_EQ(Group.Scroll_Pos(), 0);
}

} // namespace
