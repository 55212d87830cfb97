#include "TestSupport.h"
#include "platform/Clipboard.h"
#include "toolkit/StringGrid.h"
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

// The grid's in-place editor: a multi-line edit (line breaks kept, Enter where
// wanted, Ctrl+Enter, word wrap, alignment, the row growing while typing) that
// turns into one masked line when a mask is set.

namespace {
// An editor that enforces the grid's mask, made by the grid's factory.
struct TMaskedEditor : TInplaceEdit {
    using TInplaceEdit::TInplaceEdit;
    TEditMaskInfo Info;
    void Apply_Edit_Mask(const QString &Mask) override
    {
        TInplaceEdit::Apply_Edit_Mask(Mask);
        Info = Parse_Edit_Mask(Mask, u'/', u':');
        Set_Mask(Info);
    }
    QString Edit_Text() const override { return Masked_Edit_Text(Info, text(), displayText()); }
};
struct TMaskGrid : TStringGrid {
    TInplaceEdit *CreateEditor() override { return new TMaskedEditor(this); }
};

struct TEditorFixture : ::testing::Test {
    TMaskGrid Grid;
    QString Mask;   // the grid's edit mask (empty: none)
    void SetUp() override
    {
        Grid.setFrameShape(QFrame::NoFrame);
        Grid.Set_GridLineWidth(0);
        Grid.Set_DefaultRowHeight(20);
        Grid.Set_DefaultColWidth(80);
        Grid.resize(300, 200);
        Grid.Set_Options(Grid.Options() + goEditing);
        Grid.OnGetEditMask = [this](TStringGrid *, int, int, QString &V) { V = Mask; };
        Grid.show();
        Grid.setFocus();
    }
    TInplaceEdit *Open(const QString &Cell)
    {
        Grid.Set_Cells(1, 1, Cell);
        QTest::keyClick(&Grid, Qt::Key_F2);
        EXPECT_TRUE(Grid.EditorMode());
        TInplaceEdit *E = Grid.InplaceEditor();
        // The caret behind the text (a mask's typed part).
        E->setCursorPosition(E->Masked() ? E->text().size() : E->displayText().size());
        return E;
    }
};
} // namespace

// A cell's line breaks survive editing in the style the text came with; a text
// without one gets CR LF.
TEST_F(TEditorFixture, LineBreaksAreKept)
{
    struct TCase { const char *Name; const char *Cell; const char *Shown; int Lines; const char *After; };
    const TCase Cases[] = {
        {"CrLf", "a\r\nb", "a\nb", 2, "a\r\nbx\r\ny"},
        {"LfOnly", "a\nb", "a\nb", 2, "a\nbx\ny"},
        {"CrOnly", "a\rb", "a\nb", 2, "a\rbx\ry"},
        {"NoBreakYet", "ab", "ab", 1, "abx\r\ny"},
        {"EmptyLines", "\r\n\r\n", "\n\n", 3, "\r\n\r\nx\r\ny"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TInplaceEdit *E = Open(QString::fromUtf8(C.Cell));
        EXPECT_EQ(E->displayText(), QString::fromUtf8(C.Shown));
        EXPECT_EQ(E->Line_Count(), C.Lines);
        EXPECT_EQ(E->Edit_Text(), QString::fromUtf8(C.Cell));
        QTest::keyClick(E, Qt::Key_X);
        QTest::keyClick(E, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(E, Qt::Key_Y);
        EXPECT_EQ(Grid.Cells(1, 1), QString::fromUtf8(C.After));   // written while typing
        QTest::keyClick(E, Qt::Key_Return);
        EXPECT_FALSE(Grid.EditorMode());
        EXPECT_EQ(Grid.Cells(1, 1), QString::fromUtf8(C.After));
    }
}

// Opening and closing without typing leaves a multi-line cell untouched.
TEST_F(TEditorFixture, OpeningAndClosingChangesNothing)
{
    for (const char *Cell : {"a\nb", "a\rb\r\nc", "x\r\n"}) {
        SCOPED_TRACE(Cell);
        std::vector<QString> Written;
        Grid.OnSetEditText = [&](TStringGrid *, int, int, const QString &V) { Written.push_back(V); };
        Open(QString::fromUtf8(Cell));
        QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Return);
        EXPECT_FALSE(Grid.EditorMode());
        EXPECT_EQ(Grid.Cells(1, 1), QString::fromUtf8(Cell));
        EXPECT_TRUE(Written.empty());
        Grid.OnSetEditText = nullptr;
    }
}

// Enter goes to the grid (closing the editor) unless the editor wants returns;
// Ctrl+Enter types a line feed, a line break unless the character phase drops it
// or a mask holds the text to one line.
TEST_F(TEditorFixture, EnterAndCtrlEnter)
{
    struct TCase {
        const char *Name; bool WantReturns; bool Ctrl; const char *EditMask; bool DropLineFeed;
        bool StillOpen; const char *Cell;
    };
    const TCase Cases[] = {
        {"EnterGoesToGrid", false, false, "", false, false, "ab"},
        {"WantedEnterBreaksLine", true, false, "", false, true, "ab\r\n"},
        {"CtrlEnterBreaksLine", false, true, "", false, true, "ab\r\n"},
        {"CtrlEnterWithWantedReturns", true, true, "", false, true, "ab\r\n"},
        {"LineFeedDroppedByKeyPress", false, true, "", true, true, "ab"},
        {"NoBreakInAMask", false, true, "CCCC;1;_", false, true, "ab"},
        {"EnterClosesMaskedEditor", false, false, "CCCC;1;_", false, false, "ab"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Mask = QString::fromUtf8(C.EditMask);
        std::vector<int> Pressed;
        Grid.OnKeyPress = [&](TStringGrid *, QChar &Ch) {
            Pressed.push_back(Ch.unicode());
            if (C.DropLineFeed && Ch == QChar(10))
                Ch = QChar();
        };
        TInplaceEdit *E = Open(QString());
        E->Set_WantReturns(C.WantReturns);
        QTest::keyClicks(E, QStringLiteral("ab"));
        QTest::keyClick(E, Qt::Key_Return, C.Ctrl ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_EQ(Grid.EditorMode(), C.StillOpen);
        EXPECT_EQ(Grid.Cells(1, 1), QString::fromUtf8(C.Cell));
        // Ctrl+Enter reaches the character phase as a line feed; a wanted Enter
        // stays the editor's own.
        const int Last = Pressed.empty() ? -1 : Pressed.back();
        EXPECT_EQ(Last, C.Ctrl ? 10 : C.WantReturns ? int(u'b') : 13);
        if (Grid.EditorMode())
            QTest::keyClick(E, Qt::Key_Escape);
        Grid.OnKeyPress = nullptr;
        E->Set_WantReturns(false);
    }
}

// Long lines wrap at the editor's width only with word wrap; a masked text never wraps.
TEST_F(TEditorFixture, WordWrap)
{
    struct TCase { const char *Name; bool Wrap; const char *EditMask; const char *Text; bool MoreThanOneLine; };
    const TCase Cases[] = {
        {"NoWrap", false, "", "one two three four five six seven eight nine", false},
        {"Wrap", true, "", "one two three four five six seven eight nine", true},
        {"LongWordWraps", true, "", "onetwothreefourfivesixseveneightnine", true},
        {"MaskNeverWraps", true, "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC;1;_", "onetwothreefourfivesixseveneightnine", false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const QString Long = QString::fromUtf8(C.Text);
        Mask = QString::fromUtf8(C.EditMask);
        TInplaceEdit *E = Open(Long);
        E->Set_WordWrap(C.Wrap);
        const int OneLine = E->fontMetrics().lineSpacing() + 2 * int(E->document()->documentMargin());
        EXPECT_EQ(E->Content_Height() > OneLine, C.MoreThanOneLine) << E->Content_Height();
        EXPECT_EQ(E->Line_Count(), 1);   // wrapping adds no line breaks
        EXPECT_EQ(E->Edit_Text(), Long);
        QTest::keyClick(E, Qt::Key_Escape);
    }
}

// The text is aligned as the cell is: the caret behind "ab" stands at the left
// edge, in the middle or at the right edge of the editor.
TEST_F(TEditorFixture, AlignmentFollowsTheCell)
{
    struct TCase { const char *Name; TAlignment Align; double From; double To; };
    const TCase Cases[] = {
        {"Left", taLeftJustify, 0.0, 0.4},
        {"Centre", taCenter, 0.4, 0.8},
        {"Right", taRightJustify, 0.85, 1.01},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TInplaceEdit *E = Open(QStringLiteral("ab"));
        E->Set_Alignment(C.Align);
        E->setCursorPosition(2);
        const double X = double(E->cursorRect().center().x()) / E->viewport()->width();
        EXPECT_GE(X, C.From);
        EXPECT_LE(X, C.To);
        if (C.Align == taRightJustify) {
            E->Set_WordWrap(true);
            const QImage Shot(Save_Screenshot(&Grid, QStringLiteral("inplace_editor_right_aligned")));
            ASSERT_EQ(Shot.size(), Grid.size());
            // "ab" is drawn at the editor's right end; its left half stays a plain face
            const QRect Text_Area(E->viewport()->mapTo(&Grid, QPoint(0, 0)), E->viewport()->size());
            const int Half = Text_Area.width() / 2;
            EXPECT_EQ(Distinct_Colours(Shot, Text_Area.adjusted(2, 2, -Half, -2)), 1);
            EXPECT_GT(Distinct_Colours(Shot, Text_Area.adjusted(Half, 0, 0, 0)), 1);
        }
        E->Set_Alignment(taLeftJustify);
        E->Set_WordWrap(false);
        QTest::keyClick(E, Qt::Key_Escape);
    }
}

// A grid that grows its row while typing does so in its KeyUp hook, after the key
// changed the text; the editor follows the row's new height.
TEST_F(TEditorFixture, RowGrowsWhileTyping)
{
    struct TCase { const char *Name; bool Wrap; const char *Typed; int Breaks; int MinLines; };
    const TCase Cases[] = {
        {"LineBreaks", false, "", 2, 3},
        {"WrappedWords", true, "one two three four five six seven", 0, 2},
        {"OneShortLineKeepsTheRow", false, "ab", 0, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Set_RowHeights(1, 20);
        TInplaceEdit *E = Open(QString());
        E->Set_WordWrap(C.Wrap);
        std::vector<int> HeightsSeen;
        Grid.OnKeyUp = [&](TStringGrid *G, TKey &, TShiftState) {
            const int Need = std::max(20, G->InplaceEditor()->Content_Height());
            if (Need > G->RowHeights(G->Row()))
                G->Set_RowHeights(G->Row(), Need);
            HeightsSeen.push_back(G->RowHeights(G->Row()));
        };
        QTest::keyClicks(E, QString::fromUtf8(C.Typed));
        for (int I = 0; I < C.Breaks; ++I) {
            QTest::keyClick(E, Qt::Key_Return, Qt::ControlModifier);
            QTest::keyClick(E, Qt::Key_Z);
        }
        const int Line = E->fontMetrics().lineSpacing();
        EXPECT_GE(Grid.RowHeights(1), std::max(20, C.MinLines * Line));
        if (C.MinLines == 1) {
            EXPECT_EQ(Grid.RowHeights(1), 20);
        }
        EXPECT_EQ(E->height(), Grid.RowHeights(1));   // the editor covers the grown cell
        EXPECT_TRUE(std::is_sorted(HeightsSeen.begin(), HeightsSeen.end()));
        Grid.OnKeyUp = nullptr;
        QTest::keyClick(E, Qt::Key_Escape);
    }
}

// With a mask the editor is the single-line masked edit: typing, Backspace,
// Delete, pasting and cutting all go through the mask.
TEST_F(TEditorFixture, MaskedEditing)
{
    struct TCase { const char *Name; const char *EditMask; const char *Cell; std::function<void(TInplaceEdit *)> Keys; const char *Shown; const char *Stored; };
    const TCase Cases[] = {
        {"TypedThroughTheMask", "00/00;1;_", "", [](TInplaceEdit *E) { QTest::keyClicks(E, QStringLiteral("1x234")); }, "12/34", "12/34"},
        {"LiteralsLeftOut", "00/00;0;_", "", [](TInplaceEdit *E) { QTest::keyClicks(E, QStringLiteral("1234")); }, "12/34", "1234"},
        {"BackspaceSkipsLiterals", "00/00;1;_", "12/34",
         [](TInplaceEdit *E) { E->setCursorPosition(3); QTest::keyClick(E, Qt::Key_Backspace); }, "1_/34", "1/34"},
        {"DeleteClearsTheSlot", "00/00;1;_", "12/34",
         [](TInplaceEdit *E) { E->setCursorPosition(2); QTest::keyClick(E, Qt::Key_Delete); }, "12/_4", "12/4"},
        {"UndoDoesNotBypass", "00/00;1;_", "12/34",
         [](TInplaceEdit *E) { QTest::keyClick(E, Qt::Key_Z, Qt::ControlModifier); }, "12/34", "12/34"},
        {"PasteTypesEachCharacter", ">LLL;1;_", "",
         [](TInplaceEdit *E) {
             System_Clipboard().Put_Text(QStringLiteral("a1\nbc"));
             E->selectAll();
             QTest::keyClick(E, Qt::Key_V, Qt::ControlModifier);
         }, "ABC", "ABC"},
        {"CutLeavesBlanks", "00/00;1;_", "12/34",
         [](TInplaceEdit *E) { E->selectAll(); QTest::keyClick(E, Qt::Key_X, Qt::ControlModifier); }, "__/__", "/"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Mask = QString::fromUtf8(C.EditMask);
        TInplaceEdit *E = Open(QString::fromUtf8(C.Cell));
        if (QString::fromUtf8(C.Cell).isEmpty())
            E->setCursorPosition(0);
        C.Keys(E);
        EXPECT_EQ(E->displayText(), QString::fromUtf8(C.Shown));
        EXPECT_EQ(E->Edit_Text(), QString::fromUtf8(C.Stored));
        QTest::keyClick(E, Qt::Key_Return);
        EXPECT_EQ(Grid.Cells(1, 1), QString::fromUtf8(C.Stored));
    }
}

// A typed character opens a masked editor with that character in its first place
// that takes it; the limit counts line breaks once.
TEST_F(TEditorFixture, OpeningCharacterAndLimit)
{
    Mask = QStringLiteral("(000);1;_");
    Grid.Set_Cells(1, 1, QString());
    QTest::keyClick(&Grid, Qt::Key_7);
    ASSERT_TRUE(Grid.EditorMode());
    EXPECT_EQ(Grid.InplaceEditor()->displayText(), "(7__)");
    QTest::keyClick(Grid.InplaceEditor(), Qt::Key_8);
    EXPECT_EQ(Grid.InplaceEditor()->displayText(), "(78_)");
    QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Escape);

    Mask.clear();
    TInplaceEdit *E = Open(QStringLiteral("a\r\nb"));
    E->setMaxLength(4);
    QTest::keyClicks(E, QStringLiteral("cde"));
    EXPECT_EQ(E->Edit_Text(), "a\r\nbc");
    System_Clipboard().Put_Text(QStringLiteral("xyz"));
    E->selectAll();
    QTest::keyClick(E, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(E->Edit_Text(), "xyz");
    QTest::keyClick(E, Qt::Key_Escape);
}

// The mask's typing rules without a widget.
TEST(EditMaskBuffer, TypingRules)
{
    struct TCase { const char *Name; const char *EditMask; const char *Value; int Caret; int SelStart; int SelLength; QChar Typed; bool Taken; const char *Shown; int CaretAfter; };
    const TCase Cases[] = {
        // a stored text fills the slots, with or without its literals
        {"FillWithLiterals", "00/00;1;_", "12/34", 0, 0, 0, QChar(), true, "12/34", 0},
        {"FillWithoutLiterals", "00/00;0;_", "1234", 0, 0, 0, QChar(), true, "12/34", 0},
        // a literal that comes early leaves the slots before it empty
        {"EarlyLiteral", "00/00;1;_", "1/2", 0, 0, 0, QChar(), true, "1_/2_", 0},
        // characters that fit no slot are dropped
        {"UnfitDropped", "000;1;_", "1a2", 0, 0, 0, QChar(), true, "12_", 0},
        // typing the literal in front of it steps over it
        {"LiteralSteps", "00/00;1;_", "1", 1, 1, 0, u'/', true, "1_/__", 3},
        // a digit before a literal goes into the next slot
        {"SkipsToNextSlot", "00/00;1;_", "12", 2, 2, 0, u'3', true, "12/3_", 4},
        // a character that does not fit is refused and nothing changes
        {"Refused", "00/00;1;_", "12", 2, 2, 0, u'x', false, "12/__", 2},
        // nothing after the last slot
        {"PastTheEnd", "00;1;_", "12", 2, 2, 0, u'3', false, "12", 2},
        // the selection is emptied first
        {"SelectionReplaced", "00/00;1;_", "12/34", 0, 0, 5, u'9', true, "9_/__", 1},
        // case rules per position
        {"Upper", ">L<L;1;_", "", 0, 0, 0, u'a', true, "A_", 1},
        {"Lower", ">L<L;1;_", "A", 1, 1, 0, u'B', true, "Ab", 2},
        // a refused character keeps the selection's text
        {"RefusedKeepsSelection", "00/00;1;_", "12/34", 0, 0, 5, u'x', false, "12/34", 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TEditMaskBuffer B(Parse_Edit_Mask(QString::fromUtf8(C.EditMask), u'/', u':'));
        B.Set_Value(QString::fromUtf8(C.Value));
        int Caret = C.Caret;
        if (!C.Typed.isNull()) {
            EXPECT_EQ(B.Type(C.Typed, Caret, C.SelStart, C.SelLength), C.Taken);
        }
        EXPECT_EQ(B.Display(), QString::fromUtf8(C.Shown));
        EXPECT_EQ(Caret, C.CaretAfter);
    }
}

// Backspace and Delete clear slots and pass over literals; Value leaves empty slots out.
TEST(EditMaskBuffer, ErasingAndValue)
{
    struct TCase { const char *Name; bool Back; int Caret; const char *Shown; int CaretAfter; const char *Value; };
    const TCase Cases[] = {
        {"BackspaceOverLiteral", true, 3, "1_/34", 1, "1/34"},
        {"BackspaceAtStart", true, 0, "12/34", 0, "12/34"},
        {"BackspaceAtEnd", true, 5, "12/3_", 4, "12/3"},
        {"DeleteAtLiteral", false, 2, "12/_4", 2, "12/4"},
        {"DeleteAtEnd", false, 5, "12/34", 5, "12/34"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TEditMaskBuffer B(Parse_Edit_Mask(QStringLiteral("00/00;1;_"), u'/', u':'));
        B.Set_Value(QStringLiteral("12/34"));
        const int Caret = C.Back ? B.Backspace(C.Caret) : B.Delete(C.Caret);
        EXPECT_EQ(B.Display(), QString::fromUtf8(C.Shown));
        EXPECT_EQ(Caret, C.CaretAfter);
        EXPECT_EQ(B.Value(), QString::fromUtf8(C.Value));
    }
}
