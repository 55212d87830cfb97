#include "protocols/TableFile.h"
#include "platform/TrimEnds.h"
#include "platform/XmlDoc.h"
#include <QFileInfo>

TXmlNode *First_Element(const TXmlDocument &Doc)
{
    for (int I = 0; I < Doc.Node_Count(); ++I)
        if (Doc.Node(I)->Is_Element())
            return Doc.Node(I);
    return nullptr;
}

namespace {
TTableLoadIssue Issue(TTableLoadIssue::TKind Kind, const QString &List, int Row = 0, const QString &Attribute = QString(),
                      int Count = 0)
{
    TTableLoadIssue I{Kind, List, Row, Attribute, Count};
    return I;
}

void Load_List(const TXmlNode *Root, const TTableList &L, TTableLoadResult &Result)
{
    const QString List = QString::fromLatin1(L.List);
    TXmlNode *Node = Root ? Root->Find_Child(List) : nullptr;
    if (!Node) {
        Result.Issues.append(Issue(TTableLoadIssue::ikNoList, List));
        return;
    }
    const QList<TXmlNode *> Rows = Node->Child_Elements();
    const int Capacity = L.Table->Row_Count() - 1;
    const int Loaded = std::min(static_cast<int>(Rows.size()), Capacity);
    int First_Empty_Key = 0;
    for (int K = 0; K < Loaded; ++K) {
        const TXmlNode *Row_Node = Rows[K];
        const int Row = K + 1;
        for (const TAttrColumn &A : L.Columns) {
            const QString Name = QString::fromLatin1(A.Attribute);
            if (Row_Node->Has_Attribute(Name)) {
                L.Table->Set_Cell(A.Col, Row, Row_Node->Attribute(Name));
                continue;
            }
            switch (A.Missing) {
            case TMissingAttr::maReport:
                Result.Issues.append(Issue(TTableLoadIssue::ikMissingAttribute, List, Row, Name));
                L.Table->Set_Cell(A.Col, Row, QString());
                break;
            case TMissingAttr::maEmpty:
                L.Table->Set_Cell(A.Col, Row, QString());
                break;
            case TMissingAttr::maNo:
                L.Table->Set_Cell(A.Col, Row, QStringLiteral("N"));
                break;
            }
        }
        for (const TPresetColumn &P : L.Presets)
            L.Table->Set_Cell(P.Col, Row, QString::fromLatin1(P.Text));
        if (First_Empty_Key == 0 && Trim_Ends(L.Table->Cell(L.Key_Col, Row)).isEmpty())
            First_Empty_Key = Row;
    }
    // A save stops at the first empty key: say so when rows stand behind it.
    if (First_Empty_Key != 0 && First_Empty_Key < Loaded)
        Result.Issues.append(Issue(TTableLoadIssue::ikRowsAfterEmptyKey, List, First_Empty_Key, QString(),
                                   Loaded - First_Empty_Key));
    if (Rows.size() > Capacity)
        Result.Issues.append(Issue(TTableLoadIssue::ikRowsIgnored, List, 0, QString(),
                                   static_cast<int>(Rows.size()) - Capacity));
}
} // namespace

void Load_Table_Document(const TXmlDocument &Doc, std::span<const TTableList> Lists, TTableLoadResult &Result)
{
    const TXmlNode *Root = First_Element(Doc);
    for (const TTableList &L : Lists)
        Load_List(Root, L, Result);
}

TTableLoadResult Load_Table_File(const QString &Path, std::span<const TTableList> Lists)
{
    TTableLoadResult Result;
    for (const TTableList &L : Lists)
        L.Table->Clear();
    if (!QFileInfo(Path).isFile()) {
        Result.Status = TTableLoadStatus::lsNoFile;
        return Result;
    }
    TXmlDocument Doc;
    try {
        Doc.Load_From_File(Path);
    } catch (const EXmlError &E) {
        Result.Status = TTableLoadStatus::lsNotReadable;
        Result.Message = E.Text;
        Result.Line = E.Line;
        Result.Column = E.Column;
        return Result;
    }
    Load_Table_Document(Doc, Lists, Result);
    return Result;
}

void Build_Table_Document(TXmlDocument &Doc, const QString &Root, const QString &Comment,
                          std::span<const TTableList> Lists)
{
    Doc.Clear();
    TXmlNode *R = Doc.Add_Root(Root);
    Doc.Add_Comment(Comment);
    for (const TTableList &L : Lists) {
        TXmlNode *List = R->Add_Child(QString::fromLatin1(L.List));
        const int Used = L.Table->Used_Rows(L.Key_Col);
        for (int Row = 1; Row <= Used; ++Row) {
            TXmlNode *E = List->Add_Child(QStringLiteral("row"));
            for (const TAttrColumn &A : L.Columns)
                E->Set_Attribute(QString::fromLatin1(A.Attribute), L.Table->Cell(A.Col, Row));
        }
    }
}
