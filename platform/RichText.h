#pragma once
#include <QByteArray>
#include <QString>
#include <QTextFormat>

class QTextDocument;

// RTF, the rich edit's storage format, to and from Qt's rich text.
//
// The reader understands the part of RTF that rich-text cells use: groups with
// their state, \b \i \ul \ulnone \fs \f \cf \super \sub \nosupersub \up \dn
// \plain \par \line \tab \'hh \uN (with \ucN) and the escaped characters
// \\ \{ \}, plus the font and colour tables. Other control words are ignored,
// the groups of non-text destinations (pictures, style sheets, document
// information, everything marked \*) are skipped and \binN data is stepped
// over. 8-bit characters, raw or as \'hh, are Windows-1252.
//
// Hostile text is safe: groups are followed with an explicit stack that stops
// at Rtf_Max_Group_Depth, numbers saturate, sizes are clamped and nothing is
// allocated beyond a small multiple of the input's size.
//
// The writer gives 7-bit ASCII on one line: characters of Windows-1252 as
// \'hh, others as \uN? (one per UTF-16 unit), paragraphs separated by \par.
// Reading its output and writing again gives the same bytes.

// Groups deeper than this end the reading with an error.
constexpr int Rtf_Max_Group_Depth = 200;
// \fs is in half points; larger values are clamped to this (1638 points).
constexpr int Rtf_Max_Half_Points = 3276;

// Vertical offset of characters in twips (1/20 point), positive raised,
// negative lowered: the rich edit's character offset, \upN and \dnN in RTF
// (N in half points). Characters carrying it are also aligned as super- or
// subscript so that Qt draws them off the baseline.
constexpr int Rtf_Offset_Property = QTextFormat::UserProperty + 0x5254;

struct TRtfReadResult {
    bool Ok = true;
    QString Error;           // empty when Ok
    qsizetype Position = 0;  // byte offset of the fault
};

// True when Bytes begins like an RTF text ("{\rtf", blanks before allowed).
bool Looks_Like_Rtf(const QByteArray &Bytes);

// Replaces Doc's content with the RTF text. On an error the document keeps
// what was read before the fault. The font the text names as default (\deff)
// becomes the document's default font family.
TRtfReadResult Rtf_To_Document(const QByteArray &Rtf, QTextDocument &Doc);

// The document as RTF. Character formats not listed above are not written.
QByteArray Document_To_Rtf(const QTextDocument &Doc);
