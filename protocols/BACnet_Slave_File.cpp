#include "protocols/BACnet_Slave_File.h"
#include "protocols/TableFile.h"
#include "platform/XmlDoc.h"
#include <QFileInfo>
#include <array>

namespace {
using F = TBACnet_Slave_File;

const TAttrColumn Columns[] = {
    {"Data_Type", F::bcDataType, TMissingAttr::maReport},
    {"Eng_Unit", F::bcEngUnit, TMissingAttr::maReport},
    {"Position", F::bcPosition, TMissingAttr::maReport},
    {"Bit", F::bcBit, TMissingAttr::maReport},
    {"Length", F::bcLength, TMissingAttr::maReport},
    {"Swap", F::bcSwap, TMissingAttr::maNo},
    {"Mnemonic", F::bcMnemonic, TMissingAttr::maReport},
};

std::array<TTableList, 2> Lists_Of(const TBACnet_Slave_File &File)
{
    auto &M = const_cast<TBACnet_Slave_File &>(File); // building the file only reads the tables
    return {{
        {"BACnet_in_Read", &M.FRead, Columns, {}, F::bcDataType},
        {"BACnet_in_Write", &M.FWrite, Columns, {}, F::bcDataType},
    }};
}
} // namespace

TBACnet_Slave_File::TBACnet_Slave_File(bool Desc_Lenght)
    : FRead(Grid_Rows(Desc_Lenght), Cols), FWrite(Grid_Rows(Desc_Lenght), Cols)
{
}

TTableLoadResult TBACnet_Slave_File::Load(const QString &Path) { return Load_Table_File(Path, Lists_Of(*this)); }

void TBACnet_Slave_File::Load_Document(const TXmlDocument &Doc, TTableLoadResult &Result)
{
    const auto Lists = Lists_Of(*this);
    for (const TTableList &L : Lists)
        L.Table->Clear();
    Load_Table_Document(Doc, Lists, Result);
}

void TBACnet_Slave_File::Build_Document(TXmlDocument &Doc) const
{
    Build_Table_Document(Doc, QStringLiteral("BACnet_to_Modbus"), QStringLiteral("SW_VERSION = 1.000"), Lists_Of(*this));
}

bool TBACnet_Slave_File::Save(const QString &Path, QString *Error) const
{
    TXmlDocument Doc;
    Build_Document(Doc);
    return Doc.Save_To_File(Path, Error);
}

bool Read_BACnet_Object_Rows(const QString &Path, QList<TBACnet_Object_Row> &Rows, QString *Error)
{
    Rows.clear();
    if (!QFileInfo(Path).isFile())
        return true;
    TXmlDocument Doc;
    try {
        Doc.Load_From_File(Path);
    } catch (const EXmlError &E) {
        if (Error)
            *Error = E.Text_With_Position();
        return false;
    }
    const TXmlNode *Root = First_Element(Doc);
    if (!Root)
        return true;
    for (const char *List : {"BACnet_in_Read", "BACnet_in_Write"}) {
        const TXmlNode *L = Root->Find_Child(QString::fromLatin1(List));
        if (!L)
            continue;
        for (const TXmlNode *R : L->Child_Elements())
            Rows.append({R->Attribute_Or(QStringLiteral("Data_Type"), QString()),
                         R->Attribute_Or(QStringLiteral("Eng_Unit"), QString()),
                         R->Attribute_Or(QStringLiteral("Mnemonic"), QString())});
    }
    return true;
}
