#include "dropdowns/DropDownEditors.h"
#include "platform/Colors.h"
#include "toolkit/ImageList.h"
#include "platform/Locale.h"
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int Button_Width = 17;

QString Float_Text(double V, int Precision)
{
    QString S = Precision > 0 ? QString::number(V, 'f', Precision) : QString::number(V, 'g', 15);
    S.replace(u'.', Format_Settings().DecimalSeparator);
    return S;
}
} // namespace

// --- the base -------------------------------------------------------------------------------------------------

VOdeCustomDropDown::VOdeCustomDropDown(QWidget *Owner) : TCustomMaskEdit(Owner), FHeader(this), FFooter(this)
{
    setTextMargins(0, 0, Button_Width, 0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        // A change the change handler makes itself is not reported again.
        if (FInChange)
            return;
        FInChange = true;
        Change();
        FInChange = false;
    });
}

VOdeCustomDropDown::~VOdeCustomDropDown()
{
    if (FPopup)
        delete FPopup;
}

QString VOdeCustomDropDown::Text() const
{
    QString T = text();
    if (!FPrefix.isEmpty() && T.startsWith(FPrefix))
        T.remove(0, FPrefix.size());
    if (!FSuffix.isEmpty() && T.endsWith(FSuffix))
        T.chop(FSuffix.size());
    return T;
}

void VOdeCustomDropDown::Set_Text(const QString &Value)
{
    QString V = Value;
    if (FEditType == etNumeric)
        V = QString::number(static_cast<long long>(std::trunc(Leading_Float(Value))));
    else if (FEditType == etFloat)
        V = Float_Text(Leading_Float(Value), FPrecision);
    SetTextDirect(FPrefix + V + FSuffix);
}

void VOdeCustomDropDown::SetTextDirect(const QString &Value) { setText(Value); }

void VOdeCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    update();
}

void VOdeCustomDropDown::Set_Border(bool Value)
{
    FBorder = Value;
    setFrame(Value);
}

void VOdeCustomDropDown::Set_Color(TColor Value)
{
    FColor = Value;
    QPalette P = palette();
    P.setColor(QPalette::Base, To_QColor(Value));
    setPalette(P);
}

QRect VOdeCustomDropDown::Button_Rect() const { return {width() - Button_Width, 0, Button_Width, height()}; }

void VOdeCustomDropDown::Build_Popup()
{
    if (FPopup)
        delete FPopup;
    // The popup never takes the focus from the edit: the keys stay there.
    FPopup = new QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    FPopup->setAttribute(Qt::WA_ShowWithoutActivating);
    FPopup->setFrameShape(QFrame::Box);
    auto *L = new QVBoxLayout(FPopup);
    L->setContentsMargins(1, 1, 1, 1);
    L->setSpacing(0);
    auto Bar = [&](TBarAppearance &Look, const TBarButtonCollection &Buttons, bool Header) {
        if (!Look.Visible())
            return;
        auto *B = new QFrame(FPopup);
        B->setAutoFillBackground(true);
        QPalette P = B->palette();
        P.setColor(QPalette::Window, To_QColor(Look.Color()));
        B->setPalette(P);
        B->setFixedHeight(Look.Height());
        auto *H = new QHBoxLayout(B);
        H->setContentsMargins(4, 0, 4, 0);
        auto *Caption = new QLabel(Look.Caption(), B);
        Caption->setTextFormat(Qt::RichText);
        H->addWidget(Caption, 1);
        for (int I = 0; I < Buttons.Count(); ++I) {
            const TBarButton &Def = Header ? static_cast<const TBarButton &>(FHeader.Buttons().Items(I))
                                           : static_cast<const TBarButton &>(FFooter.Buttons().Items(I));
            auto *Btn = new QPushButton(Def.Caption(), B);
            Btn->setFocusPolicy(Qt::NoFocus);
            Btn->setEnabled(Def.Enabled());
            connect(Btn, &QPushButton::clicked, this, [this, Header, I] {
                const TDropDownButtonEvent &E = Header ? OnDropDownHeaderButtonClick : OnDropDownFooterButtonClick;
                if (E)
                    E(this, I);
            });
            H->addWidget(Btn);
        }
        L->addWidget(B);
    };
    Bar(FHeader, FHeader.Buttons(), true);
    L->addStretch(1);
    Bar(FFooter, FFooter.Buttons(), false);
    FPopup->resize(std::max(width(), 120), 120);
}

void VOdeCustomDropDown::ShowDropDown()
{
    if (FDroppedDown || !isEnabled() || isReadOnly())
        return;
    Build_Popup();
    FPopup->move(mapToGlobal(QPoint(0, height())));
    FPopup->show();
    FDroppedDown = true;
    update();
}

void VOdeCustomDropDown::HideDropDown(bool Cancelled)
{
    if (!FDroppedDown)
        return;
    FDroppedDown = false;
    if (FPopup)
        FPopup->hide();
    Popup_Closed(Cancelled);
    update();
}

void VOdeCustomDropDown::KeyDown(TKey &Key, TShiftState Shift)
{
    TCustomMaskEdit::KeyDown(Key, Shift);
    if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
        if (FDroppedDown)
            HideDropDown(false);
        else
            ShowDropDown();
        Key = 0;
    }
}

void VOdeCustomDropDown::KeyPress(QChar &Key)
{
    if (Key == QChar(13)) {
        Key = QChar();
        return;
    }
    // With the editor disabled only the popup changes the value.
    if (!FEditorEnabled && (Key.unicode() >= 32 || Key == QChar(8))) {
        Key = QChar();
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

void VOdeCustomDropDown::Change()
{
    if (OnChange)
        OnChange(this);
}

void VOdeCustomDropDown::DoEnter(bool ByMouse)
{
    FUndoText = text();
    if (!FEditorEnabled) {
        deselect();
        return;
    }
    if (FEditType == etFloat && !ByMouse) {
        // The whole part of a number, ready to be typed over.
        const int Dec = int(text().indexOf(Format_Settings().DecimalSeparator));
        if (Dec >= 0) {
            setSelection(0, Dec);
            return;
        }
    }
    TCustomMaskEdit::DoEnter(ByMouse);
}

bool VOdeCustomDropDown::event(QEvent *E)
{
    // Escape belongs to the open popup, not to the window's dialog keys.
    if (E->type() == QEvent::ShortcutOverride && FDroppedDown) {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Escape) {
            E->accept();
            return true;
        }
    }
    if (E->type() == QEvent::Hide)
        HideDropDown(true);
    return TCustomMaskEdit::event(E);
}

void VOdeCustomDropDown::paintEvent(QPaintEvent *E)
{
    TCustomMaskEdit::paintEvent(E);
    QPainter P(this);
    QStyleOptionButton O;
    O.initFrom(this);
    O.rect = Button_Rect();
    O.state |= FDroppedDown ? QStyle::State_Sunken : QStyle::State_Raised;
    if (!isEnabled())
        O.state &= ~QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_PushButtonBevel, &O, &P, this);
    QStyleOption A = O;
    A.rect = O.rect.adjusted(4, 4, -4, -4);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &A, &P, this);
}

void VOdeCustomDropDown::mousePressEvent(QMouseEvent *E)
{
    if (E->button() == Qt::LeftButton && Button_Rect().contains(E->position().toPoint())) {
        setFocus(Qt::MouseFocusReason);
        if (FDroppedDown)
            HideDropDown(false);
        else
            ShowDropDown();
        E->accept();
        return;
    }
    TCustomMaskEdit::mousePressEvent(E);
}

void VOdeCustomDropDown::resizeEvent(QResizeEvent *E)
{
    TCustomMaskEdit::resizeEvent(E);
    update();
}

// --- track bar ------------------------------------------------------------------------------------------------

VOdeTrackBarDropDown::VOdeTrackBarDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner)
{
    Set_EditType(etNumeric);
    SetEditorEnabled(false);
    Set_Text(QStringLiteral("0"));
}

void VOdeTrackBarDropDown::SetPosition(int Value)
{
    FPosition = std::clamp(Value, std::min(FMin, FMax), std::max(FMin, FMax));
    Set_Text(QString::number(FPosition));
}

void VOdeTrackBarDropDown::Change()
{
    VOdeCustomDropDown::Change();
    FPosition = static_cast<int>(std::trunc(Leading_Float(Text())));
}

// --- memo -----------------------------------------------------------------------------------------------------

VOdeMemoDropDown::VOdeMemoDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner) {}

void VOdeMemoDropDown::Set_MemoText(const QStringList &Lines)
{
    FMemoText = Lines;
    FFromMemo = true;
    SetTextDirect(Lines.join(QStringLiteral(" ")));
    FFromMemo = false;
}

void VOdeMemoDropDown::Change()
{
    if (!FFromMemo)
        FMemoText = QStringList{text()};
    VOdeCustomDropDown::Change();
}

// --- calculator -----------------------------------------------------------------------------------------------

VOdeCalculatorDropdown::VOdeCalculatorDropdown(QWidget *Owner) : VOdeCustomDropDown(Owner)
{
    Set_EditType(etFloat);
    Set_Precision(2);
}

void VOdeCalculatorDropdown::KeyPress(QChar &Key)
{
    const QChar C = Key;
    if (C == u'+' || C == u'*' || C == u'/' || (C == u'-' && !text().isEmpty() && cursorPosition() > 0)) {
        CalcResult();
        FOperand = Leading_Float(Text());
        FOperation = C;
        SetTextDirect(QString());
        Key = QChar();
        return;
    }
    if (C == u'=') {
        CalcResult();
        Key = QChar();
        return;
    }
    const bool Pass = C.isDigit() || C == Format_Settings().DecimalSeparator || C == QChar(8) || C == u'-'
                      || C.unicode() < 32;
    if (!Pass) {
        Key = QChar();
        return;
    }
    VOdeCustomDropDown::KeyPress(Key);
}

void VOdeCalculatorDropdown::CalcResult()
{
    if (FOperation.isNull())
        return;
    const double B = Leading_Float(Text());
    double R = FOperand;
    switch (FOperation.unicode()) {
    case u'+': R += B; break;
    case u'-': R -= B; break;
    case u'*': R *= B; break;
    case u'/': R = B == 0 ? 0 : R / B; break;
    default: break;
    }
    FOperation = QChar();
    Set_Text(Float_Text(R, 0));
}

// --- time picker ----------------------------------------------------------------------------------------------

VOdeTimePickerDropDown::VOdeTimePickerDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner) { SetEditorEnabled(false); }

void VOdeTimePickerDropDown::KeyDown(TKey &Key, TShiftState Shift)
{
    if ((Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt)) {
        const QStringList Parts = text().split(u':');
        if (Parts.size() == 2 || Parts.size() == 3) {
            // The field under the caret: hours, minutes or seconds.
            const int Field = std::min(int(Parts.size()) - 1, cursorPosition() / 3);
            const int Limit = Field == 0 ? 24 : 60;
            int V = Parts[Field].trimmed().toInt();
            V = (V + (Key == VK_DOWN ? 1 : -1) + Limit) % Limit;
            QStringList N = Parts;
            N[Field] = QStringLiteral("%1").arg(V, 2, 10, QLatin1Char('0'));
            const int Caret = cursorPosition();
            SetTextDirect(N.join(u':'));
            setCursorPosition(Caret);
            Key = 0;
            return;
        }
    }
    VOdeCustomDropDown::KeyDown(Key, Shift);
}

// --- detail list ----------------------------------------------------------------------------------------------

int TDetailItems::IndexOf(const QString &Caption) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items[I].Caption == Caption)
            return I;
    return -1;
}

VOdeDetailDropDown::VOdeDetailDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner) {}

void VOdeDetailDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value < 0 || Value >= FItems.Count())
        return;
    FItemIndex = Value;
    SetTextDirect(FItems.Items[Value].Caption);
    selectAll();
    update();
    if (OnSelect)
        OnSelect(this);
}

void VOdeDetailDropDown::KeyDown(TKey &Key, TShiftState Shift)
{
    if (Key == VK_RETURN) {
        const int I = FItems.IndexOf(text());
        if (I >= 0)
            SetItemIndex(I);
    }
    VOdeCustomDropDown::KeyDown(Key, Shift);
}

// --- multi-column and grid lists ----------------------------------------------------------------------------

VOdeMultiColumnDropDown::VOdeMultiColumnDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner) {}

int VOdeMultiColumnDropDown::GetItemIndex(const QString &Text) const
{
    for (int I = 0; I < int(FItems.size()); ++I)
        if (FLookupColumn >= 0 && FLookupColumn < FItems[I].size() && FItems[I][FLookupColumn] == Text)
            return I;
    return -1;
}

void VOdeMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= int(FItems.size()))
        return;
    FItemIndex = Value;
    const bool Has = Value >= 0 && FLookupColumn >= 0 && FLookupColumn < FItems[Value].size();
    SetTextDirect(Has ? FItems[Value][FLookupColumn] : QString());
}

TCustomDarAzidDropDown::TCustomDarAzidDropDown(QWidget *Owner) : VOdeMultiColumnDropDown(Owner) {}

bool TCustomDarAzidDropDown::Lookup(const QString &Text, int &Row) const
{
    Row = -1;
    const Qt::CaseSensitivity CS = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    auto &Rows = const_cast<TCustomDarAzidDropDown *>(this)->Items();
    for (int I = 0; I < int(Rows.size()); ++I)
        if (LookupColumn() >= 0 && LookupColumn() < Rows[I].size()
            && Rows[I][LookupColumn()].compare(Text, CS) == 0) {
            Row = I;
            return true;
        }
    return false;
}

// --- colour picker --------------------------------------------------------------------------------------------

VOdeColorPickerDropDown::VOdeColorPickerDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner)
{
    // The swatch sits before the caption.
    setTextMargins(20, 0, 17, 0);
}

void VOdeColorPickerDropDown::AddDefaultColors()
{
    const TColorItem Defaults[] = {
        {clBlack, QStringLiteral("Black")},   {clMaroon, QStringLiteral("Maroon")},
        {clGreen, QStringLiteral("Green")},   {clOlive, QStringLiteral("Olive")},
        {clNavy, QStringLiteral("Navy")},     {clPurple, QStringLiteral("Purple")},
        {clTeal, QStringLiteral("Teal")},     {clGray, QStringLiteral("Gray")},
        {clSilver, QStringLiteral("Silver")}, {clRed, QStringLiteral("Red")},
        {clLime, QStringLiteral("Lime")},     {clYellow, QStringLiteral("Yellow")},
        {clBlue, QStringLiteral("Blue")},     {clFuchsia, QStringLiteral("Fuchsia")},
        {clAqua, QStringLiteral("Aqua")},     {clWhite, QStringLiteral("White")},
    };
    for (const TColorItem &C : Defaults)
        FItems.push_back(C);
}

void VOdeColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor)
        return;
    FSelectedColor = Value;
    FItemIndex = -1;
    for (int I = 0; I < int(FItems.size()); ++I)
        if (FItems[I].Color == Value) {
            FItemIndex = I;
            break;
        }
    SetTextDirect(GetSelectedColorText());
    update();
}

QString VOdeColorPickerDropDown::GetSelectedColorText() const
{
    return FItemIndex >= 0 && FItemIndex < int(FItems.size()) ? FItems[FItemIndex].Caption : QString();
}

void VOdeColorPickerDropDown::paintEvent(QPaintEvent *E)
{
    VOdeCustomDropDown::paintEvent(E);
    if (FSelectedColor == clNone)
        return;
    QPainter P(this);
    const QRect Swatch(4, height() / 2 - 6, 12, 12);
    P.fillRect(Swatch, To_QColor(FSelectedColor));
    P.setPen(Qt::black);
    P.drawRect(Swatch.adjusted(0, 0, -1, -1));
}

// --- image picker ---------------------------------------------------------------------------------------------

VOdeImagePickerDropDown::VOdeImagePickerDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner)
{
    setTextMargins(22, 0, 17, 0);
}

void VOdeImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images())
        return;
    for (int I = 0; I < Images()->Count(); ++I)
        FItems.push_back({QString(), I});
}

int VOdeImagePickerDropDown::GetImageIndex() const
{
    return FItemIndex >= 0 && FItemIndex < int(FItems.size()) ? FItems[FItemIndex].ImageIndex : -1;
}

void VOdeImagePickerDropDown::SetImageIndex(int Value)
{
    int Found = -1;
    for (int I = 0; I < int(FItems.size()); ++I)
        if (FItems[I].ImageIndex == Value) {
            Found = I;
            break;
        }
    Set_ItemIndex(Found);
}

void VOdeImagePickerDropDown::Set_ItemIndex(int Value)
{
    FItemIndex = Value >= 0 && Value < int(FItems.size()) ? Value : -1;
    update();
}

void VOdeImagePickerDropDown::paintEvent(QPaintEvent *E)
{
    VOdeCustomDropDown::paintEvent(E);
    const int Index = GetImageIndex();
    if (!Images() || Index < 0)
        return;
    QPainter P(this);
    const QImage Img = Images()->Image(Index);
    P.drawImage(QRect(3, (height() - Images()->Height()) / 2, Images()->Width(), Images()->Height()), Img);
}
