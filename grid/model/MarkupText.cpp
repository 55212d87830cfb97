#include "grid/model/MarkupText.h"
#include <QList>
#include <QPair>

namespace {
struct TEntity {
    const char16_t *Name;
    char16_t Char;
};

// Looked up in this order; names are matched in exact case.
const TEntity Entity_Table[51] = {
    {u"&eacute;", u'é'}, {u"&egrave;", u'è'}, {u"&euml;", u'ë'}, {u"&ecirc;", u'ê'},
    {u"&oacute;", u'ó'}, {u"&ograve;", u'ò'}, {u"&ouml;", u'ö'}, {u"&ocirc;", u'ô'},
    {u"&iacute;", u'í'}, {u"&igrave;", u'ì'}, {u"&iuml;", u'ï'}, {u"&icirc;", u'î'},
    {u"&uacute;", u'ú'}, {u"&ugrave;", u'ù'}, {u"&uuml;", u'ü'}, {u"&ucirc;", u'û'},
    {u"&aacute;", u'á'}, {u"&agrave;", u'à'}, {u"&auml;", u'ä'}, {u"&acirc;", u'â'},
    {u"&Eacute;", u'É'}, {u"&Egrave;", u'È'}, {u"&Euml;", u'Ë'}, {u"&Ecirc;", u'Ê'},
    {u"&Oacute;", u'Ó'}, {u"&Ograve;", u'Ò'}, {u"&Ouml;", u'Ö'}, {u"&Ocirc;", u'Ô'},
    {u"&Iacute;", u'Í'}, {u"&Igrave;", u'Ì'}, {u"&Iuml;", u'Ï'}, {u"&Icirc;", u'Î'},
    {u"&Uacute;", u'Ú'}, {u"&Ugrave;", u'Ù'}, {u"&Uuml;", u'Ü'}, {u"&Ucirc;", u'Û'},
    {u"&Aacute;", u'Á'}, {u"&Agrave;", u'À'}, {u"&Auml;", u'Ä'}, {u"&Acirc;", u'Â'},
    {u"&ccedil;", u'ç'}, {u"&Ccedil;", u'Ç'}, {u"&oslash;", u'ø'}, {u"&Oslash;", u'Ø'},
    {u"&aring;", u'å'}, {u"&Aring;", u'Å'}, {u"&copy;", u'©'}, {u"&reg;", u'®'},
    {u"&euro;", u'€'}, {u"&laquo;", u'«'}, {u"&raquo;", u'»'},
};

// The escapes MarkMatches makes for literal signs; chosen so that they can
// be told apart from a cell's own "&lt;" and "&gt;".
const QString Mark_Lt = QStringLiteral("&#60;");
const QString Mark_Gt = QStringLiteral("&#62;");

// The signs of a markup that the engine shows as text, escaped: a "<"
// with no ">" after it, and a ">" that closes no tag. Tags (a "<" through
// the next ">") stay as they are, so marking never gives up formatting.
QString Escape_Literal_Signs(const QString &Markup)
{
    QString R;
    R.reserve(Markup.size());
    qsizetype I = 0;
    while (I < Markup.size()) {
        const QChar C = Markup[I];
        if (C == u'<') {
            const qsizetype Gt = Markup.indexOf(u'>', I);
            if (Gt >= 0) {
                R += QStringView(Markup).mid(I, Gt - I + 1);
                I = Gt + 1;
                continue;
            }
            R += Mark_Lt;
        } else if (C == u'>') {
            R += Mark_Gt;
        } else {
            R += C;
        }
        ++I;
    }
    return R;
}

// A CONTROL tag in the markup: 0-based start of "<" and end past ">".
struct TTagSpan {
    qsizetype Start = -1;
    qsizetype End = -1;
    TControlTag Attrs;
};

QList<TTagSpan> Control_Tags(const QString &Markup)
{
    QList<TTagSpan> Tags;
    qsizetype From = 0;
    for (;;) {
        const qsizetype S = Markup.indexOf(QStringLiteral("<CONTROL "), From, Qt::CaseInsensitive);
        if (S < 0)
            break;
        const qsizetype E = Markup.indexOf(u'>', S);
        if (E < 0)
            break;
        TTagSpan T;
        T.Start = S;
        T.End = E + 1;
        T.Attrs = ParseControlTag(Markup.mid(S + 8, E - S - 8));
        Tags.append(T);
        From = E + 1;
    }
    return Tags;
}

const TTagSpan *Find_Id(const QList<TTagSpan> &Tags, const QString &ID)
{
    for (const TTagSpan &T : Tags)
        if (T.Attrs.ID == ID)
            return &T;
    return nullptr;
}

QString Quoted(const QString &V)
{
    return u'"' + V + u'"';
}
} // namespace

// ---- helpers ---------------------------------------------------------------------

bool ReplaceOnce(QString &Text, const QString &Old, const QString &New)
{
    if (Old.isEmpty())
        return false;
    const qsizetype P = Text.indexOf(Old, 0, Qt::CaseInsensitive);
    if (P < 0)
        return false;
    Text.replace(P, Old.size(), New);
    return true;
}

int IPos(const QString &Sub, const QString &Text)
{
    if (Sub.isEmpty())
        return 0;
    return static_cast<int>(Text.indexOf(Sub, 0, Qt::CaseInsensitive)) + 1;
}

int VarPos(const QString &Sub, const QString &Text, int &Pos)
{
    Pos = Sub.isEmpty() ? 0 : static_cast<int>(Text.indexOf(Sub)) + 1;
    return Pos;
}

int VarPosUpper(const QString &Sub, const QString &Text, int &Pos)
{
    Pos = Sub.isEmpty() ? 0 : static_cast<int>(Text.toUpper().indexOf(Sub)) + 1;
    return Pos;
}

int TextToInt(const QString &Text)
{
    qsizetype I = 0;
    const qsizetype N = Text.size();
    while (I < N && Text[I] == u' ')
        ++I;
    int Base = 10;
    if (I < N && Text[I] == u'$') {
        Base = 16;
        ++I;
    } else if (I + 1 < N && Text[I] == u'0' && (Text[I + 1] == u'x' || Text[I + 1] == u'X')) {
        Base = 16;
        I += 2;
    } else if (I < N && (Text[I] == u'x' || Text[I] == u'X')) {
        Base = 16;
        ++I;
    }
    qint64 Acc = 0;
    for (; I < N; ++I) {
        const int D = QChar(Text[I]).digitValue();
        int V;
        if (Text[I] >= u'0' && Text[I] <= u'9')
            V = D;
        else if (Base == 16 && Text[I].toUpper() >= u'A' && Text[I].toUpper() <= u'F')
            V = Text[I].toUpper().unicode() - u'A' + 10;
        else
            break;
        Acc = Acc * Base + V;
        if (Acc > 0x7FFFFFFF)
            return 0x7FFFFFFF;
    }
    return static_cast<int>(Acc);
}

QString PasswordMask(const QString &Text)
{
    return QString(Text.size(), u'*');
}

// ---- entities ------------------------------------------------------------------

QString DecodeHTMLEntities(const QString &Text, bool WithTable)
{
    // One left-to-right pass: each entity is decoded once, so a decoded
    // "&" never starts another entity ("&amp;eacute;" gives "&eacute;",
    // "&amp;quot;" gives "&quot;"), and encoding then decoding gives every
    // text back. Names are matched in exact case.
    if (!Text.contains(u'&'))
        return Text;
    static const TEntity Basic[4] = {{u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&amp;", u'&'}, {u"&quot;", u'"'}};
    QString R;
    R.reserve(Text.size());
    const QStringView V(Text);
    qsizetype I = 0;
    while (I < V.size()) {
        if (V[I] == u'&') {
            const TEntity *Found = nullptr;
            for (const TEntity &E : Basic)
                if (V.mid(I).startsWith(QStringView(E.Name))) {
                    Found = &E;
                    break;
                }
            if (!Found && WithTable)
                for (const TEntity &E : Entity_Table)
                    if (V.mid(I).startsWith(QStringView(E.Name))) {
                        Found = &E;
                        break;
                    }
            if (Found) {
                R += QChar(Found->Char);
                I += QStringView(Found->Name).size();
                continue;
            }
        }
        R += V[I++];
    }
    return R;
}

QString EncodeHTMLEntities(const QString &Text, bool WithTable)
{
    // "&" first, so the entities made below are not encoded again.
    QString R = Text;
    R.replace(QStringLiteral("&"), QStringLiteral("&amp;"));
    R.replace(QStringLiteral("\""), QStringLiteral("&quot;"));
    R.replace(QStringLiteral("<"), QStringLiteral("&lt;"));
    R.replace(QStringLiteral(">"), QStringLiteral("&gt;"));
    if (WithTable)
        for (const TEntity &E : Entity_Table)
            R.replace(QChar(E.Char), QString::fromUtf16(E.Name));
    return R;
}

QString SpacesToNbsp(const QString &Text)
{
    QString R = Text;
    return R.replace(u' ', QStringLiteral("&nbsp;"));
}

// ---- tags ------------------------------------------------------------------------

QString StripHTMLTags(const QString &Markup)
{
    QString S = Markup;
    S.replace(QStringLiteral("<BR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    S.replace(QStringLiteral("<HR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    QString R;
    R.reserve(S.size());
    qsizetype From = 0;
    for (;;) {
        const qsizetype Lt = S.indexOf(u'<', From);
        if (Lt < 0) {
            R += QStringView(S).mid(From);
            break;
        }
        R += QStringView(S).mid(From, Lt - From);
        const qsizetype Gt = S.indexOf(u'>', Lt);
        if (Gt < 0) {
            R += QStringView(S).mid(Lt);
            break;
        }
        From = Gt + 1;
    }
    return R;
}

QString StripTagsForMatch(const QString &Markup)
{
    QString V;
    qsizetype From = 0;
    for (;;) {
        const qsizetype Lt = Markup.indexOf(u'<', From);
        const qsizetype Gt = Markup.indexOf(u'>', From);
        if (Lt >= 0 && Gt >= 0 && Lt < Gt) {
            V += QStringView(Markup).mid(From, Lt - From);
            From = Gt + 1;
            continue;
        }
        V += QStringView(Markup).mid(From);
        return V;
    }
}

int VisibleToMarkupPos(const QString &Markup, int N)
{
    // Mirrors StripTagsForMatch: a tag is a "<" before the next ">"; once a
    // ">" comes first (or a "<" has no ">") everything after is visible.
    // The answer is the first position with N - 1 visible characters before
    // it, so a tag directly in front of the N-th character stays behind the
    // inserted text.
    int Visible = 0;
    qsizetype I = 0;
    const qsizetype Len = Markup.size();
    bool All_Visible = false;
    while (I < Len) {
        if (Visible == N - 1)
            return static_cast<int>(I) + 1;
        if (!All_Visible && Markup[I] == u'<') {
            const qsizetype Gt = Markup.indexOf(u'>', I);
            if (Gt >= 0) {
                I = Gt + 1;
                continue;
            }
            All_Visible = true;
        }
        if (Markup[I] == u'>')
            All_Visible = true;
        ++Visible;
        ++I;
    }
    return Visible == N - 1 ? static_cast<int>(Len) + 1 : 0;
}

int FindFromPos(const QString &Sub, const QString &Text, int From, bool CaseSensitive)
{
    if (Sub.isEmpty() || From < 1)
        return 0;
    if (CaseSensitive)
        return static_cast<int>(Text.indexOf(Sub, From - 1)) + 1;
    // Upper-cased character by character, so that positions stay positions
    // of the original text.
    auto Upper = [](const QString &S) {
        QString R = S;
        for (QChar &C : R)
            C = C.toUpper();
        return R;
    };
    return static_cast<int>(Upper(Text).indexOf(Upper(Sub), From - 1)) + 1;
}

namespace {
// The visible text with each entity the engine shows as one character read
// as that character, and where each character starts in the visible text
// (1-based; one more entry for the end).
struct TDecodedVisible {
    QString Text;
    QList<int> Start;
};

TDecodedVisible Decode_Visible(const QString &V)
{
    static const QList<QPair<QString, QChar>> Known = [] {
        QList<QPair<QString, QChar>> K = {
            {QStringLiteral("&lt;"), u'<'}, {QStringLiteral("&gt;"), u'>'}, {QStringLiteral("&amp;"), u'&'},
            {QStringLiteral("&quot;"), u'"'}, {QStringLiteral("&nbsp;"), u' '}, {Mark_Lt, u'<'}, {Mark_Gt, u'>'},
        };
        for (const TEntity &E : Entity_Table)
            K.append({QString::fromUtf16(E.Name), QChar(E.Char)});
        return K;
    }();
    TDecodedVisible D;
    D.Text.reserve(V.size());
    qsizetype I = 0;
    while (I < V.size()) {
        D.Start.append(static_cast<int>(I) + 1);
        if (V[I] == u'&') {
            bool Matched = false;
            for (const auto &K : Known)
                if (QStringView(V).mid(I).startsWith(K.first, Qt::CaseInsensitive)) {
                    D.Text += K.second;
                    I += K.first.size();
                    Matched = true;
                    break;
                }
            if (Matched)
                continue;
        }
        D.Text += V[I++];
    }
    D.Start.append(static_cast<int>(V.size()) + 1);
    return D;
}
} // namespace

QString MarkMatches(const QString &Markup, const QString &Search, const QString &Tag, bool CaseSensitive)
{
    if (Search.isEmpty())
        return Markup;
    QString M = Markup;
    QString V = StripTagsForMatch(M);
    if (M.contains(Search) && (V.contains(u'<') || V.contains(u'>'))) {
        M = Escape_Literal_Signs(M);
        V = StripTagsForMatch(M);
    }
    // Matches are found in the shown text, where an entity is one character,
    // so a tag never lands inside an entity.
    const TDecodedVisible D = Decode_Visible(V);
    const QString Open = u'<' + Tag + u'>';
    const QString Close = QStringLiteral("</") + Tag + u'>';
    const int L = static_cast<int>(Search.size());
    int From = 1;
    for (;;) {
        const int P = FindFromPos(Search, D.Text, From, CaseSensitive);
        if (P == 0)
            break;
        const int At = VisibleToMarkupPos(M, D.Start[P - 1]);
        if (At == 0)
            break;
        M.insert(At - 1, Open);
        const int End = VisibleToMarkupPos(M, D.Start[P - 1 + L]);
        if (End == 0)
            break;
        M.insert(End - 1, Close);
        From = P + L + 1;
    }
    return M;
}

QString UnmarkMatches(const QString &Markup, const QString &Tag)
{
    QString R = Markup;
    R.remove(u'<' + Tag + u'>', Qt::CaseInsensitive);
    R.remove(QStringLiteral("</") + Tag + u'>', Qt::CaseInsensitive);
    R.replace(Mark_Lt, QStringLiteral("<"));
    R.replace(Mark_Gt, QStringLiteral(">"));
    return R;
}

// ---- CONTROL tags ------------------------------------------------------------------

bool HasControlTag(const QString &Text)
{
    return Text.contains(QStringLiteral("<CONTROL"), Qt::CaseInsensitive);
}

TControlTag ParseControlTag(const QString &Attributes)
{
    const QString U = Attributes.toUpper();
    auto Value_Of = [&](const char *Name) {
        const QString Key = QString::fromLatin1(Name);
        qsizetype P = -1;
        qsizetype From = 0;
        // The name must start a word, so that ID= is not found inside another name.
        while ((P = U.indexOf(Key, From)) >= 0) {
            if (P == 0 || !U[P - 1].isLetterOrNumber())
                break;
            From = P + 1;
        }
        if (P < 0)
            return QString();
        const qsizetype Q1 = Attributes.indexOf(u'"', P + Key.size());
        if (Q1 < 0)
            return QString();
        const qsizetype Q2 = Attributes.indexOf(u'"', Q1 + 1);
        if (Q2 < 0)
            return QString();
        return Attributes.mid(Q1 + 1, Q2 - Q1 - 1);
    };
    TControlTag T;
    T.Type = Value_Of("TYPE=").toUpper();
    T.ID = Value_Of("ID=");
    T.Value = DecodeHTMLEntities(Value_Of("VALUE="), true);
    T.Width = Value_Of("WIDTH=");
    T.Height = Value_Of("HEIGHT=");
    T.Prop = DecodeHTMLEntities(Value_Of("PROP="), true);
    T.MaxLen = Value_Of("MAXLEN=");
    return T;
}

QString NextEditControlID(const QString &Markup, const QString &ID)
{
    const QList<TTagSpan> Tags = Control_Tags(Markup);
    qsizetype I = 0;
    if (!ID.isEmpty()) {
        while (I < Tags.size() && Tags[I].Attrs.ID != ID)
            ++I;
        if (I == Tags.size())
            return QString();
        ++I;
    }
    for (; I < Tags.size(); ++I) {
        const QString &T = Tags[I].Attrs.Type;
        if (T != QStringLiteral("BUTTON") && T != QStringLiteral("CHECK") && T != QStringLiteral("RADIO"))
            return Tags[I].Attrs.ID;
    }
    return QString();
}

bool GetControlValue(const QString &Markup, const QString &ID, QString &Value)
{
    const QList<TTagSpan> Tags = Control_Tags(Markup);
    const TTagSpan *T = Find_Id(Tags, ID);
    if (!T)
        return false;
    Value = T->Attrs.Value;
    return true;
}

QString GetControlProp(const QString &Markup, const QString &ID)
{
    const QList<TTagSpan> Tags = Control_Tags(Markup);
    const TTagSpan *T = Find_Id(Tags, ID);
    return T ? T->Attrs.Prop : QString();
}

int GetControlMaxLen(const QString &Markup, const QString &ID)
{
    const QList<TTagSpan> Tags = Control_Tags(Markup);
    const TTagSpan *T = Find_Id(Tags, ID);
    return T ? TextToInt(T->Attrs.MaxLen) : 0;
}

bool SetControlValue(QString &Markup, const QString &ID, const QString &Value)
{
    const QList<TTagSpan> Tags = Control_Tags(Markup);
    const TTagSpan *T = Find_Id(Tags, ID);
    if (!T)
        return false;
    QString Tag = QStringLiteral("<CONTROL ID=") + Quoted(ID) + QStringLiteral(" VALUE=")
                  + Quoted(EncodeHTMLEntities(Value, true)) + QStringLiteral(" WIDTH=") + Quoted(T->Attrs.Width)
                  + QStringLiteral(" TYPE=") + Quoted(T->Attrs.Type);
    if (!T->Attrs.Prop.isEmpty())
        Tag += QStringLiteral(" PROP=") + Quoted(EncodeHTMLEntities(T->Attrs.Prop, true));
    if (!T->Attrs.MaxLen.isEmpty())
        Tag += QStringLiteral(" MAXLEN=") + Quoted(T->Attrs.MaxLen);
    Tag += u'>';
    Markup.replace(T->Start, T->End - T->Start, Tag);
    return true;
}

QString ResetRadioControls(const QString &Markup)
{
    QString R = Markup;
    for (const TTagSpan &T : Control_Tags(Markup))
        if (T.Attrs.Type == QStringLiteral("RADIO"))
            SetControlValue(R, T.Attrs.ID, QStringLiteral("FALSE"));
    return R;
}
