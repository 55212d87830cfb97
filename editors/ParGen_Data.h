#pragma once
#include <QString>
#include <QStringList>
#include <array>

// ParGen.xml: the gateway's communication parameters of one project, as the
// parameter editor keeps them. The file is the root element Par_Gen holding
// one text element per value, followed by the comment "SW_VERSION = 1.000";
// readers take the document's first node as the root and the first child of
// each name. Value forms: a choice from a fixed list is its 0-based item
// index in decimal, an option "1" (on) or "0" (off), a typed number the text
// as typed (an octet "010" stays "010"), an IPv4 address four elements, most
// significant octet first.

class TXmlDocument;
class TXmlNode;

struct TParGen_Load_Result
{
    enum TKind {
        plRead,       // the file was read; Defaulted lists the elements that took their default
        plNoFile,     // no file: every value is its default
        plUnreadable, // the file could not be opened or parsed: every value is its default
    };
    TKind Kind = plRead;
    QString Reason; // why the file could not be read, with line and column when known
    int Line = 0;
    int Column = 0;
    // Elements whose default was taken because they were missing, held
    // elements instead of text, or gave a choice that is no whole number or
    // outside its list.
    QStringList Defaulted;

    bool Ok() const { return Kind != plUnreadable; }
};

class TParGen_Data
{
public:
    // Item counts of the choices, for range checks and combo boxes.
    static constexpr int Serial_Count = 2;   // 0 RS232, 1 RS485
    static constexpr int Baudrate_Count = 8; // 0 1200 ... 7 115200
    static constexpr int Parity_Count = 3;   // 0 NONE, 1 ODD, 2 EVEN
    static constexpr int StopBits_Count = 2; // 0 one, 1 two stop bits

    // The 24 elements the editor reads and writes, in the order they are written.
    static const QStringList &Element_Names();

    TParGen_Data() { Set_Defaults(); }

    // Every value to the editor's default (a project without ParGen.xml):
    // RS232, 115200, NONE, one stop bit, address 10, read-input option on,
    // 192.168.0.10 / 255.255.255.0, gateway 192.168.0.1 off, DNS 8.8.8.8 off.
    void Set_Defaults();

    // Replaces every value. Values start from the defaults, so a missing file,
    // a file that cannot be parsed and any element that cannot be read all
    // leave defaults, never values of an earlier load. A choice outside its
    // list takes its default.
    TParGen_Load_Result Load(const QString &Path);
    // Writes the whole file atomically, replacing it; on failure the old file
    // stays and Error (when given) tells why.
    bool Save(const QString &Path, QString *Error = nullptr) const;
    // The document as Save writes it: root, the 24 elements in order, then the comment.
    void Build_Document(TXmlDocument &Doc) const;
    QByteArray To_Bytes() const;

    int FModbusSlave_Serial;      // MODBUS_SLAVE_SERIAL
    int FModbusSlave_Baudrate;    // MODBUS_SLAVE_BAUDRATE
    int FModbusSlave_Parity;      // MODBUS_SLAVE_PARITY
    int FModbusSlave_StopBits;    // MODBUS_SLAVE_STOPBITS
    QString FModbusSlave_IDDevice; // MODBUS_SLAVE_IDDEVICE, as typed
    bool FModbusSlave_ReadInput;  // MODBUS_SLAVE_READ_INPUT_REGISTER
    std::array<QString, 4> FEthernet_IP;  // Ethernet_IP1..4, as typed
    std::array<QString, 4> FEthernet_SM;  // Ethernet_SM1..4
    std::array<QString, 4> FEthernet_GAT; // Ethernet_GAT1..4 (written even when off)
    bool FEthernet_En_GAT;                // Ethernet_EN_GAT
    std::array<QString, 4> FEthernet_DNS; // Ethernet_DNS1..4 (written even when off)
    bool FEthernet_En_DNS;                // Ethernet_EN_DNS

    // The root element as every reader of the file finds it: the document's
    // first node when it is an element, else nullptr.
    static const TXmlNode *Root_Of(const TXmlDocument &Doc);
    // Text of the root's first child element of that name. False when the
    // element is missing or holds elements instead of text.
    static bool Element_Text(const TXmlNode *Root, const QString &Name, QString &Text);
};
