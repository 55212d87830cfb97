#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "platform/MessageBox.h"
#include "protocols/BACnet_Units.h"
#include "protocols/UBACnet_Eng_Unit.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

class EngUnitDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Fill_Default_Texts();
        SW_Code = QStringLiteral("CFTK410");
        Dialog = std::make_unique<TFBACnet_Eng_Unit>();
    }
    void TearDown() override
    {
        Dialog.reset();
        Reset_Workspace();
    }
    // Opens the chooser on a cell as the access editor does (without a modal loop).
    void Open_On(const QString &Cell)
    {
        Dialog->Show_Current_Unit(Cell);
        Dialog->show();
        QApplication::processEvents();
    }
    // The user picks a category and a unit.
    void Pick(int Category, int Unit)
    {
        Dialog->CB_Select_Type->setCurrentIndex(Category);
        Dialog->CB_Select_TypeSelect();
        Dialog->CB_Select_Unit->setCurrentIndex(Unit);
    }
    int Category_Index(const char *Name) const { return Dialog->CB_Select_Type->findText(QLatin1String(Name)); }

    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
    std::unique_ptr<TFBACnet_Eng_Unit> Dialog;
};

// The cell's code and its name are shown as the editor hands them over.
TEST_F(EngUnitDialogTest, ShowsTheCurrentCode)
{
    struct TCase
    {
        const char *Name;
        const char *Cell;
        const char *Label;
    };
    const TCase Cases[] = {
        {"Known", "62", "-> degrees-Celsius"},
        {"First", "0", "-> square-meters"},
        {"Last", "236", "-> minutes-per-degree-kelvin"},
        {"Empty", "", "-> unknown"},
        {"NotANumber", "abc", "-> unknown"},
        {"BeyondTable", "237", "-> unknown"},
        {"Negative", "-1", "-> unknown"},
        {"TrailingBlank", "62 ", "-> unknown"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Dialog->hide();
        Open_On(QString::fromLatin1(C.Cell));
        EXPECT_EQ(Dialog->E_Selected_EU->text(), QString::fromLatin1(C.Cell));
        EXPECT_EQ(Dialog->Label5->text(), QString::fromLatin1(C.Label));
    }
}

// The select button puts the chosen unit's code and its name in place.
TEST_F(EngUnitDialogTest, SelectGivesCodeAndName)
{
    struct TCase
    {
        const char *Name;
        const char *Category;
        const char *Unit_Text; // the item as listed
        const char *Code;
        const char *Label;
    };
    const TCase Cases[] = {
        {"PerMille", "Other", "per-mille", "207", "-> per-mille"},
        // three items are worded apart from the unit's name
        {"OhmsMeters", "Electrical", "ohms-meters", "172", "-> ohm-meters"},
        {"MegajoulesPerSquareMeter", "Other", "megajoules-per-square-meter", "139",
         "-> megajoules-hours-per-square-meter"},
        {"Acceleration", "Acceleration", "meters-per-second-per-second", "166", "-> meters-per-second-per-second"},
        {"SquareFeet", "Area", "square-feet", "1", "-> square-feet"},
    };
    Open_On("62");
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const int Category = Category_Index(C.Category);
        ASSERT_GE(Category, 0);
        Dialog->CB_Select_Type->setCurrentIndex(Category);
        Dialog->CB_Select_TypeSelect();
        const int Unit = Dialog->CB_Select_Unit->findText(QLatin1String(C.Unit_Text));
        ASSERT_GE(Unit, 0);
        Dialog->CB_Select_Unit->setCurrentIndex(Unit);
        Dialog->Btn_Select_Eng_Unit->Click();
        EXPECT_EQ(Dialog->E_Selected_EU->text(), C.Code);
        EXPECT_EQ(Dialog->Label5->text(), C.Label);
    }
    // "per-mille" is the thirtieth item of "Other"
    Pick(Category_Index("Other"), 29);
    EXPECT_EQ(Dialog->CB_Select_Unit->currentText(), "per-mille");
}

// The 23 categories in their order; each starts its list on its first item,
// and together they offer every code once.
TEST_F(EngUnitDialogTest, CategoriesAndTheirLists)
{
    ASSERT_EQ(Dialog->CB_Select_Type->count(), 23);
    EXPECT_EQ(Dialog->CB_Select_Type->currentText(), "Acceleration");
    EXPECT_EQ(Dialog->CB_Select_Type->itemText(22), "Other");
    Open_On("");
    EXPECT_EQ(Dialog->CB_Select_Unit->count(), 1);
    QList<int> Seen;
    const auto &Categories = BACnet_Unit_Categories();
    for (int C = 0; C < Dialog->CB_Select_Type->count(); ++C) {
        SCOPED_TRACE(Categories[C].Name.toStdString());
        Pick(C, 0);
        Dialog->CB_Select_Unit->setCurrentIndex(Dialog->CB_Select_Unit->count() - 1);
        Dialog->CB_Select_TypeSelect(); // choosing the category again starts over
        EXPECT_EQ(Dialog->CB_Select_Unit->currentIndex(), 0);
        EXPECT_EQ(Dialog->CB_Select_Unit->count(), Categories[C].Units.size());
        for (int U = 0; U < Dialog->CB_Select_Unit->count(); ++U) {
            Dialog->CB_Select_Unit->setCurrentIndex(U);
            Dialog->Btn_Select_Eng_UnitClick();
            Seen.append(Dialog->E_Selected_EU->text().toInt());
        }
    }
    std::sort(Seen.begin(), Seen.end());
    ASSERT_EQ(Seen.size(), 237);
    for (int Code = 0; Code < 237; ++Code)
        EXPECT_EQ(Seen[Code], Code);
}

// The chosen category stays for the next showing; the unit list starts over.
TEST_F(EngUnitDialogTest, CategoryStaysBetweenShowings)
{
    Open_On("5");
    Pick(Category_Index("Pressure"), 4);
    Dialog->Btn_Cancel->Click();
    Open_On("5");
    EXPECT_EQ(Dialog->CB_Select_Type->currentText(), "Pressure");
    EXPECT_EQ(Dialog->CB_Select_Unit->currentIndex(), 0);
    EXPECT_EQ(Dialog->CB_Select_Unit->currentText(), "pascals");
    // the caller's values are left as they are
    EXPECT_EQ(Dialog->E_Selected_EU->text(), "5");
    EXPECT_EQ(Dialog->Label5->text(), "-> volts");
}

// OK hands back whatever E_Selected_EU holds; Cancel closes with nothing to take.
TEST_F(EngUnitDialogTest, OkAndCancel)
{
    struct TCase
    {
        const char *Name;
        bool Ok;
        QDialog::DialogCode Result;
    };
    const TCase Cases[] = {{"Ok", true, QDialog::Accepted}, {"Cancel", false, QDialog::Rejected}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Open_On("62");
        Pick(Category_Index("Other"), 29);
        Dialog->Btn_Select_Eng_UnitClick();
        Dialog->E_Selected_EU->setText("999"); // typed after selecting: taken unchecked
        (C.Ok ? Dialog->Btn_OK : Dialog->Btn_Cancel)->Click();
        EXPECT_FALSE(Dialog->isVisible());
        EXPECT_EQ(Dialog->result(), C.Result);
        EXPECT_EQ(Dialog->E_Selected_EU->text(), "999");
        EXPECT_EQ(Dialog->Label5->text(), "-> per-mille");
    }
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// Texts 2000 to 2008, and a second language applied by Set_Lang.
TEST_F(EngUnitDialogTest, TextsFollowTheTable)
{
    EXPECT_EQ(Dialog->windowTitle(), "Select the BACnet Engineering Unit");
    EXPECT_EQ(Dialog->Label1->text(), "Selected BACnet Engineering Unit");
    EXPECT_EQ(Dialog->Btn_Select_Eng_Unit->Caption(), "Select Engineering Unit");
    EXPECT_EQ(Dialog->L_SW_Code->text(), "CFTK410");
    Load_Language_Text(QStringLiteral("STR2007 = Einheit\nSTR2002 = Gut\n"));
    Dialog->Set_Lang();
    EXPECT_EQ(Dialog->Label4->text(), "Einheit");
    EXPECT_EQ(Dialog->Btn_OK->Caption(), "Gut");
}

TEST_F(EngUnitDialogTest, Screenshot)
{
    Open_On("62");
    Pick(Category_Index("Temperature"), 0);
    for (QWidget *W : Dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(Dialog->rect().contains(W->geometry())) << W->objectName().toStdString();
    Expect_Window_Picture(QImage(Save_Screenshot(Dialog.get(), "eng_unit_dialog")), Dialog.get());
}

} // namespace
