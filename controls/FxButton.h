#pragma once
#include "controls/FxButtons.h"
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <memory>

// The configurator's owner-drawn push button: drawing styles, colour presets,
// a glyph strip with per-state frames, stock kinds, a hot-track colour that
// can fade out, Default/Cancel keys and an optional popup menu.
//
// Windows normally touch only Caption and clicked(); everything else is set
// up once when the window is built. Setters return early when nothing
// changes, store, and schedule a repaint (and a new size hint where the
// size can change).
class TFxButton : public QWidget
{
    Q_OBJECT
public:
    explicit TFxButton(QWidget *Parent = nullptr);
    ~TFxButton() override;

    // The control text; "&" marks the accelerator (Alt + letter), "&&" is a plain "&".
    QString Caption() const { return FCaption; }
    void Set_Caption(const QString &Value);

    TAlignment Alignment() const { return FAlignment; }
    void Set_Alignment(TAlignment Value);
    TFxButtonLayout Layout() const { return FLayout; }
    void Set_Layout(TFxButtonLayout Value);
    TFxButtonStyle Style() const { return FStyle; }
    void Set_Style(TFxButtonStyle Value);
    bool Flat() const { return FFlat; }
    void Set_Flat(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void Set_WordWrap(bool Value);

    // Colours (0x00BBGGRR or system colours). clNone for ColorWhenDown keeps
    // the face colour while pressed; for HotTrackColor it switches the blend off.
    TColor Color() const { return FColor; }
    void Set_Color(TColor Value);
    TColor LightColor() const { return FLightColor; }
    void Set_LightColor(TColor Value);
    TColor ShadowColor() const { return FShadowColor; }
    void Set_ShadowColor(TColor Value);
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void Set_ColorWhenDown(TColor Value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void Set_HotTrackColor(TColor Value);
    // Colour of the caption text (the font's colour).
    TColor FontColor() const { return FFontColor; }
    void Set_FontColor(TColor Value);
    // A preset sets the colours, Flat and Style once; it always reads back lcsCustom.
    TFxColorStyle ColorStyle() const { return lcsCustom; }
    void Set_ColorStyle(TFxColorStyle Value);

    // Font while the pointer is over the button or it has the focus, when
    // UseHotTrackFont is set. Starts as the owning window's font.
    QFont HotTrackFont() const { return FHotTrackFont; }
    void Set_HotTrackFont(const QFont &Value);
    bool UseHotTrackFont() const { return FUseHotTrackFont; }
    void Set_UseHotTrackFont(bool Value);

    // A strip of equally wide frames: normal, disabled, pressed, hot.
    // Assigning it sets NumGlyphs to width div height and Kind to bkCustom.
    QImage Glyph() const { return FGlyph; }
    void Set_Glyph(const QImage &Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void Set_NumGlyphs(int Value);

    // A stock kind brings its glyph, caption and modal result.
    TFxButtonKind Kind() const { return FKind; }
    void Set_Kind(TFxButtonKind Value);
    // Given to the owning dialog on click (QDialog::done); setting it makes the kind bkCustom.
    TModalResult ModalResult() const { return FModalResult; }
    void Set_ModalResult(TModalResult Value);

    // Enter anywhere in the window clicks a Default button, Esc a Cancel
    // button, unless a push button has the focus.
    bool Default() const { return FDefault; }
    void Set_Default(bool Value);
    bool Cancel() const { return FCancel; }
    void Set_Cancel(bool Value);

    // The hot-track colour fades out in 30 ms steps after the pointer leaves.
    bool SlowDecease() const { return FSlowDecease; }
    void Set_SlowDecease(bool Value);

    // Opened below the button's left edge after a click (not owned).
    QMenu *PopupMenu() const { return FPopupMenu; }
    void Set_PopupMenu(QMenu *Value);

    // A linked action (not owned): its text, enabled and visible state and tip
    // follow it; its icon becomes a one-frame glyph when the button has none;
    // a click triggers it after clicked().
    QAction *Action() const { return FAction; }
    void Set_Action(QAction *Value);

    // Presses the button: fires clicked(), ends the owning dialog with
    // ModalResult when that is not 0, opens the popup menu, then triggers the
    // action. Nothing happens while the button is hidden or disabled.
    void Click();

    // The plain description of the current state that painting works from.
    TFxButtonLook Make_Look() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // State as the renderer sees it (for tests and diagnostics).
    bool Down() const { return FDown; }
    bool Cursor_On_Button() const { return FCursorOnButton; }
    int HotTrackStep() const { return FHotTrackStep; }
    // The fade clock, or nullptr after SlowDecease was switched off.
    TFxButtonThread *Fade_Thread() const { return FThread.get(); }
    // One fade step: the hot-track blend falls by one; at 0 the fade pauses.
    void HotTrackTick();

    // Dialog key handling (Enter for Default, Esc for Cancel); true when the
    // key was taken. The window's key events reach it through an event filter.
    bool Dialog_Key(int Key, Qt::KeyboardModifiers Modifiers);

signals:
    void clicked();
    void mouseEnter();
    void mouseExit();

protected:
    void paintEvent(QPaintEvent *Event) override;
    void enterEvent(QEnterEvent *Event) override;
    void leaveEvent(QEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void keyReleaseEvent(QKeyEvent *Event) override;
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    void contextMenuEvent(QContextMenuEvent *Event) override;
    bool event(QEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void Changed(bool Geometry);
    void Update_Shortcut();
    void Update_Dialog_Key_Filter();
    bool Parent_Showing() const;
    void Drop_Hot_State();
    void Action_Changed();
    void Create_Thread();
    void Destroy_Thread();

    QString FCaption;
    TAlignment FAlignment = taCenter;
    TFxButtonLayout FLayout = blGlyphLeft;
    TFxButtonStyle FStyle = bsNormal;
    bool FFlat = false;
    bool FWordWrap = false;
    TColor FColor = clBtnFace;
    TColor FLightColor = clWhite;
    TColor FShadowColor = clGray;
    TColor FColorWhenDown = clNone;
    TColor FHotTrackColor = clNone;
    TColor FFontColor = clWindowText;
    QFont FHotTrackFont;
    bool FUseHotTrackFont = false;
    QImage FGlyph;
    int FNumGlyphs = 0;
    TFxButtonKind FKind = bkCustom;
    TModalResult FModalResult = mrNone;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    QPointer<QMenu> FPopupMenu;
    QPointer<QAction> FAction;
    QMetaObject::Connection FAction_Connection;

    bool FDown = false;            // pressed flag
    int FKey_Down = 0;             // Enter or Space pressed on this button, not yet released; 0 none
    bool FCursorOnButton = false;  // pointer over the button
    int FHotTrackStep = 0;         // 0 .. 8
    bool FDestroying = false;
    std::unique_ptr<TFxButtonThread> FThread;
    int FShortcut_Id = 0;
    QPointer<QWidget> FFilter_Window;
};
