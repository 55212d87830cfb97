#pragma once
#include <QString>
#include <memory>
#include <vector>

// The EnOcean network of a project: the devices the gateway accepts, each
// with its security settings and up to four EEPs (both lists together), and
// per EEP the variables mapped into the gateway's data image. Kept in
// EnOcean.xml:
//
//   <EnOcean><DevicesList>
//     <Device Id Secure_Type Key RollCode RollCodeAlg RollCodeTx CMACAlg DataCript PTM>
//       <UnidirectionalList>
//         <RorgFuncType RorgNum FuncNum TypeNum><VariablesList>
//           <Variable CaseInd Data BitOffs BitSize Position BitStart/>
//       </UnidirectionalList>
//       <SmartACKList> (same shape) </SmartACKList>
//       <Remote/>
//   </DevicesList></EnOcean><!--SW_VERSION = 1.000-->
//
// Numbers are decimal text. The loader accepts any element name inside the
// lists. Ownership: a device owns its EEP entries, an entry its variables.

class TXmlDocument;

// A catalogue data field placed in the gateway's data image: what a variable
// of an EEP entry and one of a Ruzor AVI group both carry.
class TVar_Placement
{
public:
    QString FData;       // name of the catalogue data field (TDataField::FData)
    int FBitOffs = 0;    // copied from the catalogue when the variable is set
    int FBitSize = 0;    // copied from the catalogue
    int FPosition = 0;   // position of the value in the gateway's data image
    int FBitStart = 0;   // start bit at that position, 0 to 7

    const QString &Data() const { return FData; }
    void Set_Data(const QString &Value) { FData = Value; }
    int BitOffs() const { return FBitOffs; }
    void Set_BitOffs(int Value) { FBitOffs = Value; }
    int BitSize() const { return FBitSize; }
    void Set_BitSize(int Value) { FBitSize = Value; }
    int Position() const { return FPosition; }
    void Set_Position(int Value) { FPosition = Value; }
    int BitStart() const { return FBitStart; }
    void Set_BitStart(int Value) { FBitStart = Value; }
};

// The R-ORG, FUNC and TYPE numbers of an EEP, shared by a device's EEP entry
// and a Ruzor AVI entry.
class TEEP_Numbers
{
public:
    int FRorgNum = 0; // 0xF6, 0xA5, 0xD2 ...
    int FFuncNum = 0;
    int FTypeNum = 0;

    int RorgNum() const { return FRorgNum; }
    void Set_RorgNum(int Value) { FRorgNum = Value; }
    int FuncNum() const { return FFuncNum; }
    void Set_FuncNum(int Value) { FFuncNum = Value; }
    int TypeNum() const { return FTypeNum; }
    void Set_TypeNum(int Value) { FTypeNum = Value; }
};

class TVarEnOcean : public TVar_Placement
{
public:
    int FCaseIndex = 0;  // 0-based position of the case within the catalogue TYPE

    int CaseIndex() const { return FCaseIndex; }
    void Set_CaseIndex(int Value) { FCaseIndex = Value; }
};

// One EEP of a device.
class TRorFunTyp : public TEEP_Numbers
{
public:
    TRorFunTyp() = default;
    TRorFunTyp(const TRorFunTyp &) = delete;
    TRorFunTyp &operator=(const TRorFunTyp &) = delete;

    std::vector<std::unique_ptr<TVarEnOcean>> VariableList; // in the order added
};

class TDevice_EnOcean
{
public:
    TDevice_EnOcean() = default;
    TDevice_EnOcean(const TDevice_EnOcean &) = delete;
    TDevice_EnOcean &operator=(const TDevice_EnOcean &) = delete;

    // Every field is stored and saved whatever the security type.
    QString FId = QStringLiteral("0"); // 32-bit ID exactly as typed (decimal, or hex with a prefix)
    int FSecure_Type = 0;  // 0 unsecure, 1 pre-shared key, 2 manual setting
    QString FKey;          // types 1 and 2
    QString FRollCode;     // start rolling code as typed; type 2
    int FRollCodeAlg = 0;  // 0 none, 1 16-bit, 2 24-bit
    int FRollCodeTx = 0;   // 0 no, 1 yes
    int FCMACAlg = 0;      // 0 none, 1 AES128 3-byte CMAC, 2 AES128 4-byte CMAC
    int FDataCript = 0;    // 0 none, 1 VAES AES128, 2 AES-CBC AES128
    int FPTM = 0;          // 0 no, 1 the sender is a PTM module
    std::vector<std::unique_ptr<TRorFunTyp>> UnidirectionalList;
    std::vector<std::unique_ptr<TRorFunTyp>> SmartACKList; // Ruzor AVI EEPs, same shape
    std::vector<void *> RemoteList; // reserved for remote entries; nothing fills it, not owned

    const QString &Id() const { return FId; }
    void Set_Id(const QString &Value) { FId = Value; }
    int Secure_Type() const { return FSecure_Type; }
    void Set_Secure_Type(int Value) { FSecure_Type = Value; }
    const QString &Key() const { return FKey; }
    void Set_Key(const QString &Value) { FKey = Value; }
    const QString &RollCode() const { return FRollCode; }
    void Set_RollCode(const QString &Value) { FRollCode = Value; }
    int RollCodeAlg() const { return FRollCodeAlg; }
    void Set_RollCodeAlg(int Value) { FRollCodeAlg = Value; }
    int RollCodeTx() const { return FRollCodeTx; }
    void Set_RollCodeTx(int Value) { FRollCodeTx = Value; }
    int CMACAlg() const { return FCMACAlg; }
    void Set_CMACAlg(int Value) { FCMACAlg = Value; }
    int DataCript() const { return FDataCript; }
    void Set_DataCript(int Value) { FDataCript = Value; }
    int PTM() const { return FPTM; }
    void Set_PTM(int Value) { FPTM = Value; }

    // EEP entries in both lists together (at most four are allowed when adding).
    int EEP_Count() const { return static_cast<int>(UnidirectionalList.size() + SmartACKList.size()); }
};

using TDevice_List = std::vector<std::unique_ptr<TDevice_EnOcean>>;

// Ruzor AVI grouped form: pairs of an incoming and an outgoing case. The file
// has no place for it; it is declared for the Ruzor AVI dialog.
class TVarEnOcean_SAck : public TVar_Placement
{
};

class TGroup_SAck
{
public:
    TGroup_SAck() = default;
    TGroup_SAck(const TGroup_SAck &) = delete;
    TGroup_SAck &operator=(const TGroup_SAck &) = delete;

    int FCaseInIndex = 0;  // case position of the incoming case
    int FCaseOutIndex = 0; // case position of the outgoing case
    std::vector<std::unique_ptr<TVarEnOcean_SAck>> VarsInList;
    std::vector<std::unique_ptr<TVarEnOcean_SAck>> VarsOutList;

    int CaseInIndex() const { return FCaseInIndex; }
    void Set_CaseInIndex(int Value) { FCaseInIndex = Value; }
    int CaseOutIndex() const { return FCaseOutIndex; }
    void Set_CaseOutIndex(int Value) { FCaseOutIndex = Value; }
};

class TRorFunTyp_SAck : public TEEP_Numbers
{
public:
    TRorFunTyp_SAck() = default;
    TRorFunTyp_SAck(const TRorFunTyp_SAck &) = delete;
    TRorFunTyp_SAck &operator=(const TRorFunTyp_SAck &) = delete;

    std::vector<std::unique_ptr<TGroup_SAck>> GroupList;
};

// ---------------------------------------------------------------------------
// EnOcean.xml

// How a load went. A load stops at the first error; the devices read before
// it stay, the device being read is dropped, nothing after it is read.
struct TEnOcean_Load_Result
{
    enum TKind {
        elRead,       // the whole file was read
        elNoFile,     // no file: an empty network
        elNoNetwork,  // the file holds no EnOcean element with a DevicesList: nothing read
        elPartial,    // an error stopped the load; Devices_Read devices were kept
        elUnreadable, // the file could not be opened or parsed: nothing read
    };
    TKind Kind = elRead;
    QString Reason;       // what failed and where ("device 3: attribute "PTM" is missing")
    int Line = 0;         // position of a parse error
    int Column = 0;
    int Devices_Read = 0; // devices appended by this load

    // True when nothing of the file was left unread: saving after it loses nothing.
    bool Complete() const { return Kind == elRead || Kind == elNoFile; }
};

// Whether the Ruzor AVI list takes part. The older EnOcean editor neither reads
// nor writes it (it saves an empty SmartACKList).
enum class TSmartACK_Use { saUse, saIgnore };

// Longest text attribute (Id, Key, RollCode, Data) the reader takes. Every
// text the editors write is far shorter (an ID of up to ten characters, key
// and rolling code of 16, catalogue field names of a few dozen); a text of a
// megabyte froze the editor for seconds on every paint of the list showing it.
constexpr int EnOcean_Max_Text = 1024;

// Appends the devices of the file to DevList (which the caller has emptied).
// Text attributes Key and RollCode may be missing (empty); every other
// attribute, a number that is no whole number, a text longer than
// EnOcean_Max_Text and an EEP entry without a VariablesList are errors. The
// file is read as a stream; nothing is appended unless the whole file is
// well-formed.
TEnOcean_Load_Result Load_EnOcean_File(const QString &Path, TDevice_List &DevList,
                                       TSmartACK_Use SmartACK = TSmartACK_Use::saUse);

// Builds the whole document (replacing Doc's content) and writes it
// atomically; false with the reason in Error when anything failed, the old
// file then left as it was.
bool Save_EnOcean_File(const QString &Path, const TDevice_List &DevList, QString *Error = nullptr,
                       TSmartACK_Use SmartACK = TSmartACK_Use::saUse);
void Build_EnOcean_Document(const TDevice_List &DevList, TXmlDocument &Doc,
                            TSmartACK_Use SmartACK = TSmartACK_Use::saUse);
