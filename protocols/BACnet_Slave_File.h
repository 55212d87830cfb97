#pragma once
#include "protocols/CellTable.h"
#include <QList>

class TXmlDocument;

// BACnet_Slave.xml: the BACnet objects read ("BACnet in Read") and written
// ("BACnet in Write") by the gateway, held as the access editor's two grids
// hold them: 2001 rows (2000 objects), or 1001 rows when the project allows
// 32-character descriptions; 8 columns. A table ends at its first row whose
// Data Type, trimmed, is empty.
class TBACnet_Slave_File
{
public:
    enum TCol { bcDataType = 1, bcEngUnit, bcPosition, bcBit, bcLength, bcSwap, bcMnemonic };
    static constexpr int Cols = 8;
    static int Grid_Rows(bool Desc_Lenght) { return Desc_Lenght ? 1001 : 2001; }

    explicit TBACnet_Slave_File(bool Desc_Lenght = false);

    TCellTable FRead;
    TCellTable FWrite;

    // Clears both tables and reads the file (see TTableLoadResult).
    TTableLoadResult Load(const QString &Path);
    void Load_Document(const TXmlDocument &Doc, TTableLoadResult &Result);

    // Root BACnet_to_Modbus, comment "SW_VERSION = 1.000" after it,
    // BACnet_in_Read then BACnet_in_Write with one row per used row.
    void Build_Document(TXmlDocument &Doc) const;
    bool Save(const QString &Path, QString *Error = nullptr) const;
};

// One object as the EDE writer takes it from the file.
struct TBACnet_Object_Row
{
    QString Data_Type;
    QString Eng_Unit;
    QString Mnemonic;
};

// Every row element of BACnet_in_Read, then of BACnet_in_Write, in document
// order, unbounded and unfiltered (the EDE file lists what the file holds).
// A missing file or list gives no rows; a missing attribute an empty text.
// Returns false (Error set) only when the file exists but cannot be read.
bool Read_BACnet_Object_Rows(const QString &Path, QList<TBACnet_Object_Row> &Rows, QString *Error = nullptr);
