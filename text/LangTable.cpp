#include "text/LangTable.h"
#include "text/BuiltInTexts.h"
#include "platform/CodePage.h"
#include "platform/TextToInt.h"
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <vector>

QStringList Lang_Table;
int Lang_Count = 0;

namespace {
const TBuiltInText Built_In_Texts[] = {
#include "BuiltInTexts_All.inc"
};

const std::vector<QString> &Default_Slots()
{
    static const std::vector<QString> Slots = [] {
        std::vector<QString> S(Lang_Slots, QStringLiteral(" "));
        for (const TBuiltInText &T : Built_In_Texts)
            if (T.Number >= 0 && T.Number < Lang_Slots)
                S[static_cast<size_t>(T.Number)] = QString::fromUtf8(T.Text);
        return S;
    }();
    return Slots;
}

const QChar Pilcrow(0x00B6);
} // namespace

QString Lang_Text(int N)
{
    if (N < 0 || N >= Lang_Table.size())
        return QString();
    return Lang_Table.at(N);
}

QString Default_Text(int N)
{
    if (N < 0 || N >= Lang_Slots)
        return QString();
    return Default_Slots()[static_cast<size_t>(N)];
}

void Fill_Default_Texts()
{
    Lang_Table.clear();
    Lang_Table.reserve(Lang_Slots);
    for (const QString &S : Default_Slots())
        Lang_Table.append(S);
    Lang_Count = Lang_Slots;
}

namespace {
// How many bytes at the end of Bytes begin a UTF-8 character that the data
// stops inside (a lead byte with fewer continuation bytes than it announces);
// 0 when the last character is complete or no UTF-8 at all.
qsizetype Cut_Utf8_Tail(const QByteArray &Bytes)
{
    const qsizetype N = Bytes.size();
    for (qsizetype K = 1; K <= 3 && K <= N; ++K) {
        const auto C = static_cast<unsigned char>(Bytes[N - K]);
        if ((C & 0xC0) == 0x80)
            continue; // a continuation byte: its lead stands further back
        const int Length = C >= 0xC2 && C <= 0xDF ? 2 : C >= 0xE0 && C <= 0xEF ? 3 : C >= 0xF0 && C <= 0xF4 ? 4 : 0;
        return Length > K ? K : 0;
    }
    return 0;
}

bool Has_Non_Ascii(const QByteArray &Bytes)
{
    for (const char C : Bytes)
        if (static_cast<unsigned char>(C) >= 0x80)
            return true;
    return false;
}
} // namespace

QString Decode_Language_File(const QByteArray &Bytes)
{
    if (Bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(Bytes.mid(3));
    if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF")) {
        QStringDecoder D(Bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return D(Bytes.mid(2));
    }
    if (Is_Valid_Utf8(Bytes))
        return QString::fromUtf8(Bytes);
    // A UTF-8 file cut inside its last character: the part before it decides.
    // An ASCII-only part says nothing for UTF-8, so Windows-1252 stays.
    if (const qsizetype Tail = Cut_Utf8_Tail(Bytes)) {
        const QByteArray Whole = Bytes.left(Bytes.size() - Tail);
        if (Has_Non_Ascii(Whole) && Is_Valid_Utf8(Whole))
            return QString::fromUtf8(Whole);
    }
    return From_Cp1252(Bytes);
}

namespace {
QStringView Trimmed(QStringView Text)
{
    qsizetype B = 0, E = Text.size();
    while (B < E && Text.at(B).unicode() <= 0x20)
        ++B;
    while (E > B && Text.at(E - 1).unicode() <= 0x20)
        --E;
    return Text.mid(B, E - B);
}

// One line of a language file; see Load_Language_Text. The line is read in
// place: only the text stored is copied, and that at most
// Lang_Max_Text_Length long.
void Apply_Line(QStringView Raw)
{
    const QStringView Line = Trimmed(Raw);
    if (!Line.startsWith(QLatin1String("STR")))
        return;
    // The number stands between "STR" and the separator character just
    // before "=": characters 4 .. p-2 (1-based) of the line.
    const qsizetype Eq = Line.indexOf(QLatin1Char('='));
    QString Number_Text;
    if (Eq >= 0 && Eq - 4 > 0)
        Number_Text = Trimmed(Line.mid(3, Eq - 4)).toString();
    const int Number = Str_To_Int_Def(Number_Text, -1);
    if (Number < 0 || Number >= Lang_Count || Number >= Lang_Table.size())
        return;
    QStringView Text = Trimmed(Line.mid(Eq + 1));
    if (Text.isEmpty())
        return;
    const qsizetype Comment = Text.indexOf(QLatin1String("/#/"));
    if (Comment >= 0) {
        Text = Trimmed(Text.left(Comment));
        if (Text.isEmpty())
            return;
    }
    if (Text.startsWith(Pilcrow))
        Text = Text.mid(1);
    const qsizetype Close = Text.indexOf(Pilcrow);
    if (Close >= 0)
        Text = Text.left(Close);
    // The cut never splits a surrogate pair.
    if (Text.size() > Lang_Max_Text_Length)
        Text = Text.left(Text.at(Lang_Max_Text_Length - 1).isHighSurrogate() ? Lang_Max_Text_Length - 1
                                                                              : Lang_Max_Text_Length);
    Lang_Table[Number] = Text.toString();
}
} // namespace

void Load_Language_Text(const QString &Text)
{
    // Lines end at CR, LF or CR LF.
    const QStringView All(Text);
    qsizetype Start = 0;
    const qsizetype N = All.size();
    for (qsizetype I = 0; I <= N; ++I) {
        if (I == N || All.at(I) == QLatin1Char('\r') || All.at(I) == QLatin1Char('\n')) {
            Apply_Line(All.mid(Start, I - Start));
            if (I < N && All.at(I) == QLatin1Char('\r') && I + 1 < N && All.at(I + 1) == QLatin1Char('\n'))
                ++I;
            Start = I + 1;
        }
    }
}

bool Load_Language_File(const QString &Path)
{
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        return false;
    Load_Language_Text(Decode_Language_File(F.readAll()));
    return true;
}

QString Load_Language(const QString &Language_Folder, const QString &Name)
{
    Fill_Default_Texts();
    const QString Path = Language_Folder + QLatin1Char('/') + Name + QStringLiteral(".lng");
    // A language is a file name in the language folder, never a path.
    const bool Plain_Name = !Name.contains(QLatin1Char('/')) && !Name.contains(QLatin1Char('\\'));
    if (!Name.isEmpty() && Plain_Name && QFileInfo(Path).isFile()) {
        Load_Language_File(Path);
        return Name;
    }
    const QString English = QStringLiteral("English");
    const QString English_Path = Language_Folder + QLatin1Char('/') + English + QStringLiteral(".lng");
    if (QFileInfo(English_Path).isFile())
        Load_Language_File(English_Path);
    return English;
}
