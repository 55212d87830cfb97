#pragma once
#include "editors/EnOcean_Network.h"
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QWindow>
#include <vector>
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class RIraRevadiVizo;
class TCatalog_EnOcean;
class TFEnOcean_Device;
class TFEnOcean_Variable;
class TFEnOcean_Variable_SAck;
class TFxButton;
class TGlideTab;
class TGlideTabs;

// The EnOcean network editor behind the main window's EnOcean Access step:
// the devices of the project's EnOcean.xml on the left, the selected device's
// EEPs and variables as a tree on the right, the selected entry's details in
// a two-column grid. Devices are added and changed through the device dialog,
// EEPs and variables through the variable dialog; OK writes the file.
//
// The strip's tab index chooses the list: 0 the unidirectional list; 1 and
// every other index the Ruzor AVI list (the Ruzor AVI tab is hidden, but the
// strip's own menu can make any tab active). A selected position that lies
// beyond the list in use counts as no selection.
//
// Files: UEnOcean_SetAccess2.cpp (frame, texts, showing, devices, OK),
// UEnOcean_SetAccess2_Tree.cpp (tree, selection, details grid, variable flows).
class TFEnOcean_SetAccess2 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Client_Width = 1150;
    static constexpr int Client_Height = 410;

    explicit TFEnOcean_SetAccess2(QWidget *Parent = nullptr);
    ~TFEnOcean_SetAccess2() override;

    // The dialogs this editor opens and the catalogue it names EEPs by; the
    // program sets them once every window exists (none is owned).
    TFEnOcean_Device *Device_Dialog = nullptr;
    TFEnOcean_Variable *Variable_Dialog = nullptr;
    TFEnOcean_Variable_SAck *SAck_Dialog = nullptr;
    const TCatalog_EnOcean *Catalog = nullptr;

    // ---- Data ----
    TDevice_List DevList;
    int Ind_EEP = -1; // selected EEP node's position under the root, -1 for none
    int Ind_Var = -1; // selected variable's position under that EEP, -1 for none

    // ---- Handlers ----
    void Set_Lang();        // texts 1200 to 1212, applied once at creation
    void FormShow();        // drops the old list, loads the file, shows the devices
    void Btn_OKClick();     // saves; closes with OK only when the save worked
    void Btn_DeviceClick(QObject *Sender);          // the three device buttons
    void PopUpEnOceanDevice1Click(QObject *Sender); // the three device menu items
    void LB_ID_Devices_ListClick();
    void LB_ID_Devices_ListDblClick();
    void CT_Uni_Smart_RemoteActiveTabChanged(QObject *Sender, TGlideTab *Tab);
    void TW_UniSmart_EEPClick();
    void Btn_VariableClick(QObject *Sender);        // the three variable buttons
    void PopUpEEPVariableEnOcean1Click(QObject *Sender);

    // ---- Operations ----
    bool Load_Configuration();
    bool Save_Configuration();
    void Cancel_Devices_List();
    void Show_EnOcean_Device_List();
    void Add_EnOcean_Device();
    void Remove_EnOcean_Device();
    void Modify_EnOcean_Device();
    void Show_EnOcean_TreeView_Uni_SAck(int Ind_Device);
    void Find_Selected_EEP_Var();
    void Show_EnOcean_ASG_EEP_Var();
    void Add_Uni_EnOcean_Variable();
    void Remove_Uni_EnOcean_Variable();
    void Modify_Uni_EnOcean_Variable();
    void Add_SAck_EnOcean_Variable();
    void Remove_SAck_EnOcean_Variable();
    void Modify_SAck_EnOcean_Variable();

    // The list box's selection when it names a device, else -1.
    int Selected_Device() const;
    // The list the details grid and the variable flows use: unidirectional on
    // tab 0, Ruzor AVI on any other; nullptr without a selected device.
    std::vector<std::unique_ptr<TRorFunTyp>> *Used_EEP_List();
    // The selected EEP entry and variable within the used list, nullptr when
    // none is selected or the position lies beyond the list.
    TRorFunTyp *Selected_EEP();
    TVarEnOcean *Selected_Var();
    // How the last load went; an incomplete load is reported at showing and
    // asked about before OK replaces the file.
    const TEnOcean_Load_Result &Last_Load() const { return FLast_Load; }

    // ---- Controls ----
    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *PEnOcean_ID = nullptr;
    QLabel *L_ID_Devices_List = nullptr;
    QListWidget *LB_ID_Devices_List = nullptr;
    TFxButton *Btn_Add_Device = nullptr;
    TFxButton *Btn_Remove_Device = nullptr;
    TFxButton *Btn_Modify_Device = nullptr;
    QMenu *PM_Device_EnOcean = nullptr;
    QAction *AddEnOceanDevice1 = nullptr;
    QAction *RemoveEnOceanDevice1 = nullptr;
    QAction *ModifyEnOceanDevice1 = nullptr;
    QWidget *PEnOcean_Data = nullptr;
    TGlideTabs *CT_Uni_Smart_Remote = nullptr;
    QSplitter *Splitter2 = nullptr;
    QTreeWidget *TW_UniSmart_EEP = nullptr;
    RIraRevadiVizo *SG_EEP_Var = nullptr;
    TFxButton *Btn_Add_Variable = nullptr;
    TFxButton *Btn_Remove_Variable = nullptr;
    TFxButton *Btn_Modify_Variable = nullptr;
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;
    TFxButton *Btn_Scan = nullptr;
    QMenu *PM_Uni_SAck_EEP_Var = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void FormCreate();
    void Init_Table();
    void Lay_Out();
    void Make_Tab_Strip(QWidget *Pane);
    // The tree rebuilt for the selected device, as every flow ends.
    void Rebuild_Tree();
    // Asks Text (Yes, No and Cancel); true only for Yes.
    bool Confirm(int Text);
    // Copies the variable dialog's choices into Var (after its check passed).
    void Store_Variable(TVarEnOcean &Var) const;
    // Sets an entry's numbers from the variable dialog's EEP choice.
    void Store_EEP(TRorFunTyp &Entry) const;
    // The shared body of the unidirectional and Ruzor AVI flows.
    void Add_Variable(int Uni_SAck);
    void Remove_Variable(int Uni_SAck);
    void Modify_Variable(int Uni_SAck);
    // Runs a dialog modally; true for OK.
    bool Run(QDialog *Dialog);

    // Shows the partial-load warning (text 1232) over the editor once it is
    // on screen; nothing when none is due or the editor is not shown.
    void Warn_Partial_Load();

    TEnOcean_Load_Result FLast_Load;
    bool FPartial_Warning_Due = false;
    bool FPanes_Divided = false; // the splitters got their first division
    QPointer<QWindow> FWatched_Handle;
};

// Buttons of the network editors carry drawn pictures: a plus, a minus and a
// pen, each as two 18-pixel frames (normal, disabled).
enum class TEditor_Glyph { egAdd, egRemove, egModify };
QImage Editor_Glyph(TEditor_Glyph Glyph);
