#pragma once
#include "controls/AppButton.h"
#include "protocols/Table_Grid.h"
#include <QDialog>
#include <QPointer>
#include <QStringList>
class QFrame;
class QLabel;
class QTabWidget;
class TFTopicTemplate;

// The MQTT topic editor: the topics the gateway publishes and those it
// subscribes to, one grid per direction, each topic mapped onto a place in
// the gateway's data array. It reads MQTT_Set_Topic.xml on every showing and
// writes it on OK after its checks pass; Cancel drops every edit.
class TFMQTT_Set_Topic : public QDialog
{
    Q_OBJECT
public:
    explicit TFMQTT_Set_Topic(QWidget *Parent = nullptr);

    // Set on every showing.
    int Working_Mode = 1;
    int Byte_IN = 1440;  // publish positions run 0 .. Byte_IN - 1
    int Byte_OUT = 1440; // subscribe positions run 0 .. Byte_OUT - 1
    // A row of that grid was copied during this showing.
    bool Do_Copy_Pub = false;
    bool Do_Copy_Sub = false;
    // Header hints, entry k for grid column k + 1.
    QStringList Hint_MQTT_Set_Topic_Pub;
    QStringList Hint_MQTT_Set_Topic_Sub;

    // The template dialog made at start; made on first use when none is given.
    QPointer<TFTopicTemplate> Topic_Template;

    // Block 1400 of the text table; also after a language switch.
    void Set_Lang();
    // Layout, cleared grids, the file.
    void FormShow();

    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    // Shared by both grids; rows and columns as the grid reports them (display indexes).
    void CG_MQTT_DblClickCell(TTable_Grid *Sender, int ARow, int ACol);
    void CG_MQTT_GridHint(TTable_Grid *Sender, int ARow, int ACol, QString &hintstr);
    void CG_MQTT_KeyPress(TTable_Grid *Sender, QChar &Key);
    // Opens the template dialog on one cell (real row and column) and takes
    // its text back on OK.
    void Show_Form_Topic(TTable_Grid *Sender, int ARow, int ACol);

    // Every check of both tables; false after showing the first failure.
    bool Controllo_dati();
    static bool Error_In_Topic_Template(const QString &Str);

    // The grid of the page shown now.
    TTable_Grid *Active_Grid() const;

    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TS_MQTT_Publish = nullptr;
    QWidget *TS_MQTT_Subscribe = nullptr;
    TTable_Grid *CG_Pub = nullptr;
    TTable_Grid *CG_Sub = nullptr;
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
};
