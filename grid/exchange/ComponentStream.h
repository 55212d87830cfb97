#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The component stream: the classic persistence syntax in which the grid's
// binary cell blocks are written. One component is
//
//   "TPF0"  class name  component name  { property name  tag  payload }  0  0
//
// names are short strings (one length byte, then the characters); the first
// zero ends the property list, the second the (always empty) child list. All
// numbers are little-endian. The tag is one byte of TValueType.
//
// Byte choices this writer makes (a reader accepts every tag of the right
// kind): integers take the smallest of vaInt8/vaInt16/vaInt32 that holds
// them, vaInt64 beyond; a string of at most 255 characters, all ASCII, is a
// vaString (length byte), any other a vaUTF8String (32-bit byte count, then
// UTF-8); floating-point values are vaDouble (IEEE 754, 8 bytes); binary
// blocks are vaBinary (32-bit byte count, then the bytes).

enum class TValueType : std::uint8_t {
    vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary, vaSet,
    vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String, vaDouble,
};

struct TStreamProp;

// One property value as read, whatever tag carried it.
struct TStreamValue {
    enum TKind { vkNull, vkInt, vkFloat, vkString, vkIdent, vkBool, vkSet, vkBinary, vkList, vkCollection, vkNil };
    TKind Kind = vkNull;
    std::int64_t Int = 0;          // vkInt; vkBool as 0/1
    double Float = 0;              // vkFloat
    QString Text;                  // vkString, vkIdent
    QStringList Names;             // vkSet
    QByteArray Bytes;              // vkBinary
    std::vector<TStreamValue> Items;                  // vkList
    std::vector<std::vector<TStreamProp>> Records;   // vkCollection: each item's properties
};

struct TStreamProp {
    QString Name;
    TStreamValue Value;
};

struct TStreamComponent {
    QString Class;
    QString Name;
    std::vector<TStreamProp> Props;
};

// Appends components to a byte array.
class TComponentWriter {
public:
    explicit TComponentWriter(QByteArray &Out) : FOut(Out) {}

    // Signature, class name and the empty component name.
    void Begin(const char *ClassName);
    void Int(const char *Name, std::int64_t Value);
    void Bool(const char *Name, bool Value);
    void Ident(const char *Name, const char *Value);
    void Set(const char *Name, const std::vector<const char *> &Members);
    void String(const char *Name, QStringView Value);
    void Double(const char *Name, double Value);
    void Binary(const char *Name, const QByteArray &Value);
    // A list of strings (vaList, the strings, vaNull).
    void Strings(const char *Name, const QStringList &Value);
    // Ends the property list and the child list.
    void End();

private:
    void Short(QByteArrayView Text);
    void Tag(TValueType T) { FOut.append(static_cast<char>(T)); }
    void Le(std::uint64_t V, int Bytes);
    void String_Value(QStringView Value);
    QByteArray &FOut;
};

// Why a read stopped, and where (byte offset).
struct TStreamError {
    qsizetype Pos = 0;
    QString Message;
};

// Reads one component starting at Pos, which moves past it. Every length is
// checked against the bytes left before anything is allocated; nesting of
// lists is bounded. False with Error set for anything not in the syntax.
bool Read_Component(const QByteArray &Bytes, qsizetype &Pos, TStreamComponent &Out, TStreamError &Error);
