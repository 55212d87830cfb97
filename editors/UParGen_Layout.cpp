// Panel orders and control layouts of the six gateway models. This build
// (TK410) runs only the TK410 routines; the others stay callable so the
// same window serves every model's configurator.
//
// Every panel's height follows one rule: the bottom of its lowest visible
// control + 12 + the group's header height, so a panel shrinks and grows
// with what it shows.
#include "editors/UParGen.h"
#include "toolkit/CategoryPanels.h"
#include "text/LangTable.h"
#include <QCheckBox>
#include <QComboBox>

namespace {
constexpr int Row_Pitch = 28;
constexpr int Field_Lift = 3; // a field sits 3 above its label
} // namespace

void TFParGen::Hide_All_Panels()
{
    for (TCategoryPanel *P : FPanels)
        P->Set_Panel_Visible(false);
}

void TFParGen::Order_Panels(std::initializer_list<std::pair<TCategoryPanel *, int>> Panels)
{
    int Number = 0;
    TCategoryPanel *Above = nullptr;
    for (const auto &[Panel, Text] : Panels) {
        Panel->Set_Panel_Visible(true);
        Panel->Set_Position(Above ? Above->Position() + Above->Stack_Height() : 0);
        Panel->Set_Caption(QString::number(Number + 1) + QStringLiteral(". ") + Lang_Text(Text));
        Panel->Set_Tab_Order(Number);
        Above = Panel;
        ++Number;
    }
}

void TFParGen::Order_TAB_Panels()
{
    Order_TAB_Panels_TK410();
}

void TFParGen::Order_TAB_Panels_TK410()
{
    Order_Panels({{CP_Modbus_Slave, 425}, {CP_Ethernet, 465}});
}

void TFParGen::Order_TAB_Panels_TK420()
{
    Order_Panels({{CP_Modbus_TCP_Slave, 406}});
}

void TFParGen::Order_TAB_Panels_TK430()
{
    Order_Panels({{CP_BACnet_Slave, 658}, {CP_Ethernet, 465}});
}

void TFParGen::Order_TAB_Panels_TK440()
{
    Order_Panels({{CP_MQTT, 438}, {CP_Ethernet, 465}, {CP_TLS, 492}, {CP_NTP, 507}});
}

void TFParGen::Order_TAB_Panels_TK450()
{
    Order_Panels({{CP_PROFIBUS, 751}, {CP_Ethernet, 465}});
}

void TFParGen::Order_TAB_Panels_TK460()
{
    Order_Panels({{CP_PROFINET, 546}});
}

// ---- Control layouts --------------------------------------------------------

void TFParGen::Move_GroupBoxs()
{
    RePosition_Objects_TK410();
}

void TFParGen::RePosition_Objects_TK410()
{
    RePosition_Object_Modbus_Slave();
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Objects_TK420()
{
    RePosition_Object_Modbus_TCP_Slave();
}

void TFParGen::RePosition_Objects_TK430()
{
    RePosition_Object_BACnet_Slave();
    RePosition_Object_Ethernet();
    // Ethernet settings belong to the MS/TP variant only.
    const auto *Type = Find<QComboBox>(QStringLiteral("CB_BACnet_Slave_Type"));
    CP_Ethernet->Set_Panel_Visible(Type->currentIndex() != 0);
}

void TFParGen::RePosition_Objects_TK440()
{
    RePosition_Object_MQTT();
    RePosition_Object_Ethernet();
    RePosition_Object_TLS();
    RePosition_Object_NTP();
}

void TFParGen::RePosition_Objects_TK450()
{
    RePosition_Object_PROFIBUS();
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Objects_TK460()
{
    RePosition_Object_PROFINET();
}

int TFParGen::Top_Of(const char *Name) const
{
    return Control(QString::fromLatin1(Name))->y();
}

void TFParGen::Move_Control(const char *Name, int Top)
{
    QWidget *W = Control(QString::fromLatin1(Name));
    W->move(W->x(), Top);
}

void TFParGen::Show_Controls(std::initializer_list<const char *> Names, bool Shown)
{
    for (const char *N : Names)
        Control(QString::fromLatin1(N))->setVisible(Shown);
}

void TFParGen::Show_Rows(const TCategoryPanel *Panel, int First, int Last, bool Shown)
{
    for (int R = First; R <= Last; ++R)
        for (QWidget *W : Row_Controls(Panel, R))
            W->setVisible(Shown);
}

void TFParGen::Fit_Panel(TCategoryPanel *Panel, const QString &Lowest)
{
    const QWidget *W = Control(Lowest);
    Panel->Set_Panel_Height(W->y() + W->height() + 12 + CPG->Header_Height());
}

void TFParGen::RePosition_Object_Modbus_Slave()
{
    Fit_Panel(CP_Modbus_Slave, QStringLiteral("CB_ModbusSlave_ReadInput"));
}

void TFParGen::RePosition_Object_Ethernet()
{
    Show_Controls({"L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", "L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port"}, false);
    Fit_Panel(CP_Ethernet, QStringLiteral("E_Ethernet_DNS4"));
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave()
{
    Fit_Panel(CP_Modbus_TCP_Slave, QStringLiteral("E_ModbusTCPSlave_Port"));
}

void TFParGen::RePosition_Object_NTP()
{
    Fit_Panel(CP_NTP, QStringLiteral("E_NTP_Poll_Time"));
}

void TFParGen::RePosition_Object_PROFINET()
{
    Fit_Panel(CP_PROFINET, QStringLiteral("E_PROFINET_Diagnostic"));
}

void TFParGen::RePosition_Object_PROFIBUS()
{
    Fit_Panel(CP_PROFIBUS, QStringLiteral("E_PROFIBUS_NByte_Out"));
}

void TFParGen::RePosition_Object_MQTT()
{
    // Rows 7 to 10 (the will's topic, message, retained flag and QoS) show
    // only with the will flag; user name and password close up beneath.
    const bool Will = Find<QCheckBox>(QStringLiteral("CB_MQTT_WillFlag"))->isChecked();
    Show_Rows(CP_MQTT, 6, 9, Will);
    const int Y = Will ? Top_Of("L_MQTT_Will_QoS") + Row_Pitch : Top_Of("L_MQTT_Will_TopicName");
    Move_Control("L_MQTT_Username", Y);
    Move_Control("E_MQTT_Username", Y - Field_Lift);
    Move_Control("L_MQTT_Password", Y + Row_Pitch);
    Move_Control("E_MQTT_Password", Y + Row_Pitch - Field_Lift);
    Show_Controls({"L_MQTT_ASync_Send_Time", "E_MQTT_ASync_Send_Time"}, false);
    Fit_Panel(CP_MQTT, QStringLiteral("E_MQTT_Password"));
}

void TFParGen::RePosition_Object_TLS()
{
    const bool Enabled = Find<QCheckBox>(QStringLiteral("CB_TLS_Enable"))->isChecked();
    if (!Enabled) {
        Show_Rows(CP_TLS, 1, 6, false);
        Fit_Panel(CP_TLS, QStringLiteral("CB_TLS_Enable"));
        return;
    }
    Show_Controls({"CB_TLS_En_Server_Auth"}, true);
    int Y = Top_Of("CB_TLS_En_Server_Auth") + Row_Pitch;
    const bool Server = Find<QCheckBox>(QStringLiteral("CB_TLS_En_Server_Auth"))->isChecked();
    Show_Controls({"L_TLS_Server_Cert", "E_TLS_Server_Cert"}, Server);
    if (Server)
        Y = Top_Of("E_TLS_Server_Cert") + Row_Pitch;

    Show_Controls({"CB_TLS_En_Client_Auth"}, true);
    Move_Control("CB_TLS_En_Client_Auth", Y);
    Y += Row_Pitch;
    const bool Client = Find<QCheckBox>(QStringLiteral("CB_TLS_En_Client_Auth"))->isChecked();
    const std::initializer_list<const char *> Client_Rows = {"L_TLS_Client_Cert", "E_TLS_Client_Cert",
                                                             "L_TLS_Client_Cert_Key", "E_TLS_Client_Cert_Key",
                                                             "L_TLS_Client_Cert_Key_Pass", "E_TLS_Client_Cert_Key_Pass"};
    Show_Controls(Client_Rows, Client);
    if (!Client) {
        Fit_Panel(CP_TLS, QStringLiteral("CB_TLS_En_Client_Auth"));
        return;
    }
    Move_Control("L_TLS_Client_Cert", Y);
    Move_Control("E_TLS_Client_Cert", Y - Field_Lift);
    Move_Control("L_TLS_Client_Cert_Key", Y + Row_Pitch);
    Move_Control("E_TLS_Client_Cert_Key", Y + Row_Pitch - Field_Lift);
    Move_Control("L_TLS_Client_Cert_Key_Pass", Y + 2 * Row_Pitch);
    Move_Control("E_TLS_Client_Cert_Key_Pass", Y + 2 * Row_Pitch - Field_Lift);
    Fit_Panel(CP_TLS, QStringLiteral("E_TLS_Client_Cert_Key_Pass"));
}

void TFParGen::RePosition_Object_BACnet_Slave()
{
    // Row 0 is the type; rows 1 to 6 the BACnet/IP settings, rows 7 to 14
    // the MS/TP settings, row 15 the description option.
    const bool IP = Find<QComboBox>(QStringLiteral("CB_BACnet_Slave_Type"))->currentIndex() == 0;
    Show_Rows(CP_BACnet_Slave, 1, 6, IP);
    Show_Rows(CP_BACnet_Slave, 7, 14, !IP);
    if (IP) {
        Move_Control("CB_BACnet_Slave_Desc_32_Chars", Top_Of("L_BACnet_IP_Slave_Device_Identifier") + Row_Pitch);
    } else {
        // The MS/TP rows close up under the type row.
        const int Label_Top = Top_Of("L_BACnet_IP_Slave_IP");
        const int Field_Top = Top_Of("E_BACnet_IP_Slave_IP1");
        for (int K = 0; K < 8; ++K) {
            const QList<QWidget *> Row = Row_Controls(CP_BACnet_Slave, 7 + K);
            Row[0]->move(Row[0]->x(), Label_Top + Row_Pitch * K);
            Row[1]->move(Row[1]->x(), Field_Top + Row_Pitch * K);
        }
        Move_Control("CB_BACnet_Slave_Desc_32_Chars", Top_Of("L_BACnet_MSTP_Slave_Network") + Row_Pitch);
    }
    Show_Controls({"CB_BACnet_Slave_Desc_32_Chars"}, true);
    Fit_Panel(CP_BACnet_Slave, QStringLiteral("CB_BACnet_Slave_Desc_32_Chars"));
}
