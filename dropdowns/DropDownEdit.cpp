#include "dropdowns/DropDownEdit.h"
#include "dropdowns/DropDownForm.h"
#include "dropdowns/DropDownText.h"
#include "platform/Clock.h"
#include "platform/Colors.h"
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <limits>

namespace {
// A click on the button this soon after the popup lost the activation is the
// click that closed it, not a new opening.
constexpr std::uint32_t Reopen_Delay_Ms = 250;
} // namespace

QRect DropDown_Button_Rect(QSize Size, int ButtonWidth, bool Border, bool Flat)
{
    const int W = Size.width(), H = Size.height();
    if (!Border)
        return {W - ButtonWidth, 1, ButtonWidth, std::max(0, H - 2)};
    // Inside the frame: two pixels of frame on every side, one for a flat edit.
    const int Frame = Flat ? 1 : 2;
    return {W - ButtonWidth - Frame, Frame, ButtonWidth, std::max(0, H - 2 * Frame)};
}

QRect DropDown_Edit_Rect(QSize Size, int ButtonWidth, bool Border, bool Flat)
{
    const int Frame = Border ? (Flat ? 1 : 2) : 0;
    const int W = Size.width() - 2 * Frame, H = Size.height() - 2 * Frame;
    QRect R;
    // The text ends three pixels before the button and one below the client
    // area (right() and bottom() are the last pixels inside).
    R.setCoords(Border ? 1 : 2, Border ? 1 : 3, W - ButtonWidth - 3 - 1, H);
    return R;
}

VOdeCustomDropDown::VOdeCustomDropDown(QWidget *Owner) : TCustomMaskEdit(Owner), FHeader(this), FFooter(this)
{
    resize(200, 21);
    FButton = new TDropDownEditButton(this, this);
    FButton->OnClick = [this] { Button_Click(); };
    UpdateDropDownButton();
    EnsurePopupForm();
    connect(this, &QLineEdit::textChanged, this, [this] {
        // The change gate: a change the rules announced as silent raises nothing.
        if (FV.BlockChange) {
            FV.BlockChange = false;
            return;
        }
        // A change the change handler makes itself is not reported again.
        if (FInChange)
            return;
        FInChange = true;
        Change();
        FInChange = false;
    });
    // While the popup is open, a change of a bar's look shows at once.
    auto Bars_Changed = [this](TObject *) {
        if (FPopup && FPopup->isVisible())
            FPopup->InitializeAndUpdate();
    };
    FHeader.OnChange = FHeader.OnButtonsChanged = FFooter.OnChange = Bars_Changed;
    Set_Text(QString());
    UpdateButtonBounds();
    Set_SelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
}

VOdeCustomDropDown::~VOdeCustomDropDown()
{
    FDestroying = true;
    delete FPopup.data();
    // The label lives on the parent but belongs to the edit.
    delete FLabel.data();
}

// --- value --------------------------------------------------------------------------------

TDropDownValue VOdeCustomDropDown::Snapshot() const
{
    TDropDownValue V = FV;
    V.E.Text = text();
    V.E.SelStart = hasSelectedText() ? selectionStart() : cursorPosition();
    V.E.SelLength = hasSelectedText() ? int(selectedText().size()) : 0;
    V.EditorEnabled = FEditorEnabled;
    V.ReadOnly = isReadOnly();
    V.Loading = Loading();
    V.S.MaxLength = maxLength() >= 32767 ? 0 : maxLength();
    return V;
}

void VOdeCustomDropDown::Pull() { FV = Snapshot(); }

void VOdeCustomDropDown::Push()
{
    if (text() != FV.E.Text)
        setText(FV.E.Text);
    const int N = int(text().size());
    const int Start = std::clamp(FV.E.SelStart, 0, N);
    const int Len = std::clamp(FV.E.SelLength, 0, N - Start);
    if (Len > 0)
        setSelection(Start, Len);
    else {
        deselect();
        setCursorPosition(Start);
    }
    setModified(FV.Modified);
}

QString VOdeCustomDropDown::Text() const { return Snapshot().GetText(); }

void VOdeCustomDropDown::Set_Text(const QString &Value)
{
    Pull();
    FV.SetText(Value);
    Push();
}

void VOdeCustomDropDown::SetTextDirect(const QString &Value) { setText(Value); }

double VOdeCustomDropDown::GetFloatValue() const { return Snapshot().GetFloatValue(); }

void VOdeCustomDropDown::SetFloatValue(double X)
{
    Pull();
    FV.SetFloatValue(X);
    Push();
}

void VOdeCustomDropDown::SetIntValue(std::int64_t N)
{
    Pull();
    FV.SetIntValue(N);
    Push();
}

void VOdeCustomDropDown::SelectAll()
{
    Pull();
    FV.SelectAll();
    Push();
}

void VOdeCustomDropDown::SelectBeforeDecimal()
{
    Pull();
    FV.SelectBeforeDecimal();
    Push();
}

void VOdeCustomDropDown::SelectAfterDecimal()
{
    Pull();
    FV.SelectAfterDecimal();
    Push();
}

void VOdeCustomDropDown::Set_EditType(TDropDownEditType Value)
{
    Pull();
    if (!FV.SetEditType(Value))
        return;
    setEchoMode(Value == etPassword ? QLineEdit::Password : QLineEdit::Normal);
    if (Value == etPassword)
        FCanUndo = false;
    Push();
}

void VOdeCustomDropDown::Set_Precision(int Value)
{
    Pull();
    FV.SetPrecision(Value);
    Push();
}

void VOdeCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    update();
}

void VOdeCustomDropDown::Set_Border(bool Value)
{
    FBorder = Value;
    setFrame(Value);
    UpdateButtonBounds();
}

void VOdeCustomDropDown::Set_Flat(bool Value)
{
    FFlat = Value;
    UpdateButtonBounds();
}

void VOdeCustomDropDown::Set_Color(TColor Value)
{
    FColor = Value;
    QPalette P = palette();
    P.setColor(QPalette::Base, To_QColor(Value));
    setPalette(P);
}

// --- copying and stored settings ------------------------------------------------------------

bool VOdeCustomDropDown::Etched() const { return FButton->Button()->Etched(); }

void VOdeCustomDropDown::Set_Etched(bool V) { FButton->Button()->Set_Etched(V); }

void VOdeCustomDropDown::Assign(const QObject *Source)
{
    const auto *S = qobject_cast<const VOdeCustomDropDown *>(Source);
    if (!S || S == this)
        return;
    FFocusDraw = S->FFocusDraw;
    FForceShadow = S->FForceShadow;
    FDropDownEnabled = S->FDropDownEnabled;
    FDropDownColor = S->FDropDownColor;
    FDropDownColorTo = S->FDropDownColorTo;
    FDropDownGradient = S->FDropDownGradient;
    FDropDownBorderColor = S->FDropDownBorderColor;
    FDropDownBorderWidth = S->FDropDownBorderWidth;
    FDropDownShadow = S->FDropDownShadow;
    FDropDownWidth = S->FDropDownWidth;
    FDropDownHeight = S->FDropDownHeight;
    FDropDownSizeable = S->FDropDownSizeable;
    // The type alone, the value is not re-classified; a password type still
    // shows stars.
    FV.S.EditType = S->FV.S.EditType;
    setEchoMode(FV.S.EditType == etPassword ? QLineEdit::Password : QLineEdit::Normal);
    FReturnIsTab = S->FReturnIsTab;
    FV.S.LengthLimit = S->FV.S.LengthLimit;
    FV.S.Precision = S->FV.S.Precision;
    FV.S.Prefix = S->FV.S.Prefix;
    FV.S.Suffix = S->FV.S.Suffix;
    FDefaultHandling = S->FDefaultHandling;
    FCanUndo = S->FCanUndo;
    FV.S.ExcelStyleDecimalSeparator = S->FV.S.ExcelStyleDecimalSeparator;
    FV.S.ValidChars = S->FV.S.ValidChars;
    FV.S.Signed = S->FV.S.Signed;
    FV.S.AutoThousandSeparator = S->FV.S.AutoThousandSeparator;
    FHeader.Assign(S->FHeader);
    FFooter.Assign(S->FFooter);
    FButtonAppearance.Assign(S->FButtonAppearance);
    FDropPosition = S->FDropPosition;
    Set_Flat(S->FFlat);
    Set_DropDownButtonWidth(S->FButtonWidth);
    Set_DropDownButtonHint(S->FButtonHint);
    FEditorEnabled = S->FEditorEnabled;
    Set_DropDownButtonGlyph(S->DropDownButtonGlyph());
    Set_DropDownButtonCaption(S->DropDownButtonCaption());
    Set_Etched(S->Etched());
    FImages = S->FImages;
    FSelectionColorStyle = S->FSelectionColorStyle;
    FSelectionColor = S->FSelectionColor;
    FSelectionColorTo = S->FSelectionColorTo;
    update();
}

TDropDownProperties VOdeCustomDropDown::Properties() const
{
    TDropDownProperties P;
    P.DropDownBorderColor = FDropDownBorderColor;
    P.DropDownBorderWidth = FDropDownBorderWidth;
    P.DropDownShadow = FDropDownShadow;
    P.DropDownWidth = FDropDownWidth;
    P.DropDownHeight = FDropDownHeight;
    P.DropPosition = FDropPosition;
    P.DropDownButtonWidth = FButtonWidth;
    P.DropDownButtonHint = FButtonHint;
    P.DropDownButtonCaption = DropDownButtonCaption();
    P.DropDownSizeable = FDropDownSizeable;
    P.DropDownColor = FDropDownColor;
    P.DropDownColorTo = FDropDownColorTo;
    P.DropDownGradient = FDropDownGradient;
    P.BorderColor = FBorderColor;
    P.LabelMargin = FLabelS.Margin;
    P.Flat = FFlat;
    P.EditorEnabled = FEditorEnabled;
    P.ReadOnly = isReadOnly();
    P.DropDownEnabled = FDropDownEnabled;
    P.Precision = FV.S.Precision;
    P.Text = Text();
    P.SelectionColor = FSelectionColor;
    P.SelectionColorTo = FSelectionColorTo;
    P.SelectionColorStyle = FSelectionColorStyle;
    P.QelStyle = FStyle;
    return P;
}

void VOdeCustomDropDown::Set_Properties(const TDropDownProperties &P)
{
    Set_DropDownBorderColor(P.DropDownBorderColor);
    Set_DropDownBorderWidth(P.DropDownBorderWidth);
    Set_DropDownShadow(P.DropDownShadow);
    Set_DropDownWidth(P.DropDownWidth);
    Set_DropDownHeight(P.DropDownHeight);
    Set_DropPosition(P.DropPosition);
    Set_DropDownButtonWidth(P.DropDownButtonWidth);
    Set_DropDownButtonHint(P.DropDownButtonHint);
    Set_DropDownButtonCaption(P.DropDownButtonCaption);
    Set_DropDownSizeable(P.DropDownSizeable);
    Set_DropDownColor(P.DropDownColor);
    Set_DropDownColorTo(P.DropDownColorTo);
    Set_DropDownGradient(P.DropDownGradient);
    Set_BorderColor(P.BorderColor);
    Set_LabelMargin(P.LabelMargin);
    Set_Flat(P.Flat);
    SetEditorEnabled(P.EditorEnabled);
    setReadOnly(P.ReadOnly);
    Set_DropDownEnabled(P.DropDownEnabled);
    // The precision first, so that the value is shown in it.
    Set_Precision(P.Precision);
    Set_Text(P.Text);
    Set_SelectionColor(P.SelectionColor);
    Set_SelectionColorTo(P.SelectionColorTo);
    // The style numbers are kept as stored, their presets are not applied
    // (the colours stored beside them would be overwritten).
    FSelectionColorStyle = TSelectionColorStyle(P.SelectionColorStyle);
    FStyle = TQelStyle(P.QelStyle);
}

TDropDownPropertiesRead VOdeCustomDropDown::Load_Properties(const QString &Text)
{
    TDropDownPropertiesRead R = Read_DropDown_Properties(Text, Default_Properties());
    Set_Properties(R.Props);
    return R;
}

// --- button and edit rectangle ----------------------------------------------------------------

void VOdeCustomDropDown::Set_DropDownButtonWidth(int V)
{
    FButtonWidth = V;
    if (V != FButton->BWidth()) {
        FButton->Set_BWidth(V);
        UpdateButtonBounds();
    }
}

void VOdeCustomDropDown::Set_DropDownButtonHint(const QString &V)
{
    FButtonHint = V;
    FButton->setToolTip(V);
}

QRect VOdeCustomDropDown::Button_Rect() const { return FButton->geometry(); }

void VOdeCustomDropDown::UpdateButtonBounds()
{
    if (!FButton)
        return;
    // Never lower than the font needs; the resize comes back here.
    if (height() < GetMinHeight()) {
        resize(width(), GetMinHeight());
        update();
        return;
    }
    FButton->setGeometry(DropDown_Button_Rect(size(), FButton->BWidth(), FBorder, FFlat));
    SetEditRect();
    update();
}

void VOdeCustomDropDown::UpdateDropDownButton()
{
    // The container keeps its own width; the bounds rule places it afterwards.
    FButton->resize(FButtonWidth, 17);
    FButton->show();
    // A click on the button leaves the keyboard with the edit.
    FButton->setFocusProxy(this);
}

void VOdeCustomDropDown::SetEditRect()
{
    if (!FButton)
        return;
    FEditRect = DropDown_Edit_Rect(size(), FButton->BWidth(), FBorder, FFlat);
    // Qt centres the text vertically and keeps its own frame and a two-pixel
    // inner margin on each side; the rectangle's left edge and its end three
    // pixels before the button become text margins beyond those.
    constexpr int Inner = 2;
    const int Frame = FBorder ? (FFlat ? 1 : 2) : 0;
    QStyleOptionFrame Opt;
    initStyleOption(&Opt);
    const QRect Contents = style()->subElementRect(QStyle::SE_LineEditContents, &Opt, this);
    const int Left = std::max(0, Frame + FEditRect.left() - Contents.left() - Inner);
    const int Right = std::max(0, Contents.right() + 1 - Inner - (Frame + FEditRect.right() + 1));
    if (textMargins() != QMargins(Left, 0, Right, 0))
        setTextMargins(Left, 0, Right, 0);
}

int VOdeCustomDropDown::GetMinHeight() const
{
    const int H = QFontMetrics(font()).height();
    const int S = QFontMetrics(QApplication::font()).height();
    return H + std::min(H, S) / 4;
}

void VOdeCustomDropDown::resizeEvent(QResizeEvent *E)
{
    TCustomMaskEdit::resizeEvent(E);
    UpdateButtonBounds();
}

void VOdeCustomDropDown::changeEvent(QEvent *E)
{
    TCustomMaskEdit::changeEvent(E);
    Label_Follow(E);
    if (E->type() == QEvent::EnabledChange || E->type() == QEvent::ReadOnlyChange)
        FButton->Button()->update();
    else if (E->type() == QEvent::FontChange || E->type() == QEvent::StyleChange)
        SetEditRect();
}

// --- popup settings -------------------------------------------------------------------------------

void VOdeCustomDropDown::Set_DropDownWidth(int V)
{
    if (V == FDropDownWidth)
        return;
    FDropDownWidth = V;
    FUserDropDownWidth = FUserDropDownHeight = -1;
}

void VOdeCustomDropDown::Set_DropDownHeight(int V)
{
    if (V == FDropDownHeight)
        return;
    FDropDownHeight = V;
    FUserDropDownWidth = FUserDropDownHeight = -1;
}

void VOdeCustomDropDown::Popup_User_Sized(QSize S)
{
    FUserDropDownWidth = S.width();
    FUserDropDownHeight = S.height();
    PopupSizing();
}

void VOdeCustomDropDown::SetControl(QWidget *C)
{
    FControl = C;
    DockPopupControl();
}

// --- popup life cycle -------------------------------------------------------------------------------

void VOdeCustomDropDown::EnsurePopupForm()
{
    if (FPopup)
        return;
    FPopup = new TDropDownForm(this);
    FPopup->OnSizing = [this] { PopupSizing(); };
    connect(FPopup, &QObject::destroyed, this, [this] { PopupDestroyed(); });
}

void VOdeCustomDropDown::BeforeDropDown()
{
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
}

void VOdeCustomDropDown::FocusPopupControl()
{
    QWidget *C = FFocusControl;
    if (C && (C->focusPolicy() & Qt::TabFocus) && C->isEnabled() && C->isVisible() && !C->hasFocus())
        C->setFocus(Qt::PopupFocusReason);
}

void VOdeCustomDropDown::DockPopupControl()
{
    if (!FPopup || !FControl)
        return;
    if (FControl->parentWidget() != FPopup) {
        // A new parent hides a widget; the content stays visible unless the kind hid it.
        const bool Hidden = FControl->testAttribute(Qt::WA_WState_ExplicitShowHide) && FControl->isHidden();
        FControl->setParent(FPopup);
        FControl->setVisible(!Hidden);
    }
    FPopup->Layout_Children();
}

QSize VOdeCustomDropDown::ComputePopupSize()
{
    TPopupSizeInput In;
    In.DropDownWidth = FDropDownWidth;
    In.DropDownHeight = FDropDownHeight;
    In.BorderWidth = FDropDownBorderWidth;
    In.HeaderHeight = FHeader.Visible() ? FHeader.Height() : 0;
    In.FooterHeight = FFooter.Visible() ? FFooter.Height() : 0;
    if (FControl && !FControl->isHidden())
        In.Content = FControl->size();
    In.EditWidth = width();
    In.UserWidth = FUserDropDownWidth;
    In.UserHeight = FUserDropDownHeight;
    return Compute_Popup_Size(In);
}

QRect VOdeCustomDropDown::Available_Area(const QRect &Edit)
{
    QScreen *S = QGuiApplication::screenAt(Edit.topLeft());
    if (!S) {
        // Off every screen: the nearest one.
        long long Best = std::numeric_limits<long long>::max();
        for (QScreen *Each : QGuiApplication::screens()) {
            const QRect G = Each->geometry();
            const long long Dx = std::max({0, G.left() - Edit.left(), Edit.left() - G.right()});
            const long long Dy = std::max({0, G.top() - Edit.top(), Edit.top() - G.bottom()});
            if (Dx * Dx + Dy * Dy < Best) {
                Best = Dx * Dx + Dy * Dy;
                S = Each;
            }
        }
    }
    if (!S)
        S = QGuiApplication::primaryScreen();
    return S ? S->availableGeometry() : QRect(0, 0, 1920, 1080);
}

void VOdeCustomDropDown::OpenPopup()
{
    if (!FPopup || FPopup->isVisible() || !isEnabled() || isReadOnly())
        return;
    BeforeDropDown();
    FPopup->Set_Shadow(FDropDownShadow);
    FPopup->InitializeAndUpdate();
    const QSize Size = ComputePopupSize();
    DockPopupControl();
    // The content's keys act on the edit while the popup is open (installing
    // again only moves the filter to the front).
    if (FControl)
        FControl->installEventFilter(this);
    const QRect Edit(mapToGlobal(QPoint(0, 0)), size());
    QRect R = Place_Popup(Edit, Size, FDropPosition, Available_Area(Edit));
    bool Accept = true;
    if (OnDropDown)
        OnDropDown(this, Accept);
    if (!Accept)
        return;
    int H = R.height();
    AdjustPopupHeight(H);
    R.setHeight(H);
    // What a cancelled close gives back.
    FOpenText = text();
    FOpenModified = FV.Modified = isModified() || FV.Modified;
    FOpenState = Popup_State();
    FDroppedDown = true;
    FPopup->setGeometry(R);
    FPopup->show();
    FPopup->raise();
    FocusPopupControl();
    update();
}

void VOdeCustomDropDown::ClosePopup(bool Cancelled)
{
    if (!FPopup || !FPopup->isVisible())
        return;
    if (OnBeforeDropUp)
        OnBeforeDropUp(this);
    FPopup->hide();
    // A hint shown over the popup would outlive it.
    QToolTip::hideText();
    QPointer<VOdeCustomDropDown> Self(this);
    if (Cancelled) {
        SetTextDirect(FOpenText);
        Restore_Popup_State(FOpenState);
        FV.Modified = FOpenModified;
        setModified(FOpenModified);
    }
    if (!Self)
        return;
    Popup_Closed(Cancelled);
    if (OnDropUp)
        OnDropUp(this, Cancelled);
}

void VOdeCustomDropDown::PopupClosed()
{
    if (FDestroying)
        return;
    FDroppedDown = false;
    if ((focusPolicy() & Qt::TabFocus) && isEnabled() && isVisible() && !hasFocus())
        setFocus(Qt::PopupFocusReason);
    update();
}

void VOdeCustomDropDown::PopupKeyDown(QKeyEvent *E)
{
    QKeyEvent Copy(E->type(), E->key(), E->modifiers(), E->text(), E->isAutoRepeat(), ushort(E->count()));
    QApplication::sendEvent(this, &Copy);
}

void VOdeCustomDropDown::PopupKeyUp(QKeyEvent *E)
{
    QKeyEvent Copy(E->type(), E->key(), E->modifiers(), E->text(), E->isAutoRepeat(), ushort(E->count()));
    QApplication::sendEvent(this, &Copy);
}

bool VOdeCustomDropDown::List_Key(TKey Key)
{
    switch (Key) {
    case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT:
    case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END: case VK_RETURN:
        return true;
    default:
        return false;
    }
}

void VOdeCustomDropDown::ControlKeyDown(TKey &Key, TShiftState Shift)
{
    // The edit's key-down: its own rules, then the caret keys it moves by
    // itself. The content still gets the key unless a step sets it to 0.
    FControlKeySent = true;
    FKeyMods = FControlMods;
    QPointer<VOdeCustomDropDown> Self(this);
    TKey K = Key;
    KeyDown(K, Shift);
    if (!Self || K == 0)
        return;
    int Caret = 0;
    switch (K) {
    case VK_LEFT: Caret = Qt::Key_Left; break;
    case VK_RIGHT: Caret = Qt::Key_Right; break;
    case VK_HOME: Caret = Qt::Key_Home; break;
    case VK_END: Caret = Qt::Key_End; break;
    default: return;
    }
    QKeyEvent Move(QEvent::KeyPress, Caret, FControlMods);
    QLineEdit::keyPressEvent(&Move);
}

void VOdeCustomDropDown::ControlKeyUp(TKey &Key, TShiftState Shift)
{
    FControlKeySent = true;
    TKey K = Key;
    KeyUp(K, Shift);
}

void VOdeCustomDropDown::ControlKeyPress(QChar &Key)
{
    // The edit's character, through its typed-input rules.
    if (Key.isNull())
        return;
    FControlKeySent = true;
    QKeyEvent Char(QEvent::KeyPress, 0, FControlMods, QString(Key));
    keyPressEvent(&Char);
}

bool VOdeCustomDropDown::eventFilter(QObject *Watched, QEvent *E)
{
    const QEvent::Type T = E->type();
    if (Watched != FControl.data() || !FDroppedDown || (T != QEvent::KeyPress && T != QEvent::KeyRelease))
        return TCustomMaskEdit::eventFilter(Watched, E);
    auto *K = static_cast<QKeyEvent *>(E);
    QPointer<QObject> Content(Watched);
    QPointer<VOdeCustomDropDown> Self(this);
    FControlMods = K->modifiers();
    FControlKeySent = false;
    TKey Key = Virtual_Key_From_Qt(K->key(), K->modifiers());
    const TShiftState Shift = Shift_State_From_Qt(K->modifiers());
    if (Key != 0) {
        if (T == QEvent::KeyPress)
            ControlKeyDown(Key, Shift);
        else
            ControlKeyUp(Key, Shift);
        if (!Self || !Content)
            return true;
        if (Key == 0) {
            FControlKeySent = false;
            return true;
        }
    }
    QString Text = T == QEvent::KeyPress ? K->text() : QString();
    bool Changed = false;
    if (Text.size() == 1) {
        QChar C = Text[0];
        ControlKeyPress(C);
        if (!Self || !Content)
            return true;
        Changed = C != Text[0];
        Text = C.isNull() ? QString() : QString(C);
    }
    const bool Sent = FControlKeySent;
    FControlKeySent = false;
    // A key no step handed on goes its usual way: what the content leaves
    // unhandled reaches the popup and so the edit.
    if (!Sent && !Changed)
        return false;
    // The content gets the key (with the character the steps left) here and
    // it goes no further, or the popup would hand it to the edit a second time.
    QKeyEvent Copy(T, K->key(), K->modifiers(), Text, K->isAutoRepeat(), ushort(K->count()));
    Content->event(&Copy);
    E->setAccepted(Copy.isAccepted());
    return true;
}

void VOdeCustomDropDown::Button_Click()
{
    if (!FPopup || FPopup->isVisible())
        return;
    if (FPopup->DeActivateTime() != 0 && Tick_Count() - FPopup->DeActivateTime() <= Reopen_Delay_Ms)
        return;
    OpenPopup();
}

// --- keys ----------------------------------------------------------------------------------------------

void VOdeCustomDropDown::Post_Key(QWidget *To, int Key)
{
    QCoreApplication::postEvent(To, new QKeyEvent(QEvent::KeyPress, Key, Qt::NoModifier));
    QCoreApplication::postEvent(To, new QKeyEvent(QEvent::KeyRelease, Key, Qt::NoModifier));
}

void VOdeCustomDropDown::KeyDown(TKey &Key, TShiftState Shift)
{
    if (Key == 0)
        return;
    auto Toggle = [this] {
        if (FDroppedDown)
            ClosePopup(false);
        else
            OpenPopup();
    };
    if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
        Toggle();
        Key = 0;
        return;
    }
    if (!FEditorEnabled && isEnabled()) {
        // A pick-only field: Enter, Esc and F4 work the popup, other keys do nothing.
        if (!isReadOnly()) {
            if (Key == VK_RETURN)
                ClosePopup(false);
            else if (Key == VK_ESCAPE)
                Escape_Key();
            else if (Key == VK_F4)
                Toggle();
        }
        if (Key != VK_RETURN && Key != VK_ESCAPE)
            Key = 0;
        return;
    }
    if (Shift.Contains(ssCtrl) && (Key == VK_TAB || Key == VK_RETURN))
        return;
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        if (isVisible())
            Post_Key(this, Qt::Key_Tab);
    }
    Pull();
    const bool Swallowed = FV.Key_Down(Key, Shift);
    Push();
    if (Swallowed) {
        Key = 0;
        return;
    }
    if (Key == VK_DELETE) {
        // Deleted here, so that a money value regroups right after it.
        Pull();
        if (!FV.ReadOnly)
            FV.Edit_Key(Key, Shift);
        FV.After_Key_Down(Key);
        Push();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN)
        ClosePopup(false);
    else if (Key == VK_ESCAPE)
        Escape_Key();
    else if (Key == VK_F4)
        Toggle();
}

void VOdeCustomDropDown::Escape_Key()
{
    // An Esc that closes the popup ends there; one in a closed edit goes on
    // to the window around it.
    FEscToParent = !FDroppedDown;
    ClosePopup(true);
}

void VOdeCustomDropDown::KeyPress(QChar &Key)
{
    if (Key == QChar(13))
        Key = QChar();
}

void VOdeCustomDropDown::WMChar(QChar &Key, bool Keypad)
{
    QChar Ch = Key;
    // The edit's own insertion is done here, after the rules.
    Key = QChar();
    if (!FEditorEnabled)
        return;
    const bool Ctrl = FKeyMods.testFlag(Qt::ControlModifier);
    // A character that left the text as it was (an Esc over a selected
    // value) must not silence the next real change.
    const QString Before = text();
    const auto Unblock = qScopeGuard([this, &Before] {
        if (text() == Before)
            FV.BlockChange = false;
    });
    Pull();
    const QString Value = FV.GetText();
    if (FV.E.SelLength == Value.size() && !Value.isEmpty())
        FV.BlockChange = true;
    if (Ch == QChar(13)) {
        if (Ctrl)
            return;
        QChar Enter(13);
        KeyPress(Enter);
        if (!FDefaultHandling && parentWidget())
            Post_Key(parentWidget(), Qt::Key_Return);
        return;
    }
    if (Ch == QChar(27)) {
        if (!FDefaultHandling && parentWidget())
            Post_Key(parentWidget(), Qt::Key_Escape);
        // Esc types nothing, so it never marks the edit modified (its undo
        // has just cleared the marks).
        return;
    }
    bool Whole = false;
    const TCharResult R = FV.Filter_Char(Ch, Ctrl, Keypad, Whole);
    if (R != crPass) {
        Push();
        return;
    }
    KeyPress(Ch);
    if (Ch.isNull()) {
        Push();
        return;
    }
    const int Caret = FV.E.SelStart;
    FV.Insert_Char(Ch);
    Push();
    if (Ch == QChar(8)) {
        // The deletion of a whole selected value was silent; it is announced once here.
        if (Whole)
            Change();
        return;
    }
    FV.After_Pass(Ch, Caret);
    Push();
}

void VOdeCustomDropDown::keyPressEvent(QKeyEvent *E)
{
    FKeyMods = E->modifiers();
    if (E->matches(QKeySequence::Paste)) {
        Paste_Value();
        E->accept();
        return;
    }
    if (E->matches(QKeySequence::Cut)) {
        Cut_Value();
        E->accept();
        return;
    }
    if (E->matches(QKeySequence::Copy)) {
        Copy_Value();
        E->accept();
        return;
    }
    // Esc is handed on to the window around the edit by leaving the key
    // press unaccepted (Qt delivers it to the parent then): a posted copy
    // would reach a dialog a second time.
    const bool Hand_On = E->key() == Qt::Key_Escape && FCanUndo && FDefaultHandling && parentWidget() && !isWindow();
    FEscToParent = false;
    TCustomMaskEdit::keyPressEvent(E);
    if (Hand_On && FEscToParent)
        E->ignore();
    FEscToParent = false;
}

bool VOdeCustomDropDown::event(QEvent *E)
{
    if (E->type() == QEvent::ShortcutOverride && WantSpecialKey(static_cast<QKeyEvent *>(E)->key())) {
        E->accept();
        return true;
    }
    if (E->type() == QEvent::Hide)
        ClosePopup(true);
    if (E->type() == QEvent::ShowToParent || E->type() == QEvent::HideToParent || E->type() == QEvent::ParentChange)
        Label_Follow(E);
    return TCustomMaskEdit::event(E);
}

bool VOdeCustomDropDown::WantSpecialKey(int Key)
{
    // An edit that is a window of its own has no window to ask it.
    if (isWindow() || Key != Qt::Key_Escape)
        return false;
    if (FCanUndo) {
        Pull();
        FV.SelectAll();
        FV.SetModified(false);
        Push();
    }
    // Escape belongs to the open popup, not to the window's dialog keys.
    return FDroppedDown;
}

void VOdeCustomDropDown::Change()
{
    if (OnChange)
        OnChange(this);
}
