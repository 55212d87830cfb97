// From the main window, as a user works: New project, EnOcean Access (a
// device with one EEP and two variables), OK, then Update with a fake update
// program. The compiled bank2.bin carries that device.
#include "AppTestSupport.h"
#include "EditorTestSupport.h"
#include "app/Forms.h"
#include "app/UNew_Project.h"
#include "controls/FxButton.h"
#include "editors/UEnOcean_Device.h"
#include "catalog/CatalogEnOcean.h"
#include "editors/UEnOcean_SetAccess.h"
#include "editors/UEnOcean_SetAccess2.h"
#include "text/LangTable.h"
#include <QLabel>
#include "editors/UEnOcean_Variable.h"
#include "platform/IcmpEcho.h"
#include "update/UBoot.h"
#include "workspace/Workspace.h"
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <QtEndian>
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

std::uint32_t U32(const QByteArray &Image, int Offset)
{
    return qFromLittleEndian<quint32>(Image.constData() + Offset);
}

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
    // The fake update program keeps a copy of the bank2.bin it was given.
    Write_File(Path("Lanwick_Refresh.exe"), "#!/bin/sh\nd=$(dirname \"$0\")\n"
                                            "cp \"$d/PROJECTS/Net/bin/bank2.bin\" \"$d/seen_bank2.bin\"\nexit 0\n");
    QFile::setPermissions(Path("Lanwick_Refresh.exe"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Start();

    // New project "Net".
    While_Modal(
        [] {
            FNew_Project->E_New_Proj->setText("Net");
            Click_Button(FNew_Project->Btn_OK);
            if (FNew_Project->isVisible())
                Click_Button(FNew_Project->Btn_Cancel);
        },
        [this] { Main->Btn_Click(Main->Btn_New); });
    ASSERT_EQ(Project_Name, "Net");

    auto *Editor = qobject_cast<TFEnOcean_SetAccess2 *>(FEnOcean_SetAccess2.data());
    auto *Device = qobject_cast<TFEnOcean_Device *>(FEnOcean_Device.data());
    auto *Variable = qobject_cast<TFEnOcean_Variable *>(FEnOcean_Variable.data());
    ASSERT_TRUE(Editor && Device && Variable);

    // EnOcean Access: add the device, then two variables of A5-02-01, OK.
    auto Add_Variable = [&](int Field, const char *Position) {
        return While_Dialog(
            Variable,
            [&] {
                Pick(Variable->CB_EEP_Rorg, 2);
                Pick(Variable->CB_EEP_Func, 1);
                Pick(Variable->CB_EEP_Type, 0);
                Pick(Variable->CB_Var_Case, 0);
                Pick(Variable->CB_Var_Variable, Field);
                Variable->E_Var_Position->setText(QString::fromLatin1(Position));
                Variable->CB_Var_BitStart->setCurrentIndex(Field == 0 ? 0 : 4);
                Variable->Btn_OKClick();
            },
            [&] { Editor->Btn_VariableClick(Editor->Btn_Add_Variable); });
    };
    const bool Editor_Opened = While_Dialog(
        Editor,
        [&] {
            EXPECT_EQ(Editor->LB_ID_Devices_List->count(), 0);
            EXPECT_TRUE(While_Dialog(
                Device,
                [&] {
                    Device->E_DevEnOcean_ID->setText("0x0180ABCD");
                    Device->Btn_OKClick();
                },
                [&] { Editor->Btn_DeviceClick(Editor->Btn_Add_Device); }));
            ASSERT_EQ(Editor->LB_ID_Devices_List->count(), 1);
            Editor->LB_ID_Devices_List->setCurrentRow(0);
            Editor->LB_ID_Devices_ListClick();
            EXPECT_TRUE(Add_Variable(0, "3"));
            EXPECT_TRUE(Add_Variable(1, "4"));
            EXPECT_EQ(Editor->TW_UniSmart_EEP->topLevelItem(0)->child(0)->childCount(), 2);
            Editor->Btn_OKClick();
        },
        [this] { Main->Btn_Click(Main->Btn_EnOcean_Access); });
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
            Boot->E_IP1->setText("127");
            Boot->E_IP2->setText("0");
            Boot->E_IP3->setText("0");
            Boot->E_IP4->setText("1");
            Boot->Btn_UpdateClick();
            EXPECT_TRUE(Wait_Until([Boot] { return !Boot->Waiting(); }));
            Boot->reject();
        },
        [this] { Main->Btn_Click(Main->Btn_CreateBin); });

    // bank2: one device, one EEP, one case with both variables (164 bytes,
    // tables addressed from 0x80000).
    const QByteArray Bank2 = Read_File(Path("PROJECTS/Net/bin/bank2.bin"));
    ASSERT_EQ(Bank2.size(), 164);
    EXPECT_EQ(U32(Bank2, 0), 1u);             // devices
    EXPECT_EQ(U32(Bank2, 8), 0x0180ABCDu);    // its ID
    EXPECT_EQ(U32(Bank2, 8 + 12), 1u);        // unidirectional EEPs
    EXPECT_EQ(U32(Bank2, 0x50), 0xA5u);       // RORG
    EXPECT_EQ(U32(Bank2, 0x54), 1u);          // cases
    EXPECT_EQ(U32(Bank2, 0x5C + 12), 2u);     // variables of the case
    const std::uint32_t Vars[2][4] = {{8, 16, 3, 0}, {8, 8, 4, 4}}; // size, offset, position, start bit
    for (int V = 0; V < 2; ++V)
        for (int F = 0; F < 4; ++F)
            EXPECT_EQ(U32(Bank2, 0x84 + 16 * V + 4 * F), Vars[V][F]) << V << "/" << F;
    // The update program was handed exactly that image.
    EXPECT_EQ(Read_File(Path("seen_bank2.bin")), Bank2);
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
