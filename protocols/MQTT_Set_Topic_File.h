#pragma once
#include "protocols/CellTable.h"

class TXmlDocument;

// MQTT_Set_Topic.xml: the publish and subscribe topic tables of a project,
// held as the topic editor's two grids hold them (1025 rows: header row and
// 1024 topics; columns by their place in the grid, hidden ones included).
// A table ends at its first row whose Topic, trimmed, is empty.
class TMQTT_Set_Topic_File
{
public:
    static constexpr int Grid_Rows = 1025;
    static constexpr int Pub_Cols = 18;
    static constexpr int Sub_Cols = 15;

    // Publish grid columns.
    enum TPubCol {
        pcTopic = 1, pcRetained, pcQoS, pcDataType, pcDimension, pcPosition, pcIPAddress,
        pcInputTemplate, pcTemplate, pcOnChange, pcOnCMD, pcOnTimer, pcTime,
        pcChannel, pcSwap, pcSwapWord, pcMnemonic, // Channel, Swap and Swap Word are not stored
    };
    // Subscribe grid columns.
    enum TSubCol {
        scTopic = 1, scRetained, scQoS, scDataType, scDimension, scPosition, scIPAddress,
        scPort, scEthType, scInputTemplate, scTemplate,
        scSwap, scSwapWord, scMnemonic, // Swap and Swap Word are not stored
    };

    TCellTable FPublish{Grid_Rows, Pub_Cols};
    TCellTable FSubscribe{Grid_Rows, Sub_Cols};

    // Clears both tables and reads the file (see TTableLoadResult for what
    // a missing file, attribute or list, or surplus rows give).
    TTableLoadResult Load(const QString &Path);
    void Load_Document(const TXmlDocument &Doc, TTableLoadResult &Result);

    // The file's document: root MQTT_Set_Topic, comment "SW_VERSION = 1.001"
    // after it, MQTT_Publish then MQTT_Subscribe with one row per used row.
    void Build_Document(TXmlDocument &Doc) const;
    // Writes the file atomically; false with Error set on failure.
    bool Save(const QString &Path, QString *Error = nullptr) const;
};
