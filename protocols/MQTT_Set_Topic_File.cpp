#include "protocols/MQTT_Set_Topic_File.h"
#include "protocols/TableFile.h"
#include "platform/XmlDoc.h"
#include <array>

namespace {
using F = TMQTT_Set_Topic_File;

// Attribute order is the file's order.
const TAttrColumn Pub_Columns[] = {
    {"Topic", F::pcTopic, TMissingAttr::maReport},
    {"Retained", F::pcRetained, TMissingAttr::maReport},
    {"QoS", F::pcQoS, TMissingAttr::maReport},
    {"DataType", F::pcDataType, TMissingAttr::maEmpty},
    {"Dimension", F::pcDimension, TMissingAttr::maEmpty},
    {"Position", F::pcPosition, TMissingAttr::maEmpty},
    {"IPAddress", F::pcIPAddress, TMissingAttr::maEmpty},
    {"InputTemplate", F::pcInputTemplate, TMissingAttr::maEmpty},
    {"Template", F::pcTemplate, TMissingAttr::maEmpty},
    {"OnChange", F::pcOnChange, TMissingAttr::maNo},
    {"OnCMD", F::pcOnCMD, TMissingAttr::maNo},
    {"OnTimer", F::pcOnTimer, TMissingAttr::maNo},
    {"Time", F::pcTime, TMissingAttr::maEmpty},
    {"Mnemonic", F::pcMnemonic, TMissingAttr::maReport},
};
const TPresetColumn Pub_Presets[] = {{F::pcChannel, ""}, {F::pcSwap, "N"}, {F::pcSwapWord, "N"}};

const TAttrColumn Sub_Columns[] = {
    {"Topic", F::scTopic, TMissingAttr::maReport},
    {"Retained", F::scRetained, TMissingAttr::maReport},
    {"QoS", F::scQoS, TMissingAttr::maReport},
    {"DataType", F::scDataType, TMissingAttr::maEmpty},
    {"Dimension", F::scDimension, TMissingAttr::maEmpty},
    {"Position", F::scPosition, TMissingAttr::maEmpty},
    {"IPAddress", F::scIPAddress, TMissingAttr::maEmpty},
    {"Port", F::scPort, TMissingAttr::maEmpty},
    {"EthType", F::scEthType, TMissingAttr::maEmpty},
    {"InputTemplate", F::scInputTemplate, TMissingAttr::maEmpty},
    {"Template", F::scTemplate, TMissingAttr::maEmpty},
    {"Mnemonic", F::scMnemonic, TMissingAttr::maReport},
};
const TPresetColumn Sub_Presets[] = {{F::scSwap, "N"}, {F::scSwapWord, "N"}};
} // namespace

namespace {
// The lists point at the object's own tables; building the file only reads them.
std::array<TTableList, 2> Lists_Of(const TMQTT_Set_Topic_File &File)
{
    auto &M = const_cast<TMQTT_Set_Topic_File &>(File);
    return {{
        {"MQTT_Publish", &M.FPublish, Pub_Columns, Pub_Presets, F::pcTopic},
        {"MQTT_Subscribe", &M.FSubscribe, Sub_Columns, Sub_Presets, F::scTopic},
    }};
}
} // namespace

TTableLoadResult TMQTT_Set_Topic_File::Load(const QString &Path)
{
    return Load_Table_File(Path, Lists_Of(*this));
}

void TMQTT_Set_Topic_File::Load_Document(const TXmlDocument &Doc, TTableLoadResult &Result)
{
    const auto Lists = Lists_Of(*this);
    for (const TTableList &L : Lists)
        L.Table->Clear();
    Load_Table_Document(Doc, Lists, Result);
}

void TMQTT_Set_Topic_File::Build_Document(TXmlDocument &Doc) const
{
    Build_Table_Document(Doc, QStringLiteral("MQTT_Set_Topic"), QStringLiteral("SW_VERSION = 1.001"), Lists_Of(*this));
}

bool TMQTT_Set_Topic_File::Save(const QString &Path, QString *Error) const
{
    TXmlDocument Doc;
    Build_Document(Doc);
    return Doc.Save_To_File(Path, Error);
}
