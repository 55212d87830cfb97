#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The EEP profile catalogue: the EnOcean Equipment Profiles the gateway
// understands, read once at start from eep.xml as the tree
//   RORG > FUNC > TYPE > CASE > data field.
//
// Every level keeps two parallel lists, its owned children and one display
// text per child, in the same order: the item index of a combo box filled
// from a display list is the position of the object in the child list.
// Nothing writes the catalogue file; the tree is never edited after loading.

class TXmlNode;

class TDataField
{
public:
    QString FData;        // the key by which a project variable names the field
    QString FShortcut;
    QString FDescription; // empty when the element held more than plain text
    QString FInfo;        // empty when the element held more than plain text
    int FBitOffs = 0;     // bit offset in the telegram's data
    int FBitSize = 0;

    const QString &Data() const { return FData; }
    void Set_Data(const QString &Value) { FData = Value; }
    const QString &Shortcut() const { return FShortcut; }
    void Set_Shortcut(const QString &Value) { FShortcut = Value; }
    const QString &Description() const { return FDescription; }
    void Set_Description(const QString &Value) { FDescription = Value; }
    const QString &Info() const { return FInfo; }
    void Set_Info(const QString &Value) { FInfo = Value; }
    int BitOffs() const { return FBitOffs; }
    void Set_BitOffs(int Value) { FBitOffs = Value; }
    int BitSize() const { return FBitSize; }
    void Set_BitSize(int Value) { FBitSize = Value; }

    // True for a field that was read; false for a reserved field or when an
    // element could not be read (the field is then dropped by its case).
    bool Read_DataField_XML(const TXmlNode *DataField);
};

// A case has no number of its own: it is known by its 0-based position in
// its TYPE's List_Case. The identifier triple tells the gateway which case a
// telegram belongs to: for RPS (0xF6) a bit pattern in the 8-bit status field
// (size and offset 0), for VLD (0xD2) a data field of given offset and size.
class TCase
{
public:
    TCase() = default;
    TCase(const TCase &) = delete;
    TCase &operator=(const TCase &) = delete;

    QString FTitle;
    int FCaseIdSize = 0;   // 0 when no field selects the case
    int FCaseIdOffset = 0;
    int FCaseId = 0;
    std::vector<std::unique_ptr<TDataField>> List_DataField; // reserved fields left out
    QStringList DataField_SL; // "TMP : 16, 8" (data, bit offset, bit size)

    const QString &Title() const { return FTitle; }
    void Set_Title(const QString &Value) { FTitle = Value; }
    int CaseIdSize() const { return FCaseIdSize; }
    void Set_CaseIdSize(int Value) { FCaseIdSize = Value; }
    int CaseIdOffset() const { return FCaseIdOffset; }
    void Set_CaseIdOffset(int Value) { FCaseIdOffset = Value; }
    int CaseId() const { return FCaseId; }
    void Set_CaseId(int Value) { FCaseId = Value; }

    // Only Rorg is used: it decides how a condition is read. Returns false
    // when an element of the case itself could not be read.
    bool Read_Case_XML(const TXmlNode *Case_, int Rorg, int Func, int Type_);
};

class TType
{
public:
    TType() = default;
    TType(const TType &) = delete;
    TType &operator=(const TType &) = delete;

    int FNumber = 0;
    QString FTitle;
    std::vector<std::unique_ptr<TCase>> List_Case;
    QStringList Case_SL; // "2 -> Open": 1-based position, " -> ", title

    int Number() const { return FNumber; }
    void Set_Number(int Value) { FNumber = Value; }
    const QString &Title() const { return FTitle; }
    void Set_Title(const QString &Value) { FTitle = Value; }

    bool Read_Type_XML(const TXmlNode *Type_, int Rorg, int Func);
};

class TFunc
{
public:
    TFunc() = default;
    TFunc(const TFunc &) = delete;
    TFunc &operator=(const TFunc &) = delete;

    int FNumber = 0;
    QString FTitle;
    std::vector<std::unique_ptr<TType>> List_Type;
    QStringList Type_SL; // "0x01 : Title"

    int Number() const { return FNumber; }
    void Set_Number(int Value) { FNumber = Value; }
    const QString &Title() const { return FTitle; }
    void Set_Title(const QString &Value) { FTitle = Value; }

    bool Read_Func_XML(const TXmlNode *Func, int Rorg);
};

class TRorg
{
public:
    TRorg() = default;
    TRorg(const TRorg &) = delete;
    TRorg &operator=(const TRorg &) = delete;

    int FNumber = 0;
    QString FTitle;
    std::vector<std::unique_ptr<TFunc>> List_Func;
    QStringList Func_SL; // "0x02 : Title"

    int Number() const { return FNumber; }
    void Set_Number(int Value) { FNumber = Value; }
    const QString &Title() const { return FTitle; }
    void Set_Title(const QString &Value) { FTitle = Value; }

    bool Read_Rorg_XML(const TXmlNode *Rorg);
};

// How a catalogue load went, for the one report at start.
struct TCatalog_Load_Status
{
    enum TKind {
        clsRead,       // the file was parsed and walked
        clsNoFile,     // no file at the path
        clsUnreadable, // the file could not be opened or is not well-formed XML
    };
    TKind Kind = clsRead;
    QString Reason;       // why it could not be read, with the position
    int Line = 0;
    int Column = 0;
};

class TCatalog_EnOcean
{
public:
    TCatalog_EnOcean() = default;
    TCatalog_EnOcean(const TCatalog_EnOcean &) = delete;
    TCatalog_EnOcean &operator=(const TCatalog_EnOcean &) = delete;

    std::vector<std::unique_ptr<TRorg>> List_Rorg; // file order
    QStringList Rorg_SL;                           // "0xF6 : Rocker Switch"

    // True when the file was read and its last RORG entry read without error;
    // false when the file is missing (catalogue unchanged) or does not parse
    // (nothing added). Entries appended before an error stay. Status, when
    // given, tells a missing file from an unreadable one and gives the reason.
    // The file is streamed: the entries are built as the elements go by, with
    // no document tree in between (the catalogue is on the start-up path).
    bool Read_Cat_EnOcean_XML(const QString &FileName, TCatalog_Load_Status *Status = nullptr);
    // The same load through the whole document tree and the node readers
    // above, with the same result, entries and status. The streamed load
    // takes this way for a file that lists a FUNC of a RORG before the RORG's
    // number, since the FUNC's cases are read by that number.
    bool Read_Cat_EnOcean_XML_Tree(const QString &FileName, TCatalog_Load_Status *Status = nullptr);

    // Positions in the child lists, or -1. Each searches the first RORG with
    // that number and, below it, its first FUNC with that number.
    int Get_RorgNum_Index(int RorgNum) const;
    int Get_FuncNum_Index(int RorgNum, int FuncNum) const;
    int Get_TypeNum_Index(int RorgNum, int FuncNum, int TypeNum) const;
    // Position of the first data field named exactly Data (case-sensitive) in
    // case CaseNum of the first TYPE with that number that has such a case.
    int Get_DataField_Index(int RorgNum, int FuncNum, int TypeNum, int CaseNum, const QString &Data) const;

    // The case at position CaseNum of the first TYPE, over all RORG and FUNC
    // entries with these numbers in file order, that has it; nullptr when none.
    // The catalogue keeps ownership.
    const TCase *Get_CaseObj(int RorgNum, int FuncNum, int TypeNum, int CaseNum) const;

    // Display texts ("0xA5 : 4BS Telegram", "1 -> Heating"); empty when the
    // catalogue lacks the entry. Each names the first entry with the numbers
    // under any entry above with its numbers, in file order; the case text is
    // empty when CaseNum is outside that TYPE's cases.
    QString Get_Rorg_Name_Str(int RorgNum) const;
    QString Get_Func_Name_Str(int RorgNum, int FuncNum) const;
    QString Get_Type_Name_Str(int RorgNum, int FuncNum, int TypeNum) const;
    QString Get_Case_Name_Str(int RorgNum, int FuncNum, int TypeNum, int CaseNum) const;

    // Number of TYPE entries over the whole tree (one per profile).
    int Profile_Count() const;

    // "0x" + at least two upper-case hexadecimal digits + " : " + title.
    static QString Number_Title_Str(int Number, const QString &Title);
    // CaseNum + 1 + " -> " + title.
    static QString Case_Title_Str(int CaseNum, const QString &Title);
};
