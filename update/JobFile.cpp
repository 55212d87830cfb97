#include "update/JobFile.h"
#include "platform/XmlDoc.h"
#include <QDir>

namespace {

struct TOperation
{
    QString FileName;
    const char *Start_Address;
    const char *Bank_Type;
    const char *Write_CSS;
    const char *GoToApp_After;
};

void Add(TXmlNode *Parent, const char *Name, const QString &Text)
{
    Parent->Add_Child(QLatin1String(Name))->Set_Text(Text);
}

void Add(TXmlNode *Parent, const char *Name, const char *Text)
{
    Add(Parent, Name, QString::fromLatin1(Text));
}

} // namespace

QString Firmware_File(const QString &Master_Dir)
{
    return QDir::toNativeSeparators(Master_Dir + QStringLiteral("/SimTK410.sim"));
}

QString Bank1_File(const QString &Project_Dir)
{
    return QDir::toNativeSeparators(Project_Dir + QStringLiteral("/bin/bank1.bin"));
}

QString Bank2_File(const QString &Project_Dir)
{
    return QDir::toNativeSeparators(Project_Dir + QStringLiteral("/bin/bank2.bin"));
}

bool Option_Transfers_Firmware(int Option)
{
    return Option == uoFirmware_And_Configuration || Option == uoFirmware;
}

bool Option_Transfers_Configuration(int Option)
{
    return Option == uoFirmware_And_Configuration || Option == uoConfiguration;
}

void Build_Job_Document(const TJob_Params &P, TXmlDocument &Doc)
{
    Doc.Clear();
    TXmlNode *Root = Doc.Add_Root(QStringLiteral("Lanwick_Refresh"));
    Add(Root, "Version", "1000");
    Add(Root, "Title", "QuorixLabs - CFTK410 Ethernet Update");
    Add(Root, "IP_Address_Dev", P.IP_Address_Dev);
    Add(Root, "Application_Port", "10000");
    Add(Root, "Boot_Port", "2008");
    Add(Root, "Boot_Port_Sec", "2007");
    Add(Root, "Address_Protection", "0x07800");
    Add(Root->Add_Child(QStringLiteral("Protections")), "Protection", "0x26A");
    TXmlNode *Operations = Root->Add_Child(QStringLiteral("Operations"));

    // The last operation of every job starts the application.
    QList<TOperation> Ops;
    if (Option_Transfers_Firmware(P.Update_Option))
        Ops.append({Firmware_File(P.Master_Dir), "0x8000", "1", "1", P.Update_Option == uoFirmware ? "1" : "0"});
    if (Option_Transfers_Configuration(P.Update_Option)) {
        Ops.append({Bank1_File(P.Project_Dir), "0x07000", "2", "0", "0"});
        Ops.append({Bank2_File(P.Project_Dir), "0x80000", "2", "0", "1"});
    }
    for (const TOperation &O : Ops) {
        TXmlNode *Op = Operations->Add_Child(QStringLiteral("Operation"));
        Add(Op, "Ope_Protection_Enabled", "");
        Add(Op, "Ope_GoToBoot_Before", "0");
        Add(Op, "Ope_GoToApp_Before", "0");
        Add(Op, "Ope_IP_Address", "");
        Add(Op, "Ope_Port", "2008");
        Add(Op, "Ope_Port_Sec", "2007");
        Add(Op, "Ope_Erase_Memory", "0");
        Add(Op, "Ope_FileName", O.FileName);
        Add(Op, "Ope_Start_Address", O.Start_Address);
        Add(Op, "Ope_Memory_Type", "0");
        Add(Op, "Ope_Bank_Type", O.Bank_Type);
        Add(Op, "Ope_Read_Back", P.Read_Back ? "1" : "0");
        Add(Op, "Ope_Write_CSS", O.Write_CSS);
        Add(Op, "Ope_Address_CSS", "0x07A00");
        Add(Op, "Ope_Command_CSS", "0x02");
        Add(Op, "Ope_Write_Internal_Data", "0");
        Add(Op, "Ope_WID_Address", "0x07810");
        Add(Op, "Ope_WID_Command", "0x02");
        Add(Op, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
        Add(Op, "Ope_GoToApp_After", O.GoToApp_After);
    }
}

bool Write_Job_File(const QString &Path, const TJob_Params &Params, QString *Error)
{
    TXmlDocument Doc;
    Build_Job_Document(Params, Doc);
    return Doc.Save_To_File(Path, Error);
}
