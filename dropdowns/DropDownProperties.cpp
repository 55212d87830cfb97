#include "dropdowns/DropDownProperties.h"
#include <QStringView>
#include <array>
#include <variant>

namespace {
using P = TDropDownProperties;

// An enumeration stored by the names of its values, in ordinal order.
struct TEnumField {
    int P::*Int = nullptr;
    TDropPosition P::*Drop = nullptr;
    TGradientDirection P::*Gradient = nullptr;
    std::array<const char *, 3> Names;
    int Count;
};
using TField = std::variant<bool P::*, int P::*, QString P::*, TEnumField>;
struct TEntry {
    const char *Name;
    TField Field;
    // Written even when equal to the default.
    bool Always = false;
};

// Colours are 32-bit values and are stored as numbers like any other integer.
const TEntry Entries[] = {
    {"DropDownBorderColor", &P::DropDownBorderColor},
    {"DropDownBorderWidth", &P::DropDownBorderWidth},
    {"DropDownShadow", &P::DropDownShadow},
    {"DropDownWidth", &P::DropDownWidth},
    {"DropDownHeight", &P::DropDownHeight},
    {"DropPosition", TEnumField{nullptr, &P::DropPosition, nullptr, {"dpAuto", "dpDown", "dpUp"}, 3}},
    {"DropDownButtonWidth", &P::DropDownButtonWidth},
    {"DropDownButtonHint", &P::DropDownButtonHint},
    {"DropDownButtonCaption", &P::DropDownButtonCaption},
    {"DropDownSizeable", &P::DropDownSizeable},
    {"DropDownColor", &P::DropDownColor},
    {"DropDownColorTo", &P::DropDownColorTo},
    {"DropDownGradient", TEnumField{nullptr, nullptr, &P::DropDownGradient, {"gdHorizontal", "gdVertical", ""}, 2}},
    {"BorderColor", &P::BorderColor},
    {"LabelMargin", &P::LabelMargin},
    {"Flat", &P::Flat},
    {"EditorEnabled", &P::EditorEnabled},
    {"ReadOnly", &P::ReadOnly},
    {"DropDownEnabled", &P::DropDownEnabled},
    {"Precision", &P::Precision},
    {"Text", &P::Text},
    {"SelectionColor", &P::SelectionColor},
    {"SelectionColorTo", &P::SelectionColorTo},
    {"SelectionColorStyle", &P::SelectionColorStyle, true},
    {"QelStyle", &P::QelStyle, true},
};

// A string as form files write it: quoted runs ('' inside is one quote) and
// control characters as #<code> between them, so that every value stays on
// its line.
QString Quoted(const QString &S)
{
    QString R;
    bool Open = false;
    for (QChar C : S) {
        if (C.unicode() < 32) {
            if (Open)
                R += u'\'';
            Open = false;
            R += u'#' + QString::number(C.unicode());
            continue;
        }
        if (!Open)
            R += u'\'';
        Open = true;
        R += C;
        if (C == u'\'')
            R += C;
    }
    if (Open)
        R += u'\'';
    return R.isEmpty() ? QStringLiteral("''") : R;
}

int Enum_Value(const P &Props, const TEnumField &F)
{
    if (F.Drop)
        return int(Props.*F.Drop);
    if (F.Gradient)
        return int(Props.*F.Gradient);
    return Props.*F.Int;
}

QString Value_Text(const P &Props, const TField &Field)
{
    if (auto B = std::get_if<bool P::*>(&Field))
        return Props.**B ? QStringLiteral("True") : QStringLiteral("False");
    if (auto I = std::get_if<int P::*>(&Field))
        return QString::number(Props.**I);
    if (auto S = std::get_if<QString P::*>(&Field))
        return Quoted(Props.**S);
    const TEnumField &E = std::get<TEnumField>(Field);
    const int V = Enum_Value(Props, E);
    return V >= 0 && V < E.Count ? QString::fromLatin1(E.Names[std::size_t(V)]) : QString::number(V);
}

bool Same(const P &A, const P &B, const TField &Field)
{
    return Value_Text(A, Field) == Value_Text(B, Field);
}

// Quoted runs and #<code> characters, nothing else.
bool Read_Quoted(QStringView V, QString &Out)
{
    QString R;
    qsizetype I = 0;
    if (V.isEmpty())
        return false;
    while (I < V.size()) {
        if (V[I] == u'#') {
            qsizetype J = I + 1;
            while (J < V.size() && V[J].isDigit() && J - I <= 5)
                ++J;
            bool Ok = false;
            const uint Code = V.mid(I + 1, J - I - 1).toUInt(&Ok);
            if (!Ok || Code > 0xFFFF)
                return false;
            R += QChar(char16_t(Code));
            I = J;
            continue;
        }
        if (V[I] != u'\'')
            return false;
        ++I;
        for (;;) {
            if (I >= V.size())
                return false;
            if (V[I] == u'\'') {
                if (I + 1 < V.size() && V[I + 1] == u'\'') {
                    R += u'\'';
                    I += 2;
                    continue;
                }
                ++I;
                break;
            }
            R += V[I++];
        }
    }
    Out = R;
    return true;
}

// Decimal, or hexadecimal after "$" (as form files write large colours).
bool Read_Int(QStringView V, int &Out)
{
    bool Ok = false;
    qlonglong N = 0;
    if (V.startsWith(u'$'))
        N = V.mid(1).toLongLong(&Ok, 16);
    else
        N = V.toLongLong(&Ok, 10);
    // A colour such as $FFFFFFFF is the 32-bit pattern, as the writer of the
    // form file meant it; anything wider is no value.
    if (!Ok || N < -2147483648LL || N > 0xFFFFFFFFLL)
        return false;
    Out = int(std::int32_t(std::uint32_t(N)));
    return true;
}

bool Read_Value(P &Props, const TField &Field, QStringView V)
{
    if (auto B = std::get_if<bool P::*>(&Field)) {
        if (V.compare(u"True", Qt::CaseInsensitive) == 0)
            Props.**B = true;
        else if (V.compare(u"False", Qt::CaseInsensitive) == 0)
            Props.**B = false;
        else
            return false;
        return true;
    }
    if (auto I = std::get_if<int P::*>(&Field))
        return Read_Int(V, Props.**I);
    if (auto S = std::get_if<QString P::*>(&Field))
        return Read_Quoted(V, Props.**S);
    const TEnumField &E = std::get<TEnumField>(Field);
    for (int K = 0; K < E.Count; ++K) {
        if (V.compare(QLatin1String(E.Names[std::size_t(K)]), Qt::CaseInsensitive) != 0)
            continue;
        if (E.Drop)
            Props.*E.Drop = TDropPosition(K);
        else if (E.Gradient)
            Props.*E.Gradient = TGradientDirection(K);
        else
            Props.*E.Int = K;
        return true;
    }
    return false;
}
} // namespace

QString DropDown_Version_Text(std::uint32_t Nr)
{
    return QStringLiteral("%1.%2.%3.%4").arg(Nr >> 24).arg((Nr >> 16) & 0xFF).arg((Nr >> 8) & 0xFF).arg(Nr & 0xFF);
}

QString Write_DropDown_Properties(const TDropDownProperties &Props, const TDropDownProperties &Defaults,
                                  const QString &Version)
{
    QString Out;
    for (const TEntry &E : Entries) {
        if (!E.Always && Same(Props, Defaults, E.Field))
            continue;
        Out += QLatin1String(E.Name) + QStringLiteral(" = ") + Value_Text(Props, E.Field) + u'\n';
    }
    Out += QStringLiteral("Version = ") + Quoted(Version) + u'\n';
    return Out;
}

TDropDownPropertiesRead Read_DropDown_Properties(const QString &Text, const TDropDownProperties &Defaults)
{
    TDropDownPropertiesRead R;
    R.Props = Defaults;
    const QStringList Lines = Text.split(u'\n');
    for (qsizetype L = 0; L < Lines.size(); ++L) {
        const QStringView Line = QStringView(Lines[L]).trimmed();
        if (Line.isEmpty())
            continue;
        const qsizetype Eq = Line.indexOf(u'=');
        if (Eq <= 0) {
            if (R.Error_Line == 0)
                R.Error_Line = int(L + 1);
            continue;
        }
        const QString Name = Line.left(Eq).trimmed().toString();
        const QStringView Value = Line.mid(Eq + 1).trimmed();
        // The version is the program's own; what a file says is not taken.
        if (Name.compare(u"Version", Qt::CaseInsensitive) == 0)
            continue;
        const TEntry *Found = nullptr;
        for (const TEntry &E : Entries)
            if (Name.compare(QLatin1String(E.Name), Qt::CaseInsensitive) == 0)
                Found = &E;
        if (!Found) {
            R.Unknown << Name;
            continue;
        }
        // A value that does not read leaves the setting as it was (the default).
        TDropDownProperties Try = R.Props;
        if (Read_Value(Try, Found->Field, Value)) {
            R.Props = Try;
        } else {
            R.Fell_Back << QLatin1String(Found->Name);
            if (R.Error_Line == 0)
                R.Error_Line = int(L + 1);
        }
    }
    return R;
}
