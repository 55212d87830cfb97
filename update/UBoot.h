#pragma once
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/ProcessRun.h"
#include <QDialog>
#include <QPointer>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TFxButton;
class QWidget;

// The device update dialog: the engineer enters the gateway's IPv4 address
// and what to transfer; Update checks with ICMP echoes that the gateway
// answers, then writes the job file and runs the maker's update program.
//
// Form_Type: 0 serial line, 1 Ethernet, 2 USB. The Update step opens it in
// mode 1 only; mode 0 (COM port list) is complete, mode 2 has titles only.
class TFBoot : public QDialog
{
    Q_OBJECT
public:
    explicit TFBoot(QWidget *Parent = nullptr);

    int Form_Type = 1;
    // Outcome of the last echo reply: 0 none yet, 1 with data, 2 without data.
    int ping_res = 0;

    void Set_Lang();
    void FormShow();
    void Btn_UpdateClick();
    void Btn_CancelClick();
    void Btn_COM_ListClick();
    // Key-press handler of E_IP1 to E_IP4: a "." jumps to the next box and is
    // discarded (Key set to null); other keys are left alone.
    void KeyPress(QObject *Sender, QChar &Key);
    void update_ComPort();
    // True when the device answered; see update/PingCheck.h.
    bool Send_Ping();
    // Writes Lanwick_Refresh.xml in the program folder from the controls;
    // false with Error when it cannot be saved.
    bool Compile_XML_Parameter_New_Boot(QString *Error = nullptr);

    // Cancel, Escape: during the check it ends the check (the dialog closes
    // when the check has stopped); while the update program runs it is ignored.
    void reject() override;

    // True while the echo check runs (Update disabled, Cancel ends the check).
    bool Checking() const { return FChecking; }
    // True while the update program is waited for.
    bool Waiting() const { return FWaiting; }
    // The wait for the update program (tests look at its bound).
    TProcess_Wait *Update_Wait() const { return FUpdate_Wait; }

    // Starts the update program without arguments and returns at once; the
    // end (or the bound) is reported from the event loop. tipo 0 asks for a
    // visible window, any other value for a hidden one. The result tells
    // whether the program started.
    TProcess_Run Start_Program(const QString &NomeSW, const QString &Parameter, int tipo);

    // ---- Controls ----
    QWidget *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QWidget *P_IP_Address = nullptr;
    QLabel *L_IP_Address = nullptr;
    QLineEdit *E_IP1 = nullptr;
    QLineEdit *E_IP2 = nullptr;
    QLineEdit *E_IP3 = nullptr;
    QLineEdit *E_IP4 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QWidget *P_Options = nullptr;
    QLabel *L_Update_Option = nullptr;
    QComboBox *CB_Update_Options = nullptr;
    QCheckBox *CB_Update_Option_Read_Back = nullptr;
    QWidget *P_Serial = nullptr;
    QLabel *L_COM_Port = nullptr;
    QComboBox *CB_COM_Port = nullptr;
    TFxButton *Btn_COM_List = nullptr;
    // The device search panel: never shown, no behaviour.
    QWidget *P_Eth_Search = nullptr;
    QLabel *L_List_Device = nullptr;
    TFxButton *Btn_Search = nullptr;
    // The found devices: two columns, headers and hint from the language; it stays empty.
    VIdiDidireDedu *CG_List_Devices = nullptr;
    QCheckBox *CB_Find_All_QRX = nullptr;
    QWidget *P_Button = nullptr;
    TFxButton *Btn_Cancel = nullptr;
    TFxButton *Btn_Update = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;

private:
    QString Target_Address() const;
    void Stack_Panels(const QList<QWidget *> &Panels);
    void Select_Update_Option();
    void Set_Busy(bool Busy);
    // Checks, job file and launch (mode 1, device found).
    void Run_Update_Program();
    // The reports once the update program has ended or the bound has passed.
    void Update_Program_Ended(const TProcess_Run &R);

    bool FChecking = false;
    bool FCancel_Requested = false;
    bool FWaiting = false;
    QString FPing_Error;   // why the last echo could not be sent
    TProcess_Wait *FUpdate_Wait = nullptr;
};

// The update program is waited for at most 150 s; it is never stopped.
constexpr std::uint32_t Update_Program_Bound_Ms = 150000;
