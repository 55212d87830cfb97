#include "text/LangTable.h"
#include "text/BuiltInTexts.h"
#include "workspace/Workspace.h"   // Trim_Blanks
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
    return From_Cp1252(Bytes);
}

namespace {
// One line of a language file; see Load_Language_Text.
void Apply_Line(const QString &Raw)
{
    const QString Line = Trim_Blanks(Raw);
    if (!Line.startsWith(QLatin1String("STR")))
        return;
    // The number stands between "STR" and the separator character just
    // before "=": characters 4 .. p-2 (1-based) of the line.
    const qsizetype Eq = Line.indexOf(QLatin1Char('='));
    QString Number_Text;
    if (Eq >= 0 && Eq - 4 > 0)
        Number_Text = Trim_Blanks(Line.mid(3, Eq - 4));
    const int Number = Str_To_Int_Def(Number_Text, -1);
    if (Number < 0 || Number >= Lang_Count || Number >= Lang_Table.size())
        return;
    QString Text = Trim_Blanks(Line.mid(Eq + 1));
    if (Text.isEmpty())
        return;
    const qsizetype Comment = Text.indexOf(QLatin1String("/#/"));
    if (Comment >= 0) {
        Text = Trim_Blanks(Text.left(Comment));
        if (Text.isEmpty())
            return;
    }
    if (Text.startsWith(Pilcrow))
        Text.remove(0, 1);
    const qsizetype Close = Text.indexOf(Pilcrow);
    if (Close >= 0)
        Text.truncate(Close);
    Lang_Table[Number] = Text;
}
} // namespace

void Load_Language_Text(const QString &Text)
{
    // Lines end at CR, LF or CR LF.
    qsizetype Start = 0;
    const qsizetype N = Text.size();
    for (qsizetype I = 0; I <= N; ++I) {
        if (I == N || Text.at(I) == QLatin1Char('\r') || Text.at(I) == QLatin1Char('\n')) {
            Apply_Line(Text.mid(Start, I - Start));
            if (I < N && Text.at(I) == QLatin1Char('\r') && I + 1 < N && Text.at(I + 1) == QLatin1Char('\n'))
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
