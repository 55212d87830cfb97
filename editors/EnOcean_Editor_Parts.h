#pragma once
#include "editors/EnOcean_Network.h"
#include <QStringList>
#include <memory>
#include <vector>
class QComboBox;
class QTreeWidget;
class TCase;
class TCatalog_EnOcean;
class TDataField;
class TFunc;
class TRorg;
class TType;

// Pieces the EnOcean editors and their dialogs share.

// The object at Index of an owning list, nullptr when Index lies outside it.
template <class T>
T *Item_At(const std::vector<std::unique_ptr<T>> &List, int Index)
{
    return Index >= 0 && Index < static_cast<int>(List.size()) ? List[static_cast<size_t>(Index)].get() : nullptr;
}

// Fills a drop-down list; filling leaves it with no item chosen.
void Fill_List(QComboBox *List, const QStringList &Items);

// The catalogue objects at the positions chosen in the cascading lists
// (RORG, FUNC, TYPE, case, data field); nullptr from the first position that
// names nothing down.
struct TEEP_Choice
{
    const TRorg *Rorg = nullptr;
    const TFunc *Func = nullptr;
    const TType *Type = nullptr;
    const TCase *Case = nullptr;
    const TDataField *Field = nullptr;
};
TEEP_Choice Catalogue_Choice(const TCatalog_EnOcean *Catalog, int Rorg, int Func, int Type, int Case = -1,
                             int Field = -1);

// The EEP tree of one device's list: the root Root_Text, one node per entry
// ("EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x01", at least two upper-case
// hexadecimal digits each) and under it one node per variable ("Variable - "
// and its data field), all expanded. Without a list the tree stays empty.
void Show_EEP_Tree(QTreeWidget *Tree, const QString &Root_Text, const std::vector<std::unique_ptr<TRorFunTyp>> *List);
// The selected node's position: the i-th EEP node gives Ind_EEP i and
// Ind_Var -1, its j-th variable node Ind_EEP i and Ind_Var j; the root, no
// selection or an empty tree give -1 for both.
void EEP_Tree_Selection(const QTreeWidget *Tree, int &Ind_EEP, int &Ind_Var);
