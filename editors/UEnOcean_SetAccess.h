#pragma once
#include "editors/EnOcean_Network.h"
#include "editors/EnOcean_Security_Rows.h"
#include <QDialog>
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QTreeWidget;
class QWidget;
class TCatalog_EnOcean;
class TFxButton;
class TGlideTab;
class TGlideTabs;

// The older editor of the project's EnOcean network (EnOcean.xml): the device
// list on the left; on the right a page for the selected device's ID and
// security settings and a page for its EEPs and variables, edited in place
// with drop-down lists instead of dialogs. The program creates it at start
// and re-applies its texts after a language switch; no step shows it.
//
// The Ruzor AVI page repeats the unidirectional page's controls, bound to
// the same handlers, which act on the unidirectional controls only; the
// tree always reads TW_UniSmart_EEP.
class TFEnOcean_SetAccess : public QDialog, public TSecurity_Rows
{
    Q_OBJECT
public:
    static constexpr int Client_Width = 1150;
    static constexpr int Client_Height = 650;
    // Positions the variable page accepts.
    static constexpr int Max_Position = 1999;

    explicit TFEnOcean_SetAccess(QWidget *Parent = nullptr);
    ~TFEnOcean_SetAccess() override;

    // The catalogue the lists are filled from (not owned); set once by the program.
    const TCatalog_EnOcean *Catalog = nullptr;

    // ---- Data ----
    TDevice_List DevList;
    int Ind_EEP = -1; // EEP node position under the tree's root, -1 for none
    int Ind_Var = -1; // variable node position under that EEP, -1 for none

    // ---- Handlers ----
    void Set_Lang();  // texts 800 to 863
    void FormShow();
    void FormClose();
    void Btn_OKClick();
    void LB_ID_Devices_ListClick();
    void Btn_Add_Modify_DeviceClick(QObject *Sender);
    void CB_DevEnOcean_SecTypeChange();
    void CT_ID_DataActiveTabChanged(QObject *Sender, TGlideTab *Tab);
    void CT_Uni_Smart_RemoteActiveTabChanged(QObject *Sender, TGlideTab *Tab);
    void CT_EEP_VarActiveTabChanged(QObject *Sender, TGlideTab *Tab);
    void CT_EEP_Var_SmartActiveTabChanged(QObject *Sender, TGlideTab *Tab);
    void TW_UniSmart_EEPClick(QObject *Sender);
    void CB_EEP_Rorg_Func_Type_Change(QObject *Sender);
    void Btn_EEP_Add_Modify_Click(QObject *Sender);
    void Btn_Var_Add_Modify_Click(QObject *Sender);

    // ---- Operations ----
    bool Load_Configuration();
    bool Save_Configuration();
    void Cancel_Devices_List();
    void Show_Id_List();
    void Update_IdSec_DataEx(int Index);
    void Update_ID_Security(int Index);
    void Update_Data_Exchange(int Index);
    void Update_DE_Unidirectional(int Index);
    void Update_DE_Smart_Ack(int Index);
    void Update_DE_Remote(int Index);
    void Update_EEP_VAR();
    // The ID must be a whole number from 0 to 4294967295 (text 1026 otherwise).
    bool Check_Data_Device();
    // The checks before an EEP is added; Index is the entry left out of the
    // duplicate test (-1 for none). The first failure shows its message.
    bool Check_EEP(int Index);
    bool Check_Var();

    // The list box's selected device, -1 for none.
    int Selected_Device() const;
    // The list of the active tab (0 unidirectional, 1 Ruzor AVI) of the
    // selected device; nullptr for any other tab or without a device.
    std::vector<std::unique_ptr<TRorFunTyp>> *Active_EEP_List();

    // ---- Controls ----
    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *PEnOcean_ID = nullptr;
    QLabel *L_ID_Devices_List = nullptr;
    QListWidget *LB_ID_Devices_List = nullptr;
    QWidget *PEnOcean_DefID = nullptr;
    TGlideTabs *CT_ID_Data = nullptr;
    QWidget *PEnOcean_DefID_IDSec = nullptr;
    QWidget *PEnOcean_DefID_DataEx = nullptr;

    // the ID page's rows: TSecurity_Rows
    TFxButton *Btn_Add_Device = nullptr;
    TFxButton *Btn_Modify_Device = nullptr;
    TFxButton *Btn_Delete_Device = nullptr;

    TGlideTabs *CT_Uni_Smart_Remote = nullptr;
    QWidget *PEnOcean_DefID_Data_Uni = nullptr;
    QWidget *PEnOcean_DefID_Data_Smart = nullptr;

    // One data page: the tree, the EEP/Variable strip and its two pages.
    struct TData_Page
    {
        QTreeWidget *TW = nullptr;
        QSplitter *Splitter = nullptr;
        TGlideTabs *CT_EEP_Var = nullptr;
        QWidget *EEP_Page = nullptr, *Var_Page = nullptr;
        QLabel *L_EEP_Rorg = nullptr, *L_EEP_Func = nullptr, *L_EEP_Type = nullptr;
        QComboBox *CB_EEP_Rorg = nullptr, *CB_EEP_Func = nullptr, *CB_EEP_Type = nullptr;
        TFxButton *Btn_EEP_Add = nullptr, *Btn_EEP_Modify = nullptr, *Btn_EEP_Delete = nullptr;
        QLabel *L_Var_Case = nullptr, *L_Var_DataField = nullptr, *L_Var_Position = nullptr,
               *L_Var_BitStart = nullptr;
        QComboBox *CB_Var_Case = nullptr, *CB_Var_DataField = nullptr, *CB_Var_BitStart = nullptr;
        QLineEdit *E_Var_Position = nullptr;
        TFxButton *Btn_Var_Add = nullptr, *Btn_Var_Modify = nullptr, *Btn_Var_Delete = nullptr;
    };
    TData_Page Uni;   // TW_UniSmart_EEP, CT_EEP_Var, CB_EEP_Rorg, ..., Btn_Var_Delete
    TData_Page Smart; // TW_Smart_EEP, CT_EEP_Var_Smart, CB_EEP_Rorg_Smart, ..., Btn_Var_Delete_Smart

    // The unidirectional page's controls under their own names.
    QTreeWidget *TW_UniSmart_EEP = nullptr;
    TGlideTabs *CT_EEP_Var = nullptr;
    QComboBox *CB_EEP_Rorg = nullptr;
    QComboBox *CB_EEP_Func = nullptr;
    QComboBox *CB_EEP_Type = nullptr;
    QComboBox *CB_Var_Case = nullptr;
    QComboBox *CB_Var_DataField = nullptr;
    QLineEdit *E_Var_Position = nullptr;
    QComboBox *CB_Var_BitStart = nullptr;
    TFxButton *Btn_EEP_Add = nullptr;
    TFxButton *Btn_EEP_Modify = nullptr;
    TFxButton *Btn_EEP_Delete = nullptr;
    TFxButton *Btn_Var_Add = nullptr;
    TFxButton *Btn_Var_Modify = nullptr;
    TFxButton *Btn_Var_Delete = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    void done(int Result) override;

private:
    void FormCreate();
    void Make_ID_Page();
    void Make_Data_Page(QWidget *Parent, TData_Page &Page, const char *Suffix, bool Smart);
    void Lay_Out();
    // Places Page over the whole area of its parent below a 30-pixel strip.
    void Show_Page(QWidget *Page, bool Shown);
};
