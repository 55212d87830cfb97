#pragma once
#include "grid/model/CheckBoxState.h"
#include "grid/base/GridOptions.h"
#include "platform/Colors.h"
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>

class QShortcut;

// The grid's own push button (window-less look, gradient faces, glyphs, check
// style, groups, drop-down part) and check box (themed or classic box,
// transparency over the parent, ellipsis, read-only). The search panel is
// built from them.

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where glyph and caption go inside Client (offset by (Offset, Offset)).
struct TButtonContentLayout {
    QPoint GlyphPos;
    QRect TextRect;
};
TButtonContentLayout Calc_Button_Layout(const QRect &Client, QSize Glyph, QSize Text, TButtonLayout Layout, int Margin,
                                        int Spacing, int Offset, bool RightToLeft);

// 16 horizontal bands from Color to ColorTo; then a frame in Pen (none when clNone).
void Draw_Button_Gradient(QPainter &P, const QRect &R, TColor Color, TColor ColorTo, TColor Pen);

// The glyph with its transparent colour (the bottom-left pixel) cleared.
QImage Transparent_Glyph(const QImage &Glyph);

class VOdeGridButtonActionLink;

class VOdeGridButton : public QWidget {
    Q_OBJECT
public:
    explicit VOdeGridButton(QWidget *Parent = nullptr);
    ~VOdeGridButton() override;

    // Links Caption, Down (the action's checked state) and GroupIndex (the
    // action's "GroupIndex" property) to an action; nullptr unlinks.
    void Set_Action(QAction *A);
    VOdeGridButtonActionLink *ActionLink() const { return FActionLink; }

    QString Caption() const { return FCaption; }
    void Set_Caption(const QString &V);
    QImage Glyph() const { return FGlyph; }
    // Also derives GlyphDisabled (grey) when that is empty, and the shade glyph.
    void Set_Glyph(const QImage &V);
    QImage GlyphHot() const { return FGlyphHot; }
    void Set_GlyphHot(const QImage &V) { FGlyphHot = V; update(); }
    QImage GlyphDown() const { return FGlyphDown; }
    void Set_GlyphDown(const QImage &V) { FGlyphDown = V; update(); }
    QImage GlyphDisabled() const { return FGlyphDisabled; }
    void Set_GlyphDisabled(const QImage &V) { FGlyphDisabled = V; update(); }
    QImage Shade_Glyph() const { return FShadeGlyph; }

#define BC_BTN_COLOR(Name, Default) \
    TColor Name() const { return F##Name; } \
    void Set_##Name(TColor V) { F##Name = V; update(); }
    BC_BTN_COLOR(Color, clBtnFace)
    BC_BTN_COLOR(ColorTo, clNone)
    BC_BTN_COLOR(ColorHot, 0xCAC7C7)
    BC_BTN_COLOR(ColorHotTo, clNone)
    BC_BTN_COLOR(ColorDown, 0xD8D3D2)
    BC_BTN_COLOR(ColorDownTo, clNone)
    BC_BTN_COLOR(ColorChecked, 0x808080)
    BC_BTN_COLOR(ColorCheckedTo, clNone)
    BC_BTN_COLOR(BorderColor, clNone)
    BC_BTN_COLOR(BorderDownColor, clNone)
    BC_BTN_COLOR(BorderHotColor, clNone)
#undef BC_BTN_COLOR

    bool Flat() const { return FFlat; }
    void Set_Flat(bool V) { FFlat = V; update(); }
    bool Rounded() const { return FRounded; }
    void Set_Rounded(bool V) { FRounded = V; update(); }
    bool Shaded() const { return FShaded; }
    void Set_Shaded(bool V);
    bool ShowCaption() const { return FShowCaption; }
    void Set_ShowCaption(bool V) { FShowCaption = V; update(); }
    VOdeGridButtonStyle Style() const { return FStyle; }
    void Set_Style(VOdeGridButtonStyle V) { FStyle = V; update(); }
    bool Down() const { return FDown; }
    void Set_Down(bool V);
    int GroupIndex() const { return FGroupIndex; }
    void Set_GroupIndex(int V);
    bool AllowAllUp() const { return FAllowAllUp; }
    void Set_AllowAllUp(bool V);
    TButtonLayout Layout() const { return FLayout; }
    void Set_Layout(TButtonLayout V) { FLayout = V; update(); }
    int Margin() const { return FMargin; }
    void Set_Margin(int V);    // below -1 is ignored
    int Spacing() const { return FSpacing; }
    void Set_Spacing(int V);   // below -1 is ignored
    bool DropDownButton() const { return FDropDownButton; }
    void Set_DropDownButton(bool V) { FDropDownButton = V; update(); }
    QMenu *DropDownMenu() const { return FDropDownMenu; }
    void Set_DropDownMenu(QMenu *M) { FDropDownMenu = M; }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void Set_AutoThemeAdapt(bool V);
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void Set_AutoXPStyle(bool V) { FAutoXPStyle = V; update(); }
    int Look() const { return FLook; }
    // Colour presets 0..6; other values change nothing.
    void Set_Look(int V);
    // Look 2, 3 or 4 by the desktop colour scheme, else 1.
    void Theme_Adapt();

    TButtonState State() const { return FState; }
    bool Mouse_In_Control() const { return FMouseInControl; }
    bool Dragging() const { return FDragging; }
    // The state painting uses (disabled, checked-down rules applied).
    TButtonState Paint_State() const;

    std::function<void(QObject *)> OnClick;
    std::function<void(QObject *)> OnDblClick;
    std::function<void(QObject *)> OnDropDown;
    std::function<void(QObject *)> OnMouseEnter;
    std::function<void(QObject *)> OnMouseLeave;

    void Click();
    void Loaded();
    // The group message from a sibling that went Down.
    void Group_Message(int Group, VOdeGridButton *Sender);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void mouseDoubleClickEvent(QMouseEvent *E) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void changeEvent(QEvent *E) override;

private:
    void Update_Exclusive();
    void Build_Shade();
    void Update_Tracking(const QPoint &Pos);

    QString FCaption;
    QImage FGlyph, FGlyphHot, FGlyphDown, FGlyphDisabled, FShadeGlyph;
    TColor FColor = clBtnFace, FColorTo = clNone, FColorHot = 0xCAC7C7, FColorHotTo = clNone, FColorDown = 0xD8D3D2,
           FColorDownTo = clNone, FColorChecked = 0x808080, FColorCheckedTo = clNone, FBorderColor = clNone,
           FBorderDownColor = clNone, FBorderHotColor = clNone;
    bool FFlat = true;
    bool FRounded = false;
    bool FShaded = true;
    bool FShowCaption = true;
    VOdeGridButtonStyle FStyle = tasButton;
    bool FDown = false;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FDropDownButton = false;
    QPointer<QMenu> FDropDownMenu;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    int FLook = 0;
    TButtonState FState = bsUp;
    bool FMouseInControl = false;
    bool FDragging = false;
    bool FLoading = false;
    QShortcut *FAccel = nullptr;
    VOdeGridButtonActionLink *FActionLink = nullptr;
};

// Passes an action's caption, checked state and group index to its button,
// each only while linked: the caption while the button's caption equals the
// action's, the checked state while the button has a group index, allows all
// up and its Down equals the action's checked state, the group index while
// both agree. The action's last values are kept, since Qt reports a change
// after the action holds the new value.
class VOdeGridButtonActionLink : public QObject {
    Q_OBJECT
public:
    VOdeGridButtonActionLink(VOdeGridButton *Client, QAction *Action);
    QAction *Action() const { return FAction; }
    bool IsCaptionLinked() const;
    bool IsCheckedLinked() const;
    bool IsGroupIndexLinked() const;

private:
    void Action_Changed();
    VOdeGridButton *FClient;
    QPointer<QAction> FAction;
    QString FCaption;
    bool FChecked = false;
    int FGroupIndex = 0;
};

enum TTextLayout { tlTop, tlCenter, tlBottom };

class VOdeCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit VOdeCheckBox(QWidget *Parent = nullptr);

    QString Caption() const { return FCaption; }
    void Set_Caption(const QString &V);
    TCheckBoxState State() const { return FState; }
    void Set_State(TCheckBoxState V);
    bool Checked() const { return FState == cbChecked; }
    void Set_Checked(bool V) { Set_State(V ? cbChecked : cbUnchecked); }
    TAlignment Alignment() const { return FAlignment; }
    void Set_Alignment(TAlignment V);
    TTextLayout ButtonVertAlign() const { return FButtonVertAlign; }
    void Set_ButtonVertAlign(TTextLayout V);
    bool Ellipsis() const { return FEllipsis; }
    void Set_Ellipsis(bool V);
    bool ReadOnly() const { return FReadOnly; }
    void Set_ReadOnly(bool V) { FReadOnly = V; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void Set_ReturnIsTab(bool V) { FReturnIsTab = V; }
    bool Transparent() const { return FTransparent; }
    void Set_Transparent(bool V);
    bool TransparentChaching() const { return FTransparentChaching; }
    void Set_TransparentChaching(bool V);
    TColor Color() const { return FColor; }
    void Set_Color(TColor V);

    // Flips Checked unless ReadOnly.
    virtual void Toggle();
    void SetBounds(int L, int T, int W, int H);

    bool Is_Down() const { return FDown; }
    bool Is_Hot() const { return FHot; }
    bool Background_Cached() const { return FBackgroundValid; }
    // Where the box goes (themed 14 x 14 or classic 13 x 13).
    QRect Box_Rect() const;
    QRect Caption_Rect() const;
    // The theme state number (1..12) for the current state.
    int Theme_State() const;

    std::function<void(QObject *)> OnClick;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void keyReleaseEvent(QKeyEvent *E) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void focusInEvent(QFocusEvent *) override;
    void focusOutEvent(QFocusEvent *) override;
    void moveEvent(QMoveEvent *) override;
    void resizeEvent(QResizeEvent *) override;

private:
    void Box_Side_Update();
    QString FCaption = QStringLiteral("VOdeCheckBox");
    TCheckBoxState FState = cbUnchecked;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FButtonVertAlign = tlTop;
    bool FEllipsis = false;
    bool FReadOnly = false;
    bool FReturnIsTab = false;
    bool FTransparent = false;
    bool FTransparentChaching = false;
    TColor FColor = clBtnFace;
    bool FDown = false;
    bool FHot = false;
    bool FMouseDown = false;
    bool FBackgroundValid = false;
    QPixmap FBackground;
    QShortcut *FAccel = nullptr;
};
