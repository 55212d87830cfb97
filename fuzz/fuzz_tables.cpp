// The protocol table files (MQTT_Set_Topic.xml, BACnet_Slave.xml) and the
// BACnet object rows the description writers read.
#include "FuzzSupport.h"
#include "protocols/BACnet_Slave_File.h"
#include "protocols/MQTT_Set_Topic_File.h"

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
    return 0;
}
