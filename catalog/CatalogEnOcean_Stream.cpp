// The catalogue read straight from the XML stream: the entries are built as
// their elements go by, without a document tree in between. The rules are
// those of the node readers (CatalogEnOcean.cpp), which hold every element
// at hand: an entry reads the FIRST child element of each name wherever it
// stands, so a level gathers its children and decides at its end tag.
#include "catalog/CatalogEnOcean.h"
#include "platform/TextToInt.h"
#include "platform/XmlDoc.h"
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <cstdint>
#include <vector>

namespace {

const int Rps_Rorg = 0xF6;
const int Vld_Rorg = 0xD2;

// Raised when a RORG lists a FUNC before its own number: the FUNC's cases are
// read by the RORG's number, so such a file is read through the tree instead.
struct TNeeds_Tree {};

// Texts repeat all through the catalogue (profiles that refer to another one
// repeat its cases): the stream keeps one shared copy of each.
class TText_Pool
{
public:
    TText_Pool() : FSlots(4096) {}

    // Empty text gives the null string, as an element without text does.
    QString Get(QStringView Text)
    {
        if (Text.isEmpty())
            return QString();
        if (2 * (FCount + 1) > FSlots.size())
            Grow();
        QString &Slot = Find_Slot(FSlots, Text);
        if (Slot.isNull()) {
            Slot = Text.toString();
            ++FCount;
        }
        return Slot;
    }

private:
    static QString &Find_Slot(std::vector<QString> &Slots, QStringView Text)
    {
        const size_t Mask = Slots.size() - 1;
        for (size_t I = qHash(Text) & Mask;; I = (I + 1) & Mask)
            if (Slots[I].isNull() || Slots[I] == Text)
                return Slots[I];
    }

    void Grow()
    {
        std::vector<QString> Bigger(FSlots.size() * 2);
        for (QString &S : FSlots)
            if (!S.isNull())
                Find_Slot(Bigger, S) = std::move(S);
        FSlots.swap(Bigger);
    }

    std::vector<QString> FSlots; // open addressing, a power of two long, at most half full
    size_t FCount = 0;
};

void Append_Int(QString &S, int Value)
{
    char Digits[12];
    int N = 0;
    uint32_t Magnitude = Value < 0 ? 0u - static_cast<uint32_t>(Value) : static_cast<uint32_t>(Value);
    do {
        Digits[N++] = static_cast<char>('0' + Magnitude % 10);
        Magnitude /= 10;
    } while (Magnitude != 0);
    if (Value < 0)
        S += QLatin1Char('-');
    while (N > 0)
        S += QLatin1Char(Digits[--N]);
}

// The first child element of one name: whether there is one, and whether it
// holds elements (then it is no text: a text reader fails on it).
struct TLeaf
{
    bool Present = false;
    bool Has_Elements = false;
    bool Fails() const { return Present && Has_Elements; }
};

struct TText_Leaf : TLeaf
{
    QString Text; // its text; null when absent, empty or holding elements
};

struct TNumber_Leaf : TLeaf
{
    int Number = 0; // 0 when absent, not a whole number or holding elements
};

class TCatalog_Stream
{
public:
    explicit TCatalog_Stream(QIODevice *Device) : R(Device) { Scratch.reserve(256); }

    // Reads the whole document. The RORG entries read go to Rorgs only when
    // the document is well-formed; returns the load's result. Throws
    // EXmlError as the document tree does, or TNeeds_Tree.
    bool Read(std::vector<std::unique_ptr<TRorg>> &Rorgs, QStringList &Rorg_SL)
    {
        bool Result = true;
        bool Has_Root = false;
        for (;;) {
            const QXmlStreamReader::TokenType T = Next();
            if (T == QXmlStreamReader::EndDocument)
                break;
            if (T != QXmlStreamReader::StartElement)
                continue;
            // Only the root can start here: its children are read below.
            Has_Root = true;
            if (R.name() == QLatin1String("profile"))
                Result = Read_Profile(Rorgs, Rorg_SL);
            else
                Skip();
        }
        if (!Has_Root)
            throw Xml_No_Root_Error();
        return Result;
    }

private:
    QXmlStreamReader R;
    int Depth = 0;      // open elements, the root counting 1
    QString Scratch;    // the text of the element being read, reused
    TText_Pool Pool;

    // The next token. Counts the open elements and stops at the nesting bound
    // and at every error of the reader.
    QXmlStreamReader::TokenType Next()
    {
        const QXmlStreamReader::TokenType T = R.readNext();
        switch (T) {
        case QXmlStreamReader::StartElement:
            if (++Depth > Xml_Max_Depth)
                throw Xml_Depth_Error(R);
            break;
        case QXmlStreamReader::EndElement:
            --Depth;
            break;
        case QXmlStreamReader::Invalid:
            throw Xml_Reader_Error(R);
        default:
            break;
        }
        return T;
    }

    // Reads past the end tag of the element just started.
    void Skip()
    {
        const int Outer = Depth - 1;
        while (Depth > Outer)
            Next();
    }

    // Calls On_Child for each child element just started (which must read or
    // skip it whole) until the end tag of the element just started.
    template <class F> void Children(F &&On_Child)
    {
        const int Own = Depth;
        for (;;) {
            const QXmlStreamReader::TokenType T = Next();
            if (T == QXmlStreamReader::StartElement)
                On_Child(R.name());
            else if (T == QXmlStreamReader::EndElement && Depth < Own)
                return;
        }
    }

    // Reads the element just started into Scratch, as the tree's text: its own
    // character runs, whitespace-only runs left out. Returns whether it held elements.
    bool Read_Leaf()
    {
        Scratch.resize(0);
        bool Has_Elements = false;
        const int Own = Depth;
        for (;;) {
            const QXmlStreamReader::TokenType T = Next();
            if (T == QXmlStreamReader::StartElement) {
                Has_Elements = true;
                Skip();
            } else if (T == QXmlStreamReader::Characters) {
                if (!R.isWhitespace())
                    Scratch += R.text();
            } else if (T == QXmlStreamReader::EndElement && Depth < Own) {
                return Has_Elements;
            }
        }
    }

    // The first element of a name fills its leaf; later ones are passed over.
    void Read(TText_Leaf &Leaf)
    {
        if (Leaf.Present)
            return Skip();
        Leaf.Present = true;
        Leaf.Has_Elements = Read_Leaf();
        if (!Leaf.Has_Elements)
            Leaf.Text = Pool.Get(Scratch);
    }

    void Read(TNumber_Leaf &Leaf)
    {
        if (Leaf.Present)
            return Skip();
        Leaf.Present = true;
        Leaf.Has_Elements = Read_Leaf();
        if (!Leaf.Has_Elements)
            Leaf.Number = Str_To_Int_Def(Scratch, 0);
    }

    // A data field of a case: nullptr when reserved or when an element of it
    // cannot be read.
    std::unique_ptr<TDataField> Read_DataField()
    {
        bool Reserved = false;
        TText_Leaf Data, Shortcut, Description, Info;
        TNumber_Leaf Bit_Offs, Bit_Size;
        Children([&](QStringView Name) {
            if (Name == QLatin1String("data"))
                Read(Data);
            else if (Name == QLatin1String("shortcut"))
                Read(Shortcut);
            else if (Name == QLatin1String("description"))
                Read(Description);
            else if (Name == QLatin1String("info"))
                Read(Info);
            else if (Name == QLatin1String("bitoffs"))
                Read(Bit_Offs);
            else if (Name == QLatin1String("bitsize"))
                Read(Bit_Size);
            else {
                Reserved = Reserved || Name == QLatin1String("reserved");
                Skip();
            }
        });
        if (Reserved || Data.Fails() || Shortcut.Fails() || Bit_Offs.Fails() || Bit_Size.Fails())
            return nullptr;
        auto Field = std::make_unique<TDataField>();
        Field->FData = Data.Text;
        Field->FShortcut = Shortcut.Text;
        Field->FDescription = Description.Text; // holding elements: empty, no error
        Field->FInfo = Info.Text;
        Field->FBitOffs = Bit_Offs.Number;
        Field->FBitSize = Bit_Size.Number;
        return Field;
    }

    // The numbers of one condition element: value, bit offset, bit size.
    // False when one that is present holds elements.
    bool Read_Condition_Numbers(TNumber_Leaf &Value, TNumber_Leaf &Bit_Offs, TNumber_Leaf &Bit_Size)
    {
        Children([&](QStringView Name) {
            if (Name == QLatin1String("value"))
                Read(Value);
            else if (Name == QLatin1String("bitoffs"))
                Read(Bit_Offs);
            else if (Name == QLatin1String("bitsize"))
                Read(Bit_Size);
            else
                Skip();
        });
        return !Value.Fails() && !Bit_Offs.Fails() && !Bit_Size.Fails();
    }

    // A case of a TYPE of RORG Rorg; nullptr when it cannot be read.
    std::unique_ptr<TCase> Read_Case(int Rorg)
    {
        auto Case = std::make_unique<TCase>();
        TText_Leaf Title;
        bool Failed = false;
        // An RPS status field that lacks an element keeps the previous status
        // field's number, across the whole case.
        int Value = 0, Bit_Offs = 0, Bit_Size = 0;
        const auto Status_Field = [&] {
            TNumber_Leaf V, O, S;
            if (!Read_Condition_Numbers(V, O, S)) {
                Failed = true;
                return;
            }
            if (V.Present)
                Value = V.Number;
            if (O.Present)
                Bit_Offs = O.Number;
            if (S.Present)
                Bit_Size = S.Number;
            // The status byte's bits count from its most significant bit:
            // bit offset 2 is the value 0x20.
            const uint8_t Val = static_cast<uint8_t>(Value);
            const uint8_t Shift = static_cast<uint8_t>(7 - Bit_Offs);
            const uint8_t Size = static_cast<uint8_t>(Bit_Size);
            if (Val != 0 && Size != 0)
                Case->FCaseId = static_cast<int>(static_cast<uint32_t>(Case->FCaseId)
                                                 + (static_cast<uint32_t>(Val) << (Shift % 32)));
        };
        const auto Vld_Field = [&] {
            TNumber_Leaf V, O, S;
            if (!Read_Condition_Numbers(V, O, S)) {
                Failed = true;
                return;
            }
            if (V.Present)
                Case->FCaseId = V.Number;
            if (O.Present)
                Case->FCaseIdOffset = O.Number;
            if (S.Present)
                Case->FCaseIdSize = S.Number;
        };
        Children([&](QStringView Name) {
            if (Name == QLatin1String("title")) {
                Read(Title);
            } else if (Failed) {
                Skip(); // the case is dropped: only its title could still matter, and does not
            } else if (Name == QLatin1String("datafield")) {
                if (auto Field = Read_DataField()) {
                    Case->DataField_SL.append(DataField_Str(*Field));
                    Case->List_DataField.push_back(std::move(Field));
                }
            } else if (Name == QLatin1String("condition") && (Rorg == Rps_Rorg || Rorg == Vld_Rorg)) {
                Case->FCaseId = 0;
                Children([&](QStringView Cond) {
                    if (Failed)
                        Skip();
                    else if (Rorg == Rps_Rorg && Cond == QLatin1String("statusfield"))
                        Status_Field();
                    else if (Rorg == Vld_Rorg && Cond == QLatin1String("datafield"))
                        Vld_Field();
                    else
                        Skip();
                });
            } else {
                Skip();
            }
        });
        if (Failed || Title.Fails())
            return nullptr;
        Case->FTitle = Title.Text;
        return Case;
    }

    // "TMP : 16, 8", shared with every equal text.
    QString DataField_Str(const TDataField &Field)
    {
        Scratch.resize(0);
        Scratch += Field.FData;
        Scratch += QLatin1String(" : ");
        Append_Int(Scratch, Field.FBitOffs);
        Scratch += QLatin1String(", ");
        Append_Int(Scratch, Field.FBitSize);
        return Pool.Get(Scratch);
    }

    // A TYPE is kept whatever happens; Result tells how its reading went.
    std::unique_ptr<TType> Read_Type(int Rorg, bool &Result)
    {
        auto Type = std::make_unique<TType>();
        TNumber_Leaf Number;
        TText_Leaf Title;
        bool Last_Case = true;
        Children([&](QStringView Name) {
            if (Name == QLatin1String("number")) {
                Read(Number);
            } else if (Name == QLatin1String("title")) {
                Read(Title);
            } else if (Name == QLatin1String("case")) {
                auto Case = Read_Case(Rorg);
                Last_Case = Case != nullptr;
                if (Case) {
                    Type->Case_SL.append(TCatalog_EnOcean::Case_Title_Str(static_cast<int>(Type->List_Case.size()),
                                                                          Case->FTitle));
                    Type->List_Case.push_back(std::move(Case));
                }
            } else {
                Skip();
            }
        });
        // An unreadable number leaves the TYPE empty; an unreadable title
        // leaves it with its number only.
        if (Number.Fails() || Title.Fails()) {
            auto Bare = std::make_unique<TType>();
            if (!Number.Fails())
                Bare->FNumber = Number.Number;
            Result = false;
            return Bare;
        }
        Type->FNumber = Number.Number;
        Type->FTitle = Title.Text;
        Result = Last_Case;
        return Type;
    }

    // A FUNC of RORG Rorg; nullptr when it is dropped.
    std::unique_ptr<TFunc> Read_Func(int Rorg)
    {
        auto Func = std::make_unique<TFunc>();
        TNumber_Leaf Number;
        TText_Leaf Title;
        bool Last_Type = true;
        Children([&](QStringView Name) {
            if (Name == QLatin1String("number")) {
                Read(Number);
            } else if (Name == QLatin1String("title")) {
                Read(Title);
            } else if (Name == QLatin1String("type")) {
                auto Type = Read_Type(Rorg, Last_Type);
                Func->Type_SL.append(TCatalog_EnOcean::Number_Title_Str(Type->FNumber, Type->FTitle));
                Func->List_Type.push_back(std::move(Type));
            } else {
                Skip();
            }
        });
        if (Number.Fails() || Title.Fails() || !Last_Type)
            return nullptr;
        Func->FNumber = Number.Number;
        Func->FTitle = Title.Text;
        return Func;
    }

    // A RORG; nullptr when it is dropped.
    std::unique_ptr<TRorg> Read_Rorg()
    {
        auto Rorg = std::make_unique<TRorg>();
        TNumber_Leaf Number;
        TText_Leaf Title;
        bool Last_Func = true;
        Children([&](QStringView Name) {
            if (Name == QLatin1String("number")) {
                Read(Number);
            } else if (Name == QLatin1String("title")) {
                Read(Title);
            } else if (Name == QLatin1String("func")) {
                if (!Number.Present)
                    throw TNeeds_Tree();
                if (Number.Fails())
                    return Skip(); // the RORG is dropped
                auto Func = Read_Func(Number.Number);
                Last_Func = Func != nullptr;
                if (Func) {
                    Rorg->Func_SL.append(TCatalog_EnOcean::Number_Title_Str(Func->FNumber, Func->FTitle));
                    Rorg->List_Func.push_back(std::move(Func));
                }
            } else {
                Skip();
            }
        });
        if (Number.Fails() || Title.Fails() || !Last_Func)
            return nullptr;
        Rorg->FNumber = Number.Number;
        Rorg->FTitle = Title.Text;
        return Rorg;
    }

    bool Read_Profile(std::vector<std::unique_ptr<TRorg>> &Rorgs, QStringList &Rorg_SL)
    {
        bool Result = true;
        Children([&](QStringView Name) {
            if (Name != QLatin1String("rorg"))
                return Skip();
            auto Rorg = Read_Rorg();
            Result = Rorg != nullptr;
            if (Rorg) {
                Rorg_SL.append(TCatalog_EnOcean::Number_Title_Str(Rorg->FNumber, Rorg->FTitle));
                Rorgs.push_back(std::move(Rorg));
            }
        });
        return Result;
    }
};

} // namespace

bool TCatalog_EnOcean::Read_Cat_EnOcean_XML(const QString &FileName, TCatalog_Load_Status *Status)
{
    TCatalog_Load_Status Local;
    TCatalog_Load_Status &S = Status ? *Status : Local;
    S = TCatalog_Load_Status();

    if (!QFileInfo(FileName).isFile()) {
        S.Kind = TCatalog_Load_Status::clsNoFile;
        S.Reason = QStringLiteral("The file \"%1\" does not exist").arg(FileName);
        return false;
    }
    std::vector<std::unique_ptr<TRorg>> Rorgs;
    QStringList Names;
    bool Result;
    try {
        QFile F(FileName);
        if (!F.open(QIODevice::ReadOnly))
            throw EXmlError(QStringLiteral("Cannot open \"%1\": %2").arg(FileName, F.errorString()));
        Result = TCatalog_Stream(&F).Read(Rorgs, Names);
    } catch (const EXmlError &E) {
        S.Kind = TCatalog_Load_Status::clsUnreadable;
        S.Reason = E.Text;
        S.Line = E.Line;
        S.Column = E.Column;
        return false;
    } catch (const TNeeds_Tree &) {
        return Read_Cat_EnOcean_XML_Tree(FileName, Status);
    }
    // The file is well-formed: only now do its entries join the catalogue.
    for (auto &Rorg : Rorgs)
        List_Rorg.push_back(std::move(Rorg));
    Rorg_SL.append(Names);
    return Result;
}
