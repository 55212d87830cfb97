#include "workspace/Workspace.h"
#include "platform/TextToInt.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString Exe_Dir;
QString Master_Dir;
QString Projects_Dir;
QString Language_Dir;
QString Cat_EnOcean_Dir;

QString Project_Name;
QString Project_Dir;
QString File_ParGen;
QString File_EnOcean;
QString File_MQTT_Set_Topic;
QString File_BACnet_Slave;

const QString SW_Code_Const = QStringLiteral("CFTK410");
const QString SW_Desc_Const = QStringLiteral("EnOcean / Modbus Slave - Converter");
const QString SW_Caption_Const = QStringLiteral("QuorixLabs - Configurator CFTK410 - EnOcean / Modbus Slave ");
const QString SW_Version_Const = QStringLiteral("1.000");
const QString SW_Manual_Const = QStringLiteral("MNTK410");
QString SW_Code;
QString SW_Desc;
QString SW_Caption;

QString Language_Name;
QString Last_IP_Address;
int Last_Update_Option = 0;
bool Last_Read_Back = false;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field_Tables = false;
bool Double_Click_Auto_Size = false;

const QString Default_IP_Address = QStringLiteral("192.168.2.205");
const QString Default_Language = QStringLiteral("English");

namespace {
QString Program_Dir_Override;
}

void Reset_Workspace()
{
    Exe_Dir.clear();
    Master_Dir.clear();
    Projects_Dir.clear();
    Language_Dir.clear();
    Cat_EnOcean_Dir.clear();
    Project_Name.clear();
    Project_Dir.clear();
    File_ParGen.clear();
    File_EnOcean.clear();
    File_MQTT_Set_Topic.clear();
    File_BACnet_Slave.clear();
    SW_Code.clear();
    SW_Desc.clear();
    SW_Caption.clear();
    Language_Name.clear();
    Last_IP_Address.clear();
    Last_Update_Option = 0;
    Last_Read_Back = false;
    Enable_Internet = false;
    Enable_Update = false;
    Enable_Jump_Field_Tables = false;
    Double_Click_Auto_Size = false;
}

QString Program_Dir()
{
    if (!Program_Dir_Override.isEmpty())
        return Program_Dir_Override;
    return QCoreApplication::applicationDirPath();
}

void Set_Program_Dir_Override(const QString &Dir)
{
    Program_Dir_Override = Dir;
}

void Init_Program_Folders(const QString &Program_Dir)
{
    QString Dir = QDir::fromNativeSeparators(Program_Dir);
    while (Dir.size() > 1 && Dir.endsWith(QLatin1Char('/')))
        Dir.chop(1);
    Exe_Dir = Dir;
    struct TFolder { QString *Target; const char *Name; };
    const TFolder Folders[] = {
        {&Master_Dir, "MASTER"},
        {&Projects_Dir, "PROJECTS"},
        {&Language_Dir, "LANGUAGE"},
        {&Cat_EnOcean_Dir, "CAT_EnOcean"},
    };
    for (const TFolder &F : Folders) {
        *F.Target = Exe_Dir + QLatin1Char('/') + QLatin1String(F.Name);
        if (!QFileInfo(*F.Target).isDir())
            QDir().mkdir(*F.Target); // one level; failures show where the folder is used
    }
}

void Set_Files()
{
    File_ParGen = Project_Dir + QStringLiteral("/ParGen.xml");
    File_EnOcean = Project_Dir + QStringLiteral("/EnOcean.xml");
    File_MQTT_Set_Topic = Project_Dir + QStringLiteral("/MQTT_Set_Topic.xml");
    File_BACnet_Slave = Project_Dir + QStringLiteral("/BACnet_Slave.xml");
}

void Set_Active_Project(const QString &Name)
{
    Project_Name = Name;
    if (Name.isEmpty())
        Project_Dir.clear();
    else
        Project_Dir = Projects_Dir + QLatin1Char('/') + Name;
    Set_Files();
}

bool Is_Valid_Project_Name(const QString &Name)
{
    if (Name.isEmpty() || Name == QLatin1String(".") || Name == QLatin1String(".."))
        return false;
    // A name of blanks alone could not be remembered: the settings file keeps
    // no text made only of blanks, so the project would be gone at the next start.
    if (Name.trimmed().isEmpty())
        return false;
    for (QChar C : Name) {
        if (C == QLatin1Char('/') || C == QLatin1Char('\\'))
            return false;
        if (C.unicode() < 0x20 || C.unicode() == 0x7F || C.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString Trim_Blanks(const QString &Text)
{
    qsizetype B = 0, E = Text.size();
    while (B < E && Text.at(B).unicode() <= 0x20)
        ++B;
    while (E > B && Text.at(E - 1).unicode() <= 0x20)
        --E;
    return Text.mid(B, E - B);
}

bool Check_IP_Address(const QString &Text, QString &Part1, QString &Part2, QString &Part3, QString &Part4)
{
    QString Rest = Trim_Blanks(Text);
    QString *Parts[] = {&Part1, &Part2, &Part3};
    for (QString *P : Parts) {
        const qsizetype Dot = Rest.indexOf(QLatin1Char('.'));
        if (Dot < 0)
            return false;
        *P = Trim_Blanks(Rest.left(Dot));
        Rest = Trim_Blanks(Rest.mid(Dot + 1));
    }
    Part4 = Rest;
    bool Valid = true;
    for (const QString *P : {&Part1, &Part2, &Part3, &Part4}) {
        const int V = Str_To_Int_Def(*P, 1000); // empty or no number: out of range
        if (V < 0 || V > 255)
            Valid = false;
    }
    return Valid;
}

QStringList Get_Com_Ports(const QString &Sys_Tty_Root)
{
    QStringList L;
    for (int N = 1; N <= 256; ++N) {
        const QString Dev = Sys_Tty_Root + QStringLiteral("/ttyS%1/device").arg(N - 1);
        if (QFileInfo::exists(Dev))
            L.append(QString::number(N));
    }
    return L;
}
