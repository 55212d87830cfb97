#pragma once
#include "controls/AppButton.h"
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <functional>
class QCheckBox;
class QLabel;
class QTabWidget;
class QWidget;

// Software options: the UI language (six flag tiles per page), internet use
// with the version check, and two table behaviours. Also home of the version
// check that the main window's timer runs.
class TFSoftOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TFSoftOptions(QWidget *Parent = nullptr);

    void Set_Lang();
    void Create_Lang_List();
    void Update_Lang_Page(int Page);
    void LangClick(int Tile);           // tile 1..6 of the current page
    void Btn_NextClick(QObject *Sender); // Btn_Next or Btn_Prev
    void Update_CheckBox();
    void CB_En_ConClick();
    void Btn_Check_UpdateClick();
    void LL_Check_UpdateLinkClick();
    void Btn_OKClick();

    // Asks the maker's service for the newest version without blocking; Done
    // gets true when a newer version is offered. Failures (no connection,
    // time-out, error status) give false. Done is not called when Context is
    // destroyed before the answer.
    static void Check_Version(QObject *Context, std::function<void(bool)> Done);
    // Whether a check started from this dialog is still waiting.
    bool Check_Running() const { return Checking; }

    // ---- Fields ----
    int Show_Page = 1;
    QStringList SL_Languages;   // language file names (with ".lng"), sorted
    QString Language_In_Use;

    // ---- Controls ----
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QTabWidget *PC_Options = nullptr;
    QWidget *TS_Language = nullptr;
    QWidget *TS_Con_Options = nullptr;
    QWidget *TS_Soft_Settings = nullptr;
    QLabel *L_Sel_Lang = nullptr;
    QLabel *I_L[6] = {};        // I_L1 .. I_L6
    QLabel *L_L[6] = {};        // L_L1 .. L_L6
    QLabel *L_Page_Lang = nullptr;
    TAppButton *Btn_Prev = nullptr;
    TAppButton *Btn_Next = nullptr;
    QCheckBox *CB_En_Con = nullptr;
    QCheckBox *CB_Update = nullptr;
    TAppButton *Btn_Check_Update = nullptr;
    QLabel *LL_Check_Update = nullptr;
    QCheckBox *CB_Soft_Set_Jump_Table = nullptr;
    QCheckBox *CB_DoubleClick_Auto_Size = nullptr;
    TAppButton *Btn_OK = nullptr;
    TAppButton *Btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

public:
    void FormShow();

private:
    QString Tile_Language(int Tile) const;
    void Show_Page_Label();
    void Place_Paging_Row();
    bool Checking = false;
};

extern QPointer<TFSoftOptions> FSoftOptions;
