#pragma once
#include <QDialog>
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class TFxButton;

// The BACnet engineering-unit chooser. The access editor opens it on an
// "Eng. Unit" cell: the dialog shows the cell's code with its name, offers
// the units by category, and on OK the editor takes the text of
// E_Selected_EU as the cell's new value (unchanged, unchecked); on Cancel it
// takes nothing.
class TFBACnet_Eng_Unit : public QDialog
{
    Q_OBJECT
public:
    explicit TFBACnet_Eng_Unit(QWidget *Parent = nullptr);

    // The name of a unit code; "unknown" for any other number.
    static QString Desc_Unit(int Num_Unit);

    // The caller's step before showing: the cell text into E_Selected_EU and
    // "-> " with the name of its code (-1 when it is no whole number) into Label5.
    void Show_Current_Unit(const QString &Cell_Text);

    // Texts 2000 to 2008; also run after a language switch.
    void Set_Lang();
    // Refills the unit list for the category chosen now (the category stays
    // from the previous showing); E_Selected_EU and Label5 are left alone.
    void FormShow();
    // The unit names of the chosen category, the first one chosen.
    void CB_Select_TypeSelect();
    // The chosen unit's code into E_Selected_EU and its name into Label5.
    void Btn_Select_Eng_UnitClick();

    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *E_Selected_EU = nullptr;
    QLabel *Label5 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *CB_Select_Type = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *CB_Select_Unit = nullptr;
    TFxButton *Btn_Select_Eng_Unit = nullptr;
    QFrame *Shape2 = nullptr;
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void FormCreate();
};
