#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The UI text table: every caption, hint, grid header and message is looked
// up here by number. Built-in English texts first, overlaid by the chosen
// language file. Numbers come in blocks of 100 per window:
//   0-99 main window, 100-199 new project, 200-299 open project,
//   300-399 software options, 400-799 parameter editor, 800-899 older EnOcean
//   editor, 900-999 update dialog, 1000-1099 device dialog, 1100-1199 variable
//   dialogs, 1200-1299 EnOcean network editor, 1400-1599 MQTT topic editor,
//   1600-1699 topic templates, 1700-1799 grid rows and GSD, 1800-1899 GSDML
//   file name, 1900-1999 BACnet access editor, 2000-2099 engineering units.

// Slots of the table (numbers 0 .. Lang_Count-1).
extern QStringList Lang_Table;
extern int Lang_Count;            // 2100 once the built-in texts are loaded
constexpr int Lang_Slots = 2100;

// Longest text a language file can set, in UTF-16 units: a longer one is cut
// to this length (its first characters are kept). No caption, hint or message
// needs more, and a text of megabytes made the start take half a minute and
// every label repaint take seconds.
constexpr int Lang_Max_Text_Length = 4096;

// The text of slot N; an empty text for a number outside the table.
QString Lang_Text(int N);

// Empties the table and adds the built-in English texts in number order; a
// slot without a built-in text holds a single blank.
void Fill_Default_Texts();

// Overlays the table with the texts of a language file. A byte-order mark
// selects UTF-8 or UTF-16; a file without one is read as UTF-8 when it is
// valid UTF-8, otherwise as Windows-1252. A file that is valid UTF-8 with at
// least one non-ASCII character up to a last character cut short (a file
// truncated inside a character) is read as UTF-8 without that character.
// Texts longer than Lang_Max_Text_Length are cut. False when the file cannot
// be read (the table is then unchanged).
bool Load_Language_File(const QString &Path);
// The same rules for text already in memory (one call per file).
void Load_Language_Text(const QString &Text);
// Decodes the bytes of a language file by the rules above.
QString Decode_Language_File(const QByteArray &Bytes);

// Builds the table for the language Name: built-in texts, then
// <Language_Folder>/<Name>.lng. When that file is missing (or Name is empty
// or not a plain file name) the language becomes "English" and
// <Language_Folder>/English.lng is used when present. Returns the language
// now in use, which the caller keeps as its language name.
QString Load_Language(const QString &Language_Folder, const QString &Name);

// The built-in text of slot N (a single blank when there is none).
QString Default_Text(int N);
