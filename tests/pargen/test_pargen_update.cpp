// From the main window: Set Communication, then Update. What the user
// confirmed in the parameter editor is what the compiled bank1.bin carries
// and what the update program is handed.
#include "AppTestSupport.h"
#include "app/Forms.h"
#include "workspace/Workspace.h"
#include "editors/UParGen.h"
#include "platform/IcmpEcho.h"
#include "TestSupport.h"
#include "update/UBoot.h"
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// The gateway answers every echo at once.
class TAnsweringGateway : public IEcho_Client
{
public:
    TEcho_Reply Echo(const QString &, const QByteArray &, std::uint32_t, const std::function<bool()> &) override
    {
        TEcho_Reply R;
        R.Status = TEcho_Reply::esReply;
        R.Bytes_Received = 17;
        return R;
    }
};

std::uint32_t U32_At(const QByteArray &Image, int Offset)
{
    return qFromLittleEndian<quint32>(Image.constData() + Offset);
}

// Offsets of the parameter block (little-endian 32-bit values).
constexpr int Ofs_Modbus_Id = 24;
constexpr int Ofs_Baudrate = 400;

class ParGenUpdateTest : public AppFixture
{
protected:
    TAnsweringGateway Gateway;
    TEchoClientGuard Echo_Guard{&Gateway};

    // The fake update program keeps a copy of the bank1.bin it was given.
    void Install_Update_Program()
    {
        const QString Program = Path("Lanwick_Refresh.exe");
        Write_File(Program, "#!/bin/sh\nd=$(dirname \"$0\")\n"
                            "cp \"$d/PROJECTS/P/bin/bank1.bin\" \"$d/seen_bank1.bin\"\nexit 0\n");
        QFile::setPermissions(Program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

TEST_F(ParGenUpdateTest, SetCommunicationThenUpdateCompilesTheNewValues)
{
    QDir().mkpath(Path("PROJECTS/P"));
    Write_File(Path("Brindelcor.xml"),
               "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    Write_File(Path("MASTER/SimTK410.sim"), "firmware");
    Install_Update_Program();
    Start();
    ASSERT_EQ(Project_Name, "P");
    auto *Editor = qobject_cast<TFParGen *>(FParGen.data());
    ASSERT_NE(Editor, nullptr);

    // Set Communication: 9600 baud, slave address 42, OK.
    While_Modal(
        [Editor] {
            ASSERT_TRUE(Editor->isVisible());
            EXPECT_EQ(Editor->CB_ModbusSlave_Baudrate->currentIndex(), 7); // defaults: no ParGen.xml yet
            Editor->CB_ModbusSlave_Baudrate->setCurrentIndex(3);
            Editor->E_ModbusSlave_IDDevice->setText("42");
            Editor->Btn_OKClick();
        },
        [this] { Main->Btn_Click(Main->Btn_Prm_Gen); });
    EXPECT_FALSE(Editor->isVisible());
    ASSERT_TRUE(QFile::exists(File_ParGen));
    EXPECT_TRUE(Boxes.Shown.isEmpty()) << Boxes.Texts().join('\n').toStdString();

    // Update: compile, then run the update from the dialog.
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
    EXPECT_TRUE(Boxes.Shown.isEmpty()) << Boxes.Texts().join('\n').toStdString();

    const QByteArray Bank1 = Read_File(Path("PROJECTS/P/bin/bank1.bin"));
    ASSERT_EQ(Bank1.size(), 2048);
    EXPECT_EQ(U32_At(Bank1, Ofs_Baudrate), 9600u);
    EXPECT_EQ(U32_At(Bank1, Ofs_Modbus_Id), 42u);
    // The update program was handed exactly that image.
    EXPECT_EQ(Read_File(Path("seen_bank1.bin")), Bank1);
}

} // namespace
