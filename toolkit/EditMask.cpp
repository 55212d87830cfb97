#include "toolkit/EditMask.h"
#include <QStringList>
#include <algorithm>

TEditMaskInfo Parse_Edit_Mask(const QString &Mask, QChar DateSeparator, QChar TimeSeparator)
{
    TEditMaskInfo Info;
    if (Mask.isEmpty())
        return Info;
    // Fields: the mask, the save-literals flag and the blank character. A ';'
    // escaped with '\' belongs to the mask.
    QString Body;
    QStringList Rest;
    {
        int I = 0;
        for (; I < Mask.size(); ++I) {
            if (Mask[I] == u'\\' && I + 1 < Mask.size()) {
                Body += Mask[I];
                Body += Mask[++I];
                continue;
            }
            if (Mask[I] == u';')
                break;
            Body += Mask[I];
        }
        if (I < Mask.size())
            Rest = Mask.mid(I + 1).split(u';');
    }
    if (Rest.size() >= 1 && !Rest[0].isEmpty())
        Info.Save_Literals = Rest[0] != u"0";
    if (Rest.size() >= 2 && !Rest[1].isEmpty())
        Info.Blank = Rest[1][0];

    auto Literal = [&](QChar C) {
        // Qt mask letters and meta characters must be escaped to stay literal.
        static const QString Meta = QStringLiteral("AaNnXx90DdHhBb#><!\\[]{};");
        if (Meta.contains(C))
            Info.Qt_Mask += u'\\';
        Info.Qt_Mask += C;
        Info.Literal.push_back(true);
    };
    auto Slot = [&](QChar Q) {
        Info.Qt_Mask += Q;
        Info.Literal.push_back(false);
    };
    for (int I = 0; I < Body.size(); ++I) {
        const QChar C = Body[I];
        switch (C.unicode()) {
        case '\\':
            if (I + 1 < Body.size())
                Literal(Body[++I]);
            break;
        case 'L': Slot(u'A'); break;
        case 'l': Slot(u'a'); break;
        case 'A': Slot(u'N'); break;
        case 'a': Slot(u'n'); break;
        case 'C': Slot(u'X'); break;
        case 'c': Slot(u'x'); break;
        case '0': Slot(u'9'); break;
        case '9': Slot(u'0'); break;
        case '#': Slot(u'#'); break;
        case ':': Literal(TimeSeparator); break;
        case '/': Literal(DateSeparator); break;
        case '!': break;   // Qt keeps leading blanks apart already
        case '>': Info.Qt_Mask += u'>'; break;
        case '<':
            if (I + 1 < Body.size() && Body[I + 1] == u'>') {
                Info.Qt_Mask += u'!';
                ++I;
            } else
                Info.Qt_Mask += u'<';
            break;
        default: Literal(C); break;
        }
    }
    Info.Qt_Mask += u';';
    Info.Qt_Mask += Info.Blank;
    return Info;
}

QString Masked_Edit_Text(const TEditMaskInfo &Mask, const QString &Text, const QString &Display_Text)
{
    if (Mask.Qt_Mask.isEmpty() || Mask.Save_Literals)
        return Text;
    // Leave the literal positions out of the displayed text.
    const QString &D = Display_Text;
    QString R;
    for (int I = 0; I < D.size() && I < Mask.Literal.size(); ++I)
        if (!Mask.Literal[I])
            R += D[I] == Mask.Blank ? QChar(u' ') : D[I];
    while (R.endsWith(u' '))
        R.chop(1);
    return R;
}

// --- typing rules ------------------------------------------------------------------

TEditMaskBuffer::TEditMaskBuffer(const TEditMaskInfo &Mask)
{
    FBlank = Mask.Blank;
    // Read Qt's mask as the reader wrote it: escaped literals, case markers,
    // slot letters, other literals, then ";blank".
    const QString &Q = Mask.Qt_Mask;
    char Case = 0;
    for (int I = 0; I < Q.size(); ++I) {
        const QChar C = Q[I];
        if (C == u';')
            break;
        TItem Item;
        if (C == u'\\' && I + 1 < Q.size()) {
            Item.Literal = true;
            Item.Char = Q[++I];
        } else if (C == u'>' || C == u'<' || C == u'!') {
            Case = C == u'!' ? 0 : char(C.unicode());
            continue;
        } else if (QStringLiteral("AaNnXx90#").contains(C)) {
            Item.Kind = char(C.unicode());
            Item.Case = Case;
        } else {
            Item.Literal = true;
            Item.Char = C;
        }
        FItems.push_back(Item);
    }
}

bool TEditMaskBuffer::Fits(char Kind, QChar C)
{
    switch (Kind) {
    case 'A': case 'a': return C.isLetter();
    case 'N': case 'n': return C.isLetterOrNumber();
    case 'X': case 'x': return C.isPrint() && C != u' ';
    case '9': case '0': return C.isDigit();
    case '#': return C.isDigit() || C == u'+' || C == u'-';
    default: return false;
    }
}

QChar TEditMaskBuffer::Cased(char Case, QChar C)
{
    return Case == '>' ? C.toUpper() : Case == '<' ? C.toLower() : C;
}

QString TEditMaskBuffer::Display() const
{
    QString R;
    R.reserve(FItems.size());
    for (const TItem &I : FItems)
        R += I.Literal || !I.Char.isNull() ? I.Char : FBlank;
    return R;
}

QString TEditMaskBuffer::Value() const
{
    QString R;
    for (const TItem &I : FItems)
        if (I.Literal || !I.Char.isNull())
            R += I.Char;
    return R;
}

void TEditMaskBuffer::Set_Value(const QString &Text)
{
    int J = 0;
    for (int P = 0; P < FItems.size(); ++P) {
        TItem &I = FItems[P];
        if (I.Literal) {
            if (J < Text.size() && Text[J] == I.Char)
                ++J;
            continue;
        }
        I.Char = QChar();
        while (J < Text.size()) {
            const QChar C = Text[J];
            if (Fits(I.Kind, C)) {
                I.Char = Cased(I.Case, C);
                ++J;
                break;
            }
            if (C == FBlank || C == u' ') {
                ++J;   // an empty slot
                break;
            }
            bool LaterLiteral = false;
            for (int K = P + 1; K < FItems.size() && !LaterLiteral; ++K)
                LaterLiteral = FItems[K].Literal && FItems[K].Char == C;
            if (LaterLiteral)
                break;   // the slots up to that literal stay empty
            ++J;         // a character that fits nowhere here is dropped
        }
    }
}

void TEditMaskBuffer::Erase(int Start, int Length)
{
    for (int P = std::max(0, Start); P < std::min(Size(), Start + Length); ++P)
        if (!FItems[P].Literal)
            FItems[P].Char = QChar();
}

bool TEditMaskBuffer::Type(QChar C, int &Caret, int SelStart, int SelLength)
{
    const QVector<TItem> Before = FItems;
    int P = Caret;
    if (SelLength > 0) {
        Erase(SelStart, SelLength);
        P = SelStart;
    }
    for (; P < Size(); ++P) {
        TItem &I = FItems[P];
        if (I.Literal) {
            if (I.Char == C) {
                Caret = P + 1;
                return true;
            }
            continue;
        }
        if (!Fits(I.Kind, C)) {
            // The next literal typed early: its slots before it stay empty.
            int K = P + 1;
            while (K < Size() && !FItems[K].Literal)
                ++K;
            if (K < Size() && FItems[K].Char == C) {
                Caret = K + 1;
                return true;
            }
            break;
        }
        I.Char = Cased(I.Case, C);
        Caret = P + 1;
        return true;
    }
    FItems = Before;
    return false;
}

int TEditMaskBuffer::Backspace(int Caret)
{
    int P = std::min(Caret, Size()) - 1;
    while (P >= 0 && FItems[P].Literal)
        --P;
    if (P < 0)
        return std::max(0, std::min(Caret, Size()) - 1);
    FItems[P].Char = QChar();
    return P;
}

int TEditMaskBuffer::Delete(int Caret)
{
    int P = std::max(0, Caret);
    while (P < Size() && FItems[P].Literal)
        ++P;
    if (P < Size())
        FItems[P].Char = QChar();
    return Caret;
}
