#include "grid/model/GridLayout.h"
#include "platform/CodePage.h"
#include <algorithm>

namespace {
bool Fail(QString *Error, const QString &Why)
{
    if (Error)
        *Error = Why;
    return false;
}

bool Parse_Int_List(const QString &Section, std::vector<int> &Out, int Min, int Max)
{
    Out.clear();
    if (Section.isEmpty())
        return true;
    for (const QString &Part : Section.split(QLatin1Char(','))) {
        int V = 0;
        if (!Text_To_Bounded_Int(Part.trimmed(), Min, Max, V))
            return false;
        Out.push_back(V);
    }
    return true;
}

struct TNamedColor {
    const char *Name;
    TColor Value;
};
// The first name of a value is the one written.
const TNamedColor Color_Names[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive}, {"clNavy", clNavy},
    {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray}, {"clSilver", clSilver}, {"clRed", clRed},
    {"clLime", clLime}, {"clYellow", clYellow}, {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua},
    {"clWhite", clWhite}, {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray}, {"clActiveBorder", clActiveBorder}, {"clActiveCaption", clActiveCaption},
    {"clAppWorkSpace", clAppWorkSpace}, {"clBackground", clBackground}, {"clBtnFace", clBtnFace},
    {"clBtnHighlight", clBtnHighlight}, {"clBtnShadow", clBtnShadow}, {"clBtnText", clBtnText},
    {"clCaptionText", clCaptionText}, {"clDefault", clDefault}, {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption}, {"clGrayText", clGrayText},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clHotLight", clHotLight},
    {"clInactiveBorder", clInactiveBorder}, {"clInactiveCaption", clInactiveCaption},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clInfoBk", clInfoBk}, {"clInfoText", clInfoText},
    {"clMenu", clMenu}, {"clMenuBar", clMenuBar}, {"clMenuHighlight", clMenuHighlight}, {"clMenuText", clMenuText},
    {"clNone", clNone}, {"clScrollBar", clScrollBar}, {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight},
    {"clWindow", clWindow}, {"clWindowFrame", clWindowFrame}, {"clWindowText", clWindowText},
    {"clLtGray", clLtGray}, {"clDkGray", clDkGray},
};

const char *const Style_Names[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
} // namespace

// --- column states ----------------------------------------------------------------------------------

QString Column_States_To_String(const TColumnStates &S)
{
    auto Join = [](const auto &List, auto Text) {
        QStringList L;
        for (const auto &V : List)
            L << Text(V);
        return L.join(QLatin1Char(','));
    };
    std::vector<int> Order = S.Order;
    if (Order.empty())
        for (int I = 0; I < S.Count; ++I)
            Order.push_back(I);
    return QString::number(S.Count) + QLatin1Char('#') + Join(S.Widths, [](int V) { return QString::number(V); })
           + QLatin1Char('#') + Join(Order, [](int V) { return QString::number(V); }) + QLatin1Char('#')
           + Join(S.Visible, [](bool V) { return V ? QStringLiteral("1") : QStringLiteral("0"); });
}

bool Parse_Column_States(const QString &Text, TColumnStates &Out, QString *Error)
{
    const QStringList Sections = Text.split(QLatin1Char('#'));
    if (Sections.size() != 4)
        return Fail(Error, QStringLiteral("four sections separated by \"#\" expected"));
    TColumnStates S;
    if (!Text_To_Bounded_Int(Sections[0].trimmed(), 1, Layout_Max_Columns, S.Count))
        return Fail(Error, QStringLiteral("column count"));
    const size_t N = static_cast<size_t>(S.Count);
    // Entry counts are checked before any list is built.
    const auto Entries = [](const QString &Section) { return static_cast<size_t>(Section.count(QLatin1Char(','))) + 1; };
    if (Entries(Sections[1]) != N || Entries(Sections[3]) != N)
        return Fail(Error, Entries(Sections[1]) != N ? QStringLiteral("widths") : QStringLiteral("visibility"));
    if (!Parse_Int_List(Sections[1], S.Widths, 0, Layout_Max_Size) || S.Widths.size() != N)
        return Fail(Error, QStringLiteral("widths"));
    std::vector<int> Order;
    if (!Parse_Int_List(Sections[2], Order, -1, S.Count - 1))
        return Fail(Error, QStringLiteral("column order"));
    // -1 entries stand for nothing; the rest must name every column once.
    Order.erase(std::remove(Order.begin(), Order.end(), -1), Order.end());
    if (!Order.empty()) {
        std::vector<char> Seen(N, 0);
        for (int V : Order)
            if (Seen[static_cast<size_t>(V)]++)
                return Fail(Error, QStringLiteral("column order names a column twice"));
        if (Order.size() != N)
            return Fail(Error, QStringLiteral("column order misses columns"));
    }
    S.Order = Order;
    std::vector<int> Flags;
    if (!Parse_Int_List(Sections[3], Flags, 0, 1) || Flags.size() != N)
        return Fail(Error, QStringLiteral("visibility"));
    for (int F : Flags)
        S.Visible.push_back(F == 1);
    if (std::none_of(S.Visible.begin(), S.Visible.end(), [](bool V) { return V; }))
        return Fail(Error, QStringLiteral("no visible column"));
    Out = std::move(S);
    return true;
}

// --- value forms ----------------------------------------------------------------------------------------

QString Color_To_Text(TColor Color)
{
    for (const TNamedColor &N : Color_Names)
        if (N.Value == Color)
            return QString::fromLatin1(N.Name);
    return QStringLiteral("$%1").arg(static_cast<quint32>(Color), 8, 16, QLatin1Char('0')).toUpper();
}

bool Text_To_Color(const QString &Raw, TColor &Color)
{
    const QString Text = Raw.trimmed();
    if (Text.isEmpty()) {
        Color = clNone;
        return true;
    }
    for (const TNamedColor &N : Color_Names)
        if (Text.compare(QLatin1String(N.Name), Qt::CaseInsensitive) == 0) {
            Color = N.Value;
            return true;
        }
    bool Ok = false;
    qlonglong V = 0;
    if (Text.startsWith(QLatin1Char('$')))
        V = Text.mid(1).toLongLong(&Ok, 16);
    else
        V = Text.toLongLong(&Ok, 10);
    if (!Ok || V < -0x80000000LL || V > 0xFFFFFFFFLL)
        return false;
    Color = static_cast<TColor>(static_cast<quint32>(V));
    return true;
}

bool Text_To_Bool(const QString &Text) { return Text.trimmed().compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0; }

bool Text_To_Bounded_Int(const QString &Text, int Min, int Max, int &Value)
{
    bool Ok = false;
    const qlonglong V = Text.trimmed().toLongLong(&Ok, 10);
    if (!Ok || V < Min || V > Max)
        return false;
    Value = static_cast<int>(V);
    return true;
}

QString Font_Style_To_Text(unsigned Bits)
{
    QStringList L;
    for (unsigned I = 0; I < 4; ++I)
        if (Bits & (1u << I))
            L << QString::fromLatin1(Style_Names[I]);
    return L.join(QLatin1Char(','));
}

unsigned Text_To_Font_Style(const QString &Text)
{
    unsigned Bits = 0;
    for (unsigned I = 0; I < 4; ++I)
        if (Text.contains(QLatin1String(Style_Names[I])))
            Bits |= 1u << I;
    return Bits;
}

// --- key=value files ----------------------------------------------------------------------------------------

QByteArray Write_Key_Values(const std::vector<std::pair<QString, QString>> &Lines)
{
    QString Text;
    for (const auto &[Key, Value] : Lines)
        Text += Key + QLatin1Char('=') + Value + QStringLiteral("\r\n");
    return To_Cp1252(Text);
}

std::map<QString, QString> Read_Key_Values(const QByteArray &Data)
{
    std::map<QString, QString> Map;
    const QString Text = From_Cp1252(Data);
    for (QString Line : Text.split(QLatin1Char('\n'))) {
        if (Line.endsWith(QLatin1Char('\r')))
            Line.chop(1);
        const qsizetype P = Line.indexOf(QLatin1Char('='));
        if (P <= 0)
            continue;
        Map[Line.left(P).trimmed().toUpper()] = Line.mid(P + 1);
    }
    return Map;
}

// --- INI files ------------------------------------------------------------------------------------------------

TIniData TIniData::Parse(const QByteArray &Data)
{
    TIniData Ini;
    TSection *Current = nullptr;
    for (QString Line : From_Cp1252(Data).split(QLatin1Char('\n'))) {
        Line = Line.trimmed();
        if (Line.isEmpty() || Line.startsWith(QLatin1Char(';')))
            continue;
        if (Line.startsWith(QLatin1Char('[')) && Line.endsWith(QLatin1Char(']'))) {
            const QString Name = Line.mid(1, Line.size() - 2).trimmed();
            Current = Ini.Find(Name);
            if (!Current) {
                Ini.FSections.push_back({Name, {}});
                Current = &Ini.FSections.back();
            }
            continue;
        }
        const qsizetype P = Line.indexOf(QLatin1Char('='));
        if (!Current || P <= 0)
            continue;
        Ini.Write(Current->Name, Line.left(P).trimmed(), Line.mid(P + 1).trimmed());
        Current = Ini.Find(Current->Name);
    }
    return Ini;
}

QByteArray TIniData::Serialize() const
{
    QString Text;
    for (const TSection &S : FSections) {
        Text += QLatin1Char('[') + S.Name + QStringLiteral("]\r\n");
        for (const auto &[K, V] : S.Keys)
            Text += K + QLatin1Char('=') + V + QStringLiteral("\r\n");
        Text += QStringLiteral("\r\n");
    }
    return To_Cp1252(Text);
}

TIniData::TSection *TIniData::Find(const QString &Section)
{
    for (TSection &S : FSections)
        if (S.Name.compare(Section, Qt::CaseInsensitive) == 0)
            return &S;
    return nullptr;
}

const TIniData::TSection *TIniData::Find(const QString &Section) const
{
    return const_cast<TIniData *>(this)->Find(Section);
}

bool TIniData::Has(const QString &Section, const QString &Key) const
{
    const TSection *S = Find(Section);
    return S && std::any_of(S->Keys.begin(), S->Keys.end(),
                            [&](const auto &KV) { return KV.first.compare(Key, Qt::CaseInsensitive) == 0; });
}

QString TIniData::Read(const QString &Section, const QString &Key, const QString &Default) const
{
    if (const TSection *S = Find(Section))
        for (const auto &[K, V] : S->Keys)
            if (K.compare(Key, Qt::CaseInsensitive) == 0)
                return V;
    return Default;
}

void TIniData::Write(const QString &Section, const QString &Key, const QString &Value)
{
    TSection *S = Find(Section);
    if (!S) {
        FSections.push_back({Section, {}});
        S = &FSections.back();
    }
    for (auto &KV : S->Keys)
        if (KV.first.compare(Key, Qt::CaseInsensitive) == 0) {
            KV.second = Value;
            return;
        }
    S->Keys.emplace_back(Key, Value);
}
