#pragma once
#include "controls/AppButton.h"
#include "protocols/Table_Grid.h"
#include <QDialog>
#include <QPointer>
class QFrame;
class QLabel;
class QTabWidget;
class TFBACnet_Eng_Unit;

// The BACnet object access editor: the objects the BACnet side reads and
// those it writes, each with its type, engineering unit and place in the
// gateway's data image. It reads BACnet_Slave.xml on every showing (with the
// table size that ParGen.xml's description limit gives) and writes it on OK
// after its checks pass; Cancel drops every edit.
class TFBACnetSlaveSetAccess : public QDialog
{
    Q_OBJECT
public:
    explicit TFBACnetSlaveSetAccess(QWidget *Parent = nullptr, TFBACnet_Eng_Unit *Eng_Unit = nullptr);

    // Set on every showing.
    int NByte_IN = 1500;
    int NByte_OUT = 1500;
    bool Desc_Lenght = false; // 32-character descriptions: 1000 rows per table and 1000 objects
    bool Do_Copy_Read = false;
    bool Do_Copy_Write = false;

    // The unit chooser made at start; made on first use when none is given.
    QPointer<TFBACnet_Eng_Unit> Eng_Unit;

    // Block 1900 of the text table; also after a language switch.
    void Set_Lang();
    void FormShow();

    void bitbtn1Click(); // OK
    void Btn_DelRow_Click();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    // Grid events, rows and columns as the grid reports them (display indexes).
    void ClickCell(TTable_Grid *Sender, int ARow, int ACol);
    void KeyPress(TTable_Grid *Sender, QChar &Key);
    void CG_BACnet_in_ReadDblClickCell(TTable_Grid *Sender, int ARow, int ACol);
    void CG_BACnet_in_WriteDblClickCell(TTable_Grid *Sender, int ARow, int ACol);
    void CG_BACnet_in_WriteComboChange(TTable_Grid *Sender, int ACol, int ARow, int AItemIndex,
                                       const QString &ASelection);
    void GridHint(TTable_Grid *Sender, int ARow, int ACol, QString &hintstr);

    // Every check of both tables and the object limit; false after showing the first failure.
    bool Controllo_dati();

    TTable_Grid *Active_Grid() const;

    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TS_BACnet_in_Read = nullptr;
    QWidget *TS_BACnet_in_Write = nullptr;
    TTable_Grid *CG_BACnet_in_Read = nullptr;
    TTable_Grid *CG_BACnet_in_Write = nullptr;
    QFrame *P_Button = nullptr;
    TAppButton *Btn_OK = nullptr;
    TAppButton *Btn_Cancel = nullptr;
    TAppButton *Btn_DelRow = nullptr;
    TAppButton *Btn_InsRow = nullptr;
    TAppButton *Btn_CopyRow = nullptr;
    TAppButton *Btn_PasteRow = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void FormCreate();
    void Load_File();
    bool Save_File();
    // The tables do not hold all of the file (not well-formed, truncated,
    // rows beyond the tables' size): OK replaces it only after a Yes.
    bool Partly_Read = false;
    void Dbl_Click_Cell(TTable_Grid *Grid, int ARow, int ACol);
};
