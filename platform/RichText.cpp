#include "platform/RichText.h"
#include "platform/CodePage.h"
#include <QColor>
#include <QFont>
#include <QHash>
#include <QMap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace {

// ---------------------------------------------------------------- reading --

enum class TDest : unsigned char { Text, Font_Table, Color_Table, Skip };

// Character properties as RTF states them; compared to decide where a run of
// text ends.
struct TCharState {
    bool Bold = false, Italic = false, Underline = false;
    int Half_Points = 0;     // 0: the document's default size
    int Font = -1;           // -1: the default font (\deff)
    int Color = -1;          // -1: automatic colour
    int Script = 0;          // 1 \super, -1 \sub
    int Offset_Twips = 0;    // \up / \dn
    bool operator==(const TCharState &) const = default;
};

struct TGroup {
    TCharState Chars;
    TDest Dest = TDest::Text;
    int Uc = 1;              // fallback characters after \uN
};

enum class TWord {
    Skip_Destination, Font_Table, Color_Table, Deff, F, Red, Green, Blue,
    B, I, Ul, Ulnone, Fs, Cf, Super, Sub, Nosupersub, Up, Dn, Plain,
    Par, Line, Tab, Cell, Row, U, Uc, Bin, Char,
};

struct TWordInfo {
    TWord Word;
    char16_t Char = 0;       // for TWord::Char
};

const QHash<QByteArray, TWordInfo> &Words()
{
    static const QHash<QByteArray, TWordInfo> Table = [] {
        QHash<QByteArray, TWordInfo> T;
        // Destinations whose content is no text of the document.
        for (const char *Name : {"stylesheet", "info", "pict", "object", "header", "headerl", "headerr",
                                 "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
                                 "listtable", "listoverridetable", "rsidtbl", "themedata",
                                 "colorschememapping", "latentstyles", "datastore", "xmlnstbl",
                                 "generator", "fldinst", "pn", "pntext", "nonshppict", "revtbl",
                                 "filetbl", "template", "xe", "tc", "bkmkstart", "bkmkend"})
            T.insert(Name, {TWord::Skip_Destination});
        T.insert("fonttbl", {TWord::Font_Table});
        T.insert("colortbl", {TWord::Color_Table});
        T.insert("deff", {TWord::Deff});
        T.insert("f", {TWord::F});
        T.insert("red", {TWord::Red});
        T.insert("green", {TWord::Green});
        T.insert("blue", {TWord::Blue});
        T.insert("b", {TWord::B});
        T.insert("i", {TWord::I});
        T.insert("ul", {TWord::Ul});
        T.insert("ulnone", {TWord::Ulnone});
        T.insert("fs", {TWord::Fs});
        T.insert("cf", {TWord::Cf});
        T.insert("super", {TWord::Super});
        T.insert("sub", {TWord::Sub});
        T.insert("nosupersub", {TWord::Nosupersub});
        T.insert("up", {TWord::Up});
        T.insert("dn", {TWord::Dn});
        T.insert("plain", {TWord::Plain});
        T.insert("par", {TWord::Par});
        T.insert("line", {TWord::Line});
        T.insert("tab", {TWord::Tab});
        T.insert("cell", {TWord::Cell});
        T.insert("row", {TWord::Row});
        T.insert("u", {TWord::U});
        T.insert("uc", {TWord::Uc});
        T.insert("bin", {TWord::Bin});
        T.insert("emdash", {TWord::Char, 0x2014});
        T.insert("endash", {TWord::Char, 0x2013});
        T.insert("bullet", {TWord::Char, 0x2022});
        T.insert("lquote", {TWord::Char, 0x2018});
        T.insert("rquote", {TWord::Char, 0x2019});
        T.insert("ldblquote", {TWord::Char, 0x201C});
        T.insert("rdblquote", {TWord::Char, 0x201D});
        return T;
    }();
    return Table;
}

int Hex_Value(char C)
{
    if (C >= '0' && C <= '9')
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

bool Is_Letter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }
bool Is_Digit(char C) { return C >= '0' && C <= '9'; }

QChar Cp1252_Char(unsigned char Byte)
{
    static const QString Table = [] {
        QByteArray All(256, '\0');
        for (int K = 0; K < 256; ++K)
            All[K] = static_cast<char>(K);
        return From_Cp1252(All);
    }();
    return Table.at(Byte);
}

class TRtfReader {
public:
    TRtfReader(const QByteArray &Rtf, QTextDocument &ADoc) : In(Rtf), Doc(ADoc), Cursor(&ADoc) {}

    TRtfReadResult Run()
    {
        Doc.clear();
        Cursor = QTextCursor(&Doc);
        Cursor.beginEditBlock();
        if (!Looks_Like_Rtf(In))
            Fail(0, QStringLiteral("The text is not RTF: it does not begin with \"{\\rtf\"."));
        else
            Parse();
        Flush();
        Cursor.endEditBlock();
        const auto It = Fonts.constFind(Default_Font);
        if (It != Fonts.constEnd() && !It->isEmpty()) {
            QFont Font = Doc.defaultFont();
            Font.setFamilies({*It});
            Doc.setDefaultFont(Font);
        }
        return Result;
    }

private:
    const QByteArray &In;
    QTextDocument &Doc;
    QTextCursor Cursor;
    TRtfReadResult Result;
    std::vector<TGroup> Stack;
    qsizetype Pos = 0;
    int Skip_Chars = 0;             // fallback characters of \uN still to drop
    bool Star = false;              // \* seen: the next word names an ignorable destination
    int Default_Font = 0;
    QMap<int, QString> Fonts;
    int Font_Number = 0;            // font table entry being read
    QString Font_Name;
    QList<QColor> Colors;           // invalid entry: automatic colour
    int Red = -1, Green = -1, Blue = -1;
    QString Pending;                // text not yet inserted, all in Pending_State
    TCharState Pending_State;

    void Fail(qsizetype At, const QString &Text)
    {
        if (!Result.Ok)
            return;
        Result.Ok = false;
        Result.Error = Text;
        Result.Position = At;
    }

    TGroup &Top() { return Stack.back(); }

    void Parse()
    {
        const qsizetype N = In.size();
        while (Pos < N) {
            const char C = In[Pos];
            if (C == '{') {
                ++Pos;
                if (!Stack.empty() && Stack.size() >= size_t(Rtf_Max_Group_Depth)) {
                    Fail(Pos - 1, QStringLiteral("The RTF groups are nested more than %1 deep.")
                                      .arg(Rtf_Max_Group_Depth));
                    return;
                }
                const TGroup Inner = Stack.empty() ? TGroup{} : Top();
                Stack.push_back(Inner);
                Skip_Chars = 0;
                Star = false;
                continue;
            }
            if (Stack.empty()) {
                ++Pos;      // blanks before the first group
                continue;
            }
            if (C == '}') {
                ++Pos;
                End_Group();
                if (Stack.empty())
                    return;     // what follows the outermost group is not part of the text
                continue;
            }
            if (C == '\\') {
                Control();
                continue;
            }
            ++Pos;
            if (C == '\r' || C == '\n' || C == '\0')
                continue;
            const unsigned char B = static_cast<unsigned char>(C);
            if (B < 0x20 && C != '\t')
                continue;
            Character(B >= 0x80 ? Cp1252_Char(B) : QChar(char16_t(B)));
        }
        if (!Stack.empty())
            Fail(N, QStringLiteral("The RTF text ends before all its groups are closed."));
    }

    void End_Group()
    {
        if (Top().Dest == TDest::Font_Table)
            End_Font_Entry();
        Stack.pop_back();
        Skip_Chars = 0;
        Star = false;
    }

    // One character of text in the current destination (the fallback of a
    // \uN is dropped here).
    void Character(QChar Ch)
    {
        if (Skip_Chars > 0) {
            --Skip_Chars;
            return;
        }
        switch (Top().Dest) {
        case TDest::Text:
            Text(Ch);
            break;
        case TDest::Font_Table:
            if (Ch == u';')
                End_Font_Entry();
            else
                Font_Name.append(Ch);
            break;
        case TDest::Color_Table:
            if (Ch == u';') {
                Colors.append(Red < 0 && Green < 0 && Blue < 0
                                  ? QColor()
                                  : QColor(std::max(Red, 0), std::max(Green, 0), std::max(Blue, 0)));
                Red = Green = Blue = -1;
            }
            break;
        case TDest::Skip:
            break;
        }
    }

    void Text(QChar Ch)
    {
        if (Ch == u'\0')
            return;
        if (Ch == u'\r') {          // a carriage return written as \'0d ends the paragraph
            Paragraph();
            return;
        }
        if (Ch == u'\n')
            return;
        if (Pending.isEmpty())
            Pending_State = Top().Chars;
        else if (!(Pending_State == Top().Chars)) {
            Flush();
            Pending_State = Top().Chars;
        }
        Pending.append(Ch);
    }

    void Paragraph()
    {
        Flush();
        Cursor.insertBlock();
    }

    void End_Font_Entry()
    {
        const QString Name = Font_Name.trimmed();
        Font_Name.clear();
        if (!Name.isEmpty())
            Fonts.insert(Font_Number, Name);
    }

    void Flush()
    {
        if (Pending.isEmpty())
            return;
        Cursor.insertText(Pending, Format_For(Pending_State));
        Pending.clear();
    }

    QTextCharFormat Format_For(const TCharState &S) const
    {
        QTextCharFormat F;
        if (S.Bold)
            F.setFontWeight(QFont::Bold);
        if (S.Italic)
            F.setFontItalic(true);
        if (S.Underline)
            F.setFontUnderline(true);
        if (S.Half_Points > 0)
            F.setFontPointSize(S.Half_Points / 2.0);
        const auto Font = Fonts.constFind(S.Font >= 0 ? S.Font : Default_Font);
        if (Font != Fonts.constEnd())
            F.setFontFamilies(QStringList{*Font});
        if (S.Color >= 0 && S.Color < Colors.size() && Colors[S.Color].isValid())
            F.setForeground(Colors[S.Color]);
        if (S.Offset_Twips != 0) {
            F.setProperty(Rtf_Offset_Property, S.Offset_Twips);
            F.setVerticalAlignment(S.Offset_Twips > 0 ? QTextCharFormat::AlignSuperScript
                                                      : QTextCharFormat::AlignSubScript);
        } else if (S.Script != 0) {
            F.setVerticalAlignment(S.Script > 0 ? QTextCharFormat::AlignSuperScript
                                                : QTextCharFormat::AlignSubScript);
        }
        return F;
    }

    // At a backslash.
    void Control()
    {
        const qsizetype N = In.size();
        const qsizetype Start = Pos;
        ++Pos;
        if (Pos >= N) {
            Fail(Start, QStringLiteral("The RTF text ends inside a control word."));
            return;
        }
        const char C = In[Pos];
        if (!Is_Letter(C)) {
            ++Pos;
            Control_Symbol(C);
            return;
        }
        // Control word: letters, an optional signed number, an optional blank.
        // Names longer than 32 letters are no RTF words; they are read and ignored.
        const qsizetype Name_Start = Pos;
        while (Pos < N && Is_Letter(In[Pos]))
            ++Pos;
        const QByteArray Name = Pos - Name_Start <= 32 ? In.mid(Name_Start, Pos - Name_Start) : QByteArray();
        bool Has_Param = false;
        bool Negative = false;
        qint64 Param = 0;
        if (Pos + 1 < N && In[Pos] == '-' && Is_Digit(In[Pos + 1])) {
            Negative = true;
            ++Pos;
        }
        while (Pos < N && Is_Digit(In[Pos])) {
            Has_Param = true;
            if (Param < 2000000000)     // saturates; the remaining digits are read and dropped
                Param = Param * 10 + (In[Pos] - '0');
            ++Pos;
        }
        Param = std::min<qint64>(Param, 2000000000);
        if (Negative)
            Param = -Param;
        if (Pos < N && In[Pos] == ' ')
            ++Pos;
        Word(Name, Has_Param, int(Param));
    }

    void Control_Symbol(char C)
    {
        if (C == '\'') {
            const qsizetype N = In.size();
            const int Hi = Pos < N ? Hex_Value(In[Pos]) : -1;
            const int Lo = Pos + 1 < N ? Hex_Value(In[Pos + 1]) : -1;
            if (Hi < 0 || Lo < 0)
                return;     // a broken \' is dropped; what follows is read as usual
            Pos += 2;
            Character(Cp1252_Char(static_cast<unsigned char>(Hi * 16 + Lo)));
            return;
        }
        if (C == '*') {
            Star = true;
            return;
        }
        if (Skip_Chars > 0) {
            --Skip_Chars;
            return;
        }
        switch (C) {
        case '\\': case '{': case '}':
            Character(QChar(char16_t(C)));
            break;
        case '~':
            Character(QChar(char16_t(0x00A0)));
            break;
        case '_':
            Character(QChar(char16_t(0x2011)));
            break;
        case '\r': case '\n':
            if (Top().Dest == TDest::Text)
                Paragraph();
            break;
        default:
            break;      // optional hyphen, index marks and the like
        }
    }

    void Word(const QByteArray &Name, bool Has_Param, int Param)
    {
        const auto Found = Words().constFind(Name);
        const bool Known = Found != Words().constEnd();
        const TWord W = Known ? Found->Word : TWord::Char;
        // Binary data is stepped over in every destination.
        if (Known && W == TWord::Bin) {
            const qint64 Count = Has_Param ? std::max(Param, 0) : 0;
            Pos = qsizetype(std::min<qint64>(In.size(), Pos + Count));
            return;
        }
        if (Star) {
            // An ignorable destination: its group is skipped, unless it is one
            // we read anyway.
            Star = false;
            if (!Known || (W != TWord::Font_Table && W != TWord::Color_Table)) {
                Top().Dest = TDest::Skip;
                return;
            }
        }
        TGroup &G = Top();
        if (G.Dest == TDest::Skip)
            return;
        if (Skip_Chars > 0) {
            --Skip_Chars;       // a control word stands for one fallback character
            return;
        }
        if (!Known)
            return;
        switch (W) {
        case TWord::Skip_Destination: G.Dest = TDest::Skip; return;
        case TWord::Font_Table: G.Dest = TDest::Font_Table; return;
        case TWord::Color_Table: G.Dest = TDest::Color_Table; return;
        // Characters by number count in every destination (font names too).
        case TWord::Uc: G.Uc = std::clamp(Param, 0, 1000000); return;
        case TWord::U: {
            int Code = Param;
            if (Code < 0)
                Code += 65536;      // written signed 16-bit
            if (Code >= 0 && Code <= 0xFFFF)
                Character(QChar(char16_t(Code)));
            Skip_Chars = G.Uc;
            return;
        }
        case TWord::Char: Character(QChar(Found->Char)); return;
        default: break;
        }
        if (G.Dest == TDest::Font_Table) {
            if (W == TWord::F) {
                End_Font_Entry();
                Font_Number = Param;
            }
            return;
        }
        if (G.Dest == TDest::Color_Table) {
            const int V = std::clamp(Param, 0, 255);
            if (W == TWord::Red) Red = V;
            else if (W == TWord::Green) Green = V;
            else if (W == TWord::Blue) Blue = V;
            return;
        }
        TCharState &S = G.Chars;
        const bool On = !Has_Param || Param != 0;
        switch (W) {
        case TWord::Deff: Default_Font = Param; break;
        case TWord::F: S.Font = Has_Param ? Param : -1; break;
        case TWord::B: S.Bold = On; break;
        case TWord::I: S.Italic = On; break;
        case TWord::Ul: S.Underline = On; break;
        case TWord::Ulnone: S.Underline = false; break;
        case TWord::Fs:
            S.Half_Points = !Has_Param ? 24 : Param <= 0 ? 0 : std::min(Param, Rtf_Max_Half_Points);
            break;
        case TWord::Cf: S.Color = Has_Param && Param >= 0 ? Param : -1; break;
        case TWord::Super: S.Script = 1; S.Offset_Twips = 0; break;
        case TWord::Sub: S.Script = -1; S.Offset_Twips = 0; break;
        case TWord::Nosupersub: S.Script = 0; S.Offset_Twips = 0; break;
        case TWord::Up: case TWord::Dn: {
            const int Half = std::clamp(Has_Param ? Param : 6, -Rtf_Max_Half_Points, Rtf_Max_Half_Points);
            S.Offset_Twips = (W == TWord::Up ? Half : -Half) * 10;
            S.Script = 0;
            break;
        }
        case TWord::Plain: S = TCharState{}; break;
        case TWord::Par: case TWord::Row: Paragraph(); break;
        case TWord::Line: Text(QChar(QChar::LineSeparator)); break;
        case TWord::Tab: case TWord::Cell: Text(u'\t'); break;
        default: break;
        }
    }
};

// ---------------------------------------------------------------- writing --

struct TRunState {
    bool Bold = false, Italic = false, Underline = false;
    int Half_Points = -1;    // -1: not yet written
    int Font = -1;
    int Color = 0;           // index in the colour table, 0 automatic
    int Script = 0;
    int Offset_Half = 0;     // \up / \dn in half points
};

class TRtfWriter {
public:
    explicit TRtfWriter(const QTextDocument &ADoc) : Doc(ADoc) {}

    QByteArray Run()
    {
        Collect_Tables();
        Out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
        for (qsizetype K = 0; K < Families.size(); ++K) {
            Out += "{\\f" + QByteArray::number(K) + "\\fnil";
            Need_Delimiter = true;
            for (const QChar Ch : Families[K])
                Put_Char(Ch);
            Out += ";}";
        }
        Out += '}';
        if (Colors.size() > 1) {
            Out += "{\\colortbl ;";
            for (qsizetype K = 1; K < Colors.size(); ++K)
                Out += "\\red" + QByteArray::number(qRed(Colors[K])) + "\\green"
                       + QByteArray::number(qGreen(Colors[K])) + "\\blue"
                       + QByteArray::number(qBlue(Colors[K])) + ';';
            Out += '}';
        }
        Out += "\\pard";
        Need_Delimiter = true;
        bool First_Block = true;
        for (QTextBlock B = Doc.begin(); B.isValid(); B = B.next()) {
            if (!First_Block)
                Word("\\par");
            First_Block = false;
            for (auto It = B.begin(); !It.atEnd(); ++It) {
                const QTextFragment Fr = It.fragment();
                if (!Fr.isValid())
                    continue;
                Change_To(Run_State(Fr.charFormat()));
                for (const QChar Ch : Fr.text())
                    Put_Char(Ch);
            }
        }
        Out += '}';
        return Out;
    }

private:
    const QTextDocument &Doc;
    QByteArray Out;
    bool Need_Delimiter = false;
    QStringList Families;
    QList<QRgb> Colors{0};     // entry 0: automatic
    TRunState Current;

    // A name as the font table can carry it: no ';' (it ends the entry), no
    // control characters, no blanks at the ends.
    static QString Table_Name(QString Name)
    {
        Name.removeIf([](QChar C) { return C == u';' || C.unicode() < 0x20; });
        return Name.trimmed();
    }

    QString Family_Of(const QTextCharFormat &F) const
    {
        if (F.hasProperty(QTextFormat::FontFamilies)) {
            const QString S = Table_Name(F.property(QTextFormat::FontFamilies).toStringList().value(0));
            if (!S.isEmpty())
                return S;
        }
        if (F.hasProperty(QTextFormat::FontFamily)) {
            const QString S = Table_Name(F.property(QTextFormat::FontFamily).toString());
            if (!S.isEmpty())
                return S;
        }
        const QString S = Table_Name(Doc.defaultFont().family());
        return S.isEmpty() ? QStringLiteral("Tahoma") : S;
    }

    static bool Has_Color(const QTextCharFormat &F)
    {
        return F.hasProperty(QTextFormat::ForegroundBrush) && F.foreground().style() != Qt::NoBrush;
    }

    void Collect_Tables()
    {
        for (QTextBlock B = Doc.begin(); B.isValid(); B = B.next())
            for (auto It = B.begin(); !It.atEnd(); ++It) {
                const QTextCharFormat F = It.fragment().charFormat();
                const QString Family = Family_Of(F);
                if (!Families.contains(Family))
                    Families.append(Family);
                if (Has_Color(F)) {
                    const QRgb C = F.foreground().color().rgb() | 0xFF000000u;
                    if (Colors.indexOf(C, 1) < 0)
                        Colors.append(C);
                }
            }
        if (Families.isEmpty())
            Families.append(Family_Of(QTextCharFormat()));
    }

    TRunState Run_State(const QTextCharFormat &F) const
    {
        TRunState S;
        S.Bold = F.hasProperty(QTextFormat::FontWeight) && F.fontWeight() >= QFont::DemiBold;
        S.Italic = F.fontItalic();
        S.Underline = F.fontUnderline();
        double Points = F.hasProperty(QTextFormat::FontPointSize) ? F.fontPointSize()
                                                                  : Doc.defaultFont().pointSizeF();
        if (Points <= 0)
            Points = 12;
        S.Half_Points = std::clamp(int(qRound(Points * 2)), 1, Rtf_Max_Half_Points);
        S.Font = int(Families.indexOf(Family_Of(F)));
        S.Color = Has_Color(F) ? int(Colors.indexOf(F.foreground().color().rgb() | 0xFF000000u, 1)) : 0;
        const int Twips = F.property(Rtf_Offset_Property).toInt();
        S.Offset_Half = std::clamp(int(qRound(Twips / 10.0)), -Rtf_Max_Half_Points, Rtf_Max_Half_Points);
        if (S.Offset_Half == 0) {
            const auto V = F.verticalAlignment();
            S.Script = V == QTextCharFormat::AlignSuperScript ? 1 : V == QTextCharFormat::AlignSubScript ? -1 : 0;
        }
        return S;
    }

    void Word(const QByteArray &W)
    {
        Out += W;
        Need_Delimiter = true;
    }

    // Writes the control words that take the current state to S.
    void Change_To(const TRunState &S)
    {
        if (S.Font != Current.Font)
            Word("\\f" + QByteArray::number(S.Font));
        if (S.Half_Points != Current.Half_Points)
            Word("\\fs" + QByteArray::number(S.Half_Points));
        if (S.Color != Current.Color)
            Word("\\cf" + QByteArray::number(S.Color));
        if (S.Bold != Current.Bold)
            Word(S.Bold ? "\\b" : "\\b0");
        if (S.Italic != Current.Italic)
            Word(S.Italic ? "\\i" : "\\i0");
        if (S.Underline != Current.Underline)
            Word(S.Underline ? "\\ul" : "\\ulnone");
        if (S.Offset_Half != Current.Offset_Half || S.Script != Current.Script) {
            if (S.Offset_Half > 0)
                Word("\\up" + QByteArray::number(S.Offset_Half));
            else if (S.Offset_Half < 0)
                Word("\\dn" + QByteArray::number(-S.Offset_Half));
            else if (S.Script > 0)
                Word("\\super");
            else if (S.Script < 0)
                Word("\\sub");
            else if (Current.Offset_Half != 0)
                Word("\\up0");
            else
                Word("\\nosupersub");
        }
        Current = S;
    }

    void Put_Char(QChar Ch)
    {
        const char16_t U = Ch.unicode();
        if (U == 0)
            return;     // the reader drops NUL characters too
        if (U == u'\t') {
            Word("\\tab");
            return;
        }
        if (U == QChar::LineSeparator) {
            Word("\\line");
            return;
        }
        if (U == u'\\' || U == u'{' || U == u'}') {
            Out += '\\';
            Out += char(U);
            Need_Delimiter = false;
            return;
        }
        if (U >= 0x20 && U < 0x7F) {
            if (Need_Delimiter)
                Out += ' ';
            Out += char(U);
            Need_Delimiter = false;
            return;
        }
        const QByteArray Byte = To_Cp1252(QString(Ch));
        if (U < 0x20 || (Byte.size() == 1 && Byte[0] != '?')) {
            static const char Hex[] = "0123456789abcdef";
            const unsigned char B = U < 0x20 ? static_cast<unsigned char>(U) : static_cast<unsigned char>(Byte[0]);
            Out += "\\'";
            Out += Hex[B >> 4];
            Out += Hex[B & 15];
        } else {
            Out += "\\u" + QByteArray::number(int(static_cast<qint16>(U))) + '?';
        }
        Need_Delimiter = false;
    }
};

} // namespace

bool Looks_Like_Rtf(const QByteArray &Bytes)
{
    qsizetype K = 0;
    while (K < Bytes.size() && (Bytes[K] == ' ' || Bytes[K] == '\t' || Bytes[K] == '\r' || Bytes[K] == '\n'))
        ++K;
    return Bytes.mid(K, 5) == "{\\rtf";
}

TRtfReadResult Rtf_To_Document(const QByteArray &Rtf, QTextDocument &Doc)
{
    return TRtfReader(Rtf, Doc).Run();
}

QByteArray Document_To_Rtf(const QTextDocument &Doc)
{
    return TRtfWriter(Doc).Run();
}
