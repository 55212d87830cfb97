// The shared window look: each window family passes its own title layout, and
// the panel, labels and rule land where that layout says, with one font and
// colour set for all of them.
#include "controls/WindowLook.h"
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct TTitle_Case
{
    const char *Name;
    int Width;
    Window_Look::TTitle_Layout Layout;
    QRect Code; // empty: sized to its text at (Left, Code_Top)
    QRect Desc;
    const char *Rule_Name; // nullptr: no rule expected
};

} // namespace

TEST(WindowLook, TitlePanelFollowsEachLayout)
{
    const TTitle_Case Cases[] = {
        {"sized to text, ruled", 480, {.Height = 64, .Code_Top = 6, .Desc_Top = 42, .Rule = true}, {}, {}, ""},
        {"fixed boxes, no rule",
         600,
         {.Height = 69, .Code_Top = 4, .Code_Height = 36, .Desc_Top = 44, .Desc_Height = 18},
         QRect(16, 4, 568, 36),
         QRect(16, 44, 568, 18),
         nullptr},
        {"fixed width, named rule",
         449,
         {.Height = 72, .Code_Height = 34, .Desc_Height = 18, .Label_Width = 420, .Rule = true,
          .Rule_Name = "P_Title_Rule"},
         QRect(16, 4, 420, 34),
         QRect(16, 44, 420, 18),
         "P_Title_Rule"},
    };
    for (const TTitle_Case &C : Cases) {
        SCOPED_TRACE(C.Name);
        QWidget Window;
        Window_Look::Apply_Background_And_Font(&Window);
        QLabel *Code = nullptr;
        QLabel *Desc = nullptr;
        QFrame *P = Window_Look::Make_Title_Panel(&Window, C.Width, C.Layout, Code, Desc);
        ASSERT_TRUE(P && Code && Desc);
        EXPECT_EQ(P->objectName(), QStringLiteral("P_Title"));
        EXPECT_EQ(P->geometry(), QRect(0, 0, C.Width, C.Layout.Height));
        EXPECT_EQ(Code->objectName(), QStringLiteral("L_SW_Code"));
        EXPECT_EQ(Desc->objectName(), QStringLiteral("L_SW_Desc"));
        if (C.Code.isEmpty()) {
            EXPECT_EQ(Code->pos(), QPoint(C.Layout.Left, C.Layout.Code_Top));
            EXPECT_EQ(Desc->pos(), QPoint(C.Layout.Left, C.Layout.Desc_Top));
        } else {
            EXPECT_EQ(Code->geometry(), C.Code);
            EXPECT_EQ(Desc->geometry(), C.Desc);
        }
        EXPECT_EQ(Code->font().family(), QStringLiteral("Verdana"));
        EXPECT_EQ(Code->font().pointSize(), 20);
        EXPECT_TRUE(Code->font().bold());
        EXPECT_EQ(Desc->font().pointSize(), 8);
        EXPECT_TRUE(Desc->font().bold());
        EXPECT_EQ(Code->styleSheet(), QStringLiteral("color: gray"));
        EXPECT_EQ(Desc->styleSheet(), Code->styleSheet());

        // The rule is the one child frame of the panel, along its bottom edge.
        const QList<QFrame *> Rules = P->findChildren<QFrame *>(Qt::FindDirectChildrenOnly);
        QList<QFrame *> Frames;
        for (QFrame *F : Rules)
            if (!qobject_cast<QLabel *>(F))
                Frames.append(F);
        if (!C.Rule_Name) {
            EXPECT_TRUE(Frames.isEmpty());
            continue;
        }
        ASSERT_EQ(Frames.size(), 1);
        EXPECT_EQ(Frames[0]->geometry(), QRect(0, C.Layout.Height - 1, C.Width, 1));
        EXPECT_EQ(Frames[0]->objectName(), QLatin1String(C.Rule_Name));
        EXPECT_EQ(Frames[0]->styleSheet(), QStringLiteral("background-color: rgb(200,200,190);"));
    }
}

TEST(WindowLook, BackgroundFontAndButtonPanel)
{
    QWidget Window;
    Window.resize(300, 200);
    Window_Look::Apply_Background_And_Font(&Window);
    EXPECT_EQ(Window.palette().color(QPalette::Window), QColor(248, 247, 237));
    EXPECT_TRUE(Window.autoFillBackground());
    EXPECT_EQ(Window.font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(Window.font().pointSize(), 8);
    EXPECT_FALSE(Window.font().bold());

    QFrame *Ruled = Window_Look::Make_Button_Panel(&Window, 156, 300, 44, true);
    EXPECT_EQ(Ruled->objectName(), QStringLiteral("P_Button"));
    EXPECT_EQ(Ruled->geometry(), QRect(0, 156, 300, 44));
    const auto Rules = Ruled->findChildren<QFrame *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(Rules.size(), 1);
    EXPECT_EQ(Rules[0]->geometry(), QRect(0, 0, 300, 1));
    QFrame *Plain = Window_Look::Make_Button_Panel(&Window, 160, 300, 40, false);
    EXPECT_TRUE(Plain->findChildren<QFrame *>().isEmpty());
}
