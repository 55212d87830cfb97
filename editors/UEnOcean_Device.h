#pragma once
#include "editors/EnOcean_Security_Rows.h"
#include <QDialog>
class QFrame;
class QLabel;
class TFxButton;

// The device dialog: ID and security settings of one EnOcean device of the
// network. The network editor fills it, shows it and, after OK, copies its
// fields into the device; the dialog holds no device of its own and checks
// only the ID. The item index of every list is the code stored in the device.
class TFEnOcean_Device : public QDialog, public TSecurity_Rows
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
    // Shows text 1026 and returns false when the ID is not valid
    // (Device_Id_Valid).
    bool Check_Data_Device();
    // Runs when the dialog is shown: Change_Form_Size and focus on the ID.
    void FormShow();
    void CB_DevEnOcean_SecTypeChange();

    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void FormCreate();
};
