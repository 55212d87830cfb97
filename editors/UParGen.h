#pragma once
#include <QDialog>
#include <QHash>
#include <QPoint>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class TCategoryPanel;
class TCategoryPanelGroup;
class TFxButton;
class TParGen_Data;

// The parameter editor: the gateway's communication parameters in a stack of
// collapsible panels, one per protocol. This build (TK410) shows Modbus Slave
// and Ethernet; the panels of the other models exist with their controls and
// texts but stay hidden. Shown modally; loads ParGen.xml when shown and writes
// it on OK once the checks pass.
//
// Files: UParGen.cpp (frame, showing, OK/Cancel, events, checks),
// UParGen_Panels.cpp (the panels' controls from one table, Set_Lang),
// UParGen_Layout.cpp (the per-model panel orders and control layouts).
class TFParGen : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Client_Width = 460;
    static constexpr int Client_Height = 700;

    explicit TFParGen(QWidget *Parent = nullptr);
    ~TFParGen() override;

    // ---- Handlers ----
    void FormCreate();
    void FormShow();
    void FormResize();
    // Scrolls the panel group by the system's lines per notch when the
    // pointer (screen coordinates) lies inside it; Handled tells whether it did.
    void FormMouseWheel(QObject *Sender, Qt::KeyboardModifiers Shift, int Wheel_Delta, const QPoint &Mouse_Pos,
                        bool &Handled);
    void Btn_OKClick();
    void Btn_CancelClick();
    void On_Change(QObject *Sender);
    void On_Click(QObject *Sender);
    // The full stop in an octet edit is swallowed (Key becomes null); in the
    // Ethernet octets it also moves the focus to the next octet.
    void KeyPress(QObject *Sender, QChar &Key);

    // ---- Panel orders and control layouts ----
    void Hide_All_Panels();
    void Order_TAB_Panels(); // this build's model: TK410
    void Order_TAB_Panels_TK410();
    void Order_TAB_Panels_TK420();
    void Order_TAB_Panels_TK430();
    void Order_TAB_Panels_TK440();
    void Order_TAB_Panels_TK450();
    void Order_TAB_Panels_TK460();
    void Move_GroupBoxs(); // this build's model: TK410
    void RePosition_Objects_TK410();
    void RePosition_Objects_TK420();
    void RePosition_Objects_TK430();
    void RePosition_Objects_TK440();
    void RePosition_Objects_TK450();
    void RePosition_Objects_TK460();
    void RePosition_Object_Modbus_Slave();
    void RePosition_Object_Ethernet();
    void RePosition_Object_Modbus_TCP_Slave();
    void RePosition_Object_MQTT();
    void RePosition_Object_TLS();
    void RePosition_Object_NTP();
    void RePosition_Object_PROFINET();
    void RePosition_Object_BACnet_Slave();
    void RePosition_Object_PROFIBUS();

    // ---- Checks and texts ----
    bool Controllo_Dati();
    void Set_Lang();

    // ---- Values <-> controls (the 24 saved parameters) ----
    void Show_Data(const TParGen_Data &Data);
    void Take_Data(TParGen_Data &Data) const;

    // Every control of the panels by object name (labels, fields, check
    // boxes, "." labels); nullptr when there is none of that name.
    QWidget *Control(const QString &Name) const { return FControls.value(Name); }
    template <class T> T *Find(const QString &Name) const { return qobject_cast<T *>(Control(Name)); }
    QStringList Control_Names() const { return FControls.keys(); }
    // The 76 octet edits of all panels.
    const QList<QLineEdit *> &Octet_Edits() const { return FOctets; }
    TCategoryPanel *Panel(const QString &Name) const;
    // The controls of one row of a panel (label or check box, fields, "."
    // labels), rows counted from 0 top down as the panel was built.
    QList<QWidget *> Row_Controls(const TCategoryPanel *Panel, int Row) const;

    bool Is_Change = false;
    // The file shown could not be read (not well-formed, truncated): the
    // window shows the defaults, and OK replaces the file only after a Yes.
    bool File_Unreadable = false;

    // ---- Frame ----
    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;
    TCategoryPanelGroup *CPG = nullptr;

    // ---- Panels (in the group's creation order) ----
    TCategoryPanel *CP_Modbus_Slave = nullptr;
    TCategoryPanel *CP_Ethernet = nullptr;
    TCategoryPanel *CP_Modbus_TCP_Slave = nullptr;
    TCategoryPanel *CP_MQTT = nullptr;
    TCategoryPanel *CP_TLS = nullptr;
    TCategoryPanel *CP_NTP = nullptr;
    TCategoryPanel *CP_PROFINET = nullptr;
    TCategoryPanel *CP_Serial = nullptr;
    TCategoryPanel *CP_Modbus_Master = nullptr;
    TCategoryPanel *CP_Modbus_TCP_Master = nullptr;
    TCategoryPanel *CP_BACnet_Master = nullptr;
    TCategoryPanel *CP_BACnet_Slave = nullptr;
    TCategoryPanel *CP_CAN = nullptr;
    TCategoryPanel *CP_CANopen = nullptr;
    TCategoryPanel *CP_DeviceNet_Master = nullptr;
    TCategoryPanel *CP_DeviceNet_Slave = nullptr;
    TCategoryPanel *CP_PROFIBUS = nullptr;

    // ---- The controls of the 24 saved parameters ----
    QComboBox *CB_ModbusSlave_Serial = nullptr;
    QComboBox *CB_ModbusSlave_Baudrate = nullptr;
    QComboBox *CB_ModbusSlave_Parity = nullptr;
    QComboBox *CB_ModbusSlave_StopBits = nullptr;
    QLineEdit *E_ModbusSlave_IDDevice = nullptr;
    QCheckBox *CB_ModbusSlave_ReadInput = nullptr;
    std::array<QLineEdit *, 4> E_Ethernet_IP{};  // E_Ethernet_IP1 .. E_Ethernet_IP4
    std::array<QLineEdit *, 4> E_Ethernet_SM{};  // E_Ethernet_SM1 .. SM4
    QCheckBox *CB_Ethernet_En_GAT = nullptr;
    std::array<QLineEdit *, 4> E_Ethernet_GAT{}; // E_Ethernet_GAT1 .. GAT4
    QCheckBox *CB_Ethernet_DNS = nullptr;
    std::array<QLineEdit *, 4> E_Ethernet_DNS{}; // E_Ethernet_DNS1 .. DNS4

protected:
    void showEvent(QShowEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void Build_Frame();
    void Build_Panels();           // UParGen_Panels.cpp
    void Bind_Events();
    // Panel order: show the panels, stack them top down, number their
    // titles "1. ", "2. ", ... before their texts, tab orders 0, 1, ...
    void Order_Panels(std::initializer_list<std::pair<TCategoryPanel *, int>> Panels);
    // Height rule of every panel: bottom of Lowest + 12 + header height.
    void Fit_Panel(TCategoryPanel *Panel, const QString &Lowest);
    void Show_Controls(std::initializer_list<const char *> Names, bool Shown);
    void Move_Control(const char *Name, int Top);
    int Top_Of(const char *Name) const;

    void Show_Rows(const TCategoryPanel *Panel, int First, int Last, bool Shown);

    struct TText_Binding
    {
        QWidget *Control;
        int Caption; // 0: none
        int Hint;    // 0: none
    };
    QList<TText_Binding> FTexts;
    QHash<const TCategoryPanel *, QList<QList<QWidget *>>> FRows;
    QHash<QString, QWidget *> FControls;
    QList<QLineEdit *> FOctets;
    QList<TCategoryPanel *> FPanels;
};
