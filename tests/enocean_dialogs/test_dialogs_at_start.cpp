#include "AppTestSupport.h"
#include "app/Forms.h"
#include "controls/FxButton.h"
#include "editors/UEnOcean_Device.h"
#include "editors/UEnOcean_Variable.h"
#include "protocols/UBACnet_Eng_Unit.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QLabel>

namespace {

class DialogsAtStartTest : public AppFixture
{
};

// The three dialogs exist from the start under their names; the variable
// dialog offers the catalogue the main window loaded.
TEST_F(DialogsAtStartTest, CreatedWithTheCatalogue)
{
    Write_File(Path("CAT_EnOcean/eep.xml"),
               "<profile><rorg><number>0xF6</number><title>RPS Telegram</title></rorg>"
               "<rorg><number>0xA5</number><title>4BS Telegram</title></rorg></profile>");
    Start();
    ASSERT_NE(qobject_cast<TFEnOcean_Device *>(FEnOcean_Device.data()), nullptr);
    ASSERT_NE(qobject_cast<TFBACnet_Eng_Unit *>(FBACnet_Eng_Unit.data()), nullptr);
    auto *Variable = qobject_cast<TFEnOcean_Variable *>(FEnOcean_Variable.data());
    ASSERT_NE(Variable, nullptr);
    EXPECT_EQ(FEnOcean_Device->objectName(), "FEnOcean_Device");
    EXPECT_EQ(Variable->objectName(), "FEnOcean_Variable");
    EXPECT_EQ(FBACnet_Eng_Unit->objectName(), "FBACnet_Eng_Unit");
    ASSERT_EQ(Variable->CB_EEP_Rorg->count(), 2);
    EXPECT_EQ(Variable->CB_EEP_Rorg->itemText(1), "0xA5 : 4BS Telegram");
}

// A language switch reaches the unit chooser; the device and variable
// dialogs keep the texts they took at creation.
TEST_F(DialogsAtStartTest, LanguageSwitchReachesTheUnitChooser)
{
    Start();
    Load_Language_Text(QStringLiteral("STR2004 = Einheit\nSTR1008 = Kennung\nSTR1110 = Profil\n"));
    Main->Change_Language();
    EXPECT_EQ(qobject_cast<TFBACnet_Eng_Unit *>(FBACnet_Eng_Unit.data())->Label1->text(), "Einheit");
    EXPECT_EQ(qobject_cast<TFEnOcean_Device *>(FEnOcean_Device.data())->L_DevEnOcean_ID->text(), "Device ID");
    EXPECT_EQ(qobject_cast<TFEnOcean_Variable *>(FEnOcean_Variable.data())->L_EEP->text(), "EEP");
}

} // namespace
