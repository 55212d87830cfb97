#pragma once
#include "grid/model/LabelPlacement.h"
#include "platform/Colors.h"
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <functional>

// The combo editor: a combo box that can paint its own border and drop-down
// button (flat, custom border, focus and button colours, or themed), changes
// colour and label weight on focus, and carries an optional caption label
// placed around it on its parent.

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// The label's top-left for a combo at Combo, a label of size Label whose
// caption measures TextWidth, and the margin (Place_Label).
QPoint Combo_Label_Pos(TLabelPosition Pos, const QRect &Combo, const QSize &Label, int TextWidth, int Margin);

// What the border painting draws, from the combo's state.
struct TComboBorderLook {
    bool Draw = false;       // anything at all
    bool ThreeD = false;     // the three-dimensional look instead of a frame
    TColor Frame = clNone;   // the one-pixel frame colour
    bool FocusLook = false;  // sunken focus frame
};

// The border a drop-down editor (combo, date/time picker) draws once it
// paints a border of its own: the frame of a themed disabled control, else
// the border colour, or the focus colour while focused; with neither colour
// the three-dimensional look.
TComboBorderLook Own_Border_Look(bool Focus_Look, bool Themed_Disabled, TColor Border_Color,
                                 TColor Focus_Border_Color, bool Has_Focus);
// The drop-down button at the right edge of a control of Size.
QRect Drop_Button_Rect(const QSize &Size, int Button_Width);
// The mouse at X over a control of Width: sets Hover to whether it is over
// the drop-down button; true when that changed.
bool Track_Button_Hover(bool &Hover, int X, int Width, int Button_Width);

class ROruCustomCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ROruCustomCombo(QWidget *Parent = nullptr);
    ~ROruCustomCombo() override;

    TComboBoxStyle Style() const { return FStyle; }
    void Set_Style(TComboBoxStyle V);
    bool AutoFocus() const { return FAutoFocus; }
    void Set_AutoFocus(bool V) { FAutoFocus = V; }
    bool Flat() const { return FFlat; }
    void Set_Flat(bool V);
    bool Etched() const { return FEtched; }
    void Set_Etched(bool V);
    int ButtonWidth() const { return FButtonWidth; }
    void Set_ButtonWidth(int V);   // 14..32, others ignored
    bool FocusBorder() const { return FFocusBorder; }
    void Set_FocusBorder(bool V);
    int DropWidth() const { return FDropWidth; }
    void Set_DropWidth(int V);
    bool IsWinXP() const { return FIsWinXP; }
    void Set_IsWinXP(bool V);
    bool IsVista() const { return FIsVista; }
    void Set_IsVista(bool V);
    bool IsThemed() const { return FIsThemed; }
    TColor FlatLineColor() const { return FFlatLineColor; }
    void Set_FlatLineColor(TColor V);
    bool FlatParentColor() const { return FFlatParentColor; }
    void Set_FlatParentColor(bool V);
    TColor FocusColor() const { return FFocusColor; }
    void Set_FocusColor(TColor V) { FFocusColor = V; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void Set_FocusBorderColor(TColor V);
    TColor BorderColor() const { return FBorderColor; }
    void Set_BorderColor(TColor V);
    bool DisabledBorder() const { return FDisabledBorder; }
    void Set_DisabledBorder(bool V);
    bool FocusLabel() const { return FFocusLabel; }
    void Set_FocusLabel(bool V) { FFocusLabel = V; }
    TColor Color() const { return FColor; }
    void Set_Color(TColor V);
    bool ParentColor() const { return FParentColor; }
    void Set_ParentColor(bool V);
    bool Enabled() const { return isEnabled(); }
    void Set_Enabled(bool V);
    bool Visible() const { return !isHidden(); }
    void Set_Visible(bool V);
    bool ParentFont() const { return FParentFont; }
    void Set_ParentFont(bool V);

    // The caption label (created on first use).
    QLabel *ComboLabel() const { return FLabel; }
    QString LabelCaption() const { return FLabel ? FLabel->text() : QString(); }
    void Set_LabelCaption(const QString &V);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void Set_LabelPosition(TLabelPosition V);
    int LabelMargin() const { return FLabelMargin; }
    void Set_LabelMargin(int V);
    bool LabelTransparent() const { return FLabelTransparent; }
    void Set_LabelTransparent(bool V);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void Set_LabelAlwaysEnabled(bool V);
    QFont LabelFont() const { return FLabelFont; }
    void Set_LabelFont(const QFont &V);

    TColor ButtonColorDown = clNone, ButtonBorderColor = clNone, ButtonTextColor = clNone,
           ButtonTextColorHot = clNone, ButtonColor = clNone, ButtonColorHot = clNone,
           ButtonTextColorDown = clNone;

    std::function<void(QObject *Sender)> OnDropUp;
    std::function<void(QObject *Sender)> OnDropDown;

    // FNormalColor := Color (the colour restored after focus).
    void Init();
    void Loaded();
    void Begin_Loading() { FLoading = true; }
    bool Loading() const { return FLoading; }
    // Selects the item equal to S; nothing when Items lacks it.
    void SelectItem(const QString &S);
    void SetBounds(int L, int T, int W, int H);
    void Place_Label();

    bool Has_Focus() const { return FHasFocus; }
    bool Mouse_In_Control() const { return FMouseInControl; }
    bool Button_Hover() const { return FButtonHover; }
    bool Dropped_Down() const { return FDroppedDown; }
    // Whether this combo paints itself, and what its border looks like now.
    bool Uses_Own_Painting() const;
    TComboBorderLook Border_Look() const;
    // The drop-down button's rectangle (client pixels).
    QRect Button_Rect() const;

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent *E) override;
    void focusInEvent(QFocusEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
    void enterEvent(QEnterEvent *E) override;
    void leaveEvent(QEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;
    void changeEvent(QEvent *E) override;
    void moveEvent(QMoveEvent *E) override;
    void resizeEvent(QResizeEvent *E) override;

private:
    bool Themed() const;
    bool Hot() const;
    void Apply_Color(TColor V);
    void Paint_Button(QPainter &P);
    void Paint_Border(QPainter &P);
    void Label_Bold(bool On);

    TComboBoxStyle FStyle = csDropDown;
    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = clWindow;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    int FButtonWidth;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    bool FIsWinXP = false;
    bool FIsThemed;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    QFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    QPointer<QLabel> FLabel;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    TColor FNormalColor = clWindow;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    bool FIsVista = false;
    TColor FColor = clWindow;
    bool FParentColor = false;
    bool FParentFont = true;
    bool FLoading = false;
    bool FDroppedDown = false;
    bool FDestroying = false;
    bool FCtl3D = true;
};

// The published form (same behaviour; defaults: ButtonWidth 19, DisabledBorder True).
class ROruComboBox : public ROruCustomCombo {
    Q_OBJECT
public:
    using ROruCustomCombo::ROruCustomCombo;
};
