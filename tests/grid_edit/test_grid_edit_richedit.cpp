// The rich-text editor kind: the in-place rich edit opens on the cell's rich
// (or plain) text, writes rich text back only when it changed, and hands Tab
// and the vertical keys back to the grid.
#include "GridEditFixture.h"
#include "TestSupport.h"
#include "grid/stringgrid/VOdeRichEdit.h"
#include <QTextCursor>

namespace {
// A cell's rich text: "plain " followed by a bold word.
QString Rich_Cell(RIraRevadiVizo &G)
{
    VOdeRichEdit *R = G.RichEdit();
    R->clear();
    QTextCursor C(R->document());
    C.insertText(QStringLiteral("plain "));
    QTextCharFormat Bold;
    Bold.setFontWeight(QFont::Bold);
    C.insertText(QStringLiteral("bold"), Bold);
    return G.RichToString(*R);
}
} // namespace

TEST_F(TGridEditFixture, RichEditorOpensOnTheCellAndWritesChangedTextBack)
{
    Log_Events();
    Kind(edRichEdit);
    const QString Rich = Rich_Cell(*G);
    ASSERT_TRUE(Rich.startsWith(QStringLiteral("{\\")));
    struct TCase { const char *Name; QString Cell; QString Shown; QString Typed; };
    const TCase Cases[] = {
        {"Rich", Rich, QStringLiteral("plain bold"), QStringLiteral("!")},
        // plain text opens as it is, characters beyond Latin-1 included
        {"Plain", QStringLiteral("5 \u20ac net"), QStringLiteral("5 \u20ac net"), QStringLiteral("!")},
        {"Unchanged", Rich, QStringLiteral("plain bold"), QString()},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Log.clear();
        G->Set_Cells(2, 2, C.Cell);
        Go(2, 2);
        F2();
        VOdeRichEdit *E = G->InplaceRichEdit();
        ASSERT_TRUE(E->isVisible());
        EXPECT_TRUE(E->hasFocus());
        EXPECT_EQ(E->Text(), C.Shown);
        const TRect R = G->CellRect(2, 2);
        EXPECT_EQ(E->geometry(), QRect(R.Left, R.Top, R.Right - R.Left - 1, R.Bottom - R.Top - 1));
        if (QString::fromLatin1(C.Name) == QStringLiteral("Rich"))
            Grab_Open_Editor(QStringLiteral("edit_richedit_bold"));
        if (!C.Typed.isEmpty()) {
            QTest::keyClick(E, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(E, C.Typed);
        }
        // the focus going to the grid ends the edit
        G->setFocus();
        EXPECT_FALSE(E->isVisible());
        EXPECT_FALSE(G->EditMode());
        if (C.Typed.isEmpty()) {
            EXPECT_EQ(G->Cells(2, 2), C.Cell);
            continue;
        }
        EXPECT_TRUE(G->Cells(2, 2).startsWith(QStringLiteral("{\\")));
        G->CellToRich(2, 2, *G->RichEdit());
        EXPECT_EQ(G->RichEdit()->Text(), C.Shown + C.Typed);
        Flush();
        ASSERT_FALSE(Log.empty());
        EXPECT_EQ(Log.back(), "celldone 2,2");
    }
}

// Tab with goTabs moves on and opens the next cell's editor; without word
// wrap Up and Down move the current row; a typed character starts the text.
TEST_F(TGridEditFixture, RichEditorHandsKeysToTheGrid)
{
    Kind(edRichEdit);
    G->Set_WordWrap(false);
    G->Set_Options(G->Options() + goTabs);
    G->Set_Cells(2, 2, QStringLiteral("a"));
    Go(2, 2);
    F2();
    VOdeRichEdit *E = G->InplaceRichEdit();
    QTest::keyClick(E, Qt::Key_Tab);
    EXPECT_EQ(G->Col(), 3);
    EXPECT_TRUE(E->isVisible());
    EXPECT_TRUE(E->hasFocus());
    QTest::keyClick(E, Qt::Key_Down);
    EXPECT_EQ(G->Row(), 3);
    EXPECT_FALSE(E->isVisible());
    EXPECT_TRUE(G->hasFocus());
    QTest::keyClick(G.get(), Qt::Key_Z);
    EXPECT_TRUE(E->isVisible());
    EXPECT_EQ(E->Text(), QStringLiteral("z"));
    Grab_Open_Editor(QStringLiteral("edit_richedit"));
    G->setFocus();
    G->CellToRich(3, 3, *G->RichEdit());
    EXPECT_EQ(G->RichEdit()->Text(), QStringLiteral("z"));
    // with multi-line cells Up and Down move inside the text, not the row
    G->Set_MultilineCells(true);
    for (Qt::Key K : {Qt::Key_Down, Qt::Key_Up}) {
        SCOPED_TRACE(K == Qt::Key_Down ? "Down" : "Up");
        Go(2, 2);
        F2();
        ASSERT_TRUE(E->isVisible());
        QTest::keyClick(E, K);
        EXPECT_EQ(G->Row(), 2);
        EXPECT_TRUE(E->isVisible());
        G->setFocus();
    }
}
