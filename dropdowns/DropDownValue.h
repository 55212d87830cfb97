#pragma once
#include "platform/Keys.h"
#include <QChar>
#include <QString>
#include <cstdint>

// The value side of a drop-down edit, without a widget (Core only): the edit
// text with its caret and selection, the fixed prefix and suffix around the
// value, number formatting by edit type and precision, and the typed-input,
// key and paste rules. The edit widget copies its text and selection in,
// runs a rule and copies the result back, so every rule is testable here.
//
// Positions are positions in the whole edit text: the value starts at
// P() = length(Prefix) and ends at Value_End() = P() + length(value).
// DS and TS are the locale's decimal and thousand separators, read from
// Format_Settings() at every call.

// Typed-input kinds.
enum TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};

struct TDropDownSettings {
    TDropDownEditType EditType = etString;
    QString Prefix, Suffix;
    // Decimals of etFloat and etMoney; negative: general number format.
    int Precision = 0;
    // Most digits before the decimal separator; 0: no limit.
    int LengthLimit = 0;
    bool Signed = false;
    bool AutoThousandSeparator = true;
    bool ExcelStyleDecimalSeparator = false;
    QString ValidChars;
    // The edit's maximum length; 0: none.
    int MaxLength = 0;
};

// The edit text with its selection; SelStart is the caret when SelLength is 0.
struct TEditState {
    QString Text;
    int SelStart = 0;
    int SelLength = 0;
};

// What the character rules did with a typed character.
enum TCharResult {
    crDropped,    // nothing happens
    crPass,       // the edit inserts the (possibly replaced) character, then After_Pass
    crDone        // the rule changed the text itself
};

class TDropDownValue {
public:
    TDropDownSettings S;
    TEditState E;
    // The edit's next change notification raises no change event.
    bool BlockChange = false;
    // The modified marks (the edit's own flag and the drop-down's travel together).
    bool Modified = false;
    // SetModified only works while the editor is enabled, writable and not loading.
    bool Loading = false;
    bool EditorEnabled = true;
    bool ReadOnly = false;

    // The prefix's length where the text holds it: a text set directly may
    // lack it, and carets must then count from the text's own start.
    int P() const { return E.Text.startsWith(S.Prefix) ? int(S.Prefix.size()) : 0; }
    int Value_End() const { return P() + int(GetText().size()); }
    int Sel_End() const { return E.SelStart + E.SelLength; }

    // The value: the edit text without the prefix at its start and the suffix
    // at its end, each only where it stands.
    QString GetText() const;
    // Formats the value by edit type and precision and shows it between
    // prefix and suffix; clears the modified marks.
    void SetText(const QString &Value);
    // The edit text as given (caret at its end).
    void SetTextDirect(const QString &Text);
    // The value with a new text between prefix and suffix (caret unchanged).
    void Set_Value_Direct(const QString &Value);

    double GetFloatValue() const;
    void SetFloatValue(double X);
    void SetIntValue(std::int64_t N);
    // Re-inserts the thousand separators of an etMoney value from its digits.
    void AutoSeparators();
    void SetModified(bool Value);
    // Returns false when nothing changed.
    bool SetEditType(TDropDownEditType Value);
    bool SetPrecision(int Value);

    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    // --- typed input ------------------------------------------------------------------
    // The character message with the editor enabled, up to the edit's own
    // insertion. Ctrl: a Ctrl key is held; Keypad: the key came from the
    // numeric keypad. WholeSelected tells the caller that step 1 found the
    // whole value selected (Backspace then raises one change itself).
    TCharResult Filter_Char(QChar &Ch, bool Ctrl, bool Keypad, bool &WholeSelected);
    // The edit's own handling of a passed character: Backspace deletes, a
    // printable character replaces the selection; others do nothing.
    void Insert_Char(QChar Ch);
    // What follows a passed character (mixed case re-casing, money separators).
    void After_Pass(QChar Ch, int Caret_Before);

    // Caret rules of the key-down message (prefix and suffix, Delete, length
    // limit). Returns true when the key is swallowed.
    bool Key_Down(TKey Key, TShiftState Shift);
    // The platform's handling of Delete, Backspace and the caret keys
    // (Left, Right, Home, End, with Shift extending).
    void Edit_Key(TKey Key, TShiftState Shift);
    // After the platform handling: money separators after Delete; a caret
    // left of the value start moves to it.
    void After_Key_Down(TKey Key);
    // A release of the mouse button: the caret held outside prefix and suffix.
    void Mouse_Released();

    // The selected part of the value (what cut and copy report).
    QString Selected_Value() const;
    // Paste of Clip; false when refused (caret and selection still move as planned).
    bool Paste(const QString &Clip);

private:
    TEditState Apply_Value(const QString &Value, int Caret, int SelLength = 0) const;
    QString Money_Integer_Digits(const QString &Value) const;
};

// --- numbers as the drop-down edits write them ------------------------------------------
// Text to number in the locale: thousand separators dropped when there are
// any, then the whole text must read as a number; 0 otherwise.
double DropDown_TextToFloat(const QString &Text);
// "%.<Precision>f" (Thousands false) or "%.<Precision>n" in the locale; a
// negative precision gives the general format.
QString DropDown_FormatFloat(double X, int Precision, bool Thousands);
// A decimal text rounded to Precision decimals (halves away from zero) and
// written with the locale's separators, thousand separators when asked;
// computed on the digits, so no digit is lost however long the number.
// A text that is no number gives zero.
QString DropDown_Decimal_Text(const QString &Text, int Precision, bool Thousands);
// The digits grouped by three with the thousand separator.
QString Group_Thousands(const QString &Digits);
// The digits of the integer part before the decimal separator, plus one.
int IntegerPartLength(const QString &Value);
