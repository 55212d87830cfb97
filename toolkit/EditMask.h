#pragma once
#include <QString>
#include <QVector>

// Edit masks in the Windows mask syntax, without a widget: the reader,
// the text a masked edit hands out, and the typing rules. The single-line
// masked edit and the grid's multi-line in-place editor both use them.
//
// Syntax: "<mask>;<save literals 0/1>;<blank character>" where
//   L l  letter (required, optional)      A a  letter or digit
//   C c  any character                    0 9  digit (required, optional)
//   #    digit or sign (optional)         :  /  time and date separator
//   >  < upper / lower case from here     <>  no case conversion
//   !    leading blanks are dropped        \x  x as a literal
// and any other character is a literal. Qt's own letters (9 = required digit,
// 0 = optional digit, N/n alphanumeric ...) are not the same, hence the reader.
struct TEditMaskInfo {
    QString Qt_Mask;            // Qt's input-mask syntax; empty for an empty mask
    bool Save_Literals = true;  // literals are part of Text
    QChar Blank = u'_';
    QVector<bool> Literal;      // per text position
};
TEditMaskInfo Parse_Edit_Mask(const QString &Mask, QChar DateSeparator, QChar TimeSeparator);

// The text a masked edit hands out: Text itself when there is no mask or the
// mask keeps its literals, otherwise only the typed positions of Display_Text
// (blanks for the empty ones, trailing blanks dropped).
QString Masked_Edit_Text(const TEditMaskInfo &Mask, const QString &Text, const QString &Display_Text);

// The characters of a masked text and how typing changes them. Every position
// is either a literal (fixed) or a slot for one character of a kind; an empty
// slot shows the blank character. Positions count from 0; a caret lies
// between positions (0 .. Size()).
class TEditMaskBuffer {
public:
    TEditMaskBuffer() = default;
    explicit TEditMaskBuffer(const TEditMaskInfo &Mask);
    bool Is_Empty() const { return FItems.isEmpty(); }
    int Size() const { return int(FItems.size()); }
    bool Is_Literal(int Pos) const { return FItems[Pos].Literal; }

    // Every position as shown: literals, typed characters and blanks.
    QString Display() const;
    // The text as a masked line edit gives it: empty slots left out, literals kept.
    QString Value() const;
    // Fills the slots from a stored text (with or without the literals): a
    // character that equals the literal at its place passes over it, one that
    // does not fit its slot is dropped, one that names a later literal leaves
    // the slots up to that literal empty.
    void Set_Value(const QString &Text);

    // Types C at Caret after emptying the selection [SelStart, SelStart + SelLength):
    // a literal typed in front of itself (or in front of the empty slots
    // before it) moves the caret past it, any other character goes into the
    // next slot when it fits there (case rules applied).
    // False (nothing changes) when it does not fit.
    bool Type(QChar C, int &Caret, int SelStart, int SelLength);
    // Empties the slots of a range.
    void Erase(int Start, int Length);
    // Backspace and Delete without a selection; answer the new caret.
    int Backspace(int Caret);
    int Delete(int Caret);

private:
    struct TItem {
        bool Literal = false;
        QChar Char;         // the literal, or the typed character (null: empty)
        char Kind = 0;      // Qt's slot letter: A a N n X x 9 0 #
        char Case = 0;      // '>' upper, '<' lower, 0 none
    };
    static bool Fits(char Kind, QChar C);
    static QChar Cased(char Case, QChar C);
    QVector<TItem> FItems;
    QChar FBlank = u'_';
};
