#pragma once
#include "platform/Colors.h"
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

class QPainter;

// The small button inside a drop-down edit's right edge: a container of fixed
// width (TDropDownEditButton) holding one painted speed button
// (VOdeDropDownSpeedButton). The container keeps the colours a component tone
// or the user gives it and reports a left-button release on the speed button
// as its click; the speed button paints a combo-box arrow (themed, classic
// or in the custom colours) or a push-button face with glyph and caption.

enum TButtonStyle { bsButton, bsDropDown };

// What the button asks of the edit it belongs to.
class IDropDownButtonOwner {
public:
    virtual ~IDropDownButtonOwner() = default;
    // Enabled and writable: the arrow is drawn enabled.
    virtual bool Button_Usable() const = 0;
    // The edit's border colour (the custom face's left line).
    virtual TColor Button_Border_Color() const = 0;
};

// Everything one paint of the speed button depends on.
struct TDropDownButtonLook {
    TButtonStyle Style = bsDropDown;
    QSize Size;
    bool Themed = false;
    bool Enabled = true;
    bool Pressed = false;
    bool Hot = false;
    bool Flat = false;
    bool Etched = false;
    QImage Glyph;
    QString Caption;
    TColor ButtonColor = clNone, ButtonColorHot = clNone, ButtonColorDown = clNone;
    TColor TextColor = clNone, TextColorHot = clNone, TextColorDown = clNone;
    TColor EditBorderColor = clNone;
};

// The arrow triangle of the classic and custom faces, filled and outlined.
constexpr QPoint Drop_Arrow[3] = {{5, 7}, {11, 7}, {8, 10}};

// Paints the speed button (W gives the style and font).
void Paint_DropDown_Button(QPainter &P, const QWidget *W, const TDropDownButtonLook &L);

class TDropDownEditButton;

class VOdeDropDownSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit VOdeDropDownSpeedButton(TDropDownEditButton *Owner);
    bool Etched() const { return FEtched; }
    void Set_Etched(bool V);
    bool Focused() const { return FFocused; }
    void Set_Focused(bool V);
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void Set_ButtonStyle(TButtonStyle V);
    bool Flat() const { return FFlat; }
    void Set_Flat(bool V);
    // From now on the button never paints pressed.
    void SetUp();
    bool Hot() const { return FHot; }
    bool Down() const { return FDown; }
    QImage Glyph;
    QString Caption;
    int NumGlyphs = 1;
    TDropDownButtonLook Make_Look() const;

protected:
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;

private:
    TDropDownEditButton *FOwner;
    bool FEtched = false, FFocused = false, FHot = false, FUp = false, FDown = false, FFlat = false;
    TButtonStyle FButtonStyle = bsDropDown;
};

class TDropDownEditButton : public QWidget {
    Q_OBJECT
public:
    explicit TDropDownEditButton(QWidget *Parent, IDropDownButtonOwner *Edit = nullptr);
    VOdeDropDownSpeedButton *Button() const { return FButton; }
    IDropDownButtonOwner *Edit() const { return FEdit; }
    // The fixed width every bounds change keeps (16 when created).
    int BWidth() const { return FBWidth; }
    void Set_BWidth(int V);

    QImage Glyph() const { return FButton->Glyph; }
    void Set_Glyph(const QImage &G);
    QString ButtonCaption() const { return FButton->Caption; }
    void Set_ButtonCaption(const QString &C);
    int NumGlyphs() const { return FButton->NumGlyphs; }
    void Set_NumGlyphs(int N) { FButton->NumGlyphs = N; }

    TColor ButtonColor = clNone, ButtonColorHot = clNone, ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone, ButtonTextColorHot = clNone, ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;

    // A left-button release on the speed button.
    std::function<void()> OnClick;
    void Click();

protected:
    void resizeEvent(QResizeEvent *E) override;
    void changeEvent(QEvent *E) override;

private:
    VOdeDropDownSpeedButton *FButton;
    IDropDownButtonOwner *FEdit;
    int FBWidth = 16;
};
