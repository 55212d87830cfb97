#include "grid/base/SpinEdit.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TFormatSettings Us_Settings()
{
    TFormatSettings F;
    F.DecimalSeparator = u'.';
    F.ThousandSeparator = u',';
    F.DateSeparator = u'/';
    F.ShortDateFormat = "M/d/yyyy";
    F.TimeSeparator = u':';
    F.LongTimeFormat = "hh:nn:ss";
    return F;
}

TFormatSettings Eu_Settings()
{
    TFormatSettings F;
    F.DecimalSeparator = u',';
    F.ThousandSeparator = u'.';
    F.DateSeparator = u'.';
    F.ShortDateFormat = "d.M.yyyy";
    F.TimeSeparator = u':';
    F.LongTimeFormat = "hh:nn:ss";
    return F;
}

enum TStepKey { kUp, kDown, kPageUp, kPageDown };

void Step(ROruSpinEdit &E, TStepKey K)
{
    switch (K) {
    case kUp: E.IncValue(false); break;
    case kDown: E.DecValue(false); break;
    case kPageUp: E.IncValue(true); break;
    case kPageDown: E.DecValue(true); break;
    }
}

struct TIntCase {
    const char *Name;
    int Min, Max, Increment;
    const char *Text;
    TStepKey Key;
    const char *Want;
};

// Integers: the increment, clamped by the limits unless they are equal.
const TIntCase Int_Cases[] = {
    {"UpAddsIncrement", 0, 100, 5, "10", kUp, "15"},
    {"DownSubtracts", 0, 100, 5, "10", kDown, "5"},
    {"PageStepsLikeArrow", 0, 100, 5, "10", kPageUp, "15"},
    {"UpAtMaxKeepsMax", 0, 100, 1, "100", kUp, "100"},
    {"DownBelowMinGivesMin", 3, 100, 5, "5", kDown, "3"},
    {"EqualLimitsDoNotClamp", 0, 0, 1, "500", kUp, "501"},
    {"EqualLimitsAllowNegative", 0, 0, 1, "0", kDown, "-1"},
    {"EmptyTextReadsZero", 0, 100, 1, "", kUp, "1"},
    {"UnreadableTextReadsMin", 7, 100, 1, "abc", kUp, "8"},
};

TEST(SpinEdit, IntegerSteps)
{
    for (const TIntCase &C : Int_Cases) {
        SCOPED_TRACE(C.Name);
        ROruSpinEdit E;
        E.Set_MinValue(C.Min);
        E.Set_MaxValue(C.Max);
        E.Set_Increment(C.Increment);
        E.setText(C.Text);
        Step(E, C.Key);
        EXPECT_EQ(E.text(), C.Want);
    }
}

struct TFloatCase {
    const char *Name;
    int Precision;
    const char *Text;
    TStepKey Key;
    const char *Want;
};

// Floats in a locale with a decimal comma; Precision fixes the decimals.
const TFloatCase Float_Cases[] = {
    {"UpByIncrementFloat", 2, "1,25", kUp, "1,35"},
    {"PageByIncrementFloatPage", 2, "1,25", kPageUp, "2,25"},
    {"PageDown", 2, "1,25", kPageDown, "0,25"},
    {"DownAtMinKeepsMin", 2, "0,05", kDown, "0,00"},
    {"UpToMax", 1, "99,95", kUp, "100,0"},
    {"GeneralFormatWithoutPrecision", 0, "2,5", kUp, "2,6"},
    {"DotIsNotTheSeparatorHere", 2, "3.5", kUp, "0,10"},
};

TEST(SpinEdit, FloatStepsInLocale)
{
    TFormatSettingsGuard G(Eu_Settings());
    for (const TFloatCase &C : Float_Cases) {
        SCOPED_TRACE(C.Name);
        ROruSpinEdit E;
        E.Set_SpinType(sptFloat);
        E.Set_Precision(C.Precision);
        E.setText(C.Text);
        Step(E, C.Key);
        EXPECT_EQ(E.text(), C.Want);
    }
    ROruSpinEdit E;
    E.Set_SpinType(sptFloat);
    E.Set_Precision(2);
    E.Set_FloatValue(3);
    EXPECT_EQ(E.text(), "3,00");
    EXPECT_DOUBLE_EQ(E.FloatValue(), 3.0);
}

struct TDateCase {
    const char *Name;
    bool Us;
    const char *Text;
    int Caret;
    TStepKey Key;
    const char *Want;
};

// Dates: the part under the caret is stepped; the locale decides the order.
const TDateCase Date_Cases[] = {
    {"UsFirstPartIsMonth", true, "1/31/2024", 0, kUp, "2/29/2024"},
    {"UsSecondPartIsDay", true, "1/31/2024", 3, kUp, "2/1/2024"},
    {"UsCaretBeforeSeparatorIsFirstPart", true, "1/31/2024", 1, kDown, "12/31/2023"},
    {"UsThirdPartIsYear", true, "2/29/2024", 9, kUp, "2/28/2025"},
    {"UsYearDownFromLeapDay", true, "2/29/2024", 6, kDown, "2/28/2023"},
    {"EuFirstPartIsDay", false, "31.1.2024", 0, kUp, "1.2.2024"},
    {"EuSecondPartIsMonth", false, "31.1.2024", 3, kUp, "29.2.2024"},
    {"EuMonthDownClampsDay", false, "31.3.2023", 4, kDown, "28.2.2023"},
    {"EuYearUp", false, "29.2.2024", 7, kUp, "28.2.2025"},
};

TEST(SpinEdit, DateStepsByCaretPart)
{
    for (const TDateCase &C : Date_Cases) {
        SCOPED_TRACE(C.Name);
        TFormatSettingsGuard G(C.Us ? Us_Settings() : Eu_Settings());
        ROruSpinEdit E;
        E.Set_SpinType(sptDate);
        E.setText(C.Text);
        E.setCursorPosition(C.Caret);
        Step(E, C.Key);
        EXPECT_EQ(E.text(), C.Want);
        EXPECT_EQ(E.UsDates(), C.Us);
        // the caret stays, so a second step works on the same part
        EXPECT_EQ(E.cursorPosition(), std::min<int>(C.Caret, E.text().size()));
    }
}

TEST(SpinEdit, DateZeroReadsTodayAndLimits)
{
    TFormatSettingsGuard G(Us_Settings());
    TDrivenClock Clk;
    TClockGuard CG(&Clk);
    ROruSpinEdit E;
    E.Set_SpinType(sptDate);   // "0" becomes today
    EXPECT_EQ(E.text(), "1/15/2026");
    E.Set_MinDateValue(Encode_Date(2026, 1, 1));
    E.Set_MaxDateValue(Encode_Date(2026, 1, 31));
    E.setText("1/31/2026");
    E.setCursorPosition(3);
    E.IncValue(false);
    EXPECT_EQ(E.text(), "1/31/2026");
    E.setText("3/5/2026");
    E.DoExit();   // leaving writes an out-of-range value back clamped
    EXPECT_EQ(E.text(), "1/31/2026");
}

struct TTimeCase {
    const char *Name;
    bool ShowSeconds;
    int IncH, IncM, IncS;
    const char *Text;
    int Caret;
    TStepKey Key;
    const char *Want;
};

// Times: hours before the first separator, seconds after the second, minutes between.
const TTimeCase Time_Cases[] = {
    {"MinutesDownWrapsBelowMidnight", false, 1, 15, 1, "0:10", 2, kDown, "23:55"},
    {"HoursUp", false, 2, 1, 1, "10:30", 0, kUp, "12:30"},
    {"HoursUpPastMidnightWraps", false, 2, 1, 1, "23:30", 1, kUp, "1:30"},
    {"SecondsAfterSecondSeparator", true, 1, 1, 10, "10:30:55", 6, kUp, "10:31:05"},
    {"MinutesBetweenSeparators", true, 1, 5, 10, "10:30:55", 4, kDown, "10:25:55"},
    {"SecondsDownFromMidnight", true, 1, 1, 1, "00:00:00", 7, kDown, "23:59:59"},
};

TEST(SpinEdit, TimeStepsByCaretPart)
{
    TFormatSettingsGuard G(Us_Settings());
    for (const TTimeCase &C : Time_Cases) {
        SCOPED_TRACE(C.Name);
        ROruSpinEdit E;
        E.Set_ShowSeconds(C.ShowSeconds);
        E.Set_SpinType(sptTime);
        ASSERT_TRUE(E.Set_IncrementHours(C.IncH));
        ASSERT_TRUE(E.Set_IncrementMinutes(C.IncM));
        ASSERT_TRUE(E.Set_IncrementSeconds(C.IncS));
        E.setText(C.Text);
        E.setCursorPosition(C.Caret);
        Step(E, C.Key);
        EXPECT_EQ(E.text(), C.Want);
    }
}

TEST(SpinEdit, TimeIncrementsOfADayOrMoreAreRefused)
{
    ROruSpinEdit E;
    struct TInc { const char *Name; bool (ROruSpinEdit::*Set)(int); int (ROruSpinEdit::*Get)() const; int Limit; };
    const TInc Incs[] = {
        {"Hours", &ROruSpinEdit::Set_IncrementHours, &ROruSpinEdit::IncrementHours, 24},
        {"Minutes", &ROruSpinEdit::Set_IncrementMinutes, &ROruSpinEdit::IncrementMinutes, 60},
        {"Seconds", &ROruSpinEdit::Set_IncrementSeconds, &ROruSpinEdit::IncrementSeconds, 60},
    };
    for (const TInc &I : Incs) {
        SCOPED_TRACE(I.Name);
        EXPECT_TRUE((E.*I.Set)(I.Limit - 1));
        EXPECT_FALSE((E.*I.Set)(I.Limit));
        EXPECT_FALSE((E.*I.Set)(-1));
        EXPECT_EQ((E.*I.Get)(), I.Limit - 1);
    }
}

struct TCharCase {
    const char *Name;
    ROruSpinType Type;
    int Precision;
    const char *Text;
    int Caret;
    QChar Key;
    bool Allowed;
};

// The character filter (decimal comma locale, '.' thousands, ':' and '.' separators).
const TCharCase Char_Cases[] = {
    {"DigitInInteger", sptNormal, 0, "12", 2, u'3', true},
    {"LetterRefused", sptNormal, 0, "12", 2, u'x', false},
    {"DecimalSeparatorRefusedInInteger", sptNormal, 0, "12", 2, u',', false},
    {"MinusOnlyAtStart", sptNormal, 0, "12", 1, u'-', false},
    {"MinusAtStart", sptNormal, 0, "12", 0, u'-', true},
    {"SecondMinusRefused", sptNormal, 0, "-12", 0, u'-', false},
    {"FloatDecimalSeparator", sptFloat, 0, "12", 2, u',', true},
    {"FloatSecondDecimalRefused", sptFloat, 0, "1,2", 3, u',', false},
    {"FloatThousandRefused", sptFloat, 0, "1", 1, u'.', false},
    {"FloatPrecisionFull", sptFloat, 2, "1,25", 4, u'7', false},
    {"FloatPrecisionBeforeSeparator", sptFloat, 2, "1,25", 1, u'7', true},
    {"TimeSeparatorInTime", sptTime, 0, "10", 2, u':', true},
    {"ThirdTimeSeparatorRefused", sptTime, 0, "10:20:30", 8, u':', false},
    {"TimeSeparatorInIntegerRefused", sptNormal, 0, "10", 2, u':', false},
    {"DateSeparatorInDate", sptDate, 0, "1", 1, u'.', true},
    {"BackspaceAllowed", sptNormal, 0, "12", 2, QChar(8), true},
    {"EnterRefused", sptFloat, 0, "12", 2, QChar(13), false},
    {"EscapeInFloat", sptFloat, 0, "12", 2, QChar(27), true},
};

TEST(SpinEdit, CharacterFilter)
{
    TFormatSettingsGuard G(Eu_Settings());
    for (const TCharCase &C : Char_Cases) {
        SCOPED_TRACE(C.Name);
        ROruSpinEdit E;
        E.Set_SpinType(C.Type);
        E.Set_Precision(C.Precision);
        E.setText(C.Text);
        E.setCursorPosition(C.Caret);
        QChar K = C.Key;
        EXPECT_EQ(E.IsValidChar(K), C.Allowed);
    }
}

class SpinWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.resize(200, 80);
        auto *L = new QVBoxLayout(&Form);
        Edit = new ROruSpinEdit;
        Next = new QLineEdit;
        L->addWidget(Edit);
        L->addWidget(Next);
        Form.show();
        Edit->setFocus();
        QApplication::setActiveWindow(&Form);
        QCoreApplication::processEvents();
    }
    QWidget Form;
    ROruSpinEdit *Edit = nullptr;
    QLineEdit *Next = nullptr;
};

TEST_F(SpinWidget, KeysStepAndTypingIsFiltered)
{
    Edit->setText("10");
    QTest::keyClick(Edit, Qt::Key_Up);
    QTest::keyClick(Edit, Qt::Key_Up);
    QTest::keyClick(Edit, Qt::Key_Down);
    QTest::keyClick(Edit, Qt::Key_PageUp);
    EXPECT_EQ(Edit->text(), "12");
    Edit->end(false);
    const int Beeps = Beep_Count();
    QTest::keyClicks(Edit, "3x");
    EXPECT_EQ(Edit->text(), "123");
    EXPECT_EQ(Beep_Count(), Beeps + 1);
    QTest::keyClick(Edit, Qt::Key_Backspace);
    EXPECT_EQ(Edit->text(), "12");
}

TEST_F(SpinWidget, EditorDisabledStepsButRefusesTyping)
{
    Edit->Set_EditorEnabled(false);
    Edit->setText("10");
    Edit->end(false);
    QTest::keyClicks(Edit, "5");
    QTest::keyClick(Edit, Qt::Key_Backspace);
    QTest::keyClick(Edit, Qt::Key_Delete);
    QTest::keyClick(Edit, Qt::Key_Backspace, Qt::ControlModifier);   // delete a word
    EXPECT_EQ(Edit->text(), "10");
    QTest::keyClick(Edit, Qt::Key_Up);
    EXPECT_EQ(Edit->text(), "11");
    EXPECT_EQ(Edit->selectedText(), "11");
    EXPECT_FALSE(Edit->Can_Cut_Paste());
}

TEST_F(SpinWidget, ReadOnlyStepBeeps)
{
    Edit->setText("10");
    Edit->Set_ReadOnly(true);
    const int Beeps = Beep_Count();
    QTest::keyClick(Edit, Qt::Key_Up);
    EXPECT_EQ(Edit->text(), "10");
    EXPECT_EQ(Beep_Count(), Beeps + 1);
}

TEST_F(SpinWidget, ReturnIsTabMovesFocus)
{
    Edit->Set_ReturnIsTab(true);
    QTest::keyClick(Edit, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Next->hasFocus());
}

TEST_F(SpinWidget, ExcelStyleKeypadPointBecomesDecimalSeparator)
{
    TFormatSettingsGuard G(Eu_Settings());
    Edit->Set_SpinType(sptFloat);
    Edit->setText("1");
    Edit->end(false);
    Edit->Set_ExcelStyleDecimalSeparator(true);
    QTest::keyClick(Edit, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(Edit->text(), "1,");
}

TEST_F(SpinWidget, ButtonAutoRepeat)
{
    Edit->setText("0");
    VOdeTimerSpeedButton *Up = Edit->Button()->UpButton();
    // one step at once
    QTest::mousePress(Up, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Edit->text(), "1");
    ASSERT_NE(Up->RepeatTimer(), nullptr);
    EXPECT_TRUE(Up->RepeatTimer()->isActive());
    EXPECT_EQ(Up->RepeatTimer()->interval(), 400);
    // the next after 400 ms, then every 100 ms
    Up->Repeat_Timer_Expired();
    EXPECT_EQ(Edit->text(), "2");
    EXPECT_EQ(Up->RepeatTimer()->interval(), 100);
    Up->Repeat_Timer_Expired();
    EXPECT_EQ(Edit->text(), "3");
    QTest::mouseRelease(Up, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(Up->RepeatTimer()->isActive());
    Up->Repeat_Timer_Expired();   // a late expiry after release clicks nothing
    EXPECT_EQ(Edit->text(), "3");
    // the down button steps down; the press leaves the focus on the editor
    VOdeTimerSpeedButton *Down = Edit->Button()->DownButton();
    QTest::mouseClick(Down, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Edit->text(), "2");
    EXPECT_TRUE(Edit->hasFocus());
}

TEST_F(SpinWidget, ButtonLayoutAndDirection)
{
    ROruSpinButton *B = Edit->Button();
    EXPECT_EQ(B->width(), 15);
    EXPECT_EQ(B->geometry(), Edit->Button_Rect());
    EXPECT_EQ(B->UpButton()->y(), 0);
    EXPECT_EQ(B->DownButton()->y(), B->height() / 2 - 1);
    Edit->Set_Direction(spHorizontal);
    EXPECT_EQ(B->width(), 20);
    EXPECT_EQ(B->UpButton()->ButtonDirection(), bdRight);
    EXPECT_EQ(B->DownButton()->ButtonDirection(), bdLeft);
    EXPECT_EQ(B->DownButton()->x(), 0);
    EXPECT_EQ(B->UpButton()->x(), 11);
    Edit->resize(Edit->width(), 5);   // below the minimum height
    EXPECT_EQ(Edit->height(), Edit->Min_Height());
}

TEST(SpinEdit, LoadingDefersDateTextUntilLoaded)
{
    TFormatSettingsGuard G(Us_Settings());
    ROruSpinEdit E;
    E.Begin_Loading();
    E.Set_DateValue(Encode_Date(2024, 3, 7));
    EXPECT_EQ(E.text(), "0");
    E.Set_SpinType(sptDate);
    E.End_Loading();
    EXPECT_EQ(E.text(), "3/7/2024");
}
} // namespace

namespace {
// A focusable pair on its own: Space clicks the button with the focus mark,
// Up and Down click their buttons and move the mark; a press moves it too.
TEST(SpinButtonPair, KeysAndPressMoveTheFocusMark)
{
    QWidget Form;
    auto *Pair = new ROruSpinButton(&Form);
    Pair->setFocusPolicy(Qt::StrongFocus);
    Pair->setGeometry(0, 0, 15, 25);
    Form.show();
    QApplication::setActiveWindow(&Form);
    Pair->setFocus();
    QCoreApplication::processEvents();
    QStringList Clicks;
    Pair->OnUpClick = [&](QObject *) { Clicks << "up"; };
    Pair->OnDownClick = [&](QObject *) { Clicks << "down"; };
    auto Marked = [&] { return Pair->FocusedButton() == Pair->UpButton() ? QString("up") : QString("down"); };
    EXPECT_EQ(Marked(), "up");
    EXPECT_TRUE(Pair->UpButton()->TimeBtnState().Contains(tbFocusRect));
    QTest::keyClick(Pair, Qt::Key_Space);
    QTest::keyClick(Pair, Qt::Key_Down);
    EXPECT_EQ(Marked(), "down");
    EXPECT_FALSE(Pair->UpButton()->TimeBtnState().Contains(tbFocusRect));
    QTest::keyClick(Pair, Qt::Key_Space);
    QTest::keyClick(Pair, Qt::Key_Up);
    EXPECT_EQ(Marked(), "up");
    EXPECT_EQ(Clicks, QStringList({"up", "down", "down", "up"}));
    // a press on the down button marks it (the pair can take the focus)
    QTest::mousePress(Pair->DownButton(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(Pair->DownButton(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Marked(), "down");
    EXPECT_EQ(Clicks.size(), 5);
}
} // namespace
