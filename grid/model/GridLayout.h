#pragma once
#include "platform/Colors.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

// The grid's layout formats, apart from any window: the column-states text,
// the visual-properties file of key=value lines, and INI sections (print
// settings). Every reader checks its whole input before anything is applied
// and answers what was wrong, so a malformed input changes nothing.

// Sizes a file may give: anything larger is taken as damage, not a layout.
constexpr int Layout_Max_Columns = 65536;
constexpr int Layout_Max_Size = 32767;   // pixels, points, tenths of millimetres

// --- column states: "N#w,w,..#o,o,..#v,v,.." ------------------------------------------
struct TColumnStates {
    int Count = 0;
    std::vector<int> Widths;     // one per column (hidden ones: the default width)
    std::vector<int> Order;      // empty, or a permutation of 0..Count-1
    std::vector<bool> Visible;   // by real column
    friend bool operator==(const TColumnStates &, const TColumnStates &) = default;
};
QString Column_States_To_String(const TColumnStates &States);
// False (States untouched, Error says why) for a text that is not a complete,
// consistent column-states text; a text without "#" is refused too.
bool Parse_Column_States(const QString &Text, TColumnStates &States, QString *Error = nullptr);

// --- value forms ----------------------------------------------------------------------------
// A colour as its constant's name ("clRed", "clWindow", "clNone") or "$" and
// eight hexadecimal digits.
QString Color_To_Text(TColor Color);
// Names in any letter case, "$hex" and decimal numbers; empty gives clNone.
bool Text_To_Color(const QString &Text, TColor &Color);
// True only for "true" in any letter case.
bool Text_To_Bool(const QString &Text);
// A decimal whole number within Min..Max.
bool Text_To_Bounded_Int(const QString &Text, int Min, int Max, int &Value);
// Font style bits (1 bold, 2 italic, 4 underline, 8 strike-out) as the names
// "fsBold,fsItalic,..." and back (each name looked for in the text).
QString Font_Style_To_Text(unsigned Bits);
unsigned Text_To_Font_Style(const QString &Text);

// --- key=value files ---------------------------------------------------------------------------
// Lines "key=value" in Windows-1252 with CR LF, in the order given.
QByteArray Write_Key_Values(const std::vector<std::pair<QString, QString>> &Lines);
// Keys upper-cased (looked up without letter case); the last line of a key
// wins; lines without "=" are ignored.
std::map<QString, QString> Read_Key_Values(const QByteArray &Data);

// --- INI files ------------------------------------------------------------------------------------
// Sections of ordered key=value lines; names compared without letter case.
class TIniData {
public:
    static TIniData Parse(const QByteArray &Data);
    QByteArray Serialize() const;
    bool Has(const QString &Section, const QString &Key) const;
    QString Read(const QString &Section, const QString &Key, const QString &Default = QString()) const;
    void Write(const QString &Section, const QString &Key, const QString &Value);

private:
    struct TSection {
        QString Name;
        std::vector<std::pair<QString, QString>> Keys;
    };
    TSection *Find(const QString &Section);
    const TSection *Find(const QString &Section) const;
    std::vector<TSection> FSections;
};
