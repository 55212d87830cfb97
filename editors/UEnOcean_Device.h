#pragma once
#include <QDialog>
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class TDevice_EnOcean;
class TFxButton;

// The device dialog: ID and security settings of one EnOcean device of the
// network. The network editor fills it, shows it and, after OK, copies its
// fields into the device; the dialog holds no device of its own and checks
// only the ID. The item index of every list is the code stored in the device.
class TFEnOcean_Device : public QDialog
{
    Q_OBJECT
public:
    explicit TFEnOcean_Device(QWidget *Parent = nullptr);

    // 0 while a device is being added, 1 while one is modified; set by the
    // editor before each show.
    int Mode = 0;

    // Texts 1000 to 1025 (applied once, at creation).
    void Set_Lang();
    // Titles by Mode, the rows the security type uses, and the height that
    // ends 51 pixels below the last visible field.
    void Change_Form_Size();
    // Closes with OK when the ID is valid; otherwise the dialog stays open.
    void Btn_OKClick();
    // The ID must be a whole number (decimal, or hexadecimal after "$", "x",
    // "0x") from 0 to 4294967295; otherwise text 1026 is shown.
    bool Check_Data_Device();
    // Runs when the dialog is shown: Change_Form_Size and focus on the ID.
    void FormShow();
    void CB_DevEnOcean_SecTypeChange();

    // The editor's two copies: every field of a device into the dialog (the
    // modify flow), and every field of the dialog into a device after OK.
    // Hidden fields are copied too; a list with no item chosen (a code the
    // file held beyond the list) leaves the device's code as it is.
    void Show_Device(const TDevice_EnOcean &Device);
    void Store_Device(TDevice_EnOcean &Device) const;

    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
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
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void FormCreate();
};
