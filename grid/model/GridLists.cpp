#include "grid/model/GridLists.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "platform/TextToInt.h"
#include <QFile>
#include <algorithm>

namespace {
[[noreturn]] void Index_Error(int Index)
{
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

// The platform's comma text: items separated by commas or blanks, double
// quotes group (a doubled quote inside is one quote).
QStringList Split_Comma_Text(const QString &Text)
{
    QStringList Items;
    int I = 0;
    const int N = Text.size();
    auto Skip_Blanks = [&] { while (I < N && Text[I] <= u' ') ++I; };
    Skip_Blanks();
    while (I < N) {
        QString Item;
        if (Text[I] == u'"') {
            ++I;
            while (I < N) {
                if (Text[I] == u'"') {
                    if (I + 1 < N && Text[I + 1] == u'"') {
                        Item += u'"';
                        I += 2;
                        continue;
                    }
                    ++I;
                    break;
                }
                Item += Text[I++];
            }
            while (I < N && Text[I] > u' ' && Text[I] != u',')
                ++I;
        } else {
            while (I < N && Text[I] > u' ' && Text[I] != u',')
                Item += Text[I++];
        }
        Items << Item;
        Skip_Blanks();
        if (I < N && Text[I] == u',') {
            ++I;
            Skip_Blanks();
            if (I >= N)
                Items << QString();
        }
    }
    return Items;
}

// The lenient reading: blanks, sign, "$"/"0x" hexadecimal, stops at the first
// other character keeping what was read.
int Lenient_Int(const QString &S)
{
    int I = 0;
    const int N = S.size();
    while (I < N && S[I] == u' ')
        ++I;
    bool Neg = false;
    if (I < N && (S[I] == u'-' || S[I] == u'+'))
        Neg = S[I++] == u'-';
    int Base = 10;
    if (I < N && S[I] == u'$') {
        Base = 16;
        ++I;
    } else if (I + 1 < N && S[I] == u'0' && (S[I + 1] == u'x' || S[I + 1] == u'X')) {
        Base = 16;
        I += 2;
    }
    long long V = 0;
    for (; I < N; ++I) {
        const int D = S[I].isDigit() ? S[I].unicode() - '0'
                      : Base == 16 && S[I].toLower() >= u'a' && S[I].toLower() <= u'f' ? S[I].toLower().unicode() - 'a' + 10
                                                                                      : -1;
        if (D < 0)
            break;
        V = std::min<long long>(V * Base + D, 0x7FFFFFFF);
    }
    return static_cast<int>(Neg ? -V : V);
}
} // namespace

// --- TIntList ------------------------------------------------------------------------

void TIntList::Changed()
{
    if (OnChange)
        OnChange(this, FCol, FRow);
}

int TIntList::GetInteger(int Index) const
{
    if (Index < 0 || Index >= Count())
        Index_Error(Index);
    return FItems[static_cast<size_t>(Index)];
}

void TIntList::SetInteger(int Index, int Value)
{
    if (Index < 0 || Index >= Count())
        Index_Error(Index);
    FItems[static_cast<size_t>(Index)] = Value;
    Changed();
}

int TIntList::Add(int Value)
{
    FItems.push_back(Value);
    Changed();
    return Count() - 1;
}

void TIntList::Insert(int Index, int Value)
{
    if (Index < 0 || Index > Count())
        Index_Error(Index);
    FItems.insert(FItems.begin() + Index, Value);
}

void TIntList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        Index_Error(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TIntList::DeleteValue(int Value)
{
    const int I = IndexOf(Value);
    if (I >= 0)
        Delete(I);
}

int TIntList::IndexOf(int Value) const
{
    auto It = std::find(FItems.begin(), FItems.end(), Value);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

bool TIntList::HasValue(int Value) const { return IndexOf(Value) >= 0; }

QString TIntList::StrValue() const
{
    QStringList Parts;
    for (int V : FItems)
        Parts << QString::number(V);
    return Parts.join(u',');
}

void TIntList::Set_StrValue(const QString &Value)
{
    const QStringList Items = Split_Comma_Text(Value);
    FItems.clear();
    for (const QString &Item : Items) {
        int V = 0;
        if (!Text_To_Int(Item, V))
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(Item).toStdString());
        Add(V);
    }
}

// --- TSortIndexList ---------------------------------------------------------------------

namespace {
constexpr unsigned Descending_Bit = 0x80000000u;
int Column_Of(int Entry) { return static_cast<int>(static_cast<unsigned>(Entry) & 0x7FFFFFFFu); }
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    const unsigned E = static_cast<unsigned>(ColumnIndex) & 0x7FFFFFFFu;
    Add(static_cast<int>(Ascending ? E : E | Descending_Bit));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int I = 0; I < Count(); ++I)
        if (Column_Of(FItems[static_cast<size_t>(I)]) == ColumnIndex)
            return I;
    return -1;
}

int TSortIndexList::SortColumns(int I) const { return Column_Of(GetInteger(I)); }

void TSortIndexList::Set_SortColumns(int I, int Column)
{
    const unsigned Dir = static_cast<unsigned>(GetInteger(I)) & Descending_Bit;
    SetInteger(I, static_cast<int>(Dir | (static_cast<unsigned>(Column) & 0x7FFFFFFFu)));
}

bool TSortIndexList::SortDirections(int I) const { return (static_cast<unsigned>(GetInteger(I)) & Descending_Bit) == 0; }

void TSortIndexList::Set_SortDirections(int I, bool Ascending)
{
    const unsigned E = static_cast<unsigned>(GetInteger(I));
    SetInteger(I, static_cast<int>(Ascending ? E & ~Descending_Bit : E | Descending_Bit));
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int I = FindIndex(ColumnIndex);
    if (I >= 0)
        SetInteger(I, static_cast<int>(static_cast<unsigned>(GetInteger(I)) ^ Descending_Bit));
}

QString TSortIndexList::SaveToString() const
{
    QStringList Parts;
    for (int E : FItems)
        Parts << ((static_cast<unsigned>(E) & Descending_Bit) ? u'd' : u'u') + QString::number(E & 0xFFFF);
    return Parts.join(u';');
}

void TSortIndexList::LoadFromString(const QString &Text)
{
    Clear();
    QString S = Text;
    while (!S.isEmpty()) {
        const int P = S.indexOf(u';');
        const QString Item = P < 0 ? S : S.left(P);
        S = P < 0 ? QString() : S.mid(P + 1);
        if (Item.size() < 2)
            continue;
        AddIndex(Lenient_Int(Item.mid(1)), Item[0] == u'u');
    }
}

// --- TFileStringList -------------------------------------------------------------------

void TFileStringList::Reset()
{
    FPos = 0;
    FCache.clear();
}

void TFileStringList::ReadLn(QString &S)
{
    if (FPos < 0 || FPos >= Lines.size())
        Index_Error(FPos);
    S = Lines[FPos++];
}

void TFileStringList::WriteLn(const QString &S)
{
    Lines << FCache + S;
    FCache.clear();
}

bool TFileStringList::Load_From_File(const QString &Path)
{
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        return false;
    QByteArray Bytes = F.readAll();
    QString Text;
    if (Bytes.startsWith("\xEF\xBB\xBF"))
        Bytes.remove(0, 3);
    Text = Is_Valid_Utf8(Bytes) ? QString::fromUtf8(Bytes) : From_Cp1252(Bytes);
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text.replace(u'\r', u'\n');
    Lines = Text.split(u'\n');
    if (!Lines.isEmpty() && Lines.back().isEmpty())
        Lines.removeLast();
    Reset();
    return true;
}

bool TFileStringList::Save_To_File(const QString &Path, QString *Error) const
{
    QByteArray Data;
    for (const QString &L : Lines)
        Data += L.toUtf8() + "\r\n";
    return Write_File_Atomic(Path, Data, Error);
}
