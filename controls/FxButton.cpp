#include "controls/FxButton.h"
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

struct TKindEntry {
    TModalResult Modal_Result;
    const char *Resource;
    const char *Caption;
};

// Indexed by TFxButtonKind; bkCustom has no entry of its own.
const TKindEntry Kind_Table[] = {
    {0, "", ""},
    {mrOk, "FXOK", "OK"},
    {mrCancel, "FXCANCEL", "Abbrechen"},
    {0, "FXHELP", "Hilfe"},
    {mrYes, "FXYES", "Ja"},
    {mrNo, "FXNO", "Nein"},
    {0, "FXCLOSE", "Schließen"},
    {mrAbort, "FXABORT", "Abbrechen"},
    {mrRetry, "FXRETRY", "Wiederholen"},
    {mrIgnore, "FXIGNORE", "Ignorieren"},
    {mrAll, "FXALL", "Alle"},
};

struct TPreset {
    TColor Color, LightColor, ShadowColor, ColorWhenDown, HotTrackColor, FontColor;
    bool Flat;
    TFxButtonStyle Style;
};

// Indexed by TFxColorStyle; lcsCustom changes nothing.
const TPreset Preset_Table[] = {
    {clBtnFace, clWhite, clGray, clNone, clNone, clBlack, false, bsNormal},      // lcsCustom (unused)
    {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, 0x000000, false, bsModern},  // lcsGold
    {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, 0x000000, false, bsModern},    // lcsGlide
    {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, 0x000000, false, bsModern},    // lcsBlue
    {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, 0x000000, false, bsModern},    // lcsRed
    {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, 0x000000, true, bsNormal}, // lcsUltraFlat1
    {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, 0x000000, true, bsNormal}, // lcsUltraFlat2
    {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, 0x000000, true, bsNormal},  // lcsUltraFlatXP
    {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, 0x000000, false, bsModern},    // lcsAqua
    {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, 0x000000, false, bsNormal},   // lcsDefault
    {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, bsQuicken}, // lcsQuicken
};

bool Is_Enter(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

// The button's own visibility flag: not explicitly hidden (it may still sit
// on a window that is not shown yet).
bool Own_Visible(const QWidget *W) { return !W->isHidden() || !W->testAttribute(Qt::WA_WState_ExplicitShowHide); }

} // namespace

TFxButton::TFxButton(QWidget *Parent) : QWidget(Parent)
{
    setFocusPolicy(Qt::StrongFocus);
    resize(100, 23);
    FHotTrackFont = Parent ? Parent->window()->font() : QApplication::font();
    Create_Thread();
}

TFxButton::~TFxButton()
{
    FDestroying = true;
    Destroy_Thread();
    if (FFilter_Window)
        FFilter_Window->removeEventFilter(this);
}

// ---------------------------------------------------------------------------
// Properties

void TFxButton::Changed(bool Geometry)
{
    update();
    if (Geometry)
        updateGeometry();
}

void TFxButton::Set_Caption(const QString &Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    Update_Shortcut();
    Changed(true);
}

void TFxButton::Set_Alignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Changed(false);
}

void TFxButton::Set_Layout(TFxButtonLayout Value)
{
    if (Value == FLayout)
        return;
    FLayout = Value;
    Changed(true);
}

void TFxButton::Set_Style(TFxButtonStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed(true);
}

void TFxButton::Set_Flat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    Changed(false);
}

void TFxButton::Set_WordWrap(bool Value)
{
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    Changed(false);
}

#define FX_COLOR_SETTER(Name)              \
    void TFxButton::Set_##Name(TColor Value) \
    {                                        \
        if (Value == F##Name)                \
            return;                          \
        F##Name = Value;                     \
        Changed(false);                      \
    }
FX_COLOR_SETTER(Color)
FX_COLOR_SETTER(LightColor)
FX_COLOR_SETTER(ShadowColor)
FX_COLOR_SETTER(FontColor)
#undef FX_COLOR_SETTER

// These two only matter for the next state change, so they only store.
void TFxButton::Set_ColorWhenDown(TColor Value) { FColorWhenDown = Value; }
void TFxButton::Set_HotTrackColor(TColor Value) { FHotTrackColor = Value; }

void TFxButton::Set_ColorStyle(TFxColorStyle Value)
{
    if (static_cast<int>(Value) <= static_cast<int>(lcsCustom) || static_cast<int>(Value) > static_cast<int>(lcsQuicken))
        return;
    const TPreset &P = Preset_Table[Value];
    FColor = P.Color;
    FLightColor = P.LightColor;
    FShadowColor = P.ShadowColor;
    FColorWhenDown = P.ColorWhenDown;
    FHotTrackColor = P.HotTrackColor;
    FFontColor = P.FontColor;
    FFlat = P.Flat;
    FStyle = P.Style;
    Changed(true);
}

void TFxButton::Set_HotTrackFont(const QFont &Value) { FHotTrackFont = Value; }

void TFxButton::Set_UseHotTrackFont(bool Value)
{
    if (Value == FUseHotTrackFont)
        return;
    FUseHotTrackFont = Value;
    Changed(false);
}

void TFxButton::Set_Glyph(const QImage &Value)
{
    FGlyph = Value;
    FNumGlyphs = (Value.isNull() || Value.height() == 0) ? 0 : Value.width() / Value.height();
    FKind = bkCustom;
    Changed(true);
}

void TFxButton::Set_NumGlyphs(int Value)
{
    if (Value == FNumGlyphs)
        return;
    FNumGlyphs = Value;
    Changed(true);
}

void TFxButton::Set_Kind(TFxButtonKind Value)
{
    if (Value == FKind || static_cast<int>(Value) < 0 || static_cast<int>(Value) > static_cast<int>(bkAll))
        return;
    if (Value != bkCustom) {
        const TKindEntry &K = Kind_Table[Value];
        FNumGlyphs = 2;
        FModalResult = K.Modal_Result;
        // The strip is loaded as it is: NumGlyphs stays 2 whatever its height.
        FGlyph = Fx_Bitmap_Resource(QString::fromLatin1(K.Resource));
        Set_Caption(QString::fromUtf8(K.Caption));
        Changed(true);
    }
    FKind = Value;
}

void TFxButton::Set_ModalResult(TModalResult Value)
{
    FModalResult = Value;
    FKind = bkCustom;
}

void TFxButton::Set_Default(bool Value)
{
    if (Value == FDefault)
        return;
    FDefault = Value;
    Update_Dialog_Key_Filter();
}

void TFxButton::Set_Cancel(bool Value)
{
    if (Value == FCancel)
        return;
    FCancel = Value;
    Update_Dialog_Key_Filter();
}

void TFxButton::Set_SlowDecease(bool Value)
{
    FSlowDecease = Value;
    if (Value) {
        if (!FThread)
            Create_Thread();
    } else {
        FHotTrackStep = 0;
        Destroy_Thread();
    }
    update();
}

void TFxButton::Set_PopupMenu(QMenu *Value)
{
    if (Value == FPopupMenu)
        return;
    FPopupMenu = Value;
    Changed(true);
}

TFxButtonLook TFxButton::Make_Look() const
{
    TFxButtonLook L;
    L.Width = width();
    L.Height = height();
    L.Alignment = FAlignment;
    L.Caption = FCaption;
    L.Layout = FLayout;
    const bool Hot = FCursorOnButton || hasFocus();
    L.Font = (Hot && FUseHotTrackFont) ? FHotTrackFont : font();
    L.Font_Color = FFontColor;
    L.ShadowColor = FShadowColor;
    L.LightColor = FLightColor;
    L.HotTrackColor = FHotTrackColor;
    L.ColorWhenDown = FColorWhenDown;
    L.Color = FColor;
    L.Style = FStyle;
    L.Has_Popup_Menu = !FPopupMenu.isNull();
    L.WordWrap = FWordWrap;
    L.Flat = FFlat;
    L.Enabled = isEnabled();
    L.Hot = Hot;
    L.Pressed = FDown;
    L.Focused = hasFocus();
    L.Glyph = FGlyph;
    L.NumGlyphs = FNumGlyphs;
    L.HotTrackStep = FHotTrackStep;
    return L;
}

QSize TFxButton::sizeHint() const
{
    TFxButtonLook L = Make_Look();
    L.Font = font();
    return Fx_Button_Size_Hint(L);
}

QSize TFxButton::minimumSizeHint() const { return QSize(0, 0); }

// ---------------------------------------------------------------------------
// Click

void TFxButton::Click()
{
    // The pressed flag is cleared even when nothing happens, so that a hidden
    // or disabled button never comes back looking pressed.
    FDown = false;
    if (!Own_Visible(this) || !isEnabled()) {
        update();
        return;
    }
    QPointer<TFxButton> Self(this);
    emit clicked();
    if (!Self)
        return;
    if (FModalResult != 0)
        if (auto *Dialog = qobject_cast<QDialog *>(window()))
            Dialog->done(FModalResult);
    if (!Self)
        return;
    if (FPopupMenu)
        FPopupMenu->popup(mapToGlobal(QPoint(0, height())));
    if (!Self)
        return;
    if (FAction)
        FAction->trigger();
    if (Self)
        update();
}

void TFxButton::Set_Action(QAction *Value)
{
    if (Value == FAction)
        return;
    QObject::disconnect(FAction_Connection);
    FAction = Value;
    if (Value) {
        FAction_Connection = connect(Value, &QAction::changed, this, &TFxButton::Action_Changed);
        Action_Changed();
    }
}

void TFxButton::Action_Changed()
{
    if (!FAction)
        return;
    Set_Caption(FAction->text());
    setEnabled(FAction->isEnabled());
    if (parentWidget())
        setVisible(FAction->isVisible());
    setToolTip(FAction->toolTip());
    // The action's picture as a one-frame glyph, on the magenta key colour,
    // only while the button has no glyph of its own.
    const QIcon Icon = FAction->icon();
    if (!FGlyph.isNull() || Icon.isNull())
        return;
    const QList<QSize> Sizes = Icon.availableSizes();
    const QSize Size = Sizes.isEmpty() ? QSize(16, 16) : Sizes.first();
    QImage G(Size, QImage::Format_RGB32);
    G.fill(QColor(255, 0, 255));
    {
        QPainter P(&G);
        P.drawPixmap(0, 0, Icon.pixmap(Size));
    }
    FGlyph = G;
    FNumGlyphs = 1;
    Changed(true);
}

bool TFxButton::Dialog_Key(int Key, Qt::KeyboardModifiers Modifiers)
{
    bool Acts = false;
    if (Is_Enter(Key) && FDefault)
        Acts = true;
    else if (Key == Qt::Key_Escape && FCancel
             && !(Modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) && Own_Visible(this)
             && isEnabled())
        Acts = true;
    if (!Acts)
        return false;
    // A focused push button answers Enter and Esc itself. Without a focused
    // control the key is ours.
    const QWidget *Form = window();
    const QWidget *Active = Form ? Form->focusWidget() : nullptr;
    if (Active) {
        const QString Name = QString::fromLatin1(Active->metaObject()->className()).toUpper();
        if (Name.contains(QLatin1String("BUTTON")) && !Name.contains(QLatin1String("RADIOBUTTON")))
            return false;
    }
    FDown = true;
    Click();
    return true;
}

// ---------------------------------------------------------------------------
// Fade

void TFxButton::Create_Thread()
{
    FThread = std::make_unique<TFxButtonThread>([this] { HotTrackTick(); });
}

void TFxButton::Destroy_Thread() { FThread.reset(); }

void TFxButton::HotTrackTick()
{
    if (FDestroying)
        return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        if (FThread && !FThread->Suspended())
            FThread->Suspend();
        FHotTrackStep = 0;
    }
    update();
}

// ---------------------------------------------------------------------------
// Events

bool TFxButton::Parent_Showing() const { return parentWidget() && parentWidget()->isVisible(); }

void TFxButton::paintEvent(QPaintEvent *)
{
    if (FDestroying)
        return;
    QPainter P(this);
    Paint_FxButton(P, Make_Look());
}

void TFxButton::enterEvent(QEnterEvent *Event)
{
    QWidget::enterEvent(Event);
    if (!isEnabled() || !Own_Visible(this) || !Parent_Showing())
        return;
    FCursorOnButton = true;
    FHotTrackStep = 8;
    update();
    emit mouseEnter();
}

void TFxButton::leaveEvent(QEvent *Event)
{
    QWidget::leaveEvent(Event);
    FCursorOnButton = false;
    if (FSlowDecease) {
        if (FThread && FThread->Suspended())
            FThread->Resume();
    } else {
        FHotTrackStep = 0;
    }
    update();
    if (isEnabled() && Own_Visible(this) && Parent_Showing())
        emit mouseExit();
}

// A button hidden under the pointer (its dialog closed by its own click)
// may never hear the pointer leave: it forgets the pointer and the hot-track
// colour at once, so that it does not come back hot when shown again. A
// pointer still over it then enters anew.
void TFxButton::Drop_Hot_State()
{
    if (!FCursorOnButton && FHotTrackStep == 0)
        return;
    FCursorOnButton = false;
    FHotTrackStep = 0;
    if (FThread && !FThread->Suspended())
        FThread->Suspend();
    update();
}

void TFxButton::mousePressEvent(QMouseEvent *Event)
{
    // Taken for every mouse button, so that the release comes back here.
    Event->accept();
    if (Event->button() != Qt::LeftButton || !isEnabled())
        return;
    FDown = true;
    setFocus(Qt::MouseFocusReason);
    update();
}

// Double clicks count as ordinary presses.
void TFxButton::mouseDoubleClickEvent(QMouseEvent *Event) { mousePressEvent(Event); }

void TFxButton::mouseReleaseEvent(QMouseEvent *Event)
{
    // Wherever the pointer is now: pressing on the button and releasing
    // anywhere clicks it.
    Event->accept();
    QPointer<TFxButton> Self(this);
    if (FDown)
        Click();
    if (!Self)
        return;
    FDown = false;
    update();
}

void TFxButton::keyPressEvent(QKeyEvent *Event)
{
    const int Key = Event->key();
    if ((Is_Enter(Key) || Key == Qt::Key_Space) && isEnabled()) {
        FDown = true;
        FKey_Down = Key;
        update();
        Event->accept();
        return;
    }
    QWidget::keyPressEvent(Event);
}

void TFxButton::keyReleaseEvent(QKeyEvent *Event)
{
    const int Key = Event->key();
    if (Is_Enter(Key) || Key == Qt::Key_Space) {
        Event->accept();
        if (Event->isAutoRepeat())
            return;
        // Only the release of the key pressed on this button clicks. A
        // message box that closed on the press hands the release back to the
        // button that opened it, which would open the box again.
        if (Key != FKey_Down)
            return;
        FKey_Down = 0;
        QPointer<TFxButton> Self(this);
        FDown = true;
        Click();
        if (Self)
            update();
        return;
    }
    QWidget::keyReleaseEvent(Event);
}

void TFxButton::focusInEvent(QFocusEvent *Event)
{
    QWidget::focusInEvent(Event);
    update();
}

void TFxButton::focusOutEvent(QFocusEvent *Event)
{
    QWidget::focusOutEvent(Event);
    // A key released after the focus went elsewhere was not meant for us,
    // and a button pressed by that key no longer looks pressed.
    if (FKey_Down != 0) {
        FKey_Down = 0;
        FDown = false;
    }
    update();
}

void TFxButton::changeEvent(QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::EnabledChange:
        FDown = false;
        FKey_Down = 0;
        update();
        break;
    case QEvent::FontChange: Changed(true); break;
    case QEvent::ParentChange: Update_Dialog_Key_Filter(); break;
    default: break;
    }
    QWidget::changeEvent(Event);
}

void TFxButton::contextMenuEvent(QContextMenuEvent *Event)
{
    if (!FPopupMenu) {
        Event->ignore();
        return;
    }
    FPopupMenu->popup(Event->globalPos());
    Event->accept();
}

bool TFxButton::event(QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::Shortcut: {
        // The caption's accelerator.
        auto *S = static_cast<QShortcutEvent *>(Event);
        if (S->shortcutId() == FShortcut_Id && FShortcut_Id != 0) {
            if (Own_Visible(this) && isEnabled() && Parent_Showing()) {
                FDown = true;
                Click();
            }
            return true;
        }
        break;
    }
    case QEvent::Show: Update_Dialog_Key_Filter(); break;
    case QEvent::Hide: Drop_Hot_State(); break;
    default: break;
    }
    return QWidget::event(Event);
}

bool TFxButton::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == FFilter_Window && Event->type() == QEvent::KeyPress) {
        auto *K = static_cast<QKeyEvent *>(Event);
        if (Dialog_Key(K->key(), K->modifiers())) {
            K->accept();
            return true;
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

void TFxButton::Update_Shortcut()
{
    if (FShortcut_Id != 0)
        releaseShortcut(FShortcut_Id);
    FShortcut_Id = 0;
    const QKeySequence Seq = QKeySequence::mnemonic(FCaption);
    if (!Seq.isEmpty())
        FShortcut_Id = grabShortcut(Seq);
}

// Enter and Esc that no focused control takes travel up to the window; a
// Default or Cancel button watches its window for them.
void TFxButton::Update_Dialog_Key_Filter()
{
    QWidget *Target = (FDefault || FCancel) ? window() : nullptr;
    if (Target == FFilter_Window)
        return;
    if (FFilter_Window)
        FFilter_Window->removeEventFilter(this);
    FFilter_Window = Target;
    if (Target)
        Target->installEventFilter(this);
}
