#include "editors/EnOcean_Editor_Parts.h"
#include "catalog/CatalogEnOcean.h"
#include <QComboBox>
#include <QTreeWidget>

void Fill_List(QComboBox *List, const QStringList &Items)
{
    List->clear();
    List->addItems(Items);
    List->setCurrentIndex(-1);
}

TEEP_Choice Catalogue_Choice(const TCatalog_EnOcean *Catalog, int Rorg, int Func, int Type, int Case, int Field)
{
    TEEP_Choice C;
    if (!Catalog)
        return C;
    C.Rorg = Item_At(Catalog->List_Rorg, Rorg);
    C.Func = C.Rorg ? Item_At(C.Rorg->List_Func, Func) : nullptr;
    C.Type = C.Func ? Item_At(C.Func->List_Type, Type) : nullptr;
    C.Case = C.Type ? Item_At(C.Type->List_Case, Case) : nullptr;
    C.Field = C.Case ? Item_At(C.Case->List_DataField, Field) : nullptr;
    return C;
}

namespace {
QString Hex2(int Number)
{
    return QString::number(Number, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}
} // namespace

void Show_EEP_Tree(QTreeWidget *Tree, const QString &Root_Text, const std::vector<std::unique_ptr<TRorFunTyp>> *List)
{
    Tree->clear();
    if (!List)
        return;
    auto *Root = new QTreeWidgetItem(Tree, {Root_Text});
    for (const auto &Entry : *List) {
        auto *Node = new QTreeWidgetItem(Root, {QStringLiteral("EEP - RORG : 0x") + Hex2(Entry->FRorgNum)
                                                + QStringLiteral(" FUNC : 0x") + Hex2(Entry->FFuncNum)
                                                + QStringLiteral(" TYPE : 0x") + Hex2(Entry->FTypeNum)});
        for (const auto &Var : Entry->VariableList)
            new QTreeWidgetItem(Node, {QStringLiteral("Variable - ") + Var->FData});
    }
    Tree->expandAll();
}

void EEP_Tree_Selection(const QTreeWidget *Tree, int &Ind_EEP, int &Ind_Var)
{
    Ind_EEP = -1;
    Ind_Var = -1;
    const QList<QTreeWidgetItem *> Selected = Tree->selectedItems();
    QTreeWidgetItem *Item = Selected.isEmpty() ? nullptr : Selected.first();
    QTreeWidgetItem *Root = Tree->topLevelItem(0);
    if (!Item || !Root || Item == Root)
        return;
    if (Item->parent() == Root) {
        Ind_EEP = Root->indexOfChild(Item);
    } else if (Item->parent() && Item->parent()->parent() == Root) {
        Ind_EEP = Root->indexOfChild(Item->parent());
        Ind_Var = Item->parent()->indexOfChild(Item);
    }
}
