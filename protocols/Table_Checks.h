#pragma once
#include "protocols/CellTable.h"
#include <QSet>
#include <QString>

// The checks the MQTT topic editor and the BACnet object access editor run
// before they write their file. They read the tables as the grids hold them
// (columns by their place in the full column list) and stop at the first
// failing check; the window turns the result into its message box.

// The first failing check, or none.
struct TTable_Check_Result
{
    int Text = 0;      // text number of the check's message; 0 when every row passed
    int Row = 0;       // grid row of the failure; 0 for a failure of the whole table
    QString Suffix;    // appended after the check's text (a highest position, a limit)
    bool Passed() const { return Text == 0; }
};

// ---- MQTT topic tables -------------------------------------------------------

// True when Str holds an odd number of "$": a keyword is not closed.
bool Error_In_Topic_Template(const QString &Str);

// The columns the editor keeps hidden skip their checks.
struct TMQTT_Check_Input
{
    const TCellTable *Publish = nullptr;
    QSet<int> Publish_Hidden;
    const TCellTable *Subscribe = nullptr;
    QSet<int> Subscribe_Hidden;
    int Byte_IN = 1440;   // publish positions run 0 .. Byte_IN - 1
    int Byte_OUT = 1440;  // subscribe positions run 0 .. Byte_OUT - 1
};
TTable_Check_Result Check_MQTT_Tables(const TMQTT_Check_Input &In);

// The prefix of every row failure: text 1451 "Error row ".
constexpr int MQTT_Row_Prefix_Text = 1451;

// ---- BACnet object tables -------------------------------------------------------

struct TBACnet_Check_Input
{
    const TCellTable *Read = nullptr;
    const TCellTable *Write = nullptr;
    int NByte_IN = 1500;
    int NByte_OUT = 1500;
    bool Desc_Lenght = false; // halves the object limit (1000 instead of 2000)
};
TTable_Check_Result Check_BACnet_Tables(const TBACnet_Check_Input &In);

// The prefix of every row failure: text 1932 "Error row ".
constexpr int BACnet_Row_Prefix_Text = 1932;

// The Length a write row gets when its data type is chosen (compared upper-
// cased); a null text for a type without a default.
QString BACnet_Write_Default_Length(const QString &Data_Type);

// Data types offered by the read and the write table, in list order.
const QStringList &BACnet_Read_Data_Types();
const QStringList &BACnet_Write_Data_Types();
