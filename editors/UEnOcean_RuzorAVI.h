#pragma once
#include "editors/EnOcean_Editor_Parts.h"
#include <QDialog>
class QComboBox;
class QFrame;
class QLabel;
class VIdiDidireDedu;
class TCatalog_EnOcean;
class TCase;
class TFunc;
class TFxButton;
class TRorg;
class TType;

// The table type of the Ruzor AVI variables.
using TSAck_Table = VIdiDidireDedu;

// The Ruzor AVI variable dialog: a Ruzor AVI EEP (the fixed RORG and FUNC of
// the catalogue, a TYPE chosen) with a case of incoming and a case of
// outgoing data, each with a table of its data fields (name, enabled,
// position, start bit). Its captions are fixed English words.
class TFEnOcean_Variable_SAck : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Client_Width = 464;
    static constexpr int Client_Height = 694;
    // The Ruzor AVI EEP: fixed positions in the catalogue's lists.
    static constexpr int SAck_Rorg_Index = 3;
    static constexpr int SAck_Func_Index = 9;
    // Table columns.
    enum { colVariables, colEnable, colPosition, colBitStart, colCount };

    // The catalogue is read, never owned; it fills the RORG list once, now.
    explicit TFEnOcean_Variable_SAck(const TCatalog_EnOcean *Catalog, QWidget *Parent = nullptr);

    // ---- Set by the editor before each show: the device checked against ----
    const TDevice_List *DevList = nullptr;
    int Ind_Device = -1;

    int Form_Height = 0; // the height at creation, kept when resized
    // Output of the check: the chosen EEP's position in the device's
    // SmartACKList, -1 when it is new to the device.
    int EEP_Index = -1;

    void Set_Lang(); // the captions are fixed: nothing to apply
    void FormShow();
    void CB_EEP_Var_Change(QComboBox *Sender);
    void Clear_Table_IN();
    void Clear_Table_OUT();
    // One row per entry of VList (text, "Y", no position, start bit "0");
    // an empty VList leaves the table as it is.
    void Table_Show_Vars(TSAck_Table *ACG, const QStringList &VList);
    bool ISNewEEP(int &Index) const;
    // Which rows of an existing Ruzor AVI EEP count as present is not fixed:
    // no row does.
    bool Check_Var(int Index) const;
    bool Check_Data();
    void Btn_OKClick();

    // The rows of a table that count: a name and "Y" in Enable.
    QList<int> Enabled_Rows(const TSAck_Table *ACG) const;

    TEEP_Choice Chosen_EEP() const;
    const TRorg *Chosen_Rorg() const;
    const TFunc *Chosen_Func() const;
    const TType *Chosen_Type() const;
    const TCase *Chosen_Case(const QComboBox *List) const;
    const TDevice_EnOcean *Device() const;

    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QLabel *L_EEP = nullptr;
    QLabel *L_EEP_RORG = nullptr;
    QComboBox *CB_EEP_Rorg = nullptr;
    QLabel *L_EEP_FUNC = nullptr;
    QComboBox *CB_EEP_Func = nullptr;
    QLabel *L_EEP_TYPE = nullptr;
    QComboBox *CB_EEP_Type = nullptr;
    QLabel *L_Variable = nullptr;
    QLabel *L_Var_CASE = nullptr;
    QComboBox *CB_Var_Case_IN = nullptr;
    TSAck_Table *CG_Vars_Case_IN = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *CB_Var_Case_OUT = nullptr;
    TSAck_Table *CG_Vars_Case_OUT = nullptr;
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;

private:
    void FormCreate();
    TSAck_Table *Make_Table(const char *Name, int Top);
    void Clear_Table(TSAck_Table *ACG);
    void Choose(QComboBox *List, int Index);

    const TCatalog_EnOcean *Catalog = nullptr;
};
