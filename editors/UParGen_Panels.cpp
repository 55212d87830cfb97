// The parameter editor's seventeen panels, built from one table: each row is
// a label or check box at x 14 and its field at x 191 (238 wide), or an IPv4
// address as four 55-wide octet edits with "." labels between them. Rows are
// 28 apart: labels and check boxes at y 12, 40, 68, ..., fields 3 higher.
#include "editors/UParGen.h"
#include "controls/FxButton.h"
#include "toolkit/CategoryPanels.h"
#include "text/LangTable.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <span>

namespace {

enum TRowKind { rkField, rkOctets, rkCheck, rkCheckField, rkCheckOctets };
enum TFieldKind { fkEdit, fkList, fkRich };
enum TRowFlag { rfLower15 = 1, rfDisabled = 2 };

struct TRowDef
{
    TRowKind Kind;
    const char *Left;        // label or check box
    int Left_Text;           // its caption
    int Left_Hint;           // hint of a check box (0 for a label)
    const char *Field;       // field, or the octets' prefix (E_Ethernet_IP -> E_Ethernet_IP1..4)
    TFieldKind Field_Kind;
    int Field_Hint;          // hint of the field, or of the first octet (the next three follow)
    const char *Items;       // list items joined by '|'
    int Item_Index;
    const char *Text;        // design text of an edit
    int Flags;
    int Field_X;
    int Field_W;
    int Check_W;             // 0: 415 alone, 175 with fields
    int Field_Dy;            // the form's drift from the grid
};

constexpr TRowDef F(const char *L, int LT, const char *Fl, TFieldKind K, int H, const char *Text = nullptr,
                    int Flags = 0, int X = 191, int W = 238)
{
    return {rkField, L, LT, 0, Fl, K, H, nullptr, -1, Text, Flags, X, W, 0, 0};
}
constexpr TRowDef L(const char *Lb, int LT, const char *Fl, int H, const char *Items, int Index, int Flags = 0)
{
    return {rkField, Lb, LT, 0, Fl, fkList, H, Items, Index, nullptr, Flags, 191, 238, 0, 0};
}
constexpr TRowDef O(const char *Lb, int LT, const char *Prefix, int H)
{
    return {rkOctets, Lb, LT, 0, Prefix, fkEdit, H, nullptr, -1, nullptr, 0, 191, 55, 0, 0};
}
constexpr TRowDef C(const char *Cb, int CT, int CH)
{
    return {rkCheck, Cb, CT, CH, nullptr, fkEdit, 0, nullptr, -1, nullptr, 0, 191, 238, 415, 0};
}
constexpr TRowDef CO(const char *Cb, int CT, int CH, const char *Prefix, int H, int Dy = 0)
{
    return {rkCheckOctets, Cb, CT, CH, Prefix, fkEdit, H, nullptr, -1, nullptr, 0, 191, 55, 175, Dy};
}
constexpr TRowDef CF(const char *Cb, int CT, int CH, const char *Fl, int H, const char *Text, int X = 191,
                     int W = 238, int Cw = 175)
{
    return {rkCheckField, Cb, CT, CH, Fl, fkEdit, H, nullptr, -1, Text, 0, X, W, Cw, 0};
}

const char *const Bauds = "1200|2400|4800|9600|19200|38400|57600|115200";
const char *const Parities = "NONE|ODD|EVEN";
const char *const Stops = "1 Stop Bits|2 Stop Bits";
const char *const BACnet_Bauds = "9600|19200|38400|57600|76800|115200";
const char *const BACnet_Types = "BACnet/IP|BACnet MS/TP";
const char *const DeviceNet_Bauds = "125K|250K|500K";

const TRowDef Rows_Modbus_Slave[] = {
    L("L_ModbusSlave_Serial", 426, "CB_ModbusSlave_Serial", 427, "RS232|RS485", 0),
    L("L_ModbusSlave_Baudrate", 428, "CB_ModbusSlave_Baudrate", 429, Bauds, 7),
    L("L_ModbusSlave_Parity", 430, "CB_ModbusSlave_Parity", 431, Parities, 0),
    L("L_ModbusSlave_StopBits", 432, "CB_ModbusSlave_StopBits", 433, Stops, 0),
    F("L_ModbusSlave_IDDevice", 434, "E_ModbusSlave_IDDevice", fkEdit, 435, "10"),
    C("CB_ModbusSlave_ReadInput", 436, 437),
};
const TRowDef Rows_Ethernet[] = {
    O("L_Ethernet_IP", 466, "E_Ethernet_IP", 467),
    O("L_Ethernet_SM", 471, "E_Ethernet_SM", 472),
    CO("CB_Ethernet_En_GAT", 476, 477, "E_Ethernet_GAT", 478),
    CO("CB_Ethernet_DNS", 482, 483, "E_Ethernet_DNS", 484, 1),
    F("L_Ethernet_TCP_Port", 488, "E_Ethernet_TCP_Port", fkEdit, 489),
    F("L_Ethernet_UDP_Port", 490, "E_Ethernet_UDP_Port", fkEdit, 491),
};
const TRowDef Rows_Modbus_TCP_Slave[] = {
    O("L_ModbusTCPSlave_IP", 407, "E_ModbusTCPSlave_IP", 408),
    O("L_ModbusTCPSlave_SM", 412, "E_ModbusTCPSlave_SM", 413),
    CO("CB_ModbusTCPSlave_En_GAT", 417, 418, "E_ModbusTCPSlave_GAT", 419),
    F("L_ModbusTCPSlave_Port", 423, "E_ModbusTCPSlave_Port", fkEdit, 424, "502"),
};
const TRowDef Rows_MQTT[] = {
    F("L_MQTT_Server", 439, "E_MQTT_Server", fkEdit, 440),
    F("L_MQTT_Server_Port", 441, "E_MQTT_Server_Port", fkEdit, 442, "1883"),
    F("L_MQTT_Client_ID", 443, "E_MQTT_Client_ID", fkEdit, 444),
    F("L_MQTT_Keep_Alive", 445, "E_MQTT_Keep_Alive", fkEdit, 446),
    C("CB_MQTT_Clean_Session", 447, 448),
    C("CB_MQTT_WillFlag", 449, 450),
    F("L_MQTT_Will_TopicName", 451, "E_MQTT_Will_TopicName", fkEdit, 452),
    F("L_MQTT_Will_Message", 453, "E_MQTT_Will_Message", fkEdit, 454),
    C("CB_MQTT_Will_Retained", 455, 456),
    L("L_MQTT_Will_QoS", 457, "CB_MQTT_Will_QoS", 458, "0|1|2", 0),
    F("L_MQTT_Username", 459, "E_MQTT_Username", fkEdit, 460),
    F("L_MQTT_Password", 461, "E_MQTT_Password", fkRich, 462),
    F("L_MQTT_ASync_Send_Time", 463, "E_MQTT_ASync_Send_Time", fkEdit, 464),
};
const TRowDef Rows_TLS[] = {
    C("CB_TLS_Enable", 493, 494),
    C("CB_TLS_En_Server_Auth", 495, 496),
    F("L_TLS_Server_Cert", 497, "E_TLS_Server_Cert", fkRich, 498),
    C("CB_TLS_En_Client_Auth", 499, 500),
    F("L_TLS_Client_Cert", 501, "E_TLS_Client_Cert", fkRich, 502),
    F("L_TLS_Client_Cert_Key", 503, "E_TLS_Client_Cert_Key", fkRich, 504),
    F("L_TLS_Client_Cert_Key_Pass", 505, "E_TLS_Client_Cert_Key_Pass", fkEdit, 506),
};
const TRowDef Rows_NTP[] = {
    F("L_NTP_Server_URL", 508, "E_NTP_Server_URL", fkEdit, 509),
    F("L_NTP_Poll_Time", 510, "E_NTP_Poll_Time", fkEdit, 511),
};
const TRowDef Rows_PROFINET[] = {
    O("L_PROFINET_IP", 547, "E_PROFINET_IP", 548),
    O("L_PROFINET_SM", 552, "E_PROFINET_SM", 553),
    CO("CB_PROFINET_GAT", 557, 558, "E_PROFINET_GAT", 559),
    F("L_PROFINET_TunnelPort", 563, "E_PROFINET_TunnelPort", fkEdit, 564, "502"),
    F("L_PROFINET_NameStation", 565, "E_PROFINET_NameStation", fkEdit, 566, "devicename1", rfLower15),
    F("L_PROFINET_NByte_In", 567, "E_PROFINET_NByte_In", fkEdit, 568, "1438"),
    F("L_PROFINET_NByte_Out", 569, "E_PROFINET_NByte_Out", fkEdit, 570, "1438"),
    CF("CB_PROFINET_Diagnostic", 571, 572, "E_PROFINET_Diagnostic", 573, "0"),
};
const TRowDef Rows_Serial[] = {
    L("L_Serial_Serial", 575, "CB_Serial_Serial", 576, "RS232|RS485", 0),
    L("L_Serial_Baudrate", 577, "CB_Serial_Baudrate", 578, Bauds, 7),
    L("L_Serial_Parity", 579, "Cb_Serial_Parity", 580, Parities, 0),
    L("L_Serial_StopBits", 581, "CB_Serial_StopBits", 582, Stops, 0),
};
const TRowDef Rows_Modbus_Master[] = {
    L("L_ModbusMaster_Serial", 584, "CB_ModbusMaster_Serial", 585, "RS232|RS485", 0),
    L("L_ModbusMaster_Baudrate", 586, "CB_ModbusMaster_Baudrate", 587, Bauds, 7),
    L("L_ModbusMaster_Parity", 588, "CB_ModbusMaster_Parity", 589, Parities, 0),
    L("L_ModbusMaster_StopBits", 590, "CB_ModbusMaster_StopBits", 591, Stops, 0),
    F("L_ModbusMaster_TimeOut", 592, "E_ModbusMaster_TimeOut", fkEdit, 593, "1000"),
    F("L_ModbusMaster_CyclicDelay", 594, "E_ModbusMaster_CyclicDelay", fkEdit, 595, "100"),
};
const TRowDef Rows_Modbus_TCP_Master[] = {
    O("L_ModbusTCPMaster_IP", 597, "E_ModbusTCPMaster_IP", 598),
    O("L_ModbusTCPMaster_SM", 602, "E_ModbusTCPMaster_SM", 603),
    CO("CB_ModbusTCPMaster_En_GAT", 607, 608, "E_ModbusTCPMaster_GAT", 609),
    F("L_ModbusTCPMaster_TimeOut", 613, "E_ModbusTCPMaster_TimeOut", fkEdit, 614, "1000"),
    F("L_ModbusTCPMaster_CyclicDelay", 615, "E_ModbusTCPMaster_CyclicDelay", fkEdit, 616, "100"),
};
const TRowDef Rows_BACnet_Master[] = {
    L("L_BACnet_Master_Type", 618, "CB_BACnet_Master_Type", 619, BACnet_Types, 0),
    O("L_BACnet_IP_Master_IP", 620, "E_BACnet_IP_Master_IP", 621),
    O("L_BACnet_IP_Master_SM", 625, "E_BACnet_IP_Master_SM", 626),
    CO("CB_BACnet_IP_Master_GAT", 630, 631, "E_BACnet_IP_Master_GAT", 632),
    F("L_BACnet_IP_Master_Port", 636, "E_BACnet_IP_Master_Port", fkEdit, 637),
    F("L_BACnet_IP_Master_Device_Name", 638, "E_BACnet_IP_Master_Device_Name", fkEdit, 639),
    F("L_BACnet_IP_Master_Device_Identifier", 640, "E_BACnet_IP_Master_Device_Identifier", fkEdit, 641),
    F("L_BACnet_IP_Master_TimeOut_Polling", 642, "E_BACnet_IP_Master_TimeOut_Polling", fkEdit, 643, "2000"),
    L("L_BACnet_MSTP_Master_Baudrate", 644, "CB_BACnet_MSTP_Master_Baudrate", 645, BACnet_Bauds, 5),
    L("L_BACnet_MSTP_Master_Parity", 646, "CB_BACnet_MSTP_Master_Parity", 647, Parities, 0),
    F("L_BACnet_MSTP_Master_Device_Name", 648, "E_BACnet_MSTP_Master_Device_Name", fkEdit, 649),
    F("L_BACnet_MSTP_Master_MAC_Address", 650, "E_BACnet_MSTP_Master_MAC_Address", fkEdit, 651),
    F("L_BACnet_MSTP_Master_Max_Master", 652, "E_BACnet_MSTP_Master_Max_Master", fkEdit, 653),
    F("L_BACnet_MSTP_Master_Max_Info_Frame", 654, "E_BACnet_MSTP_Master_Max_Info_Frame", fkEdit, 655),
    F("L_BACnet_MSTP_Master_Device_Instance", 656, "E_BACnet_MSTP_Master_Device_Instance", fkEdit, 657),
};
const TRowDef Rows_BACnet_Slave[] = {
    L("L_BACnet_Slave_Type", 659, "CB_BACnet_Slave_Type", 660, BACnet_Types, 0),
    O("L_BACnet_IP_Slave_IP", 661, "E_BACnet_IP_Slave_IP", 662),
    O("L_BACnet_IP_Slave_SM", 666, "E_BACnet_IP_Slave_SM", 667),
    CO("CB_BACnet_IP_Slave_GAT", 671, 672, "E_BACnet_IP_Slave_GAT", 673),
    F("L_BACnet_IP_Slave_Port", 677, "E_BACnet_IP_Slave_Port", fkEdit, 678, "502"),
    F("L_BACnet_IP_Slave_Device_Name", 679, "E_BACnet_IP_Slave_Device_Name", fkEdit, 680, "devicename1", rfLower15),
    F("L_BACnet_IP_Slave_Device_Identifier", 681, "E_BACnet_IP_Slave_Device_Identifier", fkEdit, 682, "502"),
    L("L_BACnet_MSTP_Slave_Baudrate", 683, "CB_BACnet_MSTP_Slave_Baudrate", 684, BACnet_Bauds, 5),
    L("L_BACnet_MSTP_Slave_Parity", 685, "CB_BACnet_MSTP_Slave_Parity", 686, Parities, 0),
    F("L_BACnet_MSTP_Slave_Device_Name", 687, "E_BACnet_MSTP_Slave_Device_Name", fkEdit, 688, "devicename1",
      rfLower15),
    F("L_BACnet_MSTP_Slave_MAC_Address", 689, "E_BACnet_MSTP_Slave_MAC_Address", fkEdit, 690, "502"),
    F("L_BACnet_MSTP_Slave_Max_Master", 691, "E_BACnet_MSTP_Slave_Max_Master", fkEdit, 692, "devicename1",
      rfLower15),
    F("L_BACnet_MSTP_Slave_Max_Info_Frame", 693, "E_BACnet_MSTP_Slave_Max_Info_Frame", fkEdit, 694, "502"),
    F("L_BACnet_MSTP_Slave_Device_Instance", 695, "E_BACnet_MSTP_Slave_Device_Instance", fkEdit, 696,
      "devicename1", rfLower15),
    F("L_BACnet_MSTP_Slave_Network", 697, "E_BACnet_MSTP_Slave_Network", fkEdit, 698, "502"),
    C("CB_BACnet_Slave_Desc_32_Chars", 699, 700),
};
const TRowDef Rows_CAN[] = {
    L("L_CAN_Baudrate", 702, "CB_CAN_Baudrate", 703, "10K|20K|50K|62.5K|100K|125K|250K|500K|800K|1000K", 9),
};
const TRowDef Rows_CANopen[] = {
    F("L_CANopen_IDDevice", 705, "E_CANopen_IDDevice", fkEdit, 706),
    L("L_CANopen_Baudrate", 707, "CB_CANopen_Baudrate", 708, "10K|20K|50K|100K|125K|250K|500K|800K|1000K|", 8),
    C("CB_CANopen_SetOpe", 709, 710),
    CF("CB_CANopen_NetOpe", 711, 712, "E_CANopen_NetOpe_Delay", 713, nullptr, 313, 116, 295),
    F("L_CANopen_SDO_Timeout", 714, "E_CANopen_SDO_Timeout", fkEdit, 715, "1", 0, 252, 177),
};
const TRowDef Rows_DeviceNet_Master[] = {
    F("L_DeviceNet_Master_IDDevice", 717, "E_DeviceNet_Master_IDDevice", fkEdit, 718),
    L("L_DeviceNet_Master_Baudrate", 719, "CB_DeviceNet_Master_Baudrate", 720, DeviceNet_Bauds, 2),
};
const TRowDef Rows_DeviceNet_Slave[] = {
    F("L_DeviceNet_Slave_IDDevice", 722, "E_DeviceNet_Slave_IDDevice", fkEdit, 723, "0"),
    L("L_DeviceNet_Slave_Baudrate", 724, "CB_DeviceNet_Slave_Baudrate", 725, DeviceNet_Bauds, 2),
    F("L_DeviceNet_Slave_NumByteIn", 726, "E_DeviceNet_Slave_NumByteIn", fkEdit, 727, "455"),
    F("L_DeviceNet_Slave_NumByteOut", 728, "E_DeviceNet_Slave_NumByteOut", fkEdit, 729, "455"),
};
const TRowDef Rows_PROFIBUS[] = {
    F("L_PROFIBUS_IDDevice", 752, "E_PROFIBUS_IDDevice", fkEdit, 753, "0"),
    L("L_PROFIBUS_Baudrate", 754, "CB_PROFIBUS_Baudrate", 755, "Auto Baudrate", 0, rfDisabled),
    F("L_PROFIBUS_NByte_In", 756, "E_PROFIBUS_NByte_In", fkEdit, 757, "244"),
    F("L_PROFIBUS_NByte_Out", 758, "E_PROFIBUS_NByte_Out", fkEdit, 759, "244"),
};

struct TPanelDef
{
    TCategoryPanel *TFParGen::*Member;
    const char *Name;
    const char *Design_Caption; // kept by the panels no model shows
    std::span<const TRowDef> Rows;
};

const TPanelDef Panel_Defs[] = {
    {&TFParGen::CP_Modbus_Slave, "CP_Modbus_Slave", "Modbus Slave", Rows_Modbus_Slave},
    {&TFParGen::CP_Ethernet, "CP_Ethernet", "Ethernet", Rows_Ethernet},
    {&TFParGen::CP_Modbus_TCP_Slave, "CP_Modbus_TCP_Slave", "Modbus TCP Slave", Rows_Modbus_TCP_Slave},
    {&TFParGen::CP_MQTT, "CP_MQTT", "MQTT", Rows_MQTT},
    {&TFParGen::CP_TLS, "CP_TLS", "TLS", Rows_TLS},
    {&TFParGen::CP_NTP, "CP_NTP", "NTP", Rows_NTP},
    {&TFParGen::CP_PROFINET, "CP_PROFINET", "PROFINET", Rows_PROFINET},
    {&TFParGen::CP_Serial, "CP_Serial", "Serial", Rows_Serial},
    {&TFParGen::CP_Modbus_Master, "CP_Modbus_Master", "Modbus Master", Rows_Modbus_Master},
    {&TFParGen::CP_Modbus_TCP_Master, "CP_Modbus_TCP_Master", "Modbus TCP Master", Rows_Modbus_TCP_Master},
    {&TFParGen::CP_BACnet_Master, "CP_BACnet_Master", "BACnet Master", Rows_BACnet_Master},
    {&TFParGen::CP_BACnet_Slave, "CP_BACnet_Slave", "BACnet Slave", Rows_BACnet_Slave},
    {&TFParGen::CP_CAN, "CP_CAN", "CAN", Rows_CAN},
    {&TFParGen::CP_CANopen, "CP_CANopen", "CANopen", Rows_CANopen},
    {&TFParGen::CP_DeviceNet_Master, "CP_DeviceNet_Master", "DeviceNet Master", Rows_DeviceNet_Master},
    {&TFParGen::CP_DeviceNet_Slave, "CP_DeviceNet_Slave", "DeviceNet Slave", Rows_DeviceNet_Slave},
    {&TFParGen::CP_PROFIBUS, "CP_PROFIBUS", "PROFIBUS", Rows_PROFIBUS},
};

constexpr int Left_X = 14;
constexpr int Row_Pitch = 28;
constexpr int Label_Top = 12;   // of row 0; fields 3 higher
constexpr int Edit_Height = 21;
constexpr int List_Height = 22;
constexpr int Rich_Height = 23;
constexpr int Check_Height = 17;
constexpr int Octet_Pitch = 61; // 55 wide + 6 for the "." label
constexpr int Dot_X = 247;

} // namespace

void TFParGen::Build_Panels()
{
    const QString Design_Octets[4] = {"192", "168", "0", "5"};
    for (const TPanelDef &Def : Panel_Defs) {
        auto *Panel = new TCategoryPanel(CPG, QString::fromLatin1(Def.Name), QString::fromLatin1(Def.Design_Caption));
        this->*Def.Member = Panel;
        FPanels.append(Panel);
        QWidget *S = Panel->Surface();
        QList<QList<QWidget *>> Rows;
        int Lowest = 0;
        for (int R = 0; R < static_cast<int>(Def.Rows.size()); ++R) {
            const TRowDef &Row = Def.Rows[R];
            QList<QWidget *> Row_Widgets;
            const int Y = Label_Top + R * Row_Pitch;
            const int Field_Y = Y - 3 + Row.Field_Dy;
            auto Add = [&](QWidget *W, const QString &Name, int Caption, int Hint) {
                W->setObjectName(Name);
                FControls.insert(Name, W);
                Row_Widgets.append(W);
                if (Caption || Hint)
                    FTexts.append({W, Caption, Hint});
                if (!qobject_cast<QLabel *>(W))
                    Lowest = std::max(Lowest, W->geometry().bottom() + 1);
            };

            // Left: a label or a check box.
            if (Row.Kind == rkCheck || Row.Kind == rkCheckField || Row.Kind == rkCheckOctets) {
                auto *Cb = new QCheckBox(S);
                Cb->setGeometry(Left_X, Y, Row.Check_W, Check_Height);
                Add(Cb, QString::fromLatin1(Row.Left), Row.Left_Text, Row.Left_Hint);
            } else {
                auto *Lb = new QLabel(S);
                Lb->move(Left_X, Y);
                Lb->adjustSize();
                Add(Lb, QString::fromLatin1(Row.Left), Row.Left_Text, 0);
            }

            // Right: one field or four octets.
            if (Row.Kind == rkOctets || Row.Kind == rkCheckOctets) {
                for (int I = 0; I < 4; ++I) {
                    auto *E = new QLineEdit(Design_Octets[I], S);
                    E->setGeometry(Row.Field_X + I * Octet_Pitch, Field_Y, Row.Field_W, Edit_Height);
                    Add(E, QString::fromLatin1(Row.Field) + QString::number(I + 1), 0, Row.Field_Hint + I);
                    FOctets.append(E);
                    if (I < 3) {
                        auto *Dot = new QLabel(QStringLiteral("."), S);
                        Dot->move(Dot_X + I * Octet_Pitch, Y);
                        Dot->adjustSize();
                        Add(Dot, QStringLiteral("L_Dot_") + QString::fromLatin1(Row.Field).mid(2) + QString::number(I + 1),
                            0, 0);
                    }
                }
            } else if (Row.Kind != rkCheck) {
                QWidget *W = nullptr;
                if (Row.Field_Kind == fkList) {
                    auto *Cb = new QComboBox(S);
                    Cb->setEditable(false);
                    Cb->addItems(QString::fromLatin1(Row.Items).split(QLatin1Char('|')));
                    Cb->setCurrentIndex(Row.Item_Index);
                    Cb->setGeometry(Row.Field_X, Field_Y, Row.Field_W, List_Height);
                    W = Cb;
                } else if (Row.Field_Kind == fkRich) {
                    auto *Re = new QPlainTextEdit(S);
                    // One line high: scroll bars would leave no room for the text.
                    Re->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                    Re->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                    Re->setGeometry(Row.Field_X, Field_Y, Row.Field_W, Rich_Height);
                    W = Re;
                } else {
                    auto *E = new QLineEdit(S);
                    if (Row.Text)
                        E->setText(QString::fromLatin1(Row.Text));
                    if (Row.Flags & rfLower15) {
                        // A station or device name: at most 15 characters, lower case.
                        E->setMaxLength(15);
                        connect(E, &QLineEdit::textChanged, E, [E](const QString &T) {
                            const QString Lower = T.toLower();
                            if (Lower != T) {
                                const int Pos = E->cursorPosition();
                                E->setText(Lower);
                                E->setCursorPosition(Pos);
                            }
                        });
                    }
                    E->setGeometry(Row.Field_X, Field_Y, Row.Field_W, Edit_Height);
                    W = E;
                }
                W->setEnabled(!(Row.Flags & rfDisabled));
                Add(W, QString::fromLatin1(Row.Field), 0, Row.Field_Hint);
            }
            Rows.append(Row_Widgets);
        }
        FRows.insert(Panel, Rows);
        Panel->Set_Panel_Height(Lowest + 12 + CPG->Header_Height());
    }

    // The controls of the saved parameters, by name.
    CB_ModbusSlave_Serial = Find<QComboBox>(QStringLiteral("CB_ModbusSlave_Serial"));
    CB_ModbusSlave_Baudrate = Find<QComboBox>(QStringLiteral("CB_ModbusSlave_Baudrate"));
    CB_ModbusSlave_Parity = Find<QComboBox>(QStringLiteral("CB_ModbusSlave_Parity"));
    CB_ModbusSlave_StopBits = Find<QComboBox>(QStringLiteral("CB_ModbusSlave_StopBits"));
    E_ModbusSlave_IDDevice = Find<QLineEdit>(QStringLiteral("E_ModbusSlave_IDDevice"));
    CB_ModbusSlave_ReadInput = Find<QCheckBox>(QStringLiteral("CB_ModbusSlave_ReadInput"));
    CB_Ethernet_En_GAT = Find<QCheckBox>(QStringLiteral("CB_Ethernet_En_GAT"));
    CB_Ethernet_DNS = Find<QCheckBox>(QStringLiteral("CB_Ethernet_DNS"));
    for (int I = 0; I < 4; ++I) {
        const QString N = QString::number(I + 1);
        E_Ethernet_IP[I] = Find<QLineEdit>(QStringLiteral("E_Ethernet_IP") + N);
        E_Ethernet_SM[I] = Find<QLineEdit>(QStringLiteral("E_Ethernet_SM") + N);
        E_Ethernet_GAT[I] = Find<QLineEdit>(QStringLiteral("E_Ethernet_GAT") + N);
        E_Ethernet_DNS[I] = Find<QLineEdit>(QStringLiteral("E_Ethernet_DNS") + N);
    }
}

TCategoryPanel *TFParGen::Panel(const QString &Name) const
{
    for (TCategoryPanel *P : FPanels)
        if (P->objectName() == Name)
            return P;
    return nullptr;
}

QList<QWidget *> TFParGen::Row_Controls(const TCategoryPanel *Panel, int Row) const
{
    const QList<QList<QWidget *>> Rows = FRows.value(Panel);
    return Row >= 0 && Row < Rows.size() ? Rows[Row] : QList<QWidget *>();
}

void TFParGen::Set_Lang()
{
    setWindowTitle(Lang_Text(400));
    L_SW_Desc->setText(Lang_Text(401));
    L_SW_Desc->adjustSize();
    Btn_OK->Set_Caption(Lang_Text(402));
    Btn_Cancel->Set_Caption(Lang_Text(403));
    Btn_OK->setToolTip(Lang_Text(404));
    Btn_Cancel->setToolTip(Lang_Text(405));
    // Captions of labels and check boxes, hints of fields and check boxes;
    // panel titles are composed once by the panel order and stay as they are.
    for (const TText_Binding &B : FTexts) {
        if (B.Caption) {
            if (auto *Lb = qobject_cast<QLabel *>(B.Control)) {
                Lb->setText(Lang_Text(B.Caption));
                Lb->adjustSize();
            } else if (auto *Cb = qobject_cast<QCheckBox *>(B.Control)) {
                Cb->setText(Lang_Text(B.Caption));
            }
        }
        if (B.Hint)
            B.Control->setToolTip(Lang_Text(B.Hint));
    }
}
