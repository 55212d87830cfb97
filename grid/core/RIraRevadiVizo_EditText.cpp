// What the in-place editor starts with and writes back, and the layout
// helpers that size text (insets, longest line, lines in a row).
#include "grid/core/RIraRevadiVizo.h"
#include "grid/base/MarkupText.h"
#include "grid/base/TextRoutines.h"

namespace {
// The text an editor shows for a stored text: only a markup text loses its
// tags ("topic/<id>/t" is no markup and opens as it is stored).
QString Edit_Form(const QString &Stored, bool WithTags, bool Markup)
{
    if (!WithTags && ClassifyCellText(Stored, Markup) == ctMarkup)
        return StripHTMLTags(Stored);
    return Stored;
}
} // namespace

QString RIraRevadiVizo::GetEditText(int ACol, int ARow)
{
    FNoEditChange = true;
    Align_Text_Editor(ACol, ARow);
    const TPoint B = BaseCell(DisplToRealCol(ACol), ARow);
    return Edit_Form(TBaseGrid::GetEditText(B.X, B.Y), FEditWithTags, EnableHTML());
}

void RIraRevadiVizo::SetEditText(int ACol, int ARow, const QString &Value)
{
    if (HoldCell())
        return;
    const TPoint B = BaseCell(DisplToRealCol(ACol), ARow);
    // Written only when it changes what the cell holds as the editor shows
    // it: a markup cell opened without its tags keeps its markup when the
    // editor closes untouched.
    if (Value == Edit_Form(Cells(B.X, B.Y), FEditWithTags, EnableHTML()))
        return;
    TBaseGrid::SetEditText(B.X, B.Y, Value);
}

int RIraRevadiVizo::MaxColLineLength(int ACol)
{
    int Longest = 0;
    for (int R = 0; R < RowCount(); ++R) {
        QString Text = CellTextForSave(ACol, R);
        while (!Text.isEmpty()) {
            int Cr = Text.indexOf(QChar(13));
            const QString Line = Cr < 0 ? Text : Text.left(Cr);
            Longest = std::max(Longest, static_cast<int>(Line.size()));
            if (Cr < 0 || !FMultilineCells)
                break;
            Text = Text.mid(Cr + 1);
            if (Text.startsWith(QChar(10)))
                Text.remove(0, 1);
        }
    }
    return Longest;
}

int RIraRevadiVizo::MaxLinesInRow(int ARow)
{
    if (ColCount() == 0 || !FMultilineCells)
        return 1;
    int Most = 1;
    for (int C = 0; C < ColCount(); ++C)
        Most = std::max(Most, CountLines(Cells(DisplToRealCol(C), ARow), true));
    return Most;
}
