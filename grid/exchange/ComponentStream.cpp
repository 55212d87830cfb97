#include "grid/exchange/ComponentStream.h"
#include "platform/CodePage.h"
#include <cmath>
#include <cstring>
#include <limits>

// ---- writing ---------------------------------------------------------------------------------------

void TComponentWriter::Le(std::uint64_t V, int Bytes)
{
    char B[8] = {};
    for (int I = 0; I < Bytes; ++I)
        B[I] = static_cast<char>((V >> (8 * I)) & 0xFF);
    FOut.append(B, Bytes);
}

void TComponentWriter::Short(QByteArrayView Text)
{
    const qsizetype N = std::min<qsizetype>(Text.size(), 255);
    FOut.append(static_cast<char>(N));
    FOut.append(Text.data(), N);
}

void TComponentWriter::Begin(const char *ClassName)
{
    FOut.append("TPF0", 4);
    Short(ClassName);
    FOut.append('\0');
}

void TComponentWriter::Int(const char *Name, std::int64_t Value)
{
    Short(Name);
    if (Value >= -128 && Value <= 127) {
        Tag(TValueType::vaInt8);
        Le(static_cast<std::uint64_t>(Value), 1);
    } else if (Value >= -32768 && Value <= 32767) {
        Tag(TValueType::vaInt16);
        Le(static_cast<std::uint64_t>(Value), 2);
    } else if (Value >= std::numeric_limits<std::int32_t>::min() && Value <= std::numeric_limits<std::int32_t>::max()) {
        Tag(TValueType::vaInt32);
        Le(static_cast<std::uint64_t>(Value), 4);
    } else {
        Tag(TValueType::vaInt64);
        Le(static_cast<std::uint64_t>(Value), 8);
    }
}

void TComponentWriter::Bool(const char *Name, bool Value)
{
    Short(Name);
    Tag(Value ? TValueType::vaTrue : TValueType::vaFalse);
}

void TComponentWriter::Ident(const char *Name, const char *Value)
{
    Short(Name);
    Tag(TValueType::vaIdent);
    Short(Value);
}

void TComponentWriter::Set(const char *Name, const std::vector<const char *> &Members)
{
    Short(Name);
    Tag(TValueType::vaSet);
    for (const char *M : Members)
        Short(M);
    FOut.append('\0');
}

void TComponentWriter::String_Value(QStringView Value)
{
    bool Ascii = Value.size() <= 255;
    for (qsizetype I = 0; Ascii && I < Value.size(); ++I)
        Ascii = Value[I].unicode() < 0x80;
    if (Ascii) {
        Tag(TValueType::vaString);
        FOut.append(static_cast<char>(Value.size()));
        for (const QChar Ch : Value)
            FOut.append(static_cast<char>(Ch.unicode()));
        return;
    }
    const QByteArray U = Value.toUtf8();
    Tag(TValueType::vaUTF8String);
    Le(static_cast<std::uint64_t>(U.size()), 4);
    FOut.append(U);
}

void TComponentWriter::String(const char *Name, QStringView Value)
{
    Short(Name);
    String_Value(Value);
}

void TComponentWriter::Double(const char *Name, double Value)
{
    Short(Name);
    Tag(TValueType::vaDouble);
    std::uint64_t Bits;
    std::memcpy(&Bits, &Value, 8);
    Le(Bits, 8);
}

void TComponentWriter::Binary(const char *Name, const QByteArray &Value)
{
    Short(Name);
    Tag(TValueType::vaBinary);
    Le(static_cast<std::uint64_t>(Value.size()), 4);
    FOut.append(Value);
}

void TComponentWriter::Strings(const char *Name, const QStringList &Value)
{
    Short(Name);
    Tag(TValueType::vaList);
    for (const QString &S : Value)
        String_Value(S);
    Tag(TValueType::vaNull);
}

void TComponentWriter::End()
{
    FOut.append('\0');
    FOut.append('\0');
}

// ---- reading ---------------------------------------------------------------------------------------

namespace {
// Lists inside lists (and collections) deeper than this are refused: no
// carrier nests at all, and a hostile stream must not exhaust the stack.
constexpr int Max_Depth = 16;

class TReader {
public:
    TReader(const QByteArray &Bytes, qsizetype Pos, TStreamError &Error) : FB(Bytes), FPos(Pos), FErr(Error) {}
    qsizetype Pos() const { return FPos; }

    bool Fail(const QString &Message)
    {
        if (FErr.Message.isEmpty()) {
            FErr.Pos = FPos;
            FErr.Message = Message;
        }
        return false;
    }
    bool Need(qsizetype N)
    {
        if (N < 0 || FB.size() - FPos < N)
            return Fail(QStringLiteral("Stream read error"));
        return true;
    }
    bool Byte(std::uint8_t &V)
    {
        if (!Need(1))
            return false;
        V = static_cast<std::uint8_t>(FB[FPos++]);
        return true;
    }
    bool Le(int Bytes, std::uint64_t &V)
    {
        if (!Need(Bytes))
            return false;
        V = 0;
        for (int I = 0; I < Bytes; ++I)
            V |= std::uint64_t(static_cast<std::uint8_t>(FB[FPos + I])) << (8 * I);
        FPos += Bytes;
        return true;
    }
    bool Signed(int Bytes, std::int64_t &V)
    {
        std::uint64_t U;
        if (!Le(Bytes, U))
            return false;
        const int Shift = 64 - 8 * Bytes;
        V = static_cast<std::int64_t>(U << Shift) >> Shift;
        return true;
    }
    bool Raw(qsizetype N, QByteArray &Out)
    {
        if (!Need(N))
            return false;
        Out = FB.mid(FPos, N);
        FPos += N;
        return true;
    }
    bool Short(QString &Out)
    {
        std::uint8_t N;
        QByteArray B;
        if (!Byte(N) || !Raw(N, B))
            return false;
        Out = From_Cp1252(B);
        return true;
    }
    bool Count(qsizetype &N)
    {
        std::uint64_t U;
        if (!Le(4, U))
            return false;
        N = static_cast<qsizetype>(U);
        return Need(N);   // a count can never promise more than the bytes left
    }

    bool Value(TStreamValue &V, int Depth);
    bool Props(std::vector<TStreamProp> &Out, int Depth);

private:
    const QByteArray &FB;
    qsizetype FPos;
    TStreamError &FErr;
};

double Extended_To_Double(const QByteArray &B)
{
    std::uint64_t Mantissa = 0;
    for (int I = 0; I < 8; ++I)
        Mantissa |= std::uint64_t(static_cast<std::uint8_t>(B[I])) << (8 * I);
    const int Top = static_cast<std::uint8_t>(B[8]) | (static_cast<std::uint8_t>(B[9]) << 8);
    const bool Negative = (Top & 0x8000) != 0;
    const int Exp = Top & 0x7FFF;
    double V;
    if (Exp == 0x7FFF)
        V = (Mantissa << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
    else
        V = std::ldexp(static_cast<double>(Mantissa), Exp - 16383 - 63);
    return Negative ? -V : V;
}

bool TReader::Value(TStreamValue &V, int Depth)
{
    if (Depth > Max_Depth)
        return Fail(QStringLiteral("Invalid stream format"));
    std::uint8_t T;
    if (!Byte(T))
        return false;
    std::uint64_t U;
    QByteArray B;
    qsizetype N;
    switch (static_cast<TValueType>(T)) {
    case TValueType::vaNull: V.Kind = TStreamValue::vkNull; return true;
    case TValueType::vaNil: V.Kind = TStreamValue::vkNil; return true;
    case TValueType::vaFalse: case TValueType::vaTrue:
        V.Kind = TStreamValue::vkBool;
        V.Int = T == static_cast<std::uint8_t>(TValueType::vaTrue);
        return true;
    case TValueType::vaInt8: V.Kind = TStreamValue::vkInt; return Signed(1, V.Int);
    case TValueType::vaInt16: V.Kind = TStreamValue::vkInt; return Signed(2, V.Int);
    case TValueType::vaInt32: V.Kind = TStreamValue::vkInt; return Signed(4, V.Int);
    case TValueType::vaInt64: V.Kind = TStreamValue::vkInt; return Signed(8, V.Int);
    case TValueType::vaExtended:
        if (!Raw(10, B))
            return false;
        V.Kind = TStreamValue::vkFloat;
        V.Float = Extended_To_Double(B);
        return true;
    case TValueType::vaSingle: {
        if (!Le(4, U))
            return false;
        const std::uint32_t Bits = static_cast<std::uint32_t>(U);
        float F;
        std::memcpy(&F, &Bits, 4);
        V.Kind = TStreamValue::vkFloat;
        V.Float = F;
        return true;
    }
    case TValueType::vaDouble: case TValueType::vaDate:
        if (!Le(8, U))
            return false;
        V.Kind = TStreamValue::vkFloat;
        std::memcpy(&V.Float, &U, 8);
        return true;
    case TValueType::vaCurrency: {
        std::int64_t C;
        if (!Signed(8, C))
            return false;
        V.Kind = TStreamValue::vkFloat;
        V.Float = static_cast<double>(C) / 10000.0;
        return true;
    }
    case TValueType::vaIdent:
        V.Kind = TStreamValue::vkIdent;
        return Short(V.Text);
    case TValueType::vaString:
        V.Kind = TStreamValue::vkString;
        return Short(V.Text);
    case TValueType::vaLString:
        if (!Count(N) || !Raw(N, B))
            return false;
        V.Kind = TStreamValue::vkString;
        V.Text = From_Cp1252(B);
        return true;
    case TValueType::vaUTF8String:
        if (!Count(N) || !Raw(N, B))
            return false;
        V.Kind = TStreamValue::vkString;
        V.Text = QString::fromUtf8(B);
        return true;
    case TValueType::vaWString: {
        if (!Le(4, U) || U > std::uint64_t(FB.size() - FPos) / 2 || !Raw(static_cast<qsizetype>(U) * 2, B))
            return Fail(QStringLiteral("Stream read error"));
        V.Kind = TStreamValue::vkString;
        V.Text.resize(static_cast<qsizetype>(U));
        for (qsizetype I = 0; I < V.Text.size(); ++I)
            V.Text[I] = QChar(static_cast<char16_t>(static_cast<std::uint8_t>(B[2 * I])
                                                    | (static_cast<std::uint8_t>(B[2 * I + 1]) << 8)));
        return true;
    }
    case TValueType::vaBinary:
        V.Kind = TStreamValue::vkBinary;
        return Count(N) && Raw(N, V.Bytes);
    case TValueType::vaSet:
        V.Kind = TStreamValue::vkSet;
        for (;;) {
            QString Member;
            if (!Short(Member))
                return false;
            if (Member.isEmpty())
                return true;
            V.Names.append(Member);
        }
    case TValueType::vaList:
        V.Kind = TStreamValue::vkList;
        for (;;) {
            if (!Need(1))
                return false;
            if (FB[FPos] == '\0') {
                ++FPos;
                return true;
            }
            TStreamValue Item;
            if (!Value(Item, Depth + 1))
                return false;
            V.Items.push_back(std::move(Item));
        }
    case TValueType::vaCollection:
        V.Kind = TStreamValue::vkCollection;
        for (;;) {
            std::uint8_t Next;
            if (!Byte(Next))
                return false;
            if (Next == static_cast<std::uint8_t>(TValueType::vaNull))
                return true;
            // An item may start with its order number as an integer value.
            if (Next == static_cast<std::uint8_t>(TValueType::vaInt8) || Next == static_cast<std::uint8_t>(TValueType::vaInt16)
                || Next == static_cast<std::uint8_t>(TValueType::vaInt32)) {
                std::int64_t Order;
                if (!Signed(Next == static_cast<std::uint8_t>(TValueType::vaInt8) ? 1 : (Next == static_cast<std::uint8_t>(TValueType::vaInt16) ? 2 : 4), Order)
                    || !Byte(Next))
                    return false;
            }
            if (Next != static_cast<std::uint8_t>(TValueType::vaList))
                return Fail(QStringLiteral("Invalid stream format"));
            std::vector<TStreamProp> Item;
            if (!Props(Item, Depth + 1))
                return false;
            V.Records.push_back(std::move(Item));
        }
    }
    --FPos;
    return Fail(QStringLiteral("Invalid stream format"));
}

// Properties up to the zero byte that ends them.
bool TReader::Props(std::vector<TStreamProp> &Out, int Depth)
{
    for (;;) {
        TStreamProp P;
        if (!Short(P.Name))
            return false;
        if (P.Name.isEmpty())
            return true;
        if (!Value(P.Value, Depth))
            return false;
        Out.push_back(std::move(P));
    }
}
} // namespace

bool Read_Component(const QByteArray &Bytes, qsizetype &Pos, TStreamComponent &Out, TStreamError &Error)
{
    TReader R(Bytes, Pos, Error);
    QByteArray Sig;
    if (!R.Raw(4, Sig))
        return false;
    if (Sig != "TPF0") {
        Error = {Pos, QStringLiteral("Invalid stream format")};
        return false;
    }
    if (!R.Short(Out.Class) || !R.Short(Out.Name))
        return false;
    if (Out.Class.isEmpty())
        return R.Fail(QStringLiteral("Invalid stream format"));
    if (!R.Props(Out.Props, 0))
        return false;
    std::uint8_t Children;
    if (!R.Byte(Children))
        return false;
    if (Children != 0)
        return R.Fail(QStringLiteral("Invalid stream format"));
    Pos = R.Pos();
    return true;
}
