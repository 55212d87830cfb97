// From the main window, as a user works: New project, EnOcean Access (a
// device with one EEP and two variables), OK, then Update with a fake update
// program. The compiled bank2.bin carries that device.
#include "AppTestSupport.h"
#include "Bank2Reader.h"
#include "EditorTestSupport.h"
#include "FakeUpdateProgram.h"
#include "app/Forms.h"
#include "app/UNew_Project.h"
#include "catalog/CatalogEnOcean.h"
#include "controls/AppButton.h"
#include "editors/UEnOcean_Device.h"
#include "editors/UEnOcean_SetAccess.h"
#include "editors/UEnOcean_SetAccess2.h"
#include "editors/UEnOcean_Variable.h"
#include "platform/IcmpEcho.h"
#include "text/LangTable.h"
#include "update/UBoot.h"
#include "workspace/Workspace.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class TAnsweringGateway : public IEcho_Client
{
public:
    TEcho_Reply Echo(const QString &, const QByteArray &Data, std::uint32_t, const std::function<bool()> &) override
    {
        TEcho_Reply R;
        R.Status = TEcho_Reply::esReply;
        R.Bytes_Received = 8 + Data.size();
        return R;
    }
};

class NetworkEditorAppTest : public AppFixture
{
protected:
    TAnsweringGateway Gateway;
    TEchoClientGuard Echo_Guard{&Gateway};
};

TEST_F(NetworkEditorAppTest, DeviceEnteredInTheEditorReachesBank2)
{
    Write_File(Path("CAT_EnOcean/eep.xml"), Editor_Catalogue_Xml());
    Write_File(Path("MASTER/SimTK410.sim"), "firmware");
    Write_Fake_Update_Program(Dir.path());
    Start();
    auto *Editor = qobject_cast<TFEnOcean_SetAccess2 *>(FEnOcean_SetAccess2.data());
    auto *Device = qobject_cast<TFEnOcean_Device *>(FEnOcean_Device.data());
    auto *Variable = qobject_cast<TFEnOcean_Variable *>(FEnOcean_Variable.data());
    ASSERT_TRUE(Editor && Device && Variable);

    // New project "Net", typed and confirmed.
    While_Modal(
        [] {
            QTest::keyClicks(FNew_Project->E_New_Proj, "Net");
            Click_Button(FNew_Project->Btn_OK);
            if (FNew_Project->isVisible())
                Click_Button(FNew_Project->Btn_Cancel);
        },
        [this] { Click_Button(Main->Btn_New); });
    ASSERT_EQ(Project_Name, "Net");

    // EnOcean Access: add the device, click it, add two variables of
    // A5-02-01 (case Normal: TMP and HUM), OK.
    auto Add_Variable = [&](int Field, const char *Position, int Bit) {
        return While_Dialog(
            Variable,
            [&] {
                Pick(Variable->CB_EEP_Rorg, 2);
                Pick(Variable->CB_EEP_Func, 1);
                Pick(Variable->CB_EEP_Type, 0);
                Pick(Variable->CB_Var_Case, 0);
                Pick(Variable->CB_Var_Variable, Field);
                QTest::keyClicks(Variable->E_Var_Position, Position);
                Pick(Variable->CB_Var_BitStart, Bit);
                Click_Button(Variable->Btn_OK);
            },
            [&] { Click_Button(Editor->Btn_Add_Variable); });
    };
    const bool Editor_Opened = While_Dialog(
        Editor,
        [&] {
            EXPECT_EQ(Editor->LB_ID_Devices_List->count(), 0);
            EXPECT_TRUE(While_Dialog(
                Device,
                [&] {
                    QTest::keyClicks(Device->E_DevEnOcean_ID, "0x0180ABCD");
                    Click_Button(Device->Btn_OK);
                },
                [&] { Click_Button(Editor->Btn_Add_Device); }));
            QListWidget *List = Editor->LB_ID_Devices_List;
            ASSERT_EQ(List->count(), 1);
            QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, List->visualItemRect(List->item(0)).center());
            EXPECT_TRUE(Add_Variable(0, "3", 0));
            EXPECT_TRUE(Add_Variable(1, "4", 4));
            EXPECT_EQ(Editor->TW_UniSmart_EEP->topLevelItem(0)->child(0)->childCount(), 2);
            Click_Button(Editor->Btn_OK);
        },
        [this] { Click_Button(Main->Btn_EnOcean_Access); });
    ASSERT_TRUE(Editor_Opened);
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
    ASSERT_TRUE(QFile::exists(File_EnOcean));
    EXPECT_TRUE(Boxes.Shown.isEmpty()) << qPrintable(Boxes.Texts().join('|'));

    // Update Device UDP (no ParGen.xml yet: Yes compiles the defaults).
    Boxes.Default_Answer = TMsgResult::mrYes;
    While_Modal(
        [] {
            auto *Boot = qobject_cast<TFBoot *>(FBoot.data());
            ASSERT_NE(Boot, nullptr);
            for (QLineEdit *E : {Boot->E_IP1, Boot->E_IP2, Boot->E_IP3, Boot->E_IP4})
                E->clear();
            QTest::keyClicks(Boot->E_IP1, "127");
            QTest::keyClicks(Boot->E_IP2, "0");
            QTest::keyClicks(Boot->E_IP3, "0");
            QTest::keyClicks(Boot->E_IP4, "1");
            Click_Button(Boot->Btn_Update);
            EXPECT_TRUE(Wait_Until([Boot] { return !Boot->Waiting(); }));
            Boot->reject();
        },
        [this] { Click_Button(Main->Btn_CreateBin); });

    // The update program was started without arguments and handed a bank2
    // that holds the device as entered: one EEP, one case, both variables.
    EXPECT_EQ(Read_File(Path("seen_argc")), QByteArray("0\n"));
    const QByteArray Bank2 = Seen_File(Dir.path(), QStringLiteral("bank2.bin"));
    EXPECT_EQ(Bank2, Read_File(Path("PROJECTS/Net/bin/bank2.bin")));
    std::vector<TBank2_Device> Devices;
    QString Error;
    ASSERT_TRUE(Read_Bank2(Bank2, Devices, Error)) << qPrintable(Error);
    ASSERT_EQ(Devices.size(), 1u);
    EXPECT_EQ(Devices[0].Id, 0x0180ABCDu);
    EXPECT_EQ(Devices[0].Security, 0u);
    EXPECT_EQ(Devices[0].Security_Block, QByteArray(44, 0));
    ASSERT_EQ(Devices[0].Uni.size(), 1u);
    EXPECT_TRUE(Devices[0].SAck.empty());
    EXPECT_EQ(Devices[0].Uni[0].Rorg, 0xA5u);
    ASSERT_EQ(Devices[0].Uni[0].Cases.size(), 1u);
    const auto &In = Devices[0].Uni[0].Cases[0].In;
    ASSERT_EQ(In.size(), 2u);
    // bit size, bit offset, position, start bit
    EXPECT_EQ((std::vector<std::uint32_t>{In[0].BitSize, In[0].BitOffset, In[0].Position, In[0].BitStart}),
              (std::vector<std::uint32_t>{8, 16, 3, 0}));
    EXPECT_EQ((std::vector<std::uint32_t>{In[1].BitSize, In[1].BitOffset, In[1].Position, In[1].BitStart}),
              (std::vector<std::uint32_t>{8, 8, 4, 4}));
    EXPECT_EQ(Bank2.size(), 164);
}

} // namespace

namespace {

// Both editors exist from the start with the catalogue; a language switch
// reaches the older editor, while the network editor keeps its texts.
TEST_F(NetworkEditorAppTest, EditorsAtStartAndLanguageSwitch)
{
    Write_File(Path("CAT_EnOcean/eep.xml"), Editor_Catalogue_Xml());
    Start();
    auto *Older = qobject_cast<TFEnOcean_SetAccess *>(FEnOcean_SetAccess.data());
    auto *Editor = qobject_cast<TFEnOcean_SetAccess2 *>(FEnOcean_SetAccess2.data());
    ASSERT_TRUE(Older && Editor);
    EXPECT_FALSE(Older->isVisible());
    EXPECT_EQ(Older->Catalog, Editor->Catalog);
    ASSERT_NE(Editor->Catalog, nullptr);
    EXPECT_EQ(Editor->Catalog->Rorg_SL.size(), 4);
    EXPECT_EQ(Editor->Device_Dialog, FEnOcean_Device.data());
    EXPECT_EQ(Editor->Variable_Dialog, FEnOcean_Variable.data());
    Load_Language_Text(QStringLiteral("STR806 = Geraete\nSTR1206 = Geraeteliste\n"));
    Main->Change_Language();
    EXPECT_EQ(Older->L_ID_Devices_List->text(), "Geraete");
    EXPECT_EQ(Editor->L_ID_Devices_List->text(), "ID Devices List");
}

} // namespace
