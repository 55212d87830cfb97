#include "protocols/Protocol_Params.h"
#include "platform/TrimEnds.h"
#include "platform/TextToInt.h"
#include "platform/XmlDoc.h"
#include <QFileInfo>
#include <optional>

namespace {
// The root's element texts, looked up by name; nullopt for anything missing.
class TParGen_Reader
{
public:
    explicit TParGen_Reader(const QString &Path)
    {
        if (!QFileInfo(Path).isFile())
            return;
        try {
            FDoc.Load_From_File(Path);
            FRoot = FDoc.First_Node();
        } catch (const EXmlError &) {
            FRoot = nullptr;
        }
    }
    bool Exists() const { return FRoot != nullptr; }
    std::optional<QString> Text(const char *Name) const
    {
        if (!FRoot || !FRoot->Is_Element())
            return std::nullopt;
        const TXmlNode *E = FRoot->Find_Child(QString::fromLatin1(Name));
        if (!E || !E->Is_Text_Element())
            return std::nullopt;
        return E->Text();
    }
    int Int(const char *Name, int Default) const
    {
        const auto T = Text(Name);
        return T ? Str_To_Int_Def(*T, Default) : Default;
    }

private:
    TXmlDocument FDoc;
    const TXmlNode *FRoot = nullptr;
};
} // namespace

bool Read_BACnet_Desc_Chars_Limit(const QString &File_ParGen)
{
    return TParGen_Reader(File_ParGen).Text("BACnet_Desc_Chars_Limit") == QStringLiteral("1");
}

TBACnet_EDE_Param Read_BACnet_Param(const QString &File_ParGen)
{
    TBACnet_EDE_Param P;
    const TParGen_Reader R(File_ParGen);
    if (!R.Exists())
        return P;
    const char *Dev = R.Int("BACnet_Type", 0) == 1 ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE";
    P.Dev_Instance = R.Text(Dev).value_or(QString());
    if (R.Text("BACnet_Desc_Chars_Limit") == QStringLiteral("1"))
        P.Name_Length = 32;
    return P;
}

TPROFINET_Param Read_PROFINET_Param(const QString &File_ParGen)
{
    TPROFINET_Param P;
    const TParGen_Reader R(File_ParGen);
    P.Nb_In = R.Int("PROFINET_NB_IN", 1438);
    P.Nb_Out = R.Int("PROFINET_NB_OUT", 1438);
    if (const auto Name = R.Text("PROFINET_NAME_STA"))
        P.Station_Name = *Name;
    if (Trim_Ends(P.Station_Name).isEmpty())
        P.Station_Name = QStringLiteral("SERIAL");
    return P;
}

TGSD_Counts Read_GSD_Counts(const QString &File_ParGen)
{
    const TParGen_Reader R(File_ParGen);
    return {R.Int("PROFINET_NB_IN", 0), R.Int("PROFINET_NB_OUT", 0)};
}

bool ParGen_Unreadable(const QString &File_ParGen, QString *Reason)
{
    return Xml_File_Unreadable(File_ParGen, Reason);
}

bool Xml_File_Unreadable(const QString &Path, QString *Reason)
{
    if (!QFileInfo(Path).isFile())
        return false;
    TXmlDocument Doc;
    try {
        Doc.Load_From_File(Path);
    } catch (const EXmlError &E) {
        if (Reason)
            *Reason = E.Text_With_Position();
        return true;
    }
    return false;
}
