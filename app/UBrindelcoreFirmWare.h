#pragma once
#include "controls/AppButton.h"
#include <QPointer>
#include <QTimer>
#include <QWidget>
class QLabel;
class QFrame;
class TXmlDocument;

// The main window: the commissioning steps as a column of step labels and
// buttons. One click handler (Btn_Click) serves every button; each step that
// works on a project is refused while no project is active. Its creation sets
// up the whole workspace (folders, settings, texts, remembered project).
class TFBrindelcoreFirmWare : public QWidget
{
    Q_OBJECT
public:
    // When the labels are sized to their texts. Measuring the first texts
    // loads the fonts, the larger part of the window's creation; After_Show
    // sizes them from the event loop instead, so a window shown right after
    // its creation is mapped first and its labels are sized before its first
    // frame. The sizes and places are those At_Once gives.
    enum class TLabel_Sizing { At_Once, After_Show };

    explicit TFBrindelcoreFirmWare(QWidget *Parent = nullptr, TLabel_Sizing Sizing = TLabel_Sizing::At_Once);
    ~TFBrindelcoreFirmWare() override;

    // ---- Operations other windows call ----
    void Set_Lang();            // texts 0..37
    void Change_Language();     // re-applies texts of every re-languaged window
    void Set_Files();           // project file paths from Project_Dir
    bool Save_Setting();        // writes Brindelcor.xml; an error box when it fails
    // Enables Timer_Update exactly when internet use and update checks are on.
    void Update_Timer_Enabled();

    // ---- The one click handler of all fourteen buttons ----
    void Btn_Click(QObject *Sender);

    // ---- Steps (each in the file of its concern) ----
    void Create_New_Project();  // UMain_Projects.cpp
    void Open_Project();        // UMain_Projects.cpp
    void Update_Device();       // UMain_Update.cpp: Update Device UDP
    void PROFINET_XML();        // UMain_Protocols.cpp
    void BACnet_EDE_File();     // UMain_Protocols.cpp
    void Do_Profibus_GSD();     // UMain_Protocols.cpp
    void Do_MQTT_Set_Topic();   // UMain_Protocols.cpp
    void Do_Set_Communication(); // UMain_Editors.cpp
    void Do_EnOcean_Access();   // UMain_Editors.cpp

    // ---- Version check and the maker's pages ----
    void Timer_UpdateTimer();
    void LL_UpdateLinkClick();
    void L_QuorixClick();

    // Shows the project labels for the active project (texts 11 / 9 and 10).
    void Show_Project_Labels();
    // Sizes the labels still waiting for it (After_Show); nothing once done.
    void Fit_Labels();

    // ---- Controls ----
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QLabel *L_Begin = nullptr;
    QFrame *Shape2 = nullptr;
    QLabel *L_Name_Conf = nullptr;
    QLabel *L_Name_Conf_L2 = nullptr;
    TAppButton *Btn_Info = nullptr;
    TAppButton *Btn_Opz = nullptr;
    TAppButton *Btn_Close = nullptr;
    QLabel *L_Step[8] = {};     // L_Step_1 .. L_Step_8
    TAppButton *Btn_New = nullptr;
    TAppButton *Btn_Open = nullptr;
    TAppButton *Btn_Prm_Gen = nullptr;
    TAppButton *Btn_EnOcean_Access = nullptr;
    TAppButton *Btn_CreateBin = nullptr;
    TAppButton *Btn_MQTT_Set_Topic = nullptr;
    TAppButton *Btn_PROFINET_XML = nullptr;
    TAppButton *Btn_BACnet_SetAccess = nullptr;
    TAppButton *Btn_BACnet_EDE_File = nullptr;
    TAppButton *Btn_PROFIBUS_GSD = nullptr;
    QLabel *L_Quorix = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *LL_Update = nullptr;
    QTimer *Timer_Update = nullptr;
    // The window's XML document, lent to the image compiler and the EDE writer.
    TXmlDocument *XML1 = nullptr;

protected:
    void closeEvent(QCloseEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void FormCreate();
    void FormClose();
    // Sizes a label to its text now, or with the others in Fit_Labels.
    void Fit_Label(QLabel *Label);
    // The maker's address inside the window when its host name is long.
    void Place_Maker_Address();
    bool Labels_Pending = false;
    QList<QLabel *> Unfitted; // in the order they were first to be sized
    QString Update_Link_Target;
    bool Version_Check_Running = false;
};

// The single instance, created first at start.
extern QPointer<TFBrindelcoreFirmWare> FBrindelcoreFirmWare;
