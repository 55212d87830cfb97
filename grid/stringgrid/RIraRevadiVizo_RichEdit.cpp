// The rich-text editor kind (edRichEdit): the in-place rich edit over the
// cell, filled with the cell's rich text and written back when it changed.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/VOdeRichEdit.h"
#include <QTextCursor>

VOdeRichEdit *RIraRevadiVizo::InplaceRichEdit()
{
    if (!FInplaceRichEdit) {
        FInplaceRichEdit = new VOdeRichEdit(this);
        FInplaceRichEdit->hide();
        FInplaceRichEdit->setEnabled(false);
    }
    return FInplaceRichEdit;
}

VOdeRichEdit *RIraRevadiVizo::RichEdit()
{
    if (!FRichEdit) {
        FRichEdit = new VOdeRichEdit(this);
        FRichEdit->setGeometry(0, 0, 0, 0);
        FRichEdit->setFrameShape(QFrame::NoFrame);
        FRichEdit->setAttribute(Qt::WA_TransparentForMouseEvents);
        FRichEdit->hide();
    }
    return FRichEdit;
}

void RIraRevadiVizo::Setup_Rich_Editor(int ACol, int ARow, int Left, int Top, int Width, int Height)
{
    VOdeRichEdit *E = InplaceRichEdit();
    const int RealCol = RealColIndex(ACol);
    FEditMode = true;
    E->setFrameShape(QFrame::NoFrame);
    // A cell shows no scroll bars; lines wrap as the grid's cells do.
    E->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    E->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    E->Set_WordWrap(WordWrap());
    E->setGeometry(Left, Top, Width, Height);
    GetEditorProp(RealCol, ARow, nullptr);
    E->Lock();
    const TPoint B = BaseCell(RealCol, ARow);
    const QString Cell = Cells(B.X, B.Y);
    // A cell of plain text opens as that text (each character as it is).
    if (Cell.startsWith(QStringLiteral("{\\")))
        CellToRich(B.X, B.Y, *E);
    else
        E->Set_Text(Cell);
    E->document()->setModified(false);
    E->moveCursor(QTextCursor::End);
    if (FNavigation.EditSelectAll()) {
        // All selected, the view kept at the start of the text.
        QTextCursor All = E->textCursor();
        All.setPosition(0, QTextCursor::KeepAnchor);
        E->setTextCursor(All);
    }
    // The text keeps 2 pixels from the cell's edges.
    E->document()->setDocumentMargin(2);
    QPalette P = E->palette();
    P.setColor(QPalette::Base, To_QColor(Editor_Color(ACol, ARow)));
    E->setPalette(P);
    E->setEnabled(true);
    E->show();
    E->raise();
    E->setFocus();
    if (!FStartEditChar.isNull()) {
        // The character typed on the grid replaces the selection.
        const QChar C = FStartEditChar;
        FStartEditChar = QChar();
        QTextCursor Cur = E->textCursor();
        if (C == QChar(8))
            Cur.removeSelectedText();
        else
            Cur.insertText(QString(C));
        E->setTextCursor(Cur);
    }
    E->Unlock();
    FEditCtrl = E;
}

void RIraRevadiVizo::Commit_Rich_Editor(int ACol, int ARow)
{
    VOdeRichEdit *E = InplaceRichEdit();
    // Opening and leaving without a change keeps the cell's own text.
    if (E->document()->isModified())
        Write_Edit_Value(ACol, ARow, RichToString(*E));
    Put_Away(E);
    FEditMode = false;
}
