#include "dropdowns/DropDownValue.h"
#include "dropdowns/DropDownText.h"
#include "grid/model/TextRoutines.h"
#include "platform/Locale.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
QChar DS() { return Format_Settings().DecimalSeparator; }
QChar TS() { return Format_Settings().ThousandSeparator; }
bool Is_Digit(QChar Ch) { return Ch >= u'0' && Ch <= u'9'; }
bool Is_Ascii_Letter(QChar Ch) { return (Ch >= u'A' && Ch <= u'Z') || (Ch >= u'a' && Ch <= u'z'); }
bool Is_Hex_Digit(QChar Ch) { return Is_Digit(Ch) || (Ch >= u'A' && Ch <= u'F') || (Ch >= u'a' && Ch <= u'f'); }
bool Is_Number_Type(TDropDownEditType T) { return T == etNumeric || T == etFloat || T == etMoney; }
constexpr QChar Back(8), Tab(9), Enter(13);
bool Is_Number_Class(int C) { return C == vtInteger || C == vtDecimal; }

// Splits a decimal text (locale separators, thousand separators allowed)
// into sign, integer digits and fraction digits; false when it is no number.
bool Split_Decimal(const QString &Text, bool &Negative, QString &Int, QString &Frac)
{
    QString S = StripThousandSeparators(Text).trimmed();
    Negative = false;
    Int.clear();
    Frac.clear();
    int I = 0;
    if (I < S.size() && (S[I] == u'-' || S[I] == u'+')) {
        Negative = S[I] == u'-';
        ++I;
    }
    bool Point = false;
    for (; I < S.size(); ++I) {
        const QChar Ch = S[I];
        if (Is_Digit(Ch))
            (Point ? Frac : Int).append(Ch);
        else if (Ch == DS() && !Point)
            Point = true;
        else
            return false;
    }
    return !Int.isEmpty() || !Frac.isEmpty();
}
} // namespace

// --- numbers ------------------------------------------------------------------------------

double DropDown_TextToFloat(const QString &Text)
{
    QString S = Text.contains(TS()) ? StripThousandSeparators(Text) : Text;
    S = S.trimmed();
    if (DS() != u'.') {
        if (S.contains(u'.'))
            return 0;
        S.replace(DS(), u'.');
    }
    // Only plain decimal notation and exponents; "inf" and "nan" are no numbers here.
    for (QChar Ch : S)
        if (!Is_Digit(Ch) && Ch != u'.' && Ch != u'-' && Ch != u'+' && Ch != u'e' && Ch != u'E')
            return 0;
    bool Ok = false;
    const double V = S.toDouble(&Ok);
    return Ok && std::isfinite(V) ? V : 0;
}

QString Group_Thousands(const QString &Digits)
{
    QString R;
    const int N = int(Digits.size());
    for (int I = 0; I < N; ++I) {
        if (I > 0 && (N - I) % 3 == 0)
            R.append(TS());
        R.append(Digits[I]);
    }
    return R;
}

QString DropDown_FormatFloat(double X, int Precision, bool Thousands)
{
    QString S = Precision < 0 ? QString::asprintf("%g", X) : QString::number(X, 'f', Precision);
    if (Precision >= 0 && Thousands) {
        const bool Neg = S.startsWith(u'-');
        if (Neg)
            S.remove(0, 1);
        const int Dot = int(S.indexOf(u'.'));
        const QString Int = Dot < 0 ? S : S.left(Dot);
        const QString Frac = Dot < 0 ? QString() : S.mid(Dot);
        S = (Neg ? QStringLiteral("-") : QString()) + Group_Thousands(Int) + Frac;
        S.replace(u'.', DS());
        return S;
    }
    S.replace(u'.', DS());
    return S;
}

QString DropDown_Decimal_Text(const QString &Text, int Precision, bool Thousands)
{
    bool Negative = false;
    QString Int, Frac;
    if (!Split_Decimal(Text, Negative, Int, Frac)) {
        Negative = false;
        Int = QStringLiteral("0");
        Frac.clear();
    }
    const int P = std::max(0, Precision);
    bool Up = Frac.size() > P && Frac[P] >= u'5';
    Frac = Frac.left(P).leftJustified(P, u'0');
    QString Digits = Int + Frac;
    for (int I = int(Digits.size()) - 1; Up && I >= 0; --I) {
        if (Digits[I] == u'9') {
            Digits[I] = u'0';
        } else {
            Digits[I] = QChar(Digits[I].unicode() + 1);
            Up = false;
        }
    }
    if (Up)
        Digits.prepend(u'1');
    Int = Digits.left(Digits.size() - P);
    Frac = Digits.right(P);
    while (Int.size() > 1 && Int[0] == u'0')
        Int.remove(0, 1);
    if (Int.isEmpty())
        Int = QStringLiteral("0");
    const bool Zero = std::all_of(Digits.begin(), Digits.end(), [](QChar C) { return C == u'0'; });
    QString R = (Negative && !Zero) ? QStringLiteral("-") : QString();
    R += Thousands ? Group_Thousands(Int) : Int;
    if (P > 0)
        R += DS() + Frac;
    return R;
}

int IntegerPartLength(const QString &Value)
{
    const int Dot = int(Value.indexOf(DS()));
    const QString Int = Dot < 0 ? Value : Value.left(Dot);
    return int(std::count_if(Int.begin(), Int.end(), Is_Digit)) + 1;
}

// --- value -----------------------------------------------------------------------------------

QString TDropDownValue::GetText() const
{
    QString T = E.Text;
    if (!S.Prefix.isEmpty() && T.startsWith(S.Prefix))
        T.remove(0, S.Prefix.size());
    if (!S.Suffix.isEmpty() && T.endsWith(S.Suffix))
        T.chop(S.Suffix.size());
    return T;
}

void TDropDownValue::SetTextDirect(const QString &Text)
{
    E.Text = Text;
    E.SelStart = int(Text.size());
    E.SelLength = 0;
}

void TDropDownValue::Set_Value_Direct(const QString &Value)
{
    const int Caret = E.SelStart;
    E.Text = S.Prefix + Value + S.Suffix;
    E.SelStart = std::clamp(Caret, 0, int(E.Text.size()));
    E.SelLength = 0;
}

void TDropDownValue::SetText(const QString &Value)
{
    QString V = Value;
    const TDropDownEditType T = S.EditType;
    if (V.isEmpty() && (T == etNumeric || T == etFloat || T == etMoney || T == etHex))
        V = QStringLiteral("0");
    if (S.Precision > 0 && !V.isEmpty() && V != QStringLiteral("Error")) {
        // Money keeps every typed digit: it is rounded on its digits, never
        // through a floating-point number.
        if (T == etMoney)
            V = DropDown_Decimal_Text(V, S.Precision, true);
        else if (T == etFloat)
            V = DropDown_FormatFloat(DropDown_TextToFloat(V), S.Precision, false);
    }
    if (T == etHex)
        V = V.toUpper();
    SetTextDirect(S.Prefix + V + S.Suffix);
    SetModified(false);
}

double TDropDownValue::GetFloatValue() const
{
    const QString V = GetText();
    switch (S.EditType) {
    case etString: {
        bool Ok = false;
        const double X = V.trimmed().toDouble(&Ok);
        return Ok && std::isfinite(X) ? X : 0;
    }
    case etNumeric:
    case etFloat:
        if (V.isEmpty() || V == QStringLiteral("Error") || V == QStringLiteral("-"))
            return 0;
        return DropDown_TextToFloat(V);
    case etMoney: {
        QString M = StripThousandSeparators(V);
        if (M.endsWith(DS()))
            M.chop(1);
        if (M.isEmpty() || M == QStringLiteral("-"))
            return 0;
        return DropDown_TextToFloat(M);
    }
    case etHex: return HexToInt(V);
    default: return 0;
    }
}

namespace {
// Hex digits of a 32-bit pattern; false when N does not fit 32 bits.
bool Hex_Text(std::int64_t N, QString &Text)
{
    if (N < std::numeric_limits<std::int32_t>::min() || N > std::numeric_limits<std::uint32_t>::max())
        return false;
    Text = QString::number(static_cast<std::uint32_t>(N), 16).toUpper();
    return true;
}
} // namespace

void TDropDownValue::SetFloatValue(double X)
{
    const int P = S.Precision;
    switch (S.EditType) {
    case etString:
    case etFloat: SetText(DropDown_FormatFloat(X, P, false)); break;
    case etNumeric: SetText(DropDown_FormatFloat(X, P, P >= 0)); break;
    case etMoney:
        SetText(DropDown_FormatFloat(X, P, false));
        AutoSeparators();
        break;
    case etHex: {
        QString H;
        if (!std::isfinite(X) || std::fabs(X) > 1e12 || !Hex_Text(static_cast<std::int64_t>(std::trunc(X)), H))
            return;
        SetText(H);
        break;
    }
    default: return;
    }
    SetModified(true);
}

void TDropDownValue::SetIntValue(std::int64_t N)
{
    switch (S.EditType) {
    case etNumeric:
    case etFloat: SetText(QString::number(N)); break;
    case etMoney:
        SetText(QString::number(N));
        AutoSeparators();
        break;
    case etHex: {
        QString H;
        if (!Hex_Text(N, H))
            return;
        SetText(H);
        break;
    }
    default: return;
    }
    SetModified(true);
}

QString TDropDownValue::Money_Integer_Digits(const QString &Value) const
{
    const int Dot = int(Value.indexOf(DS()));
    QString Digits;
    for (QChar Ch : (Dot < 0 ? Value : Value.left(Dot)))
        if (Is_Digit(Ch))
            Digits.append(Ch);
    while (Digits.size() > 1 && Digits[0] == u'0')
        Digits.remove(0, 1);
    return Digits.isEmpty() ? QStringLiteral("0") : Digits;
}

void TDropDownValue::AutoSeparators()
{
    QString V = GetText();
    if (V.isEmpty())
        return;
    const int Old_Len = int(V.size());
    const int Caret = E.SelStart;
    QString Sign;
    if (V.startsWith(u'-')) {
        Sign = QStringLiteral("-");
        V.remove(0, 1);
    }
    const int Dot = int(V.indexOf(DS()));
    const QString Fraction = Dot < 0 ? QString() : V.mid(Dot, 255);
    // The integer part from the typed digits themselves.
    const QString Digits = Money_Integer_Digits(V);
    const QString Int = S.AutoThousandSeparator ? Group_Thousands(Digits) : Digits;
    const QString New_Value = Sign + Int + Fraction;
    const QString New_Text = S.Prefix + New_Value + S.Suffix;
    if (New_Text != E.Text) {
        BlockChange = true;
        E.Text = New_Text;
    }
    E.SelStart = std::clamp(Caret + int(New_Value.size()) - Old_Len, 0, int(E.Text.size()));
    E.SelLength = 0;
}

void TDropDownValue::SetModified(bool Value)
{
    if (Loading || !EditorEnabled || ReadOnly)
        return;
    Modified = Value;
}

bool TDropDownValue::SetEditType(TDropDownEditType Value)
{
    if (Value == S.EditType)
        return false;
    S.EditType = Value;
    const QString V = GetText();
    const int C = ClassifyValueText(V);
    if (Value == etNumeric && C != vtInteger)
        SetIntValue(0);
    else if ((Value == etFloat || Value == etMoney) && !Is_Number_Class(C))
        SetFloatValue(0);
    // A hexadecimal value has no sign: typing refuses "-", so a value with
    // one is no hexadecimal value either.
    else if (Value == etHex && ((C != vtInteger && C != vtHexadecimal) || V.contains(u'-')))
        SetIntValue(0);
    return true;
}

bool TDropDownValue::SetPrecision(int Value)
{
    if (Value == S.Precision)
        return false;
    const TDropDownEditType T = S.EditType;
    if (T != etString && T != etFloat && T != etMoney)
        return false;
    S.Precision = Value;
    // A text edit keeps its text; only numbers are re-formatted.
    if (T == etString)
        return true;
    if (!Is_Number_Class(ClassifyValueText(GetText()))) {
        SetFloatValue(0);
    } else if (T == etMoney) {
        SetText(StripThousandSeparators(GetText()));
        AutoSeparators();
        SetModified(true);
    } else {
        SetFloatValue(GetFloatValue());
    }
    return true;
}

void TDropDownValue::SelectAll()
{
    E.SelStart = P();
    E.SelLength = int(GetText().size());
}

void TDropDownValue::SelectBeforeDecimal()
{
    const int I = int(GetText().indexOf(DS()));
    E.SelStart = P() + std::max(0, I);
    E.SelLength = 0;
}

void TDropDownValue::SelectAfterDecimal()
{
    const int I = int(GetText().indexOf(DS()));
    E.SelStart = I < 0 ? P() : P() + I + 1;
    E.SelLength = 0;
}

TEditState TDropDownValue::Apply_Value(const QString &Value, int Caret, int SelLength) const
{
    TEditState R;
    R.Text = S.Prefix + Value + S.Suffix;
    R.SelStart = std::clamp(Caret, 0, int(R.Text.size()));
    R.SelLength = SelLength;
    return R;
}

// --- typed input -------------------------------------------------------------------------------

namespace {
// Separator rules of float and money values: k is the caret inside the value.
bool Fraction_Full(const QString &Value, int K, int Precision)
{
    const int J = int(Value.indexOf(DS())) + 1;
    const int V = int(Value.size());
    return Precision > 0 && J > 0 && V - K <= Precision && K >= J && V - J >= Precision;
}

bool Separator_Too_Close(const QString &Value, int K)
{
    int Smallest = std::numeric_limits<int>::max();
    bool Any = false;
    for (int I = 0; I < Value.size(); ++I) {
        if (Value[I] != TS())
            continue;
        Any = true;
        const int D = std::abs(I + 1 - K);
        if (D < 3)
            return true;
        Smallest = std::min(Smallest, D);
    }
    return Any && Smallest > 3;
}
} // namespace

TCharResult TDropDownValue::Filter_Char(QChar &Ch, bool Ctrl, bool Keypad, bool &WholeSelected)
{
    const QString Value = GetText();
    const int V = int(Value.size());
    const int Pre = P();
    const TDropDownEditType T = S.EditType;
    WholeSelected = E.SelLength == V && V > 0;
    if (WholeSelected)
        BlockChange = true;
    if (S.ExcelStyleDecimalSeparator && Keypad && (Ch == u'.' || Ch == u','))
        Ch = DS();
    if (Ch == Back && !S.Prefix.isEmpty() && E.SelLength == 0 && E.SelStart <= Pre)
        return crDropped;
    if (S.LengthLimit > 0 && E.SelLength == 0 && IntegerPartLength(Value) > S.LengthLimit) {
        const int Dot = int(E.Text.indexOf(DS()));
        // The separator's 1-based position: a caret right before it is still left of it.
        const int Limit = Dot < 0 ? int(E.Text.size()) + 1 : Dot + 1;
        const bool Sign_Ok = S.Signed && Is_Number_Type(T) && Ch == u'-';
        if (E.SelStart < Limit && Ch != Back && Ch != DS() && !Sign_Ok)
            return crDropped;
    }
    if (Ch == Back)
        return crPass;
    if (Ch == QChar(10) && Ctrl)
        return crDropped;
    if (Ch == u'-' && Is_Number_Type(T) && !S.Signed)
        return crDropped;

    const int K = E.SelStart - Pre;
    auto Toggle_Sign = [&] {
        if (Value.contains(u'-'))
            E = Apply_Value(Value.mid(1), std::max(Pre, E.SelStart - 1));
        else
            E = Apply_Value(QStringLiteral("-") + Value, E.SelStart + 1);
        SetModified(true);
    };
    switch (T) {
    case etString:
    case etPassword: SetModified(true); return crPass;
    case etUppercase: Ch = Ch.toUpper(); return crPass;
    case etLowerCase: Ch = Ch.toLower(); return crPass;
    case etMixedCase: return crPass;
    case etHex: {
        // No sign, and never more than the 32 bits a hexadecimal value holds.
        if (Ch == Tab || Ch == Enter) {
            SetModified(true);
            return crPass;
        }
        if (!Is_Hex_Digit(Ch))
            return crDropped;
        QString New = Value;
        New.replace(std::max(0, K), E.SelLength, Ch);
        int First = 0;
        while (First < New.size() && New[First] == u'0')
            ++First;
        if (New.size() - First > 8)
            return crDropped;
        SetModified(true);
        return crPass;
    }
    case etAlphaNumeric:
        if (Ch == Tab || Ch == Enter || Is_Digit(Ch) || Is_Ascii_Letter(Ch)) {
            SetModified(true);
            return crPass;
        }
        return crDropped;
    case etValidChars:
        if (S.ValidChars.contains(Ch)) {
            SetModified(true);
            return crPass;
        }
        return crDropped;
    case etRange: {
        const bool Sep = IsRangeSeparator(Ch);
        if (!(Ch == Tab || Ch == Enter || Is_Digit(Ch) || Sep))
            return crDropped;
        SetModified(true);
        if (!Sep)
            return crPass;
        const int C = E.SelStart;
        const QChar Before = C > 0 && C <= E.Text.size() ? E.Text[C - 1] : QChar(u' ');
        const QChar After = C < E.Text.size() ? E.Text[C] : QChar(u' ');
        if (C <= Pre || IsRangeSeparator(Before) || IsRangeSeparator(After))
            return crDropped;
        return crPass;
    }
    case etNumeric:
        if (Ch == u'-') {
            if (WholeSelected) {
                E = Apply_Value(QStringLiteral("-"), Pre + 1);
                SetModified(true);
            } else {
                Toggle_Sign();
            }
            return crDone;
        }
        if (Ch == Tab || Ch == Enter || Is_Digit(Ch) || Ctrl)
            return crPass;
        return crDropped;
    case etFloat:
    case etMoney: {
        const bool Money = T == etMoney;
        const QString Selected = Value.mid(std::max(0, K), E.SelLength);
        if (Money) {
            if (Ch == DS() && (Value.contains(DS()) || S.Precision == 0)) {
                if (S.Precision > 0) {
                    if (WholeSelected)
                        SetText(QStringLiteral("0") + DS() + QStringLiteral("0"));
                    SelectAfterDecimal();
                }
                return crDropped;
            }
            if (!(Ch == Tab || Ch == Enter || Ch == u'-' || Is_Digit(Ch) || Ch == DS()))
                return crDropped;
        } else {
            if (Ch == u',' && DS() != u',' && TS() != u',')
                return crDropped;
            if (Ch == u'.' && DS() != u'.' && TS() != u'.')
                return crDropped;
            if (!(Ch == Tab || Ch == Enter || Ch == u',' || Ch == u'-' || Ch == u'.' || Is_Digit(Ch)))
                return crDropped;
            if (Ch == DS() && !Selected.contains(DS()) && (Value.contains(DS()) || S.Precision == 0)) {
                if (S.Precision > 0)
                    SelectAfterDecimal();
                return crDropped;
            }
            if (Ch == u',' && TS() != u',') {
                QString Outside = Value;
                Outside.remove(std::max(0, K), E.SelLength);
                if (Outside.contains(u','))
                    return crDropped;
            }
        }
        if ((Ch == DS() || Ch == TS()) && Separator_Too_Close(Value, K))
            return crDropped;
        if ((Is_Digit(Ch) || Ch == DS()) && E.SelLength == 0 && Fraction_Full(Value, K, S.Precision)) {
            if (Ch == DS() || E.SelStart >= Pre + V)
                return crDropped;
            E.SelLength = 1;
        }
        if (Ch == DS() && V == 0 && E.SelStart == Pre) {
            E = Apply_Value(QStringLiteral("0") + DS(), Pre + 2);
            SetModified(true);
            return crDone;
        }
        if (Ch == u'-' && E.SelLength == 0) {
            Toggle_Sign();
            return crDone;
        }
        return crPass;
    }
    }
    return crPass;
}

void TDropDownValue::Insert_Char(QChar Ch)
{
    const QString Before = E.Text;
    if (Ch == Back) {
        if (E.SelLength > 0) {
            E.Text.remove(E.SelStart, E.SelLength);
        } else if (E.SelStart > 0) {
            E.Text.remove(E.SelStart - 1, 1);
            --E.SelStart;
        }
        E.SelLength = 0;
    } else if (Ch.unicode() >= 32 && Ch.unicode() != 127) {
        if (S.MaxLength > 0 && E.Text.size() - E.SelLength + 1 > S.MaxLength)
            return;
        E.Text.replace(E.SelStart, E.SelLength, Ch);
        ++E.SelStart;
        E.SelLength = 0;
    }
    if (E.Text != Before)
        SetModified(true);
}

void TDropDownValue::After_Pass(QChar Ch, int Caret_Before)
{
    if (S.EditType == etMixedCase && Ch != Back && Ch.unicode() >= 32) {
        E = Apply_Value(ProperCase(GetText()), Caret_Before + 1);
        return;
    }
    if (S.EditType == etMoney && Ch != DS()) {
        const QString V = GetText();
        if (!V.isEmpty() && V != QStringLiteral("-"))
            AutoSeparators();
    }
}

bool TDropDownValue::Key_Down(TKey Key, TShiftState Shift)
{
    const bool Has_Suffix = !S.Suffix.isEmpty();
    const bool Has_Prefix = !S.Prefix.isEmpty();
    const int End = Value_End();
    const int Pre = P();
    if (Key == VK_RIGHT && Has_Suffix)
        return Sel_End() >= End;
    if (Key == VK_DELETE && Has_Suffix && Sel_End() >= End && E.SelLength == 0)
        return true;
    if (Key == VK_LEFT && Has_Prefix)
        return Sel_End() <= Pre;
    if (Key == VK_END && Has_Suffix) {
        if (Shift.Contains(ssShift)) {
            E.SelLength = std::max(0, End - E.SelStart);
        } else {
            E.SelStart = End;
            E.SelLength = 0;
        }
        return true;
    }
    if (Key == VK_HOME && Has_Prefix) {
        if (Shift.Contains(ssShift))
            SelectAll();
        else {
            E.SelStart = Pre;
            E.SelLength = 0;
        }
        return true;
    }
    if (Key == VK_BACK && Has_Prefix && E.SelLength == 0 && E.SelStart <= Pre)
        return true;
    if (Key == VK_DELETE && E.SelStart >= Pre) {
        if (S.LengthLimit > 0) {
            QString V = GetText();
            const int K = E.SelStart - Pre;
            V.remove(K, std::max(1, E.SelLength));
            if (IntegerPartLength(V) - 1 > S.LengthLimit)
                return true;
        }
        SetModified(true);
    }
    return false;
}

void TDropDownValue::Edit_Key(TKey Key, TShiftState)
{
    if (Key != VK_DELETE)
        return;
    if (E.SelLength > 0)
        E.Text.remove(E.SelStart, E.SelLength);
    else if (E.SelStart < E.Text.size())
        E.Text.remove(E.SelStart, 1);
    E.SelLength = 0;
}

void TDropDownValue::After_Key_Down(TKey Key)
{
    if (Key == VK_DELETE && S.EditType == etMoney)
        AutoSeparators();
    if (!S.Prefix.isEmpty() && E.SelStart < P()) {
        E.SelStart = P();
        E.SelLength = 0;
    }
}

void TDropDownValue::Mouse_Released()
{
    const int End = Value_End();
    if (E.SelStart < P()) {
        SelectAll();
        return;
    }
    if (S.Suffix.isEmpty())
        return;
    if (E.SelStart > End) {
        E.SelStart = End;
        E.SelLength = 0;
    } else if (Sel_End() > End) {
        E.SelLength = End - E.SelStart;
    }
}

QString TDropDownValue::Selected_Value() const { return GetText().mid(std::max(0, E.SelStart - P()), E.SelLength); }

bool TDropDownValue::Paste(const QString &Clip)
{
    if (ReadOnly)
        return false;
    const QString Value = GetText();
    const int K = std::clamp(E.SelStart - P(), 0, int(Value.size()));
    const int L = std::min(E.SelLength, int(Value.size()) - K);
    QString New = Value;
    New.replace(K, L, Clip);
    const int Caret = E.SelLength > 0 ? E.SelStart : E.SelStart + int(Clip.size());
    const int Sel = E.SelLength > 0 ? int(Clip.size()) : 0;
    if (S.MaxLength > 0 && Clip.size() + Value.size() - L > S.MaxLength)
        return false;
    const bool Sign_Ok = S.Signed || !New.contains(u'-');
    bool Accepted = false;
    const TDropDownEditType T = S.EditType;
    switch (T) {
    case etString:
    case etPassword:
        SetText(New);
        Accepted = true;
        break;
    case etNumeric:
        if (ClassifyValueText(New) == vtInteger && Sign_Ok) {
            SetText(New);
            SetModified(true);
            Accepted = true;
        }
        break;
    case etFloat:
    case etMoney:
        if (Is_Number_Class(ClassifyValueText(New)) && (S.Precision != 0 || !Clip.contains(DS())) && Sign_Ok) {
            SetText(New);
            if (T == etMoney) {
                SetText(StripThousandSeparators(GetText()));
                AutoSeparators();
            } else {
                SetFloatValue(GetFloatValue());
            }
            SetModified(true);
            Accepted = true;
        }
        break;
    case etUppercase: SetText(New.toUpper()); Accepted = true; break;
    case etLowerCase: SetText(New.toLower()); Accepted = true; break;
    case etMixedCase: SetText(ProperCase(New)); Accepted = true; break;
    case etAlphaNumeric:
    case etValidChars: {
        const bool Ok = std::all_of(New.begin(), New.end(), [&](QChar C) {
            return T == etAlphaNumeric ? (Is_Digit(C) || Is_Ascii_Letter(C)) : S.ValidChars.contains(C);
        });
        if (Ok) {
            SetText(New);
            SetModified(true);
            Accepted = true;
        }
        break;
    }
    case etRange:
    case etHex: break;
    }
    if (T == etMoney && GetText().size() > 3) {
        SelectAll();
    } else {
        E.SelStart = std::clamp(Caret, 0, int(E.Text.size()));
        E.SelLength = std::clamp(Sel, 0, int(E.Text.size()) - E.SelStart);
    }
    if (T == etString || T == etUppercase || T == etMixedCase || T == etLowerCase || T == etPassword)
        SetModified(true);
    return Accepted;
}
