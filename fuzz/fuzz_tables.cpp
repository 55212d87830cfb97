// The protocol table files (MQTT_Set_Topic.xml, BACnet_Slave.xml) and the
// BACnet object rows the description writers read.
#include "FuzzSupport.h"
#include "protocols/BACnet_Slave_File.h"
#include "protocols/MQTT_Set_Topic_File.h"
#include "protocols/Table_Checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Path = Fuzz_File(Data, Size, "Table.xml");
    // Loading clears the tables first, so one set serves every input (they
    // are large: making them anew would take most of the time).
    static TMQTT_Set_Topic_File Mqtt;
    static TBACnet_Slave_File BACnet;
    Mqtt.Load(Path);
    BACnet.Load(Path);
    QList<TBACnet_Object_Row> Rows;
    Read_BACnet_Object_Rows(Path, Rows);
    // The editors' checks read whatever the file gave (every column shown, so every check runs).
    TMQTT_Check_Input Mqtt_In;
    Mqtt_In.Publish = &Mqtt.FPublish;
    Mqtt_In.Subscribe = &Mqtt.FSubscribe;
    Check_MQTT_Tables(Mqtt_In);
    TBACnet_Check_Input BACnet_In;
    BACnet_In.Read = &BACnet.FRead;
    BACnet_In.Write = &BACnet.FWrite;
    Check_BACnet_Tables(BACnet_In);
    return 0;
}
