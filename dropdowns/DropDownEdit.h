#pragma once
#include "dropdowns/DropDownAppearance.h"
#include "dropdowns/DropDownButton.h"
#include "dropdowns/DropDownPlacement.h"
#include "dropdowns/DropDownForm.h"
#include "dropdowns/DropDownLabel.h"
#include "dropdowns/DropDownProperties.h"
#include "dropdowns/DropDownStyles.h"
#include "dropdowns/DropDownValue.h"
#include "grid/base/GridStyle.h"
#include "grid/model/GridTypes.h"
#include "toolkit/MaskEdit.h"
#include <QPointer>
#include <QVariant>
#include <functional>

class TDropDownForm;
class QKeyEvent;
class QPainter;
class TCanvas;
class TImageList;

// The drop-down edit every kind of the family derives from: a one-line edit
// with a drop-down button inside its right edge that opens a popup window
// (TDropDownForm) holding the kind's content control between optional header
// and footer bars.
//
// The value is shown between a fixed Prefix and Suffix and filtered by the
// edit type; the rules themselves live in TDropDownValue (DropDownValue.h),
// which this widget feeds with its text and selection. Each kind extends the
// base through the virtual life-cycle steps (EnsurePopupForm, BeforeDropDown,
// ComputePopupSize, DockPopupControl, ClosePopup, PopupClosed, ...).
//
// Opening: OnBeforeDropDown, then OnDropDown (may refuse). Closing:
// OnBeforeDropUp, the popup hides (DroppedDown false, the edit takes the
// focus back), a cancelled close restores the text and the kind's state of
// the moment the popup opened, then OnDropUp.

using TDropDownButtonEvent = std::function<void(QObject *Sender, int ButtonIndex)>;
using TDropDownNotifyEvent = std::function<void(QObject *Sender)>;
using TDropDownEvent = std::function<void(QObject *Sender, bool &AcceptDrop)>;
using TDropUpEvent = std::function<void(QObject *Sender, bool Cancelled)>;
using TClipboardEvent = std::function<void(QObject *Sender, const QString &Value, bool &Allow)>;

// The drop-down button's rectangle in an edit of Size: inside the frame when
// the edit has a border (Flat: the thinner frame), else the edit's right edge
// less one pixel above and below.
QRect DropDown_Button_Rect(QSize Size, int ButtonWidth, bool Border, bool Flat);
// The text rectangle of an edit of Size in its client coordinates (inside the
// frame of DropDown_Button_Rect): it ends three pixels before the button and
// one pixel below the client area; left 1, top 1 inside a frame, left 2,
// top 3 without one.
QRect DropDown_Edit_Rect(QSize Size, int ButtonWidth, bool Border, bool Flat);

class VOdeCustomDropDown : public TCustomMaskEdit, public IDropDownButtonOwner {
    Q_OBJECT
public:
    explicit VOdeCustomDropDown(QWidget *Owner = nullptr);
    ~VOdeCustomDropDown() override;

    // --- value --------------------------------------------------------------------------
    // The value: the edit text without Prefix at its start and Suffix at its
    // end (each only where it stands).
    QString Text() const;
    // Formats the value by edit type and precision, shows it between prefix
    // and suffix, clears the modified marks.
    virtual void Set_Text(const QString &Value);
    // The edit text exactly as given.
    void SetTextDirect(const QString &Value);
    double GetFloatValue() const;
    void SetFloatValue(double X);
    void SetIntValue(std::int64_t N);
    bool Modified() const { return FV.Modified; }
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    QString Prefix() const { return FV.S.Prefix; }
    void Set_Prefix(const QString &Value) { FV.S.Prefix = Value; }
    QString Suffix() const { return FV.S.Suffix; }
    void Set_Suffix(const QString &Value) { FV.S.Suffix = Value; }
    TDropDownEditType EditType() const { return FV.S.EditType; }
    // Classifies the value anew (a value the type cannot hold becomes 0).
    void Set_EditType(TDropDownEditType Value);
    int Precision() const { return FV.S.Precision; }
    // Re-formats float and money values; a text edit keeps its text.
    void Set_Precision(int Value);
    bool Signed() const { return FV.S.Signed; }
    void Set_Signed(bool V) { FV.S.Signed = V; }
    int LengthLimit() const { return FV.S.LengthLimit; }
    void Set_LengthLimit(int V) { FV.S.LengthLimit = V; }
    QString ValidChars() const { return FV.S.ValidChars; }
    void Set_ValidChars(const QString &V) { FV.S.ValidChars = V; }
    bool AutoThousandSeparator() const { return FV.S.AutoThousandSeparator; }
    void Set_AutoThousandSeparator(bool V) { FV.S.AutoThousandSeparator = V; }
    bool ExcelStyleDecimalSeparator() const { return FV.S.ExcelStyleDecimalSeparator; }
    void Set_ExcelStyleDecimalSeparator(bool V) { FV.S.ExcelStyleDecimalSeparator = V; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void Set_ReturnIsTab(bool V) { FReturnIsTab = V; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void Set_AllowNumericNullValue(bool V) { FAllowNumericNullValue = V; }
    bool DefaultHandling() const { return FDefaultHandling; }
    void Set_DefaultHandling(bool V) { FDefaultHandling = V; }
    // Esc selects the value and clears the modified marks (off for passwords).
    bool CanUndo() const { return FCanUndo; }
    void Set_CanUndo(bool V) { FCanUndo = V; }

    // Whether the text can be typed (false: a pick-only field).
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    TImageList *Images() const { return FImages; }
    void SetImages(TImageList *Value) { FImages = Value; }
    // A single-line frame (false: none, as inside a grid cell).
    bool Border() const { return FBorder; }
    void Set_Border(bool Value);
    bool Flat() const { return FFlat; }
    void Set_Flat(bool Value);
    TColor Color() const { return FColor; }
    void Set_Color(TColor Value);
    // clNone: the platform's border. A change repaints the edit and its button.
    TColor BorderColor() const { return FBorderColor; }
    void Set_BorderColor(TColor V);
    // The border while the edit has the focus (clNone: as without it).
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void Set_FocusBorderColor(TColor V);
    // A disabled edit is framed in grey.
    bool DisabledBorder() const { return FDisabledBorder; }
    void Set_DisabledBorder(bool V);

    // --- label -----------------------------------------------------------------------------------
    // The label is created with the first caption, on the edit's parent.
    QString LabelCaption() const;
    void Set_LabelCaption(const QString &V);
    TLabelPosition LabelPosition() const { return FLabelS.Position; }
    void Set_LabelPosition(TLabelPosition V);
    int LabelMargin() const { return FLabelS.Margin; }
    void Set_LabelMargin(int V);
    bool LabelTransparent() const { return FLabelS.Transparent; }
    void Set_LabelTransparent(bool V);
    // The label stays enabled while the edit is disabled.
    bool LabelAlwaysEnabled() const { return FLabelS.AlwaysEnabled; }
    void Set_LabelAlwaysEnabled(bool V);
    const QFont &LabelFont() const { return FLabelS.Font; }
    void Set_LabelFont(const QFont &V);
    // The label takes the edit's font instead of LabelFont (set from the
    // edit's parent font when loaded).
    bool ParentFnt() const { return FLabelS.ParentFnt; }
    void Set_ParentFnt(bool V);
    TDropDownLabel *EditLabel() const { return FLabel; }
    TDropDownNotifyEvent OnLabelClick, OnLabelDblClick;
    // Places the label again (transparency, font, size and position).
    void UpdateLabel();
    // After loading: the label takes the parent-font rule, the enabled state
    // and its place; the button the enabled state.
    void Loaded() override;

    // --- popup settings -------------------------------------------------------------------
    int DropDownWidth() const { return FDropDownWidth; }
    // A new size forgets the one the user left by resizing.
    void Set_DropDownWidth(int V);
    int DropDownHeight() const { return FDropDownHeight; }
    void Set_DropDownHeight(int V);
    int UserDropDownWidth() const { return FUserDropDownWidth; }
    int UserDropDownHeight() const { return FUserDropDownHeight; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void Set_DropPosition(TDropPosition V) { FDropPosition = V; }
    bool DropDownShadow() const { return FDropDownShadow; }
    void Set_DropDownShadow(bool V) { FDropDownShadow = V; }
    bool ForceShadow() const { return FForceShadow; }
    void Set_ForceShadow(bool V) { FForceShadow = V; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void Set_DropDownBorderWidth(int V) { FDropDownBorderWidth = V; }
    TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void Set_DropDownBorderColor(TColor V) { FDropDownBorderColor = V; }
    TColor DropDownColor() const { return FDropDownColor; }
    void Set_DropDownColor(TColor V) { FDropDownColor = V; }
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void Set_DropDownColorTo(TColor V) { FDropDownColorTo = V; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void Set_DropDownGradient(TGradientDirection V) { FDropDownGradient = V; }
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void Set_DropDownSizeable(bool V) { FDropDownSizeable = V; }
    // The button width setting (17); the button keeps its own 16 until this
    // is set to another value.
    int DropDownButtonWidth() const { return FButtonWidth; }
    void Set_DropDownButtonWidth(int V);
    QString DropDownButtonHint() const { return FButtonHint; }
    void Set_DropDownButtonHint(const QString &V);
    TDropDownEditButton *Button() const { return FButton; }
    // The button's rectangle in the edit (client pixels).
    QRect Button_Rect() const;
    // The text rectangle the last SetEditRect computed (DropDown_Edit_Rect).
    QRect EditRect() const { return FEditRect; }
    // The popup's content control (owned by the kind) and the control of the
    // popup that takes the focus when it opens.
    QWidget *Control() const { return FControl; }
    void SetControl(QWidget *C);
    QWidget *FocusControl() const { return FFocusControl; }
    void Set_FocusControl(QWidget *C) { FFocusControl = C; }

    // --- popup ---------------------------------------------------------------------------------
    bool DroppedDown() const { return FDroppedDown; }
    void ShowDropDown() { OpenPopup(); }
    // Closes the popup (Cancelled: the value of the moment it opened comes back).
    void HideDropDown(bool Cancelled = false) { ClosePopup(Cancelled); }
    TDropDownForm *Popup() const { return FPopup; }
    // The screen's available area the popup of an edit at Edit (screen
    // pixels) is kept in: that of the screen under the edit's top-left
    // corner, else the nearest screen.
    static QRect Available_Area(const QRect &Edit);
    // The opening rule of a button click (and of a press on a pick-only edit):
    // not while open, and not within 250 ms of the popup's deactivation.
    void Button_Click();

    THeaderAppearance &DropDownHeader() { return FHeader; }
    TFooterAppearance &DropDownFooter() { return FFooter; }
    TDropDownButtonEvent OnDropDownHeaderButtonClick;
    TDropDownButtonEvent OnDropDownFooterButtonClick;
    // The bars' push buttons share this look; the bars' own painting and caption hooks.
    VOdeButtonAppearance &ButtonAppearance() { return FButtonAppearance; }
    TDrawBackGroundEvent OnDrawHeader, OnDrawFooter;
    TGetTextEvent OnGetHeaderText, OnGetFooterText;
    TDropDownNotifyEvent OnBeforeDropDown;
    TDropDownEvent OnDropDown;
    TDropDownNotifyEvent OnBeforeDropUp;
    TDropUpEvent OnDropUp;
    TClipboardEvent OnClipboardCopy, OnClipboardCut, OnClipboardPaste;

    // The caption and glyph of the drop-down button.
    QString DropDownButtonCaption() const { return FButton->ButtonCaption(); }
    void Set_DropDownButtonCaption(const QString &V) { FButton->Set_ButtonCaption(V); }
    QImage DropDownButtonGlyph() const { return FButton->Glyph(); }
    void Set_DropDownButtonGlyph(const QImage &V) { FButton->Set_Glyph(V); }
    bool Etched() const;
    void Set_Etched(bool V);
    // Dragging on the edit changes the value (the track bar).
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void Set_DropDownEnabled(bool V) { FDropDownEnabled = V; }
    // The kinds' list selection colours; the style number is kept as given
    // (its colour presets belong to the styling of the kinds).
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    // Stores the style and sets its colour pair (scCustom keeps the colours).
    virtual void Set_SelectionColorStyle(TSelectionColorStyle V);
    TColor SelectionColor() const { return FSelectionColor; }
    void Set_SelectionColor(TColor V) { FSelectionColor = V; }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void Set_SelectionColorTo(TColor V) { FSelectionColorTo = V; }

    // --- copying, version and stored settings ----------------------------------------------
    // Copies the settings of another drop-down edit (not its value); any
    // other source is ignored.
    virtual void Assign(const QObject *Source);
    virtual std::uint32_t GetVersionNr() const { return 0x01020304; }
    // "1.2.3.4"; setting it does nothing.
    QString Version() const { return DropDown_Version_Text(GetVersionNr()); }
    void Set_Version(const QString &) {}
    // The stored settings, and the kind's defaults (what is not written).
    TDropDownProperties Properties() const;
    void Set_Properties(const TDropDownProperties &P);
    virtual TDropDownProperties Default_Properties() const { return {}; }
    QString Store_Properties() const { return Write_DropDown_Properties(Properties(), Default_Properties(), Version()); }
    TDropDownPropertiesRead Load_Properties(const QString &Text);
    // The smallest height the edit's font allows: h + min(h, s) / 4 with h
    // the font's and s the system font's character height.
    int GetMinHeight() const;

    // Restyling by the grid: a style sets the popup's, the bars' and the bar
    // buttons' colours (tsCustom only is stored); tones colour the drop-down
    // button and the border.
    virtual void SetComponentStyle(TQelStyle AStyle);
    virtual void SetColorTones(const TColorTones &ATones);
    TQelStyle ComponentStyle() const { return FStyle; }
    TQelStyle GetComponentStyle() const { return FStyle; }
    const TColorTones &ColorTones() const { return FTones; }

    // Focus drawing of the edit area (the time picker switches it off).
    bool FFocusDraw = true;
    bool FocusDraw() const { return FFocusDraw; }
    void Set_FocusDraw(bool V) { FFocusDraw = V; }
    // --- painting ------------------------------------------------------------------------------
    // The pointer is over the edit or the edit has the focus.
    bool Hot() const { return FMouseInControl || hasFocus(); }
    bool MouseInControl() const { return FMouseInControl; }
    // What the border painting decides from (the edit's state now).
    TBorderState Border_State() const;
    // The focused value of a pick-only edit, highlighted over the text area.
    void PaintEditArea(QPainter &P);
    // The border over the platform's frame when it is wanted.
    void PaintControlBorder(QPainter &P);
    // The border by its order of precedence (Control_Border_Plan).
    void DrawControlBorder(QPainter &P);
    // A selected item of a kind's list in the selection colours: a fill for
    // scCustom, else a segment frame of Kind (0 whole, 1 left, 2 right, 3 middle).
    void DrawSelection(TCanvas &Canvas, const QRect &R, int Kind) const;

    // The answer to the window's query whether the edit wants Key (Qt key
    // code) itself: Esc with the undo switch selects the value and clears
    // the modified marks; Esc is claimed while the popup is open.
    bool WantSpecialKey(int Key);
    // The value when the edit last got the focus.
    QString Undo_Text() const { return FOldString; }

    // --- input hooks ---------------------------------------------------------------------------
    // Alt+Up/Down toggles the popup; then the caret rules of the prefix and
    // suffix, Delete, and Enter, Esc and F4 on the popup.
    void KeyDown(TKey &Key, TShiftState Shift) override;
    // Enter never reaches the text.
    void KeyPress(QChar &Key) override;
    // The character rules of the edit type; the edit's own insertion.
    void WMChar(QChar &Key, bool Keypad) override;
    // Focus leaves: numbers are re-formatted, empty numbers filled in.
    void DoExit() override;
    // Clipboard commands through the program's clipboard.
    void Cut_Value();
    void Copy_Value();
    void Paste_Value();
    // The text changed (OnChange).
    virtual void Change();
    TDropDownNotifyEvent OnChange;

    // --- life cycle steps the kinds override ---------------------------------------------
    virtual void EnsurePopupForm();
    virtual void BeforeDropDown();
    virtual void AdjustPopupHeight(int &) {}
    virtual void FocusPopupControl();
    virtual void OpenPopup();
    virtual void DockPopupControl();
    virtual QSize ComputePopupSize();
    virtual void ClosePopup(bool Cancelled);
    virtual void PopupClosed();
    virtual void PopupSizing() {}
    virtual void WheelDown() {}
    virtual void WheelUp() {}
    // Keys and wheel turns that reach the popup window act on the edit (the
    // kinds that use keys in their popup take them here first).
    virtual void PopupKeyDown(QKeyEvent *E);
    virtual void PopupKeyUp(QKeyEvent *E);
    virtual void PopupWheelDown() { WheelDown(); }
    virtual void PopupWheelUp() { WheelUp(); }
    // Keys typed on the content control while the popup is open act on the
    // edit as its own key-down, key-up and character would; a kind keeps a
    // key in its content by not passing it on, and a Key set to 0 never
    // reaches the content.
    virtual void ControlKeyDown(TKey &Key, TShiftState Shift);
    virtual void ControlKeyUp(TKey &Key, TShiftState Shift);
    virtual void ControlKeyPress(QChar &Key);
    // The popup window was destroyed.
    virtual void PopupDestroyed() {}
    // The button's size, visibility and focus (the edit takes it).
    virtual void UpdateDropDownButton();
    // Lays the text out inside the edit rectangle, clear of the button.
    virtual void SetEditRect();
    // The user resized the open popup to S: the next opening uses it.
    void Popup_User_Sized(QSize S);

    // IDropDownButtonOwner
    bool Button_Usable() const override { return isEnabled() && !isReadOnly(); }
    TColor Button_Border_Color() const override { return FBorderColor; }

protected:
    // The kind's own state a cancelled close gives back (the text is restored by the base).
    virtual QVariant Popup_State() const { return {}; }
    virtual void Restore_Popup_State(const QVariant &) {}
    // A popup was closed (after a cancel's restore).
    virtual void Popup_Closed(bool) {}
    void DoEnter(bool ByMouse) override;
    bool event(QEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void focusInEvent(QFocusEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void resizeEvent(QResizeEvent *E) override;
    void changeEvent(QEvent *E) override;
    void moveEvent(QMoveEvent *E) override;
    void paintEvent(QPaintEvent *E) override;
    void enterEvent(QEnterEvent *E) override;
    void leaveEvent(QEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;
    // The modifiers of the content's key being handed on (a character carries none).
    Qt::KeyboardModifiers Control_Key_Modifiers() const { return FControlMods; }
    // Keys a list keeps for itself unless Alt is held: the arrows, the page
    // keys, Home, End and Enter.
    static bool List_Key(TKey Key);

private:
    // The value model with the widget's text and selection.
    TDropDownValue Snapshot() const;
    void Pull();
    void Push();
    void UpdateButtonBounds();
    void Post_Key(QWidget *To, int Key);
    // Esc closes the popup with cancel; in a closed edit it goes on to the parent.
    void Escape_Key();
    TDropDownValue FV;
    bool FEditorEnabled = true;
    bool FReturnIsTab = false;
    bool FAllowNumericNullValue = false;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    bool FBlockCopy = false;
    TImageList *FImages = nullptr;
    bool FBorder = true;
    bool FFlat = false;
    TColor FColor = clWindow;
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    bool FMouseInControl = false;
    QPointer<TDropDownLabel> FLabel;
    TDropDownLabelSettings FLabelS;
    // The label follows the edit's visibility, enabled state and font.
    void Label_Follow(QEvent *E);
    void Label_Visibility();
    int FDropDownWidth = 0, FDropDownHeight = 0;
    int FUserDropDownWidth = -1, FUserDropDownHeight = -1;
    TDropPosition FDropPosition = dpAuto;
    bool FDropDownShadow = true, FForceShadow = false;
    int FDropDownBorderWidth = 1;
    TColor FDropDownBorderColor = 0x000000, FDropDownColor = 0xFFFFFF, FDropDownColorTo = clNone;
    TGradientDirection FDropDownGradient = gdHorizontal;
    bool FDropDownSizeable = true;
    int FButtonWidth = 17;
    QString FButtonHint;
    TDropDownEditButton *FButton = nullptr;
    QPointer<QWidget> FControl, FFocusControl;
    bool FDroppedDown = false;
    QPointer<TDropDownForm> FPopup;
    // The edit at the popup's opening: what a cancelled close restores.
    QString FOpenText;
    bool FOpenModified = false;
    QVariant FOpenState;
    THeaderAppearance FHeader;
    TFooterAppearance FFooter;
    VOdeButtonAppearance FButtonAppearance;
    TQelStyle FStyle = tsOffice2007Luna;
    TColorTones FTones;
    QString FOldString;
    Qt::KeyboardModifiers FKeyMods;
    bool FInChange = false;
    bool FDropDownEnabled = false;
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    TColor FSelectionColor = clNone, FSelectionColorTo = clNone;
    // A left press landed inside the selection: the edit did not see it, and
    // the release puts the caret where it happens.
    bool FButtonDown = false;
    // The Esc being handled reached the edit's end with the popup closed.
    bool FEscToParent = false;
    bool FDestroying = false;
    QRect FEditRect;
    // The modifiers of the content's key being handled, and whether a step
    // handed it to the edit (then it must not reach the popup again).
    Qt::KeyboardModifiers FControlMods;
    bool FControlKeySent = false;
};
