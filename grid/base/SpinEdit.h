#pragma once
#include "platform/Colors.h"
#include "platform/DateTime.h"
#include "toolkit/MaskEdit.h"
#include "platform/Set.h"
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <functional>

// The spin editor: a single-line value editor with a pair of step buttons at
// its right edge, holding an integer, a float, a date or a time. The text is
// the value; the getters read it at every access. For dates and times the part
// under the caret (day, month, year; hours, minutes, seconds) is stepped.

enum ROruSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TSpinDirection { spVertical, spHorizontal };
enum TEditAlign { eaLeft, eaRight, eaCenter };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateItem>;

class ROruSpinButton;

// One auto-repeating button of the pair: a step at once on press, the next
// after 400 ms, then every 100 ms while it stays pressed.
class VOdeTimerSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit VOdeTimerSpeedButton(QWidget *Parent);
    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void Set_TimeBtnState(TTimeBtnState V);
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void Set_ButtonDirection(TButtonDirection V);
    bool IsWinXP() const { return FIsWinXP; }
    void Set_IsWinXP(bool V);
    bool Flat() const { return FFlat; }
    void Set_Flat(bool V);
    bool Transparent() const { return FTransparent; }
    void Set_Transparent(bool V);
    bool HasMouse() const { return FHasMouse; }
    bool Pressed() const { return FPressed; }
    QImage Glyph;
    int NumGlyphs = 1;
    // Created on the first press.
    QTimer *RepeatTimer() const { return FRepeatTimer; }
    // The repeat timer's handler (tests call it in place of waiting).
    void Repeat_Timer_Expired();
    // The button was clicked (press, and each repeat).
    std::function<void(VOdeTimerSpeedButton *)> OnClick;
    std::function<void(VOdeTimerSpeedButton *)> OnMouseDown;
    void Click();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;

private:
    TTimeBtnState FTimeBtnState;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FFlat = false;
    bool FTransparent = false;
    bool FHasMouse = false;
    bool FPressed = false;
    QTimer *FRepeatTimer = nullptr;
};

// The button pair. Vertical: up on top, down below; horizontal: down (left
// arrow) on the left, up (right arrow) on the right.
class ROruSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit ROruSpinButton(QWidget *Parent);
    VOdeTimerSpeedButton *UpButton() const { return FUpButton; }
    VOdeTimerSpeedButton *DownButton() const { return FDownButton; }
    VOdeTimerSpeedButton *FocusedButton() const { return FFocusedButton; }
    QWidget *FocusControl() const { return FFocusControl; }
    void Set_FocusControl(QWidget *W) { FFocusControl = W; }
    TSpinDirection Direction() const { return FDirection; }
    void Set_Direction(TSpinDirection V);
    bool IsWinXP() const { return FIsWinXP; }
    void Set_IsWinXP(bool V);
    // Glyphs; a null image restores the built-in arrow.
    void Set_UpGlyph(const QImage &G);
    void Set_DownGlyph(const QImage &G);
    int UpNumGlyphs() const { return FUpButton->NumGlyphs; }
    void Set_UpNumGlyphs(int V) { FUpButton->NumGlyphs = V; }
    int DownNumGlyphs() const { return FDownButton->NumGlyphs; }
    void Set_DownNumGlyphs(int V) { FDownButton->NumGlyphs = V; }

    TColor ButtonColorDown = clNone, ButtonBorderColor = clNone, ButtonTextColor = clNone,
           ButtonTextColorHot = clNone, ButtonColor = clNone, ButtonColorHot = clNone,
           ButtonTextColorDown = clNone;

    std::function<void(QObject *)> OnUpClick;
    std::function<void(QObject *)> OnDownClick;

    // Places both buttons for the current size (also after every resize).
    void Adjust_Buttons();

protected:
    void resizeEvent(QResizeEvent *) override;
    void keyPressEvent(QKeyEvent *E) override;
    void focusInEvent(QFocusEvent *) override;
    void focusOutEvent(QFocusEvent *) override;

private:
    void Button_Click(VOdeTimerSpeedButton *B);
    void Button_Down(VOdeTimerSpeedButton *B);
    void Set_Focus_Btn(VOdeTimerSpeedButton *B);
    VOdeTimerSpeedButton *FUpButton;
    VOdeTimerSpeedButton *FDownButton;
    VOdeTimerSpeedButton *FFocusedButton;
    QPointer<QWidget> FFocusControl;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
};

// The built-in arrow glyph of a button direction (a small black triangle).
QImage Spin_Arrow_Glyph(TButtonDirection Dir);

class ROruSpinEdit : public TCustomMaskEdit {
    Q_OBJECT
public:
    explicit ROruSpinEdit(QWidget *Parent = nullptr);

    ROruSpinButton *Button() const { return FButton; }

    int Value() const;
    void Set_Value(int V);
    double FloatValue() const;
    void Set_FloatValue(double V);
    TDateTime DateValue() const;
    void Set_DateValue(TDateTime V);
    TDateTime TimeValue() const;
    void Set_TimeValue(TDateTime V);

    int MinValue() const { return FMinValue; }
    void Set_MinValue(int V) { FMinValue = V; }
    int MaxValue() const { return FMaxValue; }
    void Set_MaxValue(int V) { FMaxValue = V; }
    double MinFloatValue() const { return FMinFloatValue; }
    void Set_MinFloatValue(double V) { FMinFloatValue = V; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void Set_MaxFloatValue(double V) { FMaxFloatValue = V; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void Set_MinDateValue(TDateTime V) { FMinDateValue = V; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void Set_MaxDateValue(TDateTime V) { FMaxDateValue = V; }
    int Increment() const { return FIncrement; }
    void Set_Increment(int V) { FIncrement = V; }
    double IncrementFloat() const { return FIncrementFloat; }
    void Set_IncrementFloat(double V) { FIncrementFloat = V; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void Set_IncrementFloatPage(double V) { FIncrementFloatPage = V; }
    // Time steps: each must stay below a day, an hour, a minute; negative or
    // too large steps are refused (the old step stays) and false is returned.
    int IncrementHours() const { return FIncrementHours; }
    bool Set_IncrementHours(int V);
    int IncrementMinutes() const { return FIncrementMinutes; }
    bool Set_IncrementMinutes(int V);
    int IncrementSeconds() const { return FIncrementSeconds; }
    bool Set_IncrementSeconds(int V);
    bool EditorEnabled() const { return FEditorEnabled; }
    void Set_EditorEnabled(bool V) { FEditorEnabled = V; }
    TSpinDirection Direction() const { return FDirection; }
    void Set_Direction(TSpinDirection V);
    ROruSpinType SpinType() const { return FSpinType; }
    void Set_SpinType(ROruSpinType V);
    int Precision() const { return FPrecision; }
    void Set_Precision(int V);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void Set_ReturnIsTab(bool V) { FReturnIsTab = V; }
    bool IsWinXP() const { return FIsWinXP; }
    void Set_IsWinXP(bool V);
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void Set_ExcelStyleDecimalSeparator(bool V) { FExcelStyleDecimalSeparator = V; }
    bool UsDates() const { return FUsDates; }
    bool ShowSeconds() const { return FShowSeconds; }
    void Set_ShowSeconds(bool V) { FShowSeconds = V; }
    TEditAlign EditAlign() const { return FEditAlign; }
    void Set_EditAlign(TEditAlign V);
    bool SpinFlat() const { return FSpinFlat; }
    void Set_SpinFlat(bool V);
    bool SpinTransparent() const { return FSpinTransparent; }
    void Set_SpinTransparent(bool V);
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void Set_AllowEmptyValue(bool V) { FAllowEmptyValue = V; }

    virtual void IncValue(bool Page);
    virtual void DecValue(bool Page);
    virtual bool IsValidChar(QChar &Key);
    virtual void UpClick(QObject *Sender);
    virtual void DownClick(QObject *Sender);

    // Hooks of the edit.
    void KeyDown(TKey &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void WMChar(QChar &Key, bool Keypad) override;
    bool Can_Cut_Paste() const override;
    void DoEnter(bool ByMouse) override;
    void DoExit() override;
    void Loaded() override;

    // Layout: the button pair's rectangle and the text rectangle for the size.
    QRect Button_Rect() const;
    int Min_Height() const;

protected:
    void resizeEvent(QResizeEvent *E) override;

private:
    void Step(int Sign, bool Page);
    void Set_Text_Keep_Caret(const QString &T);
    TDateTime Clamp_Date(TDateTime V) const;
    void Layout_Editor();

    int FMinValue = 0, FMaxValue = 100;
    double FMinFloatValue = 0, FMaxFloatValue = 100.0;
    TDateTime FMinDateValue = 0, FMaxDateValue = 0;
    TDateTime FDateValue = 0, FTimeValue = 0;
    int FIncrement = 1;
    double FIncrementFloat = 0.1;
    ROruSpinButton *FButton;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    ROruSpinType FSpinType = sptNormal;
    int FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    int FIncrementSeconds = 1, FIncrementMinutes = 1, FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false, FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
};

// Text conversions of the spin editor in the process's locale settings
// (shared with the grid's spin cells).
bool Spin_Text_To_Float(const QString &Text, double &Value);
QString Spin_Float_To_Text(double Value, int Precision);
bool Spin_Text_To_Time(const QString &Text, TDateTime &Value);
TDateTime Date_Time_Now();
// IncMonth: a day past the end of the new month becomes its last day; the time stays.
TDateTime Inc_Month(TDateTime D, int Months);
