#include "workspace/Settings.h"
#include "workspace/Workspace.h"
#include "platform/XmlDoc.h"
#include <QFileInfo>

QString Settings_File_Path()
{
    return Exe_Dir + QStringLiteral("/Brindelcor.xml");
}

namespace {
void Set_Defaults()
{
    Project_Name.clear();
    Project_Dir.clear();
    Last_IP_Address = Default_IP_Address;
    Language_Name = Default_Language;
    Enable_Internet = false;
    Enable_Update = false;
    Enable_Jump_Field_Tables = false;
    Double_Click_Auto_Size = false;
}

// Text of Root > Group > Item; throws EXmlError when any step is missing.
QString Must_Text(const TXmlNode *Root, const char *Group, const char *Item)
{
    if (!Root || !Root->Is_Element())
        throw EXmlError(QStringLiteral("No root element"));
    return Root->Must_Child(QLatin1String(Group))->Must_Child(QLatin1String(Item))->Text();
}

bool Flag(const TXmlNode *Group, const char *Name)
{
    if (!Group)
        return false;
    const TXmlNode *N = Group->Find_Child(QLatin1String(Name));
    return N && N->Text() == QLatin1String("1");
}
} // namespace

void Read_Settings(const QString &Path)
{
    Set_Defaults();
    if (!QFileInfo::exists(Path))
        return;
    TXmlDocument Doc;
    try {
        Doc.Load_From_File(Path);
    } catch (const EXmlError &) {
        return; // a damaged file counts as a missing one
    }
    // The root is the first top-level node, whatever its name.
    const TXmlNode *Root = Doc.First_Node();
    try {
        Project_Name = Must_Text(Root, "lastproj", "projectname");
    } catch (const EXmlError &) {
        Project_Name.clear();
    }
    // A name that cannot be one project folder would reach outside PROJECTS.
    if (!Project_Name.isEmpty() && !Is_Valid_Project_Name(Project_Name))
        Project_Name.clear();
    try {
        Last_IP_Address = Must_Text(Root, "lastipadd", "ipaddress");
    } catch (const EXmlError &) {
        Last_IP_Address = Default_IP_Address;
    }
    try {
        Language_Name = Must_Text(Root, "lastlang", "language");
    } catch (const EXmlError &) {
        Language_Name = Default_Language;
    }
    const TXmlNode *Internet = (Root && Root->Is_Element()) ? Root->Find_Child(QStringLiteral("lastinternet")) : nullptr;
    Enable_Internet = Flag(Internet, "enable_internet");
    Enable_Update = Flag(Internet, "enable_update");
    Enable_Jump_Field_Tables = Flag(Internet, "enable_jump_field_tables");
    Double_Click_Auto_Size = Flag(Internet, "Double_Click_Auto_Size");
}

bool Save_Settings(const QString &Path, QString *Error)
{
    TXmlDocument Doc;
    TXmlNode *Root = Doc.Add_Root(QStringLiteral("Conf_Settings"));
    // A name that cannot be stored as it is (a folder made outside the program
    // with a control character in its name) is not remembered: the XML text
    // would lose the character and could name another project.
    const QString Stored_Project = Is_Valid_Project_Name(Project_Name) ? Project_Name : QString();
    Root->Add_Child(QStringLiteral("lastproj"))->Add_Child(QStringLiteral("projectname"))->Set_Text(Stored_Project);
    Root->Add_Child(QStringLiteral("lastipadd"))->Add_Child(QStringLiteral("ipaddress"))->Set_Text(Last_IP_Address);
    Root->Add_Child(QStringLiteral("lastlang"))->Add_Child(QStringLiteral("language"))->Set_Text(Language_Name);
    TXmlNode *Internet = Root->Add_Child(QStringLiteral("lastinternet"));
    const auto Bit = [](bool B) { return B ? QStringLiteral("1") : QStringLiteral("0"); };
    Internet->Add_Child(QStringLiteral("enable_internet"))->Set_Text(Bit(Enable_Internet));
    Internet->Add_Child(QStringLiteral("enable_update"))->Set_Text(Bit(Enable_Update));
    Internet->Add_Child(QStringLiteral("enable_jump_field_tables"))->Set_Text(Bit(Enable_Jump_Field_Tables));
    Internet->Add_Child(QStringLiteral("Double_Click_Auto_Size"))->Set_Text(Bit(Double_Click_Auto_Size));
    return Doc.Save_To_File(Path, Error);
}
