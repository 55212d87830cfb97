#pragma once
#include <QString>

// How a cell's text is written to a file or the clipboard (no window needed).

// Whether every "<" of the text opens a tag that is closed by ">" before the
// next "<" and whose name starts with a letter, "/" or "!". Only such texts
// count as markup when saving: "A<B" is a plain text that happens to hold "<".
bool Is_Well_Formed_Markup(const QString &Text);

// The saved form of a stored text: markup loses its tags unless KeepHTML;
// rich text kept as rich text (KeepRTF) loses its line breaks, so one cell
// stays one line. Rich text not kept is handed back unchanged: turning it into
// plain text needs the grid's rich edit.
QString Saved_Cell_Text(const QString &Value, bool KeepHTML, bool KeepRTF);
