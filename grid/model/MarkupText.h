#pragma once
#include <QString>

// Routines on markup text that do not draw: entity codecs, tag stripping,
// search-match marking, and reading and rewriting the CONTROL tags that embed
// edit boxes, combos, check boxes, radio buttons and buttons in a cell.

// ---- small helpers shared with the markup engine ---------------------------
// Replaces the first occurrence of Old (ASCII case ignored); true when it did.
bool ReplaceOnce(QString &Text, const QString &Old, const QString &New);
// 1-based position ignoring ASCII case; 0 when absent.
int IPos(const QString &Sub, const QString &Text);
int VarPos(const QString &Sub, const QString &Text, int &Pos);
// Sub is expected in upper case; searched in the upper-cased text.
int VarPosUpper(const QString &Sub, const QString &Text, int &Pos);
// Leading whole number: blanks skipped, then decimal digits, or hexadecimal
// digits after "$", "x" or "0x"; 0 when there is none.
int TextToInt(const QString &Text);
// One "*" per character.
QString PasswordMask(const QString &Text);

// ---- entities ------------------------------------------------------------------
// "&lt;", "&gt;", "&amp;", "&quot;" (one level), then with WithTable the
// Western European letters, "©", "®", "€", "«" and "»" by name.
QString DecodeHTMLEntities(const QString &Text, bool WithTable);
QString EncodeHTMLEntities(const QString &Text, bool WithTable);
QString SpacesToNbsp(const QString &Text);

// ---- tags ------------------------------------------------------------------------
// Plain text: "<BR>" and "<HR>" become CR LF, other tags go, entities stay;
// a "<" without a ">" after it is text.
QString StripHTMLTags(const QString &Markup);
// The visible text as match marking sees it.
QString StripTagsForMatch(const QString &Markup);
// Position in Markup (1-based) in front of the N-th visible character;
// length + 1 for one past the last; 0 otherwise.
int VisibleToMarkupPos(const QString &Markup, int N);
// Next occurrence of Sub in Text at or after From (1-based); 0 when none.
int FindFromPos(const QString &Sub, const QString &Text, int From, bool CaseSensitive);

// Encloses the occurrences of Search in the visible text in <Tag>...</Tag>.
// An entity counts as the one character it shows, so a search never splits
// an entity.
// Literal "<" and ">" (a "<" without a ">" after it, a ">" that closes no
// tag) are escaped as "&#60;" and "&#62;" (which the engine shows as the
// signs) so that UnmarkMatches can restore exactly what was there; the
// markup's own tags stay.
QString MarkMatches(const QString &Markup, const QString &Search, const QString &Tag, bool CaseSensitive);
// Removes <Tag> and </Tag> (any case) and undoes the escapes MarkMatches made;
// the cell's own entities stay as they are.
QString UnmarkMatches(const QString &Markup, const QString &Tag);

// ---- CONTROL tags ------------------------------------------------------------------
struct TControlTag {
    QString Type;   // upper case: EDIT, PASSWORD, MASK, COMBO, CHECK, RADIO, BUTTON
    QString ID;
    QString Value;  // entities decoded
    QString Width;
    QString Height;
    QString Prop;   // entities decoded
    QString MaxLen;
};

bool HasControlTag(const QString &Text);
// The attribute text of one tag (what follows "<CONTROL").
TControlTag ParseControlTag(const QString &Attributes);
QString NextEditControlID(const QString &Markup, const QString &ID);
bool GetControlValue(const QString &Markup, const QString &ID, QString &Value);
QString GetControlProp(const QString &Markup, const QString &ID);
int GetControlMaxLen(const QString &Markup, const QString &ID);
// Rewrites the tag of that ID with the new value (HEIGHT is not kept).
bool SetControlValue(QString &Markup, const QString &ID, const QString &Value);
QString ResetRadioControls(const QString &Markup);
