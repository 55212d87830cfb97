#pragma once
#include "grid/base/ComboEdit.h"
#include "platform/Colors.h"
#include <QDateTimeEdit>
#include <QObject>
#include <QString>

// The date-time picker with an optional flat ("metro") look that paints its
// own border and drop-down button in the colour scheme of the combo editor;
// and the cell checker a string grid calls to correct or mark cell texts.

enum TDateTimeKind { dtkDate, dtkTime };
enum TBorderStyle { bsNone_Border, bsSingle_Border };

class ROruDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit ROruDateTimePicker(QWidget *Parent = nullptr);

    TDateTimeKind Kind() const { return FKind; }
    void Set_Kind(TDateTimeKind V);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle Value);
    TColor BorderColor() const { return FBorderColor; }
    void Set_BorderColor(TColor V);
    bool MetroStyle() const { return FMetroStyle; }
    void Set_MetroStyle(bool V);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void Set_FocusBorderColor(TColor V) { FFocusBorderColor = V; update(); }
    bool DisabledBorder() const { return FDisabledBorder; }
    void Set_DisabledBorder(bool V) { FDisabledBorder = V; update(); }
    bool FocusBorder() const { return FFocusBorder; }
    void Set_FocusBorder(bool V) { FFocusBorder = V; update(); }
    bool Ctl3D() const { return FCtl3D; }
    void Set_Ctl3D(bool V);
    int ButtonWidth() const { return FButtonWidth; }
    bool IsThemed() const { return FIsThemed; }

    TColor ButtonColorDown = clNone, ButtonBorderColor = clNone, ButtonTextColor = clNone,
           ButtonTextColorHot = clNone, ButtonColor = clNone, ButtonColorHot = clNone,
           ButtonTextColorDown = clNone;

    // 0x1000000, shown as "1.0.0.0"; writing the version changes nothing.
    static int GetVersionNr() { return 0x1000000; }
    QString Version() const;
    void Set_Version(const QString &) {}

    bool Has_Focus() const { return FHasFocus; }
    bool Mouse_In_Control() const { return FMouseInControl; }
    bool Button_Hover() const { return FButtonHover; }
    // What the own painting does now.
    bool Metro() const { return FMetroStyle; }
    bool Paints_Own_Button() const;
    TComboBorderLook Border_Look() const;
    QRect Button_Rect() const;
    // Without a visual theme: the ring painted around the button (outside
    // the inner button area) after the border.
    QRect Button_Ring_Rect() const;
    QRect Button_Inner_Rect() const;

protected:
    void paintEvent(QPaintEvent *E) override;
    void focusInEvent(QFocusEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
    void enterEvent(QEnterEvent *E) override;
    void leaveEvent(QEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;

private:
    bool Themed() const;
    bool Hot() const;
    TDateTimeKind FKind = dtkDate;
    TBorderStyle FBorderStyle = bsNone_Border;
    TColor FBorderColor = clNone;
    bool FIsThemed;
    int FButtonWidth;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP;
    bool FMetroStyle = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
    bool FFocusBorder = false;
    bool FCtl3D = true;
};

// Corrects or marks cell texts for a string grid; the base changes nothing.
class RIraRevadiVizoCheck : public QObject {
    Q_OBJECT
public:
    explicit RIraRevadiVizoCheck(QObject *Owner = nullptr) : QObject(Owner) {}
    bool GotoCell = false;
    bool AutoCorrect = false;
    bool AutoMarkError = false;
    bool UseCorrect = false;
    bool UseMarkError = false;
    virtual QString MarkError(int ACol, int ARow, const QString &s) { return s; }
    virtual QString Correct(int ACol, int ARow, const QString &s) { return s; }
    virtual void StartCheck() {}
    virtual void StopCheck() {}
};
