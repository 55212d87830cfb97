#pragma once
#include <QtGlobal>
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class TDevice_EnOcean;

// The device rows that the device dialog and the older editor both show, one
// under the other: ID, security type, key, rolling code, and the rolling code
// algorithm and transmission, CMAC, data encryption and PTM choices. The item
// index of every list is the code stored in the device; the items are fixed
// English words. A window takes these members under their own names.
struct TSecurity_Rows
{
    enum { rowId, rowSecType, rowKey, rowRollCode, rowRollCodeAlg, rowRollCodeTx, rowCMACAlg, rowDataEnc, rowPTM,
           rowCount };
    // Largest ID the gateway can store: it keeps the 32 bits of the ID.
    static constexpr qint64 Max_Device_Id = 4294967295LL;

    // Creates the rows on Parent: labels at 16, fields 201 wide at 160, each
    // field at its top and its label 3 pixels lower. Key and rolling code
    // take at most 16 characters.
    void Make_Security_Rows(QWidget *Parent, const int (&Field_Top)[rowCount]);
    // Labels and hints from the text table: label First_Text, hint
    // First_Text + 1, and so on down the rows.
    void Set_Security_Texts(int First_Text);
    // Shows the rows the chosen security type uses (the key for types 1 and
    // 2, the rest for type 2 only; hidden fields keep their contents) and
    // returns the last visible row, or -1 leaving everything as it is when
    // no type is chosen.
    int Show_Security_Rows();
    QLabel *Row_Label(int Row) const;
    QWidget *Row_Field(int Row) const;

    // The editors' copies: every field of a device into the rows, hidden ones
    // too, and back after OK; a list without a chosen item (a code a file
    // held beyond the list) keeps the device's code.
    void Show_Device(const TDevice_EnOcean &Device);
    void Store_Device(TDevice_EnOcean &Device) const;
    // The ID is a whole number (decimal, or hexadecimal after "$", "x",
    // "0x") from 0 to Max_Device_Id.
    bool Device_Id_Valid() const;

    QLabel *L_DevEnOcean_ID = nullptr;
    QLineEdit *E_DevEnOcean_ID = nullptr;
    QLabel *L_DevEnOcean_SecType = nullptr;
    QComboBox *CB_DevEnOcean_SecType = nullptr;
    QLabel *L_DevEnOcean_Secure_Key = nullptr;
    QLineEdit *E_DevEnOcean_Secure_Key = nullptr;
    QLabel *L_DevEnOcean_Secure_RollCode = nullptr;
    QLineEdit *E_DevEnOcean_Secure_RollCode = nullptr;
    QLabel *L_DevEnOcean_Secure_RollCodeAlg = nullptr;
    QComboBox *CB_DevEnOcean_Secure_RollCodeAlg = nullptr;
    QLabel *L_DevEnOcean_Secure_RollCodeTx = nullptr;
    QComboBox *CB_DevEnOcean_Secure_RollCodeTx = nullptr;
    QLabel *L_DevEnOcean_Secure_CMACAlg = nullptr;
    QComboBox *CB_DevEnOcean_Secure_CMACAlg = nullptr;
    QLabel *L_DevEnOcean_Secure_DataEnc = nullptr;
    QComboBox *CB_DevEnOcean_Secure_DataEnc = nullptr;
    QLabel *L_DevEnOcean_Secure_PTM = nullptr;
    QComboBox *CB_DevEnOcean_Secure_PTM = nullptr;
};
