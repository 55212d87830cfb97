#include "grid/base/DateTimePickerEdit.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include <QApplication>
#include <gtest/gtest.h>

namespace {

TEST(DateTimePicker, VersionIsFixed)
{
    ROruDateTimePicker P;
    EXPECT_EQ(ROruDateTimePicker::GetVersionNr(), 0x1000000);
    EXPECT_EQ(P.Version(), "1.0.0.0");
    P.Set_Version("2.0.0.0");
    EXPECT_EQ(P.Version(), "1.0.0.0");
}

TEST(DateTimePicker, DateFormatFollowsLocale)
{
    TFormatSettingsGuard G;
    Format_Settings().ShortDateFormat = "d.M.yyyy";
    Format_Settings().DateSeparator = u'.';
    ROruDateTimePicker P;
    P.setDate(QDate(2024, 2, 29));
    EXPECT_EQ(P.text(), "29.2.2024");
}

TEST(DateTimePicker, WithoutMetroItLooksLikeThePlatformPicker)
{
    ROruDateTimePicker Mine;
    QDateTimeEdit Plain;
    Plain.setDisplayFormat(Mine.displayFormat());
    Plain.setCalendarPopup(true);
    for (QDateTimeEdit *E : {static_cast<QDateTimeEdit *>(&Mine), &Plain}) {
        E->resize(120, 24);
        E->setDateTime(QDateTime(QDate(2026, 3, 14), QTime(9, 26)));
    }
    Mine.Set_BorderColor(clRed);   // a colour alone changes nothing while Ctl3D is on
    EXPECT_EQ(Mine.grab().toImage(), Plain.grab().toImage());
}

struct TPickerBorderCase {
    const char *Name;
    bool Metro, Enabled, Themed, DisabledBorder;
    TColor BorderColor;
    bool WantDraw;
    TColor WantFrame;
};

const TPickerBorderCase Picker_Cases[] = {
    {"NoMetroNoBorder", false, true, true, false, clRed, false, clNone},
    {"MetroBorderColor", true, true, true, false, clRed, true, clRed},
    {"MetroEnabledWithoutColours", true, true, true, false, clNone, false, clNone},
    {"DisabledThemedFrame", true, false, true, false, clRed, true, 0xB99D7F},
    {"DisabledKeepsBorderWithDisabledBorder", true, false, true, true, clRed, true, clRed},
    {"DisabledUnthemedKeepsBorder", true, false, false, false, clRed, true, clRed},
};

TEST(DateTimePicker, BorderLook)
{
    for (const TPickerBorderCase &C : Picker_Cases) {
        SCOPED_TRACE(C.Name);
        TSystemInfoGuard G;
        System_Info().ComCtl_Major = C.Themed ? 6 : 5;
        ROruDateTimePicker P;
        P.Set_MetroStyle(C.Metro);
        P.setEnabled(C.Enabled);
        P.Set_DisabledBorder(C.DisabledBorder);
        P.Set_BorderColor(C.BorderColor);
        const TComboBorderLook L = P.Border_Look();
        EXPECT_EQ(L.Draw, C.WantDraw);
        if (C.WantDraw) {
            EXPECT_EQ(L.Frame, C.WantFrame);
        }
    }
}

TEST(DateTimePicker, TimeKindHasNoOwnButton)
{
    ROruDateTimePicker P;
    P.Set_MetroStyle(true);
    EXPECT_TRUE(P.Paints_Own_Button());
    P.Set_Kind(dtkTime);
    EXPECT_FALSE(P.Paints_Own_Button());
    P.Set_BorderColor(clBlue);
    EXPECT_TRUE(P.Border_Look().Draw);   // the border rules still apply
    TSystemInfoGuard G;
    System_Info().Has_GetLocaleInfoEx = false;   // before Vista nothing of its own
    P.Set_Kind(dtkDate);
    EXPECT_FALSE(P.Paints_Own_Button());
    EXPECT_FALSE(P.Border_Look().Draw);
}

// The metro look drawn on a form: border lines first, the border over them,
// and without a visual theme a button-face ring around the button.
struct TPickerPaintCase {
    const char *Name;
    bool ThemeActive, Ctl3D;
    TColor BorderColor;
    TColor WantLeftEdge;     // pixel (0, middle)
    bool WantRing;           // pixel left of the inner button area is button face
};

const TPickerPaintCase Picker_Paint_Cases[] = {
    // the border in BorderColor wins over the border lines in the parent's colour
    {"BorderOverBorderLines", true, false, clRed, clRed, false},
    {"BorderWithCtl3D", true, true, clRed, clRed, false},
    {"UnthemedRingAroundButton", false, true, clRed, clRed, true},
};

TEST(DateTimePicker, MetroPaintingOrderAndButtonRing)
{
    for (const TPickerPaintCase &C : Picker_Paint_Cases) {
        SCOPED_TRACE(C.Name);
        TSystemInfoGuard G;
        System_Info().Theme_Active = C.ThemeActive;
        QWidget Form;
        QPalette Pal = Form.palette();
        Pal.setColor(QPalette::Window, To_QColor(clLime));
        Form.setPalette(Pal);
        Form.resize(160, 40);
        auto *P = new ROruDateTimePicker(&Form);
        P->setGeometry(5, 5, 140, 24);
        P->Set_MetroStyle(true);
        P->Set_Ctl3D(C.Ctl3D);
        P->Set_BorderColor(C.BorderColor);
        const QImage Img = P->grab().toImage();
        const int Mid = P->height() / 2;
        EXPECT_EQ(From_QColor(Img.pixelColor(0, Mid)), C.WantLeftEdge);
        const QPoint Ring(P->Button_Inner_Rect().left() - 2, Mid);
        EXPECT_TRUE(P->Button_Ring_Rect().contains(Ring));
        EXPECT_EQ(From_QColor(Img.pixelColor(Ring)) == Color_To_RGB(clBtnFace), C.WantRing);
    }
}

TEST(CellChecker, BaseChangesNothing)
{
    RIraRevadiVizoCheck C;
    EXPECT_FALSE(C.GotoCell || C.AutoCorrect || C.AutoMarkError || C.UseCorrect || C.UseMarkError);
    EXPECT_EQ(C.Correct(1, 2, "teh <b>x</b>"), "teh <b>x</b>");
    EXPECT_EQ(C.MarkError(1, 2, "abc"), "abc");
    C.StartCheck();
    C.StopCheck();
}
} // namespace
