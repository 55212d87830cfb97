#include <memory>
#include <QDropEvent>
#include <QMimeData>
#include <QMenu>
#include "toolkit/MaskEdit.h"
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TMaskCase {
    const char *Name;
    const char *Mask;
    const char *QtMask;
    bool SaveLiterals;
};

// The grid's mask letters read into Qt's input mask.
const TMaskCase Mask_Cases[] = {
    {"Empty", "", "", true},
    {"DigitsRequiredAndOptional", "000;1;_", "999;_", true},
    {"OptionalDigits", "99;0;_", "00;_", false},
    {"DateWithSeparators", "!90/90/0000;1;_", "09.09.9999;_", true},
    {"TimeSeparator", "00:00;1; ", "99:99; ", true},
    {"LettersAndCase", ">LL<ll", ">AA<aa;_", true},
    {"NoCaseConversion", "<>cC", "!xX;_", true},
    {"AlphaNumeric", "Aa", "Nn;_", true},
    {"EscapedLiteral", "\\A00", "\\A99;_", true},
    {"QtLettersAsLiterals", "(0) N", "(9) \\N;_", true},
};

TEST(MaskEdit, ReadsGridMaskSyntax)
{
    for (const TMaskCase &C : Mask_Cases) {
        SCOPED_TRACE(C.Name);
        const TEditMaskInfo I = Parse_Edit_Mask(C.Mask, u'.', u':');
        EXPECT_EQ(I.Qt_Mask, C.QtMask);
        EXPECT_EQ(I.Save_Literals, C.SaveLiterals);
    }
}

TEST(MaskEdit, TextLeavesLiteralsOutWhenTheMaskSaysSo)
{
    TCustomMaskEdit E;
    E.Set_EditMask("(000) 000;0;_");
    E.setText("(123) 456");
    EXPECT_EQ(E.Text(), "123456");
    E.Set_EditMask("(000) 000;1;_");
    E.setText("(123) 456");
    EXPECT_EQ(E.Text(), "(123) 456");
}

// An edit whose hooks refuse everything.
class TRefusingEdit : public TCustomMaskEdit {
public:
    int Downs = 0;
    QString Chars;
    void KeyDown(TKey &Key, TShiftState) override
    {
        ++Downs;
        if (Key == VK_UP)
            Key = 0;
    }
    void KeyPress(QChar &Key) override
    {
        Chars += Key;
        if (Key != u'a')
            Key = QChar();
    }
    bool Can_Cut_Paste() const override { return false; }
};

TEST(MaskEdit, KeyPhasesAndClipboardPermission)
{
    TRefusingEdit E;
    E.show();
    QTest::keyClicks(&E, "abca");
    EXPECT_EQ(E.text(), "aa");
    QTest::keyClick(&E, Qt::Key_Backspace);
    EXPECT_EQ(E.text(), "aa");                 // #8 reached the filter and was dropped
    EXPECT_EQ(E.Chars, QString("abca") + QChar(8));
    QTest::keyClick(&E, Qt::Key_A, Qt::ControlModifier);   // a command, not a character
    EXPECT_EQ(E.selectedText(), "aa");
    EXPECT_EQ(E.Chars.size(), 5);
    E.Cut_To_Clipboard();
    QTest::keyClick(&E, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(E.text(), "aa");
}

// The context menu's Cut, Paste and Delete and dropped text obey the same
// clipboard permission as the keyboard.
TEST(MaskEdit, MenuAndDropsObeyClipboardPermission)
{
    struct TPermitCase { const char *Name; bool Refusing; };
    for (const TPermitCase C : {TPermitCase{"Refusing", true}, TPermitCase{"Permitting", false}}) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<TCustomMaskEdit> E(C.Refusing ? new TRefusingEdit : new TCustomMaskEdit);
        E->show();
        E->setText("abc");
        E->selectAll();
        std::unique_ptr<QMenu> Menu(E->createStandardContextMenu());
        E->Restrict_Standard_Menu(Menu.get());
        int Seen = 0;
        for (QAction *A : Menu->actions())
            if (TCustomMaskEdit::Is_Text_Changing_Action(A)) {
                ++Seen;
                // paste also needs text on the clipboard: only its refusal is sure
                const bool Paste = A->text().startsWith(QLineEdit::tr("&Paste"));
                if (C.Refusing || !Paste) {
                    EXPECT_EQ(A->isEnabled(), !C.Refusing) << A->text().toStdString();
                }
            } else if (A->text().startsWith(QLineEdit::tr("&Copy"))) {
                EXPECT_TRUE(A->isEnabled());   // copying changes nothing
            }
        EXPECT_EQ(Seen, 3);
        E->deselect();
        QMimeData Data;
        Data.setText("X");
        QDragEnterEvent Enter(QPoint(2, 2), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(E.get(), &Enter);
        QDropEvent Drop(QPointF(2, 2), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(E.get(), &Drop);
        EXPECT_EQ(E->text().contains(u'X'), !C.Refusing);
    }
}
} // namespace
