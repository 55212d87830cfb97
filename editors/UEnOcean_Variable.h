#pragma once
#include "editors/EnOcean_Editor_Parts.h"
#include <QDialog>
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class TCatalog_EnOcean;
class TCase;
class TDataField;
class TFunc;
class TFxButton;
class TRorg;
class TType;

// The variable dialog: an EEP of the catalogue (RORG, FUNC, TYPE) and, within
// it, a case and a data field with the position and start bit where the
// gateway places the value. It serves the network editor's add and modify
// flows for the unidirectional and the Ruzor AVI list. It changes neither
// the catalogue nor the devices: after OK the editor copies the choices.
//
// Every list's item index is the position of the object in the matching
// catalogue list (the RORG index into List_Rorg, the FUNC index into that
// RORG's List_Func, and so on down to the data field).
class TFEnOcean_Variable : public QDialog
{
    Q_OBJECT
public:
    // The catalogue is read, never owned; it fills the RORG list once, now.
    explicit TFEnOcean_Variable(const TCatalog_EnOcean *Catalog, QWidget *Parent = nullptr);

    // ---- Set by the editor before each show ---------------------------------
    int Uni_SAck = 0;        // 0: the device's UnidirectionalList; other: its SmartACKList
    int Mode = 0;            // 0 add, other: modify
    int Modify_EEP_Var = 0;  // when modifying: 0 the EEP entry, other: one variable
    // The device the checks run against: the editor's device list and the
    // device selected in its list box.
    const TDevice_List *DevList = nullptr;
    int Ind_Device = -1;
    // The EEP entry and variable being modified, left out of the four-entry
    // count and of the duplicate test. The presets set them; -1 for none.
    int Edit_EEP = -1;
    int Edit_Var = -1;

    // ---- Output of the check ------------------------------------------------
    // Position of the chosen EEP in the device's list, -1 when it is new to it.
    int EEP_Index = -1;

    // The Ruzor AVI EEP: fixed positions in the catalogue's lists.
    static constexpr int SAck_Rorg_Index = 3;
    static constexpr int SAck_Func_Index = 9;

    // Captions and texts 1100 to 1125 (applied once, at creation).
    void Set_Lang();
    // Enabling, titles and clearing by Uni_SAck, Mode and Modify_EEP_Var.
    void FormShow();
    // The cascade: a changed list refills the one below and empties the rest.
    void CB_EEP_Var_Change(QComboBox *Sender);
    // Preset the choices from the editor's device Ind_Dev, its EEP entry
    // Ind_EEP and that entry's variable Ind_Var (each ignored below 0).
    void ShowData_Uni_Add_Var(int Ind_Dev, int Ind_EEP, int Ind_Var);
    void ShowData_SAck_Add_Var(int Ind_Dev, int Ind_EEP, int Ind_Var);
    // True when the chosen EEP matches no entry of the device's list; false
    // with Index at the first entry that matches.
    bool ISNewEEP(int &Index) const;
    // Whether Entry has the chosen RORG, FUNC and TYPE numbers (false
    // without an entry or a complete choice).
    bool Is_Chosen_EEP(const TRorFunTyp *Entry) const;
    // True when the entry at Index already holds a variable with the chosen
    // case and data field; the variable at Skip_Var is not looked at.
    bool Check_Var(int Index, int Skip_Var = -1) const;
    // The OK check; shows the first failure and returns false.
    bool Check_Data();
    void Btn_OKClick();

    // The device the checks run against (nullptr when none is selected), the
    // list the dialog works on, and the catalogue objects at the current
    // choices (nullptr where nothing is chosen).
    const TDevice_EnOcean *Device() const;
    const std::vector<std::unique_ptr<TRorFunTyp>> *Device_EEP_List() const;
    TEEP_Choice Chosen() const;
    const TRorg *Chosen_Rorg() const;
    const TFunc *Chosen_Func() const;
    const TType *Chosen_Type() const;
    const TCase *Chosen_Case() const;
    const TDataField *Chosen_DataField() const;
    // Whether the current mode asks for a case, data field and position (all
    // but the EEP modification).
    bool Needs_Variable() const;

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
    QComboBox *CB_Var_Case = nullptr;
    QLabel *L_Var_Variable = nullptr;
    QComboBox *CB_Var_Variable = nullptr;
    QLabel *L_Var_Position = nullptr;
    QLineEdit *E_Var_Position = nullptr;
    QLabel *L_Var_BitStart = nullptr;
    QComboBox *CB_Var_BitStart = nullptr;
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void FormCreate();
    // Chooses Index in List (no item when out of range) and runs the cascade.
    void Choose(QComboBox *List, int Index);
    // Presets case, data field, position and start bit from a variable of
    // the entry whose numbers are given.
    void Preset_Variable(const TRorFunTyp &Entry, const TVarEnOcean &Var);
    // Puts the Ruzor AVI RORG and FUNC in place, refilling the lists below
    // only when a position changes.
    void Choose_SAck_Rorg_Func();

    const TCatalog_EnOcean *Catalog = nullptr;
};
