#include "platform/XmlDoc.h"
#include "TestSupport.h"
#include "update/JobFile.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The fixed children of every Operation, in order, with the per-operation
// values left as placeholders.
QByteArray Operation(const QString &File, const char *Start, const char *Bank, const char *Read_Back,
                     const char *Css, const char *App_After)
{
    return QStringLiteral("<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
                          "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
                          "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory>"
                          "<Ope_FileName>%1</Ope_FileName><Ope_Start_Address>%2</Ope_Start_Address>"
                          "<Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>%3</Ope_Bank_Type>"
                          "<Ope_Read_Back>%4</Ope_Read_Back><Ope_Write_CSS>%5</Ope_Write_CSS>"
                          "<Ope_Address_CSS>0x07A00</Ope_Address_CSS><Ope_Command_CSS>0x02</Ope_Command_CSS>"
                          "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x07810</Ope_WID_Address>"
                          "<Ope_WID_Command>0x02</Ope_WID_Command><Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>"
                          "<Ope_GoToApp_After>%6</Ope_GoToApp_After></Operation>")
        .arg(File, QLatin1String(Start), QLatin1String(Bank), QLatin1String(Read_Back), QLatin1String(Css),
             QLatin1String(App_After))
        .toUtf8();
}

QByteArray Header(const char *Ip)
{
    return QByteArray("<Lanwick_Refresh><Version>1000</Version><Title>QuorixLabs - CFTK410 Ethernet Update</Title>"
                      "<IP_Address_Dev>")
           + Ip
           + "</IP_Address_Dev><Application_Port>10000</Application_Port><Boot_Port>2008</Boot_Port>"
             "<Boot_Port_Sec>2007</Boot_Port_Sec><Address_Protection>0x07800</Address_Protection>"
             "<Protections><Protection>0x26A</Protection></Protections><Operations>";
}

const QByteArray Footer = "</Operations></Lanwick_Refresh>";

TEST(JobFile, EachOptionWritesItsOperationsExactly)
{
    TJob_Params P;
    P.IP_Address_Dev = QStringLiteral("10.0.0.7");
    P.Master_Dir = QStringLiteral("/opt/cf/MASTER");
    P.Project_Dir = QStringLiteral("/opt/cf/PROJECTS/Plant A");
    const QString Fw = QDir::toNativeSeparators(QStringLiteral("/opt/cf/MASTER/SimTK410.sim"));
    const QString B1 = QDir::toNativeSeparators(QStringLiteral("/opt/cf/PROJECTS/Plant A/bin/bank1.bin"));
    const QString B2 = QDir::toNativeSeparators(QStringLiteral("/opt/cf/PROJECTS/Plant A/bin/bank2.bin"));
    struct TCase
    {
        const char *Name;
        int Option;
        bool Read_Back;
        QByteArray Operations;
    };
    const TCase Cases[] = {
        // firmware + configuration: three operations, only the last starts the application
        {"FirmwareAndConfiguration", uoFirmware_And_Configuration, true,
         Operation(Fw, "0x8000", "1", "1", "1", "0") + Operation(B1, "0x07000", "2", "1", "0", "0")
             + Operation(B2, "0x80000", "2", "1", "0", "1")},
        // firmware only: one operation that starts the application
        {"FirmwareOnly", uoFirmware, true, Operation(Fw, "0x8000", "1", "1", "1", "1")},
        // configuration only, read back off in every operation
        {"ConfigurationNoReadBack", uoConfiguration, false,
         Operation(B1, "0x07000", "2", "0", "0", "0") + Operation(B2, "0x80000", "2", "0", "0", "1")},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        P.Update_Option = C.Option;
        P.Read_Back = C.Read_Back;
        TXmlDocument Doc;
        Build_Job_Document(P, Doc);
        EXPECT_EQ(QString::fromUtf8(Doc.Save_To_Bytes()), QString::fromUtf8(Header("10.0.0.7") + C.Operations + Footer));
    }
}

TEST(JobFile, WriteReplacesTheFileAndReportsFailures)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("Lanwick_Refresh.xml"));
    Write_File(Path, "old job");
    TJob_Params P;
    P.IP_Address_Dev = QStringLiteral("127.0.0.1");
    P.Update_Option = uoFirmware;
    ASSERT_TRUE(Write_Job_File(Path, P));
    TXmlDocument Doc;
    Doc.Load_From_File(Path);
    ASSERT_EQ(Doc.Node_Count(), 1);   // the root only, no comment
    EXPECT_EQ(Doc.First_Node()->Must_Child(QStringLiteral("IP_Address_Dev"))->Text(), QStringLiteral("127.0.0.1"));

    QString Why;
    EXPECT_FALSE(Write_Job_File(Dir.filePath(QStringLiteral("missing/Lanwick_Refresh.xml")), P, &Why));
    EXPECT_FALSE(Why.isEmpty());
}

} // namespace
