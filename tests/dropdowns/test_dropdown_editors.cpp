// The drop-down editors' values: prefix and suffix, the formatting setter,
// the popup's refusals, and each kind's value.
#include "dropdowns/CalculatorDropDown.h"
#include "dropdowns/ColorPickerDropDown.h"
#include "dropdowns/DetailDropDown.h"
#include "dropdowns/ImagePickerDropDown.h"
#include "dropdowns/MemoDropDown.h"
#include "dropdowns/TimePickerDropDown.h"
#include "dropdowns/TrackBarDropDown.h"
#include "toolkit/ImageList.h"
#include "platform/Locale.h"
#include <QTest>
#include <gtest/gtest.h>

// Text strips the prefix and suffix only where they stand; the formatting
// setter shows the value by edit type and precision, SetTextDirect as given.
TEST(DropDownEditors, TextFormattingAndPrefixes)
{
    TFormatSettingsGuard Locale;
    Format_Settings().DecimalSeparator = u',';
    Format_Settings().ThousandSeparator = u'.';
    struct TCase { const char *Name; TDropDownEditType Type; int Precision; const char *Value; const char *Shown; };
    const TCase Cases[] = {
        {"String", etString, 0, "a b", "<a b>"},
        // a whole-number edit filters what is typed; a text given to it is shown as it is
        {"NumericShowsTheTextAsGiven", etNumeric, 0, "12,7 kg", "<12,7 kg>"},
        {"FloatInTheLocale", etFloat, 2, "1.234,5", "<1234,50>"},
        {"EmptyNumberIsZero", etNumeric, 0, "", "<0>"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        VOdeCustomDropDown D;
        D.Set_Prefix(QStringLiteral("<"));
        D.Set_Suffix(QStringLiteral(">"));
        D.Set_EditType(C.Type);
        D.Set_Precision(C.Precision);
        D.Set_Text(QString::fromLatin1(C.Value));
        EXPECT_EQ(D.text(), QString::fromLatin1(C.Shown));
        EXPECT_EQ(D.Text(), QString::fromLatin1(C.Shown).mid(1).chopped(1));
    }
    VOdeCustomDropDown D;
    D.Set_Prefix(QStringLiteral("<"));
    D.SetTextDirect(QStringLiteral("x<"));
    EXPECT_EQ(D.Text(), QStringLiteral("x<"));
}

// The popup opens with Alt+Down and closes with Alt+Up; never while the
// editor is disabled or read-only.
TEST(DropDownEditors, PopupOpensOnlyWhenItMay)
{
    VOdeCustomDropDown D;
    D.show();
    TKey K = VK_DOWN;
    D.KeyDown(K, TShiftState{ssAlt});
    EXPECT_TRUE(D.DroppedDown());
    EXPECT_EQ(K, 0);
    K = VK_UP;
    D.KeyDown(K, TShiftState{ssAlt});
    EXPECT_FALSE(D.DroppedDown());
    D.setReadOnly(true);
    D.ShowDropDown();
    EXPECT_FALSE(D.DroppedDown());
    D.setReadOnly(false);
    D.setEnabled(false);
    D.ShowDropDown();
    EXPECT_FALSE(D.DroppedDown());
    // Enter never reaches the text
    QChar C(13);
    D.KeyPress(C);
    EXPECT_TRUE(C.isNull());
}

// Each kind's value.
TEST(DropDownEditors, KindValues)
{
    // track bar: kept between Min and Max; the typed text sets the position
    VOdeTrackBarDropDown T;
    T.SetPosition(14);
    EXPECT_EQ(T.Position(), 10);
    T.SetTextDirect(QStringLiteral("3"));
    EXPECT_EQ(T.Position(), 3);
    // time picker: the field under the caret steps and wraps
    VOdeTimePickerDropDown P;
    P.SetTextDirect(QStringLiteral("23:59:30"));
    P.setCursorPosition(0);
    TKey K = VK_DOWN;
    P.KeyDown(K, TShiftState());
    EXPECT_EQ(P.text(), QStringLiteral("00:59:30"));
    P.setCursorPosition(4);
    K = VK_DOWN;
    P.KeyDown(K, TShiftState());
    EXPECT_EQ(P.text(), QStringLiteral("00:00:30"));
    // calculator: an operator waits for the second number
    VOdeCalculatorDropdown C;
    C.show();
    C.setFocus();
    QTest::keyClicks(&C, "6*7=");
    EXPECT_EQ(C.Text(), QStringLiteral("42.00"));
    // memo: the edit's text becomes the memo's
    VOdeMemoDropDown M;
    M.Set_MemoText({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(M.MemoText(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    M.SetTextDirect(QStringLiteral("c"));
    EXPECT_EQ(M.MemoText(), QStringList{QStringLiteral("c")});
    // detail list: a caption found by its text; an index outside the list changes nothing
    VOdeDetailDropDown Dd;
    Dd.Items().Add(QStringLiteral("Apple"));
    Dd.Items().Add(QStringLiteral("Pear"));
    EXPECT_EQ(Dd.Items().IndexOf(QStringLiteral("Pear")), 1);
    EXPECT_EQ(Dd.Items().IndexOf(QStringLiteral("pear")), -1);
    Dd.SetItemIndex(5);
    EXPECT_EQ(Dd.ItemIndex(), -1);
    Dd.SetTextDirect(QStringLiteral("Pear"));
    K = VK_RETURN;
    Dd.KeyDown(K, TShiftState());
    EXPECT_EQ(Dd.ItemIndex(), 1);
    // colour picker: sixteen named colours; an unnamed colour has no text
    VOdeColorPickerDropDown Cp;
    Cp.AddDefaultColors();
    EXPECT_EQ(Cp.Items().size(), 16u);
    Cp.SetSelectedColor(clTeal);
    EXPECT_EQ(Cp.GetSelectedColorText(), QStringLiteral("Teal"));
    Cp.SetSelectedColor(0x123456);
    EXPECT_EQ(Cp.GetSelectedColorText(), QString());
    // image picker: items from the image list; an index no item has selects nothing
    VOdeImagePickerDropDown Ip;
    Ip.AddImagesFromImageList();
    EXPECT_TRUE(Ip.Items().empty());
    TImageList L;
    L.Add(QImage(16, 16, QImage::Format_ARGB32));
    L.Add(QImage(16, 16, QImage::Format_ARGB32));
    Ip.SetImages(&L);
    Ip.AddImagesFromImageList();
    Ip.SetImageIndex(1);
    EXPECT_EQ(Ip.GetImageIndex(), 1);
    Ip.SetImageIndex(7);
    EXPECT_EQ(Ip.GetImageIndex(), -1);
}
