#pragma once
#include <QList>
#include <QString>

// The engineering units of BACnet (ANSI/ASHRAE 135), codes 0 to 236, with
// the names and the categories the unit chooser offers.

// Name of a unit code; "unknown" for any other number, negative ones included.
QString Desc_Unit(int Num_Unit);

struct TBACnet_Unit_Item
{
    int Code;
    QString Name; // as the chooser lists it (three items are worded apart from Desc_Unit)
};

struct TBACnet_Unit_Category
{
    QString Name;
    QList<TBACnet_Unit_Item> Units; // in list order
};

// The 23 categories in the chooser's order; every code 0 to 236 occurs once.
const QList<TBACnet_Unit_Category> &BACnet_Unit_Categories();
